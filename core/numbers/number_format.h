#pragma once

#include "core/numbers/decimal.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace tabulo {

// How totals are shown and how numbers typed in a note are recognised.
// Both follow the user's locale, which every caller passes in: tests run a
// comma locale and a dot locale side by side.
class NumberFormat
{
public:
    explicit NumberFormat(const QLocale &locale);

    // The general number format: the value rounded half to even to 15
    // significant digits, the locale's decimal separator, no digit grouping,
    // a leading "-" for negatives, exponent form ("1E+15", "1E-05") for
    // magnitudes from 1E+15 up and below 1E-04.
    QString format(const Decimal &value) const;

    // Accepts the whole of `text` as an unsigned number of the locale:
    // digits with optional grouping separators in the integer part, an
    // optional decimal separator with digits, an optional exponent
    // ("E" or "e", an optional sign, digits). Nothing else, not even blanks.
    // The number is read exactly as written (up to 34 significant digits);
    // one past the range of a double is infinite.
    std::optional<Decimal> parse(QStringView text) const;

    QChar decimalSeparator() const { return m_decimal; }

private:
    QChar m_decimal;
    QChar m_group;
};

} // namespace tabulo
