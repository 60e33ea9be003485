#pragma once

#include <QString>

#include <bit>
#include <cstdint>

namespace tabulo::test {

// QCOMPARE on doubles is fuzzy. Totals must agree exactly, so tests compare
// the shortest text that identifies the double (17 significant digits) and,
// where NaN payloads or the sign of zero matter, the raw bits.
inline QString exactText(double value)
{
    return QString::number(value, 'g', 17);
}

inline std::uint64_t bitsOf(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

} // namespace tabulo::test
