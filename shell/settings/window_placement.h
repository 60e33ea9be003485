#pragma once

#include <QRect>
#include <QString>

#include <optional>

#include "twips.h"

namespace tabulo {

// The window placement file ("TabuloStart.ini"): one record Top, Left,
// Width, Height (outer position and size in twips) and WindowState
// (0 normal, 1 minimised, 2 maximised).
struct WindowPlacement
{
    std::optional<double> top, left, width, height;
    std::optional<int> state; // only 0, 1 or 2 are taken

    // Reads every record of the file's text; a later record overrides an
    // earlier one field by field, and a field that is not a number leaves
    // that value unset.
    static WindowPlacement parse(QStringView fileText);
    static QString format(double top, double left, double width, double height, int state);
};

// Moves and shrinks a window rectangle so that all of it lies in the
// available screen area: settings files with absurd numbers must never put
// the window where it cannot be seen.
QRect fitOnScreen(QRect wanted, const QRect &available, QSize minimum = {200, 120});

} // namespace tabulo
