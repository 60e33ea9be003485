// The open dialog as the user meets it: where it starts, what it lists,
// opening, browsing, deleting, and closing however it closes, with the main
// window handed back exactly once.

#include "windows/note_dialogs/form2.h"

#include "tests/windows/note_dialogs/note_dialog_test_support.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/folder_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

void clickFolder(FolderList *list, const QString &folder)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->entryPath(row) == folder)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }
}

} // namespace

class Form2Test : public QObject
{
    Q_OBJECT

private slots:
    void startsWhereTheUserLastWas_data();
    void startsWhereTheUserLastWas();
    void listsNotesAndFiltersByName();
    void opensTheChosenNote();
    void browsesAndRemembersFolders();
    void deletesNotesWithTheirScripts();
    void handsTheWindowBackOnceHoweverItCloses_data();
    void handsTheWindowBackOnceHoweverItCloses();
    void opensBesideTheMainWindowInItsLanguage();
};

void Form2Test::startsWhereTheUserLastWas_data()
{
    QTest::addColumn<QByteArray>("dirIni"); // "<missing>": no file; %1: the program folder
    QTest::addColumn<QString>("start"); // in the program folder; "~": the home folder

    QTest::newRow("first use: projects folder") << test::missingFile << "Db";
    QTest::newRow("the folder remembered") << QByteArray("%1/Conti\r\n") << "Conti";
    QTest::newRow("a folder with a comma") << QByteArray("\"%1/Conti, casa\"\r\n") << "Conti, casa";
    QTest::newRow("a folder gone since") << QByteArray("%1/Vecchi\r\n") << "Db";
    QTest::newRow("a file, not a folder") << QByteArray("%1/Conti/a.txt\r\n") << "Db";
    QTest::newRow("binary") << QByteArray("\x00\xff\r\n", 4) << "Db";
    QTest::newRow("projects folder blocked") << test::missingFile << "~";
}

void Form2Test::startsWhereTheUserLastWas()
{
    QFETCH(QByteArray, dirIni);
    QFETCH(QString, start);

    FakeHost host;
    QVERIFY(makeFiles(host.programFile("Conti"), {"a.txt"}));
    QVERIFY(makeFiles(host.programFile("Conti, casa"), {}));
    if (dirIni != test::missingFile)
        QVERIFY(
            test::writeBytes(host.dirIni(), QString::fromLatin1(dirIni).replace("%1", host.programFile({})).toUtf8()));
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
    if (start == "~")
        QVERIFY(test::writeBytes(host.projects(), "a file where the projects folder belongs"));

    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->currentFolder(), start == "~" ? home.path() : QDir::cleanPath(host.programFile(start)));
    QCOMPARE(dialog->File1->path(), dialog->currentFolder());
    // Only a projects folder that cannot be made is worth a word.
    QCOMPARE(dialog->notice->isVisibleTo(dialog), start == "~");
    if (start == "~") {
        dialog->Command3->click(); // "Progetti" says why and stays
        QCOMPARE(dialog->currentFolder(), home.path());
        QCOMPARE(dialog->notice->text(),
            "Impossibile creare la cartella dei progetti " + host.projects()
                + ": una parte del percorso è un file, non una cartella.");
    } else {
        QVERIFY(QFileInfo(host.projects()).isDir());
    }
    QVERIFY(!host.window.isEnabled());
    QVERIFY(dialog->isEnabled());
    dialog->close();
}

void Form2Test::listsNotesAndFiltersByName()
{
    FakeHost host;
    const QString name22 = QStringLiteral("b123456789012345678901");
    QVERIFY(makeFiles(host.projects(), {"abaco.txt", "abc.log", "xab.txt", "Zeta.TXT", name22 + "x.txt", "ab"}));
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->File1->fileNames(), QStringList({"abaco.txt", name22 + "x.txt", "xab.txt", "Zeta.TXT"}));
    QCOMPARE(dialog->File1->listIndex(), 0);

    QTest::keyClicks(dialog->Text1, QStringLiteral("ab"));
    QCOMPARE(dialog->File1->fileNames(), QStringList({"ab", "abaco.txt", "abc.log"}));
    dialog->Text1->clear(); // every extension, but no name over 22 characters
    QCOMPARE(dialog->File1->fileNames(), QStringList({"ab", "abaco.txt", "abc.log", "xab.txt", "Zeta.TXT"}));

    QTest::keyClicks(dialog->Text1, QStringLiteral("q"));
    QCOMPARE(dialog->File1->listIndex(), -1);
    QTest::keyClick(dialog->Text1, Qt::Key_Return); // nothing selected: nothing opens
    QVERIFY(host.opened.isEmpty());
    QVERIFY(dialog->isVisible());
    dialog->close();
}

void Form2Test::opensTheChosenNote()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}, "+1\r\n+2\r\n"));
    QVERIFY(makeFiles(host.projects(), {"b.txt", "gone.txt"}, "+5\r\n"));

    // A note that vanished since the list was read: the host says so, the
    // dialog stays and shows what is there now.
    QPointer<Form2> dialog = Form2::open(host);
    dialog->File1->setListIndex(2);
    QVERIFY(QFile::remove(host.projects() + "/gone.txt"));
    dialog->Command1->click();
    QCOMPARE(host.opened, QStringList(host.projects() + "/gone.txt"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt", "b.txt"}));

    // Enter opens the selected note.
    dialog->File1->setFocus();
    QTest::keyClick(dialog->File1, Qt::Key_Return);
    QCOMPARE(host.notePath, host.projects() + "/b.txt");
    QCOMPARE(host.note, QStringLiteral("+5"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
    QVERIFY(host.window.isEnabled());

    // So does a double click (a click, then the second press).
    dialog = Form2::open(host);
    const QPoint first = rowCentre(dialog->File1, 0);
    QTest::mouseClick(dialog->File1->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(dialog->File1->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(host.note, QStringLiteral("+1\r\n+2"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 2);
}

void Form2Test::browsesAndRemembersFolders()
{
    FakeHost host;
    const QString casa = host.projects() + "/Casa";
    QVERIFY(makeFiles(casa, {"luce.txt", "gas.txt"}));
    QVERIFY(makeFiles(host.projects() + "/Vecchi", {}));
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->Dir1->subfolderPaths(), QStringList({casa, host.projects() + "/Vecchi"}));

    clickFolder(dialog->Dir1, casa);
    QCOMPARE(dialog->currentFolder(), casa);
    QCOMPARE(dialog->File1->fileNames(), QStringList({"gas.txt", "luce.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 0);
    QCOMPARE(test::readBytes(host.dirIni()), (casa + "\r\n").toUtf8());

    dialog->Dir1->setFocus();
    QTest::keyClick(dialog->Dir1, Qt::Key_Backspace); // up
    QCOMPARE(dialog->currentFolder(), host.projects());

    // A folder removed while listed: the dialog stays where it is and says why.
    QVERIFY(QDir(host.projects() + "/Vecchi").removeRecursively());
    clickFolder(dialog->Dir1, host.projects() + "/Vecchi");
    QCOMPARE(dialog->currentFolder(), host.projects());
    QCOMPARE(dialog->Dir1->subfolderPaths(), QStringList(casa));
    QVERIFY(dialog->notice->isVisibleTo(dialog));

    QTest::keyClick(dialog->Dir1, Qt::Key_Down); // the keyboard opens folders too
    QTest::keyClick(dialog->Dir1, Qt::Key_Return);
    QCOMPARE(dialog->currentFolder(), casa);
    QVERIFY(dialog->notice->isHidden());
    dialog->close();
}

void Form2Test::deletesNotesWithTheirScripts()
{
    FakeHost host;
    const QString db = host.projects();
    QVERIFY(makeFiles(db, {"a.txt", "b.txt", "b.vb", "c.txt", "c.TXt.vb", "open.txt"}));
    host.notePath = db + "/../Db/open.txt"; // the note open in the main window, written otherwise
    QPointer<Form2> dialog = Form2::open(host);
    auto deleteEntry = [&](int index, Prompts::Answer answer) {
        dialog->File1->setListIndex(index);
        host.prompts.answers.push_back(answer);
        dialog->Command4->click();
    };

    deleteEntry(1, Prompts::Answer::No);
    deleteEntry(1, Prompts::Answer::Cancel);
    QCOMPARE(host.prompts.questions.first(), "Vuoi cancellare il file " + db + "/b.txt?");
    QVERIFY(QFile::exists(db + "/b.txt"));

    deleteEntry(1, Prompts::Answer::Yes);
    QVERIFY(!QFile::exists(db + "/b.txt"));
    QVERIFY(!QFile::exists(db + "/b.vb"));
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt", "c.txt", "open.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 1); // the entry now at the same place

    deleteEntry(1, Prompts::Answer::Yes);
    QVERIFY(QFile::exists(db + "/c.TXt.vb")); // not the script of c.txt
    QVERIFY(host.deleted.isEmpty());
    deleteEntry(1, Prompts::Answer::Yes); // the open note: the host keeps its text
    QCOMPARE(host.deleted, QStringList(db + "/open.txt"));
    QCOMPARE(dialog->File1->listIndex(), 0); // the last entry went: the one before it

    QVERIFY(QFile::remove(db + "/a.txt")); // gone before the user said yes
    deleteEntry(0, Prompts::Answer::Yes);
    QCOMPARE(host.prompts.informations.size(), 1);
    QCOMPARE(dialog->File1->listCount(), 0);

    dialog->Command4->click(); // nothing selected: nothing asked
    QVERIFY(host.prompts.answers.empty());
    QVERIFY(host.prompts.errors.isEmpty());
    dialog->close();
}

void Form2Test::handsTheWindowBackOnceHoweverItCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc in the file list") << "esc-files";
    QTest::newRow("Esc in the filter") << "esc-filter";
    QTest::newRow("Esc in the folder list") << "esc-folders";
    QTest::newRow("close box") << "close";
    QTest::newRow("closed twice") << "twice";
    QTest::newRow("the file manager") << "files";
    QTest::newRow("no file manager: stays") << "no-files";
}

void Form2Test::handsTheWindowBackOnceHoweverItCloses()
{
    QFETCH(QString, how);
    FakeHost host;
    QPointer<Form2> dialog = Form2::open(host);
    QVERIFY(!host.window.isEnabled());
    if (how == "esc-files")
        QTest::keyClick(dialog->File1, Qt::Key_Escape);
    else if (how == "esc-filter")
        QTest::keyClick(dialog->Text1, Qt::Key_Escape);
    else if (how == "esc-folders")
        QTest::keyClick(dialog->Dir1, Qt::Key_Escape);
    else if (how == "close")
        dialog->close();
    else if (how == "twice") {
        dialog->reject();
        if (dialog)
            dialog->close();
    } else {
        host.desktop.works = how == "files";
        dialog->Command2->click();
        QCOMPARE(host.desktop.folders, QStringList(host.projects()));
    }
    if (how == "no-files") {
        QCOMPARE(host.prompts.errors.size(), 1);
        QVERIFY(dialog->isVisible());
        dialog->close();
    }
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
    QVERIFY(host.window.isEnabled());
}

void Form2Test::opensBesideTheMainWindowInItsLanguage()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}));
    host.language = {{72, "&Folder"}, {73, "Projects"}, {76, "Open"}};
    QPointer<Form2> dialog = openActive<Form2>(host);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tabulo Files")); // none in the language: built in
    QCOMPARE(dialog->Command2->text(), QStringLiteral("&Folder"));
    QCOMPARE(dialog->Command3->text(), QStringLiteral("Projects"));
    QCOMPARE(dialog->Command4->text(), QStringLiteral("Cancella File")); // none in the language: built in
    QCOMPARE(dialog->File1->toolTip(), QStringLiteral("Open a.txt"));
    QVERIFY(dialog->File1->hasFocus());
    QVERIFY(!dialog->Command1->isVisible());

    // Offscreen windows have no frame: 400 twips right and down, same size.
    const int offset = qRound(400 * dialog->logicalDpiY() / 1440.0);
    QCOMPARE(dialog->frameGeometry(), host.window.frameGeometry().translated(offset, offset));
    dialog->close();
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
