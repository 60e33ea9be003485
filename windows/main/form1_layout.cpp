#include "windows/main/form1.h"

#include "core/settings/twips.h"
#include "windows/main/note_editor.h"
#include "windows/main/status_bar.h"
#include "windows/main/toolbar.h"
#include "windows/main/total_box.h"
#include "windows/main/tray_behaviour.h"

#include <QAction>
#include <QMenuBar>

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

int Form1::pixels(double twips) const
{
    return Twips::forDpi(logicalDpiY()).toPixels(twips);
}

double Form1::toTwips(int pixelCount) const
{
    return Twips::forDpi(logicalDpiY()).fromPixels(pixelCount);
}

void Form1::Form_Resize()
{
    const bool toolbarShown = !m_toolbar->isHidden();
    const bool totalsAtTop = m_context.variant == LayoutVariant::TotalAtTop;
    const double clientWidth = toTwips(m_surface->width());
    const double clientHeight = toTwips(m_surface->height());
    const double windowWidth = clientWidth + designFrameWidth;
    const double windowHeight = clientHeight + designFrameHeight;
    const int surfaceWidth = m_surface->width();

    // The docked bands: toolbar at the top, status bar at the very bottom,
    // the totals band above it (or, with the total at the top, below the
    // toolbar, and the second band above the status bar).
    const int toolbarHeight = toolbarShown ? pixels(Toolbar::heightTwips) : 0;
    const int statusHeight = pixels(StatusBar::heightTwips);
    const int bandPx = pixels(bandHeight);
    m_toolbar->setGeometry(0, 0, surfaceWidth, pixels(Toolbar::heightTwips));
    m_status->setGeometry(0, m_surface->height() - statusHeight, surfaceWidth, statusHeight);
    if (totalsAtTop) {
        m_picture1->setGeometry(0, toolbarHeight, surfaceWidth, bandPx);
        m_picture2->setGeometry(0, m_surface->height() - statusHeight - bandPx, surfaceWidth, bandPx);
    } else {
        m_picture1->setGeometry(0, m_surface->height() - statusHeight - bandPx, surfaceWidth, bandPx);
    }

    const double statusTwips = StatusBar::heightTwips;
    const double text2Height = toTwips(m_text2->height());
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
    for (NoteEditor *editor : {m_text1, m_editor2}) {
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
        m_text2->resize(pixels(totalWidth), m_text2->height());
        m_text3->resize(pixels(totalWidth), m_text3->height());
    }
    if (!totalsAtTop)
        m_text3->move(pixels(totalWidth + 50), 0);

    m_status->placeSizeGrip();
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
        // A minimised window goes to the tray where there is one.
        if (isMinimized())
            m_tray->windowMinimised();
    }
}

void Form1::showEditor(NoteEditor *shown, NoteEditor *hidden)
{
    // Only an editor that was hidden needs the note copied into it.
    if (shown != visibleEditor())
        syncHiddenEditor();
    hidden->hide();
    shown->show();
    shown->setFocus();
}

void Form1::VerticaleOrizzonateX_Click()
{
    showEditor(m_text1, m_editor2);
    action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(true);
    action(QStringLiteral("SoloVerticaleX"))->setChecked(false);
    Form_Resize();
}

void Form1::SoloVerticaleX_Click()
{
    showEditor(m_editor2, m_text1);
    action(QStringLiteral("SoloVerticaleX"))->setChecked(true);
    action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(false);
    Form_Resize();
}

void Form1::MostraStrumentiX_Click()
{
    // The command inverts the check mark and the toolbar follows it; start-up
    // relies on that inversion when it restores the setting.
    QAction *item = action(QStringLiteral("MostraStrumentiX"));
    item->setChecked(!item->isChecked());
    showToolbarAsChecked();
}

void Form1::showToolbarAsChecked()
{
    m_toolbar->setVisible(action(QStringLiteral("MostraStrumentiX"))->isChecked());
    Form_Resize();
}

void Form1::tool_Click(int index)
{
    static const char *const commands[Toolbar::toolCount]
        = {"New_Calc", "Load_Calc", "SaveX", "InserisciScriptX", "EseguiScriptX", "AnnullaX", "RipetiX", "TagliaX",
            "CopiaX", "IncollaX", "TrovaSostituisciX", "CalcolatriceX", "AiutoX"};
    if (index < 0 || index >= Toolbar::toolCount)
        return;
    // Every button first closes the calculator, which saves its history.
    closeCalculator();
    if (QAction *command = action(QString::fromLatin1(commands[index])))
        command->trigger();
}

void Form1::AumentaTestoX_Click()
{
    m_text1->setFontPointSize(m_text1->fontPointSize() + 1);
    m_editor2->setFontPointSize(m_editor2->fontPointSize() + 1);
}

void Form1::DiminuisciTestoX_Click()
{
    m_text1->setFontPointSize(m_text1->fontPointSize() - 1);
    m_editor2->setFontPointSize(m_editor2->fontPointSize() - 1);
}

void Form1::NormalizzaTestoX_Click()
{
    m_text1->setFontPointSize(normalTextSize);
    m_editor2->setFontPointSize(normalTextSize);
}

} // namespace tabulo
