#include "app/tabulo-vbs/stop_signals.h"

#include <csignal>
#include <cstdlib>

#ifndef _WIN32
#include <signal.h>
#include <time.h>
#endif

namespace tabulo::vbs {
namespace {

volatile std::sig_atomic_t g_stopSignal = 0;

#ifndef _WIN32
// `timeout` and a terminal's Ctrl+C send the signal to the script's process and
// to its whole group, so one request can arrive twice within a moment. Only a
// signal that comes later than this after the first one is a second request.
constexpr long sameRequestNanoseconds = 500L * 1000 * 1000;
volatile long g_firstSeconds = 0;
volatile long g_firstNanoseconds = 0;

long nanosecondsSinceFirst(const timespec &now)
{
    return (now.tv_sec - g_firstSeconds) * 1000L * 1000 * 1000 + (now.tv_nsec - g_firstNanoseconds);
}
#endif

extern "C" void rememberStopSignal(int signal)
{
#ifdef _WIN32
    g_stopSignal = signal;
#else
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now); // safe in a signal handler
    if (g_stopSignal == 0) {
        g_firstSeconds = now.tv_sec;
        g_firstNanoseconds = now.tv_nsec;
        g_stopSignal = signal;
        return;
    }
    if (nanosecondsSinceFirst(now) < sameRequestNanoseconds)
        return;
    // Asked again: the script is stuck where it cannot stop, so it ends now.
    struct sigaction fallBack = {};
    fallBack.sa_handler = SIG_DFL;
    sigemptyset(&fallBack.sa_mask);
    sigaction(signal, &fallBack, nullptr);
    raise(signal);
#endif
}

void catchOnce(int signal)
{
#ifdef _WIN32
    std::signal(signal, rememberStopSignal); // the C library's handlers last for one signal
#else
    struct sigaction action = {};
    action.sa_handler = rememberStopSignal;
    sigemptyset(&action.sa_mask);
    // One handler at a time, so the time of the first request is written whole.
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    // No SA_RESTART: a script waiting on standard input gets the end of its input
    // and reaches the next stop check.
    action.sa_flags = 0;
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
