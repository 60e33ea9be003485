// tabulo-vbs [OPTIONS] FILE.vbs [ARGS...]: runs a VBScript file with the program's interpreter,
// the way a console script host does.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/tabulo-vbs/command_line.h"
#include "app/tabulo-vbs/script_text.h"
#include "app/tabulo-vbs/stop_signals.h"
#include "app/tabulo-vbs/system_locale.h"
#include "app/tabulo-vbs/wscript_object.h"
#include "vbs/convert.h"
#include "vbs/engine.h"
#include "vbs/error.h"

using namespace tabulo::vbs;

namespace {

void write(std::FILE *stream, std::u16string_view text)
{
    std::string bytes = toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

std::optional<std::u16string> readLine()
{
    std::fflush(stdout); // a prompt written just before shows first
    std::string line;
    if (!std::getline(std::cin, line)) {
        // A stop signal ends the wait: the script ends here, not on an empty line.
        if (stopSignal())
            raise(err::Stopped);
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return fromUtf8(line);
}

bool isTerminal(std::FILE *stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream));
#else
    return isatty(fileno(stream));
#endif
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine command = parseCommandLine(argc, argv);
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(usageText().c_str(), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::puts("tabulo-vbs " TABULO_VERSION);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "tabulo-vbs: %s\n%sTry 'tabulo-vbs --help' for more.\n", command.problem.c_str(),
            usageLine().c_str());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    catchStopSignals();
    const std::string &path = command.scriptPath;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "tabulo-vbs: cannot read %s\n", path.c_str());
        return 1;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        std::fprintf(stderr, "tabulo-vbs: cannot read %s\n", path.c_str());
        return 1;
    }

    // Someone watching sees each line as it is echoed; into a file or a pipe the
    // output is buffered, and a stop signal still lets it out (stop_signals.h).
    if (isTerminal(stdout))
        std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);

    Engine engine(systemLocale());
    engine.SetTimeout(command.timeoutMs);
    engine.SetInterruptCheck([] { return stopSignal() != 0; });
    std::vector<std::u16string> arguments;
    for (const std::string &argument : command.scriptArguments)
        arguments.push_back(fromUtf8(argument));
    ConsoleIo io {[](std::u16string_view t) { write(stdout, t); }, [](std::u16string_view t) { write(stderr, t); },
        readLine, [] { return stopSignal() != 0; }};
    auto wscript = std::make_shared<WScriptObject>(engine.locale(), io, fromUtf8(path), std::move(arguments));
    engine.AddObject(u"WScript", wscript);

    UiCallbacks ui;
    ui.messageBox = [](const MessageBoxRequest &request) {
        write(stdout, request.prompt + u"\n");
        return 1; // OK
    };
    ui.inputBox = [](const InputBoxRequest &request) -> std::optional<std::u16string> {
        write(stdout, request.prompt + u" ");
        auto line = readLine();
        return line ? line : std::optional<std::u16string>();
    };
    engine.SetUiCallbacks(ui);

    Result result = engine.AddCode(decodeScriptText(bytes));
    std::fflush(stdout);
    if (const int signal = stopSignal())
        endBySignal(signal);
    if (wscript->quitRequested())
        return wscript->exitCode();
    if (!result) {
        const ScriptError &e = result.error;
        write(stderr,
            fromUtf8(path) + u"(" + toText(e.line) + u", " + toText(e.column) + u") " + e.source + u": " + e.description
                + u"\n");
        return 1;
    }
    return 0;
}
