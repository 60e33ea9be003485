#include "core/recovery/recovery_copy.h"

#include <QFile>
#include <QStringDecoder>

#include <charconv>

namespace tabulo {

namespace {

constexpr QByteArrayView firstLine = "Tabulo recovery copy 1\r\n";
constexpr QByteArrayView fileField = "file ";
constexpr QByteArrayView textField = "text ";
constexpr QByteArrayView lineEnd = "\r\n";

// The line at `at` without its CR LF, and `at` moved past it; nothing when
// the bytes end before a CR LF.
std::optional<QByteArrayView> takeLine(QByteArrayView bytes, qsizetype &at)
{
    const qsizetype end = bytes.indexOf(lineEnd, at);
    if (end < 0)
        return std::nullopt;
    const QByteArrayView line = bytes.sliced(at, end - at);
    at = end + lineEnd.size();
    return line;
}

std::optional<qsizetype> byteCount(QByteArrayView digits)
{
    qsizetype count = 0;
    const char *last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, count);
    if (digits.isEmpty() || error != std::errc() || end != last || count < 0)
        return std::nullopt;
    return count;
}

} // namespace

QByteArray RecoveryCopy::format() const
{
    const QByteArray textBytes = text.toUtf8();
    // The path's own bytes, as the file system has them, in one line
    // whatever characters it holds.
    const QByteArray path = QFile::encodeName(noteFile).toPercentEncoding("/");
    QByteArray bytes;
    bytes.reserve(textBytes.size() + path.size() + 64);
    bytes += firstLine;
    bytes += fileField;
    bytes += path;
    bytes += lineEnd;
    bytes += textField;
    bytes += QByteArray::number(textBytes.size());
    bytes += lineEnd;
    bytes += lineEnd;
    bytes += textBytes;
    return bytes;
}

std::optional<RecoveryCopy> RecoveryCopy::parse(QByteArrayView bytes)
{
    if (!bytes.startsWith(firstLine))
        return std::nullopt;
    qsizetype at = firstLine.size();
    const auto file = takeLine(bytes, at);
    const auto size = takeLine(bytes, at);
    const auto blank = takeLine(bytes, at);
    if (!file || !size || !blank || !file->startsWith(fileField) || !size->startsWith(textField) || !blank->isEmpty())
        return std::nullopt;
    const auto count = byteCount(size->sliced(textField.size()));
    if (!count || *count != bytes.size() - at)
        return std::nullopt;
    RecoveryCopy copy;
    copy.noteFile = QFile::decodeName(QByteArray::fromPercentEncoding(file->sliced(fileField.size()).toByteArray()));
    // The program writes only UTF-8: bytes that are not come from damage,
    // and are never passed off as the user's text.
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    copy.text = utf8(bytes.sliced(at));
    if (utf8.hasError())
        return std::nullopt;
    return copy;
}

} // namespace tabulo
