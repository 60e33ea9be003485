#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

// The text commands that help type calculation lines. Each takes the
// selected text (CR LF line ends) and returns what replaces it.
namespace EntryAids {

// "Aggiungi Segno Iniziale": every line of the selection, spaces trimmed,
// gets `sign` in front (an empty line becomes the sign alone); the block
// keeps a final line end.
QString addLeadingSign(QStringView selection, QStringView sign);

// "Rimuovi Segno Iniziale": every line, spaces trimmed, loses its first
// character, whatever it is; the block keeps a final line end.
QString removeLeadingSign(QStringView selection);

// "Separa Stringa": an expression such as "12 + 3 - 4" as one operator line
// per term, starting on a line of its own: "\r\n+12 \r\n+3 \r\n-4". A first
// term without an operator is added, "#" becomes a comment quote.
QString splitExpression(QStringView selection);

} // namespace EntryAids

} // namespace tabulo
