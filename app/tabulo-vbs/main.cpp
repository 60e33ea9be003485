// tabulo-vbs FILE.vbs [ARGS...]: runs a VBScript file with the program's interpreter,
// the way a console script host does.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/tabulo-vbs/script_text.h"
#include "app/tabulo-vbs/system_locale.h"
#include "vbs/convert.h"
#include "vbs/engine.h"
#include "app/tabulo-vbs/wscript_object.h"

using namespace tabulo::vbs;

namespace {

void write(std::FILE *stream, std::u16string_view text)
{
    std::string bytes = toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

std::optional<std::u16string> readLine()
{
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return fromUtf8(line);
}

int usage()
{
    std::fprintf(stderr, "usage: tabulo-vbs [--timeout=MILLISECONDS] FILE.vbs [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int timeout = 0; // a console script runs as long as it needs unless told otherwise
    int first = 1;
    for (; first < argc; ++first) {
        std::string arg = argv[first];
        if (arg.rfind("--timeout=", 0) == 0)
            timeout = std::atoi(arg.c_str() + 10);
        else if (arg == "--help" || arg == "-h")
            return usage();
        else
            break;
    }
    if (first >= argc)
        return usage();
    const std::string path = argv[first];
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

    Engine engine(systemLocale());
    engine.SetTimeout(timeout);
    std::vector<std::u16string> arguments;
    for (int i = first + 1; i < argc; ++i)
        arguments.push_back(fromUtf8(argv[i]));
    ConsoleIo io {
        [](std::u16string_view t) { write(stdout, t); }, [](std::u16string_view t) { write(stderr, t); }, readLine};
    auto wscript = std::make_shared<WScriptObject>(engine.locale(), io, fromUtf8(path), std::move(arguments));
    engine.AddObject(u"WScript", wscript);

    UiCallbacks ui;
    ui.messageBox = [](const MessageBoxRequest &request) {
        write(stdout, request.prompt + u"\n");
        return 1; // OK
    };
    ui.inputBox = [](const InputBoxRequest &request) -> std::optional<std::u16string> {
        write(stdout, request.prompt + u" ");
        std::fflush(stdout);
        auto line = readLine();
        return line ? line : std::optional<std::u16string>();
    };
    engine.SetUiCallbacks(ui);

    Result result = engine.AddCode(decodeScriptText(bytes));
    std::fflush(stdout);
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
