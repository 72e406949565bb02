// support.cpp - shared helpers of the test suite.
#include "support.h"

#include "draw/hex.h"
#include "model/file_io.h"
#include "model/import.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <iterator>
#ifdef _WIN32
#include <windows.h>
#else
#include <malloc.h>
#endif

#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // not every compiler ships its header
#define HUDWRIGHT_ASAN 1
#endif

namespace fs = std::filesystem;

temp_dir::temp_dir() : previous(fs::current_path().string()) {
    // a new folder in the temp folder (TMPDIR, or on Windows the user's)
    std::random_device random;
    fs::path made;
    do made = fs::temp_directory_path() / ("hudwright-test-" + std::to_string(random()));
    while (!fs::create_directory(made));
    fs::current_path(path = made.string());
}

temp_dir::~temp_dir() {
    fs::current_path(previous);
    std::error_code ec; // a test may have made the directory read-only
    fs::permissions(path, fs::perms::owner_all, ec);
    fs::remove_all(path, ec);
}

std::string read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The bytes of text as a file to read, NUL bytes and all, as the program's own
// temporary files are made (closed with fclose).
static FILE* bytes_stream(const std::string& text) {
    FILE* f = temp_file();
    if (f &&
        (std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fseek(f, 0, SEEK_SET) != 0)) {
        std::fclose(f);
        f = nullptr;
    }
    return f;
}

layout home_layout() {
    layout m{};
    start_layout(m);
    return m;
}

layout imported(const std::string& text, layout m, import_report* report) {
    if (FILE* f = bytes_stream(text)) {
        const import_report r = import_base_code(f, m);
        if (report) *report = r;
        std::fclose(f);
    }
    return m;
}

#ifndef _WIN32
long live_heap_bytes() {
#ifdef HUDWRIGHT_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long>(mallinfo2().uordblks);
#endif
}

long open_descriptors() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), {});
}

int open_temporary_files() {
    int n = 0;
    std::error_code ec;
    for (auto& e : fs::directory_iterator("/proc/self/fd"))
        n += fs::read_symlink(e.path(), ec).string().ends_with(" (deleted)");
    return n;
}
#endif

fs::path test_data_dir() {
#ifdef _WIN32
    wchar_t program[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, program, MAX_PATH);
    return fs::path(std::wstring(program, n)).parent_path() / "testdata";
#else
    return fs::path(__FILE__).parent_path();
#endif
}

bool start_headless(editor& ed, int zoom) {
    set_env_default("SDL_VIDEODRIVER", "dummy");
    set_env_default("SDL_AUDIODRIVER", "dummy");
    if (!start_up(ed, zoom)) return false;
    ed.frame_delay_ms = ed.screen_delay_ms = 0;
    return true;
}

bool start_editor_headless(editor& ed, int zoom) {
    if (!start_headless(ed, zoom)) return false;
    ed.manual_clock = true;
    ed.now_ms       = 0; // time passes only where a test says so
    start_editor_state(ed);
    return true;
}

std::vector<std::string> changes(const layout& m) {
    std::vector<std::string> out;
    auto note = [&](bool changed, char what, int i, const std::string& v) {
        if (changed) out.push_back(what + std::to_string(i) + "=" + v);
    };
    for (int e = 0; e < element_count; e++) {
        const SDL_Rect &p = m.elements[e].pos, &h = m.elements[e].home;
        note(p.x != h.x, 'x', e, std::to_string(p.x));
        note(p.y != h.y, 'y', e, std::to_string(p.y));
    }
    for (int k = 0; k < scale_count; k++)
        note(m.scales[k].value != m.scales[k].home, 's', k, std::to_string(m.scales[k].value));
    for (int k = 0; k < color_count; k++) {
        const SDL_Color &c = m.colors[k].value, &h = m.colors[k].home;
        note(c.r != h.r || c.g != h.g || c.b != h.b, 'c', k,
             hexstring(uint32_t(c.r << 16 | c.g << 8 | c.b), 6).s);
    }
    return out;
}

Uint32 pixel_at(const SDL_Surface* s, int x, int y) {
    Uint32 v = 0; // this machine is little-endian
    std::memcpy(&v, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    return v;
}

bool same_pixels(const SDL_Surface* a, const SDL_Surface* b) {
    bool same = a->w == b->w && a->h == b->h && a->format->BitsPerPixel == b->format->BitsPerPixel;
    for (int y = 0; same && y < a->h; y++)
        same = !std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                            static_cast<const Uint8*>(b->pixels) + y * b->pitch,
                            a->w * a->format->BytesPerPixel);
    return same;
}

SDL_Surface* copy_of(SDL_Surface* s) {
    return SDL_ConvertSurface(s, s->format, SDL_SWSURFACE);
}

void push_key(SDLKey key, SDLMod mod) {
    SDL_Event e{.key = {SDL_KEYDOWN, 0, SDL_PRESSED, {0, key, mod, 0}}};
    SDL_PushEvent(&e);
}

void push_quit() {
    SDL_Event e{SDL_QUIT};
    SDL_PushEvent(&e);
}

static void push_button(Uint8 type, Uint8 state, int x, int y, Uint8 button) {
    SDL_Event e{.button = {type, 0, button, state, Uint16(x), Uint16(y)}};
    SDL_PushEvent(&e);
}

void push_press(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONDOWN, SDL_PRESSED, x, y, button);
}

void push_release(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONUP, SDL_RELEASED, x, y, button);
}

void push_motion(int x, int y) {
    SDL_Event e{.motion = {SDL_MOUSEMOTION, 0, 0, Uint16(x), Uint16(y), 0, 0}};
    SDL_PushEvent(&e);
}
