#pragma once

#include "core/files/file_problem.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace tabulo {

// How a file operation ended. A window shows `problem` in the user's
// language (fileProblemText); `error` holds the system's own words, in
// English, for the command-line tools and logs, never for a window.
struct FileResult
{
    bool ok = false;
    QString error;
    FileProblem problem = FileProblem::None;
    qint64 limit = 0; // for TooLarge and LineTooLong: the limit passed

    static FileResult success() { return {true, {}, FileProblem::None, 0}; }
    static FileResult failure(FileProblem problem, QString systemWords = {}, qint64 limit = 0)
    {
        return {false, std::move(systemWords), problem, limit};
    }
    // A failed read or write of `path`, classified from what the file
    // system says about the path now.
    static FileResult readFailure(const QString &path, QString systemWords);
    static FileResult writeFailure(const QString &path, QFileDevice::FileError error, QString systemWords);
};

// Replaces the file with `contents` in one step: either the whole new text is
// there afterwards or the old file is untouched. A folder that forbids the
// temporary file beside it makes the save fail with a reason, rather than
// risk truncating the file by writing it in place.
FileResult writeFileAtomically(const QString &path, QStringView contents);
// The same for bytes; `onDiskBeforeReplacing` also waits until the new bytes
// are on the disk before they replace the old file.
FileResult writeBytesAtomically(const QString &path, const QByteArray &bytes, bool onDiskBeforeReplacing = false);

// The whole file; nothing when it cannot be read, and then `failure` says
// why. Files above `maxBytes` are refused rather than exhausting memory.
std::optional<QByteArray> readFileBytes(
    const QString &path, FileResult *failure = nullptr, qint64 maxBytes = qint64(512) * 1024 * 1024);

// The whole file decoded (UTF-8, else Windows-1252), as readFileBytes reads it.
std::optional<QString> readTextFile(
    const QString &path, FileResult *failure = nullptr, qint64 maxBytes = qint64(512) * 1024 * 1024);

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
std::optional<QString> readNoteFile(const QString &path, FileResult *failure = nullptr);
// The same rules over bytes already read (the size limit is the reader's).
std::optional<QString> noteFromFileBytes(const QByteArray &bytes, FileResult *failure = nullptr);

// Saves a note as its text followed by CR LF, every line end as CR LF.
FileResult saveNoteFile(const QString &path, const QString &noteText);

} // namespace tabulo
