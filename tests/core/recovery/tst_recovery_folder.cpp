// The recovery folder shared by every program of one Data folder: a copy
// belongs to its program while that runs, and is offered once its program
// is gone, whether killed or ended without quitting.

#include "core/recovery/recovery_folder.h"
#include "tests/core/file_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace tabulo;

namespace {

// Run as a program of its own (this test started again with --hold): takes
// its place in the Data folder, writes a copy of `text` unless it is "-",
// says "ready" and waits to be killed.
int holdACopy(const QString &dataFolder, const QString &text)
{
    RecoveryFolder folder(dataFolder);
    if (!folder.claimOwnPlace())
        return 2;
    if (text != QLatin1String("-")
        && !writeRecoveryCopy(folder.ownCopyPath(), RecoveryCopy {QStringLiteral("/n.txt"), text}.format()).ok)
        return 3;
    std::puts("ready");
    std::fflush(stdout);
    std::getchar(); // until killed
    return 0;
}

// Another program holding a copy, running until kill() is called.
class OtherProgram
{
public:
    OtherProgram(const QString &dataFolder, const QString &text)
    {
        m_process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), dataFolder, text});
    }
    ~OtherProgram()
    {
        if (m_process.state() != QProcess::NotRunning)
            kill();
    }
    bool ready()
    {
        return m_process.waitForStarted() && m_process.waitForReadyRead(10000)
            && m_process.readAll().startsWith("ready");
    }
    // SIGKILL: nothing of the program's own runs any more.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

RecoveryCopy copyOf(const QString &text)
{
    return {QStringLiteral("/n.txt"), text};
}

} // namespace

class RecoveryFolderTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_data.isValid()); }
    void cleanup() { QVERIFY(QDir(m_data.path()).removeRecursively()); }

    void aKilledProgramsCopyIsOfferedOnceItIsGone();
    void programsRunningAtOnceKeepTheirOwn();
    void aCopyFoundIsHeldUntilDecided();
    void aCopyWithoutItsLockIsOfferedAndALockWithoutACopyCleared();
    void takingACopyBackMakesItThisProgramsOwn();
    void anUnreadableCopyIsSetAsideNotDeleted();
    void aCleanEndLeavesNothingAndAnUncleanOneItsCopy();

private:
    QString data() const { return m_data.path(); }
    QString recovery() const { return m_data.filePath(QStringLiteral("Recovery")); }
    QTemporaryDir m_data;
};

void RecoveryFolderTest::aKilledProgramsCopyIsOfferedOnceItIsGone()
{
    OtherProgram other(data(), QStringLiteral("+1\r\n+2"));
    QVERIFY(other.ready());
    RecoveryFolder mine(data());
    QVERIFY(mine.claimOwnPlace());
    // Running: its copy is its own, however long it has been there.
    QVERIFY(mine.claimLeftCopies().empty());

    other.kill();
    auto left = mine.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front()->read(), std::optional(copyOf(QStringLiteral("+1\r\n+2"))));
    QVERIFY(left.front()->lastWritten().isValid());
    left.front()->discard();
    left.clear();
    QVERIFY(mine.claimLeftCopies().empty());
    // Only this program's lock is left.
    QCOMPARE(filesIn(recovery()).size(), 1);
    QVERIFY(filesIn(recovery()).constFirst().endsWith(QLatin1String(RecoveryFolder::lockSuffix)));
}

void RecoveryFolderTest::programsRunningAtOnceKeepTheirOwn()
{
    OtherProgram first(data(), QStringLiteral("first"));
    OtherProgram second(data(), QStringLiteral("second"));
    QVERIFY(first.ready());
    QVERIFY(second.ready());
    // Two windows of one process are two programs here too.
    RecoveryFolder a(data());
    RecoveryFolder b(data());
    QVERIFY(a.claimOwnPlace());
    QVERIFY(b.claimOwnPlace());
    QVERIFY(a.ownCopyPath() != b.ownCopyPath());
    QVERIFY(writeRecoveryCopy(a.ownCopyPath(), copyOf(QStringLiteral("a")).format()).ok);
    QVERIFY(a.claimLeftCopies().empty());
    QVERIFY(b.claimLeftCopies().empty());

    second.kill();
    auto left = b.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front()->read(), std::optional(copyOf(QStringLiteral("second"))));
}

void RecoveryFolderTest::aCopyFoundIsHeldUntilDecided()
{
    {
        OtherProgram gone(data(), QStringLiteral("lost text"));
        QVERIFY(gone.ready());
    }
    RecoveryFolder a(data());
    RecoveryFolder b(data());
    auto found = a.claimLeftCopies();
    QCOMPARE(found.size(), size_t(1));
    // While one program asks its user, another starting meanwhile does not
    // offer the same copy.
    QVERIFY(b.claimLeftCopies().empty());
    // Let go undecided (Cancel, or the question never answered): the next
    // start offers it again.
    found.clear();
    QCOMPARE(b.claimLeftCopies().size(), size_t(1));
}

void RecoveryFolderTest::aCopyWithoutItsLockIsOfferedAndALockWithoutACopyCleared()
{
    {
        OtherProgram withoutCopy(data(), QStringLiteral("-"));
        QVERIFY(withoutCopy.ready());
    }
    QVERIFY(test::writeBytes(recovery() + QStringLiteral("/lockless.note"), copyOf(QStringLiteral("x")).format()));
    QCOMPARE(filesIn(recovery()).size(), 2);
    RecoveryFolder mine(data());
    auto left = mine.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front()->path(), recovery() + QStringLiteral("/lockless.note"));
    left.front()->discard();
    QCOMPARE(filesIn(recovery()), QStringList());
}

void RecoveryFolderTest::takingACopyBackMakesItThisProgramsOwn()
{
    {
        OtherProgram gone(data(), QStringLiteral("taken back"));
        QVERIFY(gone.ready());
    }
    RecoveryFolder mine(data());
    QVERIFY(mine.claimOwnPlace());
    auto left = mine.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    const QString leftPath = left.front()->path();
    QVERIFY(left.front()->adoptAs(mine.ownCopyPath()));
    QVERIFY(!QFile::exists(leftPath));
    QCOMPARE(test::readBytes(mine.ownCopyPath()), copyOf(QStringLiteral("taken back")).format());
    left.clear();
    // Now this program's: nobody else offers it while this one runs.
    RecoveryFolder other(data());
    QVERIFY(other.claimLeftCopies().empty());

    // A copy is never moved over one that is there.
    QVERIFY(test::writeBytes(recovery() + QStringLiteral("/second.note"), copyOf(QStringLiteral("y")).format()));
    left = other.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QVERIFY(!left.front()->adoptAs(mine.ownCopyPath()));
    QVERIFY(QFile::exists(recovery() + QStringLiteral("/second.note")));
    QCOMPARE(test::readBytes(mine.ownCopyPath()), copyOf(QStringLiteral("taken back")).format());
}

void RecoveryFolderTest::anUnreadableCopyIsSetAsideNotDeleted()
{
    QVERIFY(QDir().mkpath(recovery()));
    QVERIFY(test::writeBytes(recovery() + QStringLiteral("/damaged.note"), "Tabulo recovery copy 1\r\nfile"));
    RecoveryFolder mine(data());
    auto left = mine.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front()->read(), std::nullopt);
    const QString kept = left.front()->setAside();
    QCOMPARE(kept, recovery() + QStringLiteral("/damaged") + QLatin1String(RecoveryFolder::setAsideSuffix));
    QCOMPARE(test::readBytes(kept), QByteArray("Tabulo recovery copy 1\r\nfile"));
    left.clear();
    QVERIFY(mine.claimLeftCopies().empty());
}

void RecoveryFolderTest::aCleanEndLeavesNothingAndAnUncleanOneItsCopy()
{
    {
        RecoveryFolder clean(data());
        QVERIFY(clean.claimOwnPlace());
        QVERIFY(writeRecoveryCopy(clean.ownCopyPath(), copyOf(QStringLiteral("saved")).format()).ok);
        clean.releaseOwnPlace();
        QVERIFY(!clean.hasOwnPlace());
    }
    QCOMPARE(filesIn(recovery()), QStringList());
    {
        RecoveryFolder unclean(data());
        QVERIFY(unclean.claimOwnPlace());
        QVERIFY(writeRecoveryCopy(unclean.ownCopyPath(), copyOf(QStringLiteral("unsaved")).format()).ok);
    }
    RecoveryFolder next(data());
    auto left = next.claimLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front()->read(), std::optional(copyOf(QStringLiteral("unsaved"))));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--hold"))
        return holdACopy(arguments[2], arguments[3]);
    RecoveryFolderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery_folder.moc"
