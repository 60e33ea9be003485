#pragma once

// An independent model of a note's running totals: exact fractions of
// 128-bit integers, read from the normalised lines with a regular
// expression per locale, shown by long division. It knows when it no
// longer speaks for the engine: a number or a total too large for its
// integers, or a total that 34 significant digits cannot hold exactly (from
// there on the engine's rounded total and the exact one part ways).

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <optional>

namespace tabulo::test {

using Int = __int128;

inline Int gcdOf(Int a, Int b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

inline QString digitsOf(Int n) // n >= 0
{
    QString s;
    do {
        s.prepend(QChar(u'0' + int(n % 10)));
        n /= 10;
    } while (n != 0);
    return s;
}

struct Fraction
{
    Int num = 0;
    Int den = 1; // > 0, lowest terms

    static std::optional<Fraction> make(Int num, Int den)
    {
        if (den < 0) {
            if (__builtin_mul_overflow(num, Int(-1), &num) || __builtin_mul_overflow(den, Int(-1), &den))
                return std::nullopt;
        }
        const Int g = gcdOf(num, den);
        return Fraction {num / g, den / g};
    }
};

inline std::optional<Fraction> add(Fraction a, Fraction b, bool subtract)
{
    const Int g = gcdOf(a.den, b.den);
    Int left = 0, right = 0, den = 0;
    if (__builtin_mul_overflow(a.num, b.den / g, &left) || __builtin_mul_overflow(b.num, a.den / g, &right)
        || __builtin_mul_overflow(a.den, b.den / g, &den))
        return std::nullopt;
    Int num = 0;
    if (subtract ? __builtin_sub_overflow(left, right, &num) : __builtin_add_overflow(left, right, &num))
        return std::nullopt;
    return Fraction::make(num, den);
}

inline std::optional<Fraction> multiply(Fraction a, Fraction b)
{
    const Int g1 = gcdOf(a.num, b.den);
    const Int g2 = gcdOf(b.num, a.den);
    Int num = 0, den = 0;
    if (__builtin_mul_overflow(a.num / (g1 ? g1 : 1), b.num / (g2 ? g2 : 1), &num)
        || __builtin_mul_overflow(a.den / (g2 ? g2 : 1), b.den / (g1 ? g1 : 1), &den))
        return std::nullopt;
    return Fraction::make(num, den);
}

// Whether 34 significant digits hold the fraction exactly.
inline bool fitsDecimal128(const Fraction &f)
{
    Int den = f.den;
    int twos = 0, fives = 0;
    while (den % 2 == 0) {
        den /= 2;
        ++twos;
    }
    while (den % 5 == 0) {
        den /= 5;
        ++fives;
    }
    if (den != 1)
        return false; // no finite decimal
    Int coefficient = f.num < 0 ? -f.num : f.num;
    for (int k = twos; k < std::max(twos, fives); ++k)
        if (__builtin_mul_overflow(coefficient, Int(2), &coefficient))
            return false;
    for (int k = fives; k < std::max(twos, fives); ++k)
        if (__builtin_mul_overflow(coefficient, Int(5), &coefficient))
            return false;
    while (coefficient != 0 && coefficient % 10 == 0)
        coefficient /= 10;
    return digitsOf(coefficient).size() <= 34;
}

// The general number format of the totals box, from the exact value: 15
// significant digits rounded half to even.
inline std::optional<QString> shownText(const Fraction &f, QChar decimalSeparator)
{
    if (f.num == 0)
        return QStringLiteral("0");
    const bool negative = f.num < 0;
    Int rest = negative ? -f.num : f.num;
    const QString integer = digitsOf(rest / f.den);
    rest %= f.den;
    QString digits = integer == QLatin1String("0") ? QString() : integer;
    int exponent = int(integer.size()) - 1;
    if (digits.isEmpty())
        exponent = -1;
    // Long division until 16 significant digits, then whether anything
    // non-zero follows.
    while (digits.size() < 16) {
        if (__builtin_mul_overflow(rest, Int(10), &rest))
            return std::nullopt;
        const int digit = int(rest / f.den);
        rest %= f.den;
        if (digits.isEmpty() && digit == 0) {
            --exponent;
            continue;
        }
        digits += QChar(u'0' + digit);
    }
    bool sticky = rest != 0;
    for (qsizetype i = 16; i < digits.size(); ++i)
        sticky = sticky || digits[i] != u'0';
    const int next = digits[15].unicode() - u'0';
    QString kept = digits.left(15);
    const bool odd = (kept[14].unicode() - u'0') % 2 == 1;
    if (next > 5 || (next == 5 && (sticky || odd))) {
        qsizetype i = 14;
        while (i >= 0 && kept[i] == u'9')
            kept[i--] = u'0';
        if (i < 0) {
            kept.prepend(u'1');
            kept.chop(1);
            ++exponent;
        } else {
            kept[i] = QChar(kept[i].unicode() + 1);
        }
    }
    while (kept.size() > 1 && kept.endsWith(u'0'))
        kept.chop(1);

    QString text = negative ? QStringLiteral("-") : QString();
    if (exponent < -4 || exponent >= 15) {
        text += kept.left(1);
        if (kept.size() > 1)
            text += decimalSeparator + kept.mid(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent >= 0) {
        text += kept.left(exponent + 1).leftJustified(exponent + 1, u'0');
        if (kept.size() > exponent + 1)
            text += decimalSeparator + kept.mid(exponent + 1);
    } else {
        text += QStringLiteral("0") + decimalSeparator + QString(-exponent - 1, u'0') + kept;
    }
    return text;
}

// The running total as the model sees it.
class ExactModel
{
public:
    explicit ExactModel(const QLocale &locale)
        : m_decimal(locale.decimalPoint().at(0))
        , m_number(QStringLiteral("^(?:\\d[\\d%1]*)?(?:%2\\d*)?(?:[eE][+-]?\\d+)?$")
                       .arg(QRegularExpression::escape(locale.groupSeparator()),
                           QRegularExpression::escape(locale.decimalPoint())))
    {
    }

    // One line of the normalised text; true when it counted.
    bool readLine(const QString &rawLine)
    {
        const QString line = trimmedOfSpaces(rawLine);
        if (line.isEmpty() || line.front() == u'#' || line.front() == u'\'')
            return false;
        const QString word = line.section(u' ', 0, 0);
        const QChar op = word.front();
        const QString number = word.mid(1);
        if (QStringLiteral("+-*/").indexOf(op) < 0 || !m_number.match(number).hasMatch()
            || !number.contains(QRegularExpression(QStringLiteral("^[^eE]*\\d"))))
            return false;
        apply(op, value(number));
        return true;
    }

    // The text the totals box must show, when the model still knows it.
    std::optional<QString> shown() const
    {
        switch (m_state) {
        case State::Exact:
        case State::RoundedOnce:
            return shownText(m_total, m_decimal);
        case State::PlusInfinity:
            return QStringLiteral("Infinity");
        case State::MinusInfinity:
            return QStringLiteral("-Infinity");
        case State::Undefined:
            return QStringLiteral("NaN");
        case State::Unknown:
            break;
        }
        return std::nullopt;
    }

private:
    enum class State { Exact, RoundedOnce, PlusInfinity, MinusInfinity, Undefined, Unknown };

    static QString trimmedOfSpaces(const QString &s)
    {
        qsizetype first = 0, last = s.size();
        while (first < last && s[first] == u' ')
            ++first;
        while (last > first && s[last - 1] == u' ')
            --last;
        return s.mid(first, last - first);
    }

    std::optional<Fraction> value(const QString &number) const
    {
        const qsizetype e = number.indexOf(QRegularExpression(QStringLiteral("[eE]")));
        QString mantissa = e < 0 ? number : number.left(e);
        const qsizetype point = mantissa.indexOf(m_decimal);
        int scale = point < 0 ? 0 : int(mantissa.size() - point - 1);
        mantissa.remove(QRegularExpression(QStringLiteral("\\D")));
        bool ok = true;
        const qint64 written = e < 0 ? 0 : number.mid(e + 1).toLongLong(&ok);
        while (mantissa.size() > 1 && mantissa.startsWith(u'0'))
            mantissa.remove(0, 1);
        if (mantissa == QLatin1String("0"))
            return Fraction {};
        if (!ok || mantissa.size() > 36 || std::abs(written) > 60)
            return std::nullopt;
        Int coefficient = 0;
        for (const QChar c : mantissa)
            coefficient = coefficient * 10 + (c.unicode() - u'0');
        Int power = 1;
        const qint64 exponent = written - scale;
        for (qint64 k = 0; k < std::abs(exponent); ++k)
            if (__builtin_mul_overflow(power, Int(10), &power))
                return std::nullopt;
        if (exponent < 0)
            return Fraction::make(coefficient, power);
        if (__builtin_mul_overflow(coefficient, power, &coefficient))
            return std::nullopt;
        return Fraction {coefficient, 1};
    }

    void apply(QChar op, const std::optional<Fraction> &operand)
    {
        if (m_state == State::Unknown || m_state == State::RoundedOnce || !operand) {
            m_state = State::Unknown;
            return;
        }
        if (m_state == State::Undefined)
            return;
        const Fraction &x = *operand;
        if (m_state == State::PlusInfinity || m_state == State::MinusInfinity) {
            // inf ± x stays; inf × 0 is undefined; inf / 0 stays infinite.
            if (op == u'*' && x.num == 0)
                m_state = State::Undefined;
            return;
        }
        std::optional<Fraction> next;
        switch (op.unicode()) {
        case u'+':
            next = add(m_total, x, false);
            break;
        case u'-':
            next = add(m_total, x, true);
            break;
        case u'*':
            next = multiply(m_total, x);
            break;
        default:
            if (x.num == 0) {
                m_state = m_total.num > 0 ? State::PlusInfinity
                    : m_total.num < 0     ? State::MinusInfinity
                                          : State::Undefined;
                return;
            }
            next = multiply(m_total, Fraction {x.den, x.num});
        }
        if (!next) {
            m_state = State::Unknown;
            return;
        }
        m_total = *next;
        // Shown once rounded the total still reads the same at 15 digits;
        // the next operation would start from the rounded value.
        if (!fitsDecimal128(m_total))
            m_state = State::RoundedOnce;
    }

    QChar m_decimal;
    QRegularExpression m_number;
    Fraction m_total;
    State m_state = State::Exact;
};

} // namespace tabulo::test
