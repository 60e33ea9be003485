// Undo and Redo as the user sees them: short scripts of edits with the text
// each Undo or Redo shows, the 32767 ceiling of the position, and the memory
// the history holds for a large note edited many times.

#include "core/history/undo_history.h"
#include "tests/core/history/reference_history.h"

#include <QTest>

using tabulo::UndoHistory;
using tabulo::test::ReferenceHistory;

namespace {

// A script step is "record TEXT", "reset TEXT", "store INDEX TEXT", "undo" or
// "redo". The log holds what each undo and redo shows, or "-" when it has
// nowhere to go.
QStringList run(UndoHistory &history, const QStringList &script)
{
    QStringList log;
    for (const QString &step : script) {
        const QString verb = step.section(u' ', 0, 0);
        const QString argument = step.section(u' ', 1);
        if (verb == QLatin1String("record")) {
            history.record(argument);
        } else if (verb == QLatin1String("reset")) {
            history.reset(argument);
        } else if (verb == QLatin1String("store")) {
            history.store(argument.section(u' ', 0, 0).toInt(), argument.section(u' ', 1));
        } else {
            const auto shown = verb == QLatin1String("undo") ? history.undo() : history.redo();
            log << shown.value_or(QStringLiteral("-"));
        }
    }
    return log;
}

// A note of about `bytes` characters made of short operator lines.
QString largeNote(int bytes)
{
    QString note;
    note.reserve(bytes + 32);
    for (int line = 0; note.size() < bytes; ++line)
        note += QStringLiteral("+%1 item %2\r\n").arg(line % 997).arg(line);
    return note;
}

} // namespace

class UndoHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoShowRecordedTexts_data();
    void undoAndRedoShowRecordedTexts();
    void positionStopsAtTheCeiling();
    void holdsLittleMemoryForManySmallEditsOfALargeNote();
};

void UndoHistoryTest::undoAndRedoShowRecordedTexts_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("position");

    QTest::newRow("undo right after a reset does nothing")
        << QStringList {"reset base", "undo"} << QStringList {"-"} << 0;
    QTest::newRow("redo at the newest state does nothing")
        << QStringList {"reset base", "record a", "redo"} << QStringList {"-"} << 1;
    QTest::newRow("one edit undone shows the base")
        << QStringList {"reset base", "record a", "undo"} << QStringList {"base"} << 0;
    QTest::newRow("undo then redo") << QStringList {"reset base", "record a", "record b", "undo", "undo", "redo",
        "redo", "redo"} << QStringList {"a", "base", "a", "b", "-"}
                                    << 2;
    QTest::newRow("the emptied note is recorded")
        << QStringList {"reset base", "record a", "record ", "undo", "undo"} << QStringList {"a", "base"} << 0;
    QTest::newRow("redo brings the emptied note back")
        << QStringList {"reset base", "record ", "undo", "redo", "redo"} << QStringList {"base", "", "-"} << 1;
    QTest::newRow("the same text again is recorded")
        << QStringList {"reset base", "record a", "record a", "undo", "undo"} << QStringList {"a", "base"} << 0;
    QTest::newRow("a new edit leaves the entries above it for redo") << QStringList {"reset base", "record a",
        "record b", "record c", "undo", "undo", "record x", "redo", "undo", "undo"}
                                                                     << QStringList {"b", "a", "c", "x", "a"} << 1;
    QTest::newRow("reset forgets everything before it")
        << QStringList {"reset base", "record a", "record b", "reset next", "undo", "redo"} << QStringList {"-", "-"}
        << 0;
    QTest::newRow("an empty base is kept at position 0")
        << QStringList {"reset ", "record a", "undo", "undo"} << QStringList {"", "-"} << 0;
    QTest::newRow("redo stops at the first empty entry")
        << QStringList {"reset base", "record a", "store 3 far", "undo", "redo", "redo"}
        << QStringList {"base", "a", "-"} << 1;
    QTest::newRow("a stored empty entry stops redo") << QStringList {"reset base", "record a", "record b", "store 2 ",
        "undo", "redo"} << QStringList {"a", "-"} << 1;
    QTest::newRow("undo shows a stored empty entry")
        << QStringList {"reset base", "record a", "record b", "store 1 ", "undo"} << QStringList {""} << 1;
    QTest::newRow("stores outside the array are ignored")
        << QStringList {"reset base", "store -1 x", "store 99001 x", "record a", "undo", "redo", "redo"}
        << QStringList {"base", "a", "-"} << 1;
}

void UndoHistoryTest::undoAndRedoShowRecordedTexts()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, shown);
    QFETCH(int, position);

    UndoHistory history;
    QCOMPARE(run(history, script), shown);
    QCOMPARE(history.position(), position);
}

void UndoHistoryTest::positionStopsAtTheCeiling()
{
    // Many small records reach the ceiling cheaply; the reference checks the
    // texts on the way.
    UndoHistory history;
    ReferenceHistory reference;
    history.reset(QStringLiteral("base"));
    reference.reset(QStringLiteral("base"));
    const int records = UndoHistory::PositionCeiling + 50;
    for (int i = 1; i <= records; ++i) {
        const QString text = QStringLiteral("+%1").arg(i);
        history.record(text);
        reference.record(text);
    }
    QCOMPARE(history.position(), UndoHistory::PositionCeiling);
    QCOMPARE(int(reference.position()), UndoHistory::PositionCeiling);
    // Every change past the ceiling overwrote the top entry.
    QCOMPARE(history.entry(UndoHistory::PositionCeiling), QStringLiteral("+%1").arg(records));
    QCOMPARE(
        history.entry(UndoHistory::PositionCeiling - 1), QStringLiteral("+%1").arg(UndoHistory::PositionCeiling - 1));
    QVERIFY(!history.holdsState(UndoHistory::PositionCeiling + 1));

    // Redo at the ceiling has nowhere to go, even with an entry above it:
    // the position cannot pass 32767.
    history.store(UndoHistory::PositionCeiling + 1, QStringLiteral("above"));
    reference.store(UndoHistory::PositionCeiling + 1, QStringLiteral("above"));
    QCOMPARE(history.redo().has_value(), reference.redo().has_value());
    QCOMPARE(history.position(), int(reference.position()));

    // Each Undo goes back exactly one entry, however long the history.
    for (int i = 0; i < 20000; ++i) {
        const auto real = history.undo();
        const auto expected = reference.undo();
        QCOMPARE(real.value_or(QStringLiteral("-")), expected.value_or(QStringLiteral("-")));
        QCOMPARE(history.position(), int(reference.position()));
    }
    QCOMPARE(history.position(), UndoHistory::PositionCeiling - 20000);
    // and Redo all the way up again
    for (;;) {
        const auto real = history.redo();
        const auto expected = reference.redo();
        QCOMPARE(real.value_or(QStringLiteral("-")), expected.value_or(QStringLiteral("-")));
        if (!expected)
            break;
    }
    QCOMPARE(history.position(), UndoHistory::PositionCeiling);
}

void UndoHistoryTest::holdsLittleMemoryForManySmallEditsOfALargeNote()
{
    // A 1 MB note edited 10,000 times would need 20 GB as full copies; the
    // history keeps the edits. The bound is generous: the benchmark reports
    // the real figure.
    const size_t bound = size_t(64) * 1024 * 1024;
    QString note = largeNote(1024 * 1024);
    const QString original = note;
    UndoHistory history;
    history.reset(note);
    QStringList recent; // the last few states, to check undo brings them back
    for (int i = 0; i < 10000; ++i) {
        const int at = int((quint64(i) * 7919 * 104729) % quint64(note.size()));
        if (i % 3 == 0)
            note.remove(at, 1);
        else
            note.insert(at, QChar(u'a' + i % 26));
        history.record(note);
        if (i >= 9997)
            recent << note;
    }
    QVERIFY2(history.storedBytes() < bound, qPrintable(QString::number(history.storedBytes())));

    QCOMPARE(history.undo().value_or(QString()), recent.at(1));
    QCOMPARE(history.undo().value_or(QString()), recent.at(0));
    QCOMPARE(history.redo().value_or(QString()), recent.at(1));
    QCOMPARE(history.entry(0), original);
}

QTEST_GUILESS_MAIN(UndoHistoryTest)
#include "tst_undo_history.moc"
