#pragma once

// A private X display with a real window manager, for the behaviours the
// offscreen platform cannot show: frames drawn around windows, minimising,
// the tray. The test starts Xvfb on a display number of its own choosing
// (Xvfb picks a free one and reports it), then openbox, before the
// application connects; a tray (trayer) is started on request.

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tabulo::testing {

class VirtualDesktop
{
public:
    ~VirtualDesktop()
    {
        stop(m_tray);
        stop(m_windowManager);
        stop(m_server);
    }

    // Starts the display; the reason when it, or the window manager to be
    // started later, cannot start.
    QString start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty())
            return QStringLiteral("Xvfb is not installed");
        if (openbox.isEmpty())
            return QStringLiteral("openbox is not installed");
        if (!startServer(xvfb))
            return QStringLiteral("Xvfb did not start");
        setenv("DISPLAY", m_display.constData(), 1);
        return {};
    }

    QByteArray display() const { return m_display; }

    bool startWindowManager()
    {
        if (m_windowManager > 0)
            return true;
        m_windowManager = spawn({"openbox", "--sm-disable"});
        return m_windowManager > 0 && stillRunning(m_windowManager);
    }
    void stopWindowManager() { stop(m_windowManager); }

    static bool trayInstalled() { return !QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty(); }
    bool startTray()
    {
        if (m_tray <= 0)
            m_tray = spawn({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "120",
                "--height", "24", "--SetDockType", "true", "--transparent", "false"});
        return m_tray > 0 && stillRunning(m_tray);
    }
    void stopTray() { stop(m_tray); }

private:
    // A test killed midway (a time-out) takes its display and programs with it.
    static void endWithParent() { prctl(PR_SET_PDEATHSIG, SIGTERM); }

    bool startServer(const QString &xvfb)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            const std::string program = xvfb.toStdString();
            endWithParent();
            freopen("/dev/null", "w", stderr);
            execl(program.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-dpi", "96",
                "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (child < 0) {
            close(fds[0]);
            return false;
        }
        m_server = child;
        // Xvfb writes its display number once it accepts connections.
        QByteArray number;
        pollfd wait {fds[0], POLLIN, 0};
        while (poll(&wait, 1, 10000) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        close(fds[0]);
        if (number.isEmpty())
            return false;
        m_display = ":" + number;
        return true;
    }

    static pid_t spawn(std::vector<const char *> arguments)
    {
        arguments.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            endWithParent();
            freopen("/dev/null", "w", stdout);
            freopen("/dev/null", "w", stderr);
            execvp(arguments[0], const_cast<char *const *>(arguments.data()));
            _exit(127);
        }
        return child;
    }

    // A program that cannot run exits at once; one that runs is still there
    // a moment later.
    static bool stillRunning(pid_t child)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return waitpid(child, nullptr, WNOHANG) == 0;
    }

    static void stop(pid_t &child)
    {
        if (child <= 0)
            return;
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        child = 0;
    }

    pid_t m_server = 0;
    pid_t m_windowManager = 0;
    pid_t m_tray = 0;
    QByteArray m_display;
};

} // namespace tabulo::testing
