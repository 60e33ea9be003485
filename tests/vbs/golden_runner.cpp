// Runs golden scripts: each .vbs file holds its expected output inline.
//
//   ' expect: TEXT                     the next output line
//   ' expect runtime error: TEXT       the run ends with this run-time error, raised on
//                                      the line the comment ends, or on its own line, on
//                                      the nearest line of code above it
//   ' expect syntax error: TEXT        the script does not compile
//   ' locale: italian                  run in the comma locale (default: English)
//   ' timeout: MILLISECONDS            the engine's time limit (default: 10000)
//   ' msgbox answer: N                 what the next MsgBox returns (default 1)
//   ' inputbox answer: TEXT            what the next InputBox returns ("<cancel>": cancelled)
//
// Usage: vbs_golden PATH...   (files or folders, searched recursively)
#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "app/tabulo-vbs/script_text.h"
#include "app/tabulo-vbs/wscript_object.h"
#include "vbs/engine.h"

using namespace tabulo::vbs;
namespace fs = std::filesystem;

namespace {

struct Expectations
{
    std::vector<std::string> output;
    std::string runtimeError;
    int runtimeErrorLine = 0;
    std::string syntaxError;
    std::string locale = "english";
    int timeout = 10000;
    std::deque<int> msgboxAnswers;
    std::deque<std::string> inputboxAnswers;
};

std::string trim(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

bool directive(const std::string &line, const std::string &key, std::string &value)
{
    std::size_t at = line.find("' " + key + ":");
    if (at == std::string::npos)
        return false;
    value = line.substr(at + key.size() + 3);
    if (!value.empty() && value[0] == ' ')
        value.erase(0, 1);
    value = trim(value);
    return true;
}

// Whether a line holds a statement, not only blanks or a comment.
bool holdsCode(const std::string &line)
{
    std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '\'')
        return false;
    std::string word = line.substr(first, 4);
    for (char &c : word)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return !(word == "rem" || word == "rem " || word == "rem\t" || word == "rem\r");
}

Expectations readExpectations(const std::string &source)
{
    Expectations e;
    std::size_t start = 0;
    int lineNumber = 0;
    int lastCodeLine = 0;
    while (start <= source.size()) {
        std::size_t end = source.find('\n', start);
        std::string line = source.substr(start, end == std::string::npos ? std::string::npos : end - start);
        ++lineNumber;
        if (holdsCode(line))
            lastCodeLine = lineNumber;
        std::string value;
        if (directive(line, "expect", value))
            e.output.push_back(value);
        else if (directive(line, "expect runtime error", value)) {
            e.runtimeError = value;
            e.runtimeErrorLine = lastCodeLine;
        } else if (directive(line, "expect syntax error", value))
            e.syntaxError = value;
        else if (directive(line, "locale", value))
            e.locale = value;
        else if (directive(line, "timeout", value))
            e.timeout = std::stoi(value);
        else if (directive(line, "msgbox answer", value))
            e.msgboxAnswers.push_back(std::stoi(value));
        else if (directive(line, "inputbox answer", value))
            e.inputboxAnswers.push_back(value);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return e;
}

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool runFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Expectations expected = readExpectations(bytes);

    Engine engine(expected.locale == "italian" ? Locale::italian() : Locale::english());
    engine.SetTimeout(expected.timeout);
    std::string output;
    ConsoleIo io {[&](std::u16string_view t) { output += toUtf8(t); },
        [&](std::u16string_view t) { output += toUtf8(t); }, [] { return std::optional<std::u16string>(); }};
    auto wscript
        = std::make_shared<WScriptObject>(engine.locale(), io, fromUtf8(path.string()), std::vector<std::u16string> {});
    engine.AddObject(u"WScript", wscript);
    UiCallbacks ui;
    ui.messageBox = [&](const MessageBoxRequest &r) {
        output += "[MsgBox] " + toUtf8(r.prompt) + "\n";
        int answer = expected.msgboxAnswers.empty() ? 1 : expected.msgboxAnswers.front();
        if (!expected.msgboxAnswers.empty())
            expected.msgboxAnswers.pop_front();
        return answer;
    };
    ui.inputBox = [&](const InputBoxRequest &r) -> std::optional<std::u16string> {
        output += "[InputBox] " + toUtf8(r.prompt) + "\n";
        if (expected.inputboxAnswers.empty())
            return fromUtf8("");
        std::string answer = expected.inputboxAnswers.front();
        expected.inputboxAnswers.pop_front();
        if (answer == "<cancel>")
            return std::nullopt;
        return fromUtf8(answer);
    };
    engine.SetUiCallbacks(ui);

    Result result = engine.AddCode(decodeScriptText(bytes));
    if (wscript->quitRequested())
        result = Result {}; // WScript.Quit ends a script normally
    // Objects still alive say goodbye (Class_Terminate) now, while the output is captured.
    engine.Reset();

    std::vector<std::string> failures;
    std::vector<std::string> actual = splitLines(output);
    for (std::size_t i = 0; i < std::max(actual.size(), expected.output.size()); ++i) {
        std::string want = i < expected.output.size() ? expected.output[i] : "<nothing>";
        std::string got = i < actual.size() ? trim(actual[i]) : "<nothing>";
        if (want != got) {
            failures.push_back(
                "output line " + std::to_string(i + 1) + ": expected \"" + want + "\", got \"" + got + "\"");
            break;
        }
    }
    std::string wantError = !expected.runtimeError.empty() ? expected.runtimeError : expected.syntaxError;
    if (result.ok && !wantError.empty())
        failures.push_back("expected error \"" + wantError + "\", but the script succeeded");
    if (!result.ok) {
        std::string got = toUtf8(result.error.description);
        std::string where = " (error " + std::to_string(result.error.number) + " at line "
            + std::to_string(result.error.line) + ", column " + std::to_string(result.error.column) + ")";
        if (wantError.empty())
            failures.push_back("unexpected error \"" + got + "\"" + where);
        else if (got != wantError)
            failures.push_back("expected error \"" + wantError + "\", got \"" + got + "\"" + where);
        else if (!expected.syntaxError.empty() != (result.error.source.find(u"compilation") != std::u16string::npos))
            failures.push_back("error \"" + got + "\" is of the wrong kind (syntax or run-time)" + where);
        else if (result.error.line <= 0)
            failures.push_back("error \"" + got + "\" has no line" + where);
        else if (!expected.runtimeError.empty() && result.error.line != expected.runtimeErrorLine)
            failures.push_back(
                "error \"" + got + "\" expected at line " + std::to_string(expected.runtimeErrorLine) + where);
    }
    if (failures.empty())
        return true;
    std::cout << "FAIL " << path.string() << "\n";
    for (const auto &f : failures)
        std::cout << "  " << f << "\n";
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        fs::path p = argv[i];
        if (fs::is_directory(p)) {
            for (const auto &entry : fs::recursive_directory_iterator(p))
                if (entry.path().extension() == ".vbs")
                    files.push_back(entry.path());
        } else {
            files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::cout << "no golden scripts found\n";
        return 1;
    }
    int failed = 0;
    for (const auto &f : files)
        if (!runFile(f))
            ++failed;
    std::cout << files.size() - std::size_t(failed) << " of " << files.size() << " golden scripts passed\n";
    return failed == 0 ? 0 : 1;
}
