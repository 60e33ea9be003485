// How a note adds up. Each row is a note, the locale it is read in, the total
// the totals box shows and how many lines counted. Every row is evaluated
// twice: by the in-memory evaluation the program uses and by the literal two
// passes (normalised lines, then accumulation), which must agree.

#include "core/engine/line_engine.h"

#include "tests/core/test_locales.h"

#include <QTest>

using tabulo::LineEngine;
using tabulo::NumberFormat;

namespace {

const QLocale italian = tabulo::test::commaLocale();
const QLocale american = tabulo::test::dotLocale();

QString crlf(QStringList lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class LineEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void sumsNotes_data();
    void sumsNotes();
    void normalisesLines_data();
    void normalisesLines();
    void runningTotalPassesThroughEveryCountedLine();
};

void LineEngineTest::sumsNotes_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("counted");

    const QString shopping
        = crlf({"# shopping", "+ 12,50 bread", "milk 3", "+4+6", "-2 ' rebate", "*2", "total - see above"});
    QTest::newRow("shopping list, comma locale") << shopping << "it"
                                                 << "41" << 5;
    QTest::newRow("shopping list, dot locale") << QString(shopping).replace(u',', u'.') << "en"
                                               << "41" << 5;

    QTest::newRow("empty note") << ""
                                << "it"
                                << "0" << 0;
    QTest::newRow("only line ends") << "\r\n\r\n\n\r"
                                    << "it"
                                    << "0" << 0;
    QTest::newRow("plain numbers do not count") << crlf({"5", "10", "2,5"}) << "it"
                                                << "0" << 0;
    QTest::newRow("an operator line counts, a bare number does not") << crlf({"+5", "5"}) << "it"
                                                                     << "5" << 1;

    // The operator a line begins with absorbs exactly one space.
    QTest::newRow("sign, space, number") << "+ 5"
                                         << "it"
                                         << "5" << 1;
    QTest::newRow("sign, two spaces, number") << "+  5"
                                              << "it"
                                              << "0" << 0;
    QTest::newRow("sign, three spaces, number") << "+   5"
                                                << "it"
                                                << "0" << 0;
    QTest::newRow("minus, space, number") << "- 5"
                                          << "it"
                                          << "-5" << 1;
    QTest::newRow("other operator keeps its space") << "-5 + 3"
                                                    << "it"
                                                    << "-5" << 1;
    QTest::newRow("same operator loses its space") << "+5 + 3"
                                                   << "it"
                                                   << "8" << 2;
    QTest::newRow("second minus after a plus line keeps its space") << "+5 - 3"
                                                                    << "it"
                                                                    << "5" << 1;
    QTest::newRow("space before a repeated operator") << "+ + 5"
                                                      << "it"
                                                      << "5" << 1;

    // Strictly top to bottom, no precedence.
    QTest::newRow("multiply applies to everything above") << crlf({"+10", "+5", "*2"}) << "it"
                                                          << "30" << 3;
    QTest::newRow("order matters") << crlf({"+10", "*2", "+5"}) << "it"
                                   << "25" << 3;
    QTest::newRow("divide") << crlf({"+2", "/3"}) << "en"
                            << "0.666666666666667" << 2;
    QTest::newRow("first line multiplies zero") << crlf({"*5", "+1"}) << "it"
                                                << "1" << 2;
    QTest::newRow("first line divides zero") << "/5"
                                             << "it"
                                             << "0" << 1;
    QTest::newRow("several operators on one line") << "+1 +2 +3 +4"
                                                   << "it"
                                                   << "10" << 4;
    QTest::newRow("operators without spaces") << "+1+2*4-3/2"
                                              << "it"
                                              << "4,5" << 5;
    QTest::newRow("minus then minus") << "-1 -2"
                                      << "it"
                                      << "-3" << 2;
    QTest::newRow("doubled operator") << "++5"
                                      << "it"
                                      << "5" << 1;
    QTest::newRow("plus then minus number") << "+-5"
                                            << "it"
                                            << "-5" << 1;
    QTest::newRow("operator inside text starts a line") << "+5 x -3 y"
                                                        << "it"
                                                        << "2" << 2;
    QTest::newRow("operator after a word") << "total - see above"
                                           << "it"
                                           << "0" << 0;
    QTest::newRow("cancelling lines show 0") << crlf({"+5", "-5"}) << "it"
                                             << "0" << 2;

    // Comments.
    QTest::newRow("hash comment line") << "# +5"
                                       << "it"
                                       << "0" << 0;
    QTest::newRow("apostrophe comment line") << "' +5"
                                             << "it"
                                             << "0" << 0;
    QTest::newRow("indented comment line") << "   # +5"
                                           << "it"
                                           << "0" << 0;
    QTest::newRow("hash after a number still lets the next operator count") << "+5 #+3"
                                                                            << "it"
                                                                            << "8" << 2;
    QTest::newRow("apostrophe after a number") << "+5 '+3"
                                               << "it"
                                               << "8" << 2;
    QTest::newRow("hash glued to the number") << "+5#note"
                                              << "it"
                                              << "0" << 0;
    QTest::newRow("lone hash") << "#"
                               << "it"
                               << "0" << 0;

    // Words that are not numbers.
    QTest::newRow("bare operator") << crlf({"+5", "*"}) << "it"
                                   << "5" << 1;
    QTest::newRow("operator and a word") << crlf({"+5", "+abc"}) << "it"
                                         << "5" << 1;
    QTest::newRow("number glued to a word") << "+5kg"
                                            << "it"
                                            << "0" << 0;
    QTest::newRow("number and a word") << "+5 caff\u00e8"
                                       << "it"
                                       << "5" << 1;
    QTest::newRow("tab ends no word") << "+5\tbread"
                                      << "it"
                                      << "0" << 0;
    QTest::newRow("tab is not trimmed but the operator still starts a line") << "\t+5"
                                                                             << "it"
                                                                             << "5" << 1;
    QTest::newRow("tab before a spaced number") << "\t+ 5"
                                                << "it"
                                                << "0" << 0;
    QTest::newRow("surrounding spaces trimmed") << "   +5   "
                                                << "it"
                                                << "5" << 1;

    // Numbers of the locale.
    QTest::newRow("comma decimal") << "+1,5"
                                   << "it"
                                   << "1,5" << 1;
    QTest::newRow("point groups in the comma locale") << "+1.500"
                                                      << "it"
                                                      << "1500" << 1;
    QTest::newRow("comma groups in the dot locale") << "+1,5"
                                                    << "en"
                                                    << "15" << 1;
    QTest::newRow("point decimal in the dot locale") << "+1.5"
                                                     << "en"
                                                     << "1.5" << 1;
    QTest::newRow("grouped with decimals") << "+1.234.567,89"
                                           << "it"
                                           << "1234567,89" << 1;
    QTest::newRow("tenths add up exactly") << crlf({"+0,1", "+0,2"}) << "it"
                                           << "0,3" << 2;
    QTest::newRow("tenths cancel exactly") << crlf({"+0,1", "+0,2", "-0,3"}) << "it"
                                           << "0" << 3;
    QTest::newRow("tenths cancel exactly, dot locale") << crlf({"+0.1", "+0.2", "-0.3"}) << "en"
                                                       << "0" << 3;
    QTest::newRow("cents over many lines") << QStringLiteral("+0,01\r\n").repeated(1000) << "it"
                                           << "10" << 1000;
    QTest::newRow("cents of a big total") << crlf({"+1804395846", "+0,66"}) << "it"
                                          << "1804395846,66" << 2;
    QTest::newRow("a third times three") << crlf({"+1", "/3", "*3"}) << "it"
                                         << "1" << 3;
    QTest::newRow("16 digits round half to even") << "+0,1234567890123445"
                                                  << "it"
                                                  << "0,123456789012344" << 1;
    QTest::newRow("exponent") << "+1E5"
                              << "it"
                              << "100000" << 1;
    QTest::newRow("exponent sign starts a line") << "+1E-5"
                                                 << "it"
                                                 << "-5" << 1;
    QTest::newRow("exponent plus starts a line") << "+1E+5"
                                                 << "it"
                                                 << "5" << 1;
    QTest::newRow("total shown in exponent form") << "+1000000000000000"
                                                  << "it"
                                                  << "1E+15" << 1;
    QTest::newRow("small total in exponent form") << "+0,00001"
                                                  << "it"
                                                  << "1E-05" << 1;
    QTest::newRow("negative zero shows 0") << crlf({"-5", "*0"}) << "it"
                                           << "0" << 2;

    // Division by zero and overflow: no error, the total carries on.
    QTest::newRow("division by zero") << crlf({"+5", "/0"}) << "it"
                                      << "Infinity" << 2;
    QTest::newRow("negative division by zero") << crlf({"-5", "/0"}) << "it"
                                               << "-Infinity" << 2;
    QTest::newRow("zero by zero") << crlf({"+0", "/0", "+1"}) << "it"
                                  << "NaN" << 3;
    QTest::newRow("infinite total carries on") << crlf({"+5", "/0", "-1000"}) << "it"
                                               << "Infinity" << 3;
    QTest::newRow("number beyond a double") << "+1E400"
                                            << "it"
                                            << "Infinity" << 1;
    QTest::newRow("total past the double range by a product") << crlf({"+1E300", "*1E10"}) << "it"
                                                              << "Infinity" << 2;
    QTest::newRow("total past the double range by a sum") << crlf({"+1,7976931348623157E308", "+1E300"}) << "en"
                                                          << "Infinity" << 2;
    QTest::newRow("negative total past the double range") << crlf({"-1E300", "*1E10", "+5"}) << "it"
                                                          << "-Infinity" << 3;
    QTest::newRow("a total below the double range stays exact") << crlf({"+5", "/1E300", "/1E100"}) << "it"
                                                                << "5E-400" << 3;

    // Line ends: CR LF, lone CR and lone LF all end a line.
    QTest::newRow("mixed line ends") << "+1\r+2\n+3\r\n+4"
                                     << "it"
                                     << "10" << 4;
    QTest::newRow("LF CR is two line ends") << "+1\n\r+2"
                                            << "it"
                                            << "3" << 2;
    QTest::newRow("empty lines between") << "+5 bread\r\n\r\n\r\n+6"
                                         << "it"
                                         << "11" << 2;
    QTest::newRow("final line end") << "+5\r\n"
                                    << "it"
                                    << "5" << 1;
}

void LineEngineTest::sumsNotes()
{
    QFETCH(QString, note);
    QFETCH(QString, locale);
    QFETCH(QString, total);
    QFETCH(int, counted);

    const NumberFormat format(locale == QLatin1String("it") ? italian : american);
    const LineEngine engine(format);

    const auto fused = engine.evaluate(note);
    QCOMPARE(format.format(fused.total), total);
    QCOMPARE(fused.countedLines, counted);

    const auto twoPasses = engine.accumulate(LineEngine::normalise(note));
    QCOMPARE(format.format(twoPasses.total), total);
    QCOMPARE(twoPasses.countedLines, counted);
}

void LineEngineTest::normalisesLines_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("comment dropped") << "# shopping"
                                     << "";
    QTest::newRow("apostrophe comment dropped") << "' note"
                                                << "";
    QTest::newRow("empty line dropped") << ""
                                        << "";
    QTest::newRow("spaces-only line dropped") << "    "
                                              << "";
    QTest::newRow("leading operator gets an empty line and loses its space") << "+ 12,50 bread"
                                                                             << "\r\n+12,50 bread\r\n";
    QTest::newRow("text line kept") << "milk 3"
                                    << "milk 3\r\n";
    QTest::newRow("each operator starts a line") << "+4+6"
                                                 << "\r\n+4\r\n+6\r\n";
    QTest::newRow("apostrophe kept inside") << "-2 ' rebate"
                                            << "\r\n-2 ' rebate\r\n";
    QTest::newRow("operator after text") << "total - see above"
                                         << "total \r\n- see above\r\n";
    QTest::newRow("hash becomes apostrophe") << "+5 #+3"
                                             << "\r\n+5 '\r\n+3\r\n";
    QTest::newRow("only the leading operator loses its space") << "-5 + 3"
                                                               << "\r\n-5 \r\n+ 3\r\n";
    QTest::newRow("two spaces keep one") << "+  5"
                                         << "\r\n+ 5\r\n";
    QTest::newRow("surrounding spaces trimmed") << "  +5  "
                                                << "\r\n+5\r\n";
    QTest::newRow("tabs are not trimmed") << "\t+5\t"
                                          << "\t\r\n+5\t\r\n";
    // Threes first, then pairs, each once from left to right.
    QTest::newRow("four spaces become one") << "a    b"
                                            << "a b\r\n";
    QTest::newRow("five spaces become two") << "a     b"
                                            << "a  b\r\n";
    QTest::newRow("six spaces become one") << "a      b"
                                           << "a b\r\n";
    QTest::newRow("every line of a note, CR LF at the end of each") << "a\r\n\r\n+1\rb\nc"
                                                                    << "a\r\n\r\n+1\r\nb\r\nc\r\n";
}

void LineEngineTest::normalisesLines()
{
    QFETCH(QString, note);
    QFETCH(QString, normalised);

    QCOMPARE(LineEngine::normalise(note), normalised);
}

void LineEngineTest::runningTotalPassesThroughEveryCountedLine()
{
    const NumberFormat format(italian);
    const LineEngine engine(format);
    const QString note = crlf({"# shopping", "+ 12,50 bread", "milk 3", "+4+6", "-2 ' rebate", "*2"});

    QStringList fused;
    engine.evaluate(note, [&](const tabulo::Decimal &total) { fused << format.format(total); });
    QStringList twoPasses;
    engine.accumulate(
        LineEngine::normalise(note), [&](const tabulo::Decimal &total) { twoPasses << format.format(total); });

    const QStringList expected {"12,5", "16,5", "22,5", "20,5", "41"};
    QCOMPARE(fused, expected);
    QCOMPARE(twoPasses, expected);
}

QTEST_GUILESS_MAIN(LineEngineTest)
#include "tst_line_engine.moc"
