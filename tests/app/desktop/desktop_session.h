#pragma once

// The parts of a desktop session a test starts for itself, so that nothing
// depends on the machine's own session: a D-Bus session bus (which starts
// the accessibility bus when first asked, as a desktop's does), a Wayland
// compositor without a screen (weston's headless backend), and a copy of the
// staged program in a temporary folder. Every process started here ends
// with the test, a killed one included.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tabulo::testing {

class SessionProcesses
{
public:
    ~SessionProcesses()
    {
        for (auto child = m_children.rbegin(); child != m_children.rend(); ++child) {
            kill(*child, SIGTERM);
            waitpid(*child, nullptr, 0);
        }
    }

    // Starts `dbus-daemon --session` and puts its address in this process's
    // environment, where the accessibility library and the program find it.
    // The reason when it cannot start; empty when it runs.
    QString startSessionBus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return QStringLiteral("dbus-daemon is not installed");
        int fds[2];
        if (pipe(fds) != 0)
            return QStringLiteral("no pipe for dbus-daemon");
        const std::string fd = std::to_string(fds[1]);
        const pid_t child
            = spawn({"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address", fd.c_str()}, fds[0]);
        close(fds[1]);
        const QByteArray address = readLine(fds[0], 10000);
        close(fds[0]);
        if (child <= 0 || address.isEmpty())
            return QStringLiteral("dbus-daemon did not start");
        setenv("DBUS_SESSION_BUS_ADDRESS", address.constData(), 1);
        return {};
    }

    // Starts weston's headless backend on a socket of its own in a runtime
    // folder of its own, and puts both in this process's environment.
    QString startWeston()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            return QStringLiteral("weston is not installed");
        if (!m_runtime.isValid()
            || !QFile::setPermissions(
                m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            return QStringLiteral("no runtime folder for weston");
        setenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()).constData(), 1);
        const std::string socket = "tabulo-test-" + std::to_string(getpid());
        const std::string socketOption = "--socket=" + socket;
        spawn({"weston", "--backend=headless-backend.so", "--no-config", "--idle-time=0", "--width=1280",
            "--height=1024", socketOption.c_str()});
        const QString socketPath = m_runtime.filePath(QString::fromStdString(socket));
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(socketPath); }, 10000))
            return QStringLiteral("weston did not start");
        setenv("WAYLAND_DISPLAY", socket.c_str(), 1);
        return {};
    }

private:
    // A test killed midway (a time-out) takes the processes with it.
    pid_t spawn(std::vector<const char *> arguments, int closeInChild = -1)
    {
        arguments.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (closeInChild >= 0)
                close(closeInChild);
            freopen("/dev/null", "w", stdout);
            freopen("/dev/null", "w", stderr);
            execvp(arguments[0], const_cast<char *const *>(arguments.data()));
            _exit(127);
        }
        if (child > 0)
            m_children.push_back(child);
        return child;
    }

    static QByteArray readLine(int fd, int timeoutMs)
    {
        QByteArray line;
        pollfd wait {fd, POLLIN, 0};
        while (poll(&wait, 1, timeoutMs) > 0) {
            char c = 0;
            if (read(fd, &c, 1) != 1 || c == '\n')
                break;
            line += c;
        }
        return line;
    }

    QTemporaryDir m_runtime;
    std::vector<pid_t> m_children;
};

// A copy of the staged program (the build's dist/Tabulo, named by
// TABULO_DIST) in a temporary folder, with a home of its own, so that the
// run writes its settings there and nowhere else.
class ProgramCopy
{
public:
    ProgramCopy()
    {
        m_ready = copyFolder(qEnvironmentVariable("TABULO_DIST") + QStringLiteral("/Tabulo"), folder())
            && QDir().mkpath(m_root.filePath(QStringLiteral("home")))
            && QDir().mkpath(m_root.filePath(QStringLiteral("runtime")))
            && QFile::setPermissions(m_root.filePath(QStringLiteral("runtime")),
                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    bool isReady() const { return m_ready; }
    QString folder() const { return m_root.filePath(QStringLiteral("Tabulo")); }
    QString filePath(const QString &relative) const { return folder() + QLatin1Char('/') + relative; }

    bool writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(filePath(relative));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    // The environment a desktop session gives the program: this process's
    // display and buses, a home of its own, a fixed locale.
    QProcessEnvironment environment(const QString &platform) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = m_root.filePath(QStringLiteral("home"));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        // A compositor's runtime folder stays: its socket is there.
        if (!environment.contains(QStringLiteral("WAYLAND_DISPLAY")))
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root.filePath(QStringLiteral("runtime")));
        for (const char *inherited : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ACCESSIBILITY"})
            environment.remove(QString::fromLatin1(inherited));
        return environment;
    }

private:
    static bool copyFolder(const QString &from, const QString &to)
    {
        const QDir source(from);
        if (!source.exists() || !QDir().mkpath(to))
            return false;
        const QFileInfoList entries = source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QFileInfo &entry : entries) {
            const QString target = to + QLatin1Char('/') + entry.fileName();
            if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
                return false;
        }
        return true;
    }

    QTemporaryDir m_root;
    bool m_ready = false;
};

} // namespace tabulo::testing
