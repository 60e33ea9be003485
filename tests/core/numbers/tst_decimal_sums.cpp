// Sums and differences are the operations of nearly every line, and they
// have a quick path of their own for the common case of no rounding. Here
// they are checked against the decimal library itself, bit for bit: the
// same value held the same way (coefficient, exponent, sign of a zero),
// over random pairs of every shape a note produces and some it rarely does.

#include "core/numbers/decimal.h"
#include "core/numbers/decimal_running_sum.h"

#include "tests/core/test_decimal.h"

#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0
extern "C" {
#include <bid_conf.h>
#include <bid_functions.h>
}

#include <QRandomGenerator>
#include <QTest>

#include <string>

using tabulo::Decimal;

namespace {

struct Operand
{
    std::string digits; // the coefficient, without leading zeros ("0" for zero)
    int exponent = 0;
    bool negative = false;

    std::string libraryText() const { return (negative ? "-" : "+") + digits + "E" + std::to_string(exponent); }
    Decimal decimal() const
    {
        const Decimal value = Decimal::fromDigits(digits, exponent);
        return negative ? -value : value;
    }
};

BID_UINT128 libraryNumber(const Operand &o)
{
    _IDEC_flags flags = 0;
    return bid128_from_string(const_cast<char *>(o.libraryText().c_str()), BID_ROUNDING_TO_NEAREST, &flags);
}

QString libraryText(BID_UINT128 x)
{
    char text[64];
    _IDEC_flags flags = 0;
    bid128_to_string(text, x, &flags);
    return QString::fromLatin1(text);
}

std::string randomDigits(QRandomGenerator &random, int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += char('0' + random.bounded(i == 0 ? 1 : 0, 10));
    return digits;
}

// The shapes: how many digits a coefficient has, how far apart the two
// exponents may be, and how often the second number cancels the first.
struct Shape
{
    int shortestDigits, longestDigits;
    int lowestExponent, highestExponent;
    bool cancels = false; // the second operand is the first with the other sign
    bool nines = false; // coefficients of all nines, where a carry passes 34 digits
};

// The shape of the current row of the data table.
Shape fetchedShape()
{
    QFETCH(int, shortestDigits);
    QFETCH(int, longestDigits);
    QFETCH(int, lowestExponent);
    QFETCH(int, highestExponent);
    QFETCH(bool, cancels);
    QFETCH(bool, nines);
    return Shape {shortestDigits, longestDigits, lowestExponent, highestExponent, cancels, nines};
}

Operand randomOperand(QRandomGenerator &random, const Shape &shape)
{
    Operand o;
    const int count = random.bounded(shape.shortestDigits, shape.longestDigits + 1);
    o.digits = count == 0 ? "0" : shape.nines ? std::string(size_t(count), '9') : randomDigits(random, count);
    o.exponent = random.bounded(shape.lowestExponent, shape.highestExponent + 1);
    o.negative = random.bounded(2) == 1;
    return o;
}

} // namespace

class DecimalSumsTest : public QObject
{
    Q_OBJECT

private slots:
    void sumsAreTheLibrarysSums_data();
    void sumsAreTheLibrarysSums();
    void aRunningSumIsItsStepsOneByOne_data();
    void aRunningSumIsItsStepsOneByOne();
};

void DecimalSumsTest::sumsAreTheLibrarysSums_data()
{
    QTest::addColumn<int>("shortestDigits");
    QTest::addColumn<int>("longestDigits");
    QTest::addColumn<int>("lowestExponent");
    QTest::addColumn<int>("highestExponent");
    QTest::addColumn<bool>("cancels");
    QTest::addColumn<bool>("nines");

    QTest::newRow("amounts with cents and whole amounts") << 1 << 9 << -2 << 0 << false << false;
    QTest::newRow("zeros among small numbers") << 0 << 3 << -3 << 3 << false << false;
    QTest::newRow("exponents up to 40 apart") << 1 << 20 << -20 << 20 << false << false;
    QTest::newRow("up to 34 digits, rounding needed") << 15 << 34 << -10 << 10 << false << false;
    QTest::newRow("all nines, carries past 34 digits") << 30 << 34 << -2 << 2 << false << true;
    QTest::newRow("a number and its opposite") << 0 << 34 << -30 << 30 << true << false;
    QTest::newRow("tiny numbers") << 1 << 34 << -6176 << -6100 << false << false;
    QTest::newRow("large numbers inside the range") << 1 << 34 << 200 << 260 << false << false;
}

void DecimalSumsTest::sumsAreTheLibrarysSums()
{
    const Shape shape = fetchedShape();

    QRandomGenerator random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const Operand a = randomOperand(random, shape);
        Operand b = shape.cancels ? a : randomOperand(random, shape);
        if (shape.cancels)
            b.negative = !a.negative;
        const BID_UINT128 x = libraryNumber(a);
        const BID_UINT128 y = libraryNumber(b);
        const Decimal da = a.decimal();
        const Decimal db = b.decimal();
        const QString pair = QString::fromStdString(a.libraryText() + " and " + b.libraryText());
        QCOMPARE(tabulo::test::exactText(da), libraryText(x));

        _IDEC_flags sumFlags = 0;
        _IDEC_flags differenceFlags = 0;
        const BID_UINT128 sum = bid128_add(x, y, BID_ROUNDING_TO_NEAREST, &sumFlags);
        const BID_UINT128 difference = bid128_sub(x, y, BID_ROUNDING_TO_NEAREST, &differenceFlags);
        if (tabulo::test::exactText(da + db) != libraryText(sum))
            QFAIL(qPrintable(QStringLiteral("%1: sum %2, the library's %3")
                                 .arg(pair, tabulo::test::exactText(da + db), libraryText(sum))));
        if (tabulo::test::exactText(da - db) != libraryText(difference))
            QFAIL(qPrintable(QStringLiteral("%1: difference %2, the library's %3")
                                 .arg(pair, tabulo::test::exactText(da - db), libraryText(difference))));
        const auto exact = da.exactSum(db);
        const bool libraryExact = !(sumFlags & BID_INEXACT_EXCEPTION);
        if (exact.has_value() != libraryExact || (exact && tabulo::test::exactText(*exact) != libraryText(sum)))
            QFAIL(qPrintable(
                QStringLiteral("%1: exact sum %2, the library's %3 %4")
                    .arg(pair, exact ? tabulo::test::exactText(*exact) : QStringLiteral("none"), libraryText(sum),
                        libraryExact ? QStringLiteral("exact") : QStringLiteral("rounded"))));
    }
}

void DecimalSumsTest::aRunningSumIsItsStepsOneByOne_data()
{
    sumsAreTheLibrarysSums_data();
}

// Long columns of amounts are added with a running sum; after every step it
// must hold what the operators give one by one, also where a step rounds,
// passes the double range, or meets an infinite or undefined number.
void DecimalSumsTest::aRunningSumIsItsStepsOneByOne()
{
    const Shape shape = fetchedShape();

    QRandomGenerator random(8122026);
    for (int run = 0; run < 200; ++run) {
        tabulo::DecimalRunningSum running;
        Decimal stepByStep;
        for (int i = 0; i < 100; ++i) {
            Decimal value = randomOperand(random, shape).decimal();
            const int rare = random.bounded(200);
            if (rare == 0)
                value = Decimal::infinity(random.bounded(2) == 1);
            else if (rare == 1)
                value = Decimal::notANumber();
            else if (rare == 2)
                value = tabulo::test::decimal(QStringLiteral("1.7976931348623157e308"));
            const bool subtract = random.bounded(2) == 1;
            if (subtract) {
                running.subtract(value);
                stepByStep = stepByStep - value;
            } else {
                running.add(value);
                stepByStep = stepByStep + value;
            }
            if (tabulo::test::exactText(running.total()) != tabulo::test::exactText(stepByStep))
                QFAIL(qPrintable(
                    QStringLiteral("run %1, step %2: %3, one by one %4")
                        .arg(run)
                        .arg(i)
                        .arg(tabulo::test::exactText(running.total()), tabulo::test::exactText(stepByStep))));
            if (stepByStep.isNaN() || random.bounded(20) == 0) {
                running = tabulo::DecimalRunningSum();
                stepByStep = Decimal();
            }
        }
    }
}

QTEST_APPLESS_MAIN(DecimalSumsTest)
#include "tst_decimal_sums.moc"
