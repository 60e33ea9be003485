#include "core/settings/program_folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
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

namespace {

using Manifest = QMap<QString, QByteArray>; // a file's path inside Data, its checksum in hex

QString manifestPath(const ProgramFolders &folders)
{
    return folders.writableFolder + QLatin1Char('/') + QLatin1String(seededManifestName);
}

std::optional<QByteArray> checksumOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex();
}

// The manifest reads as the output of sha256sum: a checksum, two blanks
// and the path, one file a line.
Manifest readManifest(const QString &path)
{
    Manifest manifest;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return manifest;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype gap = line.indexOf(QStringLiteral("  "));
        if (gap == 64)
            manifest.insert(line.sliced(gap + 2), line.first(gap).toLatin1());
    }
    return manifest;
}

FileResult writeManifest(const QString &path, const Manifest &manifest)
{
    QString text;
    for (auto entry = manifest.cbegin(); entry != manifest.cend(); ++entry)
        text += QString::fromLatin1(entry.value()) + QStringLiteral("  ") + entry.key() + QLatin1Char('\n');
    return writeFileAtomically(path, text);
}

QStringList shippedFiles(const QString &shippedData)
{
    QStringList files;
    const QDir root(shippedData);
    QDirIterator entries(shippedData, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files << root.relativeFilePath(entries.next());
    return files;
}

// A shipped file put in the user's folder in one step, the user's own.
bool copyShippedFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    QDir().mkpath(QFileInfo(to).path());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit())
        return false;
    QFile::setPermissions(to, seededFilePermissions);
    return true;
}

Manifest manifestOfShipped(const QString &shippedData)
{
    Manifest manifest;
    for (const QString &file : shippedFiles(shippedData)) {
        if (const auto sum = checksumOf(shippedData + QLatin1Char('/') + file))
            manifest.insert(file, *sum);
    }
    return manifest;
}

// A later start: the shipped files the user has not touched follow the
// installation. A file without a record (a Data folder seeded before the
// manifest existed) that differs from the shipped one may hold the user's
// edit, so it stays.
FileResult updateSeededData(const ProgramFolders &folders)
{
    const QString shipped = folders.shippedDataFolder();
    const QString data = folders.dataFolder();
    Manifest manifest = readManifest(manifestPath(folders));
    const Manifest before = manifest;
    QStringList notCopied;
    for (const QString &file : shippedFiles(shipped)) {
        const auto shippedSum = checksumOf(shipped + QLatin1Char('/') + file);
        if (!shippedSum)
            continue;
        const QString userPath = data + QLatin1Char('/') + file;
        const auto recorded = manifest.constFind(file);
        const bool known = recorded != manifest.cend();
        if (!QFileInfo::exists(userPath)) {
            // Deleted by the user, or new in this version.
            if (known)
                continue;
        } else {
            const auto userSum = checksumOf(userPath);
            if (userSum == shippedSum) {
                manifest.insert(file, *shippedSum);
                continue;
            }
            if (!known || userSum != *recorded)
                continue; // the user's own
        }
        if (copyShippedFile(shipped + QLatin1Char('/') + file, userPath))
            manifest.insert(file, *shippedSum);
        else
            notCopied << userPath;
    }
    if (manifest != before) {
        if (const FileResult written = writeManifest(manifestPath(folders), manifest); !written.ok)
            return written;
    }
    if (!notCopied.isEmpty())
        return FileResult::writeFailure(notCopied.first(), QFileDevice::WriteError,
            QStringLiteral("the new version of \"%1\" could not be put in place")
                .arg(notCopied.join(QStringLiteral("\", \""))));
    return FileResult::success();
}

} // namespace

FileResult seedDataFolder(const ProgramFolders &folders, const QString &desktopLanguage)
{
    const QString target = folders.dataFolder();
    if (!folders.perUser)
        return FileResult::success();
    if (QFileInfo::exists(target))
        return updateSeededData(folders);
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
    // The desktop's language, where the installation ships it, rather than
    // the shipped choice, which a user of another language would first have
    // to find in a menu written in Italian.
    const QString languageFile = staging.path() + QStringLiteral("/Lang/") + desktopLanguage;
    if (copied.ok && !desktopLanguage.isEmpty() && QFileInfo(languageFile).isFile())
        copied = writeFileAtomically(
            staging.path() + QStringLiteral("/Lang.ini"), desktopLanguage + QStringLiteral("\r\n"));
    if (copied.ok && QDir().rename(staging.path(), target)) {
        staging.setAutoRemove(false);
        removeStagingLeftovers(folders.writableFolder);
        seedProjectsFolder(folders);
        // Without the record a later version could not tell the shipped
        // files from the user's, and would leave them all as they are.
        return writeManifest(manifestPath(folders), manifestOfShipped(folders.shippedDataFolder()));
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
