// run.h - the run sequence: start-up, start-up screens, the editor loop and
// teardown. SDL_main calls them in this order; tests call them one by one.
#pragma once

struct editor;

// The layout at the game's own values, then three steps in the order their
// needs set: the built-in pictures (unpacked and decoded without SDL's
// video), SDL's video, and the window at zoom 1 to 4 or zoom_fit
// (editor/window.h) with the opaque pictures brought into its pixel format.
// Returns false (after printing one line to standard error and releasing
// what was made) when there is no display, or SDL, the window or a temporary
// file could not be had. The files are those in folder (a path from the
// root), or else in the current directory.
bool start_up(editor& ed, int zoom = 1, const char* folder = nullptr);
// Count-down, the prompts for code.unsaved.txt and basecode.txt with the
// import, the bg.bmp prompt.
void start_screens(editor& ed);
// The editor start state and the loop, while running is set. Then, after
// tear_down, finish_run (editor/ending.h) keeps the changes not saved.
void editor_loop(editor& ed);
// Closes the streams, frees the pictures, quits SDL (but for a window
// destroyed from outside, which SDL2 would wait on).
void tear_down(editor& ed);

// One pass of the editor loop: drain the events, update, draw and show the
// frame when it differs from the one shown last or the window lost its
// picture (editor/view.h), and pause frame_delay_ms - unless the run is ending.
void editor_pass(editor& ed);

// The program: the command line (program/options.h), then the run sequence in
// DIR. Returns the exit status: 0, 1 (could not start; ended by the display
// or the window; the changes not saved written nowhere), 2 (a misuse); a run
// that a signal ended ends as the signal would have (editor/signals.h).
extern "C" int SDL_main(int argc, char* argv[]);
