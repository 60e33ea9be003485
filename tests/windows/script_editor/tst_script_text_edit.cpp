// The script editor's text box: indenting with Tab and Shift+Tab, Enter
// keeping the indentation, every such edit one step of Undo, the gutter
// with the line numbers and the colours of a loaded script.

#include "windows/script_editor/script_text_edit.h"

#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace tabulo;

namespace {

void select(ScriptTextEdit &editor, int anchor, int position)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

} // namespace

class ScriptTextEditTest : public QObject
{
    Q_OBJECT
private slots:
    void tabIndentsAndShiftTabOutdents_data();
    void tabIndentsAndShiftTabOutdents();
    void enterKeepsTheIndentation_data();
    void enterKeepsTheIndentation();
    void theGutterMakesRoomForTheLineNumbers();
    void aLoadedScriptIsColouredAndTypingRecolours();
    void theErrorMarkLastsUntilTheNextEdit();
};

void ScriptTextEditTest::tabIndentsAndShiftTabOutdents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");

    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    QTest::newRow("tab at the line start") << "x" << 0 << 0 << tab << "    x";
    QTest::newRow("tab to the next stop") << "ab" << 2 << 2 << tab << "ab  ";
    QTest::newRow("tab after a tab character") << "\tx" << 1 << 1 << tab << "\t    x";
    QTest::newRow("tab over a selection in one line") << "abcd" << 1 << 3 << tab << "a   d";
    QTest::newRow("tab indents selected lines, not empty ones") << "a\n\nb" << 0 << 4 << tab << "    a\n\n    b";
    QTest::newRow("selection ending at a line start") << "a\nb" << 0 << 2 << tab << "    a\nb";
    QTest::newRow("selection made upwards") << "a\nb" << 3 << 1 << tab << "    a\n    b";
    QTest::newRow("shift+tab removes up to one level") << "      a\n  b" << 0 << 11 << backtab << "  a\nb";
    QTest::newRow("shift+tab removes one tab") << "\t\ta" << 2 << 2 << backtab << "\ta";
    QTest::newRow("shift+tab on a line without indent") << "a" << 1 << 1 << backtab << "a";
}

void ScriptTextEditTest::tabIndentsAndShiftTabOutdents()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(QString, result);

    ScriptTextEdit editor;
    editor.setScript(text);
    select(editor, anchor, position);
    QTest::keyClick(&editor, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(editor.toPlainText(), result);
    QCOMPARE(editor.document()->isModified(), result != text);
    // The whole indentation is one step back.
    editor.undo();
    QCOMPARE(editor.toPlainText(), text);
    QCOMPARE(editor.document()->isModified(), false);
}

void ScriptTextEditTest::enterKeepsTheIndentation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");

    QTest::newRow("spaces") << "    If x Then" << 13 << 13 << "    If x Then\n    " << 18;
    QTest::newRow("a tab") << "\tx" << 2 << 2 << "\tx\n\t" << 4;
    QTest::newRow("no indentation") << "x = 1" << 5 << 5 << "x = 1\n" << 6;
    QTest::newRow("in the middle of a line") << "  ab" << 3 << 3 << "  a\n  b" << 6;
    QTest::newRow("over a selection") << "  abc" << 5 << 3 << "  a\n  " << 6;
}

void ScriptTextEditTest::enterKeepsTheIndentation()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, result);
    QFETCH(int, caret);

    ScriptTextEdit editor;
    editor.setScript(text);
    select(editor, anchor, position);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(editor.toPlainText(), result);
    QCOMPARE(editor.textCursor().position(), caret);
    editor.undo();
    QCOMPARE(editor.toPlainText(), text);
    editor.redo();
    QCOMPARE(editor.toPlainText(), result);
}

void ScriptTextEditTest::theGutterMakesRoomForTheLineNumbers()
{
    ScriptTextEdit editor;
    editor.resize(400, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const int digit = editor.fontMetrics().horizontalAdvance(QLatin1Char('9'));

    editor.setScript(QStringLiteral("x = 1"));
    const int threeDigits = editor.lineNumberAreaWidth();
    QVERIFY(threeDigits >= 3 * digit); // short scripts already leave room for line 100
    QCOMPARE((editor.viewport()->x() - editor.contentsRect().left()), threeDigits);
    QCOMPARE(editor.lineNumberArea()->width(), threeDigits);

    editor.setScript(QStringLiteral("x = 1\n").repeated(1200));
    QCOMPARE(editor.lineNumberAreaWidth(), threeDigits + digit);
    QCOMPARE((editor.viewport()->x() - editor.contentsRect().left()), threeDigits + digit);
    QCOMPARE(editor.lineNumberArea()->height(), editor.contentsRect().height());

    // A larger font widens the gutter with it.
    QFont larger = editor.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    editor.setFont(larger);
    QVERIFY(editor.lineNumberAreaWidth() > threeDigits + digit);
    QCOMPARE((editor.viewport()->x() - editor.contentsRect().left()), editor.lineNumberAreaWidth());
}

void ScriptTextEditTest::aLoadedScriptIsColouredAndTypingRecolours()
{
    ScriptTextEdit editor;
    const SyntaxColours colours = syntaxColoursFor(QColor(0x1E, 0x1E, 0x1E), QColor(0xD4, 0xD4, 0xD4));
    editor.setColours(colours);
    editor.setScript(QStringLiteral("x = 1\nIf x Then"));
    QVERIFY(!editor.document()->isModified());

    const auto colourAt = [&](int block, int column) -> QColor {
        for (const QTextLayout::FormatRange &range : editor.document()->findBlockByNumber(block).layout()->formats()) {
            if (column >= range.start && column < range.start + range.length)
                return range.format.foreground().color();
        }
        return {};
    };
    QCOMPARE(colourAt(0, 4), colours.number);
    QCOMPARE(colourAt(1, 0), colours.keyword);
    QCOMPARE(colourAt(1, 3), QColor());

    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral(" ' Echo"));
    QCOMPARE(colourAt(1, 11), colours.comment);
    QVERIFY(editor.document()->isModified());
}

void ScriptTextEditTest::theErrorMarkLastsUntilTheNextEdit()
{
    ScriptTextEdit editor;
    editor.setScript(QStringLiteral("a\nb\nc"));
    editor.markErrorLine(1);
    QCOMPARE(editor.extraSelections().size(), 1);
    QCOMPARE(editor.extraSelections().constFirst().cursor.blockNumber(), 1);
    QCOMPARE(editor.markedErrorLine(), 1);

    // New colours keep the mark.
    editor.setColours(syntaxColoursFor(Qt::black, Qt::white));
    QCOMPARE(editor.extraSelections().size(), 1);

    QTest::keyClicks(&editor, QStringLiteral("x"));
    QCOMPARE(editor.extraSelections().size(), 0);
    QCOMPARE(editor.markedErrorLine(), -1);
}

QTEST_MAIN(ScriptTextEditTest)
#include "tst_script_text_edit.moc"
