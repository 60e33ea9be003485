// Why a file failed, as the windows tell it: the code the core gives for
// what the file system says, and the words each code has in the user's
// language.

#include "core/files/file_problem.h"
#include "core/language/language_keys.h"
#include "core/language/language_texts.h"
#include "core/language/problem_texts.h"

#include <QTest>

using namespace tabulo;

namespace {

PathFacts facts(std::initializer_list<bool PathFacts::*> set)
{
    PathFacts made;
    for (bool PathFacts::*field : set)
        made.*field = true;
    return made;
}

} // namespace

class FileProblemTest : public QObject
{
    Q_OBJECT

private slots:
    void aFailedReadIsNamed_data();
    void aFailedReadIsNamed();
    void aFailedWriteIsNamed_data();
    void aFailedWriteIsNamed();
    void everyProblemHasWordsOfItsOwn();
    void theWordsCarryTheLimit();
};

void FileProblemTest::aFailedReadIsNamed_data()
{
    QTest::addColumn<PathFacts>("path");
    QTest::addColumn<FileProblem>("problem");
    QTest::newRow("nothing there") << facts({}) << FileProblem::NotFound;
    QTest::newRow("its folder missing") << facts({&PathFacts::folderOnTheWayMissing}) << FileProblem::NotFound;
    QTest::newRow("a file on the way") << facts({&PathFacts::fileOnTheWay}) << FileProblem::NotAFolder;
    QTest::newRow("a folder") << facts({&PathFacts::exists, &PathFacts::isFolder, &PathFacts::readable})
                              << FileProblem::IsFolder;
    QTest::newRow("not readable") << facts({&PathFacts::exists}) << FileProblem::PermissionDenied;
    QTest::newRow("readable, yet it failed")
        << facts({&PathFacts::exists, &PathFacts::readable}) << FileProblem::ReadFailed;
}

void FileProblemTest::aFailedReadIsNamed()
{
    QFETCH(PathFacts, path);
    QFETCH(FileProblem, problem);
    QCOMPARE(classifyReadFailure(path), problem);
}

void FileProblemTest::aFailedWriteIsNamed_data()
{
    QTest::addColumn<QFileDevice::FileError>("error");
    QTest::addColumn<PathFacts>("path");
    QTest::addColumn<FileProblem>("problem");
    const PathFacts writableFolder = facts({&PathFacts::folderWritable});
    QTest::newRow("no space while writing") << QFileDevice::ResourceError << writableFolder << FileProblem::DiskFull;
    QTest::newRow("no space to make the file")
        << QFileDevice::OpenError << facts({&PathFacts::folderWritable, &PathFacts::noSpaceLeft})
        << FileProblem::DiskFull;
    QTest::newRow("a read-only disk, which has no space either")
        << QFileDevice::OpenError << facts({&PathFacts::onReadOnlyDisk, &PathFacts::noSpaceLeft})
        << FileProblem::ReadOnly;
    QTest::newRow("a read-only file") << QFileDevice::OpenError
                                      << facts({&PathFacts::exists, &PathFacts::readable, &PathFacts::folderWritable})
                                      << FileProblem::ReadOnly;
    QTest::newRow("a folder this user may not write")
        << QFileDevice::OpenError << facts({}) << FileProblem::PermissionDenied;
    QTest::newRow("its folder missing") << QFileDevice::OpenError << facts({&PathFacts::folderOnTheWayMissing})
                                        << FileProblem::NotFound;
    QTest::newRow("a file on the way") << QFileDevice::OpenError << facts({&PathFacts::fileOnTheWay})
                                       << FileProblem::NotAFolder;
    QTest::newRow("a folder in its place")
        << QFileDevice::OpenError << facts({&PathFacts::exists, &PathFacts::isFolder, &PathFacts::folderWritable})
        << FileProblem::IsFolder;
    QTest::newRow("all allowed, yet it failed")
        << QFileDevice::WriteError << facts({&PathFacts::exists, &PathFacts::writable, &PathFacts::folderWritable})
        << FileProblem::WriteFailed;
}

void FileProblemTest::aFailedWriteIsNamed()
{
    QFETCH(QFileDevice::FileError, error);
    QFETCH(PathFacts, path);
    QFETCH(FileProblem, problem);
    QCOMPARE(classifyWriteFailure(error, path), problem);
}

// Each code has a text of its own, so the user never reads one reason for
// another; and a success has none.
void FileProblemTest::everyProblemHasWordsOfItsOwn()
{
    const LanguageTextLookup builtIn = builtInLanguageText;
    QCOMPARE(fileProblemText(FileResult::success(), builtIn), QString());
    QSet<QString> seen;
    for (int code = int(FileProblem::NotFound); code <= int(FileProblem::WriteFailed); ++code) {
        const QString words = fileProblemText(FileProblem(code), builtIn, 1024 * 1024);
        QVERIFY2(!words.isEmpty(), qPrintable(QString::number(code)));
        QVERIFY2(!words.endsWith(QLatin1Char('.')), qPrintable(words)); // it stands inside a sentence
        QVERIFY2(!seen.contains(words), qPrintable(words));
        seen.insert(words);
    }
}

void FileProblemTest::theWordsCarryTheLimit()
{
    const LanguageTexts english = LanguageTexts::fromText(
        u"English_287=it is larger than %1 MB\r\nEnglish_288=a line is longer than %1 characters",
        QStringLiteral("English"));
    const LanguageTextLookup text = [&english](int key) { return english.text(key); };
    QCOMPARE(fileProblemText(FileResult::failure(FileProblem::TooLarge, {}, qint64(32) * 1024 * 1024), text),
        QStringLiteral("it is larger than 32 MB"));
    QCOMPARE(fileProblemText(FileResult::failure(FileProblem::LineTooLong, {}, 65536), text),
        QStringLiteral("a line is longer than 65536 characters"));
}

QTEST_GUILESS_MAIN(FileProblemTest)
#include "tst_file_problem.moc"
