// The run file between the run command and the output window.
#include "script/run/run_file.h"

#include <QTest>

using namespace tabulo;

class RunFileTest : public QObject
{
    Q_OBJECT
private slots:
    void theScriptLeavesOutEmptyLines_data();
    void theScriptLeavesOutEmptyLines();
    void whatTheRunCommandWritesReadsBackAsTheScript();
};

void RunFileTest::theScriptLeavesOutEmptyLines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("script");
    QTest::newRow("nothing") << QString() << QString();
    QTest::newRow("only line ends") << QStringLiteral("\r\n\r\n\n\r") << QString();
    QTest::newRow("a last line without its end") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("empty lines dropped, spaces kept")
        << QStringLiteral("a\r\n\r\n  \r\nb\r\n\r\n") << QStringLiteral("a\r\n  \r\nb\r\n");
    QTest::newRow("lone CR and lone LF end lines too")
        << QStringLiteral("a\rb\nc\r\n\rd") << QStringLiteral("a\r\nb\r\nc\r\nd\r\n");
}

void RunFileTest::theScriptLeavesOutEmptyLines()
{
    QFETCH(QString, file);
    QFETCH(QString, script);
    QCOMPARE(scriptFromRunFile(file), script);
}

void RunFileTest::whatTheRunCommandWritesReadsBackAsTheScript()
{
    const QString buffer = QStringLiteral("Echo.Write 1\r\n\r\nEcho.Write 2\r\n");
    QCOMPARE(runFileContents(buffer), buffer + QStringLiteral("\r\n"));
    QCOMPARE(scriptFromRunFile(runFileContents(buffer)), QStringLiteral("Echo.Write 1\r\nEcho.Write 2\r\n"));
    QCOMPARE(runFilePath(QStringLiteral("/p/Data")), QStringLiteral("/p/Data/TabuloScript.tmp"));
}

QTEST_GUILESS_MAIN(RunFileTest)
#include "tst_run_file.moc"
