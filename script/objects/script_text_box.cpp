#include "script/objects/script_text_box.h"

#include "script/objects/host_members.h"

namespace tabulo {

ScriptTextBox::ScriptTextBox(std::u16string typeName, std::function<QString()> read,
    std::function<void(const QString &)> write, vbs::Locale locale)
    : m_typeName(std::move(typeName))
    , m_read(std::move(read))
    , m_write(std::move(write))
    , m_locale(std::move(locale))
{
}

namespace {

bool isTextMember(std::u16string_view name)
{
    return name.empty() || vbs::sameName(name, u"Text") || vbs::sameName(name, u"Caption");
}

} // namespace

vbs::Value ScriptTextBox::invoke(std::u16string_view name, vbs::Args args)
{
    if (!isTextMember(name))
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    return host::text(m_read ? m_read() : QString());
}

void ScriptTextBox::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (!isTextMember(name) || isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    if (m_write)
        m_write(host::textOf(value, m_locale));
}

} // namespace tabulo
