#include "core/language/language_file.h"

#include "core/engine/note_lines.h"

namespace tabulo {

namespace {

// Blanks as a hand-edited file has them: spaces and tabs.
QStringView trimBlanks(QStringView s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && (s[first] == u' ' || s[first] == u'\t'))
        ++first;
    while (last > first && (s[last - 1] == u' ' || s[last - 1] == u'\t'))
        --last;
    return s.sliced(first, last - first);
}

QString cappedText(QStringView text)
{
    if (text.size() <= maxLanguageTextLength)
        return text.toString();
    return text.first(maxLanguageTextLength - 1).toString() + QChar(0x2026);
}

} // namespace

QString lastNonEmptyLine(QStringView text)
{
    QStringView last;
    forEachLine(text, [&](QStringView line) {
        if (!line.isEmpty())
            last = line;
    });
    return last.toString();
}

int languageKeyNumber(QStringView key, QStringView languageName)
{
    const qsizetype prefix = languageName.size() + 1;
    const qsizetype digits = key.size() - prefix;
    // At most nine digits, so the number always fits.
    if (digits < 1 || digits > 9 || key[languageName.size()] != u'_')
        return -1;
    if (key.first(languageName.size()).compare(languageName, Qt::CaseInsensitive) != 0)
        return -1;
    const QStringView number = key.sliced(prefix);
    if (digits > 1 && number[0] == u'0')
        return -1;
    int value = 0;
    for (const QChar c : number) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QHash<int, QString> parseLanguageTexts(QStringView fileText, QStringView languageName)
{
    QHash<int, QString> texts;
    forEachLine(fileText, [&](QStringView rawLine) {
        const QStringView line = trimBlanks(rawLine);
        if (line.isEmpty() || line[0] == u'[' || line[0] == u'#' || line[0] == u'\'')
            return;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            return;
        const int number = languageKeyNumber(trimBlanks(line.first(equals)), languageName);
        if (number < 0)
            return;
        QStringView text = line.sliced(equals + 1);
        const qsizetype nextEquals = text.indexOf(u'=');
        if (nextEquals >= 0)
            text = text.first(nextEquals);
        text = trimBlanks(text);
        // An empty text is a line someone has yet to translate.
        if (!text.isEmpty())
            texts.insert(number, cappedText(text));
    });
    return texts;
}

} // namespace tabulo
