#include "core/files/text_codec.h"

#include "core/engine/note_lines.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace tabulo {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes that
// it leaves unassigned keep their Latin-1 (control character) meaning.
constexpr char16_t windows1252High[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(windows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

// The decoder lets a unit of half a pair through, which UTF-8 cannot hold:
// it becomes the replacement character, as any editor shows a broken
// character, rather than the whole note being refused.
void replaceUnpairedSurrogates(QString &text)
{
    if (QStringView(text).isValidUtf16())
        return;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (unit.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

// The text after a UTF-16 byte-order mark, when the rest is valid UTF-16.
std::optional<QString> decodeUtf16(const QByteArray &bytes)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (!littleEndian && !bytes.startsWith("\xFE\xFF"))
        return std::nullopt;
    // The mark is cut off here; a second one is a character of the text (a
    // zero-width no-break space), which the decoder would drop as well.
    QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf16.decode(QByteArrayView(bytes).sliced(2));
    if (utf16.hasError() || bytes.size() % 2 != 0)
        return std::nullopt;
    replaceUnpairedSurrogates(text);
    return text;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    if (auto text = decodeUtf16(bytes))
        return *std::move(text);
    // The decoder drops one byte order mark at the start, and only one: a
    // second one is a character of the text (a zero-width no-break space).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    return text;
}

namespace {

// A text that begins with U+FEFF is written after a byte order mark, which
// the reader drops, so the character itself reads back.
bool needsByteOrderMark(QStringView text)
{
    return !text.isEmpty() && text.front() == QChar(0xFEFF);
}

constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

QByteArray encodeText(QStringView text)
{
    if (needsByteOrderMark(text))
        return utf8ByteOrderMark + text.toUtf8();
    return text.toUtf8();
}

void encodeTextInto(QStringView text, QByteArray &out)
{
    // A UTF-16 unit never needs more than three bytes of UTF-8.
    const qsizetype mark = needsByteOrderMark(text) ? 3 : 0;
    out.resize(mark + text.size() * 3);
    std::copy_n(utf8ByteOrderMark, mark, out.data());
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    char *end = utf8.appendToBuffer(out.data() + mark, text);
    out.resize(end - out.constData());
}

QString toCrLf(QStringView editorText)
{
    QString out;
    out.reserve(editorText.size() + editorText.size() / 16);
    qsizetype lineStart = 0;
    for (qsizetype i = editorText.indexOf(u'\n'); i >= 0; i = editorText.indexOf(u'\n', lineStart)) {
        out.append(editorText.sliced(lineStart, i - lineStart));
        out += QLatin1String("\r\n");
        lineStart = i + 1;
    }
    out.append(editorText.sliced(lineStart));
    return out;
}

QString fromCrLf(QStringView noteText)
{
    QString out;
    out.reserve(noteText.size());
    bool first = true;
    forEachLine(noteText, [&](QStringView line) {
        if (!first)
            out += u'\n';
        out += line;
        first = false;
    });
    // A trailing line end still ends a line in the editor's form.
    if (!noteText.isEmpty() && (noteText.back() == u'\n' || noteText.back() == u'\r'))
        out += u'\n';
    return out;
}

QString joinLinesWithCrLf(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    bool first = true;
    forEachLine(text, [&](QStringView line) {
        if (!first)
            out += QStringLiteral("\r\n");
        out += line;
        first = false;
    });
    return out;
}

namespace {

// True when every line end is already a CR LF pair.
bool hasOnlyCrLfLineEnds(QStringView text)
{
    const QChar *p = text.data();
    const QChar *end = p + text.size();
    for (; p != end; ++p) {
        if (p->unicode() > u'\r' || (p->unicode() != u'\r' && p->unicode() != u'\n'))
            continue;
        if (p->unicode() == u'\n' || p + 1 == end || p[1].unicode() != u'\n')
            return false;
        ++p;
    }
    return true;
}

} // namespace

QString withCrLfLineEnds(const QString &text)
{
    // A loaded note already has CR LF everywhere: it is kept, not copied.
    if (hasOnlyCrLfLineEnds(text))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(QStringView(text).sliced(lineStart, i - lineStart));
        out += QLatin1String("\r\n");
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    out.append(QStringView(text).sliced(lineStart));
    return out;
}

} // namespace tabulo
