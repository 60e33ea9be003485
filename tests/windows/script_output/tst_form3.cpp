// The output window on the real main window: the run command, what the
// window shows, how it closes, stopping a script, the export of its output.
#include "tests/windows/main/window_test_support.h"
#include "windows/main/controls/note_editor.h"
#include "windows/script_editor/form8.h"
#include "windows/script_editor/script_text_edit.h"
#include "windows/script_output/form3.h"

#include <QPointer>
#include <QPushButton>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

// A note saved as "spese.txt" with `script` beside it as "spese.vb".
struct ScriptFixture : WindowFixture
{
    explicit ScriptFixture(const QByteArray &script, const QByteArray &note = "+1\r\n+2\r\n")
    {
        notePath = filePath(QStringLiteral("spese.txt"));
        scriptPath = filePath(QStringLiteral("spese.vb"));
        writeFile(notePath, note);
        if (!script.isNull())
            writeFile(scriptPath, script);
    }

    bool open() { return ready() && window().documents().openNoteFile(notePath) && waitForReset(); }
    void run() { window().action(QStringLiteral("EseguiScriptX"))->trigger(); }
    Form3 *output() { return window().scripts().scriptOutput(); }
    // The run is over and its output shown, or the window gone for want of it.
    bool runEnded()
    {
        return QTest::qWaitFor(
            [this] {
                Form3 *w = output();
                return !w || (!w->isRunning() && !w->Timer1.isActive() && !w->CloseVB.isActive());
            },
            15000);
    }
    QString shown() { return output() ? output()->Text1->toPlainText() : QString(); }

    QString notePath, scriptPath;
};

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT
private slots:
    void init() { useUnrelatedDefaultLocale(); }
    void theOutputIsShownWhileTheMainWindowWaits();
    void anOutputOfNothingOrSpacesClosesAtOnce_data();
    void anOutputOfNothingOrSpacesClosesAtOnce();
    void anErrorIsShownAfterTheOutputAndTheEditorGoesToItsLine();
    void escStopsARunawayScriptWithAMessage();
    void theCloseBoxStopsARunningScriptAndCloses();
    void aScriptChangeOfTheNoteIsUndoneInOneStep();
    void scriptsThatCannotRunAreRefused_data();
    void scriptsThatCannotRunAreRefused();
    void theHtmlButtonExportsTheOutputEscaped();
    void aScriptAsksThroughTheProgramsBoxes();
};

void Form3Test::theOutputIsShownWhileTheMainWindowWaits()
{
    ScriptFixture fixture("\r\nEcho.WriteLine \"ciao\"\r\n\r\nEcho.Write Text.SelStart\r\n");
    QVERIFY(fixture.open());
    fixture.run();
    QVERIFY(fixture.output());
    QVERIFY(!fixture.window().isEnabled());
    QVERIFY(fixture.output()->isEnabled());
    QVERIFY(fixture.output()->Command2->isEnabled());
    QCOMPARE(fixture.output()->windowTitle().left(16), QStringLiteral("Tabulo Script - "));
    QVERIFY(fixture.runEnded());
    Form3 *output = fixture.output();
    QVERIFY(output);
    QCOMPARE(output->windowTitle(), QStringLiteral("Tabulo Script - ") + fixture.window().windowTitle());
    // One more line end after the output, the caret after it. The note's
    // caret stood at its end.
    QCOMPARE(fixture.shown(), QStringLiteral("ciao\n6\n"));
    QCOMPARE(output->Text1->textCursor().position(), fixture.shown().size());
    QCOMPARE(output->Text1->font().family(), fixture.window().visibleEditor()->font().family());
    QCOMPARE(output->Text1->palette().color(QPalette::Base),
        fixture.window().visibleEditor()->palette().color(QPalette::Base));
    // The run file holds the script as read, empty lines included.
    QCOMPARE(fixture.readDataFile(QStringLiteral("TabuloScript.tmp")),
        QByteArray("\r\nEcho.WriteLine \"ciao\"\r\n\r\nEcho.Write Text.SelStart\r\n\r\n"));
    QVERIFY(!fixture.window().isEnabled());

    // The bottom strip reveals the export button.
    QVERIFY(!output->Picture1->isVisible());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(output->Picture2, &enter);
    QVERIFY(output->Picture1->isVisible());
    QCoreApplication::sendEvent(output->Text1, &enter);
    QVERIFY(!output->Picture1->isVisible());

    QPointer<Form3> gone(output);
    QTest::keyClick(output->Text1, Qt::Key_Escape);
    QTRY_VERIFY(!gone);
    QVERIFY(fixture.window().isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), fixture.window().visibleEditor());
    QVERIFY(!fixture.window().modi());
}

void Form3Test::anOutputOfNothingOrSpacesClosesAtOnce_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("writes nothing") << QByteArray("x = 1\r\n");
    QTest::newRow("writes only spaces") << QByteArray("Echo = \"    \"\r\n");
    QTest::newRow("fails to compile before writing") << QByteArray("If Then\r\n");
}

void Form3Test::anOutputOfNothingOrSpacesClosesAtOnce()
{
    QFETCH(QByteArray, script);
    ScriptFixture fixture(script);
    QVERIFY(fixture.open());
    fixture.run();
    QPointer<Form3> output(fixture.output());
    QVERIFY(output);
    QVERIFY(fixture.runEnded());
    if (QTest::currentDataTag() == QByteArray("fails to compile before writing")) {
        // An error is output too: the window stays to show it.
        QVERIFY(output);
        QVERIFY2(fixture.shown().startsWith(QStringLiteral("Errore 1")), qPrintable(fixture.shown()));
        output->close();
    }
    QTRY_VERIFY(!output);
    QVERIFY(fixture.window().isEnabled());
}

void Form3Test::anErrorIsShownAfterTheOutputAndTheEditorGoesToItsLine()
{
    // The empty lines are left out of the run, but the error names the
    // file's line, as the editor counts them.
    ScriptFixture fixture("Echo.Write \"prima\"\r\n\r\n' a comment\r\n\r\n  x = 1 / 0\r\n");
    QVERIFY(fixture.open());
    fixture.window().action(QStringLiteral("InserisciScriptX"))->trigger();
    Form8 *editor = fixture.window().scripts().scriptEditor();
    QVERIFY(editor);
    fixture.run();
    QVERIFY(fixture.runEnded());
    QVERIFY(fixture.output());
    // The description is the language's, not the interpreter's English.
    QCOMPARE(fixture.shown(), QStringLiteral("prima\nErrore 11 alla riga 5, colonna 3: Divisione per zero\n"));
    QCOMPARE(editor->Text1->textCursor().blockNumber(), 4);
    fixture.output()->close();
    // Closed is over, even before the window is deleted: F5 may run again.
    QVERIFY(!fixture.window().scripts().scriptOutput());
    QTRY_VERIFY(fixture.window().isEnabled());
    editor->close();
}

void Form3Test::escStopsARunawayScriptWithAMessage()
{
    ScriptFixture fixture("Echo.WriteLine \"start\"\r\nOn Error Resume Next\r\nDo : i = i + 1 : Loop\r\n");
    QVERIFY(fixture.open());
    fixture.run();
    QPointer<Form3> output(fixture.output());
    QVERIFY(output);
    QElapsedTimer clock;
    clock.start();
    // The window still takes keys while the script runs.
    bool wasRunning = false;
    QTimer::singleShot(600, output, [&] {
        wasRunning = output->isRunning();
        QTest::keyClick(output->Text1, Qt::Key_Escape);
    });
    QVERIFY(fixture.runEnded());
    QVERIFY(wasRunning);
    QVERIFY(clock.elapsed() < 5000); // well before the ten-second limit
    QVERIFY(output);
    // A plain sentence: the number of a stop means nothing to the user.
    QCOMPARE(fixture.shown(), QStringLiteral("start\nScript interrotto con Esc.\n"));
    QVERIFY(!fixture.window().isEnabled());
    QTest::keyClick(output->Text1, Qt::Key_Escape);
    QTRY_VERIFY(!output);
    QVERIFY(fixture.window().isEnabled());
}

void Form3Test::theCloseBoxStopsARunningScriptAndCloses()
{
    ScriptFixture fixture("Do : Text.SelStart = 0 : Loop\r\n");
    QVERIFY(fixture.open());
    const QString note = fixture.window().noteText();
    fixture.run();
    QPointer<Form3> output(fixture.output());
    bool wasRunning = false;
    QTimer::singleShot(600, output, [&] {
        wasRunning = output->isRunning();
        output->close();
        // A quit asked for while the script runs waits for it, whether from
        // the close box or from the tray menu's "Esci da Tabulo".
        fixture.window().close();
        fixture.window().quitSequence().onQuit_Timer();
    });
    QTRY_VERIFY_WITH_TIMEOUT(!output, 5000);
    QVERIFY(wasRunning);
    QVERIFY(fixture.window().isEnabled());
    QCOMPARE(fixture.window().noteText(), note);
    QVERIFY(!fixture.hasQuit());
    QVERIFY(
        !fixture.window().quitSequence().quitDialog() || !fixture.window().quitSequence().quitDialog()->isVisible());
}

void Form3Test::aScriptChangeOfTheNoteIsUndoneInOneStep()
{
    ScriptFixture fixture("Text = Text & vbCrLf & \"+5\" : Echo = \"fatto\"\r\n");
    QVERIFY(fixture.open());
    const QString before = fixture.window().noteText();
    fixture.run();
    QVERIFY(fixture.runEnded());
    QCOMPARE(fixture.window().noteText(), before + QStringLiteral("\r\n+5"));
    QCOMPARE(fixture.window().session().totX(), QStringLiteral("8"));
    QCOMPARE(fixture.window().visibleEditor()->toPlainText(), QStringLiteral("+1\n+2\n+5"));
    fixture.output()->close();
    QTRY_VERIFY(fixture.window().isEnabled());
    // The change stays recorded and unsaved after the window has gone.
    QTest::qWait(300);
    QVERIFY(fixture.window().modi());
    fixture.window().noteView().AnnullaX_Click();
    QCOMPARE(fixture.window().noteText(), before);
    QCOMPARE(fixture.window().session().totX(), QStringLiteral("3"));
}

void Form3Test::scriptsThatCannotRunAreRefused_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("runs");
    const QByteArray comment = "'" + QByteArray(32764, 'x') + "\r\n";
    QTest::newRow("32767 bytes run") << comment << true;
    QTest::newRow("32768 bytes do not") << comment + " " << false;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("binary") << QByteArray("Echo\0 1", 7) << false;
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe"
                                          "E\0c\0h\0o\0",
        10) << false;
}

void Form3Test::scriptsThatCannotRunAreRefused()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, runs);
    ScriptFixture fixture(script);
    QVERIFY(fixture.open());
    const QByteArray note = WindowFixture::readFile(fixture.notePath);
    fixture.run();
    if (runs) {
        QVERIFY(fixture.output());
        QVERIFY(fixture.runEnded());
        QTRY_VERIFY(!fixture.output());
        QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Warning), 0);
    } else {
        QVERIFY(!fixture.output());
        QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Warning), 1);
        QCOMPARE(fixture.prompts.shown().constLast().text, fixture.window().languageText(92));
    }
    QVERIFY(fixture.window().isEnabled());
    QCOMPARE(WindowFixture::readFile(fixture.notePath), note);
}

void Form3Test::theHtmlButtonExportsTheOutputEscaped()
{
    ScriptFixture fixture("Echo.Write \"<b>Tom  &  Jerry</b>\"\r\n");
    QVERIFY(fixture.open());
    fixture.run();
    QVERIFY(fixture.runEnded());
    Form3 *output = fixture.output();
    QVERIFY(output);
    output->Command2_Click();
    const QString page = fixture.programFolder() + QStringLiteral("/Output.htm");
    const QByteArray html = WindowFixture::readFile(page);
    QVERIFY2(html.contains("&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;<br />"), html.constData());
    QVERIFY(html.contains("</head>\r\n<body>\r\n<body bgcolor='"));
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Information), 1);
    QVERIFY(fixture.desktop.requests.contains(QStringLiteral("open ") + page));
    output->close();
    QTRY_VERIFY(fixture.window().isEnabled());
}

void Form3Test::aScriptAsksThroughTheProgramsBoxes()
{
    ScriptFixture fixture("a = MsgBox(\"Save?\", vbYesNo + vbQuestion, \"Budget\")\r\n"
                          "b = InputBox(\"Rate\", \"VAT\", \"22\")\r\n"
                          "Echo.Write a & \"|\" & b\r\n");
    QVERIFY(fixture.open());
    fixture.prompts.queueScriptAnswer(7);
    fixture.prompts.queueTextInput(QStringLiteral("10"));
    fixture.run();
    QVERIFY(fixture.runEnded());
    QCOMPARE(fixture.shown(), QStringLiteral("7|10\n"));
    QCOMPARE(fixture.prompts.shown().at(fixture.prompts.shown().size() - 2).text, QStringLiteral("Budget|Save?|36"));
    fixture.output()->close();
    QTRY_VERIFY(fixture.window().isEnabled());
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
