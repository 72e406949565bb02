// targets.h - the bodies of the two fuzz targets, shared by the libFuzzer
// programs (tests/fuzz/*_fuzz.cpp) and the regression suite that replays the
// kept corpus (tests/corpus_test.cpp), so both run exactly the same code.
//
// Each body takes the raw bytes and returns an empty string when every
// invariant held, else a description of the first one broken. Sanitizer
// reports and hangs are caught by the sanitizers and the fuzzer themselves.
#pragma once

#include "model/export.h"
#include "model/import.h"
#include "shell/run.h"
#include "support.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

inline std::string describe(const char* what, long a, long b = 0) {
    return std::string(what) + " (" + std::to_string(a) + ", " + std::to_string(b) + ")";
}

// Reads bytes as basecode.txt into m.
inline void import_bytes(const uint8_t* data, size_t size, layout& m) {
    std::vector<char> copy(data, data + size);
    copy.push_back('\0'); // fmemopen wants a buffer even for an empty file
    FILE* in = fmemopen(copy.data(), size == 0 ? 1 : size, "r");
    if (!in) return;
    if (size == 0) std::fgetc(in); // an empty file: nothing left to read
    import_base_code(in, m);
    std::fclose(in);
}

// Everything the import must leave alone, and every value it may set.
inline std::string same_tables(const layout& a, const layout& b) {
    for (int e = 0; e < element_count; e++) {
        if (a.elements[e].home.x != b.elements[e].home.x || a.elements[e].home.y != b.elements[e].home.y)
            return describe("an element's home changed", e);
        if (a.element_names[e] != b.element_names[e]) return describe("an element name changed", e);
    }
    for (int k = 0; k < scale_count; k++)
        if (a.scales[k].home != b.scales[k].home) return describe("a scale home changed", k);
    for (int k = 0; k < color_count; k++) {
        const SDL_Color &x = a.colors[k].home, &y = b.colors[k].home;
        if (x.r != y.r || x.g != y.g || x.b != y.b) return describe("a colour home changed", k);
    }
    for (int i = 0; i < offset_count; i++)
        if (a.code_offsets[i] != b.code_offsets[i]) return describe("an offset changed", i);
    return "";
}

inline std::string same_values(const layout& a, const layout& b) {
    for (int e = 0; e < element_count; e++)
        if (a.elements[e].pos.x != b.elements[e].pos.x || a.elements[e].pos.y != b.elements[e].pos.y)
            return describe("element position differs", e, a.elements[e].pos.x - b.elements[e].pos.x);
    for (int k = 0; k < scale_count; k++)
        if (a.scales[k].value != b.scales[k].value)
            return describe("scale differs", k, a.scales[k].value - b.scales[k].value);
    for (int k = 0; k < color_count; k++) {
        const SDL_Color &x = a.colors[k].value, &y = b.colors[k].value;
        if (x.r != y.r || x.g != y.g || x.b != y.b) return describe("colour differs", k);
    }
    return "";
}

// Base code import: whatever the bytes, the import ends, changes no home, no
// table and no selection, keeps scale values within 16 bits, and the layout
// it gives survives an export and a second import unchanged.
inline std::string import_one(const uint8_t* data, size_t size) {
    layout fresh{}, m{};
    start_layout(fresh);
    start_layout(m);
    import_bytes(data, size, m);
    if (std::string s = same_tables(m, fresh); !s.empty()) return s;
    if (m.selected != fresh.selected) return "the import changed the selection";
    for (int k = 0; k < scale_count; k++)
        if (m.scales[k].value != m.scales[k].home && (m.scales[k].value < 0 || m.scales[k].value > 0xFFFF))
            return describe("an imported scale is outside 0-FFFF", k, m.scales[k].value);

    char text[export_capacity];
    size_t len = format_codes(m, text, sizeof text);
    if (len >= sizeof text || text[len] != '\0') return describe("the export overran its buffer", long(len));
    layout again{};
    start_layout(again);
    import_bytes(reinterpret_cast<const uint8_t*>(text), len, again);
    if (std::string s = same_values(m, again); !s.empty()) return "export and import again: " + s;
    return "";
}

// ---- the editor's event handling ------------------------------------------------

// A started headless editor and its state at the first editor pass, to which
// every input is reset.
struct editor_session {
    editor ed{};
    editor start{};
    bool ok = false;

    bool open() {
        if (!start_headless(ed)) return false;
        ed.model.selected = 0;
        ed.picking_color  = 2;
        ed.scale_button   = 2;
        ed.editing_color = ed.editing_scale = ed.editing_x = ed.editing_y = 0;
        start                                                             = ed;
        return ok                                                         = true;
    }
    void close() {
        if (ok) tear_down(ed);
        ok = false;
    }
    void reset() {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
        SDL_Surface* screen = SDL_GetVideoSurface();
        if (!screen || screen->w != 320 || screen->h != 320) screen = SDL_SetVideoMode(320, 320, 32, 0);
        // The pictures belong to the run, not to an input: the frame may have
        // replaced them (by copies in the screen's format), so keep the live ones.
        editor live = ed;
        ed          = start;
        ed.screen   = screen;
        std::memcpy(ed.streams, live.streams, sizeof ed.streams);
        ed.background     = live.background;
        ed.rupee_overlay  = live.rupee_overlay;
        ed.hearts_overlay = live.hearts_overlay;
        ed.map_overlay    = live.map_overlay;
        ed.splash         = live.splash;
        ed.save_button    = live.save_button;
        ed.color_picker   = live.color_picker;
    }
};

// The keys worth trying most: hex digits of both kinds, the letters just past
// them, backspace, shift, Escape and a few others.
constexpr SDLKey interesting_keys[33] = {
    SDLK_0,       SDLK_1,      SDLK_2,     SDLK_3,      SDLK_4,     SDLK_5,     SDLK_6,
    SDLK_7,       SDLK_8,      SDLK_9,     SDLK_a,      SDLK_b,     SDLK_c,     SDLK_d,
    SDLK_e,       SDLK_f,      SDLK_g,     SDLK_z,      SDLK_KP0,   SDLK_KP9,   SDLK_KP5,
    SDLK_KP_PLUS, SDLK_RSHIFT, SDLK_UP,    SDLK_DOWN,   SDLK_LEFT,  SDLK_RIGHT, SDLK_BACKSPACE,
    SDLK_LSHIFT,  SDLK_RETURN, SDLK_SPACE, SDLK_DELETE, SDLK_ESCAPE};

struct byte_reader {
    const uint8_t* p;
    size_t n;
    bool empty() const { return n == 0; }
    uint8_t byte() {
        if (n == 0) return 0;
        n--;
        return *p++;
    }
    uint16_t word() { return static_cast<uint16_t>(byte() | (byte() << 8)); }
    // Mostly a place inside the window; now and then any 16-bit coordinate.
    uint16_t coordinate(int extent) {
        uint8_t b = byte();
        if (b == 255) return word();
        return static_cast<uint16_t>(b * extent / 255);
    }
};

inline std::string check_editor(const editor& ed, const layout& start) {
    if (ed.model.selected < 0 || ed.model.selected > 20)
        return describe("selected out of range", ed.model.selected);
    int field = 0;
    if (ed.editing_color) field = 6;
    if ((ed.editing_scale || ed.editing_x || ed.editing_y) && field == 0) field = 4;
    if (ed.entry_len > 6) return describe("entry_len beyond every field", ed.entry_len);
    if (field && ed.entry_len > field) return describe("entry_len beyond its field", ed.entry_len, field);
    if (!std::memchr(ed.entry_buf, 0, sizeof ed.entry_buf)) return "entry_buf is not terminated";
    if (!std::memchr(ed.x_text, 0, sizeof ed.x_text)) return "x_text is not terminated";
    if (!std::memchr(ed.y_text, 0, sizeof ed.y_text)) return "y_text is not terminated";
    if (!std::memchr(ed.scale_text, 0, sizeof ed.scale_text)) return "scale_text is not terminated";
    if (!std::memchr(ed.color_text, 0, sizeof ed.color_text)) return "color_text is not terminated";
    if (ed.scale_dir > 2) return describe("scale_dir out of range", ed.scale_dir);
    if (ed.nudge > 4) return describe("nudge out of range", ed.nudge);
    if (ed.picking_color < 0 || ed.picking_color > 2) return describe("picking_color", ed.picking_color);
    if (ed.scale_button < 0 || ed.scale_button > 2) return describe("scale_button", ed.scale_button);
    if (ed.dragging < 0 || ed.dragging > 1) return describe("dragging", ed.dragging);
    return same_tables(ed.model, start);
}

// Decodes the bytes into events (key down and up, motion, press, release,
// quit, resize) and editor passes; after every pass the invariants must hold.
// At most max_passes passes run, so one input stays quick.
inline std::string events_one(editor_session& s, const uint8_t* data, size_t size, int max_passes = 12) {
    s.reset();
    editor& ed = s.ed;
    byte_reader in{data, size};
    int passes = 0;
    auto pass  = [&]() -> std::string {
        ed.running = 1; // a quit ends the program's loop; here the passes go on
        editor_pass(ed);
        passes++;
        return check_editor(ed, s.start.model);
    };
    while (!in.empty() && passes < max_passes) {
        uint8_t op = in.byte();
        SDL_Event e{};
        switch (op % 9) {
        case 0:
        case 1: {
            uint8_t k  = in.byte();
            SDLKey sym = k < 200 ? interesting_keys[k % std::size(interesting_keys)]
                                 : static_cast<SDLKey>(in.word() % SDLK_LAST);
            e.type = e.key.type = op % 9 == 0 ? SDL_KEYDOWN : SDL_KEYUP;
            e.key.keysym.sym    = sym;
            break;
        }
        case 2:
            e.type = e.motion.type = SDL_MOUSEMOTION;
            e.motion.x             = in.coordinate(320);
            e.motion.y             = in.coordinate(320);
            break;
        case 3:
        case 4:
            e.type = e.button.type = op % 9 == 3 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            e.button.button        = static_cast<Uint8>(1 + in.byte() % 5);
            e.button.x             = in.coordinate(320);
            e.button.y             = in.coordinate(320);
            break;
        case 5: e.type = SDL_QUIT; break;
        case 6:
            e.type = e.resize.type = SDL_VIDEORESIZE;
            e.resize.w             = 1 + in.byte() * 2;
            e.resize.h             = 1 + in.byte() * 2;
            break;
        default: // a pass with what is queued so far
            if (std::string r = pass(); !r.empty()) return r;
            continue;
        }
        SDL_PushEvent(&e);
    }
    if (passes < max_passes)
        if (std::string r = pass(); !r.empty()) return r;
    return "";
}

} // namespace fuzz
