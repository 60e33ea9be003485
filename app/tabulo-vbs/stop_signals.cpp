#include "app/tabulo-vbs/stop_signals.h"

#include <csignal>
#include <cstdlib>

#ifndef _WIN32
#include <signal.h>
#endif

namespace tabulo::vbs {
namespace {

volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void rememberStopSignal(int signal)
{
    g_stopSignal = signal;
}

void catchOnce(int signal)
{
#ifdef _WIN32
    std::signal(signal, rememberStopSignal); // the C library's handlers last for one signal
#else
    struct sigaction action = {};
    action.sa_handler = rememberStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a script waiting on standard input gets the end of its input
    // and reaches the next stop check. SA_RESETHAND: a second signal is not caught.
    action.sa_flags = SA_RESETHAND;
    sigaction(signal, &action, nullptr);
#endif
}

} // namespace

void catchStopSignals()
{
    catchOnce(SIGINT);
    catchOnce(SIGTERM);
}

int stopSignal()
{
    return g_stopSignal;
}

void endBySignal(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal); // not reached unless the signal is blocked
}

} // namespace tabulo::vbs
