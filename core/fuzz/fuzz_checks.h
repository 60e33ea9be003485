#pragma once

// What the harnesses of this folder share: a failed expectation aborts, so
// the fuzzer keeps the input that broke it, and every input reaches the
// program the way a file's bytes do.

#include "core/files/text_codec.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tabulo::fuzz {

inline void require(bool condition, const char *expectation)
{
    if (condition)
        return;
    std::fprintf(stderr, "expectation failed: %s\n", expectation);
    std::abort();
}

inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The text of a file holding these bytes, decoded as every reader decodes it.
inline QString fileTextOf(const std::uint8_t *data, std::size_t size)
{
    return decodeText(bytesOf(data, size));
}

inline bool hasLineEnd(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

} // namespace tabulo::fuzz
