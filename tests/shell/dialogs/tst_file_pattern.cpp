// Which names the file lists show: the note pattern, the open dialog's name
// filter, and the wildcards a user may type into that filter.

#include "file_pattern.h"

#include <QTest>

using namespace tabulo;

class FilePatternTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesNames_data();
    void matchesNames();
    void filtersByTheStartOfTheName_data();
    void filtersByTheStartOfTheName();
};

void FilePatternTest::matchesNames_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("note") << "*.txt" << "spesa.txt" << true;
    QTest::newRow("note, upper case") << "*.txt" << "SPESA.TXT" << true;
    QTest::newRow("note with dots in its name") << "*.txt" << "conti.2024.txt" << true;
    QTest::newRow("only an extension") << "*.txt" << ".txt" << true;
    QTest::newRow("other extension") << "*.txt" << "spesa.log" << false;
    QTest::newRow("extension continues") << "*.txt" << "spesa.txt2" << false;
    QTest::newRow("a .txt inside") << "*.txt" << "spesa.txt.bak" << false;
    QTest::newRow("no dot") << "*.txt" << "spesatxt" << false;
    QTest::newRow("star dot star, no extension") << "*.*" << "README" << true;
    QTest::newRow("question mark, one character") << "a?c" << "abc" << true;
    QTest::newRow("question mark at the end, none") << "ab?" << "ab" << true;
    QTest::newRow("question mark before a dot, none") << "ab?.txt" << "ab.txt" << true;
    QTest::newRow("question mark never a dot") << "a?b" << "a.b" << false;
    QTest::newRow("question mark inside, one needed") << "a?c" << "ac" << false;
    QTest::newRow("exact name") << "Spesa.txt" << "spesa.TXT" << true;
    QTest::newRow("dot at the end of a name") << "ab." << "ab" << true;
    QTest::newRow("stars everywhere") << "*a*b*c*" << "xxaxxbxxcxx" << true;
    QTest::newRow("stars, a letter missing") << "*a*b*c*" << "xxaxxbxx" << false;
    QTest::newRow("accents fold") << "è*" << "È bello.txt" << true;
    QTest::newRow("empty pattern, empty name only") << "" << "a" << false;
}

void FilePatternTest::matchesNames()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(matchesFilePattern(pattern, name), matches);
}

void FilePatternTest::filtersByTheStartOfTheName_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");

    const QString twentyTwo(22, u'x');
    QTest::newRow("starts with the filter") << "ab" << "abaco.txt" << true;
    QTest::newRow("any extension") << "ab" << "abc.log" << true;
    QTest::newRow("no extension") << "ab" << "abc" << true;
    QTest::newRow("the filter alone") << "ab" << "ab.txt" << true;
    QTest::newRow("filter inside the name") << "ab" << "xab.txt" << false;
    QTest::newRow("ignores case") << "AB" << "abaco.txt" << true;
    QTest::newRow("22 more characters") << "ab" << "ab" + twentyTwo + ".txt" << true;
    QTest::newRow("23 more characters") << "ab" << "ab" + twentyTwo + "x.txt" << false;
    QTest::newRow("emptied filter, short name") << "" << "spesa.log" << true;
    QTest::newRow("emptied filter, 22 characters") << "" << twentyTwo + ".txt" << true;
    QTest::newRow("emptied filter, 23 characters") << "" << twentyTwo + "x.txt" << false;
    QTest::newRow("a star typed in the filter") << "*casa" << "la mia casa.txt" << true;
    QTest::newRow("the filter spans a dot") << "conti.2" << "conti.2024.txt" << true;
}

void FilePatternTest::filtersByTheStartOfTheName()
{
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QCOMPARE(nameFilterPattern(filter), filter + QString(22, u'?') + QStringLiteral(".*"));
    QCOMPARE(FilePattern(nameFilterPattern(filter)).matches(name), listed);
}

QTEST_APPLESS_MAIN(FilePatternTest)
#include "tst_file_pattern.moc"
