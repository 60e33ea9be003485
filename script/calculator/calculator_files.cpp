#include "script/calculator/calculator_files.h"

#include "core/files/text_codec.h"

#include <QFile>

#include <cmath>

namespace tabulo {

namespace {

QString readStart(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeText(file.read(maxBytes));
}

} // namespace

QStringList CalculatorHistory::parse(QStringView fileText)
{
    QStringList history;
    for (QStringView line : fileText.tokenize(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        // A line of blanks is not empty: it comes back as an empty entry.
        history.append(line.trimmed().toString());
        if (history.size() == maxLoadedLines)
            break;
    }
    return history;
}

QString CalculatorHistory::format(const QStringList &history)
{
    QString text;
    for (const QString &entry : history) {
        // An entry is one line: a pasted line break must not split it.
        QString line = entry;
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

QStringList CalculatorHistory::load(const QString &path)
{
    return parse(readStart(path, maxReadBytes));
}

FileResult CalculatorHistory::save(const QString &path, const QStringList &history)
{
    return writeFileAtomically(path, format(history));
}

CalculatorPlacement CalculatorPlacement::parse(QStringView fileText)
{
    CalculatorPlacement placement;
    for (QStringView line : fileText.tokenize(u'\n')) {
        const auto fields = line.trimmed().split(u',');
        if (fields.size() != 4)
            continue;
        double numbers[4];
        bool allNumbers = true;
        for (int i = 0; i < 4 && allNumbers; ++i) {
            bool ok = false;
            numbers[i] = fields[i].trimmed().toDouble(&ok);
            allNumbers = ok && std::isfinite(numbers[i]);
        }
        if (!allNumbers)
            continue;
        placement.top = numbers[0];
        placement.left = numbers[1];
        placement.width = numbers[2];
        placement.height = numbers[3];
    }
    if (placement.top < 0)
        placement.top = 100;
    if (placement.left < 0)
        placement.left = 100;
    if (placement.height < minimumHeight)
        placement.height = designHeight;
    return placement;
}

CalculatorPlacement CalculatorPlacement::load(const QString &path)
{
    return parse(readStart(path, CalculatorHistory::maxReadBytes));
}

QString CalculatorPlacement::format() const
{
    auto number = [](double value) { return QString::number(std::round(value), 'f', 0); };
    return number(top) + QLatin1Char(',') + number(left) + QLatin1Char(',') + number(width) + QLatin1Char(',')
        + number(height) + QStringLiteral("\r\n");
}

} // namespace tabulo
