// The entry aids in the real main window: the Enter modes, the sign
// commands, "Separa Stringa" and the feedback on mouse selections.

#include "tests/windows/main/window_test_support.h"

#include <QMenu>
#include <QTextBlock>

using namespace tabulo;
using namespace tabulo::testing;
using Kind = ScriptedPrompts::Kind;

Q_DECLARE_METATYPE(std::optional<QString>)

class EntryAidsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void enterWithAModeContinuesTheNoteAtItsEnd()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+1\r\nabc"));
        window.action(QStringLiteral("O2"))->trigger();
        QVERIFY(window.action(QStringLiteral("O2"))->isChecked());
        QVERIFY(!window.action(QStringLiteral("O5"))->isChecked());
        select(window.visibleEditor(), 1, 1); // the caret in the middle of the first line
        QTest::keyClick(window.visibleEditor(), Qt::Key_Return);
        QTest::keyClicks(window.visibleEditor(), QStringLiteral("4"));
        QCOMPARE(window.noteText(), QStringLiteral("+1\r\nabc\r\n-4"));
        QCOMPARE(window.text2()->text(), QStringLiteral("-3"));
        window.action(QStringLiteral("O5"))->trigger();
        QTest::keyClick(window.visibleEditor(), Qt::Key_Return);
        QCOMPARE(window.noteText(), QStringLiteral("+1\r\nabc\r\n-4\r\n"));
    }

    void signCommandsRewriteTheSelectedLines()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("5\r\n\r\n7"));
        select(window.visibleEditor(), 0, 4);
        fixture.prompts.queueTextInput(QStringLiteral("+"));
        QTest::keyClick(&window, Qt::Key_F7);
        QCOMPARE(window.noteText(), QStringLiteral("+5\r\n+\r\n+7\r\n"));
        QCOMPARE(window.text2()->text(), QStringLiteral("12"));
        select(window.visibleEditor(), 0, 8);
        QTest::keyClick(&window, Qt::Key_F7, Qt::ShiftModifier);
        QCOMPARE(window.noteText(), QStringLiteral("5\r\n\r\n7\r\n\r\n"));
        // One recorded change each: Undo takes the removal back at once.
        window.noteView().AnnullaX_Click();
        QCOMPARE(window.noteText(), QStringLiteral("+5\r\n+\r\n+7\r\n"));
    }

    void theSignQuestionAnswered_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("note");
        // Cancel is no answer at all: not even the trimming or the line
        // break the command adds.
        QTest::newRow("cancelled") << std::optional<QString>() << QStringLiteral(" 5 \r\n7");
        QTest::newRow("an empty sign trims") << std::optional<QString>(QString()) << QStringLiteral("5\r\n7\r\n");
        QTest::newRow("a sign") << std::optional<QString>(QStringLiteral("-")) << QStringLiteral("-5\r\n-7\r\n");
    }
    void theSignQuestionAnswered()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, note);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral(" 5 \r\n7"));
        const int changes = window.history().position();
        select(window.visibleEditor(), 0, 5);
        fixture.prompts.queueTextInput(answer);
        QTest::keyClick(&window, Qt::Key_F7);
        QCOMPARE(fixture.prompts.count(Kind::TextInput), 1);
        QCOMPARE(window.noteText(), note);
        QCOMPARE(window.history().position(), answer ? changes + 1 : changes);
    }

    void splitWithoutASelectionSaysSo()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("x 5*2"));
        window.entryAids().Split_String_Click();
        QCOMPARE(fixture.prompts.count(Kind::Information), 1);
        select(window.visibleEditor(), 2, 5);
        window.entryAids().Split_String_Click();
        QCOMPARE(window.noteText(), QStringLiteral("x \r\n+5\r\n*2"));
        QCOMPARE(window.text2()->text(), QStringLiteral("10"));
        QCOMPARE(
            window.visibleEditor()->textCursor().position(), window.visibleEditor()->document()->characterCount() - 1);
    }

    void mouseSelectionsShowTheirLengthAndTotal_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("totY");
        QTest::newRow("three characters") << 0 << 3 << "Sel: 3"
                                          << "10";
        QTest::newRow("two characters show nothing") << 0 << 2 << "Sel: 0"
                                                     << "0";
        QTest::newRow("across a line end") << 0 << 6 << "Sel: 7"
                                           << "8";
    }
    void mouseSelectionsShowTheirLengthAndTotal()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, status);
        QFETCH(QString, totY);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+10\r\n-2"));
        NoteEditor *editor = window.visibleEditor();
        QTest::mousePress(editor->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(window.text3()->text(), QStringLiteral("0"));
        select(editor, from, to);
        QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(window.statusPanel(2)->text(), status);
        QCOMPARE(window.text3()->text(), totY);
        QCOMPARE(window.text2()->text(), QStringLiteral("8"));
    }

    void keyboardSelectionsChangeNeitherLabelNorTotal()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+10\r\n-2"));
        window.visibleEditor()->moveCaretToEnd();
        QTest::keyClick(window.visibleEditor(), Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(window.statusPanel(2)->text(), QStringLiteral("Sel: 0"));
        QCOMPARE(window.text3()->text(), QStringLiteral("8"));
    }

    void aRightClickOpensTheEditMenuAndClearsTotY()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+10"));
        QTest::mousePress(window.visibleEditor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        auto *menu = window.findChild<QMenu *>(QStringLiteral("Edit_X"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(window.text3()->text(), QStringLiteral("0"));
        menu->close();
    }
};

QTEST_MAIN(EntryAidsWindowTest)
#include "tst_form1_entry_aids.moc"
