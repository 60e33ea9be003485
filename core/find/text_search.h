#pragma once

#include "core/session/text_splice.h"

#include <QString>
#include <QStringView>

namespace tabulo {

// Searching the note's text (lines ended by CR LF). The searched text is
// plain text: no character has a special meaning.

// The searched text as it occurs in the note: whatever line ends it holds
// (a multi-line selection, a pasted text) become CR LF.
QString searchTextForNote(QStringView typed);

// The first occurrence of `searched` at or after `from`, else, searching
// once more from the start of the text, the first one before it; -1 when
// the text does not occur or is empty. `from` beyond either end is clamped.
qsizetype findWithWrap(QStringView text, QStringView searched, qsizetype from, Qt::CaseSensitivity sensitivity);

// Every occurrence of `searched`, scanning from the start with exact
// comparison, replaced by `replacement`; replaced text is not searched
// again. The result is one splice that spans the first to the last
// occurrence, so the note records it as one change.
struct ReplaceAllResult
{
    TextSplice splice;
    qsizetype count = 0;
};
ReplaceAllResult replaceAllOccurrences(QStringView text, QStringView searched, QStringView replacement);

} // namespace tabulo
