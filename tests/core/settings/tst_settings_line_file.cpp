// The small settings files: one value per line, comments and section heads
// skipped, lines compared whole and untrimmed, the last match wins, and a
// missing or odd file leaves the program's defaults.

#include "core/settings/settings_line_file.h"

#include "tests/core/file_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using namespace tabulo;
using tabulo::test::readBytes;

namespace {

const QByteArray &missing = tabulo::test::missingFile;

// Puts `bytes` in a fresh file (or no file at all for `missing`).
QString settingsFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    static int counter = 0;
    const QString path = dir.filePath(QStringLiteral("Setting%1.ini").arg(++counter));
    if (bytes != missing)
        tabulo::test::writeBytes(path, bytes);
    return path;
}

} // namespace

class SettingsLineFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheLastMatchingValue_data();
    void readsTheLastMatchingValue();
    void readsTheLastLine_data();
    void readsTheLastLine();
    void writtenValuesReadBack_data();
    void writtenValuesReadBack();
    void writeToAMissingFolderFails();
    void twoCopiesWritingAtOnceNeverLeaveHalfAFile();

private:
    QTemporaryDir m_dir;
};

void SettingsLineFileTest::readsTheLastMatchingValue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("read"); // "-" when nothing is read

    const QStringList zeroOne {"0", "1"};
    QTest::newRow("one value") << QByteArray("1\r\n") << zeroOne << "1";
    QTest::newRow("comment, section, empty line, then a value")
        << QByteArray("# toolbar\r\n[Bar]\r\n\r\n1\r\n") << zeroOne << "1";
    QTest::newRow("apostrophe comment") << QByteArray("'0\r\n1\r\n") << zeroOne << "1";
    QTest::newRow("last match wins") << QByteArray("1\r\n0\r\n") << zeroOne << "0";
    QTest::newRow("unknown lines do not win") << QByteArray("0\r\n2\r\nyes\r\n") << zeroOne << "0";
    QTest::newRow("blank before a value is ignored") << QByteArray("1\r\n 0\r\n") << zeroOne << "1";
    QTest::newRow("blank after a value is ignored") << QByteArray("1\r\n0 \r\n") << zeroOne << "1";
    QTest::newRow("tab after a value is ignored") << QByteArray("1\r\n0\t\r\n") << zeroOne << "1";
    QTest::newRow("case matters") << QByteArray("dark\r\n") << QStringList {"Dark"} << "-";
    QTest::newRow("LF line ends") << QByteArray("1\n0\n") << zeroOne << "0";
    QTest::newRow("CR line ends") << QByteArray("0\r1\r") << zeroOne << "1";
    QTest::newRow("no final line end") << QByteArray("0\r\n1") << zeroOne << "1";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "1\r\n")
                                     << zeroOne << "1";
    QTest::newRow("windows-1252 value") << QByteArray("Caff\xE8\r\n") << QStringList {"Caff\u00e8"} << "Caff\u00e8";
    QTest::newRow("missing file") << missing << zeroOne << "-";
    QTest::newRow("empty file") << QByteArray() << zeroOne << "-";
    QTest::newRow("only comments") << QByteArray("#1\r\n[1]\r\n'1\r\n") << zeroOne << "-";
    QTest::newRow("binary file") << QByteArray("\0\xFF\x01\r\n\0", 6) << zeroOne << "-";
    QTest::newRow("file far too large for settings")
        << QByteArray(2 * 1024 * 1024, 'x').append("\r\n1\r\n") << zeroOne << "-";
}

void SettingsLineFileTest::readsTheLastMatchingValue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    QFETCH(QString, read);

    const QString path = settingsFile(m_dir, bytes);
    QCOMPARE(SettingsLineFile::read(path, values).value_or(QStringLiteral("-")), read);
}

void SettingsLineFileTest::readsTheLastLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("read");

    QTest::newRow("a path") << QByteArray("/home/me/notes/list.txt\r\n") << "/home/me/notes/list.txt";
    QTest::newRow("a path with a comma stays whole") << QByteArray("/home/me/a,b.txt\r\n") << "/home/me/a,b.txt";
    QTest::newRow("comments around it") << QByteArray("# last\r\nfirst\r\nsecond\r\n# end\r\n\r\n") << "second";
    QTest::newRow("blanks are part of the line") << QByteArray("  spaced  \r\n") << "  spaced  ";
    QTest::newRow("missing file") << missing << "-";
    QTest::newRow("empty file") << QByteArray() << "-";
}

void SettingsLineFileTest::readsTheLastLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, read);

    const QString path = settingsFile(m_dir, bytes);
    QCOMPARE(SettingsLineFile::readLastLine(path).value_or(QStringLiteral("-")), read);
}

void SettingsLineFileTest::writtenValuesReadBack_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("one value") << QStringList {"0"} << QByteArray("0\r\n");
    QTest::newRow("two values") << QStringList {"1", "0"} << QByteArray("1\r\n0\r\n");
    QTest::newRow("non-ascii as utf-8") << QStringList {"Caff\u00e8"} << QByteArray("Caff\xC3\xA8\r\n");
    QTest::newRow("nothing") << QStringList {} << QByteArray();
}

void SettingsLineFileTest::writtenValuesReadBack()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);

    const QString path = settingsFile(m_dir, QByteArray("old contents\r\n"));
    const FileResult written = SettingsLineFile::write(path, lines);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(readBytes(path), bytes);
    if (!lines.isEmpty())
        QCOMPARE(SettingsLineFile::read(path, lines).value_or(QStringLiteral("-")), lines.last());
}

void SettingsLineFileTest::writeToAMissingFolderFails()
{
    const FileResult written = SettingsLineFile::write(m_dir.filePath(QStringLiteral("no/Bar.ini")), {"0"});
    QCOMPARE(written.ok, false);
    QVERIFY(!written.error.isEmpty());
}

// Two copies of the program share the Data folder; each rewrites the same
// settings files at quit, and one may be starting, and reading them, while
// the other writes. A reader must find one whole file or the other, never a
// truncated or interleaved one.
void SettingsLineFileTest::twoCopiesWritingAtOnceNeverLeaveHalfAFile()
{
    const QString path = m_dir.filePath(QStringLiteral("Shared.ini"));
    // Large enough that a write in place would be seen half done.
    const QStringList first(20000, QStringLiteral("0"));
    const QStringList second(20000, QStringLiteral("1"));
    QVERIFY(SettingsLineFile::write(path, first).ok);
    const QString firstText = first.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QString secondText = second.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");

    std::atomic<int> failedWrites = 0;
    std::atomic<bool> writing = true;
    auto writer = [&](const QStringList &lines) {
        for (int i = 0; i < 60; ++i) {
            if (!SettingsLineFile::write(path, lines).ok)
                ++failedWrites;
        }
    };
    std::thread a(writer, first);
    std::thread b(writer, second);
    std::thread done([&] {
        a.join();
        b.join();
        writing = false;
    });
    int reads = 0;
    QStringList torn;
    while (writing) {
        const auto text = readTextFile(path);
        ++reads;
        if (!text || (*text != firstText && *text != secondText))
            torn << QString::number(text ? text->size() : -1);
    }
    done.join();
    QCOMPARE(failedWrites.load(), 0);
    QCOMPARE(torn, QStringList());
    QVERIFY(reads > 0);
}

QTEST_GUILESS_MAIN(SettingsLineFileTest)
#include "tst_settings_line_file.moc"
