#include "script/objects/path_list_object.h"

#include "script/objects/host_members.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tabulo {

QString PathListObject::textArgument(const vbs::Value &value)
{
    return host::textOf(value, vbs::Locale::english());
}

void PathListObject::sortIgnoringCase(QStringList &list)
{
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

QString existingFolder(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isDir())
        return {};
    return QDir::cleanPath(info.absoluteFilePath());
}

void PathListObject::setEntries(QStringList entries)
{
    m_entries = std::move(entries);
    m_listIndex = -1;
}

QString PathListObject::entryBefore(int) const
{
    return {};
}

vbs::Value PathListObject::invoke(std::u16string_view name, vbs::Args args)
{
    vbs::Value result;
    if (read(name, args, result))
        return result;
    if (vbs::sameName(name, u"List")) {
        host::expectArgumentCount(args, 1);
        const int index = host::integerArgument(args[0]);
        if (index < 0)
            return host::text(entryBefore(index));
        return host::text(index < m_entries.size() ? m_entries[index] : QString());
    }
    host::expectArgumentCount(args, 0);
    if (vbs::sameName(name, u"ListCount"))
        return vbs::Value::longValue(std::int32_t(m_entries.size()));
    if (vbs::sameName(name, u"ListIndex"))
        return vbs::Value::longValue(m_listIndex);
    if (vbs::sameName(name, u"Refresh")) {
        refresh();
        return {};
    }
    vbs::raise(vbs::err::NoSuchMember);
}

void PathListObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    if (write(name, value))
        return;
    if (vbs::sameName(name, u"ListIndex")) {
        const int index = host::integerArgument(value);
        if (index < -1 || index >= m_entries.size())
            host::invalidPropertyValue();
        m_listIndex = index;
        listIndexChosen(index);
        return;
    }
    if (vbs::sameName(name, u"List") || vbs::sameName(name, u"ListCount"))
        vbs::raise(vbs::err::IllegalAssignment);
    vbs::raise(vbs::err::NoSuchMember);
}

std::vector<vbs::Value> PathListObject::enumerate()
{
    std::vector<vbs::Value> values;
    values.reserve(std::size_t(m_entries.size()));
    for (const QString &entry : std::as_const(m_entries))
        values.push_back(host::text(entry));
    return values;
}

} // namespace tabulo
