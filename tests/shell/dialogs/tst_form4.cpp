// The save dialog as the user meets it: saving under a typed or clicked
// name, notes it never writes over, names it refuses, new folders, and
// saves that fail or end the program.

#include "form4.h"

#include "file_list.h"
#include "folder_list.h"
#include "note_dialog_test_support.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace tabulo;
using namespace tabulo::testing;

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void savesUnderTheTypedName_data();
    void savesUnderTheTypedName();
    void neverWritesOverANoteWithText();
    void refusesNamesWithNothingLeft();
    void keepsTheDialogWhenTheSaveFails();
    void survivesASaveThatEndsTheProgram();
    void takesTheNameOfAClickedNote();
    void makesFolders_data();
    void makesFolders();
    void showsItsLanguage();
};

void Form4Test::savesUnderTheTypedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("viaEnter");

    QTest::newRow("plain name, Save clicked") << "spesa" << "spesa.txt" << false;
    QTest::newRow("plain name, Enter") << "spesa" << "spesa.txt" << true;
    QTest::newRow("with the extension") << "nota.txt" << "nota.txt" << true;
    QTest::newRow("invalid characters taken out") << "a/b:c?" << "abc.txt" << false;
    QTest::newRow("upper case extension kept") << "Conti.TXT" << "Conti.TXT.txt" << false;
}

void Form4Test::savesUnderTheTypedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    QFETCH(bool, viaEnter);

    FakeHost host;
    QPointer<Form4> dialog = Form4::open(host);
    QCOMPARE(dialog->currentFolder(), host.projects());
    QTest::keyClicks(dialog->Text1, typed);
    if (viaEnter)
        QTest::keyClick(dialog->Text1, Qt::Key_Return);
    else
        dialog->Command1->click();

    const QString target = host.projects() + QLatin1Char('/') + file;
    QCOMPARE(host.saved, QStringList(target));
    QCOMPARE(test::readBytes(target), QByteArray("+1\r\n+2\r\n"));
    QCOMPARE(test::readBytes(host.dirIni()), (host.projects() + "\r\n").toUtf8());
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
    QVERIFY(host.window.isEnabled());
    QVERIFY(host.prompts.informations.isEmpty());
}

void Form4Test::neverWritesOverANoteWithText()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"full.txt"}, "+100\r\n"));
    QVERIFY(makeFiles(host.projects(), {"empty.txt"}, ""));
    QVERIFY(makeFiles(host.projects() + "/folder.txt", {}));
    host.language = {{18, "Esiste già"}};
    QPointer<Form4> dialog = openActive<Form4>(host);

    for (const char *name : {"full", "full.txt", "folder"}) {
        dialog->Text1->setText(QString::fromLatin1(name));
        dialog->Command1->click();
    }
    QCOMPARE(host.prompts.informations, QStringList({"Esiste già", "Esiste già", "Esiste già"}));
    QVERIFY(host.saved.isEmpty());
    QCOMPARE(test::readBytes(host.projects() + "/full.txt"), QByteArray("+100\r\n"));
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->Text1->hasFocus());
    QCOMPARE(dialog->Text1->cursorPosition(), dialog->Text1->text().size());

    dialog->Text1->setText(QStringLiteral("empty")); // an empty note is as good as none
    dialog->Command1->click();
    QCOMPARE(host.saved, QStringList(host.projects() + "/empty.txt"));
    QCOMPARE(test::readBytes(host.projects() + "/empty.txt"), QByteArray("+1\r\n+2\r\n"));
    QTRY_VERIFY(!dialog);
}

void Form4Test::refusesNamesWithNothingLeft()
{
    FakeHost host;
    QPointer<Form4> dialog = Form4::open(host);
    dialog->Command1->click(); // empty: nothing at all
    QVERIFY(host.prompts.informations.isEmpty());

    for (const char *name : {"???", ".txt", "  "}) {
        dialog->Text1->setText(QString::fromLatin1(name));
        dialog->Command1->click();
    }
    QCOMPARE(host.prompts.informations.size(), 3);
    QVERIFY(host.saved.isEmpty());
    QVERIFY(!QFile::exists(host.projects() + "/.txt"));
    QVERIFY(dialog->isVisible());
    dialog->close();
    QCOMPARE(host.closedCount, 1);
}

void Form4Test::keepsTheDialogWhenTheSaveFails()
{
    FakeHost host;
    host.saveWorks = false;
    QPointer<Form4> dialog = Form4::open(host);
    dialog->Text1->setText(QStringLiteral("nota"));
    dialog->Command1->click();
    QCOMPARE(host.saved.size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(host.closedCount, 0);
    QVERIFY(!host.window.isEnabled());

    host.saveWorks = true; // the user tries again, and it works
    dialog->Command1->click();
    QCOMPARE(host.saved.size(), 2);
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
}

void Form4Test::survivesASaveThatEndsTheProgram()
{
    FakeHost host;
    QPointer<Form4> dialog = Form4::open(host);
    // A quit waiting for this save takes the main window down, and the
    // dialog with it, before the save returns.
    host.duringSave = [dialog] { delete dialog.data(); };
    dialog->Text1->setText(QStringLiteral("ultima"));
    dialog->Command1->click();
    QVERIFY(!dialog);
    QCOMPARE(host.saved, QStringList(host.projects() + "/ultima.txt"));
    QCOMPARE(host.closedCount, 0);
}

void Form4Test::takesTheNameOfAClickedNote()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"conti.txt", "spesa.txt"}));
    QPointer<Form4> dialog = openActive<Form4>(host);
    dialog->File1->doItemsLayout();
    const QRect second = dialog->File1->visualRect(dialog->File1->model()->index(1, 0));
    QTest::mouseClick(dialog->File1->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(dialog->Text1->text(), QStringLiteral("spesa"));
    QCOMPARE(dialog->File1->toolTip(), QStringLiteral("spesa.txt"));
    QVERIFY(dialog->Text1->hasFocus());
    QCOMPARE(dialog->Text1->cursorPosition(), 5);

    dialog->File1->setFocus(); // the arrow keys fill the name and leave the focus in the list
    QTest::keyClick(dialog->File1, Qt::Key_Up);
    QCOMPARE(dialog->Text1->text(), QStringLiteral("conti"));
    QVERIFY(dialog->File1->hasFocus());
    dialog->close();
}

void Form4Test::makesFolders_data()
{
    QTest::addColumn<QString>("answer"); // "<cancel>" cancels the box
    QTest::addColumn<QString>("made");   // the folder made; empty: none
    QTest::addColumn<int>("informations");
    QTest::addColumn<int>("errors");

    QTest::newRow("a new folder") << "Casa" << "Casa" << 0 << 0;
    QTest::newRow("invalid characters taken out") << "Ca?sa*" << "Casa" << 0 << 0;
    QTest::newRow("cancelled") << "<cancel>" << "" << 0 << 0;
    QTest::newRow("empty answer") << "" << "" << 0 << 0;
    QTest::newRow("nothing left of the name") << "???" << "" << 1 << 0;
    QTest::newRow("the folder above") << ".." << "" << 1 << 0;
    QTest::newRow("already there") << "Conti" << "" << 1 << 0;
    QTest::newRow("already there in another case") << "CONTI" << "" << 1 << 0;
    QTest::newRow("a file in the way") << "nota.txt" << "" << 0 << 1;
}

void Form4Test::makesFolders()
{
    QFETCH(QString, answer);
    QFETCH(QString, made);
    QFETCH(int, informations);
    QFETCH(int, errors);

    FakeHost host;
    QVERIFY(makeFiles(host.projects() + "/Conti", {}));
    QVERIFY(makeFiles(host.projects(), {"nota.txt"}));
    host.language = {{44, "Nuova cartella in"}, {45, "Esiste"}};
    QPointer<Form4> dialog = Form4::open(host);
    host.prompts.queueText(answer == "<cancel>" ? std::nullopt : std::optional(answer));
    dialog->Command5->click();

    QCOMPARE(host.prompts.textPrompts, QStringList("Nuova cartella in " + host.projects()));
    QCOMPARE(host.prompts.informations.size(), informations);
    QCOMPARE(host.prompts.errors.size(), errors);
    if (answer.contains("CONTI"))
        QCOMPARE(host.prompts.informations, QStringList("Esiste"));
    QStringList folders{host.projects() + "/Conti"};
    if (!made.isEmpty())
        folders.prepend(host.projects() + QLatin1Char('/') + made);
    QCOMPARE(dialog->Dir1->subfolderPaths(), folders);
    QCOMPARE(dialog->currentFolder(), host.projects());
    dialog->close();
}

void Form4Test::showsItsLanguage()
{
    FakeHost host;
    host.language = {{46, "&Salva"}, {75, "Nuova Cartella"}};
    QPointer<Form4> dialog = openActive<Form4>(host);
    QCOMPARE(dialog->Command1->text(), QStringLiteral("&Salva"));
    QCOMPARE(dialog->Command2->text(), QStringLiteral("&Files"));
    QCOMPARE(dialog->Command3->text(), QStringLiteral("Progetti"));
    QCOMPARE(dialog->Command4->text(), QStringLiteral("Cancella File"));
    QCOMPARE(dialog->Command5->text(), QStringLiteral("Nuova Cartella"));
    QVERIFY(dialog->Command1->isDefault());
    QVERIFY(dialog->Text1->hasFocus());
    QTest::keyClick(dialog->Text1, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
