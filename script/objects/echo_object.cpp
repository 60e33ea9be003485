#include "script/objects/echo_object.h"

#include "script/objects/host_members.h"
#include "script/objects/note_text_object.h"

#include "core/files/text_file.h"

namespace tabulo {

EchoObject::EchoObject(vbs::Locale locale)
    : m_locale(std::move(locale))
{
}

qsizetype EchoObject::maxLength()
{
    return NoteTextObject::maxLength();
}

QString EchoObject::text() const
{
    return QString::fromStdU16String(m_text.rawString());
}

void EchoObject::clear()
{
    m_text = vbs::Value::string(u"");
    m_lastLineLength = 0;
    m_assigned = false;
}

namespace {

bool isTextMember(std::u16string_view name)
{
    return name.empty() || vbs::sameName(name, u"Text");
}

[[noreturn]] void lineTooLong()
{
    vbs::raise(vbs::err::OutOfMemory, std::u16string(EchoObject::lineTooLongDescription));
}

// The length of the last line of `base` + `more`, given that of `base`;
// raises when a line on the way is longer than the output window can show.
qsizetype checkedLastLine(std::u16string_view more, qsizetype lastLine)
{
    for (const char16_t c : more) {
        if (c == u'\r' || c == u'\n') {
            lastLine = 0;
        } else if (++lastLine > maxNoteLineLength) {
            lineTooLong();
        }
    }
    return lastLine;
}

} // namespace

qsizetype EchoObject::firstLineTooLong() const
{
    if (!m_assigned)
        return -1; // written piece by piece, every line was checked as it grew
    const std::u16string &text = m_text.rawString();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < qsizetype(text.size()); ++i) {
        if (text[std::size_t(i)] == u'\r' || text[std::size_t(i)] == u'\n')
            lineStart = i + 1;
        else if (i - lineStart + 1 > maxNoteLineLength)
            return lineStart;
    }
    return -1;
}

void EchoObject::append(std::u16string_view more)
{
    if (qsizetype(m_text.rawString().size() + more.size()) > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    m_lastLineLength = checkedLastLine(more, m_lastLineLength);
    m_text.appendString(more);
}

vbs::Value EchoObject::invoke(std::u16string_view name, vbs::Args args)
{
    if (isTextMember(name)) {
        host::expectArgumentCount(args, 0);
        return m_text;
    }
    if (vbs::sameName(name, u"Write")) {
        host::expectArgumentCount(args, 1);
        append(vbs::toString(args[0], m_locale));
        return {};
    }
    if (vbs::sameName(name, u"WriteLine")) {
        if (args.size() > 1)
            vbs::raise(vbs::err::WrongArgumentCount);
        append((args.empty() ? std::u16string() : vbs::toString(args[0], m_locale)) + u"\r\n");
        return {};
    }
    if (vbs::sameName(name, u"Clear")) {
        host::expectArgumentCount(args, 0);
        clear();
        return {};
    }
    vbs::raise(vbs::err::NoSuchMember);
}

bool EchoObject::canAppendTo(std::u16string_view name) const
{
    return isTextMember(name);
}

void EchoObject::appendTo(std::u16string_view name, std::u16string_view more)
{
    if (!isTextMember(name))
        vbs::raise(vbs::err::NoSuchMember);
    append(more);
}

void EchoObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (!isTextMember(name) || isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    vbs::Value text = vbs::valueOf(value);
    if (!text.isString())
        text = vbs::Value::string(vbs::toString(text, m_locale));
    const std::u16string &next = text.rawString();
    if (qsizetype(next.size()) > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    // `Echo = Echo & more` changes only the end: its last line is checked at
    // once, the whole text (where a long line may have been put anywhere)
    // once the script is over.
    qsizetype lastLine = 0;
    for (auto c = next.rbegin(); c != next.rend() && *c != u'\r' && *c != u'\n'; ++c)
        if (++lastLine > maxNoteLineLength)
            lineTooLong();
    m_lastLineLength = lastLine;
    m_assigned = true;
    m_text = std::move(text);
}

} // namespace tabulo
