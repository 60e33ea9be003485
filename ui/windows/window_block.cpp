#include "ui/windows/window_block.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tabulo {

void WindowBlock::whileShown(QWidget *dialog, QWidget *blocked)
{
    new WindowBlock(dialog, blocked);
}

WindowBlock::WindowBlock(QWidget *dialog, QWidget *blocked)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_blocked(blocked)
{
    dialog->installEventFilter(this);
    if (dialog->isVisible() && !dialog->isMinimized())
        block(true);
}

WindowBlock::~WindowBlock()
{
    // The dialog is being destroyed: only the blocked window is touched.
    if (m_blocked)
        m_blocked->setEnabled(true);
}

void WindowBlock::block(bool blocked)
{
    if (!m_blocked)
        return;
    m_blocked->setEnabled(!blocked);
    // Disabling a window disables the windows it owns; this one must stay
    // usable.
    if (blocked)
        m_dialog->setEnabled(true);
}

bool WindowBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_dialog)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (!m_dialog->isMinimized())
            block(true);
        break;
    case QEvent::Hide:
        block(false);
        break;
    case QEvent::WindowStateChange:
        if (m_dialog->isMinimized()) {
            block(false);
            // Once the window manager is done with the minimise.
            QTimer::singleShot(0, this, &WindowBlock::bringBack);
        } else if (m_dialog->isVisible()) {
            block(true);
        }
        break;
    default:
        break;
    }
    return false;
}

void WindowBlock::bringBack()
{
    if (!m_dialog->isVisible() || !m_dialog->isMinimized())
        return;
    m_dialog->setWindowState(m_dialog->windowState() & ~Qt::WindowMinimized);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

} // namespace tabulo
