#include "core/settings/program_folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tabulo {

ProgramFolders chooseProgramFolders(
    const QString &programFolder, const ProgramFolderFacts &facts, const QString &perUserFolder)
{
    const bool perUser = facts.markedInstalled || !facts.programFolderWritable || !facts.dataFolderWritable;
    return {programFolder, perUser ? perUserFolder : programFolder, perUser};
}

ProgramFolderFacts inspectProgramFolder(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    const QFileInfo data(programFolder + QStringLiteral("/Data"));
    ProgramFolderFacts facts;
    facts.markedInstalled = QFileInfo::exists(programFolder + QLatin1Char('/') + QLatin1String(installedMarkerName));
    facts.programFolderWritable = program.isDir() && program.isWritable();
    facts.dataFolderWritable = !data.exists() || (data.isDir() && data.isWritable());
    return facts;
}

QString perUserFolder()
{
    QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // Without a home folder the toolkit gives up; the usual place then at
    // least names a folder that is not the installation.
    if (shared.isEmpty())
        shared = QDir::homePath() + QStringLiteral("/.local/share");
    return shared + QStringLiteral("/Tabulo");
}

ProgramFolders locateProgramFolders(const QString &programFolder)
{
    return chooseProgramFolders(programFolder, inspectProgramFolder(programFolder), perUserFolder());
}

namespace {

// The seeded files belong to the user now: writable by their owner even when
// the installation shipped them read-only.
constexpr QFileDevice::Permissions seededFilePermissions
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions seededFolderPermissions
    = seededFilePermissions | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

FileResult copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(entry.filePath());
        if (entry.isDir()) {
            if (!QDir().mkpath(target) || !QFile::setPermissions(target, seededFolderPermissions))
                return FileResult::writeFailure(target, QFileDevice::OpenError,
                    QStringLiteral("the folder \"%1\" could not be created").arg(target));
            continue;
        }
        QFile file(entry.filePath());
        if (!file.copy(target))
            return FileResult::writeFailure(target, file.error(),
                QStringLiteral("\"%1\" could not be copied to \"%2\": %3")
                    .arg(entry.filePath(), target, file.errorString()));
        QFile::setPermissions(target, seededFilePermissions);
    }
    return FileResult::success();
}

// Staging folders of earlier first starts that were cut short.
void removeStagingLeftovers(const QString &folder)
{
    const QDir parent(folder);
    for (const QString &name : parent.entryList({QStringLiteral("Data.seeding-*")}, QDir::Dirs | QDir::Hidden))
        QDir(parent.filePath(name)).removeRecursively();
}

// The shipped example notes go to the user's projects folder on the first
// start only: a user who deletes them does not get them back. Without them
// the program works as well, so a failed copy is not reported.
void seedProjectsFolder(const ProgramFolders &folders)
{
    const QString shipped = folders.programFolder + QStringLiteral("/Db");
    const QString target = folders.writableFolder + QStringLiteral("/Db");
    if (QFileInfo(shipped).isDir() && !QFileInfo::exists(target) && QDir().mkpath(target)) {
        QFile::setPermissions(target, seededFolderPermissions);
        copyTree(shipped, target);
    }
}

} // namespace

FileResult seedDataFolder(const ProgramFolders &folders)
{
    const QString target = folders.dataFolder();
    if (!folders.perUser || QFileInfo::exists(target))
        return FileResult::success();
    if (!QDir().mkpath(folders.writableFolder))
        return FileResult::writeFailure(folders.writableFolder, QFileDevice::OpenError,
            QStringLiteral("the folder \"%1\" could not be created").arg(folders.writableFolder));

    QTemporaryDir staging(folders.writableFolder + QStringLiteral("/Data.seeding-XXXXXX"));
    if (!staging.isValid())
        return FileResult::writeFailure(target, QFileDevice::OpenError,
            QStringLiteral("a folder could not be created in \"%1\": %2")
                .arg(folders.writableFolder, staging.errorString()));
    QFile::setPermissions(staging.path(), seededFolderPermissions);
    // An installation without a Data folder seeds an empty one: the defaults
    // then stand, as they do for a copy with an empty Data folder.
    FileResult copied = FileResult::success();
    if (QFileInfo(folders.shippedDataFolder()).isDir())
        copied = copyTree(folders.shippedDataFolder(), staging.path());
    if (copied.ok && QDir().rename(staging.path(), target)) {
        staging.setAutoRemove(false);
        removeStagingLeftovers(folders.writableFolder);
        seedProjectsFolder(folders);
        return FileResult::success();
    }
    // Another instance started at the same moment may have seeded it first.
    if (QFileInfo(target).isDir())
        return FileResult::success();
    return copied.ok ? FileResult::writeFailure(target, QFileDevice::RenameError,
               QStringLiteral("the folder \"%1\" could not be put in place").arg(target))
                     : copied;
}

QString programPath(const QString &folder, const QString &baseName)
{
#ifdef Q_OS_WIN
    return folder + QLatin1Char('/') + baseName + QStringLiteral(".exe");
#else
    return folder + QLatin1Char('/') + baseName;
#endif
}

} // namespace tabulo
