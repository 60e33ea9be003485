#pragma once
// Ctrl+C (SIGINT) and SIGTERM, as `timeout` sends it, stop the script between two
// statements instead of killing the process outright, so the host can still write
// out what the script has echoed; then the process ends by that signal as usual.
// A second request, for a script stuck where it cannot be stopped, ends it at once;
// the same signal delivered twice within a moment (to the process and its group)
// is one request.
namespace tabulo::vbs {

void catchStopSignals();
// The signal that asked to stop, or 0.
int stopSignal();
// Ends the process by `signal`, with the exit status a shell expects of it.
[[noreturn]] void endBySignal(int signal);

} // namespace tabulo::vbs
