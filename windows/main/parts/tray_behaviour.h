#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tabulo {

class Desktop;

// The main window's place in the desktop's notification area (the tray):
// sending the window there, the icon with its tool tip and its `TrayBar`
// menu, and bringing the window back.
//
// The window is hidden only while its icon stands in a tray that is there to
// be clicked. Without a tray it is minimised the ordinary way and stays on
// the taskbar; if the tray goes away while the window is hidden (a panel
// that crashes or is closed), the window comes back by itself. A hidden
// window with no icon to click would be a lost note.
class TrayBehaviour : public QObject
{
    Q_OBJECT
public:
    // `focusVisibleEditor` gives the focus to whichever editor is shown.
    TrayBehaviour(
        QWidget *window, QMenu *trayBar, QAction *mostra, Desktop *desktop, std::function<void()> focusVisibleEditor);

    // The `TrayBar` click action, run by the quit dialog's "Porta sulla
    // TrayBar": the icon appears and the window is minimised and hidden.
    void TrayBar_Click();
    // The window has just been minimised, from its title bar or by the
    // stored placement at start-up: where there is a tray, it goes there.
    void windowMinimised();
    // "Mostra Tabulo...": the window back in front, the focus in the editor,
    // the icon gone.
    void Mostra_Click();

    bool isInTray() const;
    // The window's outer rectangle as it was last seen on screen. A window
    // hidden in the tray has been given back its frame by the window
    // manager, and its own rectangle would be stored one frame too small.
    QRect outerGeometry() const;
    QSystemTrayIcon *icon() { return &m_icon; }

    // How often the tray is looked for while the icon stands in it.
    static constexpr int trayWatchMs = 500;
    // How long after "Mostra Tabulo..." a minimise reported by the window
    // manager is taken for its late answer to the one that hid the window.
    static constexpr int comingBackMs = 1500;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool trayAvailable() const;
    void AddTrayIcon();
    void RemoveTrayIcon();
    void hideIntoTray();
    void hideWindow();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkTrayStillThere();

    QWidget *m_window;
    QMenu *m_trayBar;
    Desktop *m_desktop;
    std::function<void()> m_focusVisibleEditor;
    QSystemTrayIcon m_icon;
    QTimer m_trayWatch;
    QRect m_outerWhenHidden;
    bool m_focusWhenActive = false;
    QTimer m_comingBack;
};

} // namespace tabulo
