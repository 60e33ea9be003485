#include "core/note_dialogs/dialog_placement.h"

#include "core/settings/window_placement.h"

namespace tabulo {

QRect noteDialogFrame(const HostPlacement &host, Twips twips)
{
    QRect frame;
    if (!host.maximized) {
        const int offset = twips.toPixels(400);
        frame = host.frame.translated(offset, offset);
    } else {
        const int width = twips.toPixels(9600);
        const int height = twips.toPixels(7200);
        const int insideWidth = width - host.frameMargins.left() - host.frameMargins.right();
        const int insideHeight = height - host.frameMargins.top() - host.frameMargins.bottom();
        frame = QRect(host.screen.left() + insideWidth / 3, host.screen.top() + insideHeight / 3, width, height);
    }
    return fitOnScreen(frame, host.available, QSize(320, 240));
}

} // namespace tabulo
