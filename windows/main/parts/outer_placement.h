#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace tabulo {

// Puts a top-level window so that its outer rectangle, the frame drawn by the
// window manager included, is `outer`; then runs `placed`.
//
// A window manager frames a window only after show() has returned, when it
// maps it. Until then the frame is unknown (frameGeometry() equals
// geometry()), and a client sized to the stored outer size grows by one
// frame on every start while its frame lands above and left of the stored
// corner. So a window that is not on screen yet is placed at its first
// exposure, by which time it has been framed; without a window manager the
// frame is empty and the outer rectangle is the window itself.
//
// A later call replaces a placement still waiting for the exposure.
void placeOuterGeometry(QWidget *window, const QRect &outer, std::function<void()> placed = {});

// The outer rectangle of a top-level window as the window system has it
// now. QWidget::frameGeometry() keeps the frame it last saw, which is none
// after the window has been hidden and shown again until it next moves.
QRect currentOuterGeometry(const QWidget *window);

} // namespace tabulo
