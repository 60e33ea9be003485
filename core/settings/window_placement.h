#pragma once

#include <QRect>
#include <QString>

#include <optional>

#include "core/settings/twips.h"

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
    // The record of this placement; a value left unset is written as 0.
    QString format() const;

    bool operator==(const WindowPlacement &) const = default;
};

// Outer position and size in twips, in the order of the placement record.
struct TwipsRect
{
    double top = 0, left = 0, width = 0, height = 0;
};

// A placement read at start-up and the outer rectangle, in pixels, that it
// put the window at.
struct RestoredPlacement
{
    TwipsRect stored;
    QRect frame;
};

// The placement recorded at quit for a window whose outer rectangle is
// `frame`. A window still where the stored record put it keeps that record's
// own numbers rather than their rounding to whole pixels, so a file such as
// 3000,2000,... is left as it was by a run that did not move the window.
WindowPlacement placementAtQuit(
    const QRect &frame, int state, Twips scale, const std::optional<RestoredPlacement> &restored);

// Moves and shrinks a window rectangle so that all of it lies in the
// available screen area: settings files with absurd numbers must never put
// the window where it cannot be seen.
QRect fitOnScreen(QRect wanted, const QRect &available, QSize minimum = {200, 120});

} // namespace tabulo
