// The Debian package: built with CPack from the install rules, checked by
// Debian's own tools (lintian, the desktop entry and AppStream validators,
// man), installed with dpkg into a scratch root, run from there, and removed
// again.

#include "tests/packaging/installed_tree.h"

#include <QRegularExpression>

using namespace tabulo::testing;

namespace {

struct Run
{
    bool ok = false; // started, ended normally with exit code 0
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &arguments,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForStarted()) {
        result.err = program.toUtf8() + " could not be started: " + process.errorString().toUtf8();
        return result;
    }
    if (!process.waitForFinished(240'000)) {
        process.kill();
        process.waitForFinished();
        result.err = program.toUtf8() + " did not end in time";
        return result;
    }
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray describe(const Run &result)
{
    return result.out + result.err;
}

// A root folder with an empty package database of its own, which dpkg
// installs into as it would into a fresh system.
bool makeEmptyRoot(const QString &root)
{
    for (const char *folder : {"var/lib/dpkg/info", "var/lib/dpkg/updates", "var/lib/dpkg/triggers"})
        if (!QDir().mkpath(root + '/' + folder))
            return false;
    QFile status(root + "/var/lib/dpkg/status");
    return status.open(QIODevice::WriteOnly);
}

Run dpkg(const QString &root, const QStringList &arguments)
{
    // Only this package is in the root, not the libraries it depends on:
    // they are the system's, which the programs run with.
    return run(QStringLiteral("dpkg"),
        QStringList {"--root=" + root, "--log=/dev/null", "--force-depends", "--force-not-root"} + arguments);
}

// A root's files, leaving out the package database, which records what
// happened in it.
QStringList filesOutsideTheDatabase(const QString &root)
{
    QStringList files = fingerprint(root);
    files.removeIf([](const QString &entry) { return entry.startsWith(QLatin1String("var/lib/dpkg")); });
    return files;
}

} // namespace

class DebianPackageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlFields();
    void contents();
    void lintianFindsNoFault();
    void validatorsAcceptTheDesktopFiles_data();
    void validatorsAcceptTheDesktopFiles();
    void manualPagesRender_data();
    void manualPagesRender();
    void runsFromTheDesktopEntry();
    void removingLeavesOnlyTheUsersFolder();

private:
    QString installed(const QString &relative) const { return m_root + '/' + relative; }

    QTemporaryDir m_work;
    QString m_package;
    QString m_root;
};

void DebianPackageTest::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString out = m_work.filePath(QStringLiteral("out"));
    const Run built = run(qEnvironmentVariable("TABULO_CPACK"),
        {"-G", "DEB", "--config", qEnvironmentVariable("TABULO_BUILD_DIR") + "/CPackConfig.cmake", "-B", out});
    QVERIFY2(built.ok, describe(built).constData());
    const QStringList packages = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    m_package = QDir(out).filePath(packages.first());

    m_root = m_work.filePath(QStringLiteral("root"));
    QVERIFY(makeEmptyRoot(m_root));
    const Run installing = dpkg(m_root, {"--install", m_package});
    QVERIFY2(installing.ok, describe(installing).constData());
}

void DebianPackageTest::controlFields()
{
    const Run fields = run(QStringLiteral("dpkg-deb"), {"-f", m_package, "Package", "Version", "Depends"});
    QVERIFY2(fields.ok, describe(fields).constData());
    QVERIFY2(fields.out.startsWith("Package: tabulo\nVersion: 5.0\n"), fields.out.constData());
    // The libraries come from the programs themselves, the toolkit first.
    for (const char *library : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6", "libstdc++6"})
        QVERIFY2(fields.out.contains(library), library);
}

void DebianPackageTest::contents()
{
    for (const char *program : {"usr/lib/tabulo/Start", "usr/lib/tabulo/Tabulo/Tabulo_Bt",
             "usr/lib/tabulo/Tabulo/Tabulo_Top", "usr/bin/tabulo-calc", "usr/bin/tabulo-vbs"})
        QVERIFY2(QFileInfo(installed(program)).isExecutable(), program);
    QVERIFY(QFileInfo(installed("usr/lib/tabulo/Tabulo/Data")).isDir());
    QVERIFY(QFileInfo::exists(installed("usr/lib/tabulo/Tabulo/installed.txt")));
    QCOMPARE(QFileInfo(installed("usr/bin/tabulo")).symLinkTarget(),
        QFileInfo(installed("usr/lib/tabulo/Start")).absoluteFilePath());
    QVERIFY(readAll(installed("usr/share/applications/tabulo.desktop")).contains("\nExec=tabulo %f\n"));
    QVERIFY(readAll(installed("usr/share/icons/hicolor/48x48/apps/tabulo.png")).startsWith("\x89PNG"));

    // The scalable icon is a drawing, not a picture wrapped in one.
    const QByteArray svg = readAll(installed("usr/share/icons/hicolor/scalable/apps/tabulo.svg"));
    QVERIFY2(svg.contains("<svg") && svg.contains("viewBox=\"0 0 256 256\""), svg.left(400).constData());
    QVERIFY(svg.contains("<path"));
    QVERIFY(!svg.contains("<image"));

    // One metadata file, for the desktop entry above.
    const QDir metainfo(installed("usr/share/metainfo"));
    const QStringList components = metainfo.entryList({QStringLiteral("*.metainfo.xml")}, QDir::Files);
    QCOMPARE(components.size(), 1);
    QVERIFY(readAll(metainfo.filePath(components.first()))
                .contains("<launchable type=\"desktop-id\">tabulo.desktop</launchable>"));

    // The changelog's latest entry is this version.
    const Run changelog = run(QStringLiteral("dpkg-parsechangelog"),
        {"--show-field", "Version", "-l", installed("usr/share/doc/tabulo/changelog.gz")});
    QVERIFY2(changelog.ok, describe(changelog).constData());
    QCOMPARE(changelog.out.trimmed(), QByteArray("5.0"));
    QVERIFY(readAll(installed("usr/share/doc/tabulo/copyright"))
                .startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
}

void DebianPackageTest::lintianFindsNoFault()
{
    // Errors and warnings are faults; lintian's remarks of lesser weight
    // (information, pedantic and experimental tags) are not shown here.
    const Run lintian = run(QStringLiteral("lintian"), {"--no-cfg", "--tag-display-limit", "0", m_package});
    static const QRegularExpression fault(QStringLiteral("^[EW]: tabulo.*$"), QRegularExpression::MultilineOption);
    QStringList faults;
    for (auto match = fault.globalMatch(QString::fromUtf8(lintian.out)); match.hasNext();)
        faults << match.next().captured(0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    // Its exit code speaks of errors only, and of failing to run at all.
    QVERIFY2(lintian.ok, describe(lintian).constData());
}

void DebianPackageTest::validatorsAcceptTheDesktopFiles_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList()
                                   << "usr/share/applications/tabulo.desktop";
    // The validator would check that the screenshot can be fetched; the
    // test runs without a network.
    QTest::newRow("AppStream metadata") << "appstreamcli" << QStringList {"validate", "--no-net"}
                                        << "usr/share/metainfo/*.metainfo.xml";
}

void DebianPackageTest::validatorsAcceptTheDesktopFiles()
{
    QFETCH(QString, program);
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    const QFileInfo pattern(installed(file));
    const QStringList matches = pattern.dir().entryList({pattern.fileName()}, QDir::Files);
    QCOMPARE(matches.size(), 1);
    const Run validated = run(program, options << pattern.dir().filePath(matches.first()));
    QVERIFY2(validated.ok, describe(validated).constData());
    // desktop-file-validate says nothing about a good file; appstreamcli
    // reports a good one as such, with a line for every remark it has.
    if (program == QLatin1String("desktop-file-validate"))
        QCOMPARE(describe(validated), QByteArray());
    else
        QVERIFY2(!validated.out.contains("\nW:") && !validated.out.startsWith("W:"), validated.out.constData());
}

void DebianPackageTest::manualPagesRender_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("sections");
    const QStringList common {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "ENVIRONMENT", "EXAMPLES"};
    QTest::newRow("tabulo") << "tabulo" << common + QStringList {"HOW A NOTE ADDS UP", "FILES"};
    QTest::newRow("tabulo-calc") << "tabulo-calc" << common + QStringList {"HOW A NOTE ADDS UP"};
    QTest::newRow("tabulo-vbs") << "tabulo-vbs" << common;
}

void DebianPackageTest::manualPagesRender()
{
    QFETCH(QString, page);
    QFETCH(QStringList, sections);
    const QString file = installed("usr/share/man/man1/" + page + ".1.gz");
    QVERIFY2(readAll(file).startsWith("\x1f\x8b"), qPrintable(file));

    // As lintian renders a page: any warning of groff's is a fault.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("MAN_KEEP_FORMATTING"), QStringLiteral("0"));
    const Run shown = run(QStringLiteral("man"), {"--warnings", "-E", "UTF-8", "-l", file}, environment);
    QVERIFY2(shown.ok, describe(shown).constData());
    QCOMPARE(shown.err, QByteArray());
    const QString text = QString::fromUtf8(shown.out).remove(QRegularExpression(QStringLiteral(".\b")));
    QVERIFY2(text.startsWith(page.toUpper() + '(' + "1)"), qPrintable(text.left(80)));
    for (const QString &section : std::as_const(sections))
        QVERIFY2(text.contains('\n' + section + '\n'), qPrintable(section));
    QVERIFY2(text.contains("Tabulo 5.0"), "the page names the program's version");
}

void DebianPackageTest::runsFromTheDesktopEntry()
{
    // The command a desktop runs to open a note with Tabulo, found where the
    // package put it.
    const QString entry = QString::fromUtf8(readAll(installed("usr/share/applications/tabulo.desktop")));
    const auto exec
        = QRegularExpression(QStringLiteral("^Exec=(\\S+) %f$"), QRegularExpression::MultilineOption).match(entry);
    QVERIFY2(exec.hasMatch(), qPrintable(entry));
    const QString command = installed("usr/bin/" + exec.captured(1));

    const QStringList asInstalled = fingerprint(m_root);
    TestUser user;
    const QString note = user.home() + "/shopping list.txt";
    QFile noteFile(note);
    QVERIFY(noteFile.open(QIODevice::WriteOnly));
    noteFile.write("+2 bread\r\n");
    noteFile.close();

    const auto report = user.runUntilQuit(command, {note});
    QVERIFY2(report, qPrintable(user.errors));
    QCOMPARE(report->value(1), QStringLiteral("version 5.00"));
    QCOMPARE(readAll(user.dataFolder() + "/LastFile.ini"), note.toUtf8() + "\r\n");
    QCOMPARE(readAll(user.dataFolder() + "/TabuloStartForTOT.ini"), QByteArray("\"1\"\r\n"));
    QCOMPARE(fingerprint(m_root), asInstalled);
}

void DebianPackageTest::removingLeavesOnlyTheUsersFolder()
{
    const QString root = m_work.filePath(QStringLiteral("removed"));
    QVERIFY(makeEmptyRoot(root));
    const QStringList before = filesOutsideTheDatabase(root);
    Run step = dpkg(root, {"--install", m_package});
    QVERIFY2(step.ok, describe(step).constData());

    TestUser user;
    QVERIFY2(user.runUntilQuit(root + "/usr/bin/tabulo"), qPrintable(user.errors));
    const QStringList usersFiles = fingerprint(user.home() + "/.local/share/Tabulo");
    QVERIFY(usersFiles.size() > 10);

    step = dpkg(root, {"--purge", "tabulo"});
    QVERIFY2(step.ok, describe(step).constData());
    QCOMPARE(filesOutsideTheDatabase(root), before);
    step = dpkg(root, {"--status", "tabulo"});
    QVERIFY2(!step.out.contains("Status: install"), step.out.constData());
    QCOMPARE(fingerprint(user.home() + "/.local/share/Tabulo"), usersFiles);
}

QTEST_GUILESS_MAIN(DebianPackageTest)
#include "tst_debian_package.moc"
