#include "script/objects/main_window_object.h"

#include "script/objects/host_members.h"
#include "script/objects/script_text_box.h"

#include "core/session/note_session.h"

namespace tabulo {

namespace {

enum class Member { Caption, Left, Top, Width, Height, Text1, Editor2, Text2, Text3, StatusBar, Modi, PosCronologia };

struct MemberName
{
    std::u16string_view name;
    Member member;
};

// Everything "Tabulo" offers; the help page lists the same.
constexpr MemberName members[] = {
    {u"Caption", Member::Caption},
    {u"Left", Member::Left},
    {u"Top", Member::Top},
    {u"Width", Member::Width},
    {u"Height", Member::Height},
    {u"Text1", Member::Text1},
    {u"Editor2", Member::Editor2},
    {u"Text2", Member::Text2},
    {u"Text3", Member::Text3},
    {u"sbStatusBar", Member::StatusBar},
    {u"Modi", Member::Modi},
    {u"PosCronologia", Member::PosCronologia},
};

std::u16string qualified(std::u16string_view name)
{
    return u"'Tabulo." + std::u16string(name) + u"'";
}

Member memberOf(std::u16string_view name)
{
    for (const MemberName &m : members)
        if (vbs::sameName(name, m.name))
            return m.member;
    vbs::raise(vbs::err::NoSuchMember, u"Object doesn't support this property or method: " + qualified(name));
}

[[noreturn]] void readOnly(std::u16string_view name)
{
    vbs::raise(383, u"Property is read-only: " + qualified(name));
}

bool isEdge(Member member)
{
    return member == Member::Left || member == Member::Top || member == Member::Width || member == Member::Height;
}

int edgeValue(const QRect &r, Member edge)
{
    switch (edge) {
    case Member::Left:
        return r.x();
    case Member::Top:
        return r.y();
    case Member::Width:
        return r.width();
    case Member::Height:
        return r.height();
    default:
        return 0;
    }
}

} // namespace

std::vector<std::u16string_view> MainWindowObject::memberNames()
{
    std::vector<std::u16string_view> names;
    for (const MemberName &m : members)
        names.push_back(m.name);
    return names;
}

MainWindowObject::MainWindowObject(Binding binding)
    : m_binding(std::move(binding))
{
    for (int i = 0; i < statusPanelCount; ++i) {
        m_panels[size_t(i)] = std::make_shared<ScriptTextBox>(
            u"Label", [this, i] { return m_binding.statusPanel ? m_binding.statusPanel(i) : QString(); },
            [this, i](const QString &text) {
                if (m_binding.setStatusPanel)
                    m_binding.setStatusPanel(i, text);
            },
            m_binding.locale);
    }
}

std::shared_ptr<vbs::Object> MainWindowObject::control(std::u16string_view name) const
{
    switch (memberOf(name)) {
    case Member::Text1:
        return m_binding.text1;
    case Member::Editor2:
        return m_binding.editor2 ? m_binding.editor2 : m_binding.text1;
    case Member::Text2:
        return m_binding.text2;
    case Member::Text3:
        return m_binding.text3;
    default:
        return nullptr;
    }
}

std::shared_ptr<vbs::Object> MainWindowObject::statusPanel(vbs::Args args) const
{
    if (args.size() != 1)
        vbs::raise(vbs::err::WrongArgumentCount,
            u"Wrong number of arguments: 'Tabulo.sbStatusBar' takes the index of a panel, 0 to 5");
    const int index = host::integerArgument(args[0]);
    if (index < 0 || index >= statusPanelCount)
        vbs::raise(340,
            u"Control array element 'sbStatusBar(" + QString::number(index).toStdU16String()
                + u")' doesn't exist: the status bar's panels are 0 to 5");
    return m_panels[size_t(index)];
}

vbs::Value MainWindowObject::invoke(std::u16string_view name, vbs::Args args)
{
    const Member member = memberOf(name);
    if (member == Member::StatusBar)
        return vbs::Value::object(statusPanel(args));
    if (const auto box = control(name)) {
        // `Tabulo.Text2(…)` passes its arguments on to the box's default member.
        if (!args.empty())
            return box->invoke(u"", args);
        return vbs::Value::object(box);
    }
    host::expectArgumentCount(args, 0);
    if (member == Member::Caption)
        return host::text(m_binding.caption ? m_binding.caption() : QString());
    if (isEdge(member))
        return vbs::Value::longValue(m_binding.placementTwips ? edgeValue(m_binding.placementTwips(), member) : 0);
    const NoteSession *session = m_binding.session;
    if (member == Member::Modi)
        return vbs::Value::integer(std::int16_t(session && session->modi() ? 1 : 0));
    if (member == Member::PosCronologia)
        return vbs::Value::integer(std::int16_t(session ? session->history().position() : 0));
    return {};
}

void MainWindowObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    const Member member = memberOf(name);
    if (member == Member::Modi || member == Member::PosCronologia)
        readOnly(name);
    if (isSet)
        vbs::raise(vbs::err::NoSuchMember, u"Object doesn't support this property or method: Set " + qualified(name));
    if (member == Member::StatusBar) {
        statusPanel(args)->assign(u"", {}, value, false);
        return;
    }
    if (const auto box = control(name)) {
        box->assign(u"", args, value, false);
        return;
    }
    host::expectArgumentCount(args, 0);
    if (member == Member::Caption) {
        if (m_binding.setCaption)
            m_binding.setCaption(host::textOf(value, vbs::Locale::english()));
        return;
    }
    setEdge(name, value);
}

void MainWindowObject::setEdge(std::u16string_view name, const vbs::Value &value)
{
    const Member edge = memberOf(name);
    const int twips = host::integerArgument(value);
    if ((edge == Member::Width || edge == Member::Height) && twips < 0)
        host::invalidPropertyValue();
    if (!m_binding.placementTwips || !m_binding.setPlacementTwips)
        return;
    QRect r = m_binding.placementTwips();
    switch (edge) {
    case Member::Left:
        r.moveLeft(twips);
        break;
    case Member::Top:
        r.moveTop(twips);
        break;
    case Member::Width:
        r.setWidth(twips);
        break;
    case Member::Height:
        r.setHeight(twips);
        break;
    default:
        return;
    }
    m_binding.setPlacementTwips(r);
}

} // namespace tabulo
