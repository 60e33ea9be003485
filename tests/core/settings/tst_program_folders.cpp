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
    void theFirstStartSpeaksTheDesktopsLanguage_data();
    void theFirstStartSpeaksTheDesktopsLanguage();
    void anUpgradeReplacesOnlyWhatTheUserLeftAlone_data();
    void anUpgradeReplacesOnlyWhatTheUserLeftAlone();
    void aDataFolderFromBeforeTheRecordKeepsEveryDifference();
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
    // Nothing is left beside it but the record of what was copied.
    QCOMPARE(QDir(copy.folders.writableFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList {QStringLiteral("Data"), QString::fromLatin1(seededManifestName)}));
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

void ProgramFoldersTest::theFirstStartSpeaksTheDesktopsLanguage_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QByteArray>("langIni");
    QTest::newRow("a shipped language") << "English" << QByteArray("English\r\n");
    QTest::newRow("none matched") << "" << QByteArray("Italiano\r\n");
    QTest::newRow("one the installation lacks") << "Klingon" << QByteArray("Italiano\r\n");
}

void ProgramFoldersTest::theFirstStartSpeaksTheDesktopsLanguage()
{
    QFETCH(QString, desktop);
    QFETCH(QByteArray, langIni);
    InstalledCopy copy;
    QVERIFY(writeFile(copy.folders.shippedDataFolder() + QStringLiteral("/Lang.ini"), "Italiano\r\n"));
    QVERIFY(seedDataFolder(copy.folders, desktop).ok);
    QCOMPARE(readFile(copy.folders.dataFolder() + QStringLiteral("/Lang.ini")), langIni);
    // Only the first start chooses: later the language is the user's.
    QVERIFY(seedDataFolder(copy.folders, QStringLiteral("English")).ok);
    QCOMPARE(readFile(copy.folders.dataFolder() + QStringLiteral("/Lang.ini")), langIni);
    // A copy run from its own folder keeps the Lang.ini it ships.
    QTemporaryDir own;
    const ProgramFolders beside = chooseProgramFolders(own.path(), {}, own.filePath(QStringLiteral("user")));
    QVERIFY(writeFile(beside.dataFolder() + QStringLiteral("/Lang.ini"), "Italiano\r\n"));
    QVERIFY(seedDataFolder(beside, QStringLiteral("English")).ok);
    QCOMPARE(readFile(beside.dataFolder() + QStringLiteral("/Lang.ini")), QByteArray("Italiano\r\n"));
}

void ProgramFoldersTest::anUpgradeReplacesOnlyWhatTheUserLeftAlone_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("userEdit"); // "<deleted>", or nothing for a file left alone
    QTest::addColumn<QByteArray>("newVersion"); // "<gone>" when the new version no longer ships it
    QTest::addColumn<QByteArray>("afterUpgrade"); // "<missing>" when the user has no such file
    QTest::newRow("left alone, changed by the upgrade")
        << "Theme/Classic.ini" << QByteArray() << QByteArray("bcol=1\r\n") << QByteArray("bcol=1\r\n");
    QTest::newRow("left alone, the same in the upgrade")
        << "Theme/Classic.ini" << QByteArray() << QByteArray("bcol=0\r\n") << QByteArray("bcol=0\r\n");
    QTest::newRow("changed by the user") << "Theme/Classic.ini" << QByteArray("bcol=7\r\n") << QByteArray("bcol=1\r\n")
                                         << QByteArray("bcol=7\r\n");
    QTest::newRow("changed by the user to the new version")
        << "Theme/Classic.ini" << QByteArray("bcol=1\r\n") << QByteArray("bcol=1\r\n") << QByteArray("bcol=1\r\n");
    QTest::newRow("deleted by the user") << "Lang/English" << QByteArray("<deleted>") << QByteArray("1=Files\r\n")
                                         << QByteArray("<missing>");
    QTest::newRow("new in the upgrade") << "Lang/Deutsch" << QByteArray() << QByteArray("1=Datei\r\n")
                                        << QByteArray("1=Datei\r\n");
    QTest::newRow("added by the user, shipped by the upgrade")
        << "Theme/Mine.ini" << QByteArray("bcol=5\r\n") << QByteArray("bcol=9\r\n") << QByteArray("bcol=5\r\n");
    QTest::newRow("no longer shipped") << "Theme.ini" << QByteArray() << QByteArray("<gone>")
                                       << QByteArray("Classic\r\n");
}

void ProgramFoldersTest::anUpgradeReplacesOnlyWhatTheUserLeftAlone()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, userEdit);
    QFETCH(QByteArray, newVersion);
    QFETCH(QByteArray, afterUpgrade);
    InstalledCopy copy;
    QVERIFY(seedDataFolder(copy.folders).ok);
    const QString user = copy.folders.dataFolder() + QLatin1Char('/') + file;
    const QString shipped = copy.folders.shippedDataFolder() + QLatin1Char('/') + file;
    if (userEdit == "<deleted>")
        QVERIFY(QFile::remove(user));
    else if (!userEdit.isEmpty())
        QVERIFY(writeFile(user, userEdit));
    // The installation is upgraded.
    if (newVersion == "<gone>")
        QVERIFY(QFile::remove(shipped));
    else
        QVERIFY(writeFile(shipped, newVersion));
    const FileResult upgraded = seedDataFolder(copy.folders);
    QVERIFY2(upgraded.ok, qPrintable(upgraded.error));
    QCOMPARE(QFileInfo::exists(user) ? readFile(user) : QByteArray("<missing>"), afterUpgrade);
    if (newVersion == "<gone>")
        return;
    // The next upgrade still tells the user's files from the shipped ones.
    QVERIFY(writeFile(shipped, "next\r\n"));
    QVERIFY(seedDataFolder(copy.folders).ok);
    const bool followsTheInstallation = afterUpgrade == newVersion;
    if (followsTheInstallation)
        QCOMPARE(readFile(user), QByteArray("next\r\n"));
    else if (afterUpgrade != "<missing>")
        QCOMPARE(readFile(user), afterUpgrade);
}

void ProgramFoldersTest::aDataFolderFromBeforeTheRecordKeepsEveryDifference()
{
    InstalledCopy copy;
    QVERIFY(seedDataFolder(copy.folders).ok);
    QVERIFY(QFile::remove(copy.folders.writableFolder + QLatin1Char('/') + QLatin1String(seededManifestName)));
    const QString theme = QStringLiteral("/Theme/Classic.ini");
    QVERIFY(writeFile(copy.folders.shippedDataFolder() + theme, "bcol=1\r\n"));
    QVERIFY(writeFile(copy.folders.shippedDataFolder() + QStringLiteral("/Lang/Deutsch"), "1=Datei\r\n"));
    QVERIFY(seedDataFolder(copy.folders).ok);
    // Nothing tells whether the old theme is the user's: it stays. What is
    // new arrives, and what matches is recorded for the next upgrade.
    QCOMPARE(readFile(copy.folders.dataFolder() + theme), QByteArray("bcol=0\r\n"));
    QCOMPARE(readFile(copy.folders.dataFolder() + QStringLiteral("/Lang/Deutsch")), QByteArray("1=Datei\r\n"));
    QVERIFY(writeFile(copy.folders.shippedDataFolder() + QStringLiteral("/Lang/English"), "1=Files\r\n"));
    QVERIFY(seedDataFolder(copy.folders).ok);
    QCOMPARE(readFile(copy.folders.dataFolder() + QStringLiteral("/Lang/English")), QByteArray("1=Files\r\n"));
}

QTEST_GUILESS_MAIN(ProgramFoldersTest)
#include "tst_program_folders.moc"
