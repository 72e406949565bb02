// screen.h - the window the editor draws in, seen from the editor: showing a
// finished frame, the pointer's place in the editor's own 320x320 pixels, and
// moving the pointer. Every frame and every event's pointer goes through here,
// so that the window may show the picture other than pixel for pixel without
// the editor knowing.
#pragma once

#include "editor/state.h"

// Shows what was drawn on ed.screen (after a frame or a start-up screen).
void show_screen(editor& ed);
// Brings a mouse event's x and y into the editor's own pixels; other events
// are left as they are.
void event_to_editor(const editor& ed, SDL_Event& e);
// Moves the pointer to (x, y) in the editor's own pixels.
void move_pointer(editor& ed, int x, int y);
// A resize event: the window is made anew at that size (no screen when SDL refuses it).
void resize_screen(editor& ed, int w, int h);
