#pragma once
// The dialogs a script can open (MsgBox, InputBox). The host shows real dialogs;
// tests and the command-line host answer them from a script or the console.
#include <functional>
#include <optional>
#include <string>

namespace tabulo::vbs {

struct MessageBoxRequest
{
    std::u16string prompt;
    int buttons = 0; // vbOKOnly + icon + default button flags, as MsgBox got them
    std::u16string title;
};

struct InputBoxRequest
{
    std::u16string prompt;
    std::u16string title;
    std::u16string defaultText;
};

struct UiCallbacks
{
    // Returns the button pressed: vbOK 1, vbCancel 2, vbAbort 3, vbRetry 4, vbIgnore 5,
    // vbYes 6, vbNo 7. Without a callback MsgBox returns vbOK at once.
    std::function<int(const MessageBoxRequest &)> messageBox;
    // Returns the text typed, or nothing when the user cancelled (InputBox then gives "").
    // Without a callback InputBox returns its default text.
    std::function<std::optional<std::u16string>(const InputBoxRequest &)> inputBox;
};

} // namespace tabulo::vbs
