#include "core/settings/record_format.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace tabulo::RecordFormat {

namespace {

QString formatNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Shortest round-trip form in fixed notation: integral values get no
    // point and nothing is written in exponent form. The longest such form
    // of a double (the smallest subnormal) has some 330 characters.
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString formatRecord(const QList<Field> &fields)
{
    QStringList parts;
    for (const Field &field : fields) {
        if (const double *number = std::get_if<double>(&field))
            parts << formatNumber(*number);
        else
            parts << QLatin1Char('"') + std::get<QString>(field) + QLatin1Char('"');
    }
    return parts.join(QLatin1Char(','));
}

QString formatLoneText(const QString &text)
{
    // Whatever the reader trims around a field: not only blanks but any
    // space (a vertical tab, a no-break space).
    const bool needsQuotes = text.contains(u',') || text.startsWith(u'"')
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (needsQuotes && !text.contains(u'"'))
        return QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

QStringList parseRecord(QStringView line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        QString field;
        if (i < n && line[i] == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = line.sliced(i + 1, end - i - 1).toString();
            i = close < 0 ? n : close + 1;
            while (i < n && line[i] != u',')
                ++i; // whatever follows the closing quote up to the comma is not part of the text
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.sliced(i, end - i).trimmed().toString();
            i = end;
        }
        fields << field;
        if (i >= n)
            break;
        ++i; // the comma
    }
    return fields;
}

std::optional<double> toNumber(QStringView field)
{
    const QByteArray latin = field.trimmed().toLatin1();
    if (latin.isEmpty())
        return std::nullopt;
    double value = 0;
    const char *first = latin.constData();
    const char *last = first + latin.size();
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tabulo::RecordFormat
