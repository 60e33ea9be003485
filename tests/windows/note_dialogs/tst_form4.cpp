// The save dialog as the user meets it: saving under a typed or clicked
// name, what it refuses to write, new folders, and saves that fail or end
// the program.

#include "windows/note_dialogs/form4.h"

#include "core/language/language_keys.h"
#include "tests/windows/note_dialogs/note_dialog_test_support.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/folder_list.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace tabulo;
using namespace tabulo::testing;

using HostTexts = QHash<int, QString>; // what the host's language gives, by key

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void savesUnderTheTypedName_data();
    void savesUnderTheTypedName();
    void refusesWhatWouldLoseText();
    void survivesASaveThatEndsTheProgram();
    void takesTheNameOfAChosenNote();
    void makesFolders_data();
    void makesFolders();
    void everyControlHasAScreenReaderName_data();
    void everyControlHasAScreenReaderName();
};

void Form4Test::savesUnderTheTypedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("viaEnter");

    QTest::newRow("Save clicked") << "spesa"
                                  << "spesa.txt" << false;
    QTest::newRow("Enter, extension typed") << "nota.txt"
                                            << "nota.txt" << true;
    QTest::newRow("invalid characters") << "a/b:c?"
                                        << "abc.txt" << false;
}

void Form4Test::savesUnderTheTypedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    QFETCH(bool, viaEnter);

    FakeHost host;
    host.language = {{46, "&Salva"}};
    QPointer<Form4> dialog = openActive<Form4>(host);
    QCOMPARE(dialog->Command1->text(), QStringLiteral("&Salva"));
    QCOMPARE(dialog->Command5->text(), QStringLiteral("Crea Cartella"));
    QVERIFY(dialog->Text1->hasFocus());
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
}

void Form4Test::refusesWhatWouldLoseText()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"full.txt"}, "+100\r\n"));
    QVERIFY(makeFiles(host.projects(), {"empty.txt"}, ""));
    QVERIFY(makeFiles(host.projects() + "/folder.txt", {}));
    host.language = {{18, "Esiste già"}};
    QPointer<Form4> dialog = openActive<Form4>(host);
    auto save = [&](const QString &name) {
        dialog->Text1->setText(name);
        dialog->Command1->click();
    };

    save(QString()); // nothing typed: nothing at all
    for (const char *taken : {"full", "full.txt", "folder"})
        save(QString::fromLatin1(taken));
    QCOMPARE(host.prompts.informations, QStringList({"Esiste già", "Esiste già", "Esiste già"}));
    for (const char *nothingLeft : {"???", ".txt", "  "})
        save(QString::fromLatin1(nothingLeft));
    QCOMPARE(host.prompts.informations.size(), 6);
    QVERIFY(host.saved.isEmpty());
    QCOMPARE(test::readBytes(host.projects() + "/full.txt"), QByteArray("+100\r\n"));
    QVERIFY(!QFile::exists(host.projects() + "/.txt"));
    QVERIFY(dialog->Text1->hasFocus());
    QCOMPARE(dialog->Text1->cursorPosition(), 2);

    host.saveWorks = false; // the host could not write: the dialog stays
    save(QStringLiteral("empty"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(host.closedCount, 0);
    host.saveWorks = true; // an empty note is as good as none
    save(QStringLiteral("empty"));
    QCOMPARE(host.saved, QStringList(2, host.projects() + "/empty.txt"));
    QCOMPARE(test::readBytes(host.projects() + "/empty.txt"), QByteArray("+1\r\n+2\r\n"));
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

void Form4Test::takesTheNameOfAChosenNote()
{
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"conti.txt", "spesa.txt"}));
    QPointer<Form4> dialog = openActive<Form4>(host);
    QTest::mouseClick(dialog->File1->viewport(), Qt::LeftButton, {}, rowCentre(dialog->File1, 1));
    QCOMPARE(dialog->Text1->text(), QStringLiteral("spesa"));
    QCOMPARE(dialog->File1->toolTip(), QStringLiteral("spesa.txt"));
    QVERIFY(dialog->Text1->hasFocus());
    QCOMPARE(dialog->Text1->cursorPosition(), 5);

    dialog->File1->setFocus(); // the arrow keys fill the name and leave the focus in the list
    QTest::keyClick(dialog->File1, Qt::Key_Up);
    QCOMPARE(dialog->Text1->text(), QStringLiteral("conti"));
    QVERIFY(dialog->File1->hasFocus());
    QTest::keyClick(dialog->File1, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(host.closedCount, 1);
}

void Form4Test::makesFolders_data()
{
    QTest::addColumn<QString>("answer"); // "<cancel>": the box is cancelled
    QTest::addColumn<QString>("made"); // empty: none
    QTest::addColumn<QString>("told"); // "info", "error" or nothing

    QTest::newRow("new") << "Casa"
                         << "Casa"
                         << "";
    QTest::newRow("invalid characters") << "Ca?sa*"
                                        << "Casa"
                                        << "";
    QTest::newRow("cancelled") << "<cancel>"
                               << ""
                               << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("nothing left") << "???"
                                  << ""
                                  << "info";
    QTest::newRow("the folder above") << ".."
                                      << ""
                                      << "info";
    QTest::newRow("there in another case") << "CONTI"
                                           << ""
                                           << "info";
    QTest::newRow("a file in the way") << "nota.txt"
                                       << ""
                                       << "error";
}

void Form4Test::makesFolders()
{
    QFETCH(QString, answer);
    QFETCH(QString, made);
    QFETCH(QString, told);

    FakeHost host;
    QVERIFY(makeFiles(host.projects() + "/Conti", {}));
    QVERIFY(makeFiles(host.projects(), {"nota.txt"}));
    host.language = {{44, "Nuova cartella in"}};
    QPointer<Form4> dialog = Form4::open(host);
    host.prompts.texts.push_back(answer == "<cancel>" ? std::nullopt : std::optional(answer));
    dialog->Command5->click();

    QCOMPARE(host.prompts.textPrompts, QStringList("Nuova cartella in " + host.projects()));
    QCOMPARE(host.prompts.informations.size(), int(told == "info"));
    QCOMPARE(host.prompts.errors.size(), int(told == "error"));
    QStringList folders {host.projects() + "/Conti"};
    if (!made.isEmpty())
        folders.prepend(host.projects() + QLatin1Char('/') + made);
    QCOMPARE(dialog->Dir1->subfolderPaths(), folders);
    QCOMPARE(dialog->currentFolder(), host.projects());
    dialog->close();
}

void Form4Test::everyControlHasAScreenReaderName_data()
{
    QTest::addColumn<HostTexts>("language");
    QTest::addColumn<QStringList>("names"); // Dir1, File1, Text1
    QTest::newRow("built-in texts") << HostTexts {} << QStringList {"Cartelle", "Note", "Nome della nota"};
    QTest::newRow("the host's language") << HostTexts {{LanguageKeys::folderListName, "Folders"},
        {LanguageKeys::fileListName, "Notes:"}, {LanguageKeys::noteNameFieldName, "Note name"}}
                                         << QStringList {"Folders", "Notes", "Note name"};
}

// The lists and the field show no caption of their own: a screen reader
// says their names, in the language the host gives.
void Form4Test::everyControlHasAScreenReaderName()
{
    QFETCH(HostTexts, language);
    QFETCH(QStringList, names);
    FakeHost host;
    QVERIFY(makeFiles(host.projects(), {"a.txt"}));
    host.language = language;
    QCOMPARE(screenReaderView<Form4>(host), QStringList {QString()} + names);
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
