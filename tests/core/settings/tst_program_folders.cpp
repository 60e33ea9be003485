// Where a copy keeps the files it writes, and the first start of an
// installed copy, which gives the user a Data folder of their own.

#include "core/settings/program_folders.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file below a folder with its contents, for comparing two trees.
QMap<QString, QByteArray> treeContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        contents.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return contents;
}

// A per-user copy with its shipped Data folder in a temporary place.
struct InstalledCopy
{
    QTemporaryDir root;
    ProgramFolders folders {
        root.filePath(QStringLiteral("lib/Tabulo")), root.filePath(QStringLiteral("home/Tabulo")), true};

    InstalledCopy()
    {
        writeFile(folders.shippedDataFolder() + QStringLiteral("/Theme.ini"), "Classic\r\n");
        writeFile(folders.shippedDataFolder() + QStringLiteral("/Theme/Classic.ini"), "bcol=0\r\n");
        writeFile(folders.shippedDataFolder() + QStringLiteral("/Lang/English"), "1=File\r\n");
        QDir().mkpath(folders.shippedDataFolder() + QStringLiteral("/Empty"));
    }
};

} // namespace

class ProgramFoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void installMarkerMakesACopyPerUser();
    void perUserFolderIsTheApplicationDataFolder();
    void firstStartCopiesTheShippedData();
    void seededFilesBelongToTheUser();
    void theExampleProjectsComeOnTheFirstStartOnly();
    void laterStartsKeepWhatTheUserChanged();
    void installationWithoutDataSeedsAnEmptyFolder();
    void interruptedSeedingIsCleanedUp();
    void copyBesideItsProgramsIsNeverSeeded();
    void unwritableUserFolderIsReported();
};

void ProgramFoldersTest::decision_data()
{
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("dataWritable");
    QTest::addColumn<bool>("perUser");
    QTest::newRow("own writable folder") << false << true << true << false;
    QTest::newRow("read-only program folder") << false << false << true << true;
    QTest::newRow("read-only Data folder") << false << true << false << true;
    QTest::newRow("installed, writable (root)") << true << true << true << true;
    QTest::newRow("installed, read-only") << true << false << false << true;
}

void ProgramFoldersTest::decision()
{
    QFETCH(bool, marked);
    QFETCH(bool, programWritable);
    QFETCH(bool, dataWritable);
    QFETCH(bool, perUser);
    const ProgramFolders folders = chooseProgramFolders(QStringLiteral("/opt/tabulo/Tabulo"),
        {marked, programWritable, dataWritable}, QStringLiteral("/home/ann/.local/share/Tabulo"));
    QCOMPARE(folders.perUser, perUser);
    QCOMPARE(folders.programFolder, QStringLiteral("/opt/tabulo/Tabulo"));
    QCOMPARE(folders.shippedDataFolder(), QStringLiteral("/opt/tabulo/Tabulo/Data"));
    QCOMPARE(folders.dataFolder(),
        perUser ? QStringLiteral("/home/ann/.local/share/Tabulo/Data") : QStringLiteral("/opt/tabulo/Tabulo/Data"));
}

void ProgramFoldersTest::installMarkerMakesACopyPerUser()
{
    QTemporaryDir folder;
    QCOMPARE(inspectProgramFolder(folder.path()).markedInstalled, false);
    QCOMPARE(inspectProgramFolder(folder.path()).dataFolderWritable, true); // no Data folder yet
    QVERIFY(writeFile(folder.filePath(QLatin1String(installedMarkerName)), "installed\n"));
    QCOMPARE(inspectProgramFolder(folder.path()).markedInstalled, true);
    QVERIFY(locateProgramFolders(folder.path()).perUser);
    // A plain file standing where the Data folder should be cannot take the
    // settings either.
    QTemporaryDir blocked;
    QVERIFY(writeFile(blocked.filePath(QStringLiteral("Data")), "a file"));
    QCOMPARE(inspectProgramFolder(blocked.path()).dataFolderWritable, false);
}

void ProgramFoldersTest::perUserFolderIsTheApplicationDataFolder()
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("Tabulo"));
    QCoreApplication::setOrganizationName(QString());
    QCOMPARE(perUserFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QCOMPARE(perUserFolder(), home.filePath(QStringLiteral("Tabulo")));
    // The launcher calls itself otherwise and must find the same folder.
    QCoreApplication::setApplicationName(QStringLiteral("Start"));
    QCOMPARE(perUserFolder(), home.filePath(QStringLiteral("Tabulo")));
    qunsetenv("XDG_DATA_HOME");
}

void ProgramFoldersTest::firstStartCopiesTheShippedData()
{
    InstalledCopy copy;
    const FileResult seeded = seedDataFolder(copy.folders);
    QVERIFY2(seeded.ok, qPrintable(seeded.error));
    QCOMPARE(treeContents(copy.folders.dataFolder()), treeContents(copy.folders.shippedDataFolder()));
    QVERIFY(QFileInfo(copy.folders.dataFolder() + QStringLiteral("/Empty")).isDir());
    // Nothing is left beside it.
    QCOMPARE(QDir(copy.folders.writableFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList {QStringLiteral("Data")});
}

void ProgramFoldersTest::theExampleProjectsComeOnTheFirstStartOnly()
{
    InstalledCopy copy;
    const QString shippedNote = copy.folders.programFolder + QStringLiteral("/Db/Budget.txt");
    QVERIFY(writeFile(shippedNote, "+1\r\n"));
    QVERIFY(seedDataFolder(copy.folders).ok);
    const QString userNote = copy.folders.writableFolder + QStringLiteral("/Db/Budget.txt");
    QVERIFY(QFileInfo(userNote).isFile());
    QVERIFY(QFileInfo(userNote).permissions().testFlag(QFileDevice::WriteOwner));
    // The user deleted the example: later starts do not bring it back.
    QVERIFY(QDir(copy.folders.writableFolder + QStringLiteral("/Db")).removeRecursively());
    QVERIFY(seedDataFolder(copy.folders).ok);
    QVERIFY(!QFileInfo::exists(userNote));
}

void ProgramFoldersTest::seededFilesBelongToTheUser()
{
    InstalledCopy copy;
    // An installation ships its files read-only.
    QDirIterator shipped(copy.folders.shippedDataFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (shipped.hasNext())
        QFile::setPermissions(shipped.next(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QVERIFY(seedDataFolder(copy.folders).ok);
    const QFileInfo theme(copy.folders.dataFolder() + QStringLiteral("/Theme/Classic.ini"));
    QVERIFY(theme.permissions().testFlag(QFileDevice::WriteOwner));
    QVERIFY(QFileInfo(copy.folders.dataFolder() + QStringLiteral("/Theme"))
                .permissions()
                .testFlag(QFileDevice::WriteOwner));
    QVERIFY(QFileInfo(copy.folders.dataFolder()).permissions().testFlag(QFileDevice::WriteOwner));
}

void ProgramFoldersTest::laterStartsKeepWhatTheUserChanged()
{
    InstalledCopy copy;
    QVERIFY(seedDataFolder(copy.folders).ok);
    const QString theme = copy.folders.dataFolder() + QStringLiteral("/Theme.ini");
    QVERIFY(writeFile(theme, "Mine\r\n"));
    QVERIFY(QFile::remove(copy.folders.dataFolder() + QStringLiteral("/Lang/English")));
    QVERIFY(seedDataFolder(copy.folders).ok);
    QCOMPARE(readFile(theme), QByteArray("Mine\r\n"));
    QVERIFY(!QFile::exists(copy.folders.dataFolder() + QStringLiteral("/Lang/English")));
}

void ProgramFoldersTest::installationWithoutDataSeedsAnEmptyFolder()
{
    QTemporaryDir root;
    const ProgramFolders folders {
        root.filePath(QStringLiteral("lib")), root.filePath(QStringLiteral("home/Tabulo")), true};
    QVERIFY(seedDataFolder(folders).ok);
    QVERIFY(QFileInfo(folders.dataFolder()).isDir());
    QCOMPARE(treeContents(folders.dataFolder()).size(), 0);
}

void ProgramFoldersTest::interruptedSeedingIsCleanedUp()
{
    InstalledCopy copy;
    const QString leftover = copy.folders.writableFolder + QStringLiteral("/Data.seeding-abc123");
    QVERIFY(writeFile(leftover + QStringLiteral("/Theme.ini"), "half"));
    QVERIFY(seedDataFolder(copy.folders).ok);
    QVERIFY(!QFileInfo::exists(leftover));
    QCOMPARE(readFile(copy.folders.dataFolder() + QStringLiteral("/Theme.ini")), QByteArray("Classic\r\n"));
}

void ProgramFoldersTest::copyBesideItsProgramsIsNeverSeeded()
{
    QTemporaryDir folder;
    const ProgramFolders folders = chooseProgramFolders(folder.path(), {}, folder.filePath(QStringLiteral("user")));
    QVERIFY(!folders.perUser);
    QVERIFY(seedDataFolder(folders).ok);
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("user"))));
    QVERIFY(!QFileInfo::exists(folders.dataFolder()));
}

void ProgramFoldersTest::unwritableUserFolderIsReported()
{
    InstalledCopy copy;
    // A plain file stands where the user's folder should be: nobody can
    // create anything below it, root included.
    QVERIFY(writeFile(copy.root.filePath(QStringLiteral("home")), "a file"));
    const FileResult seeded = seedDataFolder(copy.folders);
    QVERIFY(!seeded.ok);
    QVERIFY2(seeded.error.contains(copy.folders.writableFolder), qPrintable(seeded.error));
}

QTEST_GUILESS_MAIN(ProgramFoldersTest)
#include "tst_program_folders.moc"
