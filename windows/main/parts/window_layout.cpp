#include "windows/main/parts/window_layout.h"

#include "core/settings/twips.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/status_bar.h"
#include "windows/main/controls/toolbar.h"
#include "windows/main/controls/total_box.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/menus/menu_table.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/tool_windows.h"

#include <QMainWindow>

namespace tabulo {

namespace {

// The layout's constants were designed against a window frame (title bar,
// menu bar and borders) of 800 x 120 twips around the client area. The
// frame a window manager draws is outside our control, and may be absent,
// so the formulas see that nominal frame: the editor then always fits
// between the bands.
constexpr double designFrameHeight = 800;
constexpr double designFrameWidth = 120;

constexpr double bandHeight = 315; // Picture1, Picture2

} // namespace

WindowLayout::WindowLayout(QMainWindow *window, LayoutVariant variant, Controls controls, NoteView &view,
    MainMenus &menus, ToolWindows &toolWindows)
    : m_window(window)
    , m_variant(variant)
    , m_controls(controls)
    , m_view(view)
    , m_menus(menus)
    , m_toolWindows(toolWindows)
{
    menus.onTriggered("VerticaleOrizzonateX", this, [this] { VerticaleOrizzonateX_Click(); });
    menus.onTriggered("SoloVerticaleX", this, [this] { SoloVerticaleX_Click(); });
    // The item has already inverted its check mark when it is chosen.
    menus.onTriggered("MostraStrumentiX", this, [this](bool checked) { setToolbarShown(checked); });
    menus.onTriggered("AumentaTestoX", this, [this] { AumentaTestoX_Click(); });
    menus.onTriggered("DiminuisciTestoX", this, [this] { DiminuisciTestoX_Click(); });
    menus.onTriggered("NormalizzaTestoX", this, [this] { NormalizzaTestoX_Click(); });
    connect(m_controls.toolbar, &Toolbar::toolClicked, this, &WindowLayout::tool_Click);
}

int WindowLayout::pixels(double twips) const
{
    return Twips::forDpi(m_window->logicalDpiY()).toPixels(twips);
}

double WindowLayout::toTwips(int pixelCount) const
{
    return Twips::forDpi(m_window->logicalDpiY()).fromPixels(pixelCount);
}

void WindowLayout::Form_Resize()
{
    const Controls &c = m_controls;
    const bool toolbarShown = m_toolbarShown;
    const bool totalsAtTop = m_variant == LayoutVariant::TotalAtTop;
    const double clientWidth = toTwips(c.surface->width());
    const double clientHeight = toTwips(c.surface->height());
    const double windowWidth = clientWidth + designFrameWidth;
    const double windowHeight = clientHeight + designFrameHeight;
    const int surfaceWidth = c.surface->width();

    // The docked bands: toolbar at the top, status bar at the very bottom,
    // the totals band above it (or, with the total at the top, below the
    // toolbar, and the second band above the status bar).
    const int toolbarHeight = toolbarShown ? pixels(Toolbar::heightTwips) : 0;
    const int statusHeight = pixels(StatusBar::heightTwips);
    const int bandPx = pixels(bandHeight);
    c.toolbar->setGeometry(0, 0, surfaceWidth, pixels(Toolbar::heightTwips));
    c.status->setGeometry(0, c.surface->height() - statusHeight, surfaceWidth, statusHeight);
    if (totalsAtTop) {
        c.picture1->setGeometry(0, toolbarHeight, surfaceWidth, bandPx);
        c.picture2->setGeometry(0, c.surface->height() - statusHeight - bandPx, surfaceWidth, bandPx);
    } else {
        c.picture1->setGeometry(0, c.surface->height() - statusHeight - bandPx, surfaceWidth, bandPx);
    }

    const double statusTwips = StatusBar::heightTwips;
    const double text2Height = toTwips(c.text2->height());
    double top = 0;
    double height = 0;
    if (totalsAtTop) {
        height = windowHeight - statusTwips - text2Height - 1430;
        top = toolbarShown ? text2Height + statusTwips + 60 : text2Height - 50;
        if (!toolbarShown)
            height = clientHeight - bandHeight - bandHeight - statusTwips - 80;
    } else {
        height = toolbarShown ? windowHeight - statusTwips - 1480 : windowHeight - statusTwips - 1110;
        top = toolbarShown ? statusTwips + 100 : 0;
    }
    const double width = clientWidth - 5;

    // A computed size below zero (a tiny window) is not applied.
    for (NoteEditor *editor : m_view.editors()) {
        QRect r = editor->geometry();
        r.moveTop(pixels(top));
        r.moveLeft(0);
        if (width >= 0)
            r.setWidth(pixels(width));
        if (height >= 0)
            r.setHeight(pixels(height));
        editor->setGeometry(r);
    }

    const double totalWidth = totalsAtTop ? windowWidth - 50 : windowWidth / 2 - 50;
    if (totalWidth >= 0) {
        c.text2->resize(pixels(totalWidth), c.text2->height());
        c.text3->resize(pixels(totalWidth), c.text3->height());
    }
    if (!totalsAtTop)
        c.text3->move(pixels(totalWidth + 50), 0);

    c.status->placeSizeGrip();
}

void WindowLayout::setScrolling(MainWindowSettings::Scrolling scrolling)
{
    const bool wrapped = scrolling == MainWindowSettings::Scrolling::Wrapped;
    m_view.showEditor(wrapped ? m_view.editor2() : m_view.text1());
    m_menus.action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(!wrapped);
    m_menus.action(QStringLiteral("SoloVerticaleX"))->setChecked(wrapped);
    Form_Resize();
}

MainWindowSettings::Scrolling WindowLayout::scrolling() const
{
    return m_view.visibleEditor() == m_view.editor2() ? MainWindowSettings::Scrolling::Wrapped
                                                      : MainWindowSettings::Scrolling::Sideways;
}

void WindowLayout::VerticaleOrizzonateX_Click()
{
    setScrolling(MainWindowSettings::Scrolling::Sideways);
}

void WindowLayout::SoloVerticaleX_Click()
{
    setScrolling(MainWindowSettings::Scrolling::Wrapped);
}

void WindowLayout::MostraStrumentiX_Click()
{
    setToolbarShown(!m_toolbarShown);
}

void WindowLayout::setToolbarShown(bool shown)
{
    m_toolbarShown = shown;
    m_menus.action(QStringLiteral("MostraStrumentiX"))->setChecked(shown);
    m_controls.toolbar->setVisible(shown);
    Form_Resize();
}

void WindowLayout::tool_Click(int index)
{
    if (index < 0 || index >= Toolbar::toolCount)
        return;
    // Every button first closes the calculator, which saves its history.
    m_toolWindows.closeCalculator();
    if (QAction *command = m_menus.action(toolbarCommand(index)))
        command->trigger();
}

void WindowLayout::AumentaTestoX_Click()
{
    for (NoteEditor *editor : m_view.editors())
        editor->setFontPointSize(editor->fontPointSize() + 1);
}

void WindowLayout::DiminuisciTestoX_Click()
{
    for (NoteEditor *editor : m_view.editors())
        editor->setFontPointSize(editor->fontPointSize() - 1);
}

void WindowLayout::NormalizzaTestoX_Click()
{
    for (NoteEditor *editor : m_view.editors())
        editor->setFontPointSize(m_normalTextSize);
}

} // namespace tabulo
