// A note's companion script: which spellings of the extension are replaced,
// notes that have no script at all, and the script file as a run, the
// editor and the editor's save see it.

#include "core/files/companion_script.h"

#include "tests/core/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;
using tabulo::test::missingFile;
using tabulo::test::readBytes;
using tabulo::test::writeBytes;

Q_DECLARE_METATYPE(tabulo::ScriptFileProblem)

namespace {

constexpr auto binary = ScriptFileProblem::Binary;
constexpr auto unreadable = ScriptFileProblem::Unreadable;
constexpr auto none = ScriptFileProblem::None;

// A script file of exactly `size` bytes: lines of "' comment" and CR LF.
QByteArray scriptOfSize(int size)
{
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += "' a comment line\r\n";
    bytes.truncate(size);
    return bytes;
}

// Places `bytes` at `path`; "<folder>" puts a folder there instead and
// missingFile leaves nothing.
bool place(const QString &path, const QByteArray &bytes)
{
    if (bytes == "<folder>")
        return QDir().mkpath(path);
    if (bytes == missingFile)
        return !QFile::exists(path);
    return writeBytes(path, bytes);
}

} // namespace

class CompanionScriptTest : public QObject
{
    Q_OBJECT

private slots:
    void findsTheScriptBesideTheNote_data();
    void findsTheScriptBesideTheNote();
    void readsTheScriptForARun_data();
    void readsTheScriptForARun();
    void readsTheScriptForTheEditor_data();
    void readsTheScriptForTheEditor();
    void findsTheFileLineOfARunsLine_data();
    void findsTheFileLineOfARunsLine();
    void savesTheEditorsText_data();
    void savesTheEditorsText();
    void failedSaveKeepsTheOldScript();

private:
    QString freshPath();

    QTemporaryDir m_dir;
    int m_files = 0;
};

QString CompanionScriptTest::freshPath()
{
    return m_dir.filePath(QStringLiteral("script%1.vb").arg(++m_files));
}

void CompanionScriptTest::findsTheScriptBesideTheNote_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("script"); // empty: none

    QTest::newRow("lower case") << "/home/ann/Casa.txt"
                                << "/home/ann/Casa.vb";
    QTest::newRow("upper case") << "/home/ann/CASA.TXT"
                                << "/home/ann/CASA.vb";
    QTest::newRow("capital T") << "/home/ann/Casa.Txt"
                               << "/home/ann/Casa.vb";
    QTest::newRow("capital X") << "/home/ann/Casa.tXt"
                               << "/home/ann/Casa.vb";
    QTest::newRow("capital last T") << "/home/ann/Casa.txT"
                                    << "/home/ann/Casa.vb";
    QTest::newRow("a mix not in the list") << "/home/ann/Casa.TXt"
                                           << "";
    QTest::newRow("every occurrence") << "/n/a.txt.txt"
                                      << "/n/a.vb.vb";
    QTest::newRow("an inner one too") << "/n/a.txt.bak"
                                      << "/n/a.vb.bak";
    QTest::newRow("folder named like a note stays") << "/n/old.txt/a.txt"
                                                    << "/n/old.txt/a.vb";
    QTest::newRow("folder named like a note, other file") << "/n/old.txt/a.log"
                                                          << "";
    QTest::newRow("no extension") << "/n/README"
                                  << "";
    QTest::newRow("name without a folder") << "a.txt"
                                           << "a.vb";
}

void CompanionScriptTest::findsTheScriptBesideTheNote()
{
    QFETCH(QString, note);
    QFETCH(QString, script);
    QCOMPARE(companionScriptPath(note), script);
}

void CompanionScriptTest::readsTheScriptForARun_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ScriptFileProblem>("problem");
    QTest::addColumn<QString>("script");

    const QByteArray longest = scriptOfSize(32767);
    QTest::newRow("32767 bytes run") << longest << none << QString::fromLatin1(longest) + "\r\n";
    QTest::newRow("32768 bytes are too long") << scriptOfSize(32768) << ScriptFileProblem::TooLong << "";
    QTest::newRow("missing") << missingFile << ScriptFileProblem::Missing << "";
    QTest::newRow("empty") << QByteArray() << ScriptFileProblem::Empty << "";
    QTest::newRow("a folder in its place") << QByteArray("<folder>") << unreadable << "";
    QTest::newRow("NUL bytes") << QByteArray("Echo 1\r\n\0\r\n", 11) << binary << "";
    QTest::newRow("UTF-16 with BOM") << QByteArray("\xFF\xFE"
                                                   "E\0c\0h\0o\0",
        10) << binary << "";
    QTest::newRow("UTF-16 without ASCII") << QByteArray("\xFF\xFE\x2D\x4E", 4) << binary << "";
    QTest::newRow("every line gets its CR LF") << QByteArray("a = 1\r\nb = 2") << none << "a = 1\r\nb = 2\r\n";
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\r\nb\r\n") << none << "a\r\n\r\n\r\nb\r\n";
    QTest::newRow("final empty line kept") << QByteArray("a\r\n\r\n") << none << "a\r\n\r\n";
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << none << "a\r\nb\r\n";
    QTest::newRow("lone CR") << QByteArray("a\rb") << none << "a\r\nb\r\n";
    QTest::newRow("only a line end") << QByteArray("\n") << none << "\r\n";
    QTest::newRow("Windows-1252") << QByteArray("Echo \"caff\xE8 \x80\"\r\n") << none
                                  << "Echo \"caff\u00e8 \u20ac\"\r\n";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                  "Echo \"\xE2\x82\xAC\"")
                                    << none << "Echo \"\u20ac\"\r\n";
}

void CompanionScriptTest::readsTheScriptForARun()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ScriptFileProblem, problem);
    QFETCH(QString, script);

    const QString path = freshPath();
    QVERIFY(place(path, bytes));
    const ScriptFileText read = readScriptForRun(path);
    QCOMPARE(read.problem, problem);
    QCOMPARE(read.text, script);
    // A refusal says why as a file problem, except for an empty script,
    // which is no fault of its file.
    QCOMPARE(read.file.ok, read.ok() || problem == ScriptFileProblem::Empty);
}

void CompanionScriptTest::readsTheScriptForTheEditor_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ScriptFileProblem>("problem");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing: a script not yet written") << missingFile << none << "";
    QTest::newRow("empty") << QByteArray() << none << "";
    QTest::newRow("saved line end removed") << QByteArray("a\r\nb\r\n") << none << "a\r\nb";
    QTest::newRow("only one line end removed") << QByteArray("a\r\n\r\n") << none << "a\r\n";
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << none << "a\r\nb";
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << none << "a\r\n\r\nb";
    QTest::newRow("lone LF and CR") << QByteArray("a\nb\rc\n") << none << "a\r\nb\r\nc";
    QTest::newRow("longer than a run takes")
        << scriptOfSize(41400) << none << QString::fromLatin1(scriptOfSize(41400)).chopped(2);
    QTest::newRow("Windows-1252") << QByteArray("' caff\xE8\r\n") << none << "' caff\u00e8";
    QTest::newRow("NUL bytes") << QByteArray("a\0b", 3) << binary << "";
    QTest::newRow("UTF-16 with BOM") << QByteArray("\xFE\xFF\0E\0c", 6) << binary << "";
    QTest::newRow("a folder in its place") << QByteArray("<folder>") << unreadable << "";
}

void CompanionScriptTest::readsTheScriptForTheEditor()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ScriptFileProblem, problem);
    QFETCH(QString, text);

    const QString path = freshPath();
    QVERIFY(place(path, bytes));
    const ScriptFileText read = readScriptForEditor(path);
    QCOMPARE(read.problem, problem);
    QCOMPARE(read.text, text);
    QCOMPARE(read.file.ok, read.ok());
}

void CompanionScriptTest::findsTheFileLineOfARunsLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("runLine");
    QTest::addColumn<int>("fileLine");

    const QString gaps = QStringLiteral("x = 1\r\n\r\n\r\ny = x /\r\n  \r\nEcho y\r\n");
    QTest::newRow("before any empty line") << gaps << 1 << 1;
    QTest::newRow("after two empty lines") << gaps << 2 << 4;
    QTest::newRow("a line of spaces counts") << gaps << 3 << 5;
    QTest::newRow("the last line") << gaps << 4 << 6;
    QTest::newRow("beyond the run") << gaps << 5 << 0;
    QTest::newRow("no line") << gaps << 0 << 0;
    QTest::newRow("leading empty lines") << QStringLiteral("\r\n\r\nEcho 1\r\n") << 1 << 3;
    QTest::newRow("no empty lines") << QStringLiteral("a\r\nb\r\nc\r\n") << 3 << 3;
}

void CompanionScriptTest::findsTheFileLineOfARunsLine()
{
    QFETCH(QString, script);
    QFETCH(int, runLine);
    QFETCH(int, fileLine);
    QCOMPARE(scriptFileLine(script, runLine), fileLine);
}

void CompanionScriptTest::savesTheEditorsText_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new script") << missingFile << "Echo 1" << true << QByteArray("Echo 1\r\n");
    QTest::newRow("replaces the old one whole") << scriptOfSize(500) << "a\r\nb" << true << QByteArray("a\r\nb\r\n");
    QTest::newRow("editor line ends become CR LF") << missingFile << "a\nb\rc" << true << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("final empty line kept") << missingFile << "a\r\n" << true << QByteArray("a\r\n\r\n");
    QTest::newRow("only spaces are a script") << missingFile << "  " << true << QByteArray("  \r\n");
    QTest::newRow("written as UTF-8") << missingFile << "' \u20ac" << true << QByteArray("' \xE2\x82\xAC\r\n");
    QTest::newRow("empty deletes the script") << QByteArray("Echo 1\r\n") << "" << true << missingFile;
    QTest::newRow("empty without a script creates none") << missingFile << "" << true << missingFile;
    QTest::newRow("a folder in its place stays") << QByteArray("<folder>") << "Echo 1" << false << missingFile;
    QTest::newRow("a folder in its place is not deleted") << QByteArray("<folder>") << "" << false << missingFile;
}

void CompanionScriptTest::savesTheEditorsText()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);
    QFETCH(bool, saved);
    QFETCH(QByteArray, after);

    const QString path = freshPath();
    QVERIFY(place(path, before));
    const FileResult result = saveScriptFromEditor(path, text);
    QCOMPARE(result.ok, saved);
    QCOMPARE(result.error.isEmpty(), saved);
    QCOMPARE(readBytes(path), after);
    if (before == "<folder>")
        QVERIFY(QFileInfo(path).isDir());
    // The save leaves no temporary file behind.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.vb.*")}, QDir::Files), QStringList());
}

void CompanionScriptTest::failedSaveKeepsTheOldScript()
{
    const QString folder = m_dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Casa.vb");
    QVERIFY(writeBytes(path, "Echo \"old\"\r\n"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("this user can write into read-only folders");
    }

    const FileResult written = saveScriptFromEditor(path, QStringLiteral("Echo \"new\""));
    const FileResult deleted = saveScriptFromEditor(path, QString());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(written.ok, false);
    QVERIFY(!written.error.isEmpty());
    QCOMPARE(deleted.ok, false);
    QVERIFY(!deleted.error.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("Echo \"old\"\r\n"));
}

QTEST_APPLESS_MAIN(CompanionScriptTest)
#include "tst_companion_script.moc"
