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

void EchoObject::append(const QString &more)
{
    if (m_text.size() + more.size() > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    m_text += more;
}

vbs::Value EchoObject::invoke(std::u16string_view name, vbs::Args args)
{
    if (name.empty() || vbs::sameName(name, u"Text")) {
        host::expectArgumentCount(args, 0);
        return host::text(m_text);
    }
    if (vbs::sameName(name, u"Write")) {
        host::expectArgumentCount(args, 1);
        append(host::textOf(args[0], m_locale));
        return {};
    }
    if (vbs::sameName(name, u"WriteLine")) {
        if (args.size() > 1)
            vbs::raise(vbs::err::WrongArgumentCount);
        append((args.empty() ? QString() : host::textOf(args[0], m_locale)) + QStringLiteral("\r\n"));
        return {};
    }
    if (vbs::sameName(name, u"Clear")) {
        host::expectArgumentCount(args, 0);
        m_text.clear();
        return {};
    }
    vbs::raise(vbs::err::NoSuchMember);
}

void EchoObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (!(name.empty() || vbs::sameName(name, u"Text")) || isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    QString text = host::textOf(value, m_locale);
    if (text.size() > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    m_text = std::move(text);
}

} // namespace tabulo
