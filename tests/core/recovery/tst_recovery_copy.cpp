// A recovery copy's file: what is written reads back as it was, and a copy
// that is not whole is never taken for the text.

#include "core/recovery/recovery_copy.h"
#include "core/recovery/recovery_folder.h"
#include "core/recovery/recovery_writer.h"
#include "tests/core/file_bytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

class RecoveryCopyTest : public QObject
{
    Q_OBJECT
private slots:
    void readsBackAsWritten_data();
    void readsBackAsWritten();
    void aDamagedCopyIsNoCopy_data();
    void aDamagedCopyIsNoCopy();
    void theWriterKeepsTheFileAsLastAsked();
    void aFolderThatCannotHoldTheCopySaysSo();
};

void RecoveryCopyTest::readsBackAsWritten_data()
{
    QTest::addColumn<QString>("noteFile");
    QTest::addColumn<QString>("text");
    QTest::newRow("a note without a file") << QString() << QStringLiteral("+1\r\n+2");
    QTest::newRow("a note's file") << QStringLiteral("/home/anna/conti.txt") << QStringLiteral("+5 pane");
    QTest::newRow("a path with every awkward character")
        << QStringLiteral("/tmp/a, b \"c\"\r\nd%20e\u00e8\u20ac.txt") << QStringLiteral("x");
    QTest::newRow("an empty text") << QStringLiteral("/n.txt") << QString();
    QTest::newRow("text that looks like a header")
        << QString() << QStringLiteral("Tabulo recovery copy 1\r\ntext 3\r\n\r\nabc\r\n");
    QTest::newRow("a zero-width no-break space first") << QString() << QStringLiteral("\uFEFF+1");
    QTest::newRow("lone line ends and other scripts") << QString() << QStringLiteral("\u00e0\r\u4e2d\n\U0001F600\r\n");
    QString big;
    for (int i = 0; i < 100000; ++i)
        big += QStringLiteral("+%1 riga\r\n").arg(i);
    QTest::newRow("a big note") << QStringLiteral("/big.txt") << big;
}

void RecoveryCopyTest::readsBackAsWritten()
{
    QFETCH(QString, noteFile);
    QFETCH(QString, text);
    const RecoveryCopy copy {noteFile, text};
    QCOMPARE(RecoveryCopy::parse(copy.format()), std::optional(copy));
}

void RecoveryCopyTest::aDamagedCopyIsNoCopy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = RecoveryCopy {QStringLiteral("/a.txt"), QStringLiteral("+1\r\n+2")}.format();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << whole.chopped(1);
    QTest::newRow("something after the text") << whole + "3";
    QTest::newRow("another format") << QByteArray(whole).replace("copy 1", "copy 2");
    QTest::newRow("no count") << QByteArray(whole).replace("text 6", "text ");
    QTest::newRow("a count that is no number") << QByteArray(whole).replace("text 6", "text 6x");
    QTest::newRow("a negative count") << QByteArray(whole).replace("text 6", "text -6");
    QTest::newRow("no blank line") << QByteArray(whole).replace("6\r\n\r\n", "6\r\n");
    QTest::newRow("bytes that are not UTF-8") << QByteArray("Tabulo recovery copy 1\r\nfile \r\ntext 3\r\n\r\n+1\xff");
    QTest::newRow("a character cut at the end")
        << QByteArray("Tabulo recovery copy 1\r\nfile \r\ntext 6\r\n\r\ncii \xf0\x80");
    QTest::newRow("a count written with leading zeros, the text cut")
        << QByteArray("Tabulo recovery copy 1\r\nfile \r\ntext 0003\r\n\r\n+1");
    QTest::newRow("only the header") << QByteArray("Tabulo recovery copy 1\r\n");
    QTest::newRow("a huge count") << QByteArray("Tabulo recovery copy 1\r\nfile \r\ntext 99999999999999999999\r\n\r\n");
}

void RecoveryCopyTest::aDamagedCopyIsNoCopy()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(RecoveryCopy::parse(bytes), std::nullopt);
}

void RecoveryCopyTest::theWriterKeepsTheFileAsLastAsked()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("own.note"));
    RecoveryWriter writer(path);
    // Many requests in a row, as a long session's pauses give them: the
    // file ends as the last one says, whatever was skipped on the way.
    QString text;
    for (int i = 0; i < 200; ++i) {
        text += QStringLiteral("+%1\r\n").arg(i);
        writer.write({QStringLiteral("/n.txt"), text});
    }
    QVERIFY(writer.finish().ok);
    QCOMPARE(test::readBytes(path), (RecoveryCopy {QStringLiteral("/n.txt"), text}.format()));

    writer.write({QString(), QStringLiteral("later")});
    writer.remove();
    QVERIFY(writer.finish().ok);
    QVERIFY(!QFile::exists(path));

    writer.remove();
    writer.write({QString(), QStringLiteral("again")});
    QVERIFY(writer.finish().ok);
    QCOMPARE(test::readBytes(path), (RecoveryCopy {QString(), QStringLiteral("again")}.format()));
    // Nothing beside it: each copy replaced the last in one step.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("own.note")});
}

void RecoveryCopyTest::aFolderThatCannotHoldTheCopySaysSo()
{
    QTemporaryDir folder;
    // A plain file where the folder should be: nobody can write there, root included.
    QVERIFY(test::writeBytes(folder.filePath(QStringLiteral("Data")), "not a folder"));
    RecoveryFolder recovery(folder.filePath(QStringLiteral("Data")));
    QVERIFY(!recovery.claimOwnPlace());
    QVERIFY(recovery.ownCopyPath().isEmpty());
    QVERIFY(recovery.claimLeftCopies().empty());

    RecoveryWriter writer(folder.filePath(QStringLiteral("Data/own.note")));
    writer.write({QString(), QStringLiteral("+1")});
    const FileResult result = writer.finish();
    QVERIFY(!result.ok);
    QCOMPARE(result.problem, FileProblem::NotAFolder);
}

QTEST_GUILESS_MAIN(RecoveryCopyTest)
#include "tst_recovery_copy.moc"
