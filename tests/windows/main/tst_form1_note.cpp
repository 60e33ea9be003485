// Editing the note in the real window: totals and their colours, the status
// bar, the working files and the history behind Undo and Redo.

#include "tests/windows/main/window_test_support.h"

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::testing::DataFolder)

class NoteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void typedLinesAreTotalled_data();
    void typedLinesAreTotalled();
    void typingMarksTheNoteChangedAndCountsCrLfAsTwo();
    void workingFilesHoldTheNormalisedLines();
    void totalsDoNotNeedAWritableDataFolder_data();
    void totalsDoNotNeedAWritableDataFolder();

    void undoAndRedoStepThroughEveryTypedState();
    void undoRightAfterStartDoesNothing();
    void editAfterUndoKeepsTheLaterStatesForRedo();
    void undoInTheWrappingEditor();
    void controlZIsTheNotesUndo();
    void clearingAJustOpenedNoteCanBeUndone();
};

// A fresh untitled window with the start header, ready for typing.
static QString header()
{
    return StartUp::startHeader();
}

void NoteTest::typedLinesAreTotalled_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedTotal");
    QTest::addColumn<QColor>("expectedColour");

    QTest::newRow("comma decimal") << italianLocale() << QStringLiteral("+12,50 bread\n+4+6") << QStringLiteral("22,5")
                                   << positiveGreen;
    QTest::newRow("dot decimal") << usLocale() << QStringLiteral("+12.50 bread\n+4+6") << QStringLiteral("22.5")
                                 << positiveGreen;
    QTest::newRow("negative is red") << italianLocale() << QStringLiteral("+5\n-7,5") << QStringLiteral("-2,5")
                                     << negativeRed;
    QTest::newRow("zero is positive") << usLocale() << QStringLiteral("-3\n+3") << QStringLiteral("0") << positiveGreen;
    QTest::newRow("no precedence") << usLocale() << QStringLiteral("+10\n+5\n*2") << QStringLiteral("30")
                                   << positiveGreen;
    QTest::newRow("plain numbers do not count")
        << usLocale() << QStringLiteral("5\n7") << QStringLiteral("0") << positiveGreen;
    QTest::newRow("grouping in a comma locale")
        << italianLocale() << QStringLiteral("+1.500") << QStringLiteral("1500") << positiveGreen;
}

void NoteTest::typedLinesAreTotalled()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, expectedTotal);
    QFETCH(QColor, expectedColour);
    WindowFixture fixture({.locale = locale});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    typeIntoNote(window, typed);
    QCOMPARE(window.text2()->text(), expectedTotal);
    QCOMPARE(window.text3()->text(), expectedTotal);
    QCOMPARE(textColour(window.text2()), expectedColour);
    QCOMPARE(textColour(window.text3()), expectedColour);
}

void NoteTest::typingMarksTheNoteChangedAndCountsCrLfAsTwo()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    typeIntoNote(window, QStringLiteral("+1\n+2"));
    const QString note = window.noteText();
    QCOMPARE(note, header() + QStringLiteral("+1\r\n+2"));
    QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("CC: %1").arg(note.size()));
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Modificato"));
    QVERIFY(window.modi());
    QCOMPARE(window.history().position(), 5); // "+", "+1", Return, "+", "+2"
}

void NoteTest::workingFilesHoldTheNormalisedLines()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    typeIntoNote(fixture.window(), QStringLiteral("+ 12,50 bread\nmilk 3\n+4+6"));

    // Comments and empty lines go; each operator starts a line of its own.
    // The files are written once the typing pauses.
    QTRY_COMPARE(
        fixture.readDataFile(QStringLiteral("Temp.cal")), QByteArray("\r\n+12,50 bread\r\nmilk 3\r\n\r\n+4\r\n+6\r\n"));
    QVERIFY(!fixture.dataFileExists(QStringLiteral("Temp2.cal")));
}

void NoteTest::totalsDoNotNeedAWritableDataFolder_data()
{
    QTest::addColumn<DataFolder>("data");
    QTest::newRow("missing") << DataFolder::Missing;
    QTest::newRow("unwritable") << DataFolder::Blocked;
}

void NoteTest::totalsDoNotNeedAWritableDataFolder()
{
    QFETCH(DataFolder, data);
    WindowFixture fixture({.data = data});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    typeIntoNote(window, QStringLiteral("+2,5\n*4\n-1"));
    QCOMPARE(window.text2()->text(), QStringLiteral("9"));
    QVERIFY(window.modi());
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.text2()->text(), QStringLiteral("10"));
}

void NoteTest::undoAndRedoStepThroughEveryTypedState()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QAction *undo = window.action("AnnullaX");
    QAction *redo = window.action("RipetiX");

    const QStringList typedStates = {header(), header() + "+", header() + "+1", header() + "+12"};
    typeIntoNote(window, QStringLiteral("+12"));
    QCOMPARE(window.history().position(), 3);

    for (int expected = 2; expected >= 0; --expected) {
        undo->trigger();
        QCOMPARE(window.noteText(), typedStates[expected]);
        QCOMPARE(window.history().position(), expected);
    }
    QCOMPARE(window.text2()->text(), QStringLiteral("0"));
    undo->trigger(); // nothing older
    QCOMPARE(window.noteText(), typedStates[0]);

    for (int expected = 1; expected <= 3; ++expected) {
        redo->trigger();
        QCOMPARE(window.noteText(), typedStates[expected]);
        QCOMPARE(window.history().position(), expected);
    }
    QCOMPARE(window.text2()->text(), QStringLiteral("12"));
    redo->trigger(); // nothing newer
    QCOMPARE(window.noteText(), typedStates[3]);

    // Restored states are not recorded again: the next edit follows the last.
    typeIntoNote(window, QStringLiteral("3"));
    QCOMPARE(window.history().position(), 4);
    undo->trigger();
    QCOMPARE(window.noteText(), typedStates[3]);
}

void NoteTest::undoRightAfterStartDoesNothing()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action("AnnullaX")->trigger();
    window.action("RipetiX")->trigger();
    QCOMPARE(window.noteText(), header());
    QVERIFY(!window.modi());
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Ok"));
}

void NoteTest::editAfterUndoKeepsTheLaterStatesForRedo()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, QStringLiteral("+123"));
    window.action("AnnullaX")->trigger();
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), header() + "+1");

    window.visibleEditor()->moveCaretToEnd();
    typeIntoNote(window, QStringLiteral("9"));
    QCOMPARE(window.noteText(), header() + "+19");
    QCOMPARE(window.text2()->text(), QStringLiteral("19"));

    // "+12" was replaced by the edit; "+123" above it is still there.
    window.action("RipetiX")->trigger();
    QCOMPARE(window.noteText(), header() + "+123");
    QCOMPARE(window.text2()->text(), QStringLiteral("123"));
}

void NoteTest::undoInTheWrappingEditor()
{
    WindowFixture fixture({.dataFiles = {{QStringLiteral("Scroll.ini"), "1\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.visibleEditor(), window.editor2());

    typeIntoNote(window, QStringLiteral("-4"));
    QCOMPARE(window.text2()->text(), QStringLiteral("-4"));
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), header() + "-");
    QCOMPARE(
        window.editor2()->editorText(), QString(header() + "-").replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void NoteTest::controlZIsTheNotesUndo()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, QStringLiteral("+12"));

    QTest::keyClick(window.visibleEditor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.noteText(), header() + "+1");
    QCOMPARE(window.history().position(), 2);
    // The editor's own undo stays off even after the text was replaced.
    QVERIFY(!window.visibleEditor()->isUndoRedoEnabled());
    QTest::keyClick(window.visibleEditor(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.noteText(), header() + "+12");
}

// Ctrl+A, Delete, Ctrl+Z: the emptied note is a recorded change, even as
// the first change after opening a file.
void NoteTest::clearingAJustOpenedNoteCanBeUndone()
{
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("budget.txt"));
    QVERIFY(WindowFixture::writeFile(path, "+1\r\n+2\r\n"));
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    NoteEditor *editor = window.visibleEditor();

    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(window.noteText(), QString());
    QVERIFY(window.modi());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.noteText(), QStringLiteral("+1\r\n+2"));
    QCOMPARE(window.text2()->text(), QStringLiteral("3"));
}

QTEST_MAIN(NoteTest)
#include "tst_form1_note.moc"
