#include "windows/main/parts/tray_behaviour.h"

#include "ui/services/desktop.h"
#include "windows/main/parts/outer_placement.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace tabulo {

TrayBehaviour::TrayBehaviour(
    QWidget *window, QMenu *trayBar, QAction *mostra, Desktop *desktop, std::function<void()> focusVisibleEditor)
    : QObject(window)
    , m_window(window)
    , m_trayBar(trayBar)
    , m_desktop(desktop)
    , m_focusVisibleEditor(std::move(focusVisibleEditor))
{
    setObjectName(QStringLiteral("TrayBehaviour"));
    m_icon.setToolTip(QStringLiteral("Tabulo"));
    // Both buttons open the menu; it is not handed to the icon as its
    // context menu, which some trays would open a second time on a right
    // click.
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayBehaviour::iconActivated);
    connect(mostra, &QAction::triggered, this, &TrayBehaviour::Mostra_Click);
    m_trayWatch.setInterval(trayWatchMs);
    connect(&m_trayWatch, &QTimer::timeout, this, &TrayBehaviour::checkTrayStillThere);
    m_comingBack.setSingleShot(true);
    m_comingBack.setInterval(comingBackMs);
    m_window->installEventFilter(this);
}

bool TrayBehaviour::eventFilter(QObject *watched, QEvent *event)
{
    // A window manager activates the window some time after it is shown,
    // and activation hands the focus to whatever child had it before.
    if (watched == m_window && event->type() == QEvent::WindowActivate)
        m_comingBack.stop();
    if (watched == m_window && event->type() == QEvent::WindowActivate && m_focusWhenActive) {
        m_focusWhenActive = false;
        if (m_focusVisibleEditor)
            QTimer::singleShot(0, this, m_focusVisibleEditor);
    }
    return false;
}

bool TrayBehaviour::trayAvailable() const
{
    return m_desktop ? m_desktop->hasSystemTray() : QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayBehaviour::isInTray() const
{
    return m_icon.isVisible() && m_window->isHidden();
}

QRect TrayBehaviour::outerGeometry() const
{
    return m_window->isHidden() && m_outerWhenHidden.isValid() ? m_outerWhenHidden : currentOuterGeometry(m_window);
}

void TrayBehaviour::hideWindow()
{
    if (m_window->isHidden())
        return;
    m_outerWhenHidden = currentOuterGeometry(m_window);
    m_window->hide();
}

void TrayBehaviour::AddTrayIcon()
{
    if (m_icon.isVisible())
        return;
    m_icon.setIcon(m_window->windowIcon());
    m_icon.show();
    m_trayWatch.start();
}

void TrayBehaviour::RemoveTrayIcon()
{
    m_trayWatch.stop();
    m_icon.hide();
}

void TrayBehaviour::TrayBar_Click()
{
    if (!trayAvailable()) {
        // Nowhere to come back from: minimised, never hidden.
        if (!m_window->isMinimized())
            m_window->showMinimized();
        return;
    }
    AddTrayIcon();
    if (!m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    hideWindow();
}

void TrayBehaviour::windowMinimised()
{
    if (m_comingBack.isActive()) {
        // Restoring a hidden minimised window shows it before the window
        // manager has read that it is no longer minimised, and it may
        // minimise it again. The user asked for the window: it stays.
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->activateWindow();
        return;
    }
    if (!trayAvailable())
        return;
    AddTrayIcon();
    // Hidden once the state change that called us is over; by then the
    // window may have been restored again.
    QTimer::singleShot(0, this, &TrayBehaviour::hideIntoTray);
}

void TrayBehaviour::hideIntoTray()
{
    if (m_window->isMinimized() && m_icon.isVisible() && trayAvailable())
        hideWindow();
}

void TrayBehaviour::Mostra_Click()
{
    const Qt::WindowStates state = m_window->windowState();
    if (state & Qt::WindowMinimized)
        m_window->setWindowState(state & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (m_focusVisibleEditor)
        m_focusVisibleEditor();
    m_focusWhenActive = !m_window->isActiveWindow();
    if (m_focusWhenActive)
        m_comingBack.start();
    RemoveTrayIcon();
}

void TrayBehaviour::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
        m_trayBar->popup(QCursor::pos());
}

void TrayBehaviour::checkTrayStillThere()
{
    if (trayAvailable())
        return;
    if (m_window->isHidden())
        Mostra_Click();
    else
        RemoveTrayIcon();
}

} // namespace tabulo
