// support.cpp - shared helpers of the test suite.
#include "support.h"

#include "shell/run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

temp_dir::temp_dir() {
    char tmpl[] = "/tmp/hudwright-test-XXXXXX";
    path        = mkdtemp(tmpl);
    previous    = std::filesystem::current_path().string();
    std::filesystem::current_path(path);
}

temp_dir::~temp_dir() {
    std::filesystem::current_path(previous);
    std::error_code ec;
    // A test may have made the directory read-only; open it up again first.
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path, ec);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> read_lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

bool file_exists(const std::string& path) {
    return std::filesystem::exists(path);
}

bool start_headless(editor& ed) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!start_up(ed)) return false;
    ed.frame_delay_ms  = 0;
    ed.screen_delay_ms = 0;
    return true;
}

bool start_editor_headless(editor& ed) {
    if (!start_headless(ed)) return false;
    ed.model.selected = 0;
    ed.picking_color  = 2;
    ed.scale_button   = 2;
    ed.editing_color = ed.editing_scale = ed.editing_x = ed.editing_y = 0;
    return true;
}

SDL_Surface* argb_surface(int w, int h, Uint32 argb) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    for (int y = 0; y < h; y++) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; x++) row[x] = argb;
    }
    return s;
}

image_stream bmp_stream(const SDL_Surface* picture) {
    auto put = [](std::vector<Uint8>& out, Uint32 v, int bytes) {
        for (int i = 0; i < bytes; i++) out.push_back(static_cast<Uint8>(v >> (8 * i)));
    };
    Uint32 w = static_cast<Uint32>(picture->w), h = static_cast<Uint32>(picture->h);
    std::vector<Uint8> bmp;
    put(bmp, 'B' | 'M' << 8, 2);
    put(bmp, 54 + w * h * 4, 4);
    put(bmp, 0, 4);
    put(bmp, 54, 4); // pixels right after the headers: default masks
    put(bmp, 40, 4);
    put(bmp, w, 4);
    put(bmp, h, 4);
    put(bmp, 1, 2);
    put(bmp, 32, 2);
    for (int i = 0; i < 6; i++) put(bmp, 0, 4); // no compression, sizes, palette
    for (Uint32 y = h; y-- > 0;) {              // bottom row first
        const Uint8* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
        for (Uint32 x = 0; x < w; x++) put(bmp, reinterpret_cast<const Uint32*>(row)[x], 4);
    }
    FILE* f = std::tmpfile();
    std::fwrite(bmp.data(), 1, bmp.size(), f);
    std::fseek(f, 0, SEEK_SET);
    return image_stream{f, SDL_RWFromFP(f, 0), nullptr, 0}; // decoded from the file
}

Uint32 pixel_at(const SDL_Surface* s, int x, int y) {
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    return reinterpret_cast<const Uint32*>(row)[x];
}

void push_key(SDLKey key) {
    SDL_Event e{};
    e.type           = SDL_KEYDOWN;
    e.key.type       = SDL_KEYDOWN;
    e.key.state      = SDL_PRESSED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

void push_quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

static void push_button(Uint8 type, int x, int y, Uint8 button) {
    SDL_Event e{};
    e.type          = type;
    e.button.type   = type;
    e.button.button = button;
    e.button.state  = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x      = static_cast<Uint16>(x);
    e.button.y      = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void push_press(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONDOWN, x, y, button);
}
void push_release(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONUP, x, y, button);
}

void push_motion(int x, int y) {
    SDL_Event e{};
    e.type        = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x    = static_cast<Uint16>(x);
    e.motion.y    = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}
