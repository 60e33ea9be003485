#pragma once

#include <QString>

namespace tabulo {

// One change of a text: at `position`, `removedLength` characters were
// replaced by `inserted`.
struct TextSplice
{
    qsizetype position = 0;
    qsizetype removedLength = 0;
    QString inserted;

    bool operator==(const TextSplice &) const = default;
};

// The smallest splice that turns `from` into `to` (their common beginning
// and end are left alone).
TextSplice spliceBetween(const QString &from, const QString &to);

// Every line end of `text` (CR LF, a lone CR, a lone LF) as CR LF: the note
// never holds any other kind, so its lines are the editor's lines.
QString withCrLfLineEnds(const QString &text);

} // namespace tabulo
