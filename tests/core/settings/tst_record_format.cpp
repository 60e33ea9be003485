// The comma-separated records of the window placement file and the launcher
// start file: numbers in plain "." decimal whatever the user's locale, texts
// in double quotes; reading is forgiving about blanks.

#include "core/settings/record_format.h"

#include <QTest>

#include <cmath>

using namespace tabulo;
using RecordFormat::Field;

Q_DECLARE_METATYPE(QList<Field>)

class RecordFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void formatsRecords_data();
    void formatsRecords();
    void everyFiniteNumberReadsBack();
    void splitsRecords_data();
    void splitsRecords();
    void readsNumbers_data();
    void readsNumbers();
};

void RecordFormatTest::formatsRecords_data()
{
    QTest::addColumn<QList<Field>>("fields");
    QTest::addColumn<QString>("record");

    QTest::newRow("window placement") << QList<Field> {1200.0, 2400.0, 9600.0, 7200.0, 0.0} << "1200,2400,9600,7200,0";
    QTest::newRow("fraction with a point") << QList<Field> {1.5} << "1.5";
    QTest::newRow("negative") << QList<Field> {-48000.0, -100.25} << "-48000,-100.25";
    QTest::newRow("large values never in exponent form") << QList<Field> {1e20} << "100000000000000000000";
    QTest::newRow("small values never in exponent form") << QList<Field> {0.0001} << "0.0001";
    QTest::newRow("launcher start file") << QList<Field> {QStringLiteral("2")} << "\"2\"";
    QTest::newRow("text and number") << QList<Field> {QStringLiteral("a"), 3.0} << "\"a\",3";
    QTest::newRow("not a number is written as 0") << QList<Field> {std::nan("")} << "0";
    QTest::newRow("no fields") << QList<Field> {} << "";
}

void RecordFormatTest::formatsRecords()
{
    QFETCH(QList<Field>, fields);
    QFETCH(QString, record);

    QCOMPARE(RecordFormat::formatRecord(fields), record);
}

void RecordFormatTest::everyFiniteNumberReadsBack()
{
    // However long its fixed form: the largest doubles have 309 digits, the
    // smallest 323 zeros after the point.
    for (const double number : {1e308, -1.7976931348623157e308, 5e-324, -1e-300, 3.4028234663852886e38, 0.1}) {
        const QString record = RecordFormat::formatRecord({number});
        QVERIFY(!record.contains(u'e'));
        QCOMPARE(RecordFormat::toNumber(record), std::optional(number));
    }
}

void RecordFormatTest::splitsRecords_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("plain numbers") << "1200,2400,9600,7200,0" << QStringList {"1200", "2400", "9600", "7200", "0"};
    QTest::newRow("blanks around fields") << " 1200 ,\t2400\t, 9600" << QStringList {"1200", "2400", "9600"};
    QTest::newRow("quoted text") << "\"2\"" << QStringList {"2"};
    QTest::newRow("quoted text holding a comma") << "\"a,b\",3" << QStringList {"a,b", "3"};
    QTest::newRow("blanks inside quotes kept") << "  \"  spaced  \"  ,1" << QStringList {"  spaced  ", "1"};
    QTest::newRow("empty field") << "1,,3" << QStringList {"1", "", "3"};
    QTest::newRow("trailing comma") << "1," << QStringList {"1", ""};
    QTest::newRow("empty record") << "" << QStringList {""};
    QTest::newRow("unclosed quote runs to the end") << "\"open,x" << QStringList {"open,x"};
    QTest::newRow("text after the closing quote dropped") << "\"a\"junk,2" << QStringList {"a", "2"};
}

void RecordFormatTest::splitsRecords()
{
    QFETCH(QString, record);
    QFETCH(QStringList, fields);

    QCOMPARE(RecordFormat::parseRecord(record), fields);
}

void RecordFormatTest::readsNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("number"); // "-" when the field is not a number

    QTest::newRow("integer") << "1200"
                             << "1200";
    QTest::newRow("point decimal") << "1.5"
                                   << "1.5";
    QTest::newRow("blanks") << " 1.5 "
                            << "1.5";
    QTest::newRow("plus sign") << "+3"
                               << "3";
    QTest::newRow("negative") << "-48000"
                              << "-48000";
    QTest::newRow("exponent") << "1e3"
                              << "1000";
    QTest::newRow("comma is not a decimal") << "1,5"
                                            << "-";
    QTest::newRow("word") << "abc"
                          << "-";
    QTest::newRow("empty") << ""
                           << "-";
    QTest::newRow("trailing garbage") << "1.5x"
                                      << "-";
    QTest::newRow("hexadecimal") << "0x10"
                                 << "-";
    QTest::newRow("infinity") << "inf"
                              << "-";
    QTest::newRow("not a number") << "nan"
                                  << "-";
    QTest::newRow("beyond a double") << "1e400"
                                     << "-";
}

void RecordFormatTest::readsNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, number);

    const auto value = RecordFormat::toNumber(field);
    QCOMPARE(value ? QString::number(*value, 'g', 17) : QStringLiteral("-"), number);
}

QTEST_GUILESS_MAIN(RecordFormatTest)
#include "tst_record_format.moc"
