// The Debian package: built with CPack from the install rules, unpacked into
// a scratch root, looked at, and run from there.

#include "tests/packaging/installed_tree.h"

using namespace tabulo::testing;

namespace {

// Runs a command; its standard output, or nothing when it fails.
std::optional<QByteArray> output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(240'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace

class DebianPackageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlFields();
    void contents();
    void runsFromTheUnpackedTree();

private:
    QString unpacked(const QString &relative) const { return m_work.filePath(QStringLiteral("root/") + relative); }

    QTemporaryDir m_work;
    QString m_package;
};

void DebianPackageTest::initTestCase()
{
    const QString out = m_work.filePath(QStringLiteral("out"));
    QVERIFY(output(qEnvironmentVariable("TABULO_CPACK"),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
            qEnvironmentVariable("TABULO_BUILD_DIR") + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"),
            out}));
    const QStringList packages = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    m_package = QDir(out).filePath(packages.first());
    QVERIFY(
        output(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_package, m_work.filePath(QStringLiteral("root"))}));
}

void DebianPackageTest::controlFields()
{
    const auto fields = output(QStringLiteral("dpkg-deb"),
        {QStringLiteral("-f"), m_package, QStringLiteral("Package"), QStringLiteral("Depends")});
    QVERIFY(fields);
    QVERIFY2(fields->startsWith("Package: tabulo\n"), fields->constData());
    // The libraries come from the programs themselves, the toolkit first.
    for (const char *library : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6"})
        QVERIFY2(fields->contains(library), library);
}

void DebianPackageTest::contents()
{
    for (const char *program : {"usr/lib/tabulo/Start", "usr/lib/tabulo/Tabulo/Tabulo_Bt",
             "usr/lib/tabulo/Tabulo/Tabulo_Top", "usr/bin/tabulo-calc"})
        QVERIFY2(QFileInfo(unpacked(QLatin1String(program))).isExecutable(), program);
    QVERIFY(QFileInfo(unpacked("usr/lib/tabulo/Tabulo/Data")).isDir());
    QVERIFY(QFileInfo::exists(unpacked("usr/lib/tabulo/Tabulo/installed.txt")));
    QCOMPARE(QFileInfo(unpacked("usr/bin/tabulo")).symLinkTarget(),
        QFileInfo(unpacked("usr/lib/tabulo/Start")).absoluteFilePath());
    QVERIFY(readAll(unpacked("usr/share/applications/tabulo.desktop")).contains("\nExec=tabulo %f\n"));
    QVERIFY(readAll(unpacked("usr/share/icons/hicolor/48x48/apps/tabulo.png")).startsWith("\x89PNG"));
}

void DebianPackageTest::runsFromTheUnpackedTree()
{
    const QStringList asUnpacked = fingerprint(m_work.filePath(QStringLiteral("root")));
    TestUser user;
    const auto report = user.runUntilQuit(unpacked("usr/bin/tabulo"));
    QVERIFY2(report, qPrintable(user.errors));
    QCOMPARE(report->value(1), QStringLiteral("version 5.00"));
    QCOMPARE(readAll(user.dataFolder() + "/TabuloStartForTOT.ini"), QByteArray("\"1\"\r\n"));
    QCOMPARE(fingerprint(m_work.filePath(QStringLiteral("root"))), asUnpacked);
}

QTEST_GUILESS_MAIN(DebianPackageTest)
#include "tst_debian_package.moc"
