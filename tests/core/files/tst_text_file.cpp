// Note files on disk: a saved note reads back unchanged whatever its last
// line, files from other systems read as notes, and a save that cannot be
// done says why and leaves the old file as it was.

#include "core/files/text_file.h"

#include "tests/core/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;
using tabulo::test::missingFile;
using tabulo::test::readBytes;
using tabulo::test::writeBytes;

namespace {

// A folder the test cannot create files in. Some users (root) create files
// whatever the permissions say; the probe finds out.
bool makeReadOnlyFolder(const QString &folder)
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

void makeWritableAgain(const QString &folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TextFileTest : public QObject
{
    Q_OBJECT

private slots:
    void savedNoteReadsBackUnchanged_data();
    void savedNoteReadsBackUnchanged();
    void readsNoteFilesFromOtherSystems_data();
    void readsNoteFilesFromOtherSystems();
    void refusesToReadWhatItCannot_data();
    void refusesToReadWhatItCannot();
    void failedSaveSaysWhyAndKeepsTheOldFile_data();
    void failedSaveSaysWhyAndKeepsTheOldFile();
    void saveReplacesTheWholeFile();
    void utf16NoteIsSavedAsUtf8();
    void notesThatWouldBeDestroyedAreRefused_data();
    void notesThatWouldBeDestroyedAreRefused();

private:
    QTemporaryDir m_dir;
};

void TextFileTest::savedNoteReadsBackUnchanged_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty note") << "" << QByteArray("\r\n");
    QTest::newRow("one line") << "+5" << QByteArray("+5\r\n");
    QTest::newRow("no final line break") << "+5\r\n+6" << QByteArray("+5\r\n+6\r\n");
    QTest::newRow("final empty line kept") << "+5\r\n+6\r\n" << QByteArray("+5\r\n+6\r\n\r\n");
    QTest::newRow("only an empty line") << "\r\n" << QByteArray("\r\n\r\n");
    QTest::newRow("empty lines inside") << "a\r\n\r\n\r\nb" << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("non-ascii written as utf-8")
        << "+5 caff\u00e8 \u20ac" << QByteArray("+5 caff\xC3\xA8 \xE2\x82\xAC\r\n");
    // Read from a file that began with two byte order marks: the second is
    // the note's first character, and a byte order mark before it keeps it.
    QTest::newRow("first character a zero-width no-break space")
        << QStringLiteral("\uFEFF+5") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF+5\r\n");
}

void TextFileTest::savedNoteReadsBackUnchanged()
{
    QFETCH(QString, note);
    QFETCH(QByteArray, bytes);

    const QString path = m_dir.filePath(QStringLiteral("round trip.txt"));
    const FileResult saved = saveNoteFile(path, note);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(readNoteFile(path).value_or(QStringLiteral("<unreadable>")), note);
}

void TextFileTest::readsNoteFilesFromOtherSystems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("note");

    QTest::newRow("LF-only file") << QByteArray("+5\n+6\n") << "+5\r\n+6";
    QTest::newRow("LF-only with final empty line") << QByteArray("+5\n\n") << "+5\r\n";
    QTest::newRow("lone CR") << QByteArray("+5\r+6\r") << "+5\r\n+6";
    QTest::newRow("mixed line ends") << QByteArray("a\rb\nc\r\n") << "a\r\nb\r\nc";
    QTest::newRow("windows-1252") << QByteArray("+5 caff\xE8 \x80\r\n") << "+5 caff\u00e8 \u20ac";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF+5\r\n") << "+5";
    // What Windows editors save as "Unicode".
    QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFE+\0"
                                                        "5\0 \0\xAC\x20\r\0\n\0-\0"
                                                        "1\0",
        18) << "+5 \u20ac\r\n-1";
    QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0+\0"
                                                     "5\0\r\0\n\0-\0"
                                                     "1",
        14) << "+5\r\n-1";
    // Half a surrogate pair cannot be written as UTF-8: it reads as the
    // replacement character, and the rest of the note is kept.
    QTest::newRow("UTF-16 with a lone half of a pair") << QByteArray("\xFF\xFE+\0\x00\xD8"
                                                                     "1\0\x3D\xD8\x00\xDE",
        12) << "+\uFFFD1\U0001F600";
    QTest::newRow("UTF-16 text that begins with a zero-width no-break space") << QByteArray("\xFF\xFE\xFF\xFE+\0"
                                                                                            "1\0",
        8) << QStringView(u"\uFEFF+1").toString();
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("control characters other than NUL")
        << QByteArray("\x01\xFF", 2) << QStringView(u"\u0001\u00ff", 2).toString();
}

void TextFileTest::readsNoteFilesFromOtherSystems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, note);

    const QString path = m_dir.filePath(QStringLiteral("other.txt"));
    QVERIFY(writeBytes(path, bytes));
    QCOMPARE(readNoteFile(path).value_or(QStringLiteral("<unreadable>")), note);
}

void TextFileTest::refusesToReadWhatItCannot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("missing file") << "missing.txt" << -1 << qint64(1000) << FileProblem::NotFound;
    QTest::newRow("missing folder") << "gone/missing.txt" << -1 << qint64(1000) << FileProblem::NotFound;
    QTest::newRow("a folder") << "folder" << -1 << qint64(1000) << FileProblem::IsFolder;
    QTest::newRow("at the size limit") << "limit.txt" << 1000 << qint64(1000) << FileProblem::None;
    QTest::newRow("above the size limit") << "large.txt" << 1001 << qint64(1000) << FileProblem::TooLarge;
}

void TextFileTest::refusesToReadWhatItCannot()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(qint64, limit);
    QFETCH(FileProblem, problem);

    const QString path = m_dir.filePath(name);
    if (name == QLatin1String("folder"))
        QDir().mkpath(path);
    else if (size >= 0)
        QVERIFY(writeBytes(path, QByteArray(size, '+')));

    FileResult failure = FileResult::success();
    const auto text = readTextFile(path, &failure, limit);
    const bool readable = problem == FileProblem::None;
    QCOMPARE(text.has_value(), readable);
    QCOMPARE(failure.problem, problem);
    // The command-line tools print the system's words: a refusal always has some.
    QCOMPARE(failure.error.isEmpty(), readable);
    if (problem == FileProblem::TooLarge)
        QCOMPARE(failure.limit, limit);
    if (readable)
        QCOMPARE(text->size(), size);
}

void TextFileTest::failedSaveSaysWhyAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("new file in a read-only folder") << "read-only folder" << FileProblem::PermissionDenied;
    QTest::newRow("read-only file in a read-only folder") << "read-only file" << FileProblem::PermissionDenied;
    QTest::newRow("folder that does not exist") << "missing folder" << FileProblem::NotFound;
    QTest::newRow("folder that is a file") << "folder is a file" << FileProblem::NotAFolder;
    QTest::newRow("a folder in the file's place") << "folder in place" << FileProblem::IsFolder;
}

void TextFileTest::failedSaveSaysWhyAndKeepsTheOldFile()
{
    QFETCH(QString, situation);
    QFETCH(FileProblem, problem);

    const QString folder = m_dir.filePath(QStringLiteral("save-") + QString::number(qHash(situation)));
    QString path = folder + QStringLiteral("/note.txt");
    const bool oldFileExists = situation == QLatin1String("read-only file");
    if (situation == QLatin1String("missing folder")) {
        path = folder + QStringLiteral("/missing/note.txt");
    } else if (situation == QLatin1String("folder is a file")) {
        QDir().mkpath(folder);
        QVERIFY(writeBytes(folder + QStringLiteral("/plain"), "x"));
        path = folder + QStringLiteral("/plain/note.txt");
    } else if (situation == QLatin1String("folder in place")) {
        QDir().mkpath(path);
    } else {
        QDir().mkpath(folder);
        if (oldFileExists) {
            QVERIFY(writeBytes(path, "+1 old\r\n"));
            QFile::setPermissions(path, QFile::ReadOwner);
        }
        if (!makeReadOnlyFolder(folder)) {
            makeWritableAgain(folder);
            QSKIP("this user can write into read-only folders");
        }
    }

    const FileResult result = writeFileAtomically(path, u"+2 new\r\n");
    makeWritableAgain(folder);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.problem, problem);
    QVERIFY(!result.error.isEmpty());
    if (situation != QLatin1String("folder in place"))
        QCOMPARE(readBytes(path), oldFileExists ? QByteArray("+1 old\r\n") : missingFile);
    // No temporary file is left behind.
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), oldFileExists || situation == QLatin1String("folder is a file") ? 1 : 0);
}

void TextFileTest::saveReplacesTheWholeFile()
{
    const QString path = m_dir.filePath(QStringLiteral("replaced.txt"));
    QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
    const FileResult result = writeFileAtomically(path, u"+1");
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(readBytes(path), QByteArray("+1"));
}

void TextFileTest::utf16NoteIsSavedAsUtf8()
{
    const QString path = m_dir.filePath(QStringLiteral("unicode.txt"));
    QVERIFY(writeBytes(path,
        QByteArray("\xFF\xFE+\0"
                   "5\0 \0\xE8\0",
            10)));
    const auto note = readNoteFile(path);
    QCOMPARE(note.value_or(QStringLiteral("<unreadable>")), QStringLiteral("+5 \u00e8"));
    QVERIFY(saveNoteFile(path, *note).ok);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("+5 \xC3\xA8\r\n"));
}

void TextFileTest::notesThatWouldBeDestroyedAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FileProblem>("problem");
    QTest::newRow("binary data") << QByteArray("+1\0\x01\x02+2", 7) << FileProblem::BinaryData;
    QTest::newRow("UTF-16 text without a byte-order mark") << QByteArray("+\0"
                                                                         "1\0",
        4) << FileProblem::BinaryData;
    // The largest note, in lines of a kilobyte.
    const QByteArray largest = (QByteArray(1022, 'x') + "\r\n").repeated(int(maxNoteBytes / 1024));
    QTest::newRow("above the largest note") << largest + "x" << FileProblem::TooLarge;
    QTest::newRow("the largest note") << largest << FileProblem::None;
    QTest::newRow("a line the editor cannot show")
        << QByteArray("+1\r\n") + QByteArray(maxNoteLineLength + 1, 'x') + "\r\n+2" << FileProblem::LineTooLong;
    QTest::newRow("the longest line, ended by a lone CR")
        << QByteArray("+1\r") + QByteArray(maxNoteLineLength, 'x') + "\r+2" << FileProblem::None;
}

void TextFileTest::notesThatWouldBeDestroyedAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FileProblem, problem);
    const QString path = m_dir.filePath(QStringLiteral("note.txt"));
    QVERIFY(writeBytes(path, bytes));
    FileResult failure = FileResult::success();
    QCOMPARE(readNoteFile(path, &failure).has_value(), problem == FileProblem::None);
    QCOMPARE(failure.problem, problem);
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_text_file.moc"
