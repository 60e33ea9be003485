// The program evaluates a note in one pass over the text; the normalised
// working file describes the same evaluation as two passes. Random notes made
// of the characters that matter to either pass (operators, digits, both
// separators, spaces, tabs, comment marks, exponent letters, every kind of
// line end) must give exactly the same running totals both ways, and the
// normalised lines must be exactly those of the step-by-step text rewriting
// written out below. The totals shown must be those of exact arithmetic on
// the numbers as written, computed by an independent model.

#include "core/engine/line_engine.h"

#include "tests/core/engine/exact_model.h"
#include "tests/core/test_decimal.h"
#include "tests/core/test_locales.h"

#include <QRandomGenerator>
#include <QTest>

using tabulo::Decimal;
using tabulo::Evaluation;
using tabulo::LineEngine;
using tabulo::NumberFormat;
using tabulo::test::exactText;

namespace {

// Weighted so that most lines hold operators followed by something close to
// a number, which is where the two passes could disagree.
const QStringList pieces {
    "+",
    "+",
    "-",
    "-",
    "*",
    "/",
    "0",
    "1",
    "2",
    "5",
    "9",
    "12",
    "300",
    ",",
    ".",
    ",",
    ".",
    " ",
    " ",
    " ",
    "  ",
    "   ",
    "#",
    "'",
    "a",
    "x",
    "E",
    "e",
    "\t",
};
const QStringList lineEnds {"\r\n", "\r\n", "\r", "\n"};

QString randomNote(QRandomGenerator &random, int lines)
{
    QString note;
    for (int line = 0; line < lines; ++line) {
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            note += pieces[random.bounded(pieces.size())];
        note += lineEnds[random.bounded(lineEnds.size())];
    }
    if (random.bounded(2))
        note.chop(1); // sometimes no final line end, sometimes half a CR LF
    return note;
}

// The normalisation as a sequence of plain text replacements, one line at a
// time, slow and obviously right; the engine does it in a single pass.
QString literalNormalise(const QString &note)
{
    QString unified = note;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (unified.endsWith(u'\n'))
        lines.removeLast(); // a final line end starts no further line
    QString out;
    for (const QString &line : lines) {
        qsizetype first = 0;
        qsizetype last = line.size();
        while (first < last && line[first] == u' ')
            ++first;
        while (last > first && line[last - 1] == u' ')
            --last;
        const QString trimmed = line.mid(first, last - first);
        if (trimmed.isEmpty() || trimmed.front() == u'#' || trimmed.front() == u'\'')
            continue;
        QString s = trimmed;
        s.replace(u'#', u'\'');
        for (QChar op : {u'+', u'-', u'*', u'/'})
            s.replace(op, QStringLiteral("\r\n") + op);
        for (QChar op : {u'+', u'-', u'*', u'/'}) {
            if (trimmed.front() == op)
                s.replace(QString(op) + u' ', QString(op));
        }
        s.replace(QStringLiteral("   "), QStringLiteral(" "));
        s.replace(QStringLiteral("  "), QStringLiteral(" "));
        out += s + QStringLiteral("\r\n");
    }
    return out;
}

struct Trace
{
    Evaluation result;
    QStringList runningTotals; // exact, so that a differing step is visible
    QStringList shown; // as the totals box shows them
};

template<typename Evaluate> Trace trace(const NumberFormat &format, Evaluate &&evaluate)
{
    Trace t;
    t.result = evaluate([&](const Decimal &total) {
        t.runningTotals << exactText(total);
        t.shown << format.format(total);
    });
    return t;
}

// The totals the model knows, one per counted line (an empty string where
// it no longer knows).
QStringList modelTotals(const QLocale &locale, const QString &normalised)
{
    tabulo::test::ExactModel model(locale);
    QStringList shown;
    QStringList lines = normalised.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    for (const QString &line : lines) {
        if (model.readLine(line))
            shown << model.shown().value_or(QString());
    }
    return shown;
}

} // namespace

class EngineAgreementTest : public QObject
{
    Q_OBJECT

private slots:
    void bothPassesAgreeOnRandomNotes_data();
    void bothPassesAgreeOnRandomNotes();
    void normalisedLinesAreTheLiteralRewriting();
};

void EngineAgreementTest::bothPassesAgreeOnRandomNotes_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QLocale>("locale");

    for (quint32 seed : {1u, 20260612u, 4242u}) {
        QTest::addRow("seed %u, comma locale", seed) << seed << tabulo::test::commaLocale();
        QTest::addRow("seed %u, dot locale", seed) << seed << tabulo::test::dotLocale();
    }
}

void EngineAgreementTest::bothPassesAgreeOnRandomNotes()
{
    QFETCH(quint32, seed);
    QFETCH(QLocale, locale);

    const NumberFormat format(locale);
    const LineEngine engine {format};
    QRandomGenerator random(seed);
    int countedOverall = 0;
    int checkedByModel = 0;
    for (int noteNumber = 0; noteNumber < 120; ++noteNumber) {
        const QString note = randomNote(random, 40);
        const Trace fused = trace(format, [&](const auto &onCounted) { return engine.evaluate(note, onCounted); });
        const Trace twoPasses = trace(
            format, [&](const auto &onCounted) { return engine.accumulate(LineEngine::normalise(note), onCounted); });
        const QStringList model = modelTotals(locale, literalNormalise(note));

        bool agree = fused.runningTotals == twoPasses.runningTotals && model.size() == fused.shown.size();
        for (qsizetype i = 0; agree && i < model.size(); ++i)
            agree = model[i].isEmpty() || model[i] == fused.shown[i];
        if (!agree) // name the note, since the comparisons below only show totals
            qWarning("note %d: %s", noteNumber, note.toUtf8().toPercentEncoding(" +-*/,.#'").constData());
        QCOMPARE(fused.runningTotals, twoPasses.runningTotals);
        QCOMPARE(fused.result.countedLines, twoPasses.result.countedLines);
        QCOMPARE(exactText(fused.result.total), exactText(twoPasses.result.total));
        QCOMPARE(model.size(), fused.shown.size());
        for (qsizetype i = 0; i < model.size(); ++i) {
            if (model[i].isEmpty())
                continue;
            QCOMPARE(fused.shown[i], model[i]);
            ++checkedByModel;
        }
        countedOverall += fused.result.countedLines;
    }
    // The generator must actually exercise counting, not only rejections,
    // and the model must speak for most of it.
    QVERIFY2(countedOverall > 500, qPrintable(QString::number(countedOverall)));
    QVERIFY2(checkedByModel > countedOverall / 2,
        qPrintable(QStringLiteral("%1 of %2").arg(checkedByModel).arg(countedOverall)));
}

void EngineAgreementTest::normalisedLinesAreTheLiteralRewriting()
{
    QRandomGenerator random(777);
    for (int noteNumber = 0; noteNumber < 400; ++noteNumber) {
        const QString note = randomNote(random, 40);
        const QString expected = literalNormalise(note);
        const QString normalised = tabulo::LineEngine::normalise(note);
        if (normalised != expected) // name the note, the texts alone are hard to read
            qWarning("note %d: %s", noteNumber, note.toUtf8().toPercentEncoding(" +-*/,.#'").constData());
        QCOMPARE(normalised, expected);
    }
}

QTEST_GUILESS_MAIN(EngineAgreementTest)
#include "tst_engine_agreement.moc"
