// The calculator window beside the real main window: typing, sending into
// the note, the history rules and its files.

#include "tests/ui/accessibility/accessible_controls.h"
#include "tests/windows/main/window_test_support.h"

#include "windows/calculator/form7.h"

#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

Form7 *openCalculator(Form1 &window)
{
    window.action(QStringLiteral("CalcolatriceX"))->trigger();
    return window.toolWindows().calculator();
}

QStringList listed(const Form7 &calculator)
{
    return calculator.history();
}

} // namespace

class Form7Test : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void typing_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        QTest::newRow("decimal comma becomes a point") << usLocale() << "1,5*2"
                                                       << "1.5*2"
                                                       << "3";
        QTest::newRow("Italian result") << italianLocale() << "1,5*2,1"
                                        << "1.5*2.1"
                                        << "3,15";
        QTest::newRow("incomplete keeps the last value") << usLocale() << "5+"
                                                         << "5+"
                                                         << "5";
        QTest::newRow("statements never run") << usLocale() << "1 : Do : Loop"
                                              << "1 : Do : Loop"
                                              << "1";
        QTest::newRow("functions") << usLocale() << "Int(7/2)+Len(\"ab\")"
                                   << "Int(7/2)+Len(\"ab\")"
                                   << "5";
        // What the output window would not show as a value keeps the result.
        QTest::newRow("Null keeps the last value") << usLocale() << "7+Null"
                                                   << "7+Null"
                                                   << "7";
        QTest::newRow("Empty keeps the last value") << usLocale() << "Empty"
                                                    << "Empty"
                                                    << "0";
        QTest::newRow("an array keeps the last value") << usLocale() << "Split(\"a b\")"
                                                       << "Split(\"a b\")"
                                                       << "0";
    }
    void typing()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QString, input);
        QFETCH(QString, result);
        WindowFixture fixture(WindowSetup {.locale = locale});
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QVERIFY(calculator);
        QCOMPARE(calculator->windowTitle(), QStringLiteral("Tabulo - Calcolatrice"));
        QCOMPARE(calculator->TotX->text(), QStringLiteral("0"));
        QTest::keyClicks(calculator->Text1, keys);
        QCOMPARE(calculator->Text1->text(), input);
        QCOMPARE(calculator->Text1->cursorPosition(), input.size());
        QCOMPARE(calculator->TotX->text(), result);
        calculator->Text1->clear();
        QCOMPARE(calculator->TotX->text(), QStringLiteral("0"));
    }

    // "TotX" in an expression is the calculator's own result field, never
    // the note's total, and reading it changes nothing.
    void totXIsTheLastResult()
    {
        WindowFixture fixture(WindowSetup {.locale = usLocale()});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        typeIntoNote(window, QStringLiteral("+5"));
        Form7 *calculator = openCalculator(window);
        QTest::keyClicks(calculator->Text1, QStringLiteral("21"));
        calculator->Text1->selectAll();
        QTest::keyClicks(calculator->Text1, QStringLiteral("TotX*2"));
        QCOMPARE(calculator->TotX->text(), QStringLiteral("42"));
        QCOMPARE(window.session().totX(), QStringLiteral("5"));
        QVERIFY(window.noteText().endsWith(QStringLiteral("+5")));
    }

    void sendingPutsTheResultAtTheCaret()
    {
        WindowFixture fixture(WindowSetup {.locale = usLocale()});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        typeIntoNote(window, QStringLiteral("+10\n+"));
        Form7 *calculator = openCalculator(window);
        QTest::keyClicks(calculator->Text1, QStringLiteral("2*3"));
        calculator->Command1->click();
        QVERIFY2(window.noteText().endsWith(QStringLiteral("\n+10\r\n+6")), qPrintable(window.noteText()));
        QCOMPARE(window.session().totX(), QStringLiteral("16"));
        QCOMPARE(listed(*calculator), QStringList {"2*3"});
        // The input and the result stay for a second send.
        QCOMPARE(calculator->Text1->text(), QStringLiteral("2*3"));
        // One Undo takes the sent result back.
        window.action(QStringLiteral("AnnullaX"))->trigger();
        QVERIFY(window.noteText().endsWith(QStringLiteral("\n+10\r\n+")));

        // A result of 0 is not sent, but the input still enters the history.
        calculator->Command2->click();
        calculator->Command1->click();
        QVERIFY(window.noteText().endsWith(QStringLiteral("\n+10\r\n+")));
        QCOMPARE(listed(*calculator), (QStringList {"2*3", ""}));
    }

    void keysAndCommands()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QCOMPARE(calculator->Text1->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, calculator->Text1), 5);
        QTest::keyClicks(calculator->Text1, QStringLiteral("4+4"));
        QTest::keyClick(calculator->Text1, Qt::Key_Return);
        QCOMPARE(calculator->Text1->text(), QString());
        QCOMPARE(calculator->TotX->text(), QStringLiteral("0"));
        QTest::keyClicks(calculator->Text1, QStringLiteral("9-1"));
        calculator->CancelX_Click();
        QCOMPARE(calculator->TotX->text(), QStringLiteral("8"));
        QCOMPARE(listed(*calculator), (QStringList {"4+4", "9-1"}));

        calculator->List1->setCurrentIndex(calculator->historyModel()->index(0));
        calculator->List1_Click();
        QCOMPARE(calculator->Text1->text(), QStringLiteral("4+4"));
        QCOMPARE(calculator->TotX->text(), QStringLiteral("8"));

        calculator->TotX->setFocus();
        QTRY_COMPARE(calculator->TotX->selectedText(), QStringLiteral("8"));

        // A question with Yes and No only. No keeps everything; Yes empties
        // the history, the input and the result.
        fixture.prompts.queueYesNo(Prompts::Answer::No);
        calculator->Command3->click();
        QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::YesNoQuestion), 1);
        QCOMPARE(listed(*calculator).size(), 2);
        fixture.prompts.queueYesNo(Prompts::Answer::Yes);
        calculator->Command3->click();
        QCOMPARE(listed(*calculator), QStringList());
        QCOMPARE(calculator->Text1->text(), QString());
        QCOMPARE(calculator->TotX->text(), QStringLiteral("0"));
    }

    void historyAndPlacementSurviveClosing()
    {
        QByteArray history;
        for (int i = 1; i <= 150; ++i)
            history += QByteArray::number(i) + "\r\n";
        WindowFixture fixture(
            WindowSetup {.dataFiles = {{"History.ini", history}, {"Tabuloolator.ini", "-5000,-300,4260,500\r\n"}}});
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QCOMPARE(calculator->historyModel()->rowCount(), 101);
        QCOMPARE(calculator->history().at(100), QStringLiteral("101"));
        const QRect screen = calculator->screen()->availableGeometry();
        QVERIFY(screen.contains(calculator->geometry().topLeft()));
        QTest::keyClicks(calculator->Text1, QStringLiteral("7*7"));
        // Escape closes, keeping the unfinished input in the history.
        QTest::keyClick(calculator->Text1, Qt::Key_Escape);
        QTRY_VERIFY(!fixture.window().toolWindows().calculator());
        const QByteArray saved = fixture.readDataFile(QStringLiteral("History.ini"));
        QVERIFY(saved.endsWith("\r\n101\r\n7*7\r\n"));
        const QList<QByteArray> placement
            = fixture.readDataFile(QStringLiteral("Tabuloolator.ini")).trimmed().split(',');
        QCOMPARE(placement.size(), 4);
        QCOMPARE(placement[2], QByteArray("4260"));
        QVERIFY(placement[3].toInt() >= 1100);
    }

    void garbageFilesOpenAWindowOnScreen_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QByteArray>("placement");
        QByteArray binary(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 131) % 256);
        QTest::newRow("binary files") << binary << binary.left(4096);
        QTest::newRow("far away") << QByteArray("1\r\n") << QByteArray("99999999,99999999,4260,99999999\r\n");
        QTest::newRow("not numbers") << QByteArray(10 * 1024 * 1024, 'x') << QByteArray("a,b,c,d\r\n,,,\r\n");
    }
    void garbageFilesOpenAWindowOnScreen()
    {
        QFETCH(QByteArray, history);
        QFETCH(QByteArray, placement);
        WindowFixture fixture(WindowSetup {.dataFiles = {{"History.ini", history}, {"Tabuloolator.ini", placement}}});
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QVERIFY(calculator->historyModel()->rowCount() <= 101);
        const QRect screen = calculator->screen()->availableGeometry();
        QVERIFY(screen.contains(calculator->geometry()));
    }

    void shrinkingHidesTheHistory()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QVERIFY(calculator->List1->isVisible());
        calculator->resize(calculator->width(), twipsToPixels(*calculator, 2000));
        QVERIFY(!calculator->List1->isVisible());
        QVERIFY(!calculator->Command3->isVisible());
        calculator->ResetX_Click();
        QVERIFY(calculator->List1->isVisible());
        QVERIFY(calculator->Command3->isVisible());
    }

    // Each control is spoken by a name in the language in use; "C" is
    // spoken by what it does.
    void everyControlHasAScreenReaderName_data()
    {
        QTest::addColumn<QByteArray>("languageTexts");
        QTest::addColumn<QStringList>("names"); // TotX, Text1, Command1, Command2, List1, Command3
        QTest::newRow("built-in texts") << QByteArray()
                                        << QStringList {"Risultato", "Espressione", "<< Tabulo Sel. >>", "Cancella",
                                               "Cronologia", "Elimina Cronologia"};
        QTest::newRow("English") << QByteArray(
            "English_77=&Send to Note\r\nEnglish_78=Clear\r\nEnglish_80=Clear History\r\n"
            "English_358=Result\r\nEnglish_359=Expression\r\nEnglish_360=History\r\n")
                                 << QStringList {
                                        "Result", "Expression", "Send to Note", "Clear", "History", "Clear History"};
    }
    void everyControlHasAScreenReaderName()
    {
        QFETCH(QByteArray, languageTexts);
        QFETCH(QStringList, names);
        WindowFixture fixture({.dataFiles = englishTexts(languageTexts)});
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QVERIFY(calculator);
        QCOMPARE(unnamedControls(calculator), QString());
        QStringList spoken;
        for (QObject *control : std::initializer_list<QObject *> {calculator->TotX, calculator->Text1,
                 calculator->Command1, calculator->Command2, calculator->List1, calculator->Command3})
            spoken << accessibleName(control);
        QCOMPARE(spoken, names);
    }

    // Opening the main window's "File", "Menu" (also the editors' pop-up) or
    // "?" menu closes the calculator, which keeps its history.
    void openingAMainMenuClosesTheCalculator_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("File") << "FileX";
        QTest::newRow("Menu") << "Edit_X";
        QTest::newRow("?") << "InX";
    }
    void openingAMainMenuClosesTheCalculator()
    {
        QFETCH(QString, menu);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form7 *calculator = openCalculator(fixture.window());
        QTest::keyClicks(calculator->Text1, QStringLiteral("6*7"));
        QMenu *opened = fixture.window().menus().menu(menu);
        QVERIFY(opened);
        opened->popup(fixture.window().geometry().center());
        QTRY_VERIFY(!fixture.window().toolWindows().calculator());
        opened->close();
        QVERIFY(fixture.readDataFile(QStringLiteral("History.ini")).endsWith("6*7\r\n"));
    }

    // Opening the calculator again brings the open one forward with its
    // caption in the language chosen meanwhile.
    void aSecondOpeningFollowsTheLanguage()
    {
        WindowFixture fixture(WindowSetup {
            .dataFiles = {{"Lang.ini", "Italiano\r\n"}, {"Language.ini", "Deutsch_29=Taschenrechner\r\n"}}});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        Form7 *calculator = openCalculator(window);
        QCOMPARE(calculator->windowTitle(), QStringLiteral("Tabulo - Calcolatrice"));
        QTest::keyClicks(calculator->Text1, QStringLiteral("1+1"));
        QVERIFY(WindowFixture::writeFile(fixture.dataFile(QStringLiteral("Lang.ini")), "Deutsch\r\n"));
        window.language().applyLanguage();
        QCOMPARE(openCalculator(window), calculator);
        QCOMPARE(calculator->windowTitle(), QStringLiteral("Tabulo - Taschenrechner"));
        QCOMPARE(calculator->Text1->text(), QStringLiteral("1+1"));
    }

    void theQuitDialogClosesTheCalculator()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        openCalculator(fixture.window());
        fixture.window().close();
        QTRY_VERIFY(fixture.window().quitSequence().quitDialog());
        QVERIFY(!fixture.window().toolWindows().calculator());
        QVERIFY(fixture.dataFileExists(QStringLiteral("History.ini")));
        fixture.window().quitSequence().quitDialog()->Command3->click();
    }
};

QTEST_MAIN(Form7Test)
#include "tst_form7.moc"
