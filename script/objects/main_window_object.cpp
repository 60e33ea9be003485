#include "script/objects/main_window_object.h"

#include "script/objects/host_members.h"

#include <limits>

namespace tabulo {

namespace {

enum class Edge { None, Left, Top, Width, Height };

Edge edgeOf(std::u16string_view name)
{
    if (vbs::sameName(name, u"Left"))
        return Edge::Left;
    if (vbs::sameName(name, u"Top"))
        return Edge::Top;
    if (vbs::sameName(name, u"Width"))
        return Edge::Width;
    if (vbs::sameName(name, u"Height"))
        return Edge::Height;
    return Edge::None;
}

int edgeValue(const QRect &r, Edge edge)
{
    switch (edge) {
    case Edge::Left:
        return r.x();
    case Edge::Top:
        return r.y();
    case Edge::Width:
        return r.width();
    case Edge::Height:
        return r.height();
    case Edge::None:
        break;
    }
    return 0;
}

} // namespace

MainWindowObject::MainWindowObject(Binding binding)
    : m_binding(std::move(binding))
{
}

std::shared_ptr<vbs::Object> MainWindowObject::box(std::u16string_view name) const
{
    if (vbs::sameName(name, u"Text1"))
        return m_binding.text1;
    if (vbs::sameName(name, u"Text2"))
        return m_binding.text2;
    if (vbs::sameName(name, u"Text3"))
        return m_binding.text3;
    return nullptr;
}

vbs::Value MainWindowObject::invoke(std::u16string_view name, vbs::Args args)
{
    if (const auto control = box(name)) {
        // `Tabulo.Text2(…)` passes its arguments on to the box's default member.
        if (!args.empty())
            return control->invoke(u"", args);
        return vbs::Value::object(control);
    }
    host::expectArgumentCount(args, 0);
    if (vbs::sameName(name, u"Caption"))
        return host::text(m_binding.caption ? m_binding.caption() : QString());
    if (const Edge edge = edgeOf(name); edge != Edge::None)
        return vbs::Value::longValue(m_binding.placementTwips ? edgeValue(m_binding.placementTwips(), edge) : 0);
    vbs::raise(vbs::err::NoSuchMember);
}

void MainWindowObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (isSet)
        vbs::raise(vbs::err::NoSuchMember);
    if (const auto control = box(name)) {
        control->assign(u"", args, value, false);
        return;
    }
    host::expectArgumentCount(args, 0);
    if (vbs::sameName(name, u"Caption")) {
        if (m_binding.setCaption)
            m_binding.setCaption(host::textOf(value, vbs::Locale::english()));
        return;
    }
    const Edge edge = edgeOf(name);
    if (edge == Edge::None)
        vbs::raise(vbs::err::NoSuchMember);
    const int twips = host::integerArgument(value);
    if ((edge == Edge::Width || edge == Edge::Height) && twips < 0)
        host::invalidPropertyValue();
    if (!m_binding.placementTwips || !m_binding.setPlacementTwips)
        return;
    QRect r = m_binding.placementTwips();
    switch (edge) {
    case Edge::Left:
        r.moveLeft(twips);
        break;
    case Edge::Top:
        r.moveTop(twips);
        break;
    case Edge::Width:
        r.setWidth(twips);
        break;
    case Edge::Height:
        r.setHeight(twips);
        break;
    case Edge::None:
        break;
    }
    m_binding.setPlacementTwips(r);
}

} // namespace tabulo
