// ending.h - how a run ends: asked for by the user (Escape, the window's close
// button), or from outside - a signal (editor/signals.h), the window destroyed
// or the display's connection lost (editor/display_guard.h). Every way keeps
// the changes not saved as a quit does (editor/unsaved.h); one from outside
// also says why, in one line on standard error, and gives a status that is
// not 0.
//
//   poll: notice_signal(ed.run); notice_window_event(ed.run, e);  // in every drain
//   after the loops and teardown: return finish_run(ed);
#pragma once

#include "editor/state.h"

// Ends the run from outside: running cleared, and one line saying why -
// "hudwright: ended by SIGHUP (Hangup)". The first reason stands.
void end_run(run_state& run, run_end why, int sig = 0);
// A signal caught since the program started ends the run.
void notice_signal(run_state& run);
// An SDL_SYSWMEVENT telling that the editor's window was destroyed ends it.
void notice_window_event(run_state& run, const SDL_Event& e);

// After the run and its teardown: keeps the changes not saved, then hands the
// copied codes to a clipboard manager (editor/clipboard.h: a short, bounded
// wait), and returns the exit status - 0 for a quit the user asked for, 1
// when the window ended it or when the changes could be written nowhere. A
// run a signal ended ends here as the signal would have (signals.h). (The
// display lost ends the program at once, from Xlib's handler:
// editor/display_guard.h.)
int finish_run(editor& ed);
