// The calculator's two files: the history comes back as it was kept (at
// most its first entries), the placement always gives a usable window, and
// no file, however large or foreign, stalls the opening.
#include "script/calculator/calculator_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

class CalculatorFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void historyParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("missing") << QString() << QStringList();
        QTest::newRow("CR LF lines, trimmed") << "1+1\r\n  2*3 \r\n" << QStringList {"1+1", "2*3"};
        QTest::newRow("LF lines and no last line end") << "1+1\n2*3" << QStringList {"1+1", "2*3"};
        QTest::newRow("empty lines are skipped") << "\r\n1\r\n\r\n\r\n2\r\n" << QStringList {"1", "2"};
        QTest::newRow("a line of blanks is an empty entry") << "1\r\n   \r\n2\r\n" << QStringList {"1", "", "2"};
        QStringList many;
        QString text;
        for (int i = 1; i <= 150; ++i) {
            text += QString::number(i) + "\r\n";
            if (i <= CalculatorHistory::maxLoadedLines)
                many.append(QString::number(i));
        }
        QTest::newRow("150 lines load the first 101") << text << many;
    }
    void historyParse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, history);
        QCOMPARE(CalculatorHistory::parse(text), history);
    }

    void historyRoundTrip()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("History.ini");
        const QStringList history {"1,5*2", "", "Sqr(2)", "line\nbreak"};
        QVERIFY(CalculatorHistory::save(path, history).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1,5*2\r\n\r\nSqr(2)\r\nline break\r\n"));
        // The empty entry is written but, as an empty line, not read back.
        QCOMPARE(CalculatorHistory::load(path), (QStringList {"1,5*2", "Sqr(2)", "line break"}));
    }

    void hugeOrBinaryHistory_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("10 MB of one line") << QByteArray(10 * 1024 * 1024, 'x');
        QByteArray binary(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 7919) % 256);
        QTest::newRow("10 MB binary") << binary;
        QTest::newRow("10 MB of short lines") << QByteArray("1+1\r\n").repeated(2 * 1024 * 1024);
    }
    void hugeOrBinaryHistory()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath("History.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QElapsedTimer clock;
        clock.start();
        const QStringList history = CalculatorHistory::load(path);
        QVERIFY(history.size() <= CalculatorHistory::maxLoadedLines);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("height");
        QTest::newRow("missing: design place") << QString() << 0.0 << 0.0 << 6840.0;
        QTest::newRow("one record") << "1200,3000,4260,7000\r\n" << 1200.0 << 3000.0 << 7000.0;
        QTest::newRow("blanks around fields") << " 1200 , 3000 ,4260, 7000 " << 1200.0 << 3000.0 << 7000.0;
        QTest::newRow("the last record wins") << "1,2,3,4000\r\n5,6,7,8000\r\n" << 5.0 << 6.0 << 8000.0;
        QTest::newRow("negative and too low are corrected") << "-500,-20,4260,500" << 100.0 << 100.0 << 6840.0;
        QTest::newRow("garbage is skipped")
            << "1200,3000,4260,7000\r\nabc,def\r\n1,x,3,4\r\n\x01\x02" << 1200.0 << 3000.0 << 7000.0;
        QTest::newRow("infinite numbers are skipped") << "inf,nan,1e999,7000" << 0.0 << 0.0 << 6840.0;
    }
    void placement()
    {
        QFETCH(QString, text);
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(double, height);
        const CalculatorPlacement placement = CalculatorPlacement::parse(text);
        QCOMPARE(placement.top, top);
        QCOMPARE(placement.left, left);
        QCOMPARE(placement.height, height);
        QCOMPARE(CalculatorPlacement::parse(placement.format()).height, height);
    }

    void placementFormat()
    {
        CalculatorPlacement placement;
        placement.top = 1200.4;
        placement.left = 3000;
        placement.height = 6840;
        QCOMPARE(placement.format(), QStringLiteral("1200,3000,4260,6840\r\n"));
    }
};

QTEST_GUILESS_MAIN(CalculatorFilesTest)
#include "tst_calculator_files.moc"
