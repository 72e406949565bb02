// support.h - shared helpers of the test suite: a fresh working directory per
// test, a headless editor, and reading files back.
#pragma once

#include "shell/editor.h"

#include <SDL.h>
#include <string>
#include <vector>

// Runs each test in a fresh temporary directory (removed afterwards).
struct temp_dir {
    std::string path, previous;
    temp_dir();
    ~temp_dir();
    std::string file(const char* name) const { return path + "/" + name; }
};

// Reads a whole file; the second form returns its lines without line ends.
std::string read_file(const std::string& path);
std::vector<std::string> read_lines(const std::string& path);
void write_file(const std::string& path, const std::string& text);
bool file_exists(const std::string& path);

// Starts the editor on the dummy video driver with every pause off.
// Returns false when start-up failed.
bool start_headless(editor& ed);
// start_headless, then the editor's start state as the loop sets it before its
// first pass (element 0 selected, the one-shot text refreshes pending).
bool start_editor_headless(editor& ed);

// A 32-bit surface with alpha in the top byte, filled with one ARGB value.
SDL_Surface* argb_surface(int w, int h, Uint32 argb);
// The picture as a 32-bit BMP file (the fourth byte of each pixel kept) on a
// temporary file, wrapped like a built-in picture's stream.
image_stream bmp_stream(const SDL_Surface* picture);
// The ARGB value of a screen pixel.
Uint32 pixel_at(const SDL_Surface* s, int x, int y);

// Puts events on SDL's queue.
void push_key(SDLKey key);
void push_quit();
void push_press(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_release(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_motion(int x, int y);
