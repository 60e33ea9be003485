// libFuzzer harness of the note reader: any bytes as a note file (UTF-8 or
// Windows-1252, any line ends, binary data, lines too long to show). What it
// accepts must survive a save and a read back character for character, the
// editor's "\n" form and back, and a load into the note session with every
// position mapping back where it came from.
//
// Input: a first byte of 0xFF makes the rest a huge file: the second byte
// times 2 KiB (at most 256 KiB, past the longest line) of the remaining
// bytes repeated. Larger ones would only slow the search down.

#include "core/files/text_file.h"
#include "core/fuzz/fuzz_checks.h"
#include "core/session/note_session.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

using namespace tabulo;
using tabulo::fuzz::require;

namespace {

QByteArray fileBytes(const std::uint8_t *data, std::size_t size)
{
    if (size < 3 || data[0] != 0xFF)
        return fuzz::bytesOf(data, size);
    const qsizetype wanted = std::min<qsizetype>(qsizetype(data[1]) * 2 * 1024, 256 * 1024);
    const QByteArray unit = fuzz::bytesOf(data + 2, size - 2);
    QByteArray bytes;
    bytes.reserve(wanted + unit.size());
    while (bytes.size() < wanted)
        bytes += unit;
    return bytes;
}

bool hasOnlyCrLfLineEnds(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return false;
        if (text[i] == u'\r') {
            if (i + 1 == text.size() || text[i + 1] != u'\n')
                return false;
            ++i;
        }
    }
    return true;
}

void checkDecoding(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    const QByteArray again = encodeText(text);
    const bool readAsUtf8 = again == bytes || QByteArray("\xEF\xBB\xBF") + again == bytes;
    // A file that is not UTF-8 is read byte by byte: nothing is lost.
    if (!readAsUtf8)
        require(text.size() == bytes.size(), "a Windows-1252 file gives one character per byte");
    require(decodeText(encodeText(text)) == text, "a decoded text is written and read back unchanged");
}

void checkInSession(const QString &note)
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    NoteSession session(locale, QString());
    session.loadText(note, QStringLiteral("/notes/fuzz.txt"));
    require(session.text() == note, "the session holds the note as read");
    require(!session.modi(), "a loaded note is unmodified");
    const QString editorText = fromCrLf(note);
    require(session.editorLength() == editorText.size(), "the editor's length matches its text");
    // Every editor position maps to a note position and back; a sample of
    // them in a huge note.
    const qsizetype length = session.editorLength();
    const qsizetype step = std::max<qsizetype>(1, length / 4096);
    qsizetype counted = 0; // the note's positions before which CRs were counted
    qsizetype linesBefore = 0;
    for (qsizetype position = 0; position <= length; position += step) {
        const qsizetype notePosition = session.notePosition(position);
        require(session.editorPosition(notePosition) == position, "editor positions map back unchanged");
        linesBefore += QStringView(note).sliced(counted, notePosition - counted).count(u'\r');
        counted = notePosition;
        require(linesBefore == session.lines().lineAt(notePosition),
            "a note position lies on the line the editor shows it on");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The session's timers need an application object.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fileBytes(data, size);
    checkDecoding(bytes);

    FileResult failure;
    const std::optional<QString> note = noteFromFileBytes(bytes, &failure);
    if (!note) {
        require(failure.problem != FileProblem::None && !failure.error.isEmpty(), "a refused file comes with a reason");
        const QString text = decodeText(bytes);
        require(text.contains(QChar(0)) || longestLineLength(text) > maxNoteLineLength,
            "only binary data and overlong lines are refused");
        return 0;
    }
    require(!note->contains(QChar(0)), "an accepted note holds no NUL");
    require(longestLineLength(*note) <= maxNoteLineLength, "no line is longer than the editor shows");
    require(hasOnlyCrLfLineEnds(*note), "every line end of a note is CR LF");

    // Saved as saveNoteFile writes it, and read back.
    const QByteArray saved = encodeText(withCrLfLineEnds(*note) + QStringLiteral("\r\n"));
    require(noteFromFileBytes(saved) == note, "a saved note reads back unchanged");
    require(toCrLf(fromCrLf(*note)) == *note, "the editor's form converts back unchanged");
    checkInSession(*note);
    return 0;
}
