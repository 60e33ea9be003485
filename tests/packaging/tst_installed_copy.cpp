// The programs as `cmake --install` lays them out: an installation the user
// cannot write to, run by a user whose settings must land in their own data
// folder while the installation stays exactly as installed.

#include "tests/packaging/installed_tree.h"

using namespace tabulo::testing;

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    return process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The size a PNG file says it has.
QSize pngSize(const QByteArray &png)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.size() < 24)
        return {};
    const auto bigEndian = [&](int at) {
        return int(
            (uchar(png[at]) << 24) | (uchar(png[at + 1]) << 16) | (uchar(png[at + 2]) << 8) | uchar(png[at + 3]));
    };
    return {bigEndian(16), bigEndian(20)};
}

} // namespace

class InstalledCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void layoutUnderThePrefix();
    void desktopEntryOpensNotesWithTheLauncher();
    void eachVariantKeepsItsFilesInTheUsersFolder_data();
    void eachVariantKeepsItsFilesInTheUsersFolder();
    void launcherStartsTheVariantQuitLastWithTheNote();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
    QStringList m_asInstalled;
};

void InstalledCopyTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QVERIFY(run(qEnvironmentVariable("TABULO_CMAKE"),
        {QStringLiteral("--install"), qEnvironmentVariable("TABULO_BUILD_DIR"), QStringLiteral("--prefix"),
            m_prefix.path()}));
    // As a package manager leaves it: nobody but root may write there (and
    // root, who may, must not either).
    QVERIFY(run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), m_prefix.path()}));
    m_asInstalled = fingerprint(m_prefix.path());
}

void InstalledCopyTest::cleanupTestCase()
{
    run(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), m_prefix.path()});
}

void InstalledCopyTest::layoutUnderThePrefix()
{
    for (const char *program : {"lib/tabulo/Start", "lib/tabulo/Tabulo/Tabulo_Bt", "lib/tabulo/Tabulo/Tabulo_Top",
             "bin/tabulo-calc", "bin/tabulo-vbs"})
        QVERIFY2(QFileInfo(installed(QLatin1String(program))).isExecutable(), program);
    QVERIFY(QFileInfo(installed("lib/tabulo/Tabulo/Data")).isDir());
    QVERIFY(QFileInfo::exists(installed("lib/tabulo/Tabulo/installed.txt")));
    // The command on the PATH is the launcher itself.
    const QFileInfo command(installed("bin/tabulo"));
    QVERIFY(command.isSymLink());
    QCOMPARE(command.canonicalFilePath(), QFileInfo(installed("lib/tabulo/Start")).canonicalFilePath());
}

void InstalledCopyTest::desktopEntryOpensNotesWithTheLauncher()
{
    const QStringList entry = QString::fromUtf8(readAll(installed("share/applications/tabulo.desktop")))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(entry.value(0), QStringLiteral("[Desktop Entry]"));
    for (const char *line : {"Type=Application", "Name=Tabulo", "Exec=tabulo %f", "Icon=tabulo", "Terminal=false"})
        QVERIFY2(entry.contains(QLatin1String(line)), line);
    const QString mimeTypes = entry.filter(QRegularExpression(QStringLiteral("^MimeType="))).value(0);
    QVERIFY2(mimeTypes.mid(9).split(QLatin1Char(';')).contains(QStringLiteral("text/plain")), qPrintable(mimeTypes));

    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/tabulo.png").arg(size));
        QCOMPARE(pngSize(readAll(icon)), QSize(size, size));
    }
}

void InstalledCopyTest::eachVariantKeepsItsFilesInTheUsersFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("startFile");
    QTest::addColumn<QString>("version");
    QTest::newRow("Tabulo_Bt") << "Tabulo_Bt" << QByteArray("\"2\"\r\n") << "3.00";
    QTest::newRow("Tabulo_Top") << "Tabulo_Top" << QByteArray("\"1\"\r\n") << "5.00";
}

void InstalledCopyTest::eachVariantKeepsItsFilesInTheUsersFolder()
{
    QFETCH(QString, program);
    QFETCH(QByteArray, startFile);
    QFETCH(QString, version);
    TestUser user;
    int exitCode = -1;
    const auto report = user.runUntilQuit(installed("lib/tabulo/Tabulo/" + program), {}, &exitCode);
    QVERIFY2(report, qPrintable(user.errors));
    QCOMPARE(exitCode, 0);
    QVERIFY(report->value(0).startsWith("shown "));
    QCOMPARE(report->value(1), "version " + version);

    // The first start gave the user a copy of the shipped Data folder...
    const QString shipped = installed("lib/tabulo/Tabulo/Data");
    QDirIterator shippedFiles(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (shippedFiles.hasNext()) {
        const QString file = shippedFiles.next();
        const QString copy = user.dataFolder() + '/' + QDir(shipped).relativeFilePath(file);
        QVERIFY2(QFileInfo(copy).permissions().testFlag(QFileDevice::WriteOwner), qPrintable(copy));
    }
    // ...and the quit wrote the settings there, the launcher's start file
    // naming this variant.
    for (const char *name : {"LastFile.ini", "Bar.ini", "Scroll.ini", "TabuloStart.ini"})
        QVERIFY2(QFileInfo::exists(user.dataFolder() + '/' + name), name);
    QCOMPARE(readAll(user.dataFolder() + "/TabuloStartForTOT.ini"), startFile);

    QCOMPARE(fingerprint(m_prefix.path()), m_asInstalled);
}

void InstalledCopyTest::launcherStartsTheVariantQuitLastWithTheNote()
{
    TestUser user;
    const QString note = user.home() + "/shopping list.txt";
    QFile noteFile(note);
    QVERIFY(noteFile.open(QIODevice::WriteOnly));
    noteFile.write("+2 bread\r\n+3 milk\r\n");
    noteFile.close();

    // A fresh user has no start file: the total at the top.
    int exitCode = -1;
    auto report = user.runUntilQuit(installed("bin/tabulo"), {note}, &exitCode);
    QVERIFY2(report, qPrintable(QStringLiteral("exit code %1: %2").arg(exitCode).arg(user.errors)));
    QCOMPARE(report->value(1), QStringLiteral("version 5.00"));
    // The note given to the launcher was the one open.
    QCOMPARE(readAll(user.dataFolder() + "/LastFile.ini"), note.toUtf8() + "\r\n");

    // Quitting the totals at the bottom last makes it the launcher's choice.
    QVERIFY(user.runUntilQuit(installed("lib/tabulo/Tabulo/Tabulo_Bt")));
    report = user.runUntilQuit(installed("bin/tabulo"), {note});
    QVERIFY(report);
    QCOMPARE(report->value(1), QStringLiteral("version 3.00"));
    QCOMPARE(readAll(user.dataFolder() + "/LastFile.ini"), note.toUtf8() + "\r\n");

    QCOMPARE(fingerprint(m_prefix.path()), m_asInstalled);
}

QTEST_GUILESS_MAIN(InstalledCopyTest)
#include "tst_installed_copy.moc"
