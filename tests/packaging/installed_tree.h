#pragma once

// What the tests of the installed programs share: running a program of the
// installation the way a user's desktop does, in a home folder of the test's
// own, and a fingerprint of a folder to prove nothing in it changed.

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace tabulo::testing {

// Every entry below a folder with its kind, size and modification time.
inline QStringList fingerprint(const QString &folder)
{
    QStringList entries;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        entries << QStringLiteral("%1 %2 %3 %4")
                       .arg(QDir(folder).relativeFilePath(entry.filePath()),
                           entry.isSymLink()   ? QStringLiteral("link")
                               : entry.isDir() ? QStringLiteral("dir")
                                               : QStringLiteral("file"))
                       .arg(entry.isDir() ? 0 : entry.size())
                       .arg(entry.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A user of an installed copy: a home folder of their own, and a way to run
// a program there that quits by itself once its window has been shown.
class TestUser
{
public:
    QString home() const { return m_home.path(); }
    // Where an installed copy keeps this user's files.
    QString dataFolder() const { return m_home.filePath(QStringLiteral(".local/share/Tabulo/Data")); }
    QString reportPath() const { return m_home.filePath(QStringLiteral("shown.report")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        environment.insert(QStringLiteral("HOME"), home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TABULO_QUIT_WHEN_SHOWN"), reportPath());
        return environment;
    }

    // Runs a program that may hand over to another one (Start) and waits
    // until the program that shows the window has quit; the report it left
    // ("shown ...", "version ..."), or nothing.
    std::optional<QStringList> runUntilQuit(
        const QString &program, const QStringList &arguments = {}, int *exitCode = nullptr)
    {
        QFile::remove(reportPath());
        // Standard output and error are pipes that close when the program
        // started here ends, as they do when Start hands over to a variant
        // and ends: the variant must outlive them.
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(home());
        process.start(program, arguments);
        if (!process.waitForFinished(60'000)) {
            process.kill();
            process.waitForFinished();
            return std::nullopt;
        }
        errors = QString::fromLocal8Bit(process.readAllStandardError());
        if (exitCode)
            *exitCode = process.exitCode();
        if (!QTest::qWaitFor([this] { return QFile::exists(reportPath()); }, 60'000))
            return std::nullopt;
        return QString::fromUtf8(readAll(reportPath())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString errors;

private:
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
};

} // namespace tabulo::testing
