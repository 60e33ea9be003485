#include "script/objects/drive_list_object.h"

#include "script/objects/host_members.h"

#include <QDir>
#include <QStorageInfo>

namespace tabulo {

DriveListObject::DriveListObject()
{
    refresh();
}

void DriveListObject::refresh()
{
    QStringList volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && volume.rootPath() != QLatin1String("/"))
            volumes.append(volume.rootPath());
    sortIgnoringCase(volumes);
    volumes.removeDuplicates();
    volumes.prepend(QStringLiteral("/"));
    setEntries(volumes);
}

void DriveListObject::listIndexChosen(int index)
{
    if (index >= 0)
        m_drive = entries()[index];
}

bool DriveListObject::read(std::u16string_view name, vbs::Args args, vbs::Value &result)
{
    if (!name.empty() && !vbs::sameName(name, u"Drive"))
        return false;
    host::expectArgumentCount(args, 0);
    result = host::text(m_drive);
    return true;
}

bool DriveListObject::write(std::u16string_view name, const vbs::Value &value)
{
    if (!name.empty() && !vbs::sameName(name, u"Drive"))
        return false;
    const QString wanted = QDir::cleanPath(textArgument(value));
    if (!entries().contains(wanted))
        host::deviceUnavailable();
    m_drive = wanted;
    return true;
}

} // namespace tabulo
