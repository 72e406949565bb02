// signals.cpp - the ending signals caught and recorded (see signals.h).
#include "editor/signals.h"

#include <csignal>
#include <cstring>
#include <unistd.h>

#ifndef _WIN32

namespace {

// The signal caught first, or 0. The one piece of state outside the editor's
// struct: a signal handler can reach nothing else, and may only store into a
// volatile sig_atomic_t.
volatile std::sig_atomic_t caught = 0;

void record_signal(int sig) {
    if (caught == 0) caught = sig;
}

bool real_time(int sig) {
    return sig >= SIGRTMIN && sig <= SIGRTMAX;
}

} // namespace

const ending_signal ending_signals[] = {
    {SIGHUP, "SIGHUP", false},       {SIGINT, "SIGINT", false},       {SIGQUIT, "SIGQUIT", true},
    {SIGTERM, "SIGTERM", false},     {SIGUSR1, "SIGUSR1", false},     {SIGUSR2, "SIGUSR2", false},
    {SIGALRM, "SIGALRM", false},     {SIGVTALRM, "SIGVTALRM", false}, {SIGPROF, "SIGPROF", false},
    {SIGXCPU, "SIGXCPU", true},      {SIGXFSZ, "SIGXFSZ", true},      {SIGIO, "SIGIO", false},
#ifdef SIGPWR
    {SIGPWR, "SIGPWR", false},
#endif
#ifdef SIGSTKFLT
    {SIGSTKFLT, "SIGSTKFLT", false},
#endif
};
const int ending_signal_count = sizeof ending_signals / sizeof ending_signals[0];

void catch_ending_signals() {
    caught                  = 0;
    struct sigaction action = {};
    action.sa_handler       = record_signal;
    action.sa_flags         = SA_RESTART; // the system calls of SDL and Xlib go on
    sigfillset(&action.sa_mask);          // one handler at a time
    // A signal ignored when the program starts stays ignored: nohup's SIGHUP,
    // a background job's SIGINT and SIGQUIT.
    auto catch_it = [&](int sig) {
        struct sigaction was = {};
        if (sigaction(sig, nullptr, &was) == 0 && was.sa_handler != SIG_IGN) sigaction(sig, &action, nullptr);
    };
    for (const ending_signal& s : ending_signals) catch_it(s.number);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; sig++) catch_it(sig);
    std::signal(SIGPIPE, SIG_IGN);
}

int caught_signal() {
    return caught;
}

std::string signal_name(int sig) {
    std::string name = "signal " + std::to_string(sig);
    for (const ending_signal& s : ending_signals)
        if (s.number == sig) name = s.name;
    if (real_time(sig)) name = "SIGRTMIN+" + std::to_string(sig - SIGRTMIN);
    return name + " (" + strsignal(sig) + ")";
}

void end_as_signalled(int sig) {
    bool core = false;
    for (const ending_signal& s : ending_signals) core = core || (s.number == sig && s.dumps_core);
    if (!core) {
        std::signal(sig, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, sig);
        sigprocmask(SIG_UNBLOCK, &only, nullptr);
        std::raise(sig);
    }
    _exit(128 + sig); // as the signal would: without the exit's handlers
}

#else // Windows

void catch_ending_signals() {}

int caught_signal() {
    return 0;
}

std::string signal_name(int sig) {
    return "signal " + std::to_string(sig);
}

void end_as_signalled(int sig) {
    _exit(128 + sig);
}

#endif
