// The note session keeps its totals in a tree of line chunks and re-sums
// only what an edit touched. After every one of many random edits (typed
// characters, deleted spans, pasted blocks with any kind of line end, Undo
// and Redo) in a note of several chunks, its total and its running total
// after each line must be exactly, bit for bit, those of a full evaluation
// of the text it holds.

#include "core/session/note_session.h"

#include "tests/core/test_decimal.h"
#include "tests/core/test_locales.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using tabulo::Decimal;
using tabulo::LineEngine;
using tabulo::NoteSession;
using tabulo::NumberFormat;
using tabulo::test::exactText;

namespace {

const QStringList pieces {"+", "+", "-", "*", "/", "0", "1", "2", "5", "12", ",", ".", " ", " ", "  ", "#", "'", "a",
    "E", "\r\n", "\r\n", "\n", "\r"};

QString randomPiece(QRandomGenerator &random)
{
    QString piece;
    for (int i = random.bounded(1, 8); i > 0; --i)
        piece += pieces[random.bounded(pieces.size())];
    return piece;
}

// Each line's running total after it, from the engine over the whole text.
QList<Decimal> fullRunningTotals(const LineEngine &engine, const QString &text)
{
    QList<Decimal> totals;
    Decimal total;
    for (const QStringView line : QStringView(text).split(u"\r\n")) {
        engine.forEachCountedOperation(
            line, [&](const tabulo::CountedOperation &operation) { total = operation.applyTo(total); });
        totals << total;
    }
    return totals;
}

} // namespace

class SessionTotalsAgreementTest : public QObject
{
    Q_OBJECT
private slots:
    void randomEditsKeepTheTotalsOfAFullEvaluation_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u}) {
            QTest::newRow(qPrintable(QStringLiteral("comma %1").arg(seed))) << tabulo::test::commaLocale() << seed;
            QTest::newRow(qPrintable(QStringLiteral("dot %1").arg(seed))) << tabulo::test::dotLocale() << seed;
        }
    }

    void randomEditsKeepTheTotalsOfAFullEvaluation()
    {
        QFETCH(QLocale, locale);
        QFETCH(quint32, seed);
        QTemporaryDir data;
        NoteSession session(locale, data.path());
        const LineEngine engine {NumberFormat(locale)};
        QRandomGenerator random(seed);
        QString start;
        for (int i = 0; i < 600; ++i)
            start += randomPiece(random);
        session.loadText(start, QStringLiteral("note"));

        for (int step = 0; step < 1500; ++step) {
            const qsizetype size = session.characterCount();
            const int kind = random.bounded(10);
            if (kind == 0) {
                session.undo();
            } else if (kind == 1) {
                session.redo();
            } else {
                const qsizetype at = size ? random.bounded(size + 1) : 0;
                const qsizetype removed = kind < 5 ? random.bounded(std::min<qsizetype>(size - at, 30) + 1) : 0;
                session.replace(at, removed, kind == 9 ? QString() : randomPiece(random));
            }

            const QString &text = session.text();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))),
                "the note holds only CR LF line ends");
            const tabulo::Evaluation full = engine.evaluate(text);
            QCOMPARE(session.lines().countedOperations(), qsizetype(full.countedLines));
            QCOMPARE(exactText(session.lines().total()), exactText(full.total));
            const QList<Decimal> expected = fullRunningTotals(engine, text);
            QCOMPARE(session.lines().lineCount(), int(expected.size()));
            for (int line = 0; line < expected.size(); ++line)
                QCOMPARE(exactText(session.lines().totalAfterLine(line)), exactText(expected[line]));
            const QString shown = full.countedLines ? NumberFormat(locale).format(full.total) : QStringLiteral("0");
            QCOMPARE(session.totX(), shown);
        }
    }

    // Positions go back and forth between the note (CR LF) and an editor
    // that ends lines with "\n".
    void editorPositionsRoundTrip()
    {
        QTemporaryDir data;
        NoteSession session(tabulo::test::dotLocale(), data.path());
        session.loadText(QStringLiteral("ab\r\n\r\ncd\r\ne"), QString());
        QCOMPARE(session.editorLength(), qsizetype(8));
        const QList<qsizetype> noteOfEditor {0, 1, 2, 4, 6, 7, 8, 10, 11};
        for (qsizetype editor = 0; editor < noteOfEditor.size(); ++editor) {
            QCOMPARE(session.notePosition(editor), noteOfEditor[editor]);
            QCOMPARE(session.editorPosition(noteOfEditor[editor]), editor);
        }
        // Between a CR and its LF is the end of the line.
        QCOMPARE(session.editorPosition(3), qsizetype(2));
    }
};

QTEST_GUILESS_MAIN(SessionTotalsAgreementTest)
#include "tst_session_totals_agreement.moc"
