#include "core/entry/entry_aids.h"

#include "core/engine/note_lines.h"

namespace tabulo {

namespace EntryAids {

namespace {

// Each line of the selection, as it would be read back from a file holding
// the selection followed by a line end: a selection that ends with a line
// end thus has an empty last line.
template<typename Rewrite> QString rewriteLines(QStringView selection, Rewrite &&rewrite)
{
    QString result;
    result.reserve(selection.size() + selection.size() / 8 + 8);
    auto visit = [&](QStringView line) {
        rewrite(trimSpaces(line), result);
        result += QLatin1String("\r\n");
    };
    if (selection.isEmpty()) {
        visit({});
    } else {
        forEachLine(selection, visit);
        if (selection.endsWith(u'\n') || selection.endsWith(u'\r'))
            visit({});
    }
    // The block is trimmed of spaces at both ends, so a sign that is a space
    // leaves no space at the very beginning; the final line end stays.
    return trimSpaces(result).toString();
}

} // namespace

QString addLeadingSign(QStringView selection, QStringView sign)
{
    return rewriteLines(selection, [&](QStringView line, QString &out) {
        out += sign;
        out += line;
    });
}

QString removeLeadingSign(QStringView selection)
{
    return rewriteLines(selection, [](QStringView line, QString &out) {
        if (!line.isEmpty())
            out += line.sliced(1);
    });
}

QString splitExpression(QStringView selection)
{
    QString s = trimSpaces(selection).toString();
    if (!s.isEmpty() && s.front() >= u'0' && s.front() <= u'9')
        s.prepend(u'+');
    s.replace(u'#', u'\'');
    for (const QChar op : {u'+', u'-', u'*', u'/'})
        s.replace(op, QStringLiteral("\r\n") + op);
    for (const char *joined : {"+ ", "- ", "* ", "/ "})
        s.replace(QLatin1String(joined), QLatin1String(joined, 1));
    s.replace(QLatin1String("   "), QLatin1String(" "));
    s.replace(QLatin1String("  "), QLatin1String(" "));
    return s;
}

} // namespace EntryAids

} // namespace tabulo
