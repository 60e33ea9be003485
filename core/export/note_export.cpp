#include "core/export/note_export.h"

namespace tabulo {

namespace {

const QLatin1StringView lineEnd("\r\n");

// Font names come from theme files written by hand: an apostrophe would end
// the attribute early. Real font names hold none of these characters.
QString attributeValue(QStringView value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '&':
            escaped += QLatin1StringView("&amp;");
            break;
        case '<':
            escaped += QLatin1StringView("&lt;");
            break;
        case '>':
            escaped += QLatin1StringView("&gt;");
            break;
        case '\'':
            escaped += QLatin1StringView("&#39;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

QString noteTextExport(QStringView noteText, QStringView totalText)
{
    QString text;
    text.reserve(noteText.size() + totalText.size() + 40);
    text += noteText;
    text += lineEnd;
    text += QString(27, QLatin1Char('='));
    text += lineEnd;
    text += totalText;
    text += lineEnd;
    return text;
}

QString pageFontSize(double points)
{
    // Up to four decimals covers every size a font dialog offers; 'f' keeps
    // large sizes out of exponent notation.
    QString size = QString::number(points, 'f', 4);
    while (size.endsWith(QLatin1Char('0')))
        size.chop(1);
    if (size.endsWith(QLatin1Char('.')))
        size.chop(1);
    return size;
}

QString pageText(QStringView text)
{
    QString page;
    page.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case ' ':
            page += c;
            if (i + 1 < n && text[i + 1] == QLatin1Char(' '))
                ++i; // the pair becomes one space; the next pair starts after it
            break;
        case '\r':
            if (i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
                page += QLatin1StringView("<br />");
                ++i;
            } else {
                page += c;
            }
            break;
        case '&':
            page += QLatin1StringView("&amp;");
            break;
        case '<':
            page += QLatin1StringView("&lt;");
            break;
        case '>':
            page += QLatin1StringView("&gt;");
            break;
        default:
            page += c;
        }
    }
    return page;
}

QString htmlPage(QStringView text, const PageStyle &style, PageKind kind)
{
    const QString body = pageText(text);
    QString page;
    page.reserve(body.size() + 300);
    const auto line = [&page](const QString &content) {
        page += content;
        page += lineEnd;
    };
    line(QStringLiteral("<html>"));
    line(QStringLiteral("<head>"));
    line(QStringLiteral("<title>Output</title>"));
    line(QStringLiteral("</head>"));
    if (kind == PageKind::ScriptOutput)
        line(QStringLiteral("<body>"));
    line(QStringLiteral("<body bgcolor='%1'>").arg(attributeValue(style.background)));
    line(QStringLiteral("<font face='%1' color='%2'>")
             .arg(attributeValue(style.fontName), attributeValue(style.textColour)));
    line(QStringLiteral("<span style='font-size: %1pt'>").arg(pageFontSize(style.fontPointSize)));
    page += body;
    page += lineEnd;
    line(QStringLiteral("</span>"));
    line(QStringLiteral("</font>"));
    line(QStringLiteral("</body>"));
    line(QStringLiteral("</html>"));
    return page;
}

} // namespace tabulo
