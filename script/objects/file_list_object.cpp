#include "script/objects/file_list_object.h"

#include "script/objects/host_members.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {
namespace {

bool isPattern(const QString &text)
{
    return text.contains(u'*') || text.contains(u'?');
}

} // namespace

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
