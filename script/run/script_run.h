#pragma once

#include "core/language/problem_texts.h"
#include "script/objects/echo_object.h"
#include "vbs/engine.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tabulo {

// One run of a note's script: a fresh interpreter with the ten objects the
// program hands to scripts, in this order: "Tabulo", "Text", "TotX", "TotY"
// (the main window's, bound by the caller), then the run's own "Echo",
// "ListBox", "ListBoxSort", "VbDrive", "VbDir", "VbFiles". The script runs
// for at most ten seconds.
class ScriptRun
{
public:
    struct WindowObjects
    {
        std::shared_ptr<vbs::Object> tabulo, text, totX, totY;
    };

    static constexpr int timeLimitMilliseconds = 10000;

    // `startFolder` is where "VbDir" and "VbFiles" begin (the note's folder).
    // `dialogs` show the script's MsgBox and InputBox; without them MsgBox
    // answers OK and InputBox its default at once.
    ScriptRun(const QLocale &locale, WindowObjects window, const QString &startFolder, vbs::UiCallbacks dialogs = {});

    struct Outcome
    {
        QString output; // what the script wrote to "Echo", up to the error if any
        std::optional<vbs::ScriptError> error;
    };
    // Runs the script. `interruptCheck` is called now and then while it runs
    // (the window paints there); answering true stops the script.
    Outcome run(const QString &script, std::function<bool()> interruptCheck = {});

private:
    vbs::Engine m_engine;
    std::shared_ptr<EchoObject> m_echo;
};

// The output window's text for an outcome: the script's output, then, when
// it did not end by itself, a line that says why in the user's language.
// A script error is named by its number, line, column and description; a
// run stopped with Esc or for running too long is told as a plain
// sentence, since its number means nothing to the user.
QString outputWithError(const ScriptRun::Outcome &outcome, const LanguageTextLookup &text);

// The description of a script error in the user's language: the language's
// text for the error's number, unless the script gave a description of its
// own (Err.Raise with a text), which is shown as the script wrote it.
QString scriptErrorDescription(const vbs::ScriptError &error, const LanguageTextLookup &text);

} // namespace tabulo
