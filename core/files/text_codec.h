#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tabulo {

// Files are written as UTF-8. When read, a file that begins with a UTF-16
// byte-order mark (what Windows editors save as "Unicode") is read as
// UTF-16 of that byte order; a file that is not valid UTF-8 was most likely
// made on Windows, so it is read as Windows-1252: every byte becomes a
// character and nothing is lost.
QString decodeText(const QByteArray &bytes);
QByteArray encodeText(QStringView text);
// The same into a buffer the caller keeps.
void encodeTextInto(QStringView text, QByteArray &out);

// The note as the editor widget holds it uses "\n"; the note as files,
// scripts and character counts see it uses CR LF.
QString toCrLf(QStringView editorText);
QString fromCrLf(QStringView noteText);

// Every line end of `text` (CR LF, a lone CR, a lone LF) as CR LF. The note
// never holds any other kind, so its lines are the editor's lines; a text
// that already has only CR LF is returned as it is, without a copy.
QString withCrLfLineEnds(const QString &text);

// The lines of a text (ended by CR LF, a lone CR or a lone LF) joined again
// with CR LF; a final line end is dropped, so a saved note reads back as it
// was.
QString joinLinesWithCrLf(QStringView text);

} // namespace tabulo
