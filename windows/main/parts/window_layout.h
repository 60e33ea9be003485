#pragma once

#include "core/settings/main_window_settings.h"
#include "ui/services/program_context.h"

#include <QObject>

class QMainWindow;
class QWidget;

namespace tabulo {

class MainMenus;
class NoteView;
class StatusBar;
class Toolbar;
class ToolWindows;
class TotalBox;

// Where everything stands in the main window and what it shows: the bands
// (toolbar, totals, status bar) around the editor (`Form_Resize`), which of
// the two editors shows the note, whether the toolbar is shown, what its
// buttons run, and the note's text size.
class WindowLayout : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QWidget *surface = nullptr; // the client area
        Toolbar *toolbar = nullptr; // `Picture3`
        StatusBar *status = nullptr; // `Picture4`
        QWidget *picture1 = nullptr; // the totals band
        QWidget *picture2 = nullptr; // the second totals band (totals at the top only)
        TotalBox *text2 = nullptr;
        TotalBox *text3 = nullptr;
    };
    WindowLayout(QMainWindow *window, LayoutVariant variant, Controls controls, NoteView &view, MainMenus &menus,
        ToolWindows &toolWindows);

    void Form_Resize();

    // The editor modes: long lines scrolled sideways (`Text1`) or wrapped.
    void VerticaleOrizzonateX_Click();
    void SoloVerticaleX_Click();
    void setScrolling(MainWindowSettings::Scrolling scrolling);
    MainWindowSettings::Scrolling scrolling() const;

    // "Mostra Strumenti" inverts whether the toolbar is shown.
    void MostraStrumentiX_Click();
    void setToolbarShown(bool shown);
    bool toolbarShown() const { return m_toolbarShown; }
    // A toolbar button: the calculator closes (saving its history), then
    // the button's command runs.
    void tool_Click(int index);

    void AumentaTestoX_Click();
    void DiminuisciTestoX_Click();
    void NormalizzaTestoX_Click();
    // The size "[T]" goes back to, as the applied theme gives it.
    void setNormalTextSize(qreal points) { m_normalTextSize = points; }

private:
    int pixels(double twips) const;
    double toTwips(int pixels) const;

    QMainWindow *m_window;
    LayoutVariant m_variant;
    Controls m_controls;
    NoteView &m_view;
    MainMenus &m_menus;
    ToolWindows &m_toolWindows;
    bool m_toolbarShown = true;
    qreal m_normalTextSize = 12;
};

} // namespace tabulo
