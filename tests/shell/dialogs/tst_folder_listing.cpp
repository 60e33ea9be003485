// What the note dialogs read of a folder: which files and folders they list
// and in which order, folders they cannot show, folders they make.

#include "folder_listing.h"

#include "file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

class FolderListingTest : public QObject
{
    Q_OBJECT

private slots:
    void listsNotesAndFolders();
    void walksUpToTheRoot_data();
    void walksUpToTheRoot();
    void saysWhyAFolderCannotBeShown();
    void makesFolders();
};

namespace {

// Each test works in a folder of its own.
struct Scratch
{
    QTemporaryDir folder;
    QString path(const char *name) const { return folder.filePath(QString::fromUtf8(name)); }
};

} // namespace

void FolderListingTest::listsNotesAndFolders()
{
    Scratch m;
    for (const char *name : {"b.txt", "A.TXT", "a.txt", "c.log", ".hidden.txt", "Zeta.txt", "é.txt", "B.txt"})
        QVERIFY(test::writeBytes(m.path(name), "+1\r\n"));
    for (const char *name : {"folder.txt", "Casa", "archivio", ".config"})
        QVERIFY(QDir(m.folder.path()).mkdir(QString::fromLatin1(name)));

    const QStringList notes = listMatchingFiles(m.folder.path(), FilePattern(noteFilePattern()));
    QCOMPARE(notes, QStringList({"A.TXT", "a.txt", "B.txt", "b.txt", "Zeta.txt", "é.txt"}));
    QCOMPARE(listSubfolders(m.folder.path()), QStringList({"archivio", "Casa", "folder.txt"}));
    QCOMPARE(listMatchingFiles(m.path("missing"), FilePattern(noteFilePattern())), QStringList());
    QCOMPARE(listSubfolders(m.path("missing")), QStringList());
}

void FolderListingTest::walksUpToTheRoot_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("root") << "/" << QStringList({"/"});
    QTest::newRow("two down") << "/home/ann" << QStringList({"/", "/home", "/home/ann"});
    QTest::newRow("trailing slash") << "/home/ann/" << QStringList({"/", "/home", "/home/ann"});
    QTest::newRow("dot dot") << "/home/ann/../bob" << QStringList({"/", "/home", "/home/bob"});
}

void FolderListingTest::walksUpToTheRoot()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, chain);
    QCOMPARE(folderChain(folder), chain);
}

void FolderListingTest::saysWhyAFolderCannotBeShown()
{
    Scratch m;
    QVERIFY(test::writeBytes(m.path("note.txt"), "x"));
    QCOMPARE(folderProblem(m.folder.path()), std::nullopt);
    QVERIFY(folderProblem(m.path("gone")).has_value());
    QVERIFY(folderProblem(m.path("note.txt")).has_value());
    QVERIFY(folderProblem(QStringLiteral("relative/folder")).has_value());
    QVERIFY(folderProblem(QString()).has_value());
}

void FolderListingTest::makesFolders()
{
    Scratch m;
    QVERIFY(makeFolder(m.path("Db"), true).ok);
    QVERIFY(QFileInfo(m.path("Db")).isDir());
    QVERIFY(makeFolder(m.path("Db"), true).ok); // already there

    QVERIFY(makeFolder(m.path("deep/er/still"), true).ok);
    const FileResult noParent = makeFolder(m.path("nowhere/new"), false);
    QVERIFY(!noParent.ok);
    QVERIFY(!noParent.error.isEmpty());

    QVERIFY(test::writeBytes(m.path("blocked"), "a file, not a folder"));
    const FileResult blocked = makeFolder(m.path("blocked"), true);
    QVERIFY(!blocked.ok);
    QVERIFY(!blocked.error.isEmpty());
    const FileResult under = makeFolder(m.path("blocked/Db"), true);
    QVERIFY(!under.ok);
    QVERIFY(!under.error.isEmpty());
}

QTEST_APPLESS_MAIN(FolderListingTest)
#include "tst_folder_listing.moc"
