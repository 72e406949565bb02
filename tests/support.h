// support.h - shared helpers of the test suite: a fresh working directory, a
// headless editor, layouts, pictures and pixels, events, files, standard
// error, child processes, live memory and descriptors.
#pragma once

#include "draw/picture_input.h"
#include "editor/input.h"
#include "editor/panel.h"
#include "editor/start_state.h"
#include "editor/state.h"
#include "model/import.h"
#include "program/run.h"

#include <SDL.h>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

// Makes a fresh temporary directory the working one; removes it afterwards.
struct temp_dir {
    std::string path, previous;
    temp_dir();
    ~temp_dir();
};

// The environment variables named, as they were, put back at the end of the scope.
struct environment_kept {
    std::vector<std::pair<std::string, std::string>> was; // "\x01": not set
    explicit environment_kept(std::initializer_list<const char*> names);
    ~environment_kept();
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);
// A layout with every value at its home; text imported (NUL bytes and all)
// into a layout, and what the import met.
layout home_layout();
layout imported(const std::string& text, layout m = home_layout(), import_report* report = nullptr);
// What body writes to standard error.
template <class Body> std::string stderr_of(Body body) {
    testing::internal::CaptureStderr();
    body();
    return testing::internal::GetCapturedStderr();
}
// The folder of the test data (corpus/, fuzz/seeds/): the sources' tests/ folder,
// or on Windows testdata/ beside the test program (copied there by
// tests/windows.cmake), since a Linux path means nothing there.
std::filesystem::path test_data_dir();

#ifndef _WIN32 // Windows has no fork: the tests that need it are POSIX only
// Runs body in a child process: its exit status, 100 + the signal that ended
// it, or -1 when it had not ended after ten seconds (SDL ignores SIGALRM, so
// the parent keeps the time).
template <class Body> int in_child(Body body) {
    pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    for (int tenth = 0; tenth < 100; tenth++) {
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
        usleep(100000);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}
// Live heap bytes (the sanitizer's count where there is one, not its
// quarantine), this process's descriptors, and those on removed files.
long live_heap_bytes();
long open_descriptors();
int open_temporary_files();
// The most memory body held at once beyond what was held when it began, in
// bytes, all threads together: each block counted by the sanitizer's
// allocator hooks where there is one (its quarantine of freed blocks, which
// stays resident, not counted), else the growth of the peak resident size.
// For a child process only (in_child): the hooks stay installed.
long peak_memory_growth(const std::function<void()>& body);
#endif

// Events queued from a script of words, the one way every test scripts its
// events (an unknown word throws std::invalid_argument, failing the test):
//   a key          a 0-9 a-z = - and the names Right Left Up Down Escape Enter KPEnter
//                  Backspace Tab Space KP0-KP9, and the modifier keys themselves:
//                  LShift RShift LCtrl RCtrl LAlt AltGr Super CapsLock NumLock
//   MOD+key        with Shift, RShift, Ctrl or RCtrl held (Ctrl+Shift+z)
//   click:NAME     a press and its release on the middle of a panel control
//                  (its name in the panel table: click:x_field, click:save)
//   press:NAME     the press alone; release: a release (at 0,0)
//   click@X,Y      a press and release on the editor's pixel X,Y; press@X,Y,
//   release@X,Y, motion@X,Y; rpress@X,Y, rclick@X,Y with the right button
//   quit           the window's close
//   expose, shown, hidden, focus, leave, resize@W,H   the window exposed, shown
//                  again (restored), hidden (minimised), given the keyboard, left
//                  by the pointer, resized
// Positions are the editor's pixels, queued at the last window pixel of their
// square at the given zoom.
void push_script(const std::string& script, int zoom = 1);

void push_key(SDLKey key, SDLMod mod = KMOD_NONE);
void push_quit();
void push_press(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_release(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void push_motion(int x, int y);

// Starts the editor at a zoom on the dummy video driver with every pause off
// (false: start-up failed); the second form also sets the state the loop sets
// before its first pass (element 0 selected, the one-shot text refreshes
// pending), with the editor's clock stopped at 0 (tests move now_ms themselves).
bool start_headless(editor& ed, int zoom = 1);
bool start_editor_headless(editor& ed, int zoom = 1);

// A started editor in a fresh directory, torn down afterwards.
struct editor_test : ::testing::Test {
    temp_dir dir;
    editor ed;
    void SetUp() override { ASSERT_TRUE(start_editor_headless(ed)); }
    void TearDown() override { tear_down(ed); }
    void restart(int zoom = 1) {
        tear_down(ed);
        ASSERT_TRUE(start_editor_headless(ed, zoom));
    }
    void passes(int n) {
        for (int i = 0; i < n; i++) editor_pass(ed);
    }
    void drain() { poll_editor_events(ed); }
    // What a value field shows.
    std::string field(value_field f) const { return field_text(ed.input, ed.design.model, f).s; }
    SDL_Rect& pos(int e) { return ed.design.model.elements[e].pos; }
    // Element e at (x, y), as if last drawn w x h.
    void place(int e, int x, int y, int w = 0, int h = 0) {
        pos(e)                           = {Sint16(x), Sint16(y), 0, 0};
        ed.design.model.element_sizes[e] = {w, h};
    }
    // The centre of a control's box; a press there.
    static int cx(panel_control c) { return panel_table[c].box.x + (panel_table[c].box.w - 1) / 2; }
    static int cy(panel_control c) { return panel_table[c].box.y + (panel_table[c].box.h - 1) / 2; }
    void press(panel_control c) { push_press(cx(c), cy(c)); }
    // A press and its release on the editor's pixel (x, y), queued at the
    // window's last pixel of its square; on the centre of a control.
    void click(int x, int y) {
        const int z = ed.window.zoom;
        push_press(x * z + z - 1, y * z + z - 1);
        push_release(x * z + z - 1, y * z + z - 1);
    }
    void click(panel_control c) { click(cx(c), cy(c)); }
};

// Every current value that differs from its home, in a fixed order, named as
// the tables name them: "A Button x=187", "A Button y=-7", "B Button Icon
// scale=16", "Rupee Icon colour=C9FF64".
std::vector<std::string> changes(const layout& m);
// An element's name without the spaces that centre it.
std::string trimmed(const char* name);

// A picture file's bytes, w x h pixels of colour(x, y) (0xRRGGBB): a 24-bit
// BMP, a PNG or a JPEG of quality 95, written by stb_image_write.
std::string picture_file(picture_kind kind, int w, int h, const std::function<Uint32(int, int)>& colour);
// A PNG of w x h pixels all of one colour (0xRRGGBB, opaque), of 8 or 16
// bits a channel, RGB or RGBA: each row filtered as the difference from its
// left neighbour, so that all but its first pixel are zero bytes, which a
// few bits each of fixed-Huffman deflate repeat. A 16-bit 8192x8192 RGBA
// picture (512 MiB unpacked) takes 3 MB.
std::string flat_png(int w, int h, int bits, bool alpha, Uint32 colour);

Uint32 pixel_at(const SDL_Surface* s, int x, int y);          // any depth (24 bits: 0xRRGGBB)
bool same_pixels(const SDL_Surface* a, const SDL_Surface* b); // size, depth and pixels
SDL_Surface* copy_of(SDL_Surface* s);                         // in its own format

#ifndef _WIN32
// body (which ends with _exit) run in a child process (in_child) with its
// standard error a pipe, which no limit on file sizes cuts: how it ended, and
// what it said.
template <class Body> std::pair<int, std::string> said_in_child(Body body) {
    int said[2];
    if (pipe(said) != 0) return {-2, "no pipe"};
    const int status = in_child([&] {
        dup2(said[1], 2);
        body();
    });
    close(said[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(said[0], buf, sizeof buf)) > 0;) text.append(buf, size_t(n));
    close(said[0]);
    return {status, text};
}
#endif

// code.txt's text for m, as a save writes it.
std::string codes_of(const layout& m);
