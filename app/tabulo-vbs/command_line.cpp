#include "app/tabulo-vbs/command_line.h"

#include <charconv>

namespace tabulo::vbs {
namespace {

// A whole number of milliseconds, nothing before or after it.
bool readMilliseconds(const std::string &text, int &out)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && out >= 0;
}

CommandLine refuse(std::string problem)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = std::move(problem);
    return line;
}

} // namespace

CommandLine parseCommandLine(int argc, const char *const *argv)
{
    CommandLine line;
    int next = 1;
    for (; next < argc; ++next) {
        const std::string arg = argv[next];
        if (arg == "--") {
            ++next;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-')
            break;
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::ShowHelp;
            return line;
        }
        if (arg == "--version") {
            line.action = CommandLine::Action::ShowVersion;
            return line;
        }
        const std::string timeoutOption = "--timeout=";
        if (arg.rfind(timeoutOption, 0) == 0) {
            if (!readMilliseconds(arg.substr(timeoutOption.size()), line.timeoutMs))
                return refuse("the time limit must be a number of milliseconds: " + arg);
            continue;
        }
        return refuse("unknown option " + arg);
    }
    if (next >= argc)
        return refuse("no script file given");
    line.scriptPath = argv[next];
    line.scriptArguments.assign(argv + next + 1, argv + argc);
    return line;
}

std::string usageLine()
{
    return "usage: tabulo-vbs [OPTIONS] FILE.vbs [ARGUMENTS...]\n";
}

std::string usageText()
{
    return usageLine()
        + "Runs a VBScript file; the script reaches its arguments as WScript.Arguments.\n"
          "\n"
          "  --timeout=MILLISECONDS  end the script with an error after this long\n"
          "                          (default: no limit)\n"
          "  --help                  show this help\n"
          "  --version               show the version\n"
          "\n"
          "Options come before the file: what follows it goes to the script.\n"
          "Exit status: what WScript.Quit gives, 1 when the script fails, 2 for a bad\n"
          "command line.\n";
}

} // namespace tabulo::vbs
