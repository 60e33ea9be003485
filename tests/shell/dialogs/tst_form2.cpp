// The open dialog as the user meets it: where it starts, what it lists, the
// name filter, opening, deleting, the file manager, and closing however it
// closes, with the main window handed back exactly once.

#include "form2.h"

#include "file_list.h"
#include "folder_list.h"
#include "note_dialog_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

#include <cstdio>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

// Where a row stands once the view has laid its rows out.
QPoint rowCentre(QAbstractItemView *view, int row)
{
    view->doItemsLayout();
    return view->visualRect(view->model()->index(row, 0)).center();
}

void clickRow(QAbstractItemView *view, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(view, row));
}

void doubleClickRow(QAbstractItemView *view, int row)
{
    // A real double click is a click followed by a second press, which the
    // view only takes as a double click on the row pressed first.
    const QPoint centre = rowCentre(view, row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

int rowOf(const FolderList *list, const QString &folder)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->entryPath(row) == folder)
            return row;
    }
    return -1;
}

} // namespace

class Form2Test : public QObject
{
    Q_OBJECT

private slots:
    void startsWhereTheUserLastWas_data();
    void startsWhereTheUserLastWas();
    void worksWhenTheProjectsFolderCannotBeMade();
    void listsNotesAndFiltersByName();
    void opensTheSelectedNote();
    void keepsTheDialogWhenANoteCannotBeRead();
    void remembersTheFolderClicked();
    void saysWhyAFolderCannotBeOpened();
    void deletesANoteWithItsScript();
    void tellsTheHostWhenTheOpenNoteIsDeleted();
    void survivesNamesThatAreNotText();
    void opensTheFolderInTheFileManager();
    void handsTheWindowBackOnceHoweverItCloses_data();
    void handsTheWindowBackOnceHoweverItCloses();
    void opensBesideTheMainWindowInItsLanguage();
};

void Form2Test::startsWhereTheUserLastWas_data()
{
    QTest::addColumn<QByteArray>("dirIni"); // "<missing>": no file; %1 is the temporary program folder
    QTest::addColumn<QString>("start");     // relative to the program folder

    QTest::newRow("first use: the projects folder") << test::missingFile << "Db";
    QTest::newRow("the folder remembered") << QByteArray("%1/Conti\r\n") << "Conti";
    QTest::newRow("a folder with a comma, quoted") << QByteArray("\"%1/Conti, casa\"\r\n") << "Conti, casa";
    QTest::newRow("a folder gone since") << QByteArray("%1/Vecchi\r\n") << "Db";
    QTest::newRow("a file, not a folder") << QByteArray("%1/Conti/spesa.txt\r\n") << "Db";
    QTest::newRow("a relative path") << QByteArray("Conti\r\n") << "Db";
    QTest::newRow("an empty file") << QByteArray("") << "Db";
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\r\n", 4) << "Db";
}

void Form2Test::startsWhereTheUserLastWas()
{
    QFETCH(QByteArray, dirIni);
    QFETCH(QString, start);

    FakeHost host;
    QVERIFY(makeFiles(host.programFile("Conti"), {"spesa.txt"}));
    QVERIFY(makeFiles(host.programFile("Conti, casa"), {}));
    if (dirIni != test::missingFile)
        QVERIFY(test::writeBytes(host.dirIni(), QString::fromLatin1(dirIni).replace("%1", host.programFile({})).toUtf8()));

    QPointer<Form2> dialog = Form2::open(host);
    QVERIFY(QFileInfo(host.projects()).isDir());
    QCOMPARE(dialog->currentFolder(), QDir::cleanPath(host.programFile(start)));
    QCOMPARE(dialog->File1->path(), dialog->currentFolder());
    QVERIFY(dialog->notice->isHidden());
    QVERIFY(!host.window.isEnabled());
    QVERIFY(dialog->isEnabled());
    dialog->close();
}

void Form2Test::worksWhenTheProjectsFolderCannotBeMade()
{
    FakeHost host;
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
    QVERIFY(test::writeBytes(host.projects(), "a file where the projects folder belongs"));
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->currentFolder(), home.path());
    QVERIFY(dialog->notice->isVisibleTo(dialog));
    QVERIFY2(dialog->notice->text().contains(host.projects()), qPrintable(dialog->notice->text()));

    dialog->Command3->click(); // "Progetti" says why again and stays
    QCOMPARE(dialog->currentFolder(), QDir::homePath());
    QVERIFY(dialog->notice->text().contains(QStringLiteral("in the way")));
    dialog->close();
}

void Form2Test::listsNotesAndFiltersByName()
{
    FakeHost host;
    const QString long22 = QStringLiteral("b123456789012345678901"); // 22 characters
    QVERIFY(makeFiles(host.projects(), {"abaco.txt", "abc.log", "xab.txt", "Zeta.TXT", long22 + "x.txt",
                                        long22 + ".txt", "ab"}));
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->File1->fileNames(),
             QStringList({"abaco.txt", long22 + ".txt", long22 + "x.txt", "xab.txt", "Zeta.TXT"}));
    QCOMPARE(dialog->File1->listIndex(), 0);

    QTest::keyClicks(dialog->Text1, QStringLiteral("ab"));
    QCOMPARE(dialog->File1->fileNames(), QStringList({"ab", "abaco.txt", "abc.log"}));
    QCOMPARE(dialog->File1->listIndex(), 0);

    dialog->Text1->clear();
    QCOMPARE(dialog->File1->fileNames(),
             QStringList({"ab", "abaco.txt", "abc.log", long22 + ".txt", "xab.txt", "Zeta.TXT"}));

    QTest::keyClicks(dialog->Text1, QStringLiteral("q"));
    QCOMPARE(dialog->File1->listCount(), 0);
    QCOMPARE(dialog->File1->listIndex(), -1);
    QTest::keyClick(dialog->Text1, Qt::Key_Return); // nothing selected: nothing opens
    QVERIFY(host.opened.isEmpty());
    QVERIFY(dialog->isVisible());
    dialog->close();
}

void Form2Test::opensTheSelectedNote()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}, "+1\r\n+2\r\n"));
    QVERIFY(makeFiles(host.projects(), {"b.txt"}, "+5\r\n"));

    // Enter on the file list opens the selected note.
    QPointer<Form2> dialog = Form2::open(host);
    dialog->File1->setFocus();
    QTest::keyClick(dialog->File1, Qt::Key_Down);
    QTest::keyClick(dialog->File1, Qt::Key_Return);
    QCOMPARE(host.opened, QStringList(host.projects() + "/b.txt"));
    QCOMPARE(host.note, QStringLiteral("+5"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
    QVERIFY(host.window.isEnabled());

    // So does a double click.
    dialog = Form2::open(host);
    doubleClickRow(dialog->File1, 0);
    QCOMPARE(host.opened.last(), host.projects() + "/a.txt");
    QCOMPARE(host.note, QStringLiteral("+1\r\n+2"));
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 2);
}

void Form2Test::keepsTheDialogWhenANoteCannotBeRead()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt", "gone.txt"}));
    QPointer<Form2> dialog = Form2::open(host);
    dialog->File1->setListIndex(1);
    QVERIFY(QFile::remove(host.projects() + "/gone.txt")); // vanished between listing and opening
    dialog->Command1->click();
    QCOMPARE(host.opened, QStringList(host.projects() + "/gone.txt"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 0);
    QCOMPARE(host.closedCount, 0);
    dialog->close();
    QCOMPARE(host.closedCount, 1);
}

void Form2Test::remembersTheFolderClicked()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects() + "/Casa", {"luce.txt", "gas.txt"}));
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->Dir1->subfolderPaths(), QStringList(host.projects() + "/Casa"));

    clickRow(dialog->Dir1, rowOf(dialog->Dir1, host.projects() + "/Casa"));
    QCOMPARE(dialog->currentFolder(), host.projects() + "/Casa");
    QCOMPARE(dialog->File1->fileNames(), QStringList({"gas.txt", "luce.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 0);
    QCOMPARE(test::readBytes(host.dirIni()), (host.projects() + "/Casa\r\n").toUtf8());

    // Backspace goes up, and the keyboard opens folders too.
    dialog->Dir1->setFocus();
    QTest::keyClick(dialog->Dir1, Qt::Key_Backspace);
    QCOMPARE(dialog->currentFolder(), host.projects());
    QTest::keyClick(dialog->Dir1, Qt::Key_Down);
    QTest::keyClick(dialog->Dir1, Qt::Key_Return);
    QCOMPARE(dialog->currentFolder(), host.projects() + "/Casa");
    QVERIFY(dialog->isVisible());
    dialog->close();
}

void Form2Test::saysWhyAFolderCannotBeOpened()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects() + "/Casa", {}));
    QVERIFY(makeFiles(host.projects(), {"a.txt"}));
    QPointer<Form2> dialog = Form2::open(host);
    QVERIFY(QDir(host.projects() + "/Casa").removeRecursively());
    clickRow(dialog->Dir1, rowOf(dialog->Dir1, host.projects() + "/Casa"));
    QCOMPARE(dialog->currentFolder(), host.projects());
    QCOMPARE(dialog->Dir1->subfolderPaths(), QStringList());
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt"}));
    QVERIFY(dialog->notice->isVisibleTo(dialog));
    QVERIFY(dialog->notice->text().contains(host.projects() + "/Casa"));
    QVERIFY(!QFile::exists(host.dirIni()));
    dialog->close();
}

void Form2Test::deletesANoteWithItsScript()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt", "b.txt", "b.vb", "c.txt", "c.TXt.vb"}));
    QPointer<Form2> dialog = Form2::open(host);

    dialog->File1->setListIndex(1);
    host.prompts.queueAnswer(Prompts::Answer::No);
    dialog->Command4->click();
    host.prompts.queueAnswer(Prompts::Answer::Cancel);
    dialog->Command4->click();
    QVERIFY(QFile::exists(host.projects() + "/b.txt"));
    QCOMPARE(host.prompts.questions.first(), "Delete the note " + host.projects() + "/b.txt?");

    host.prompts.queueAnswer(Prompts::Answer::Yes);
    dialog->Command4->click();
    QVERIFY(!QFile::exists(host.projects() + "/b.txt"));
    QVERIFY(!QFile::exists(host.projects() + "/b.vb"));
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt", "c.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 1); // the entry now at the same place

    host.prompts.queueAnswer(Prompts::Answer::Yes); // the last entry: the one before it is selected
    dialog->Command4->click();
    QCOMPARE(dialog->File1->fileNames(), QStringList({"a.txt"}));
    QCOMPARE(dialog->File1->listIndex(), 0);
    QVERIFY(QFile::exists(host.projects() + "/c.TXt.vb")); // not the script of c.txt

    dialog->File1->setListIndex(-1); // nothing selected: nothing asked
    dialog->Command4->click();
    QVERIFY(host.prompts.allAnswersUsed());
    QVERIFY(host.prompts.errors.isEmpty());
    QVERIFY(host.deleted.isEmpty());
    QVERIFY(dialog->isVisible());
    dialog->close();
}

void Form2Test::tellsTheHostWhenTheOpenNoteIsDeleted()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"open.txt"}));
    host.notePath = host.projects() + "/../Db/open.txt"; // the same file, written otherwise
    QPointer<Form2> dialog = Form2::open(host);
    host.prompts.queueAnswer(Prompts::Answer::Yes);
    dialog->Command4->click();
    QCOMPARE(host.deleted, QStringList(host.projects() + "/open.txt"));
    QCOMPARE(dialog->File1->listIndex(), -1);
    dialog->close();
}

void Form2Test::survivesNamesThatAreNotText()
{
    FakeHost host;
    const QString odd = QStringLiteral("line\nbreak\t.txt");
    QVERIFY(makeFiles(host.projects(), {"a.txt", odd, "-rf .txt"}));
    // Bytes that are not UTF-8 make a name no path written as text can
    // reach: such a file is not listed at all.
    const QByteArray rawName = QFile::encodeName(host.projects()) + "/\xff\xfe.txt";
    std::FILE *raw = std::fopen(rawName.constData(), "w");
    QVERIFY(raw);
    std::fclose(raw);

    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->File1->fileNames(), QStringList({"-rf .txt", "a.txt", odd}));
    dialog->File1->setListIndex(2);
    host.prompts.queueAnswer(Prompts::Answer::Yes);
    dialog->Command4->click();
    QVERIFY(!QFile::exists(host.projects() + "/" + odd));
    QCOMPARE(dialog->File1->fileNames(), QStringList({"-rf .txt", "a.txt"}));

    // A file gone between listing and deleting is not reported as deleted.
    QVERIFY(QFile::remove(host.projects() + "/a.txt"));
    host.prompts.queueAnswer(Prompts::Answer::Yes);
    dialog->Command4->click();
    QCOMPARE(host.prompts.informations.size(), 1);
    QCOMPARE(dialog->File1->fileNames(), QStringList({"-rf .txt"}));
    QCOMPARE(dialog->File1->listIndex(), 0);
    QVERIFY(host.prompts.errors.isEmpty());
    dialog->close();
}

void Form2Test::opensTheFolderInTheFileManager()
{
    FakeHost host;
    QPointer<Form2> dialog = Form2::open(host);
    host.desktop.works = false;
    dialog->Command2->click();
    QCOMPARE(host.prompts.errors.size(), 1);
    QVERIFY(dialog->isVisible());

    host.desktop.works = true;
    dialog->Command2->click();
    QCOMPARE(host.desktop.requests.last(), "folder " + host.projects());
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
}

void Form2Test::handsTheWindowBackOnceHoweverItCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc in the file list") << "esc-list";
    QTest::newRow("Esc in the filter") << "esc-filter";
    QTest::newRow("Esc in the folder list") << "esc-folders";
    QTest::newRow("close box") << "close";
    QTest::newRow("closed twice") << "twice";
}

void Form2Test::handsTheWindowBackOnceHoweverItCloses()
{
    QFETCH(QString, how);
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}));
    QPointer<Form2> dialog = Form2::open(host);
    QVERIFY(!host.window.isEnabled());
    if (how == "esc-list")
        QTest::keyClick(dialog->File1, Qt::Key_Escape);
    else if (how == "esc-filter")
        QTest::keyClick(dialog->Text1, Qt::Key_Escape);
    else if (how == "esc-folders")
        QTest::keyClick(dialog->Dir1, Qt::Key_Escape);
    else if (how == "close")
        dialog->close();
    else {
        dialog->reject();
        if (dialog)
            dialog->close();
    }
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
    QVERIFY(host.window.isEnabled());
    QVERIFY(host.opened.isEmpty());
}

void Form2Test::opensBesideTheMainWindowInItsLanguage()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}));
    host.language = {{72, "&Folder"}, {73, "Projects"}, {76, "Open"}};
    QPointer<Form2> dialog = Form2::open(host);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tabulo Files"));
    QCOMPARE(dialog->Command2->text(), QStringLiteral("&Folder"));
    QCOMPARE(dialog->Command3->text(), QStringLiteral("Projects"));
    QCOMPARE(dialog->Command4->text(), QStringLiteral("Cancella File")); // no text of its own: the built-in one
    QCOMPARE(dialog->File1->toolTip(), QStringLiteral("Open a.txt"));
    QVERIFY(!dialog->Command1->isVisible());

    // Offscreen windows have no frame: 400 twips (27 pixels at 96 dpi) to
    // the right and below, the same size.
    const int offset = qRound(400 * dialog->logicalDpiY() / 1440.0);
    QCOMPARE(dialog->frameGeometry(), host.window.frameGeometry().translated(offset, offset));
    dialog->close();
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
