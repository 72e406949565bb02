// signals.h - the signals that end a program unless it catches them, caught so
// that the run ends as a quit does - the changes not saved kept, one line
// saying why - and not at once with the work lost.
//
// Caught: the rows of ending_signals (SIGHUP when the terminal closes or the
// session ends, SIGINT, SIGQUIT, SIGTERM, SIGUSR1 and so on) and every
// real-time signal - unless ignored already when the program starts (nohup's
// SIGHUP, a background job's SIGINT and SIGQUIT), which stay ignored. SIGPIPE
// is ignored: a write to a pipe nobody reads then fails with its reason. Left
// alone: the signals of a crash (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT,
// SIGTRAP, SIGSYS), where nothing in memory can be trusted, and those that
// stop the program or are ignored anyway.
//
// The handler only records the signal; the loops of the start-up screens and
// of the editor ask caught_signal() at every drain of events (editor/ending.h).
// On Windows nothing is caught: a program without a console gets its window's
// close and the session's end as SDL_QUIT.
#pragma once

#include <string>

struct ending_signal {
    int number;
    const char* name;
    bool dumps_core; // its own action would leave a core dump
};
#ifndef _WIN32
extern const ending_signal ending_signals[];
extern const int ending_signal_count; // the real-time ones come on top
#endif

// Installs the handlers, and forgets a signal caught before. Called before
// SDL starts, SDL then leaves these signals alone (it sets its own for SIGINT
// and SIGTERM, and SDL 1.2 for SIGQUIT, only where the action is the default).
void catch_ending_signals();
// The first signal caught since, or 0.
int caught_signal();
// "SIGHUP (Hangup)", "SIGRTMIN+3 (Real-time signal 3)".
std::string signal_name(int sig);
// Ends the program as the signal would have ended it, now that the work is
// kept: its own action, so that a shell sees 128 + N and a script's loop stops
// on Ctrl+C - but for the signals that would leave a core dump, which end it
// with status 128 + N instead: this is no crash.
[[noreturn]] void end_as_signalled(int sig);
