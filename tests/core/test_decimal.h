#pragma once

#include "core/numbers/decimal.h"

#include <QString>

namespace tabulo::test {

// A decimal written as in C ("12.50", "-1.5e-7", "inf", "-inf", "nan"),
// held with the digits written: tests state values without going through
// the parser under test.
inline Decimal decimal(const QString &text)
{
    QString s = text;
    const bool negative = s.startsWith(u'-');
    if (negative)
        s.remove(0, 1);
    Decimal value;
    if (s == QLatin1String("inf")) {
        value = Decimal::infinity();
    } else if (s == QLatin1String("nan")) {
        value = Decimal::notANumber();
    } else {
        const qsizetype e = s.indexOf(u'e');
        const QString mantissa = e < 0 ? s : s.left(e);
        const qint64 exponent = e < 0 ? 0 : s.mid(e + 1).toLongLong();
        const qsizetype point = mantissa.indexOf(u'.');
        const qsizetype fractionDigits = point < 0 ? 0 : mantissa.size() - point - 1;
        const QString digits = QString(mantissa).remove(u'.');
        value = Decimal::fromDigits(digits.toStdString(), exponent - fractionDigits);
    }
    return negative ? -value : value;
}

// The value alone, whatever its representation: equal texts, equal values
// ("1.25E+3", "0", "-Infinity", "NaN").
inline QString valueText(const Decimal &value)
{
    if (value.isNaN())
        return QStringLiteral("NaN");
    if (value.isInfinite())
        return value.isNegative() ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value.isZero())
        return QStringLiteral("0");
    const Decimal::SignificantDigits d = value.significantDigits(34);
    QString text = d.negative ? QStringLiteral("-") : QString();
    text += QString::fromStdString(d.digits.substr(0, 1));
    if (d.digits.size() > 1)
        text += u'.' + QString::fromStdString(d.digits.substr(1));
    return text + QStringLiteral("E%1").arg(d.exponent);
}

// The value and how it is held, for comparisons that must hold bit for bit.
inline QString exactText(const Decimal &value)
{
    return QString::fromStdString(value.exactText());
}

} // namespace tabulo::test
