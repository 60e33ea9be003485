#include "core/files/text_file.h"

#include <algorithm>

#include "core/files/text_codec.h"

#include <QFile>
#include <QSaveFile>

namespace tabulo {

FileResult writeFileAtomically(const QString &path, QStringView contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(file.errorString());
    const QByteArray bytes = encodeText(contents);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::failure(reason);
    }
    if (!file.commit())
        return FileResult::failure(file.errorString());
    return FileResult::success();
}

std::optional<QByteArray> readFileBytes(const QString &path, QString *error, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > maxBytes) {
        if (error)
            *error = QStringLiteral("The file is too large (%1 MB).").arg(file.size() / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> readTextFile(const QString &path, QString *error, qint64 maxBytes)
{
    const auto bytes = readFileBytes(path, error, maxBytes);
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

std::optional<QString> readNoteFile(const QString &path, QString *error)
{
    const auto bytes = readFileBytes(path, error, maxNoteBytes);
    if (!bytes)
        return std::nullopt;
    return noteFromFileBytes(*bytes, error);
}

std::optional<QString> noteFromFileBytes(const QByteArray &bytes, QString *error)
{
    const QString text = decodeText(bytes);
    // Binary data shown as text and saved again would be destroyed.
    if (holdsBinaryData(text)) {
        if (error)
            *error = QStringLiteral("It is not a text file: it holds binary data.");
        return std::nullopt;
    }
    if (longestLineLength(text) > maxNoteLineLength) {
        if (error)
            *error = QStringLiteral("A line of it is longer than %1 characters, more than the editor can show.")
                         .arg(maxNoteLineLength);
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
