#pragma once

#include "core/settings/window_placement.h"
#include "ui/services/program_context.h"

#include <QObject>

#include <functional>
#include <optional>

class QMainWindow;

namespace tabulo {

class MainMenus;
class TrayBehaviour;

// Where the main window stands from one run to the next: the placement of
// the last quit put back at start-up (inside the screen, and always shown),
// the placement to record at quit (a window in the tray as minimised), and
// "Resetta Interfaccia", which puts the window back at its design size and
// forgets the stored placement.
class RememberedPlacement : public QObject
{
    Q_OBJECT
public:
    // `relayout` lays the window out again once it has its size.
    RememberedPlacement(QMainWindow *window, const ProgramContext &context, const TrayBehaviour &tray, MainMenus &menus,
        std::function<void()> relayout);

    void restore(const WindowPlacement &placement);
    WindowPlacement atQuit() const;
    void ResettaInterfacciaX_Click();

private:
    int pixels(double twips) const;
    double toTwips(int pixels) const;

    QMainWindow *m_window;
    const ProgramContext &m_context;
    const TrayBehaviour &m_tray;
    std::function<void()> m_relayout;
    std::optional<RestoredPlacement> m_restored;
};

} // namespace tabulo
