#include "core/files/text_file.h"

#include <algorithm>

#include "core/files/text_codec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tabulo {

FileResult FileResult::readFailure(const QString &path, QString systemWords)
{
    return failure(classifyReadFailure(inspectPath(path)), std::move(systemWords));
}

FileResult FileResult::writeFailure(const QString &path, QFileDevice::FileError error, QString systemWords)
{
    return failure(classifyWriteFailure(error, inspectPath(path)), std::move(systemWords));
}

FileResult writeFileAtomically(const QString &path, QStringView contents)
{
    return writeBytesAtomically(path, encodeText(contents));
}

FileResult writeBytesAtomically(const QString &path, const QByteArray &bytes, bool onDiskBeforeReplacing)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::writeFailure(path, QFileDevice::OpenError, file.errorString());
    bool written = file.write(bytes) == bytes.size();
#ifdef Q_OS_UNIX
    // After a power cut the rename may survive while unsynced data would not.
    if (onDiskBeforeReplacing)
        written = written && file.flush() && ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(onDiskBeforeReplacing);
#endif
    if (!written) {
        const FileResult failed = FileResult::writeFailure(path, file.error(), file.errorString());
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return FileResult::writeFailure(path, file.error(), file.errorString());
    return FileResult::success();
}

std::optional<QByteArray> readFileBytes(const QString &path, FileResult *failure, qint64 maxBytes)
{
    const auto fail = [failure](FileResult why) {
        if (failure)
            *failure = std::move(why);
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(FileResult::readFailure(path, file.errorString()));
    // Qt opens a folder as if it were a file that reads as nothing.
    if (QFileInfo(path).isDir())
        return fail(FileResult::failure(FileProblem::IsFolder, QStringLiteral("it is a folder")));
    if (file.size() > maxBytes)
        return fail(FileResult::failure(FileProblem::TooLarge,
            QStringLiteral("the file is larger than %1 MB").arg(maxBytes / (1024 * 1024)), maxBytes));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(FileResult::failure(FileProblem::ReadFailed, file.errorString()));
    return bytes;
}

std::optional<QString> readTextFile(const QString &path, FileResult *failure, qint64 maxBytes)
{
    const auto bytes = readFileBytes(path, failure, maxBytes);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

qsizetype longestLineLength(QStringView text)
{
    qsizetype longest = 0;
    qsizetype current = 0;
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n') {
            longest = std::max(longest, current);
            current = 0;
        } else {
            ++current;
        }
    }
    return std::max(longest, current);
}

std::optional<QString> readNoteFile(const QString &path, FileResult *failure)
{
    const auto bytes = readFileBytes(path, failure, maxNoteBytes);
    if (!bytes)
        return std::nullopt;
    return noteFromFileBytes(*bytes, failure);
}

std::optional<QString> noteFromFileBytes(const QByteArray &bytes, FileResult *failure)
{
    const QString text = decodeText(bytes);
    // Binary data shown as text and saved again would be destroyed.
    if (holdsBinaryData(text)) {
        if (failure)
            *failure = FileResult::failure(FileProblem::BinaryData, QStringLiteral("it holds binary data"));
        return std::nullopt;
    }
    if (longestLineLength(text) > maxNoteLineLength) {
        if (failure)
            *failure = FileResult::failure(FileProblem::LineTooLong,
                QStringLiteral("a line is longer than %1 characters").arg(maxNoteLineLength), maxNoteLineLength);
        return std::nullopt;
    }
    return joinLinesWithCrLf(text);
}

FileResult saveNoteFile(const QString &path, const QString &noteText)
{
    // Every line end becomes CR LF, the last one included, so an empty last
    // line survives the round trip.
    QString contents = withCrLfLineEnds(noteText);
    contents += QStringLiteral("\r\n");
    return writeFileAtomically(path, contents);
}

} // namespace tabulo
