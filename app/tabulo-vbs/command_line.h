#pragma once
// tabulo-vbs [OPTIONS] FILE.vbs [ARGUMENTS...]: options come before the file, so
// everything after it, "--help" included, belongs to the script.
#include <string>
#include <vector>

namespace tabulo::vbs {

struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    int timeoutMs = 0; // a console script runs as long as it needs unless told otherwise
    std::string scriptPath;
    std::vector<std::string> scriptArguments;
    std::string problem; // Refuse: what was wrong, for the message
};

CommandLine parseCommandLine(int argc, const char *const *argv);

// The help text (--help), and its first line alone; each ends with a line end.
std::string usageText();
std::string usageLine();

} // namespace tabulo::vbs
