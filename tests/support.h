// support.h - shared helpers of the test suite: a fresh working directory per
// test, a headless editor, pictures and pixels, events, and reading files back.
#pragma once

#include "shell/editor.h"
#include "shell/run.h"

#include <SDL.h>
#include <gtest/gtest.h>
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
// Open descriptors of this process on files already removed (the temporary ones).
int open_temporary_files();

// Starts the editor on the dummy video driver with every pause off.
// Returns false when start-up failed.
bool start_headless(editor& ed);
// start_headless, then the editor's start state as the loop sets it before its
// first pass (element 0 selected, the one-shot text refreshes pending).
bool start_editor_headless(editor& ed);
// n passes of the editor loop.
void run_passes(editor& ed, int n);

// A started editor in a fresh directory, torn down afterwards.
struct editor_test : ::testing::Test {
    temp_dir dir;
    editor ed;
    void SetUp() override { ASSERT_TRUE(start_editor_headless(ed)); }
    void TearDown() override { tear_down(ed); }
    void passes(int n) { run_passes(ed, n); }
    SDL_Rect& pos(int e) { return ed.model.elements[e].pos; }
};

// Every current value of the layout that differs from its home, in a fixed
// order: "x0=187" and "y0=-7" (coordinates of element 0), "s7=16" (scale
// slot 7), "c3=C9FF64" (colour slot 3).
std::vector<std::string> changes(const layout& m);

// A 32-bit surface with alpha in the top byte, filled with one ARGB value.
SDL_Surface* argb_surface(int w, int h, Uint32 argb);
// The picture as a 32-bit BMP file (the fourth byte of each pixel kept); the
// second form on a temporary file, wrapped like a built-in picture's stream.
std::vector<unsigned char> bmp_bytes(const SDL_Surface* picture);
image_stream bmp_stream(const SDL_Surface* picture);
// The value of a pixel of any depth (24 bits: 0xRRGGBB), and a 32-bit one to write.
Uint32 pixel_at(const SDL_Surface* s, int x, int y);
Uint32& pixel32(SDL_Surface* s, int x, int y);
// Same size, depth and pixel bytes.
bool same_pixels(const SDL_Surface* a, const SDL_Surface* b);

// Puts events on SDL's queue.
void push_key(SDLKey key);
void push_quit();
void push_press(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_release(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_motion(int x, int y);
