// display_guard.h - the window and its display ending under the editor. Left
// to Xlib, a window destroyed from outside (xdotool windowclose, a window
// manager that takes its windows down with it) ends the program at its next
// drawing ("X Error of failed request: BadDrawable"), and a connection lost
// (the X server ended, the session's end, the client killed) at once ("XIO:
// fatal IO error"), the work lost both times. So, on X11 - classic SDL 1.2 and
// sdl12-compat over SDL2 alike, both of which load libX11 themselves:
//
// - a request that fails because the window is gone (BadWindow, BadDrawable)
//   is passed over; the window's DestroyNotify, asked for as SDL_SYSWMEVENTs,
//   then ends the run (window_destroyed, in every drain: editor/ending.h).
//   Other failed requests are said in one line each and passed over too;
// - the lost connection: Xlib's handler for it must not return. It keeps the
//   changes not saved - the layout is all in memory - by the same writer as a
//   quit, says why, and ends the program with status 1, SDL left as it is.
//
// Elsewhere (Windows, Wayland, the dummy driver) nothing is done.
#pragma once

#include "editor/state.h"

// Before SDL starts on X11: libX11 loaded, the same one SDL then loads, and
// the handlers set, so that SDL's own handlers pass to them (classic SDL 1.2)
// or put them back when SDL quits (SDL2, whose quit destroys a window that
// may be gone already).
void guard_x11_errors();
// After every window SDL makes: the handlers set again, the lost
// connection's handler given the editor, the DestroyNotify events asked for.
void guard_display(editor& ed);
// A connection of the editor's own to the same display (an Xlib Display: the
// clipboard's, editor/clipboard.h): its loss ends the program as the
// window's does, whichever connection notices first.
void guard_connection(editor& ed, void* display);
// Whether e says that the editor's window (the one it has now) was destroyed.
bool window_destroyed(const SDL_Event& e);
