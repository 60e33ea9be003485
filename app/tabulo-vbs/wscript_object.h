#pragma once
// The WScript object of the command-line host: Echo, StdOut, StdErr, StdIn,
// Arguments, Quit, ScriptName. The golden-script tests use it too, with the output
// captured instead of printed.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "vbs/locale.h"
#include "vbs/object.h"

namespace tabulo::vbs {

struct ConsoleIo
{
    std::function<void(std::u16string_view)> writeOut; // text as it is, no line end added
    std::function<void(std::u16string_view)> writeErr;
    std::function<std::optional<std::u16string>()> readLine; // nothing at the end of input
    // Whether the host has been asked to stop (a signal): WScript.Sleep ends the
    // script then instead of sleeping on. May be left empty.
    std::function<bool()> stopRequested;
};

class WScriptObject final : public Object
{
public:
    WScriptObject(const Locale &locale, ConsoleIo io, std::u16string scriptPath, std::vector<std::u16string> arguments);

    std::u16string typeName() const override { return u"Object"; }
    Value invoke(std::u16string_view name, Args args) override;

    // Set by WScript.Quit.
    bool quitRequested() const { return m_quit; }
    int exitCode() const { return m_exitCode; }

private:
    const Locale &m_locale;
    ConsoleIo m_io;
    std::u16string m_scriptPath;
    std::shared_ptr<Object> m_stdOut, m_stdErr, m_stdIn, m_arguments;
    bool m_quit = false;
    int m_exitCode = 0;
};

} // namespace tabulo::vbs
