#include "script/objects/dir_list_object.h"

#include "script/objects/host_members.h"

#include <QDir>

namespace tabulo {

DirListObject::DirListObject(const QString &startPath)
    : m_path(existingFolder(startPath))
{
    if (m_path.isEmpty())
        m_path = QDir::rootPath();
    refresh();
}

void DirListObject::refresh()
{
    QStringList folders;
    const QDir dir(m_path);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders.append(dir.filePath(name));
    sortIgnoringCase(folders);
    setEntries(folders);
}

QString DirListObject::entryBefore(int index) const
{
    QDir dir(m_path);
    for (int up = -1; up > index; --up)
        if (!dir.cdUp())
            return {};
    return dir.absolutePath();
}

bool DirListObject::read(std::u16string_view name, vbs::Args args, vbs::Value &result)
{
    if (!name.empty() && !vbs::sameName(name, u"Path"))
        return false;
    host::expectArgumentCount(args, 0);
    result = host::text(m_path);
    return true;
}

bool DirListObject::write(std::u16string_view name, const vbs::Value &value)
{
    if (!name.empty() && !vbs::sameName(name, u"Path"))
        return false;
    const QString folder = existingFolder(textArgument(value));
    if (folder.isEmpty())
        host::pathNotFound();
    m_path = folder;
    refresh();
    return true;
}

} // namespace tabulo
