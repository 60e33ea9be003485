#include "echo_object.h"

#include "host_members.h"
#include "note_text_object.h"

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
}

void EchoObject::append(const std::u16string &more)
{
    if (qsizetype(m_text.rawString().size() + more.size()) > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    m_text.appendString(more);
}

vbs::Value EchoObject::invoke(std::u16string_view name, vbs::Args args)
{
    if (name.empty() || vbs::sameName(name, u"Text")) {
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

void EchoObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (!(name.empty() || vbs::sameName(name, u"Text")) || isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    vbs::Value text = vbs::valueOf(value);
    if (!text.isString())
        text = vbs::Value::string(vbs::toString(text, m_locale));
    if (qsizetype(text.rawString().size()) > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    m_text = std::move(text);
}

} // namespace tabulo
