#include "core/files/file_problem.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tabulo {

PathFacts inspectPath(const QString &path)
{
    PathFacts facts;
    const QFileInfo info(path);
    facts.exists = info.exists();
    facts.isFolder = info.isDir();
    facts.readable = info.isReadable();
    facts.writable = info.isWritable();
    // The nearest part of the path that exists says whether the rest could
    // ever be reached.
    QString folder = info.absolutePath();
    bool first = true;
    while (!folder.isEmpty()) {
        const QFileInfo part(folder);
        if (part.exists()) {
            if (!part.isDir())
                facts.fileOnTheWay = true;
            else if (first)
                facts.folderWritable = part.isWritable();
            const QStorageInfo disk(part.isDir() ? folder : part.absolutePath());
            facts.onReadOnlyDisk = disk.isValid() && disk.isReadOnly();
            facts.noSpaceLeft = disk.isValid() && disk.bytesAvailable() == 0;
            break;
        }
        facts.folderOnTheWayMissing = true;
        first = false;
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return facts;
}

FileProblem classifyReadFailure(const PathFacts &facts)
{
    if (facts.fileOnTheWay)
        return FileProblem::NotAFolder;
    if (!facts.exists)
        return FileProblem::NotFound;
    if (facts.isFolder)
        return FileProblem::IsFolder;
    if (!facts.readable)
        return FileProblem::PermissionDenied;
    return FileProblem::ReadFailed;
}

FileProblem classifyWriteFailure(QFileDevice::FileError error, const PathFacts &facts)
{
    if (error == QFileDevice::ResourceError)
        return FileProblem::DiskFull;
    if (facts.fileOnTheWay)
        return FileProblem::NotAFolder;
    if (facts.folderOnTheWayMissing)
        return FileProblem::NotFound;
    if (facts.isFolder)
        return FileProblem::IsFolder;
    // A disk mounted read-only also reports no free space: it is read-only.
    if (facts.onReadOnlyDisk)
        return FileProblem::ReadOnly;
    if (facts.noSpaceLeft)
        return FileProblem::DiskFull;
    // A file that may not be written in a folder that may: its read-only
    // mark. A folder that may not be written: this user's permission.
    if (facts.exists && !facts.writable && facts.folderWritable)
        return FileProblem::ReadOnly;
    if (!facts.folderWritable || (facts.exists && !facts.writable))
        return FileProblem::PermissionDenied;
    return FileProblem::WriteFailed;
}

} // namespace tabulo
