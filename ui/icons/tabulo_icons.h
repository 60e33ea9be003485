#pragma once

// The program's pictures, drawn with QPainter paths rather than loaded from
// image files, so they stay sharp at every device pixel ratio and the program
// ships no artwork.

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tabulo::icons {

// The toolbar's click areas, left to right.
enum ToolbarIcon : int {
    NewNote,
    OpenNote,
    SaveNote,
    InsertScript,
    RunScript,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    FindReplace,
    Calculator,
    Help,
};
constexpr int toolbarIconCount = 13;
constexpr QSize toolbarIconSize {16, 16};

// The icon at any size; pixmaps for 16, 24, 32 and 48 device pixels.
QIcon toolbarIcon(int index);
// A pixmap of logicalSize * dpr device pixels; null for an unknown index.
QPixmap toolbarIconPixmap(int index, QSize logicalSize, qreal dpr);
// Draws the icon as vectors into target (logical coordinates of painter).
void paintToolbarIcon(QPainter &painter, int index, const QRectF &target);
// Draws the icons side by side, iconSidePx square: icon i centred in the
// cell that starts at xPositionsPx[i] and spans cellWidthPx by heightPx from
// y 0. Only the icons: the toolbar's background is the window's to paint.
// Extra positions are ignored; missing ones leave their icons out.
void paintToolbarStrip(QPainter &painter, const QList<int> &xPositionsPx, int cellWidthPx, int heightPx,
    int iconSidePx = toolbarIconSize.width());

// The large buttons of the quit dialog.
enum QuitPicture : int {
    ExitProgram,
    SendToTray,
    CancelQuit,
};
constexpr int quitPictureCount = 3;
constexpr QSize quitPictureSize {48, 48};
// A 48x48 logical picture; null for an unknown index.
QPixmap quitDialogPicture(int index, qreal dpr);

// The dotted corner of the status bar, bottom-right aligned.
constexpr QSize sizeGripSize {18, 17};
QPixmap sizeGripPicture(qreal dpr);

// Window and tray icon, with a hand-tuned drawing for the small sizes.
QList<int> programIconSizes(); // 16, 24, 32, 48, 256
QPixmap programIconPixmap(int sizePx, qreal dpr = 1.0);
QIcon programIcon();
// The detailed drawing as vectors into target (logical coordinates of
// painter), for a scalable icon: no pixel grid to fit, so no small drawing.
void paintProgramIcon(QPainter &painter, const QRectF &target);

} // namespace tabulo::icons
