// The text commands that help type calculation lines, as text in, text out.

#include "core/entry/entry_aids.h"

#include <QTest>

namespace EntryAids = tabulo::EntryAids;

class EntryAidsTest : public QObject
{
    Q_OBJECT
private slots:
    void addLeadingSign_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("result");
        QTest::newRow("lines with an empty one") << "5\r\n\r\n7"
                                                 << "+"
                                                 << "+5\r\n+\r\n+7\r\n";
        QTest::newRow("spaces trimmed") << "  5 \r\n 7"
                                        << "-"
                                        << "-5\r\n-7\r\n";
        QTest::newRow("selection ending with a line end") << "5\r\n"
                                                          << "+"
                                                          << "+5\r\n+\r\n";
        QTest::newRow("nothing selected") << ""
                                          << "*"
                                          << "*\r\n";
        QTest::newRow("cancelled question") << "5\r\n6"
                                            << ""
                                            << "5\r\n6\r\n";
        QTest::newRow("a space sign leaves no leading space") << "5\r\n6"
                                                              << " "
                                                              << "5\r\n 6\r\n";
        QTest::newRow("longer sign") << "3"
                                     << "*2+"
                                     << "*2+3\r\n";
    }
    void addLeadingSign()
    {
        QFETCH(QString, selection);
        QFETCH(QString, sign);
        QFETCH(QString, result);
        QCOMPARE(EntryAids::addLeadingSign(selection, sign), result);
    }

    void removeLeadingSign_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("result");
        QTest::newRow("a word loses its first letter") << "abc"
                                                       << "bc\r\n";
        QTest::newRow("signs and an empty line") << "+5\r\n\r\n -7 "
                                                 << "5\r\n\r\n7\r\n";
        QTest::newRow("a single character") << "+"
                                            << "\r\n";
    }
    void removeLeadingSign()
    {
        QFETCH(QString, selection);
        QFETCH(QString, result);
        QCOMPARE(EntryAids::removeLeadingSign(selection), result);
    }

    void splitExpression_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("result");
        QTest::newRow("worked example") << "12 + 3 - 4"
                                        << "\r\n+12 \r\n+3 \r\n-4";
        QTest::newRow("no spaces") << "5*2"
                                   << "\r\n+5\r\n*2";
        QTest::newRow("leading operator kept") << " -3/4 "
                                               << "\r\n-3\r\n/4";
        QTest::newRow("comment mark") << "1+2 #tip"
                                      << "\r\n+1\r\n+2 'tip";
        QTest::newRow("runs of spaces, one pass each") << "a       b+1"
                                                       << "a  b\r\n+1";
    }
    void splitExpression()
    {
        QFETCH(QString, selection);
        QFETCH(QString, result);
        QCOMPARE(EntryAids::splitExpression(selection), result);
    }
};

QTEST_GUILESS_MAIN(EntryAidsTest)
#include "tst_entry_aids.moc"
