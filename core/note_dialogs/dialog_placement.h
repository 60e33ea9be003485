#pragma once

#include "core/settings/twips.h"

#include <QMargins>
#include <QRect>

namespace tabulo {

// Where the main window stands when a note dialog opens, in pixels.
struct HostPlacement
{
    QRect frame; // the main window's outer rectangle, frame included
    bool maximized = false;
    QMargins frameMargins; // the window manager's frame around a window's inside
    QRect screen; // the whole screen the main window is on
    QRect available; // that screen less its panels
};

// The outer rectangle of a note dialog, in pixels. Beside a normal main
// window the dialog takes its size and stands 400 twips to the right of it
// and 400 below. Over a maximised one it is 9600 by 7200 twips, a third of
// its own inside width in from the screen's left edge and a third of its
// inside height down from the top. Either way all of it is then brought
// onto the available screen area, shrunk if need be.
QRect noteDialogFrame(const HostPlacement &host, Twips twips);

} // namespace tabulo
