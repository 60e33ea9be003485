// The script editor on the real main window: "Inserisci Script..." opens
// it only on a note whose file has a script beside it, it loads and saves
// that script, asks before changes are lost, and never writes anywhere but
// the file it loaded.

#include "core/language/language_keys.h"
#include "tests/core/file_bytes.h"
#include "tests/ui/accessibility/accessible_controls.h"
#include "tests/windows/main/window_test_support.h"
#include "windows/script_editor/form8.h"
#include "windows/script_editor/script_text_edit.h"
#include "windows/script_editor/vbscript_highlighter.h"

#include <QLineEdit>
#include <QScreen>

using namespace tabulo;
using namespace tabulo::testing;
using tabulo::test::missingFile;
using Kind = ScriptedPrompts::Kind;
using Answer = Prompts::Answer;

namespace {

// Writes a note file beside the program and makes it the window's note.
QString openNote(WindowFixture &fixture, const QString &name, const QByteArray &bytes = "+1\r\n")
{
    const QString path = fixture.filePath(name);
    if (!WindowFixture::writeFile(path, bytes) || !fixture.window().documents().openNoteFile(path)
        || !fixture.waitForReset())
        return {};
    return path;
}

// The editor the command opened (or brought forward), once it is the
// active window and so receives the keys.
Form8 *openEditor(Form1 &window)
{
    window.action(QStringLiteral("InserisciScriptX"))->trigger();
    Form8 *editor = window.scripts().scriptEditor();
    return editor && QTest::qWaitForWindowActive(editor) ? editor : nullptr;
}

// Every file below the program folder but the Data folder, with its bytes.
// The note "Casa.txt" saved with `script` beside it as "Casa.vb", and the
// editor opened on that script; nothing when a step failed.
Form8 *openEditorOnCasa(WindowFixture &fixture, const QByteArray &script)
{
    if (openNote(fixture, QStringLiteral("Casa.txt")).isEmpty()
        || !WindowFixture::writeFile(fixture.filePath(QStringLiteral("Casa.vb")), script))
        return nullptr;
    return openEditor(fixture.window());
}

QMap<QString, QByteArray> filesBeside(const WindowFixture &fixture)
{
    QMap<QString, QByteArray> files;
    const QDir folder(fixture.programFolder());
    for (const QFileInfo &entry : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.fileName() != QLatin1String("Data"))
            files.insert(
                entry.fileName(), entry.isDir() ? QByteArray("<folder>") : WindowFixture::readFile(entry.filePath()));
    }
    return files;
}

// Types at the end of the script; "\n" presses Return.
void typeAtEnd(Form8 *editor, const QString &text)
{
    editor->Text1->moveCursor(QTextCursor::End);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor->Text1, Qt::Key_Return);
        QTest::keyClicks(editor->Text1, lines[i]);
    }
}

} // namespace

class Form8Test : public QObject
{
    Q_OBJECT
private slots:
    void init() { useUnrelatedDefaultLocale(); }
    void theCommandNeedsANoteWithAScriptBesideIt_data();
    void theCommandNeedsANoteWithAScriptBesideIt();
    void opensOnTheNotesScript_data();
    void opensOnTheNotesScript();
    void opensBesideTheMainWindowAndOnScreen();
    void aScriptThatCannotBeShownIsNotOpened_data();
    void aScriptThatCannotBeShownIsNotOpened();
    void closingAChangedScriptAsks_data();
    void closingAChangedScriptAsks();
    void closingAnUnchangedScriptAsksNothing();
    void aFailedSaveKeepsTheWindowAndTheText();
    void ctrlSSavesAndKeepsTheWindowOpen();
    void aSecondOpeningBringsItForwardWithoutReloading();
    void anotherNotesCommandOpensItsScript_data();
    void anotherNotesCommandOpensItsScript();
    void savesToTheScriptItLoaded_data();
    void savesToTheScriptItLoaded();
    void takesTheThemesColours();
    void showsWhereAScriptStopped_data();
    void showsWhereAScriptStopped();
    void quittingAsksAboutTheScriptFirst_data();
    void quittingAsksAboutTheScriptFirst();
    void theScriptIsNamedInTheLanguageInUse_data();
    void theScriptIsNamedInTheLanguageInUse();
};

void Form8Test::theCommandNeedsANoteWithAScriptBesideIt_data()
{
    QTest::addColumn<QString>("note"); // empty: a note without a file
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("message");

    QTest::newRow("no file, menu") << ""
                                   << "menu" << 91;
    QTest::newRow("no file, toolbar") << ""
                                      << "toolbar" << 91;
    QTest::newRow("no file, F4") << ""
                                 << "key" << 91;
    QTest::newRow("a name without .txt, menu") << "Casa.TXt"
                                               << "menu" << 92;
    QTest::newRow("a name without .txt, F4") << "notes"
                                             << "key" << 92;
}

void Form8Test::theCommandNeedsANoteWithAScriptBesideIt()
{
    QFETCH(QString, note);
    QFETCH(QString, how);
    QFETCH(int, message);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    if (!note.isEmpty())
        QVERIFY(!openNote(fixture, note, "+1 note\r\n").isEmpty());
    const QMap<QString, QByteArray> before = filesBeside(fixture);

    if (how == QLatin1String("menu"))
        window.action(QStringLiteral("InserisciScriptX"))->trigger();
    else if (how == QLatin1String("toolbar"))
        window.windowLayout().tool_Click(3);
    else
        QTest::keyClick(&window, Qt::Key_F4);

    QCOMPARE(fixture.prompts.shown().size(), 1);
    QCOMPARE(fixture.prompts.shown().constFirst().kind, Kind::Warning);
    QCOMPARE(fixture.prompts.shown().constFirst().text, window.languageText(message));
    QVERIFY(!window.scripts().scriptEditor());
    // Nothing was read as a script, and nothing written or deleted.
    QCOMPARE(filesBeside(fixture), before);
}

void Form8Test::opensOnTheNotesScript_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no script yet") << missingFile << "";
    QTest::newRow("saved line end removed") << QByteArray("Echo 1\r\nEcho 2\r\n") << "Echo 1\nEcho 2";
    QTest::newRow("an empty last line stays") << QByteArray("Echo 1\r\n\r\n") << "Echo 1\n";
    QTest::newRow("LF line ends") << QByteArray("a = 1\nb = 2\n") << "a = 1\nb = 2";
    QTest::newRow("Windows-1252") << QByteArray("' caff\xE8\r\n") << "' caff\u00e8";
}

void Form8Test::opensOnTheNotesScript()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, shown);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.Txt")).isEmpty());
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    if (script != missingFile)
        QVERIFY(WindowFixture::writeFile(scriptPath, script));

    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QCOMPARE(editor->Text1->toPlainText(), shown);
    QCOMPARE(editor->isModified(), false);
    QCOMPARE(editor->scriptPath(), scriptPath);
    QVERIFY(editor->windowTitle().startsWith(QLatin1String("Tabulo Script & VbScript")));
    QCOMPARE(editor->MSG1->text(), window.languageText(93));
    QVERIFY(!editor->MSG1->isVisible());
    QCOMPARE(editor->Text1->lineWrapMode(), QPlainTextEdit::NoWrap);
    // Not modal: the note stays at hand.
    QVERIFY(!editor->isModal());
    QVERIFY(window.isEnabled());
    QCOMPARE(editor->Text1->font().family(), window.text1()->font().family());
    QCOMPARE(editor->Text1->font().pointSizeF(), window.text1()->font().pointSizeF());
    QCOMPARE(editor->Text1->palette().color(QPalette::Base), window.text1()->palette().color(QPalette::Base));
    QCOMPARE(editor->Text1->palette().color(QPalette::Text), window.text1()->palette().color(QPalette::Text));
    QCOMPARE(fixture.prompts.shown().size(), 0);
    QCOMPARE(fixture.readFile(scriptPath), script == missingFile ? QByteArray() : script); // opening writes nothing
    QCOMPARE(QFile::exists(scriptPath), script != missingFile);
}

void Form8Test::opensBesideTheMainWindowAndOnScreen()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    const QRect available = window.screen()->availableGeometry();
    window.setGeometry(QRect(available.topLeft() + QPoint(30, 40), QSize(480, 360)));
    QTRY_COMPARE(window.size(), QSize(480, 360));

    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    const int offset = twipsToPixels(window, 300);
    QTRY_COMPARE(editor->frameGeometry().topLeft(), window.frameGeometry().topLeft() + QPoint(offset, offset));
    QCOMPARE(editor->size(), window.size());
    QVERIFY(editor->close());

    // A main window in the corner of the screen: the editor stays on it.
    window.move(available.bottomRight() - QPoint(window.frameGeometry().width(), window.frameGeometry().height()));
    editor = openEditor(window);
    QVERIFY(editor);
    QTRY_VERIFY(available.contains(editor->frameGeometry()));
}

void Form8Test::aScriptThatCannotBeShownIsNotOpened_data()
{
    QTest::addColumn<QByteArray>("script"); // "<folder>": a folder in its place

    QTest::newRow("binary data") << QByteArray("Echo 1\r\n\0\x01\x02", 11);
    QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE"
                                               "E\0c\0h\0o\0",
        10);
    QTest::newRow("a folder in its place") << QByteArray("<folder>");
}

void Form8Test::aScriptThatCannotBeShownIsNotOpened()
{
    QFETCH(QByteArray, script);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    if (script == "<folder>")
        QVERIFY(QDir().mkpath(scriptPath));
    else
        QVERIFY(WindowFixture::writeFile(scriptPath, script));
    const QMap<QString, QByteArray> before = filesBeside(fixture);

    QVERIFY(!openEditor(window));
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    const QString message = window.languageText(LanguageKeys::cannotEditScript);
    QVERIFY2(errors[0].startsWith(message.left(message.indexOf(QLatin1String("%1")))), qPrintable(errors[0]));
    QVERIFY(errors[0].contains(scriptPath));
    QCOMPARE(filesBeside(fixture), before);
}

void Form8Test::closingAChangedScriptAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("emptied"); // the user deleted the whole script
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("yes saves") << int(Answer::Yes) << false << false << QByteArray("Echo 1\r\nEcho 2\r\n");
    QTest::newRow("no discards") << int(Answer::No) << false << false << QByteArray("Echo 1\r\n");
    QTest::newRow("cancel keeps the window") << int(Answer::Cancel) << false << true << QByteArray("Echo 1\r\n");
    QTest::newRow("yes on an empty script deletes it") << int(Answer::Yes) << true << false << missingFile;
}

void Form8Test::closingAChangedScriptAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, emptied);
    QFETCH(bool, stillOpen);
    QFETCH(QByteArray, file);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    Form8 *editor = openEditorOnCasa(fixture, "Echo 1\r\n");
    QVERIFY(editor);
    if (emptied) {
        editor->Text1->selectAll();
        QTest::keyClick(editor->Text1, Qt::Key_Delete);
    } else {
        typeAtEnd(editor, QStringLiteral("\nEcho 2"));
    }
    QVERIFY(editor->isModified());

    fixture.prompts.queueAnswer(Answer(answer));
    QTest::keyClick(editor->Text1, Qt::Key_Escape);
    QCOMPARE(fixture.prompts.shown().size(), 1);
    QCOMPARE(fixture.prompts.shown().constFirst().kind, Kind::Question);
    QCOMPARE(fixture.prompts.shown().constFirst().text, window.languageText(93));
    QCOMPARE(tabulo::test::readBytes(scriptPath), file);
    if (stillOpen) {
        QVERIFY(window.scripts().scriptEditor());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("Echo 1\nEcho 2"));
        QVERIFY(editor->isModified());
    } else {
        QTRY_VERIFY(!window.scripts().scriptEditor());
    }
}

void Form8Test::closingAnUnchangedScriptAsksNothing()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    QVERIFY(WindowFixture::writeFile(fixture.filePath(QStringLiteral("Casa.vb")), "Echo 1\r\n"));

    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    QTest::keyClick(editor->Text1, Qt::Key_Escape);
    QTRY_VERIFY(!window.scripts().scriptEditor());

    // A change undone again is no change.
    editor = openEditor(window);
    QVERIFY(editor);
    typeAtEnd(editor, QStringLiteral("x"));
    QVERIFY(editor->isModified());
    editor->Text1->undo();
    QVERIFY(!editor->isModified());
    QVERIFY(editor->close());
    QTRY_VERIFY(!window.scripts().scriptEditor());
    QCOMPARE(fixture.prompts.shown().size(), 0);
    QCOMPARE(fixture.readFile(fixture.filePath(QStringLiteral("Casa.vb"))), QByteArray("Echo 1\r\n"));
}

void Form8Test::aFailedSaveKeepsTheWindowAndTheText()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    typeAtEnd(editor, QStringLiteral("Echo 1"));
    // Something else takes the script's name meanwhile.
    QVERIFY(QDir().mkpath(scriptPath));

    const QString message = window.languageText(LanguageKeys::cannotSaveScript);
    fixture.prompts.queueAnswer(Answer::Yes);
    QVERIFY(!editor->close());
    QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith(message.left(message.indexOf(QLatin1String("%1")))), qPrintable(errors[0]));
    QVERIFY(errors[0].contains(scriptPath));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("Echo 1"));
    QVERIFY(editor->isModified());

    // Ctrl+S says so too; once the way is clear, it saves.
    QTest::keyClick(editor->Text1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.prompts.takeErrors().size(), 1);
    QVERIFY(QDir().rmdir(scriptPath));
    QTest::keyClick(editor->Text1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.readFile(scriptPath), QByteArray("Echo 1\r\n"));
    QVERIFY(!editor->isModified());
}

void Form8Test::ctrlSSavesAndKeepsTheWindowOpen()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    QVERIFY(!editor->isWindowModified());

    typeAtEnd(editor, QStringLiteral("TotX = 5\n' done"));
    QVERIFY(editor->isWindowModified()); // the caption shows the change
    QTest::keyClick(editor->Text1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.readFile(scriptPath), QByteArray("TotX = 5\r\n' done\r\n"));
    QVERIFY(!editor->isModified());
    QVERIFY(!editor->isWindowModified());
    QVERIFY(editor->isVisible());
    // The editor's own undo still has the typing.
    QVERIFY(editor->Text1->document()->isUndoAvailable());

    // Emptied and saved: the script is gone.
    editor->Text1->selectAll();
    QTest::keyClick(editor->Text1, Qt::Key_Backspace);
    QTest::keyClick(editor->Text1, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QFileInfo::exists(scriptPath));
    QVERIFY(editor->close());
}

void Form8Test::aSecondOpeningBringsItForwardWithoutReloading()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    Form8 *editor = openEditorOnCasa(fixture, "Echo 1\r\n");
    QVERIFY(editor);
    typeAtEnd(editor, QStringLiteral(" ' mine"));
    QVERIFY(WindowFixture::writeFile(scriptPath, "Echo 2\r\n"));
    window.windowLayout().AumentaTestoX_Click();
    window.activateWindow();

    // Meanwhile the main window was put on top: so is the editor.
    window.action(QStringLiteral("SempreInPrimoPianoX"))->trigger();
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QCOMPARE(openEditor(window), editor);
    QVERIFY(editor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("Echo 1 ' mine"));
    QVERIFY(editor->isModified());
    QCOMPARE(editor->Text1->font().pointSizeF(), window.text1()->font().pointSizeF());
    QTRY_VERIFY(editor->isActiveWindow());
    fixture.prompts.queueAnswer(Answer::No);
    QVERIFY(editor->close());
}

// After another note is loaded, F4 edits that note's script: the editor
// still open on the old one is closed first, with the question about its
// unsaved text; Cancel keeps it, and nothing else opens.
void Form8Test::anotherNotesCommandOpensItsScript_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // Answer, when asked
    QTest::addColumn<QByteArray>("casaScript"); // Casa.vb afterwards
    QTest::addColumn<QString>("editing"); // the script the editor shows afterwards
    QTest::newRow("unchanged") << false << -1 << QByteArray("Echo 1\r\n") << "Ufficio.vb";
    QTest::newRow("changed, saved") << true << int(Answer::Yes) << QByteArray("Echo 1 ' mine\r\n") << "Ufficio.vb";
    QTest::newRow("changed, thrown away") << true << int(Answer::No) << QByteArray("Echo 1\r\n") << "Ufficio.vb";
    QTest::newRow("changed, kept open") << true << int(Answer::Cancel) << QByteArray("Echo 1\r\n") << "Casa.vb";
}

void Form8Test::anotherNotesCommandOpensItsScript()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QByteArray, casaScript);
    QFETCH(QString, editing);
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    Form8 *casa = openEditorOnCasa(fixture, "Echo 1\r\n");
    QVERIFY(casa);
    if (changed)
        typeAtEnd(casa, QStringLiteral(" ' mine"));
    QVERIFY(WindowFixture::writeFile(fixture.filePath(QStringLiteral("Ufficio.vb")), "Echo 2\r\n"));
    QVERIFY(!openNote(fixture, QStringLiteral("Ufficio.txt")).isEmpty());
    window.activateWindow();

    if (answer >= 0)
        fixture.prompts.queueAnswer(Answer(answer));
    Form8 *shown = openEditor(window);
    QVERIFY(shown);
    QCOMPARE(fixture.prompts.count(Kind::Question), answer >= 0 ? 1 : 0);
    QCOMPARE(shown->scriptPath(), fixture.filePath(editing));
    QCOMPARE(shown->Text1->toPlainText(),
        editing == QLatin1String("Casa.vb") ? QStringLiteral("Echo 1 ' mine") : QStringLiteral("Echo 2"));
    QCOMPARE(WindowFixture::readFile(fixture.filePath(QStringLiteral("Casa.vb"))), casaScript);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(
                 windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<Form8 *>(w) && w->isVisible(); }),
        1);
    if (shown->isModified())
        fixture.prompts.queueAnswer(Answer::No);
    QVERIFY(shown->close());
}

void Form8Test::savesToTheScriptItLoaded_data()
{
    QTest::addColumn<QString>("meanwhile");

    QTest::newRow("the note saved under another name") << "save as";
    QTest::newRow("another note loaded") << "load";
    QTest::newRow("a new, blank note") << "new";
}

void Form8Test::savesToTheScriptItLoaded()
{
    QFETCH(QString, meanwhile);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    typeAtEnd(editor, QStringLiteral("Echo \"Casa\""));

    const QString other = fixture.filePath(QStringLiteral("Ufficio.txt"));
    if (meanwhile == QLatin1String("save as")) {
        QVERIFY(window.documents().saveNoteAs(other));
    } else if (meanwhile == QLatin1String("load")) {
        QVERIFY(!openNote(fixture, QStringLiteral("Ufficio.txt")).isEmpty());
    } else {
        window.action(QStringLiteral("New_Calc"))->trigger();
        QVERIFY(window.isUntitled());
    }

    QTest::keyClick(editor->Text1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.readFile(fixture.filePath(QStringLiteral("Casa.vb"))), QByteArray("Echo \"Casa\"\r\n"));
    QVERIFY(!QFileInfo::exists(fixture.filePath(QStringLiteral("Ufficio.vb"))));
    QCOMPARE(editor->scriptPath(), fixture.filePath(QStringLiteral("Casa.vb")));
    QVERIFY(editor->close());
}

void Form8Test::takesTheThemesColours()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    // A dark note box, as the theme "Scuro" gives.
    QPalette dark = window.text1()->palette();
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xD4, 0xD4, 0xD4));
    window.text1()->setPalette(dark);

    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    const SyntaxColours colours = editor->Text1->highlighter()->colours();
    QCOMPARE(colours.keyword, syntaxColoursFor(QColor(0x1E, 0x1E, 0x1E), QColor(0xD4, 0xD4, 0xD4)).keyword);
    QVERIFY(colours.keyword.lightnessF() > 0.5);
    QCOMPARE(editor->Text1->palette().color(QPalette::Base), QColor(0x1E, 0x1E, 0x1E));

    // A light theme chosen while the editor is open reaches it at the next opening.
    QPalette light = dark;
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    window.text1()->setPalette(light);
    QCOMPARE(openEditor(window), editor);
    QVERIFY(editor->Text1->highlighter()->colours().keyword.lightnessF() < 0.5);
    QCOMPARE(editor->Text1->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(editor->close());
}

void Form8Test::showsWhereAScriptStopped_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("caretColumn");

    QTest::newRow("a place in the text") << 2 << 3 << 1 << 2;
    QTest::newRow("the very start") << 1 << 1 << 0 << 0;
    QTest::newRow("past the line's end") << 1 << 40 << 0 << 5;
    QTest::newRow("past the last line") << 9 << 1 << 3 << 0;
    QTest::newRow("numbers below 1") << 0 << 0 << 0 << 0;
}

void Form8Test::showsWhereAScriptStopped()
{
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, block);
    QFETCH(int, caretColumn);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QVERIFY(!openNote(fixture, QStringLiteral("Casa.txt")).isEmpty());
    QVERIFY(WindowFixture::writeFile(fixture.filePath(QStringLiteral("Casa.vb")), "x = 1\r\ny = x /\r\n\r\nz = 3\r\n"));
    Form8 *editor = openEditor(window);
    QVERIFY(editor);
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());

    editor->showErrorAt(line, column);
    QCOMPARE(editor->Text1->textCursor().blockNumber(), block);
    QCOMPARE(editor->Text1->textCursor().positionInBlock(), caretColumn);
    QCOMPARE(editor->Text1->markedErrorLine(), block);
    QTRY_VERIFY(editor->isActiveWindow());
    QVERIFY(!editor->isModified());
    QVERIFY(editor->close());
}

void Form8Test::quittingAsksAboutTheScriptFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("quits");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("yes saves, then quits") << int(Answer::Yes) << true << QByteArray("Echo 1 ' new\r\n");
    QTest::newRow("no quits without saving") << int(Answer::No) << true << QByteArray("Echo 1\r\n");
    QTest::newRow("cancel stops the quit") << int(Answer::Cancel) << false << QByteArray("Echo 1\r\n");
}

void Form8Test::quittingAsksAboutTheScriptFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, quits);
    QFETCH(QByteArray, file);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    const QString scriptPath = fixture.filePath(QStringLiteral("Casa.vb"));
    Form8 *editor = openEditorOnCasa(fixture, "Echo 1\r\n");
    QVERIFY(editor);
    typeAtEnd(editor, QStringLiteral(" ' new"));

    fixture.prompts.queueAnswer(Answer(answer));
    window.action(QStringLiteral("QuitX"))->trigger();
    QTRY_COMPARE(fixture.prompts.count(Kind::Question), 1);
    QCOMPARE(fixture.prompts.shown().constFirst().text, window.languageText(93));
    QTRY_COMPARE(fixture.hasQuit(), quits);
    QCOMPARE(fixture.readFile(scriptPath), file);
    if (!quits) {
        QVERIFY(window.scripts().scriptEditor());
        QVERIFY(editor->isVisible());
        QVERIFY(editor->isModified());
        fixture.prompts.queueAnswer(Answer::No);
        QVERIFY(editor->close());
    }
}

void Form8Test::theScriptIsNamedInTheLanguageInUse_data()
{
    QTest::addColumn<QByteArray>("languageTexts");
    QTest::addColumn<QString>("name");
    QTest::newRow("built-in text") << QByteArray() << "Script della nota";
    QTest::newRow("English") << QByteArray("English_362=Note script\r\n") << "Note script";
}

// The window's caption is the file; a screen reader names the box itself.
void Form8Test::theScriptIsNamedInTheLanguageInUse()
{
    QFETCH(QByteArray, languageTexts);
    QFETCH(QString, name);
    const WindowSetup setup {.dataFiles = englishTexts(languageTexts)};
    WindowFixture fixture(setup);
    QVERIFY(fixture.ready());
    Form8 *editor = openEditorOnCasa(fixture, "Echo.Write 1\r\n");
    QVERIFY(editor);
    // A window of its own to a screen reader, not a panel.
    QCOMPARE(QAccessible::queryAccessibleInterface(editor)->role(), QAccessible::Window);
    QCOMPARE(accessibleName(editor->Text1), name);
    QCOMPARE(unnamedControls(editor), QString());
}

QTEST_MAIN(Form8Test)
#include "tst_form8.moc"
