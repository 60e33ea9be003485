// Totals are shown, and numbers in a note are read, in the user's locale.
// Every case runs in a comma locale (Italian) and a dot locale (US English)
// side by side, since a separator mix-up is the fault most likely to slip in.

#include "core/numbers/number_format.h"

#include "tests/core/test_decimal.h"
#include "tests/core/test_locales.h"

#include <QTest>

using tabulo::Decimal;
using tabulo::NumberFormat;
using tabulo::test::decimal;
using tabulo::test::valueText;

namespace {

const QLocale italian = tabulo::test::commaLocale();
const QLocale american = tabulo::test::dotLocale();

const QLocale &localeNamed(const QString &name)
{
    return name == QLatin1String("it") ? italian : american;
}

// How a parse result is shown in a failure message: its exact value or
// "rejected".
QString describe(const std::optional<Decimal> &parsed)
{
    return parsed ? valueText(*parsed) : QStringLiteral("rejected");
}

} // namespace

class NumberFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void separatorsComeFromTheLocale();
    void formatsTotals_data();
    void formatsTotals();
    void parsesNumbers_data();
    void parsesNumbers();
    void readsNumbersExactlyAsWritten();
    void formattedTotalsReadBack_data();
    void formattedTotalsReadBack();
};

void NumberFormatTest::separatorsComeFromTheLocale()
{
    QCOMPARE(NumberFormat(italian).decimalSeparator(), QChar(u','));
    QCOMPARE(NumberFormat(american).decimalSeparator(), QChar(u'.'));
}

void NumberFormatTest::formatsTotals_data()
{
    QTest::addColumn<QString>("value"); // the decimal, written as in C
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("dot");

    auto row = [](const char *name, const char *value, const char *comma, const char *dot) {
        QTest::newRow(name) << QString::fromLatin1(value) << QString::fromLatin1(comma) << QString::fromLatin1(dot);
    };
    row("zero", "0", "0", "0");
    row("zero held with decimals", "0.00", "0", "0");
    row("negative zero shows no sign", "-0", "0", "0");
    row("integer", "42", "42", "42");
    row("negative integer", "-7", "-7", "-7");
    row("no digit grouping", "1234567", "1234567", "1234567");
    row("fraction", "12.5", "12,5", "12.5");
    row("trailing zeros dropped", "12.50", "12,5", "12.5");
    row("negative fraction", "-0.25", "-0,25", "-0.25");
    row("two thirds", "0.6666666666666666666666666666666667", "0,666666666666667", "0.666666666666667");
    row("15 significant digits kept", "123456789.123456789", "123456789,123457", "123456789.123457");
    row("half to even, down", "0.1234567890123445", "0,123456789012344", "0.123456789012344");
    row("half to even, up", "0.1234567890123455", "0,123456789012346", "0.123456789012346");
    row("above half rounds up", "0.12345678901234450001", "0,123456789012345", "0.123456789012345");
    row("largest plain integer", "999999999999999", "999999999999999", "999999999999999");
    row("1E+15 switches to exponent", "1e15", "1E+15", "1E+15");
    row("rounding up reaches 1E+15", "999999999999999.9", "1E+15", "1E+15");
    row("large with mantissa", "123456789012345678", "1,23456789012346E+17", "1.23456789012346E+17");
    row("34 digits", "1234567890123456789012345678901234", "1,23456789012346E+33", "1.23456789012346E+33");
    row("negative large", "-2.5e20", "-2,5E+20", "-2.5E+20");
    row("three-digit exponent", "1e100", "1E+100", "1E+100");
    row("1E-04 stays plain", "0.0001", "0,0001", "0.0001");
    row("just above 1E-04 stays plain", "0.00012345", "0,00012345", "0.00012345");
    row("below 1E-04 is exponent", "0.00009", "9E-05", "9E-05");
    row("rounding up reaches 1E-04", "0.00009999999999999999", "0,0001", "0.0001");
    row("1E-05", "1e-5", "1E-05", "1E-05");
    row("negative small", "-1.5e-7", "-1,5E-07", "-1.5E-07");
    row("largest double", "1.797693134862315708145274237317044e308", "1,79769313486232E+308", "1.79769313486232E+308");
    row("below the smallest double", "1e-400", "1E-400", "1E-400");
    row("infinite after a division by zero", "inf", "Infinity", "Infinity");
    row("negative infinite", "-inf", "-Infinity", "-Infinity");
    row("undefined after 0/0", "nan", "NaN", "NaN");
}

void NumberFormatTest::formatsTotals()
{
    QFETCH(QString, value);
    QFETCH(QString, comma);
    QFETCH(QString, dot);

    QCOMPARE(NumberFormat(italian).format(decimal(value)), comma);
    QCOMPARE(NumberFormat(american).format(decimal(value)), dot);
}

void NumberFormatTest::parsesNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("value"); // the decimal, written as in C

    auto accept = [](const char *name, const char *text, const char *locale, const char *value) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(locale) << true
                            << QString::fromLatin1(value);
    };
    auto reject = [](const char *name, const char *text, const char *locale) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(locale) << false << QString();
    };

    // Numbers in both locales.
    accept("it integer", "5", "it", "5");
    accept("en integer", "5", "en", "5");
    accept("it zero", "0", "it", "0");
    accept("it leading zeros", "00012", "it", "12");
    accept("it decimal comma", "12,50", "it", "12.5");
    accept("en decimal point", "12.50", "en", "12.5");
    accept("it fraction only", ",5", "it", "0.5");
    accept("en fraction only", ".5", "en", "0.5");
    accept("it trailing separator", "5,", "it", "5");
    accept("en trailing separator", "5.", "en", "5");
    accept("it 0,0001", "0,0001", "it", "0.0001");
    accept("en 0.0001", "0.0001", "en", "0.0001");
    accept("it a tenth is a tenth", "0,1", "it", "0.1");

    // Grouping separators are read, not mistaken for decimals: the same
    // characters mean different numbers in the two locales.
    accept("it grouped thousands", "1.500", "it", "1500");
    accept("it grouped with decimals", "1.234.567,89", "it", "1234567.89");
    accept("it point is grouping anywhere", "1.5", "it", "15");
    accept("en grouped thousands", "1,500", "en", "1500");
    accept("en comma is grouping", "1,5", "en", "15");
    accept("en several groups", "1,2,3", "en", "123");

    // Exponents.
    accept("it exponent", "1E5", "it", "100000");
    accept("en exponent", "1E5", "en", "100000");
    accept("lower-case exponent", "1e5", "en", "100000");
    accept("it exponent with fraction", "1,5E3", "it", "1500");
    accept("en exponent with fraction", "1.5E3", "en", "1500");
    accept("exponent with plus", "1E+15", "en", "1e15");
    accept("exponent with minus", "1E-05", "it", "1e-5");
    accept("exponent with leading zeros", "1E0005", "en", "1e5");
    accept("15 digits", "123456789012345", "en", "123456789012345");
    accept("more digits than a double holds", "12345678901234567890", "en", "12345678901234567890");
    accept("34 digits exactly", "1234567890123456789012345678,901234", "it", "1234567890123456789012345678.901234");
    accept("35 digits, half to even down", "12345678901234567890123456789012345", "en",
        "1234567890123456789012345678901234e1");
    accept("35 digits, half to even up", "12345678901234567890123456789012355", "en",
        "1234567890123456789012345678901236e1");
    accept("zeros before the digits do not count", "0,000000000000000000001234567890123456789012345678901234", "it",
        "1234567890123456789012345678901234e-54");

    // Beyond the range of a double: infinite. Below it, still exact.
    accept("overflow is infinite", "1E400", "en", "inf");
    accept("it overflow is infinite", "1E400", "it", "inf");
    accept("long mantissa overflows", "99999999999999999999E300", "en", "inf");
    accept("huge exponent overflows", "1E99999999999999999999", "en", "inf");
    accept("fraction overflows through its exponent", "0,001E312", "it", "inf");
    accept("largest double", "1.7976931348623157E308", "en", "1.7976931348623157e308");
    accept("last decimal a double reaches", "1.797693134862315807937289714053034E308", "en",
        "1.797693134862315807937289714053034e308");
    accept("first decimal past the double range", "1.797693134862315807937289714053035E308", "en", "inf");
    accept("below the double range stays exact", "1E-400", "en", "1e-400");
    accept("it small mantissa", "0,0001E-330", "it", "1e-334");
    accept("huge negative exponent underflows", "1E-99999999999999999999", "en", "0");
    accept("zero with a huge exponent", "0E99999", "en", "0");
    accept("subnormal of a double kept", "1E-310", "en", "1e-310");

    // Not numbers.
    reject("it empty", "", "it");
    reject("en empty", "", "en");
    reject("it separator alone", ",", "it");
    reject("en separator alone", ".", "en");
    reject("it grouping before any digit", ".5", "it");
    reject("en grouping before any digit", ",5", "en");
    reject("it second decimal separator", "1,5,3", "it");
    reject("en second decimal separator", "1.2.3", "en");
    reject("it grouping after decimals", "1,5.3", "it");
    reject("en grouping after decimals", "1.5,3", "en");
    reject("exponent without digits", "1E", "en");
    reject("exponent sign without digits", "1E+", "en");
    reject("exponent alone", "E5", "en");
    reject("fractional exponent", "1E5,5", "it");
    reject("trailing letter", "12a", "en");
    reject("trailing letter it", "12,50a", "it");
    reject("leading space", " 5", "en");
    reject("trailing space", "5 ", "en");
    reject("inner space", "1 000", "en");
    reject("tab", "5\t", "en");
    reject("plus sign", "+5", "en");
    reject("minus sign", "-5", "it");
    reject("hexadecimal", "0x10", "en");
    reject("currency", "$5", "en");
    reject("parentheses", "(5)", "en");
    reject("apostrophe grouping", "1'000", "en");
    reject("arabic-indic digits", "\u0661\u0662", "en");
    reject("infinity word", "Infinity", "en");
    reject("nan word", "NaN", "en");
    reject("comment mark", "5'", "it");
}

void NumberFormatTest::parsesNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, accepted);
    QFETCH(QString, value);

    const auto parsed = NumberFormat(localeNamed(locale)).parse(text);
    QCOMPARE(describe(parsed), accepted ? valueText(decimal(value)) : QStringLiteral("rejected"));
}

void NumberFormatTest::readsNumbersExactlyAsWritten()
{
    // The digits written are the digits held, trailing zeros included, so a
    // sum of amounts with cents keeps its cents.
    const NumberFormat format(italian);
    QCOMPARE(format.parse(u"12,50")->exactText(), std::string("+1250E-2"));
    QCOMPARE(format.parse(u"1.500")->exactText(), std::string("+1500E+0"));
    QCOMPARE(format.parse(u"0,1")->exactText(), std::string("+1E-1"));
}

void NumberFormatTest::formattedTotalsReadBack_data()
{
    QTest::addColumn<QString>("value");

    // A total copied from the totals box into a note line must count as the
    // same number (to 15 digits). Exponent forms are excluded by nature: their
    // sign would start a line of its own in a note, but the parser takes them.
    QTest::newRow("fraction") << "12.5";
    QTest::newRow("two thirds") << "0.6666666666666666666666666666666667";
    QTest::newRow("large") << "123456789012345678";
    QTest::newRow("small") << "0.00009";
    QTest::newRow("tiny") << "1.5e-300";
}

void NumberFormatTest::formattedTotalsReadBack()
{
    QFETCH(QString, value);

    for (const QLocale &locale : {italian, american}) {
        const NumberFormat format(locale);
        const QString shown = format.format(decimal(value));
        const auto parsed = format.parse(shown);
        QVERIFY2(parsed.has_value(), qPrintable(shown));
        QCOMPARE(format.format(*parsed), shown);
    }
}

QTEST_GUILESS_MAIN(NumberFormatTest)
#include "tst_number_format.moc"
