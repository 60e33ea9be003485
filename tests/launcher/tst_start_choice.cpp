// Which variant the launcher starts for what the start file holds.

#include "launcher/start_choice.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tabulo::launcher;

Q_DECLARE_METATYPE(tabulo::launcher::Variant)

class StartChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheVariantQuitLast_data();
    void choosesTheVariantQuitLast();
    void missingFileStartsTheTotalAtTheTop();
    void readsOnlyTheBeginningOfAHugeFile();
    void programNames();
};

void StartChoiceTest::choosesTheVariantQuitLast_data()
{
    QTest::addColumn<QByteArray>("startFile");
    QTest::addColumn<Variant>("expected");
    const Variant bottom = Variant::TotalsAtBottom;
    const Variant top = Variant::TotalAtTop;

    QTest::newRow("written by the totals at the bottom") << QByteArray("\"2\"\r\n") << bottom;
    QTest::newRow("written by the total at the top") << QByteArray("\"1\"\r\n") << top;
    QTest::newRow("zero") << QByteArray("\"0\"\r\n") << top;
    QTest::newRow("empty file") << QByteArray() << top;
    QTest::newRow("empty text value") << QByteArray("\"\"\r\n") << top;
    QTest::newRow("blank first line, 2 below") << QByteArray("\r\n\"2\"\r\n") << top;
    QTest::newRow("line feeds only") << QByteArray("\"2\"\n") << bottom;
    QTest::newRow("no line end") << QByteArray("\"2\"") << bottom;
    QTest::newRow("without quotes") << QByteArray("2\r\n") << bottom;
    QTest::newRow("blanks around the field") << QByteArray("  \"2\"\t\r\n") << bottom;
    QTest::newRow("further fields") << QByteArray("\"2\",\"1\"\r\n") << bottom;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\"2\"\r\n") << bottom;
    QTest::newRow("another digit") << QByteArray("\"3\"\r\n") << top;
    QTest::newRow("two digits") << QByteArray("\"22\"\r\n") << top;
    QTest::newRow("2 inside a word") << QByteArray("\"2x\"\r\n") << top;
    QTest::newRow("a quote only") << QByteArray("\"") << top;
    QTest::newRow("unclosed quote before 2") << QByteArray("\"2") << bottom;
    QTest::newRow("garbage") << QByteArray("\x00\xff\xfe garbage \x01\x02", 14) << top;
    QTest::newRow("nul before the record") << QByteArray("\x00\"2\"\r\n", 6) << top;
}

void StartChoiceTest::choosesTheVariantQuitLast()
{
    QFETCH(QByteArray, startFile);
    QFETCH(Variant, expected);
    QCOMPARE(variantFor(startFile), expected);
}

void StartChoiceTest::missingFileStartsTheTotalAtTheTop()
{
    QTemporaryDir folder;
    const auto head = readStartFileHead(folder.filePath(QStringLiteral("TabuloStartForTOT.ini")));
    QVERIFY(!head);
    QCOMPARE(variantFor(head), Variant::TotalAtTop);
    // A folder where the file should be cannot be read either.
    QCOMPARE(variantFor(readStartFileHead(folder.path())), Variant::TotalAtTop);
}

void StartChoiceTest::readsOnlyTheBeginningOfAHugeFile()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("TabuloStartForTOT.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"2\"\r\n");
    file.write(QByteArray(10 * 1024 * 1024, 'x'));
    file.close();
    const auto head = readStartFileHead(file.fileName());
    QVERIFY(head);
    QVERIFY(head->size() <= 4096);
    QCOMPARE(variantFor(head), Variant::TotalsAtBottom);
}

void StartChoiceTest::programNames()
{
    QCOMPARE(programName(Variant::TotalsAtBottom), QStringLiteral("Tabulo_Bt"));
    QCOMPARE(programName(Variant::TotalAtTop), QStringLiteral("Tabulo_Top"));
}

QTEST_GUILESS_MAIN(StartChoiceTest)
#include "tst_start_choice.moc"
