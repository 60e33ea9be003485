// The running totals column beside the note: the values it shows, switching
// it on and off in both editor modes, and the setting kept in Column.ini.

#include "tests/windows/main/window_test_support.h"

#include "tests/ui/accessibility/accessible_controls.h"

#include "core/files/text_codec.h"
#include "windows/main/controls/running_total_column.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)

namespace {

// A note of `lineCount` lines mixing what counts (the four operators,
// thousands separators, a division by zero) with what does not (words,
// comments, blank lines, a sign without a number).
QString randomNote(quint32 seed, int lineCount)
{
    QRandomGenerator random(seed);
    static const QStringList fixed = {QString(), QStringLiteral("# a comment"), QStringLiteral("groceries"),
        QStringLiteral("+"), QStringLiteral("/0"), QStringLiteral("+abc"), QStringLiteral("  -1,250.75 rent"),
        QStringLiteral("'+5 quoted")};
    static const QString operators = QStringLiteral("+-*/");
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) {
        if (random.bounded(3) == 0) {
            lines << fixed[random.bounded(int(fixed.size()))];
            continue;
        }
        const QChar op = operators[random.bounded(4)];
        const double value = random.bounded(100000) / 100.0;
        lines << op + QString::number(value, 'f', random.bounded(3))
                + (random.bounded(2) ? QStringLiteral(" item") : QString());
    }
    return lines.join(QStringLiteral("\r\n"));
}

// What `tabulo-calc --lines` prints for `note` in the US English locale.
QStringList calcLines(const QString &note, const QString &folder)
{
    const QString path = folder + QStringLiteral("/random.cal");
    WindowFixture::writeFile(path, encodeText(note));
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    calc.setProcessEnvironment(environment);
    calc.start(QStringLiteral(TABULO_CALC), {QStringLiteral("--lines"), path});
    if (!calc.waitForFinished(30000) || calc.exitCode() != 0)
        return {QStringLiteral("tabulo-calc failed: ") + QString::fromUtf8(calc.readAllStandardError())};
    return QString::fromUtf8(calc.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void putCaretOn(NoteEditor *editor, int line, int column)
{
    QTextCursor caret(editor->document()->findBlockByNumber(line));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    editor->setTextCursor(caret);
}

// The rows of the column's picture that hold `colour`.
QList<int> rowsPainted(QWidget *column, const QColor &colour)
{
    const QImage picture = column->grab().toImage();
    QList<int> rows;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) == colour) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

} // namespace

class RunningTotalColumnTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }
    void agreesWithTabuloCalc_data();
    void agreesWithTabuloCalc();
    void switchesWithoutTouchingTheNote_data();
    void switchesWithoutTouchingTheNote();
    void wrappedLineShowsItsValueOnItsFirstRow();
    void followsEditsAndScrolling();
    void settingIsReadAndWritten_data();
    void settingIsReadAndWritten();
    void screenReadersHearTheCaretLinesTotal_data();
    void screenReadersHearTheCaretLinesTotal();
};

void RunningTotalColumnTest::agreesWithTabuloCalc_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("wrapping");
    for (quint32 seed : {1u, 7u, 42u, 1234u, 99991u})
        for (bool wrapping : {false, true})
            QTest::addRow("seed %u %s", seed, wrapping ? "Editor2" : "Text1") << seed << wrapping;
}

void RunningTotalColumnTest::agreesWithTabuloCalc()
{
    QFETCH(quint32, seed);
    QFETCH(bool, wrapping);
    WindowFixture fixture({.locale = usLocale()});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action("ColonnaTotaliX")->trigger();
    if (wrapping)
        window.action("SoloVerticaleX")->trigger();

    const QString note = randomNote(seed, 300);
    window.setNoteText(note);
    NoteEditor *editor = window.visibleEditor();
    RunningTotalColumn *column = window.runningTotals().column(editor);
    QVERIFY(column->isVisible());
    QCOMPARE(editor->document()->blockCount(), window.session().lines().lineCount());
    QStringList shown;
    for (int block = 0; block < editor->document()->blockCount(); ++block) {
        if (const QString value = column->valueText(block); !value.isEmpty())
            shown << value;
    }
    QCOMPARE(shown, calcLines(note, fixture.programFolder()));
}

void RunningTotalColumnTest::switchesWithoutTouchingTheNote_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<bool>("wrapping");
    QTest::newRow("totals at the bottom, Text1") << LayoutVariant::TotalsAtBottom << false;
    QTest::newRow("totals at the bottom, Editor2") << LayoutVariant::TotalsAtBottom << true;
    QTest::newRow("totals at the top, Text1") << LayoutVariant::TotalAtTop << false;
    QTest::newRow("totals at the top, Editor2") << LayoutVariant::TotalAtTop << true;
}

void RunningTotalColumnTest::switchesWithoutTouchingTheNote()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(bool, wrapping);
    WindowFixture fixture({.variant = variant, .locale = italianLocale()});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    if (wrapping)
        window.action("SoloVerticaleX")->trigger();
    window.setNoteText(QStringLiteral("+1000\r\n-2500,5\r\nnothing\r\n"));
    NoteEditor *editor = window.visibleEditor();
    RunningTotalColumn *column = window.runningTotals().column(editor);
    QVERIFY(!column->isVisible()); // off without Column.ini
    select(editor, 2, 9);
    const QString text = window.noteText();
    const qsizetype characters = window.session().characterCount();
    const int historyPosition = window.history().position();
    const bool modified = window.modi();
    const int textWidth = editor->viewport()->width();

    QAction *item = window.action("ColonnaTotaliX");
    QCOMPARE(item->text(), QStringLiteral("Mostra Totali di Riga"));
    item->trigger();
    QVERIFY(item->isChecked());
    QTRY_VERIFY(column->isVisible());
    QVERIFY(editor->viewport()->width() < textWidth);
    QCOMPARE(column->geometry().left(), editor->viewport()->geometry().right() + 1);
    QCOMPARE(column->valueText(0), QStringLiteral("1000"));
    QCOMPARE(column->valueText(1), QStringLiteral("-1500,5"));
    QCOMPARE(column->valueText(2), QString());
    QVERIFY(!rowsPainted(column, positiveGreen).isEmpty());
    QVERIFY(!rowsPainted(column, negativeRed).isEmpty());

    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!column->isVisible());
    QCOMPARE(editor->viewport()->width(), textWidth);
    QCOMPARE(window.noteText(), text);
    QCOMPARE(window.session().characterCount(), characters);
    QCOMPARE(window.history().position(), historyPosition);
    QCOMPARE(window.modi(), modified);
    QCOMPARE(editor->textCursor().selectionStart(), 2);
    QCOMPARE(editor->textCursor().selectionEnd(), 9);
}

void RunningTotalColumnTest::wrappedLineShowsItsValueOnItsFirstRow()
{
    WindowFixture fixture({.locale = usLocale(), .dataFiles = {{QStringLiteral("Column.ini"), "1\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action("SoloVerticaleX")->trigger();
    window.setNoteText(QStringLiteral("+7 ") + QString(400, u'x'));
    NoteEditor *editor = window.visibleEditor();
    RunningTotalColumn *column = window.runningTotals().column(editor);
    QTRY_VERIFY(column->isVisible());
    const QTextBlock line = editor->document()->firstBlock();
    QVERIFY(line.layout()->lineCount() > 2);
    const QRectF firstRow = line.layout()->lineAt(0).rect().translated(editor->blockRect(line).topLeft());
    const QList<int> rows = rowsPainted(column, positiveGreen);
    QVERIFY(!rows.isEmpty());
    QVERIFY2(rows.first() >= int(firstRow.top()) && rows.last() <= int(firstRow.bottom()) + 1,
        qPrintable(QStringLiteral("painted rows %1..%2").arg(rows.first()).arg(rows.last())));
}

void RunningTotalColumnTest::followsEditsAndScrolling()
{
    WindowFixture fixture({.locale = usLocale(), .dataFiles = {{QStringLiteral("Column.ini"), "1\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << (i < 499 ? QStringLiteral("text") : QStringLiteral("-3"));
    window.setNoteText(lines.join(QStringLiteral("\r\n")));
    NoteEditor *editor = window.visibleEditor();
    RunningTotalColumn *column = window.runningTotals().column(editor);
    QTRY_VERIFY(column->isVisible());
    editor->verticalScrollBar()->setValue(0);
    QTRY_VERIFY(rowsPainted(column, negativeRed).isEmpty());
    editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
    QTRY_VERIFY(!rowsPainted(column, negativeRed).isEmpty());

    // Undo goes through the session: the column shows the note as it is.
    editor->moveCaretToEnd();
    typeIntoNote(window, QStringLiteral("\n*2"));
    QCOMPARE(column->valueText(500), QStringLiteral("-6"));
    window.action("AnnullaX")->trigger();
    QCOMPARE(column->valueText(500), QString());
    QCOMPARE(column->valueText(499), QStringLiteral("-3"));
}

void RunningTotalColumnTest::settingIsReadAndWritten_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no Column.ini
    QTest::addColumn<bool>("onAtStart");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("off") << QByteArray("0\r\n") << false;
    QTest::newRow("on") << QByteArray("1\r\n") << true;
    QTest::newRow("on after a comment") << QByteArray("' the column\r\n1\r\n") << true;
    QTest::newRow("unknown value") << QByteArray("yes\r\n") << false;
}

void RunningTotalColumnTest::settingIsReadAndWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, onAtStart);
    WindowSetup setup;
    if (!file.isEmpty())
        setup.dataFiles.append({QStringLiteral("Column.ini"), file});
    WindowFixture fixture(setup);
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.action("ColonnaTotaliX")->isChecked(), onAtStart);
    QCOMPARE(window.runningTotals().column(window.visibleEditor())->isVisible(), onAtStart);

    window.action("ColonnaTotaliX")->trigger();
    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(fixture.readDataFile("Column.ini"), onAtStart ? QByteArray("0\r\n") : QByteArray("1\r\n"));
}

void RunningTotalColumnTest::screenReadersHearTheCaretLinesTotal_data()
{
    QTest::addColumn<bool>("wrapping");
    QTest::addColumn<QByteArray>("languageTexts");
    QTest::addColumn<QString>("label");
    QTest::newRow("Text1, built-in text") << false << QByteArray() << "Totale di riga";
    QTest::newRow("Editor2, English") << true << QByteArray("English_353=Line total\r\n") << "Line total";
}

// The column is only painted; the editor's description carries the caret
// line's value, which screen readers speak when it changes (the bus test
// listens to them doing so).
void RunningTotalColumnTest::screenReadersHearTheCaretLinesTotal()
{
    QFETCH(bool, wrapping);
    QFETCH(QByteArray, languageTexts);
    QFETCH(QString, label);
    WindowFixture fixture({.locale = italianLocale(), .dataFiles = englishTexts(languageTexts)});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    if (wrapping)
        window.action("SoloVerticaleX")->trigger();
    window.setNoteText(QStringLiteral("+1000\r\nnothing\r\n-2500,5"));
    NoteEditor *editor = window.visibleEditor();
    putCaretOn(editor, 0, 2);
    QCOMPARE(accessibleDescription(editor), QString());
    window.action("ColonnaTotaliX")->trigger();
    QCOMPARE(accessibleName(window.runningTotals().column(editor)), label);
    QCOMPARE(accessibleDescription(editor), label + QStringLiteral(": 1000"));

    putCaretOn(editor, 1, 0); // a line that does not count: nothing to say
    QCOMPARE(accessibleDescription(editor), QString());
    putCaretOn(editor, 2, 3);
    QCOMPARE(accessibleDescription(editor), label + QStringLiteral(": -1500,5"));
    editor->moveCaretToEnd();
    typeIntoNote(window, QStringLiteral("\n*2"));
    QCOMPARE(accessibleDescription(editor), label + QStringLiteral(": -3001"));
    // A change made by a command, not by typing or moving the caret.
    window.action("AnnullaX")->trigger();
    RunningTotalColumn *column = window.runningTotals().column(editor);
    const QString value = column->valueText(editor->textCursor().blockNumber());
    QCOMPARE(value, QString()); // the "2" is gone
    QCOMPARE(accessibleDescription(editor), QString());
    window.action("ColonnaTotaliX")->trigger();
    QCOMPARE(accessibleDescription(editor), QString());
}

QTEST_MAIN(RunningTotalColumnTest)
#include "tst_running_total_column.moc"
