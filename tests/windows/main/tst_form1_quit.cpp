// Leaving the program: the quit dialog, the save-changes question, saving
// the note and the settings files written for the next start.

#include "tests/windows/main/window_test_support.h"
#include "windows/note_dialogs/note_file_dialog.h"

#include <QDir>

#include "core/files/text_codec.h"

#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)
Q_DECLARE_METATYPE(tabulo::Prompts::Answer)

namespace {

const QStringList settingsFiles
    = {"LastFile.ini", "Bar.ini", "Scroll.ini", "Column.ini", "TabuloStart.ini", "TabuloStartForTOT.ini"};

// A path whose folder is a plain file: no one can write there, root included.
QString unwritablePath(const QTemporaryDir &folder, const QString &name)
{
    const QString blocker = folder.filePath(QStringLiteral("blocked"));
    WindowFixture::writeFile(blocker, "a file, not a folder");
    return blocker + QLatin1Char('/') + name;
}

// The settings files found in the Data folder, expected to be none.
QStringList settingsWritten(const WindowFixture &fixture)
{
    QStringList written;
    std::copy_if(settingsFiles.begin(), settingsFiles.end(), std::back_inserter(written),
        [&](const QString &name) { return fixture.dataFileExists(name); });
    return written;
}

// Closes the window the way the title bar's close box does; the quit dialog
// it opens, once on screen, or nothing.
Form6 *closeIntoQuitDialog(Form1 &window)
{
    window.close();
    Form6 *dialog = window.quitSequence().quitDialog();
    return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
}

} // namespace

class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void quitWithoutChangesWritesTheSettings_data();
    void quitWithoutChangesWritesTheSettings();
    void quitRecordsTheViewAsShown_data();
    void quitRecordsTheViewAsShown();
    void placementWrittenAtQuitRestoresTheWindow();
    void quitWithChangesAsksFirst_data();
    void quitWithChangesAsksFirst();
    void failedSaveAtQuitKeepsTheProgramAndTheChanges();
    void quitWithChangesInAnUntitledNoteAsksForAName_data();
    void quitWithChangesInAnUntitledNoteAsksForAName();
    void quitReportsSettingsThatCouldNotBeWritten();

    void saveWritesTheNoteAndClearsTheChangedMark();
    void failedSaveKeepsTheChangedMarkAndTheHistory();
    void saveKeepsEveryCharacterOfTheNote_data();
    void saveKeepsEveryCharacterOfTheNote();

    void closingTheWindowOpensTheQuitDialog();
    void leavingTheQuitDialogReturnsToTheEditor_data();
    void leavingTheQuitDialogReturnsToTheEditor();
    void quitDialogOffersNoMinimiseOrMaximise();
    void aDialogThatDisablesTheWindowNeverLeavesItOutOfReach_data();
    void aDialogThatDisablesTheWindowNeverLeavesItOutOfReach();
    void quitButtonOfTheDialogQuits();
    void trayButtonOfTheDialogKeepsTheProgramReachable();
};

void QuitTest::quitWithoutChangesWritesTheSettings_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<QByteArray>("launcherFile");
    QTest::newRow("totals at bottom") << LayoutVariant::TotalsAtBottom << QByteArray("\"2\"\r\n");
    QTest::newRow("total at top") << LayoutVariant::TotalAtTop << QByteArray("\"1\"\r\n");
}

void QuitTest::quitWithoutChangesWritesTheSettings()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(QByteArray, launcherFile);
    const QStringList workingFiles = {"Temp.cal", "Temp2.cal", "Temp.txt", "TabuloScript.tmp", "TempVb.ini"};
    WindowSetup setup {.variant = variant};
    for (const QString &name : workingFiles)
        setup.dataFiles.append({name, "left over"});
    WindowFixture fixture(setup);
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());

    QCOMPARE(fixture.prompts.shown().size(), 0);
    QCOMPARE(fixture.readDataFile("LastFile.ini"), encodeText(window.windowTitle() + "\r\n"));
    QCOMPARE(fixture.readDataFile("Bar.ini"), QByteArray("1\r\n"));
    QCOMPARE(fixture.readDataFile("Scroll.ini"), QByteArray("0\r\n"));
    QCOMPARE(fixture.readDataFile("TabuloStartForTOT.ini"), launcherFile);

    const QByteArray placement = fixture.readDataFile("TabuloStart.ini");
    QVERIFY(placement.endsWith("\r\n"));
    const QList<QByteArray> fields = placement.trimmed().split(',');
    QCOMPARE(fields.size(), 5);
    for (const QByteArray &field : fields) {
        bool isNumber = false;
        field.toDouble(&isNumber);
        QVERIFY2(isNumber, field.constData());
    }
    QCOMPARE(fields[4], QByteArray("0"));

    for (const QString &name : workingFiles)
        QVERIFY2(!fixture.dataFileExists(name), qPrintable(name));
}

void QuitTest::quitRecordsTheViewAsShown_data()
{
    QTest::addColumn<QByteArray>("barIni");
    QTest::addColumn<QByteArray>("scrollIni");
    QTest::newRow("toolbar shown, wrapping editor") << QByteArray("0\r\n") << QByteArray("1\r\n");
    QTest::newRow("toolbar hidden, scrolling editor") << QByteArray("1\r\n") << QByteArray("0\r\n");
}

void QuitTest::quitRecordsTheViewAsShown()
{
    QFETCH(QByteArray, barIni);
    QFETCH(QByteArray, scrollIni);
    WindowFixture fixture({.dataFiles = {{"Bar.ini", barIni}, {"Scroll.ini", scrollIni}}});
    QVERIFY(fixture.ready());
    fixture.window().action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(fixture.readDataFile("Bar.ini"), barIni);
    QCOMPARE(fixture.readDataFile("Scroll.ini"), scrollIni);
}

void QuitTest::placementWrittenAtQuitRestoresTheWindow()
{
    QByteArray placement;
    QRect frameAtQuit;
    {
        WindowFixture first;
        QVERIFY(first.ready());
        first.window().move(60, 40);
        first.window().resize(520, 380);
        QTRY_COMPARE(first.window().frameGeometry().topLeft(), QPoint(60, 40));
        frameAtQuit = first.window().frameGeometry();
        first.window().action("QuitX")->trigger();
        QTRY_VERIFY(first.hasQuit());
        placement = first.readDataFile("TabuloStart.ini");
    }
    WindowFixture second({.dataFiles = {{"TabuloStart.ini", placement}}});
    QVERIFY(second.ready());
    QTRY_COMPARE(second.window().frameGeometry(), frameAtQuit);
}

void QuitTest::quitWithChangesAsksFirst_data()
{
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<bool>("quits");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes saves and quits") << Prompts::Answer::Yes << true << true;
    QTest::newRow("No quits without saving") << Prompts::Answer::No << true << false;
    QTest::newRow("Cancel keeps running") << Prompts::Answer::Cancel << false << false;
}

void QuitTest::quitWithChangesAsksFirst()
{
    QFETCH(Prompts::Answer, answer);
    QFETCH(bool, quits);
    QFETCH(bool, saved);
    QTemporaryDir notes;
    const QString path = notes.filePath("budget.txt");
    QVERIFY(WindowFixture::writeFile(path, "+1\r\n"));
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.visibleEditor()->moveCaretToEnd();
    typeIntoNote(window, "\n+2");

    fixture.prompts.queueAnswer(answer);
    window.action("QuitX")->trigger();
    QTRY_COMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Question), 1);
    QTRY_COMPARE(fixture.hasQuit(), quits);
    QCOMPARE(fixture.readFile(path), saved ? QByteArray("+1\r\n+2\r\n") : QByteArray("+1\r\n"));
    QCOMPARE(fixture.readDataFile("LastFile.ini"), quits ? encodeText(path + "\r\n") : QByteArray());
    if (!quits) {
        QCOMPARE(settingsWritten(fixture), QStringList());
        QCOMPARE(window.noteText(), QStringLiteral("+1\r\n+2"));
        QVERIFY(window.modi());
    }
}

void QuitTest::failedSaveAtQuitKeepsTheProgramAndTheChanges()
{
    QTemporaryDir notes;
    const QString path = unwritablePath(notes, "note.txt");
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.windowTitle(), path);
    typeIntoNote(window, "+7");

    fixture.prompts.queueAnswer(Prompts::Answer::Yes);
    window.action("QuitX")->trigger();
    QTRY_COMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Error), 1);
    QCOMPARE(fixture.prompts.takeErrors().size(), 1);
    QVERIFY(!fixture.hasQuit());
    QCOMPARE(settingsWritten(fixture), QStringList());
    QVERIFY(window.modi());
    QVERIFY(!window.session().NuovoFileInUscita);
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), QStringLiteral("+"));

    // A later quit asks again and can still leave without saving.
    fixture.prompts.queueAnswer(Prompts::Answer::No);
    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
}

void QuitTest::quitWithChangesInAnUntitledNoteAsksForAName_data()
{
    QTest::addColumn<QString>("chosenName"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<bool>("quits");
    QTest::newRow("name chosen") << QStringLiteral("saved") << false << true;
    QTest::newRow("dialog cancelled") << QString() << false << false;
    QTest::newRow("name in an unwritable folder") << QStringLiteral("saved") << true << false;
}

void QuitTest::quitWithChangesInAnUntitledNoteAsksForAName()
{
    QFETCH(QString, chosenName);
    QFETCH(bool, blocked);
    QFETCH(bool, quits);
    QTemporaryDir notes;
    const QString folder = notes.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(folder));
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    QVERIFY(fixture.rememberFolder(folder));
    Form1 &window = fixture.window();
    typeIntoNote(window, "+3");

    fixture.prompts.queueAnswer(Prompts::Answer::Yes);
    window.action("QuitX")->trigger();
    QVERIFY(fixture.saveDialog());
    QVERIFY(!window.isEnabled());
    if (blocked) {
        // The folder goes away while the dialog shows it.
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(WindowFixture::writeFile(folder, "a file, not a folder"));
    }
    QVERIFY(fixture.answerSaveDialog(chosenName.isEmpty() ? std::nullopt : std::optional(chosenName)));
    if (blocked) {
        QCOMPARE(fixture.prompts.takeErrors().size(), 1);
        QVERIFY(fixture.answerSaveDialog(std::nullopt)); // the user gives up
    }
    QTRY_COMPARE(fixture.hasQuit(), quits);
    if (quits) {
        QCOMPARE(fixture.readFile(folder + "/" + chosenName + ".txt"), encodeText(StartUp::startHeader() + "+3\r\n"));
        // Quitting through the save leaves the previous settings alone.
        QCOMPARE(settingsWritten(fixture), QStringList());
    } else {
        QVERIFY(window.modi());
        QVERIFY(window.isEnabled());
        QVERIFY(!window.session().NuovoFileInUscita);
        QVERIFY(window.isUntitled());
        QCOMPARE(settingsWritten(fixture), QStringList());
    }
}

void QuitTest::quitReportsSettingsThatCouldNotBeWritten()
{
    WindowFixture fixture({.data = DataFolder::Blocked});
    QVERIFY(fixture.ready());
    fixture.window().action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(fixture.prompts.takeErrors().size(), 1);
}

void QuitTest::saveWritesTheNoteAndClearsTheChangedMark()
{
    QTemporaryDir notes;
    const QString path = notes.filePath("note.txt");
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, "+1\n\n");

    window.action("SaveX")->trigger();
    QCOMPARE(fixture.readFile(path), QByteArray("+1\r\n\r\n\r\n"));
    QVERIFY(fixture.waitForReset());
    QVERIFY(!window.modi());
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Ok"));
}

void QuitTest::failedSaveKeepsTheChangedMarkAndTheHistory()
{
    QTemporaryDir notes;
    const QString path = unwritablePath(notes, "note.txt");
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, "+12");

    window.action("SaveX")->trigger();
    QCOMPARE(fixture.prompts.takeErrors().size(), 1);
    QTest::qWait(150); // longer than the history reset would take
    QVERIFY(window.modi());
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Modificato"));
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), QStringLiteral("+1"));
}

void QuitTest::saveKeepsEveryCharacterOfTheNote_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::newRow("non-breaking spaces") << QByteArray("+1\xc2\xa0"
                                                       "000 rent\r\nA\xc2\xa0"
                                                       "B\r\n");
    QTest::newRow("tabs and trailing blanks") << QByteArray("\t+1 \t\r\n  \r\n");
    QTest::newRow("Unicode line separator") << QByteArray("+1 a\xe2\x80\xa8"
                                                          "b\r\n");
}

void QuitTest::saveKeepsEveryCharacterOfTheNote()
{
    QFETCH(QByteArray, fileBytes);
    QTemporaryDir notes;
    const QString path = notes.filePath("note.txt");
    QVERIFY(WindowFixture::writeFile(path, fileBytes));
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.visibleEditor()->moveCaretToEnd();
    typeIntoNote(window, "\n+2");

    window.action("SaveX")->trigger();
    QCOMPARE(fixture.readFile(path), fileBytes + "+2\r\n");
}

void QuitTest::closingTheWindowOpensTheQuitDialog()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    Form6 *dialog = closeIntoQuitDialog(window);
    QVERIFY(dialog);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isEnabled());
    for (QToolButton *button : {dialog->Command1, dialog->Command2, dialog->Command3}) {
        QVERIFY(button->isVisible());
        QVERIFY(!button->text().isEmpty());
    }
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tabulo"));
    // The timers keep running behind the dialog.
    QVERIFY(window.clock().isTicking());
}

void QuitTest::leavingTheQuitDialogReturnsToTheEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("scrollIni");
    QTest::newRow("Esc, scrolling editor") << "Esc" << QByteArray("0\r\n");
    QTest::newRow("Esc, wrapping editor") << "Esc" << QByteArray("1\r\n");
    QTest::newRow("Cancel button") << "Command3" << QByteArray("0\r\n");
    QTest::newRow("close box") << "close" << QByteArray("1\r\n");
}

void QuitTest::leavingTheQuitDialogReturnsToTheEditor()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, scrollIni);
    WindowFixture fixture({.dataFiles = {{"Scroll.ini", scrollIni}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    // Twice: a second close must open the dialog again.
    for (int round = 0; round < 2; ++round) {
        QPointer<Form6> dialog = closeIntoQuitDialog(window);
        QVERIFY(dialog);
        if (how == "Esc")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "Command3")
            QTest::mouseClick(dialog->Command3, Qt::LeftButton);
        else
            dialog->close();
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QVERIFY(window.isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), window.visibleEditor());
        QVERIFY(!fixture.hasQuit());
    }
    QVERIFY(!fixture.dataFileExists("LastFile.ini"));
    // Back in the editor, typing works as before.
    typeIntoNote(window, "+1");
    QCOMPARE(window.text2()->text(), QStringLiteral("1"));
}

void QuitTest::quitDialogOffersNoMinimiseOrMaximise()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form6 *dialog = closeIntoQuitDialog(fixture.window());
    QVERIFY(dialog);
    const Qt::WindowFlags flags = dialog->windowFlags();
    // Hints of our own choosing, not the window system's defaults.
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
}

void QuitTest::aDialogThatDisablesTheWindowNeverLeavesItOutOfReach_data()
{
    QTest::addColumn<QString>("dialog"); // the quit dialog, or the command that opens a note dialog
    QTest::addColumn<QString>("how");
    for (const char *dialog : {"quit", "Load_Calc", "Save_Calc"}) {
        for (const char *how : {"hidden", "destroyed", "minimised"})
            QTest::addRow("%s, %s", dialog, how) << QString::fromLatin1(dialog) << QString::fromLatin1(how);
    }
}

void QuitTest::aDialogThatDisablesTheWindowNeverLeavesItOutOfReach()
{
    QFETCH(QString, dialog);
    QFETCH(QString, how);
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QPointer<QWidget> shown;
    if (dialog == QLatin1String("quit")) {
        shown = closeIntoQuitDialog(window);
    } else {
        window.action(dialog)->trigger();
        QTRY_VERIFY((shown = window.findChild<NoteFileDialog *>()) != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
    }
    QVERIFY(shown);
    QVERIFY(!window.isEnabled());
    QVERIFY(shown->isEnabled());

    if (how == QLatin1String("hidden")) {
        shown->hide();
    } else if (how == QLatin1String("destroyed")) {
        delete shown;
    } else {
        // A window manager may minimise it whatever its buttons: it comes
        // back at once, the window still disabled behind it, and leaving it
        // then enables the window as ever.
        shown->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!shown->isMinimized());
        QVERIFY(shown->isVisible());
        QVERIFY(!window.isEnabled());
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_VERIFY(!shown || !shown->isVisible());
    }
    QVERIFY(window.isEnabled());
    // The menus and keys work again: F12 (the quit) answers.
    QVERIFY(window.action("QuitX")->isEnabled());
    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
}

void QuitTest::quitButtonOfTheDialogQuits()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    Form6 *dialog = closeIntoQuitDialog(window);
    QVERIFY(dialog);
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QTRY_VERIFY(fixture.hasQuit());
    QVERIFY(fixture.dataFileExists("LastFile.ini"));
    QTRY_VERIFY(!window.quitSequence().quitDialog() || !window.quitSequence().quitDialog()->isVisible());
}

void QuitTest::trayButtonOfTheDialogKeepsTheProgramReachable()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    Form6 *dialog = closeIntoQuitDialog(window);
    QVERIFY(dialog);
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);
    QTRY_VERIFY(window.isMinimized());
    QVERIFY(window.isEnabled());
    QVERIFY(!fixture.hasQuit());
    QVERIFY(!fixture.dataFileExists("LastFile.ini"));
}

QTEST_MAIN(QuitTest)
#include "tst_form1_quit.moc"
