// A note's companion script: which spellings of the extension are replaced,
// and notes that have no script at all.

#include "files/companion_script.h"

#include <QTest>

using namespace tabulo;

class CompanionScriptTest : public QObject
{
    Q_OBJECT

private slots:
    void findsTheScriptBesideTheNote_data();
    void findsTheScriptBesideTheNote();
};

void CompanionScriptTest::findsTheScriptBesideTheNote_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("script"); // empty: none

    QTest::newRow("lower case") << "/home/ann/Casa.txt" << "/home/ann/Casa.vb";
    QTest::newRow("upper case") << "/home/ann/CASA.TXT" << "/home/ann/CASA.vb";
    QTest::newRow("capital T") << "/home/ann/Casa.Txt" << "/home/ann/Casa.vb";
    QTest::newRow("capital X") << "/home/ann/Casa.tXt" << "/home/ann/Casa.vb";
    QTest::newRow("capital last T") << "/home/ann/Casa.txT" << "/home/ann/Casa.vb";
    QTest::newRow("a mix not in the list") << "/home/ann/Casa.TXt" << "";
    QTest::newRow("every occurrence") << "/n/a.txt.txt" << "/n/a.vb.vb";
    QTest::newRow("an inner one too") << "/n/a.txt.bak" << "/n/a.vb.bak";
    QTest::newRow("folder named like a note stays") << "/n/old.txt/a.txt" << "/n/old.txt/a.vb";
    QTest::newRow("folder named like a note, other file") << "/n/old.txt/a.log" << "";
    QTest::newRow("no extension") << "/n/README" << "";
    QTest::newRow("name without a folder") << "a.txt" << "a.vb";
}

void CompanionScriptTest::findsTheScriptBesideTheNote()
{
    QFETCH(QString, note);
    QFETCH(QString, script);
    QCOMPARE(companionScriptPath(note), script);
}

QTEST_APPLESS_MAIN(CompanionScriptTest)
#include "tst_companion_script.moc"
