#include "windows/main/parts/remembered_placement.h"

#include "core/settings/main_window_settings.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/outer_placement.h"
#include "windows/main/parts/tray_behaviour.h"

#include <QFile>
#include <QMainWindow>
#include <QScreen>

namespace tabulo {

RememberedPlacement::RememberedPlacement(QMainWindow *window, const ProgramContext &context, const TrayBehaviour &tray,
    MainMenus &menus, std::function<void()> relayout)
    : m_window(window)
    , m_context(context)
    , m_tray(tray)
    , m_relayout(std::move(relayout))
{
    menus.onTriggered("ResettaInterfacciaX", this, [this] { ResettaInterfacciaX_Click(); });
}

int RememberedPlacement::pixels(double twips) const
{
    return Twips::forDpi(m_window->logicalDpiY()).toPixels(twips);
}

double RememberedPlacement::toTwips(int pixelCount) const
{
    return Twips::forDpi(m_window->logicalDpiY()).fromPixels(pixelCount);
}

void RememberedPlacement::restore(const WindowPlacement &placement)
{
    if (placement.state == 2) {
        m_window->setWindowState(Qt::WindowMaximized);
        return;
    }
    const QRect frame = currentOuterGeometry(m_window);
    double top = placement.top.value_or(toTwips(frame.y()));
    double left = placement.left.value_or(toTwips(frame.x()));
    const double width = placement.width.value_or(toTwips(frame.width()));
    const double height = placement.height.value_or(toTwips(frame.height()));
    // A window minimised at quit is recorded far off the screen.
    if (top < 0)
        top = 100;
    if (left < 0)
        left = 100;
    QRect wanted(pixels(left), pixels(top), pixels(width), pixels(height));
    if (const QScreen *shown = m_window->screen())
        wanted = fitOnScreen(wanted, shown->availableGeometry());
    // Numbers that place the window exactly as they say are written back
    // unchanged at quit if the window stays there.
    m_restored.reset();
    std::optional<RestoredPlacement> restored;
    if (placement.top && placement.left && placement.width && placement.height
        && wanted
            == QRect(
                pixels(*placement.left), pixels(*placement.top), pixels(*placement.width), pixels(*placement.height)))
        restored = RestoredPlacement {{*placement.top, *placement.left, *placement.width, *placement.height}, wanted};
    // A window minimised or in the tray at quit (state 1) starts shown where
    // it was: a start that put it straight back in the tray would show
    // nothing but an icon, and a new copy started from a running one would
    // seem not to start at all.
    placeOuterGeometry(m_window, wanted, [this, restored] {
        m_restored = restored;
        m_relayout();
    });
}

WindowPlacement RememberedPlacement::atQuit() const
{
    // A window in the tray counts as minimised, whatever the window manager
    // made of its state when it was hidden.
    const int state = m_window->isMinimized() || m_tray.isInTray() ? 1 : m_window->isMaximized() ? 2 : 0;
    return placementAtQuit(m_tray.outerGeometry(), state, Twips::forDpi(m_window->logicalDpiY()), m_restored);
}

void RememberedPlacement::ResettaInterfacciaX_Click()
{
    m_window->showNormal();
    const QSize frameExtra = currentOuterGeometry(m_window).size() - m_window->geometry().size();
    m_window->resize(QSize(pixels(9600), pixels(7200)) - frameExtra);
    const QWidget *surface = m_window->centralWidget();
    m_window->move(pixels(toTwips(surface->width()) / 3), pixels(toTwips(surface->height()) / 3));
    QFile::remove(m_context.dataFile(QLatin1String(MainWindowSettings::placementFileName)));
}

} // namespace tabulo
