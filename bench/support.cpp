// support.cpp - shared helpers of the benchmarks.
#include "support.h"

#include "program/run.h"
#include "editor/background.h"
#include "editor/start_state.h"
#include "editor/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

bool start_bench_editor(editor& ed) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!start_up(ed)) return false;
    ed.clock.frame_delay_ms  = 0;
    ed.clock.screen_delay_ms = 0;
    start_editor_state(ed);
    return true;
}

void set_largest_scales(layout& m) {
    for (const element_row& row : element_table) {
        if (row.scale_slot == no_scale) continue;
        scale_slot& s = m.scales[row.scale_slot];
        switch (row.rule) {
        case rule_divisor: s.value = 5; break;
        case rule_inverted: s.value = 0xFFFB; break; // d = 4, divisor 4 + 2 = 6
        case rule_pair:                              // a = 1, b = 95: 95 * 32.125 / 95
            s.value                                             = 95;
            m.scales[scale_table[row.scale_slot].partner].value = 1;
            break;
        case rule_own_size: break;
        }
    }
}

std::string use_bg_bmp(editor& ed) {
    char tmpl[]     = "/tmp/hudwright-bench-XXXXXX";
    std::string dir = mkdtemp(tmpl);
    SDL_Surface* bg = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int y = 0; y < 240; y++) {
        Uint8* row = static_cast<Uint8*>(bg->pixels) + y * bg->pitch;
        for (int x = 0; x < 320; x++) {
            row[3 * x + 0] = static_cast<Uint8>(x);
            row[3 * x + 1] = static_cast<Uint8>(y);
            row[3 * x + 2] = static_cast<Uint8>(x ^ y);
        }
    }
    std::string path = dir + "/bg.bmp";
    SDL_SaveBMP(bg, path.c_str());
    SDL_FreeSurface(bg);
    if (chdir(dir.c_str()) != 0) return dir;
    // the prompt's own path: a click on "Yes" waits on the queue
    SDL_Event click{};
    click.type          = SDL_MOUSEBUTTONDOWN;
    click.button.type   = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.state  = SDL_PRESSED;
    click.button.x      = 35;
    click.button.y      = 85;
    SDL_PushEvent(&click);
    background_prompt(ed);
    return dir;
}

void leave_bg_dir(const std::string& dir) {
    if (chdir("/") != 0) return;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

namespace {

long status_kib(const char* key) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kib         = -1;
    const size_t len = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, len) == 0) kib = std::strtol(line + len, nullptr, 10);
    std::fclose(f);
    return kib;
}

} // namespace

long resident_kib() {
    return status_kib("VmRSS:");
}
long peak_resident_kib() {
    return status_kib("VmHWM:");
}
