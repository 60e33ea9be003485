#include "colour_number.h"

namespace tabulo {

std::optional<QColor> colourFromNumberText(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    qlonglong number = 0;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = trimmed.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1); // "&H00FF00&" is how long hexadecimal numbers are often written
        number = digits.toLongLong(&ok, 16);
    } else {
        number = trimmed.toLongLong(&ok, 10);
    }
    if (!ok || number < 0 || number > 0xFFFFFFFFLL)
        return std::nullopt;
    const auto value = quint32(number);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace tabulo
