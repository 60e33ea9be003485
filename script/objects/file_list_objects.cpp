#include "script/objects/file_list_objects.h"

#include "script/objects/host_members.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace tabulo {

namespace {

QString textArgument(const vbs::Value &value)
{
    return host::textOf(value, vbs::Locale::english());
}

void sortIgnoringCase(QStringList &list)
{
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

bool isPattern(const QString &text)
{
    return text.contains(u'*') || text.contains(u'?');
}

} // namespace

QString existingFolder(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isDir())
        return {};
    return QDir::cleanPath(info.absoluteFilePath());
}

// ---- the common list

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

// ---- drives

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

// ---- folders

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

// ---- files

FileListObject::FileListObject(const QString &startPath)
    : m_path(existingFolder(startPath))
{
    if (m_path.isEmpty())
        m_path = QDir::rootPath();
    refresh();
}

void FileListObject::refresh()
{
    QStringList filters;
    for (const QString &part : m_pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString filter = part.trimmed();
        filters.append(filter == QLatin1String("*.*") ? QStringLiteral("*") : filter);
    }
    if (filters.isEmpty())
        filters.append(QStringLiteral("*"));
    QDir dir(m_path);
    dir.setNameFilters(filters);
    QStringList files = dir.entryList(QDir::Files);
    sortIgnoringCase(files);
    setEntries(files);
}

bool FileListObject::read(std::u16string_view name, vbs::Args args, vbs::Value &result)
{
    const bool isPath = vbs::sameName(name, u"Path");
    const bool isPattern = vbs::sameName(name, u"Pattern");
    if (!name.empty() && !vbs::sameName(name, u"FileName") && !isPath && !isPattern)
        return false;
    host::expectArgumentCount(args, 0);
    if (isPath)
        result = host::text(m_path);
    else if (isPattern)
        result = host::text(m_pattern);
    else
        result = host::text(listIndex() >= 0 ? entries()[listIndex()] : QString());
    return true;
}

bool FileListObject::write(std::u16string_view name, const vbs::Value &value)
{
    const QString text = textArgument(value);
    if (vbs::sameName(name, u"Path")) {
        const QString folder = existingFolder(text);
        if (folder.isEmpty())
            host::pathNotFound();
        m_path = folder;
        refresh();
        return true;
    }
    if (vbs::sameName(name, u"Pattern") || ((name.empty() || vbs::sameName(name, u"FileName")) && isPattern(text))) {
        m_pattern = text.trimmed().isEmpty() ? QStringLiteral("*.*") : text;
        refresh();
        return true;
    }
    if (!name.empty() && !vbs::sameName(name, u"FileName"))
        return false;
    // A name chooses that file in the list; a path in front of it moves the
    // list to its folder first.
    const QFileInfo info(text);
    if (text.contains(u'/')) {
        const QString folder = existingFolder(info.path());
        if (folder.isEmpty())
            host::pathNotFound();
        m_path = folder;
        refresh();
    }
    const qsizetype found = entries().indexOf(info.fileName());
    if (found < 0)
        vbs::raise(53, u"File not found");
    PathListObject::assign(u"ListIndex", {}, vbs::Value::longValue(std::int32_t(found)), false);
    return true;
}

} // namespace tabulo
