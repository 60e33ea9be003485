#include "core/find/text_search.h"

#include <QTest>

using namespace tabulo;

class TestTextSearch : public QObject
{
    Q_OBJECT
private slots:
    void findWithWrap_data();
    void findWithWrap();
    void replaceAll_data();
    void replaceAll();
    void searchTextForNote_data();
    void searchTextForNote();
};

void TestTextSearch::findWithWrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("after the start") << "abc abc"
                                     << "abc" << qsizetype(1) << false << qsizetype(4);
    QTest::newRow("only match at the start, found by wrapping") << "abc def"
                                                                << "abc" << qsizetype(1) << false << qsizetype(0);
    QTest::newRow("match before the caret wraps") << "x abc yyy"
                                                  << "abc" << qsizetype(6) << false << qsizetype(2);
    QTest::newRow("wrapped match reaching past the start") << "xabcx"
                                                           << "abc" << qsizetype(2) << false << qsizetype(1);
    QTest::newRow("from beyond the end wraps") << "abc"
                                               << "b" << qsizetype(50) << false << qsizetype(1);
    QTest::newRow("negative from starts at the beginning") << "abc"
                                                           << "a" << qsizetype(-5) << false << qsizetype(0);
    QTest::newRow("not there") << "abc"
                               << "z" << qsizetype(0) << false << qsizetype(-1);
    QTest::newRow("empty search text") << "abc"
                                       << "" << qsizetype(0) << false << qsizetype(-1);
    QTest::newRow("empty note") << ""
                                << "a" << qsizetype(0) << false << qsizetype(-1);
    QTest::newRow("longer than the note") << "ab"
                                          << "abc" << qsizetype(0) << false << qsizetype(-1);
    QTest::newRow("ignoring case") << "x ABC"
                                   << "abc" << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("matching case skips other case") << "ABC abc"
                                                    << "abc" << qsizetype(0) << true << qsizetype(4);
    QTest::newRow("matching case, only other case") << "ABC"
                                                    << "abc" << qsizetype(0) << true << qsizetype(-1);
    QTest::newRow("accented letters ignoring case") << "x ÈRA"
                                                    << "èra" << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("letter of another alphabet")
        << QStringLiteral("x \u03A3\u0391") << QStringLiteral("\u03C3\u03B1") << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("first letter matches, rest does not") << "ab aB ac"
                                                         << "AC" << qsizetype(0) << false << qsizetype(6);
    QTest::newRow("match at the very end") << "xxab"
                                           << "AB" << qsizetype(1) << false << qsizetype(2);
    QTest::newRow("character outside the basic plane")
        << QStringLiteral("a \U0001F600b") << QStringLiteral("\U0001F600B") << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("regular expression characters are plain") << "a.b a+b (x)*"
                                                             << ".b" << qsizetype(0) << false << qsizetype(1);
    QTest::newRow("dot does not match any character") << "axb"
                                                      << "a.b" << qsizetype(0) << false << qsizetype(-1);
    QTest::newRow("brackets and stars") << "1 [a]* 2"
                                        << "[a]*" << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("backslash") << "c:\\dir"
                               << "\\d" << qsizetype(0) << false << qsizetype(2);
    QTest::newRow("across a line end") << "10\r\n20\r\n"
                                       << "0\r\n2" << qsizetype(0) << false << qsizetype(1);
}

void TestTextSearch::findWithWrap()
{
    QFETCH(QString, text);
    QFETCH(QString, searched);
    QFETCH(qsizetype, from);
    QFETCH(bool, matchCase);
    QFETCH(qsizetype, expected);
    QCOMPARE(tabulo::findWithWrap(text, searched, from, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive), expected);
}

void TestTextSearch::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qsizetype>("count");

    QTest::newRow("replaced text is not searched again") << "aaa"
                                                         << "a"
                                                         << "aa"
                                                         << "aaaaaa" << qsizetype(3);
    QTest::newRow("always matching case") << "a A a"
                                          << "a"
                                          << "b"
                                          << "b A b" << qsizetype(2);
    QTest::newRow("empty replacement removes") << "1+2+3"
                                               << "+"
                                               << ""
                                               << "123" << qsizetype(2);
    QTest::newRow("not there") << "abc"
                               << "z"
                               << "y"
                               << "abc" << qsizetype(0);
    QTest::newRow("empty search text changes nothing") << "abc"
                                                       << ""
                                                       << "y"
                                                       << "abc" << qsizetype(0);
    QTest::newRow("longer than the note") << "ab"
                                          << "abc"
                                          << "y"
                                          << "ab" << qsizetype(0);
    QTest::newRow("overlapping occurrences left to right") << "aaaa"
                                                           << "aa"
                                                           << "b"
                                                           << "bb" << qsizetype(2);
    QTest::newRow("regular expression characters") << "x.*y .*"
                                                   << ".*"
                                                   << "$1"
                                                   << "x$1y $1" << qsizetype(2);
    QTest::newRow("whole note") << "abc"
                                << "abc"
                                << ""
                                << "" << qsizetype(1);
    QTest::newRow("line ends") << "1\r\n2\r\n3"
                               << "\r\n"
                               << "+"
                               << "1+2+3" << qsizetype(2);
}

void TestTextSearch::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, searched);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QFETCH(qsizetype, count);

    const ReplaceAllResult result = replaceAllOccurrences(text, searched, replacement);
    QCOMPARE(result.count, count);
    // The splice applied to the text gives the whole result, and leaves
    // alone what lies outside the first and last occurrence.
    QString applied = text;
    applied.replace(result.splice.position, result.splice.removedLength, result.splice.inserted);
    QCOMPARE(applied, expected);
    if (count > 0) {
        QCOMPARE(result.splice.position, text.indexOf(searched));
        QCOMPARE(result.splice.position + result.splice.removedLength, text.lastIndexOf(searched) + searched.size());
    }
}

void TestTextSearch::searchTextForNote_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "abc"
                           << "abc";
    QTest::newRow("editor line break") << "1\n2"
                                       << "1\r\n2";
    QTest::newRow("already CR LF") << "1\r\n2"
                                   << "1\r\n2";
    QTest::newRow("lone CR") << "1\r2"
                             << "1\r\n2";
    QTest::newRow("paragraph separator") << QStringLiteral("1\u20292") << "1\r\n2";
}

void TestTextSearch::searchTextForNote()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(tabulo::searchTextForNote(typed), expected);
}

QTEST_GUILESS_MAIN(TestTextSearch)
#include "tst_text_search.moc"
