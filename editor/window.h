// window.h - the window the editor draws in, seen from the editor: opening it,
// showing a finished frame, the pointer's place in the editor's own 320x320
// pixels, moving the pointer, resizing, and the zoom. Every frame and every
// event's pointer goes through here, so that the window may show the picture
// other than pixel for pixel without the editor knowing.
//
// The zoom: the editor always draws on a 320x320 window.screen - the same
// pixels, hit boxes and codes at every zoom. At zoom 1 that is the window's
// own surface. At zoom N it is a surface of its own, and show_screen copies
// it into the window (window.surface, 320N x 320N) N times larger, each pixel
// an N x N square; pointer positions are divided by N on the way in and the
// pointer's jumps multiplied by N on the way out.
//
// What only shows the window or maps the pointer takes the window's part of
// the state (window_state, editor/state.h); what makes a window anew takes
// the editor, for whom every new window guards the display
// (editor/display_guard.h: a display lost keeps the editor's work).
//
// Not here: what is drawn (editor/frame, editor/screens), SDL's start.
#pragma once

#include <SDL.h>

struct editor;
struct window_state;

constexpr int screen_side = 320; // the editor's screen, in its own pixels
constexpr int zoom_min = 1, zoom_max = 4;
constexpr int zoom_fit = 0; // open_window: the largest zoom that fits the screen

// The zoom the window opens at without --zoom: the largest (1 to 4) whose
// window fits in three quarters of a screen of w x h pixels, and in its
// width; 1 when even that does not fit or the size is unknown (0).
int fitting_zoom(int w, int h);
// The largest zoom the zoom keys go up to: the largest (1 to 4) whose window
// fits on a screen of w x h pixels with window_margin pixels to spare across
// and down, for the window's title bar and borders and a desktop's panels (a
// task bar) - and never less than fitting_zoom. zoom_max when the size is
// unknown (0).
constexpr int window_margin = 96;
int largest_zoom(int w, int h);

// Opens the window at zoom 1 to 4, or at zoom_fit: fitting_zoom of the screen
// as SDL reports it before the first window (kept in window.desktop_w and
// desktop_h: SDL reports the window's size after). Sets window.screen,
// window.surface and window.zoom. False when SDL refuses the window
// (SDL_GetError says why).
bool open_window(editor& ed, int zoom);
// The window at another zoom (kept within 1 to 4); the picture drawn so far is
// kept. When SDL refuses the new size the old one is asked for again; false then.
bool set_zoom(editor& ed, int zoom);
// Frees what open_window and set_zoom made beside SDL's own surface.
void close_window(window_state& window);

// Ctrl+= (or Ctrl++) and Ctrl+- (editor/keys.h): one zoom step up (step +1)
// or down (-1), between 1 and 4. A step up stops at largest_zoom of the
// screen read when the window opened: the window never grows past the screen.
void zoom_step(editor& ed, int step);

// Shows what was drawn on window.screen (after a frame or a start-up screen)
// and counts it in window.pictures_sent. Zoomed, a picture the window shows already
// is not sent again. Whether anything is drawn at all is decided before
// (editor/view.h).
void show_screen(window_state& window);
// Brings a mouse event's x and y into the editor's own pixels; other events
// are left as they are. An expose or the window shown again (restored) sets
// window.repaint: the next picture is drawn and sent whole, as after opening,
// zooming or resizing the window.
void event_to_editor(window_state& window, SDL_Event& e);
// Moves the pointer to (x, y) in the editor's own pixels, and says where it
// lands in them: SDL stops it at the window's last column and row.
struct pointer_place {
    int x, y;
};
pointer_place move_pointer(window_state& window, int x, int y);
// A resize event: the window is made anew at that size (no window when SDL
// refuses it). At zoom 1 the editor draws on it; above, the picture is shown
// in its upper left corner, cut at its edges.
void resize_screen(editor& ed, int w, int h);
