// screen.h - the window the editor draws in, seen from the editor: opening it,
// showing a finished frame, the pointer's place in the editor's own 320x320
// pixels, moving the pointer, resizing, and the zoom. Every frame and every
// event's pointer goes through here, so that the window may show the picture
// other than pixel for pixel without the editor knowing.
//
// The zoom: the editor always draws on a 320x320 ed.screen - the same pixels,
// hit boxes and codes at every zoom. At zoom 1 that is the window's own
// surface. At zoom N it is a surface of its own, and show_screen copies it
// into the window (ed.window, 320N x 320N) N times larger, each pixel an N x N
// square; pointer positions are divided by N on the way in and the pointer's
// jumps multiplied by N on the way out.
//
// Not here: what is drawn (editor/frame, editor/startup), SDL's start.
#pragma once

#include <SDL.h>

struct editor;

constexpr int screen_side = 320; // the editor's screen, in its own pixels
constexpr int zoom_min = 1, zoom_max = 4;
constexpr int zoom_fit = 0; // open_window: the largest zoom that fits the screen

// The largest zoom (1 to 4) whose window fits in three quarters of a screen
// of w x h pixels, and in its width; 1 when even that does not fit or the size is unknown (0).
int fitting_zoom(int w, int h);

// Opens the window at zoom 1 to 4, or at zoom_fit: fitting_zoom of the screen
// as SDL reports it before the first window. Sets ed.screen, ed.window and
// ed.zoom. False when SDL refuses the window (SDL_GetError says why).
bool open_window(editor& ed, int zoom);
// The window at another zoom (kept within 1 to 4); the picture drawn so far is
// kept. When SDL refuses the new size the old one is asked for again; false then.
bool set_zoom(editor& ed, int zoom);
// Frees what open_window and set_zoom made beside SDL's own surface.
void close_window(editor& ed);

// Ctrl+= (or Ctrl++) and Ctrl+- : one zoom step up or down. Not while a value
// is being typed, where every key keeps its meaning. True when it took the key.
bool screen_key(editor& ed, const SDL_keysym& key);

// Shows what was drawn on ed.screen (after a frame or a start-up screen).
// Zoomed, a picture the window shows already is not sent again.
void show_screen(editor& ed);
// Brings a mouse event's x and y into the editor's own pixels; other events
// are left as they are. An expose has the next show send the whole picture.
void event_to_editor(editor& ed, SDL_Event& e);
// Moves the pointer to (x, y) in the editor's own pixels.
void move_pointer(editor& ed, int x, int y);
// A resize event: the window is made anew at that size (no window when SDL
// refuses it). At zoom 1 the editor draws on it; above, the picture is shown
// in its upper left corner, cut at its edges.
void resize_screen(editor& ed, int w, int h);
