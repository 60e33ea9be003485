#include "core/theme/colour_numbers.h"

namespace tabulo {

std::optional<ColourNumber> parseColourNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    bool ok = false;
    qlonglong number = 0;
    if (trimmed.startsWith(u"&H", Qt::CaseInsensitive)) {
        QStringView digits = trimmed.mid(2);
        if (digits.endsWith(u'&'))
            digits.chop(1); // "&H00FF00&" is how long hexadecimal numbers are often written
        // Signs and blanks inside are not hexadecimal digits.
        if (digits.isEmpty() || digits.front() == u'+' || digits.front() == u'-' || digits.front().isSpace())
            return std::nullopt;
        number = digits.toLongLong(&ok, 16);
    } else {
        number = trimmed.toLongLong(&ok, 10);
    }
    if (!ok || number < 0 || number > qlonglong(largestColourNumber))
        return std::nullopt;
    return ColourNumber(number);
}

QString ColorToHtml(ColourNumber colour)
{
    // Written as BBGGRR and read back in the order the web wants: red first.
    const QString bgr = QStringLiteral("%1").arg(colour & largestColourNumber, 6, 16, QLatin1Char('0')).toUpper();
    return QLatin1Char('#') + bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

QString colourNumberAsDecimal(ColourNumber colour)
{
    return QString::number(colour);
}

QString colourNumberAsHex(ColourNumber colour)
{
    return QStringLiteral("&H%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace tabulo
