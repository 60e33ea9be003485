#pragma once

#include "core/files/text_codec.h"

#include <QString>

namespace tabulo {

// One change of a text: at `position`, `removedLength` characters were
// replaced by `inserted`.
struct TextSplice
{
    qsizetype position = 0;
    qsizetype removedLength = 0;
    QString inserted;

    bool operator==(const TextSplice &) const = default;
};

// The smallest splice that turns `from` into `to` (their common beginning
// and end are left alone).
TextSplice spliceBetween(const QString &from, const QString &to);

} // namespace tabulo
