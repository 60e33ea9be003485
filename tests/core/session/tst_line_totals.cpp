// The note's running totals are kept in a tree of line chunks whose
// additive parts are skipped with their exact sums. Whatever the edits and
// however small the chunks (so that a few lines already make a deep tree),
// every line's running total must be bit for bit that of a full sequential
// evaluation, and line positions those of the text.

#include "core/session/line_totals.h"

#include "tests/core/test_decimal.h"
#include "tests/core/test_locales.h"

#include <QRandomGenerator>
#include <QTest>

using tabulo::Decimal;
using tabulo::LineEngine;
using tabulo::LineTotals;
using tabulo::NumberFormat;
using tabulo::test::exactText;

namespace {

// Numbers of every size, so that totals reach 34 digits and the sums of
// additive chunks would differ from the rounded running totals.
QStringList piecesFor(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return {"+", "+", "+", "-", "-", "*", "/", "0", "1", "5", "9", "12", "99999999999999999", "E30", "E33", "E17",
        "E400", point, point + "1", "0" + point + "0000001", " ", "#", "\r\n", "\r\n", "\r\n"};
}

QString randomPiece(QRandomGenerator &random, const QStringList &pieces)
{
    QString piece;
    for (int i = random.bounded(1, 10); i > 0; --i)
        piece += pieces[random.bounded(pieces.size())];
    return piece;
}

// A change never starts or ends between the CR and the LF of a line end.
qsizetype outsideLineEnd(const QString &text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at - 1] == u'\r' && text[at] == u'\n' ? at - 1 : at;
}

QString firstDifference(const LineTotals &lines, const LineEngine &engine, const QString &text)
{
    Decimal total;
    qsizetype counted = 0;
    qsizetype start = 0;
    const QList<QStringView> textLines = QStringView(text).split(u"\r\n");
    if (lines.lineCount() != textLines.size())
        return QStringLiteral("%1 lines instead of %2").arg(lines.lineCount()).arg(textLines.size());
    for (int line = 0; line < textLines.size(); ++line) {
        bool counts = false;
        engine.forEachCountedOperation(textLines[line], [&](const tabulo::CountedOperation &operation) {
            total = operation.applyTo(total);
            counts = true;
            ++counted;
        });
        if (lines.lineStart(line) != start)
            return QStringLiteral("line %1 starts at %2, not %3").arg(line).arg(lines.lineStart(line)).arg(start);
        if (lines.lineAt(start) != line || lines.lineAt(start + textLines[line].size()) != line)
            return QStringLiteral("line %1 is not found at its own positions").arg(line);
        if (lines.lineCounts(line) != counts)
            return QStringLiteral("line %1 counts or not").arg(line);
        if (!lines.totalAfterLine(line).isIdenticalTo(total))
            return QStringLiteral("after line %1: %2, not %3")
                .arg(line)
                .arg(exactText(lines.totalAfterLine(line)), exactText(total));
        start += textLines[line].size() + 2;
    }
    if (!lines.total().isIdenticalTo(total))
        return QStringLiteral("total %1, not %2").arg(exactText(lines.total()), exactText(total));
    if (lines.countedOperations() != counted)
        return QStringLiteral("%1 operations, not %2").arg(lines.countedOperations()).arg(counted);
    return {};
}

} // namespace

class LineTotalsTest : public QObject
{
    Q_OBJECT

private slots:
    void roundingTotalsAreNotSkipped_data();
    void roundingTotalsAreNotSkipped();
    void randomEditsKeepTheTotalsOfAFullEvaluation_data();
    void randomEditsKeepTheTotalsOfAFullEvaluation();
    void linesMoveBetweenChunks();
};

void LineTotalsTest::roundingTotalsAreNotSkipped_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("shown");

    // Each note is summed with one and two lines a chunk, so that lines 2
    // and 3 make one node of the tree, which the total could skip.
    QTest::newRow("a big total absorbs tenths one by one")
        << QStringList {"+1E33", "+0", "+0,4", "+0,4", "-1E33"} << "0";
    QTest::newRow("the tenth kept while the digits suffice") << QStringList {"+1E32", "+0,1", "-1E32"} << "0,1";
    QTest::newRow("a third, then cents") << QStringList {"+1", "/3", "+0,01", "+0,01", "-0,02"} << "0,333333333333333";
    QTest::newRow("a third, then its own digits back")
        << QStringList {"+1", "/3", "-0,3333333333333333333333333333333333", "+1"} << "1";
    QTest::newRow("past the double range inside a run")
        << QStringList {"+1,7E308", "+0", "+1E308", "-1E308"} << "Infinity";
    QTest::newRow("infinite after a division carries through sums")
        << QStringList {"+5", "/0", "+3", "-1E300"} << "Infinity";
    QTest::newRow("undefined carries through sums") << QStringList {"+0", "/0", "+3", "-3"} << "NaN";
    QTest::newRow("negative zero entering sums") << QStringList {"-5", "*0", "-0", "+0", "/0"} << "NaN";
}

void LineTotalsTest::roundingTotalsAreNotSkipped()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, shown);

    const NumberFormat format(tabulo::test::commaLocale());
    const LineEngine engine(format);
    const QString text = lines.join(QStringLiteral("\r\n"));
    for (const int linesPerChunk : {1, 2, 64}) {
        LineTotals totals(engine, linesPerChunk);
        totals.reset(text);
        QCOMPARE(firstDifference(totals, engine, text), QString());
        QCOMPARE(format.format(totals.total()), shown);
    }
}

void LineTotalsTest::randomEditsKeepTheTotalsOfAFullEvaluation_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("linesPerChunk");
    QTest::addColumn<quint32>("seed");
    for (const int linesPerChunk : {1, 3, 8}) {
        for (const quint32 seed : {11u, 12u}) {
            QTest::addRow("comma, %d a chunk, seed %u", linesPerChunk, seed)
                << tabulo::test::commaLocale() << linesPerChunk << seed;
            QTest::addRow("dot, %d a chunk, seed %u", linesPerChunk, seed)
                << tabulo::test::dotLocale() << linesPerChunk << seed;
        }
    }
}

void LineTotalsTest::randomEditsKeepTheTotalsOfAFullEvaluation()
{
    QFETCH(QLocale, locale);
    QFETCH(int, linesPerChunk);
    QFETCH(quint32, seed);

    const LineEngine engine {NumberFormat(locale)};
    const QStringList pieces = piecesFor(locale);
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < 60; ++i)
        text += randomPiece(random, pieces);
    LineTotals lines(engine, linesPerChunk);
    lines.reset(text);
    QCOMPARE(firstDifference(lines, engine, text), QString());

    for (int step = 0; step < 400; ++step) {
        const qsizetype at = outsideLineEnd(text, random.bounded(text.size() + 1));
        qsizetype end = at;
        const int kind = random.bounded(10);
        if (kind < 4) // short deletions; now and then a long one across chunks
            end = outsideLineEnd(text, std::min(text.size(), at + random.bounded(kind == 0 ? 400 : 12)));
        const QString inserted = kind == 9 ? QString() : randomPiece(random, pieces);
        text.replace(at, end - at, inserted);
        lines.update(text, at, end - at, inserted.size());
        const QString difference = firstDifference(lines, engine, text);
        if (!difference.isEmpty())
            qWarning(
                "step %d: %s", step, qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("|"))));
        QCOMPARE(difference, QString());
    }
}

void LineTotalsTest::linesMoveBetweenChunks()
{
    // Line ends typed and deleted one after another split and merge chunks.
    const LineEngine engine {NumberFormat(tabulo::test::dotLocale())};
    LineTotals lines(engine, 4);
    QString text = QStringLiteral("+1.5\r\n").repeated(40) + QStringLiteral("*2");
    lines.reset(text);
    for (int k = 0; k < 60; ++k) {
        const qsizetype at = lines.lineStart((k * 7) % lines.lineCount());
        text.insert(at, QStringLiteral("\r\n"));
        lines.update(text, at, 0, 2);
        QCOMPARE(firstDifference(lines, engine, text), QString());
    }
    while (text.contains(QStringLiteral("\r\n\r\n"))) {
        const qsizetype at = text.indexOf(QStringLiteral("\r\n\r\n"));
        text.remove(at, 2);
        lines.update(text, at, 2, 0);
        QCOMPARE(firstDifference(lines, engine, text), QString());
    }
    QCOMPARE(NumberFormat(tabulo::test::dotLocale()).format(lines.total()), QStringLiteral("120"));
}

QTEST_GUILESS_MAIN(LineTotalsTest)
#include "tst_line_totals.moc"
