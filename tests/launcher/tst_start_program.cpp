// The built launcher, run from a temporary copy of the program layout with
// stand-ins for the two main programs that record how they were started.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records its name, working folder and arguments, one per line, then stays
// a while, as a real program would.
const char standInScript[] = R"sh(#!/bin/sh
exec >/dev/null 2>&1
here=$(dirname "$0")
{ echo "$(basename "$0")"; pwd; for a in "$@"; do echo "$a"; done; } > "$here/started.part"
mv "$here/started.part" "$here/started"
sleep 5
)sh";

class LauncherLayout
{
public:
    LauncherLayout()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("Tabulo/Data"));
        QDir(m_root.path()).mkpath(QStringLiteral("home/data"));
        QFile::copy(qEnvironmentVariable("TABULO_START"), path(QStringLiteral("Start")));
        for (const char *name : {"Tabulo_Bt", "Tabulo_Top"})
            writeFile(QStringLiteral("Tabulo/") + QLatin1String(name), standInScript,
                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString path(const QString &relative) const { return m_root.filePath(relative); }

    bool writeFile(const QString &relative, const QByteArray &bytes,
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner) const
    {
        QFile file(path(relative));
        QDir().mkpath(QFileInfo(file).path());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
            && file.setPermissions(permissions);
    }

    // Runs Start and waits for it to end; its exit code, or -1 when it hangs.
    int runStart(const QStringList &arguments = {}, const QString &workingFolder = {})
    {
        QProcess start;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/data")));
        start.setProcessEnvironment(environment);
        start.setWorkingDirectory(workingFolder.isEmpty() ? m_root.path() : workingFolder);
        start.start(path(QStringLiteral("Start")), arguments);
        if (!start.waitForFinished(5000)) {
            start.kill();
            start.waitForFinished();
            return -1;
        }
        errors = QString::fromLocal8Bit(start.readAllStandardError());
        return start.exitStatus() == QProcess::NormalExit ? start.exitCode() : -1;
    }

    // What the stand-in that was started recorded: its name, its working
    // folder, its arguments; empty when nothing has started within a while.
    QStringList started(int waitMs = 5000) const
    {
        const QString record = path(QStringLiteral("Tabulo/started"));
        if (!QTest::qWaitFor([&] { return QFile::exists(record); }, waitMs))
            return {};
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString errors;

private:
    QTemporaryDir m_root;
};

} // namespace

class StartProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void startsTheVariantQuitLast_data();
    void startsTheVariantQuitLast();
    void passesItsArgumentsAndFolderOn();
    void endsWithoutWaitingForTheVariant();
    void missingVariantIsReported_data();
    void missingVariantIsReported();
    void installedCopyReadsTheUsersStartFile();
};

void StartProgramTest::startsTheVariantQuitLast_data()
{
    QTest::addColumn<QByteArray>("startFile");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2") << QByteArray("\"2\"\r\n") << true << "Tabulo_Bt";
    QTest::newRow("1") << QByteArray("\"1\"\r\n") << true << "Tabulo_Top";
    QTest::newRow("no start file") << QByteArray() << false << "Tabulo_Top";
    // What else a start file may hold is the choice's own test; here only
    // that a huge one does not slow the launcher down or stop it.
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, '9') << true << "Tabulo_Top";
}

void StartProgramTest::startsTheVariantQuitLast()
{
    QFETCH(QByteArray, startFile);
    QFETCH(bool, present);
    QFETCH(QString, expected);
    LauncherLayout layout;
    if (present)
        QVERIFY(layout.writeFile(QStringLiteral("Tabulo/Data/TabuloStartForTOT.ini"), startFile));
    QCOMPARE(layout.runStart(), 0);
    QCOMPARE(layout.started().value(0), expected);
    QCOMPARE(layout.errors, QString());
}

void StartProgramTest::passesItsArgumentsAndFolderOn()
{
    LauncherLayout layout;
    QTemporaryDir workingFolder;
    const QStringList arguments
        = {QStringLiteral("my note.txt"), QStringLiteral("--not-an-option"), QStringLiteral("\"quoted\"")};
    QCOMPARE(layout.runStart(arguments, workingFolder.path()), 0);
    const QStringList started = layout.started();
    QCOMPARE(started.value(0), QStringLiteral("Tabulo_Top"));
    // A note named relative to where the desktop started the launcher is
    // found by the variant too.
    QCOMPARE(QFileInfo(started.value(1)).canonicalFilePath(), QFileInfo(workingFolder.path()).canonicalFilePath());
    QCOMPARE(started.mid(2), arguments);
}

void StartProgramTest::endsWithoutWaitingForTheVariant()
{
    LauncherLayout layout;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(layout.runStart(), 0);
    // The stand-in stays five seconds.
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(layout.started().value(0), QStringLiteral("Tabulo_Top"));
}

void StartProgramTest::missingVariantIsReported_data()
{
    QTest::addColumn<QByteArray>("startFile");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("removed"); // otherwise present but not executable
    QTest::newRow("totals at the bottom missing") << QByteArray("\"2\"\r\n") << "Tabulo_Bt" << true;
    QTest::newRow("total at the top missing") << QByteArray("\"1\"\r\n") << "Tabulo_Top" << true;
    QTest::newRow("total at the top not executable") << QByteArray() << "Tabulo_Top" << false;
}

void StartProgramTest::missingVariantIsReported()
{
    QFETCH(QByteArray, startFile);
    QFETCH(QString, missing);
    QFETCH(bool, removed);
    LauncherLayout layout;
    QVERIFY(layout.writeFile(QStringLiteral("Tabulo/Data/TabuloStartForTOT.ini"), startFile));
    const QString program = layout.path(QStringLiteral("Tabulo/") + missing);
    if (removed)
        QVERIFY(QFile::remove(program));
    else
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    QCOMPARE(layout.runStart(), 1);
    QVERIFY2(layout.errors.contains(program), qPrintable(layout.errors));
    // It starts nothing else in its place.
    QCOMPARE(layout.started(300), QStringList());
}

void StartProgramTest::installedCopyReadsTheUsersStartFile()
{
    LauncherLayout layout;
    QVERIFY(layout.writeFile(QStringLiteral("Tabulo/installed.txt"), "installed\n"));
    // The installation's own Data folder is never written by an installed
    // copy; what the user quit last is in the user's folder.
    QVERIFY(layout.writeFile(QStringLiteral("Tabulo/Data/TabuloStartForTOT.ini"), "\"1\"\r\n"));
    QVERIFY(layout.writeFile(QStringLiteral("home/data/Tabulo/Data/TabuloStartForTOT.ini"), "\"2\"\r\n"));
    QCOMPARE(layout.runStart(), 0);
    QCOMPARE(layout.started().value(0), QStringLiteral("Tabulo_Bt"));
}

QTEST_GUILESS_MAIN(StartProgramTest)
#include "tst_start_program.moc"
