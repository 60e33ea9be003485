#include "windows/main/parts/window_options.h"

#include <QAction>
#include <QWidget>
#include <QWindow>

namespace tabulo {

WindowOptions::WindowOptions(
    QWidget *window, QAction *sempreInPrimoPianoX, QAction *trasparenteX, WindowSystemAbilities abilities)
    : QObject(window)
    , m_window(window)
    , m_sempreInPrimoPianoX(sempreInPrimoPianoX)
    , m_trasparenteX(trasparenteX)
    , m_abilities(abilities)
{
    setObjectName(QStringLiteral("WindowOptions"));
    m_sempreInPrimoPianoX->setCheckable(true);
    m_trasparenteX->setCheckable(true);
    m_sempreInPrimoPianoX->setEnabled(m_abilities.keepsWindowsOnTop);
    m_trasparenteX->setEnabled(m_abilities.makesWindowsSeeThrough);
    setPrimoPiano(false);
    setTrasparente(false);
    // The menu has already flipped the check mark when these run; the
    // option's own state decides, and the mark follows it.
    connect(m_sempreInPrimoPianoX, &QAction::triggered, this, &WindowOptions::SempreInPrimoPianoX_Click);
    connect(m_trasparenteX, &QAction::triggered, this, &WindowOptions::TrasparenteX_Click);
}

void WindowOptions::SempreInPrimoPianoX_Click()
{
    setPrimoPiano(!m_primoPiano);
}

void WindowOptions::TrasparenteX_Click()
{
    setTrasparente(!m_trasparente);
}

void WindowOptions::setPrimoPiano(bool on)
{
    if (!m_abilities.keepsWindowsOnTop)
        on = false;
    m_primoPiano = on;
    SetTopmost(m_window, on);
    m_sempreInPrimoPianoX->setChecked(on);
}

void WindowOptions::setTrasparente(bool on)
{
    if (!m_abilities.makesWindowsSeeThrough) {
        // Asked for an opacity, the window system would only print a warning.
        m_trasparente = false;
        m_trasparenteX->setChecked(false);
        return;
    }
    m_trasparente = on;
    m_trasparenteX->setChecked(on);
    if (on)
        DarkMeSi();
    else
        DarkMeNo();
}

void WindowOptions::DarkMeSi()
{
    m_window->setWindowOpacity(transparentOpacity);
}

void WindowOptions::DarkMeNo()
{
    m_window->setWindowOpacity(1.0);
}

void WindowOptions::SetTopmost(QWidget *window, bool topmost)
{
    Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    QWindow *surface = window->windowHandle();
    if (!surface) {
        window->setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags would hide the window and need a show(), which
    // under a window manager unmaps it and maps it again; the native window
    // takes the hint in place.
    window->overrideWindowFlags(flags);
    surface->setFlags(flags);
}

} // namespace tabulo
