#include "app/tabulo/quit_when_shown.h"

#include "windows/main/form1.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/start_up.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QSaveFile>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace tabulo {

std::unique_ptr<QuitWhenShown> QuitWhenShown::fromEnvironment(Form1 &window)
{
    const QString path = qEnvironmentVariable("TABULO_QUIT_WHEN_SHOWN");
    if (path.isEmpty())
        return nullptr;
    return std::make_unique<QuitWhenShown>(window, path);
}

QuitWhenShown::QuitWhenShown(Form1 &window, QString reportPath)
    : m_window(window)
    , m_reportPath(std::move(reportPath))
{
    // The native window must exist before it is shown, or its first expose
    // could pass unseen.
    m_window.winId();
    m_handle = m_window.windowHandle();
    m_handle->installEventFilter(this);

    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, &QuitWhenShown::quitOnceStarted);
    m_poll.start();

    // A box nobody answers must not keep a test waiting for ever.
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(60'000);
    connect(&m_watchdog, &QTimer::timeout, this, [] {
        std::fprintf(stderr, "TABULO_QUIT_WHEN_SHOWN: the program did not quit within a minute\n");
        std::_Exit(3);
    });
    m_watchdog.start();
}

bool QuitWhenShown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed() && m_shownAt == 0)
        m_shownAt = QDateTime::currentMSecsSinceEpoch();
    return false;
}

void QuitWhenShown::quitOnceStarted()
{
    // The start-up continues on its timers; quitting before the note is
    // re-based would ask about unsaved changes.
    if (m_shownAt == 0 || m_window.startUp().isStarting() || m_window.noteView().historyResetPending())
        return;
    m_poll.stop();
    m_window.action(QStringLiteral("QuitX"))->trigger();
}

void QuitWhenShown::writeReport() const
{
    // Whoever waits for the report sees all of it or nothing.
    QSaveFile report(m_reportPath);
    if (!report.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "TABULO_QUIT_WHEN_SHOWN: cannot write %s\n", qPrintable(m_reportPath));
        return;
    }
    report.write(
        QStringLiteral("shown %1\nversion %2\n").arg(m_shownAt).arg(QCoreApplication::applicationVersion()).toUtf8());
    report.commit();
}

} // namespace tabulo
