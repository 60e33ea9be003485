#pragma once

#include <vector>

namespace tabulo {

// A script's MsgBox as its flags ask for it: which buttons, in which order,
// which one is the default and which icon. The buttons are given by the value
// MsgBox returns when one is pressed: vbOK 1, vbCancel 2, vbAbort 3, vbRetry 4,
// vbIgnore 5, vbYes 6, vbNo 7.
struct ScriptMessageLayout
{
    enum class Icon { None, Critical, Question, Exclamation, Information };
    std::vector<int> buttons;
    int defaultButton = 1; // one of `buttons`
    Icon icon = Icon::None;
    // What Esc and the close box answer: Cancel where there is one, OK when
    // it is the only button, nothing (the box stays) otherwise.
    int escapeButton = 0;
};

// The flags as MsgBox takes them: buttons (0-5) + icon (16, 32, 48, 64) +
// default button (0, 256, 512, 768). Flags it does not know are ignored; a
// default past the last button is the first.
ScriptMessageLayout scriptMessageLayout(int flags);

} // namespace tabulo
