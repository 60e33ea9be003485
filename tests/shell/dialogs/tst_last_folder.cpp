// The last-folder file: files as the program writes them, as older copies
// and hand edits left them, and paths that must read back whole.

#include "last_folder.h"

#include "file_bytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

class LastFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFolder_data();
    void readsTheFolder();
    void readsBackWhatItWrites_data();
    void readsBackWhatItWrites();
    void writesOneLineAndReadsFiles();
};

void LastFolderTest::readsTheFolder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");

    QTest::newRow("as written") << "/home/ann/Conti\r\n" << "/home/ann/Conti";
    QTest::newRow("without a line end") << "/home/ann/Conti" << "/home/ann/Conti";
    QTest::newRow("LF line end") << "/home/ann/Conti\n" << "/home/ann/Conti";
    QTest::newRow("blanks around") << "   /home/ann/Conti  \r\n" << "/home/ann/Conti";
    QTest::newRow("quoted") << "\"/home/ann/Conti\"\r\n" << "/home/ann/Conti";
    QTest::newRow("quoted with a comma") << "\"/home/ann/Conti, 2024\"\r\n" << "/home/ann/Conti, 2024";
    QTest::newRow("unquoted comma: the part after it") << "/home/ann/Conti, 2024\r\n" << "2024";
    QTest::newRow("trailing comma: the part before it") << "/home/ann/Conti,\r\n" << "/home/ann/Conti";
    QTest::newRow("last of several lines") << "/a\r\n/b\r\n" << "/b";
    QTest::newRow("an empty last line does not count") << "/a\r\n\r\n  \r\n" << "/a";
    QTest::newRow("Windows path read as it is") << "C:\\Tabulo\\Db\r\n" << "C:\\Tabulo\\Db";
    QTest::newRow("empty file") << "" << "";
    QTest::newRow("only commas and blanks") << " , ,\r\n" << "";
}

void LastFolderTest::readsTheFolder()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(LastFolder::parse(file), folder);
}

void LastFolderTest::readsBackWhatItWrites_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("plain") << "/home/ann/Conti";
    QTest::newRow("comma") << "/home/ann/Conti, casa";
    QTest::newRow("several commas") << "/a,b/c,d";
    QTest::newRow("blank at the end") << "/home/ann/Conti ";
    QTest::newRow("blank at the start") << " /srv";
    QTest::newRow("quote inside") << "/home/ann/\"Conti\"";
    QTest::newRow("accents") << "/home/anna/Contabilità";
    QTest::newRow("root") << "/";
}

void LastFolderTest::readsBackWhatItWrites()
{
    QFETCH(QString, folder);
    QCOMPARE(LastFolder::parse(LastFolder::format(folder) + QStringLiteral("\r\n")), folder);
}

void LastFolderTest::writesOneLineAndReadsFiles()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Dir.ini"));
    QCOMPARE(LastFolder::read(path), QString()); // missing

    QVERIFY(LastFolder::write(path, QStringLiteral("/home/ann/Conti")).ok);
    QCOMPARE(test::readBytes(path), QByteArray("/home/ann/Conti\r\n"));
    QCOMPARE(LastFolder::read(path), QStringLiteral("/home/ann/Conti"));

    QVERIFY(test::writeBytes(path, "\x80\xff/cartella\r\n")); // not UTF-8: read as Windows-1252
    QCOMPARE(LastFolder::read(path), QStringLiteral("\u20ac\u00ff/cartella"));

    QVERIFY(test::writeBytes(path, QByteArray(200 * 1024, 'a'))); // not a folder file
    QCOMPARE(LastFolder::read(path), QString());

    QVERIFY(!LastFolder::write(folder.filePath(QStringLiteral("missing/Dir.ini")), QStringLiteral("/x")).ok);
}

QTEST_APPLESS_MAIN(LastFolderTest)
#include "tst_last_folder.moc"
