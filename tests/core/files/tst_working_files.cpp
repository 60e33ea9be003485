// The evaluation's working files: after an evaluation "Temp.cal" holds the
// normalised lines and "Temp2.cal" is gone. They are written for their own
// sake only, so a missing Data folder just means nothing is written.

#include "core/engine/line_engine.h"
#include "core/engine/working_files.h"
#include "core/files/text_codec.h"

#include "tests/core/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;
using tabulo::test::readBytes;
using tabulo::test::writeBytes;

class WorkingFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void leaveTheNormalisedLinesInTempCal_data();
    void leaveTheNormalisedLinesInTempCal();
    void writeNothingWithoutADataFolder();

private:
    QTemporaryDir m_dir;
};

void WorkingFilesTest::leaveTheNormalisedLinesInTempCal_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArray>("before"); // what the Data folder held: "Temp.cal|Temp2.cal"
    QTest::addColumn<QByteArray>("tempCal");
    QTest::addColumn<bool>("onItsThread"); // written as the typing pauses, or at once

    for (const bool onItsThread : {false, true}) {
        const char *const how = onItsThread ? " (on its thread)" : "";
        QTest::addRow("fresh folder%s", how) << "# list\r\n+ 12,50 bread\r\n+4+6" << QByteArray("|")
                                             << QByteArray("\r\n+12,50 bread\r\n\r\n+4\r\n+6\r\n") << onItsThread;
        QTest::addRow("replaces the last evaluation%s", how)
            << "milk 3" << QByteArray("\r\n+99\r\n|") << QByteArray("milk 3\r\n") << onItsThread;
        QTest::addRow("removes a Temp2.cal left behind%s", how)
            << "+1" << QByteArray("|stale") << QByteArray("\r\n+1\r\n") << onItsThread;
        QTest::addRow("empty note gives an empty file%s", how)
            << "" << QByteArray("old|") << QByteArray("") << onItsThread;
        QTest::addRow("non-ascii as utf-8%s", how)
            << "+5 \u20ac" << QByteArray("|") << QByteArray("\r\n+5 \xE2\x82\xAC\r\n") << onItsThread;
    }
}

void WorkingFilesTest::leaveTheNormalisedLinesInTempCal()
{
    QFETCH(QString, note);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, tempCal);
    QFETCH(bool, onItsThread);

    const QString data = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(data));
    WorkingFiles files(data);
    const QList<QByteArray> previous = before.split('|');
    if (!previous[0].isEmpty())
        QVERIFY(writeBytes(files.tempCal(), previous[0]));
    if (!previous[1].isEmpty())
        QVERIFY(writeBytes(files.temp2Cal(), previous[1]));

    if (onItsThread) {
        // An older text asked for first is replaced or overwritten.
        files.writeEvaluationLater(QStringLiteral("+1000 older\r\n").repeated(10000));
        files.writeEvaluationLater(note);
        files.finishWriting();
    } else {
        files.writeEvaluation(note);
    }

    QCOMPARE(readBytes(files.tempCal()), tempCal);
    QCOMPARE(QFile::exists(files.temp2Cal()), false);
    QCOMPARE(readBytes(files.tempCal()), encodeText(LineEngine::normalise(note)));
}

void WorkingFilesTest::writeNothingWithoutADataFolder()
{
    const QString data = m_dir.filePath(QStringLiteral("no such folder"));
    WorkingFiles files(data);
    files.writeEvaluation(u"+5");
    QCOMPARE(QFileInfo::exists(data), false);
    QCOMPARE(QFile::exists(files.tempCal()), false);
}

QTEST_GUILESS_MAIN(WorkingFilesTest)
#include "tst_working_files.moc"
