// ending.cpp - the run ended from outside: said, kept, and the exit status.
#include "editor/ending.h"

#include "editor/clipboard.h"
#include "editor/display_guard.h"
#include "editor/signals.h"
#include "editor/unsaved.h"

#include <cstdio>

namespace {

void say_why(run_end why, int sig) {
    switch (why) {
    case end_asked: break;
    case end_signal: std::fprintf(stderr, "hudwright: ended by %s\n", signal_name(sig).c_str()); break;
    case end_window_destroyed:
        std::fprintf(stderr, "hudwright: ended: the window was destroyed from outside\n");
        break;
    case end_display_lost: break; // said by display_guard.cpp, which ends the program there
    }
}

} // namespace

void end_run(run_state& run, run_end why, int sig) {
    if (!run.running) return; // the run is ending already: the first reason stands
    run.running = false;
    run.end     = why;
    run.signal  = sig;
    say_why(why, sig);
}

void notice_signal(run_state& run) {
    if (const int sig = caught_signal()) end_run(run, end_signal, sig);
}

void notice_window_event(run_state& run, const SDL_Event& e) {
    if (window_destroyed(e)) end_run(run, end_window_destroyed);
}

int finish_run(editor& ed) {
    const bool kept = keep_unsaved_changes(ed); // the work first
    hand_over_clipboard(ed.codes.clip);
    if (ed.run.end == end_signal) end_as_signalled(ed.run.signal);
    return kept && ed.run.end == end_asked ? 0 : 1;
}
