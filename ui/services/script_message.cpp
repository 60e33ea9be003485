#include "ui/services/script_message.h"

namespace tabulo {

ScriptMessageLayout scriptMessageLayout(int flags)
{
    static const std::vector<int> buttonSets[] = {
        {1}, // vbOKOnly
        {1, 2}, // vbOKCancel
        {3, 4, 5}, // vbAbortRetryIgnore
        {6, 7, 2}, // vbYesNoCancel
        {6, 7}, // vbYesNo
        {4, 2}, // vbRetryCancel
    };
    ScriptMessageLayout layout;
    const int set = flags & 7;
    layout.buttons = buttonSets[set < 6 ? set : 0];
    const std::size_t defaultIndex = std::size_t((flags >> 8) & 3);
    layout.defaultButton = layout.buttons[defaultIndex < layout.buttons.size() ? defaultIndex : 0];
    switch (flags & 0x70) {
    case 16:
        layout.icon = ScriptMessageLayout::Icon::Critical;
        break;
    case 32:
        layout.icon = ScriptMessageLayout::Icon::Question;
        break;
    case 48:
        layout.icon = ScriptMessageLayout::Icon::Exclamation;
        break;
    case 64:
        layout.icon = ScriptMessageLayout::Icon::Information;
        break;
    default:
        break;
    }
    for (const int button : layout.buttons)
        if (button == 2)
            layout.escapeButton = 2;
    if (layout.buttons.size() == 1)
        layout.escapeButton = 1;
    return layout;
}

} // namespace tabulo
