// The calculator's input to result: one expression, the user's locale, and
// nothing the user types may hang the window or run statements.
#include "script/calculator/calculator_evaluator.h"

#include <QElapsedTimer>
#include <QTest>

using namespace tabulo;

namespace {

const QString keep = QStringLiteral("<keeps the last result>");

QLocale italian()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}
QLocale american()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

class CalculatorEvaluatorTest : public QObject
{
    Q_OBJECT
private slots:
    void commaIsADecimalPoint_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input");
        QTest::newRow("decimal comma") << "1,5*2"
                                       << "1.5*2";
        QTest::newRow("every comma") << "Round(2,555, 2)"
                                     << "Round(2.555. 2)";
        QTest::newRow("no comma") << "3/4"
                                  << "3/4";
    }
    void commaIsADecimalPoint()
    {
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QCOMPARE(calculatorInput(typed), input);
    }

    void evaluates_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        const QLocale it = italian(), us = american();
        QTest::newRow("empty shows 0") << us << ""
                                       << "0";
        QTest::newRow("only spaces show 0") << us << "    "
                                            << "0";
        QTest::newRow("sum") << us << "2+3"
                             << "5";
        QTest::newRow("typed decimal, American result") << us << "1.5*2.1"
                                                        << "3.15";
        QTest::newRow("typed decimal, Italian result") << it << "1.5*2.1"
                                                       << "3,15";
        QTest::newRow("functions and parentheses") << us << "Sqr(16) + Abs(-2) * (1 + 1)"
                                                   << "8";
        QTest::newRow("Italian booleans") << it << "1 < 2"
                                          << "Vero";
        QTest::newRow("strings") << us << "\"a\" & Len(\"abc\")"
                                 << "a3";
        QTest::newRow("incomplete keeps") << us << "5+" << keep;
        QTest::newRow("unbalanced parentheses keep") << us << "(1+2" << keep;
        QTest::newRow("closing parenthesis too many keeps") << us << "1+2)" << keep;
        QTest::newRow("unclosed string keeps") << us << "\"abc" << keep;
        QTest::newRow("statements are not run") << us << "1 : Do : Loop" << keep;
        QTest::newRow("an assignment is a comparison") << us << "x = 1"
                                                       << "False";
        QTest::newRow("a loop cannot be reached through Execute") << us << "Execute(\"Do : Loop\")" << keep;
        QTest::newRow("division by zero keeps") << us << "1/0" << keep;
        QTest::newRow("zero by zero keeps") << us << "0/0" << keep;
        QTest::newRow("huge exponent keeps") << us << "10^400" << keep;
        QTest::newRow("large exponent") << us << "2^100"
                                        << "1.26765060022823E+30";
        QTest::newRow("a billion characters keeps") << us << "String(1E9, \"x\")" << keep;
        QTest::newRow("deep nesting keeps") << us << QString(10000, u'(') << keep;
        QTest::newRow("deep nesting, closed, keeps") << us << QString(10000, u'(') + "1" + QString(10000, u')') << keep;
        QTest::newRow("100,000 characters keep") << us << QString(100000, u'1') << keep;
        QTest::newRow("100,000 characters of a sum keep") << us << QStringLiteral("1+").repeated(50000) << keep;
        QTest::newRow("unknown name keeps") << us << "Foo(1)" << keep;
        // What the output window would not show as a value keeps the result.
        QTest::newRow("a half-typed name is Empty and keeps") << us << "Sq" << keep;
        QTest::newRow("Empty keeps") << us << "Empty" << keep;
        QTest::newRow("Null keeps") << us << "Null" << keep;
        QTest::newRow("Null in a sum keeps") << us << "1 + Null" << keep;
        // (The input's commas are decimal points: an array without them.)
        QTest::newRow("an array keeps") << us << "Split(\"a b\")" << keep;
        QTest::newRow("Nothing keeps") << us << "Nothing" << keep;
        QTest::newRow("an empty string is shown as such") << us << "\"\""
                                                          << "";
        QTest::newRow("Empty in a sum counts as 0") << us << "Empty + 2"
                                                    << "2";
        QTest::newRow("an array's bound") << us << "UBound(Split(\"a b\"))"
                                          << "1";
        QTest::newRow("IsNull") << it << "IsNull(Null)"
                                << "Vero";
    }
    void evaluates()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, input);
        QFETCH(QString, result);
        CalculatorEvaluator evaluator(locale);
        QVERIFY(evaluator.evaluate(QStringLiteral("41+1")).has_value());
        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> shown = evaluator.evaluate(calculatorInput(input));
        QCOMPARE(shown.value_or(keep), result);
        // No keystroke waits for a time limit.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    void publishedObjects()
    {
        QString input = QStringLiteral("7"), noteTotal = QStringLiteral("12,5"), caption = QStringLiteral("Tabulo");
        CalculatorEvaluator::Objects objects {
            std::make_shared<ScriptTextBox>(
                u"Form", [&] { return caption; }, [&](const QString &t) { caption = t; }),
            std::make_shared<ScriptTextBox>(
                u"TextBox", [&] { return input; }, [&](const QString &t) { input = t; }),
            std::make_shared<ScriptTextBox>(
                u"TextBox", [&] { return noteTotal; }, [&](const QString &t) { noteTotal = t; })};
        CalculatorEvaluator evaluator(italian(), objects);
        QCOMPARE(evaluator.evaluate(QStringLiteral("TotX * 2")).value_or(keep), QStringLiteral("25"));
        QCOMPARE(
            evaluator.evaluate(QStringLiteral("Text1.Text & Form.Caption")).value_or(keep), QStringLiteral("7Tabulo"));
        QCOMPARE(evaluator.evaluate(QStringLiteral("TotX.Nothing")).value_or(keep), keep);
        // Reading never writes.
        QCOMPARE(noteTotal, QStringLiteral("12,5"));
        QCOMPARE(input, QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(CalculatorEvaluatorTest)
#include "tst_calculator_evaluator.moc"
