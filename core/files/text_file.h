#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace tabulo {

struct FileResult
{
    bool ok = false;
    QString error; // the reason, for a message naming the file, when !ok

    static FileResult success() { return {true, {}}; }
    static FileResult failure(QString reason) { return {false, std::move(reason)}; }
};

// Replaces the file with `contents` in one step: either the whole new text is
// there afterwards or the old file is untouched. A folder that forbids the
// temporary file beside it makes the save fail with a reason, rather than
// risk truncating the file by writing it in place.
FileResult writeFileAtomically(const QString &path, QStringView contents);

// The whole file; nothing when it cannot be read. Files above `maxBytes` are
// refused rather than exhausting memory.
std::optional<QByteArray> readFileBytes(
    const QString &path, QString *error = nullptr, qint64 maxBytes = qint64(512) * 1024 * 1024);

// The whole file decoded (UTF-8, else Windows-1252), as readFileBytes reads it.
std::optional<QString> readTextFile(
    const QString &path, QString *error = nullptr, qint64 maxBytes = qint64(512) * 1024 * 1024);

// The largest note the editor opens: beyond it, laying out the text would
// keep the window unresponsive for many seconds.
constexpr qint64 maxNoteBytes = qint64(32) * 1024 * 1024;

// The longest line the editor shows: it lays a line out again for every
// change, in a time that grows with the square of the line's length
// (100,000 characters take most of a second, a million a minute), so a
// longer line would freeze the window.
constexpr qsizetype maxNoteLineLength = 65536;

// The longest run of characters without a line end (CR or LF).
qsizetype longestLineLength(QStringView text);

// Text holding NUL characters came from binary data: shown as text and
// saved again it would be destroyed.
inline bool holdsBinaryData(QStringView text)
{
    return text.contains(QChar(0));
}

// A note file: its lines joined with CR LF, one final line end dropped. A
// file with binary data (NUL bytes), above maxNoteBytes or with a line longer
// than maxNoteLineLength is refused: it stays as it is on disk.
std::optional<QString> readNoteFile(const QString &path, QString *error = nullptr);
// The same rules over bytes already read (the size limit is the reader's).
std::optional<QString> noteFromFileBytes(const QByteArray &bytes, QString *error = nullptr);

// Saves a note as its text followed by CR LF, every line end as CR LF.
FileResult saveNoteFile(const QString &path, const QString &noteText);

} // namespace tabulo
