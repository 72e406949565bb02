// targets.h - the three fuzz targets' bodies (the base code import, the
// editor's events, a background picture), shared by target.cpp, corpus_test
// and long_run: raw bytes in, "" out when every invariant held, else the first
// one broken; sanitizers catch the rest.
#pragma once

#include "draw/picture_fit.h"
#include "draw/picture_input.h"
#include "draw/text.h"
#include "model/export.h"
#include "editor/background.h"
#include "editor/code_view.h"
#include "editor/frame.h"
#include "editor/panel.h"
#include "editor/window.h"
#include "editor/undo.h"
#include "editor/file_names.h"
#include "support.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fuzz {

inline std::string describe(const char* what, long a, long b = 0) {
    return std::string(what) + " (" + std::to_string(a) + ", " + std::to_string(b) + ")";
}

// What neither the import nor an edit may change: the homes ("" if all are the same).
inline std::string same_tables(const layout& a, const layout& b) {
    for (int e = 0; e < element_count; e++)
        if (a.elements[e].home.x != b.elements[e].home.x || a.elements[e].home.y != b.elements[e].home.y)
            return describe("an element's home differs", e);
    for (int k = 0; k < scale_count; k++)
        if (a.scales[k].home != b.scales[k].home) return describe("a scale's home differs", k);
    for (int k = 0; k < color_count; k++)
        if (std::memcmp(&a.colors[k].home, &b.colors[k].home, 3))
            return describe("a colour's home differs", k);
    return "";
}
// Base code import: whatever the bytes, it ends, changes no table and not the
// selection, sets scales within 16 bits, counts no more lines skipped than it
// read, and its layout survives an export and a second import unchanged. The
// same bytes behind a UTF-8 byte-order mark, or as UTF-16 (each byte one
// character) behind its mark, give the same layout and the same count.
inline std::string import_one(std::string_view bytes) {
    const layout fresh = home_layout();
    import_report r{};
    const layout m = imported(std::string(bytes), fresh, &r);
    if (std::string s = same_tables(m, fresh); !s.empty()) return s;
    if (m.selected != fresh.selected) return "the import changed the selection";
    if (r.skipped < 0 || r.skipped > r.lines || (r.skipped > 0) != (r.first_skipped > 0) ||
        r.first_skipped > r.lines)
        return describe("the import's count of lines is off", r.skipped, r.lines);
    for (int k = 0; k < scale_count; k++)
        if (m.scales[k].value != m.scales[k].home && (m.scales[k].value < 0 || m.scales[k].value > 0xFFFF))
            return describe("an imported scale is outside 0-FFFF", k, m.scales[k].value);
    char text[export_capacity];
    size_t len = format_codes(m, text, sizeof text);
    if (len >= sizeof text || text[len] != '\0') return describe("the export overran its buffer", long(len));
    if (changes(imported(std::string(text, len))) != changes(m))
        return "export and import again: the values differ";
    const bool marked =
        bytes.starts_with("\xEF\xBB") || bytes.starts_with("\xFF") || bytes.starts_with("\xFE");
    if (marked || bytes.size() > 4096) return ""; // a mark of its own; long inputs: once is enough
    std::string other[3] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}; // UTF-8, UTF-16 LE and BE
    other[0] += bytes;
    for (char c : bytes) {
        other[1] += {c, '\0'};
        other[2] += {'\0', c};
    }
    for (int i = 0; i < 3; i++) {
        import_report o{};
        if (changes(imported(other[i], fresh, &o)) != changes(m) || std::memcmp(&o, &r, sizeof o))
            return describe("the same text in another encoding reads otherwise", i);
    }
    return "";
}

// The bytes as the name of a file offered at start-up (up to a NUL, as a
// folder lists it): fitted to any width, it is the name whole when that fits,
// else its start and its end around "..." and never wider; the question that
// offers it fits the prompt's line beside its margin.
inline std::string name_one(std::string_view bytes) {
    const std::string name(bytes.substr(0, std::min(bytes.find('\0'), size_t(255))));
    for (size_t cells = 0; cells <= name.size() + 1; cells++) {
        const std::string f = fitted_name(name, cells);
        if (f.size() != std::min(cells, name.size()))
            return describe("a name fitted to another width", long(cells));
        const size_t start = cells > 3 ? (cells - 3) / 2 : 0; // the name's characters before "..."
        if (name.size() <= cells
                ? f != name
                : cells > 3 && (f.compare(start, 3, "...") != 0 || f.compare(0, start, name, 0, start) != 0 ||
                                !name.ends_with(f.substr(start + 3))))
            return describe("a name fitted wrongly", long(cells));
    }
    if (offer_question(name).size() > size_t(320 - 35) / glyph_width) return "a question wider than its line";
    return "";
}

// A background picture: the bytes read as each kind (a BMP, a PNG, a JPEG) and
// what is read fitted over a 320x240 picture. Whatever the bytes, a refusal
// has a reason the start-up screens can draw; a picture read is within the
// size limits, opaque, and fits. The bytes as a name too (name_one).
inline std::string picture_one(std::string_view bytes) {
    if (std::string broken = name_one(bytes); !broken.empty()) return broken;
    for (picture_kind kind : {picture_bmp, picture_png, picture_jpeg}) {
        // SDL 2 (under sdl12-compat) makes no stream of an empty buffer; an
        // empty file is a stream of its own, as the program opens it.
        std::FILE* empty = bytes.empty() ? std::tmpfile() : nullptr;
        SDL_RWops* rw =
            empty ? SDL_RWFromFP(empty, SDL_TRUE) : SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
        if (!rw) return "no stream for the bytes: " + std::string(SDL_GetError());
        picture_problem why;
        decoded_picture picture = read_picture(rw, kind, why);
        SDL_RWclose(rw);
        SDL_Surface* p = picture.surface;
        if (!p) { // refused: a reason the start-up screens can draw
            if (why.reason.empty() || why.reason.size() > 38 || !std::ranges::all_of(why.reason, has_glyph))
                return describe("a reason empty, too long or not in the font", kind) + ": " + why.reason;
            continue;
        }
        std::string broken;
        if (p->w < 1 || p->h < 1 || p->w > picture_side_limit || p->h > picture_side_limit ||
            1LL * p->w * p->h > picture_pixel_limit)
            broken = describe("a picture of a size refused", p->w, p->h);
        else if (p->format->Amask != 0 || (p->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)))
            broken = "a picture not opaque";
        SDL_Surface* under = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_Surface* shown = broken.empty() ? fit_picture(p, under, 320, 240) : nullptr;
        if (broken.empty() && (!shown || shown->w != 320 || shown->h != 240))
            broken = "no 320x240 picture fitted";
        free_picture(picture);
        for (SDL_Surface* s : {under, shown})
            if (s) SDL_FreeSurface(s);
        if (!broken.empty()) return broken;
    }
    return "";
}

// A headless editor started (ok: it did) and its state at the first pass, to
// which every input is reset; torn down at the end.
struct editor_session {
    editor ed{}, start{};
    bool ok;
    std::vector<Uint8> kept; // check_unsent's copy of the screen

    editor_session() : ok(start_editor_headless(ed)) {
        // the dummy driver's own cursor, drawn into the screen where the
        // pointer jumps to, is not the editor's
        SDL_ShowCursor(SDL_DISABLE);
        start = ed;
    }
    ~editor_session() {
        SDL_SetModState(KMOD_NONE);
        if (ok) tear_down(ed);
    }
    void reset() {
        SDL_Event e;
        while (SDL_PollEvent(&e)) continue;
        SDL_SetModState(KMOD_NONE);
        set_zoom(ed, zoom_min); // a zoomed window's surfaces are the input's: freed
        SDL_Surface* screen = SDL_GetVideoSurface();
        if (!screen || screen->w != 320 || screen->h != 320) screen = SDL_SetVideoMode(320, 320, 32, 0);
        // The pictures belong to the run, not to an input: an update may have
        // replaced them (by copies in the screen's format), so keep the live ones.
        picture_store live = ed.pictures;
        ed                 = start;
        ed.window.screen   = screen;
        ed.pictures        = live;
        // code.txt as an editor starting now reads it: an earlier input's save
        // is no other program's
        ed.files.code_on_disk = fingerprint_of(in_folder(ed.files, code_file).c_str());
    }
};

inline std::string check_editor(const editor& ed, const layout& start) {
    const layout& m       = ed.design.model;
    const input_state& in = ed.input;
    if (unsigned(m.selected) >= element_count || unsigned(in.editing) >= field_count ||
        ed.window.zoom < zoom_min || ed.window.zoom > zoom_max || unsigned(in.scale_held) > scale_minus ||
        unsigned(in.nudge_held) > nudge_up || unsigned(ed.note.shown) >= note_count ||
        unsigned(ed.note.reason) >= reason_count)
        return describe("the selection, an entry's field, the zoom or a mode out of range", m.selected,
                        ed.window.zoom);
    const int length = in.editing == field_none ? 6 : int(field_length(in.editing));
    if (in.entry_len > length) return describe("entry_len beyond its field", in.entry_len, length);
    auto ended = [](const auto& text) { return std::memchr(text, 0, sizeof text) != nullptr; };
    if (!ended(in.entry_buf)) return "the entry is not terminated";
    // no typed value, button or undo takes a scale out of its 16-bit word
    for (int k = 0; k < scale_count; k++)
        if (m.scales[k].value < 0 || m.scales[k].value > 0xFFFF)
            return describe("a scale is outside 0000-FFFF", k, m.scales[k].value);
    // the values no save keeps stay as the game has them (the selection decides which fields are looked at)
    for (int e = 0; e < element_count; e++) {
        const hud_element& el = m.elements[e];
        const scale_id k      = scale_slot_of(e);
        const color_id c      = color_slot_of(e);
        if ((never_saved(e, field_x) && el.pos.x != el.home.x) ||
            (never_saved(e, field_y) && el.pos.y != el.home.y) ||
            (never_saved(e, field_scale) && m.scales[k].value != m.scales[k].home) ||
            (never_saved(e, field_color) && std::memcmp(&m.colors[c].value, &m.colors[c].home, 3)))
            return describe("a value the game keeps fixed was changed", e);
    }
    const undo_history& h = ed.design.history;
    if (h.count < 1 || h.count > history_steps + 1 || h.at < 0 || h.at >= h.count || h.first < 0 ||
        h.first > history_steps)
        return describe("the history's ring is out of range", h.count, h.at);
    // the code view: a page it has, and nothing held under it
    if (ed.codes.shown && (ed.codes.page >= page_of_codes(code_line_count(m), 0).pages || in.dragging ||
                           in.picking_color || in.scale_held != scale_none || in.nudge_held != nudge_none))
        return describe("the code view past its pages or over a held button", ed.codes.page);
    // every finished change is a step: the layout is where the history is
    if (!change_going_on(in) && !(capture(m) == current(h))) return "a finished change was not recorded";
    return same_tables(m, start);
}

// A pass that sent no picture left the editor's 320x320 as the frame of the
// state as it is: drawn again, it is the same. (A window resized larger
// keeps whatever was drawn beyond them, every element drawn there again
// over itself.) `kept` holds the pixels before.
inline std::string check_unsent(editor& ed, std::vector<Uint8>& kept) {
    SDL_Surface* s = ed.window.screen;
    if (!s) return "";
    const int rows   = std::min(int(s->h), 320);
    const size_t row = size_t(std::min(int(s->w), 320)) * s->format->BytesPerPixel;
    kept.resize(row * rows);
    auto line = [&](int y) { return static_cast<const Uint8*>(s->pixels) + y * s->pitch; };
    for (int y = 0; y < rows; y++) std::memcpy(kept.data() + y * row, line(y), row);
    draw_frame(ed);
    for (int y = 0; y < rows; y++)
        if (std::memcmp(kept.data() + y * row, line(y), row))
            return describe("a pass sent no picture, yet what it shows had changed: row", y);
    return "";
}

// The keys worth trying most: hex digits of both kinds, letters past them, editing keys, arrows,
// modifiers, undo and redo, Tab and Ctrl+S, reset, Escape.
// clang-format off
constexpr SDLKey keys[] = {SDLK_0, SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_9, SDLK_a,
    SDLK_b, SDLK_c, SDLK_d, SDLK_e, SDLK_f, SDLK_g, SDLK_z, SDLK_KP0, SDLK_KP9, SDLK_KP5, SDLK_KP_PLUS, SDLK_RSHIFT,
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_BACKSPACE, SDLK_LSHIFT, SDLK_RETURN, SDLK_SPACE, SDLK_DELETE,
    SDLK_ESCAPE, SDLK_y, SDLK_n, SDLK_LCTRL, SDLK_CAPSLOCK, SDLK_NUMLOCK, SDLK_MODE, SDLK_TAB, SDLK_s, SDLK_r};
// Held with them: none, Shift, Ctrl (undo, redo, save, a set moved), both. The last key's are
// SDL's modifier state for the presses after it (a Ctrl drag).
constexpr SDLMod key_mods[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_LCTRL, SDLMod(KMOD_RCTRL | KMOD_RSHIFT)};
// clang-format on

// Decodes the bytes into events and editor passes, at most max_passes, after
// each of which the invariants must hold. A pass comes 45 ms after the one
// before, or (op 8, and the last one) half a second, so that held buttons repeat.
inline std::string events_one(editor_session& s, std::string_view bytes, int max_passes = 12) {
    s.reset();
    const char *p = bytes.data(), *end = p + bytes.size();
    auto byte = [&]() -> int { return p < end ? uint8_t(*p++) : 0; };
    // Mostly a place inside the window; now and then any 16-bit coordinate.
    auto coordinate = [&]() {
        int b = byte(), low = b < 255 ? 0 : byte();
        return Uint16(b < 255 ? b * 320 / 255 : low | byte() << 8);
    };
    int passes = 0;
    while (passes < max_passes) {
        int op = p < end ? byte() % 9 : 8;
        SDL_Event e{};
        // (the members of a braced list are read in their order: x before y)
        if (op <= 1) {
            const int k = byte();
            const SDLKey sym =
                k < 200 ? keys[k % std::size(keys)] : SDLKey(((k - 200) << 8 | byte()) % SDLK_LAST);
            const SDLMod mod = key_mods[k / std::size(keys) % std::size(key_mods)];
            e.key            = {Uint8(op == 0 ? SDL_KEYDOWN : SDL_KEYUP), 0, 0, {0, sym, mod, 0}};
            SDL_SetModState(mod);
        } else if (op == 2) {
            e.motion = {SDL_MOUSEMOTION, 0, 0, coordinate(), coordinate(), 0, 0};
        } else if (op <= 4) {
            const Uint8 type = op == 3 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            e.button         = {type, 0, Uint8(1 + byte() % 5), 0, coordinate(), coordinate()};
        } else if (op == 5) {
            e.type = SDL_QUIT;
        } else if (op == 6) {
            e.resize = {SDL_VIDEORESIZE, 1 + byte() * 2, 1 + byte() * 2};
        } else {                  // a pass with what is queued so far; the last one when the bytes end
            s.ed.run.running = 1; // a quit ends the program's loop; here the passes go on
            s.ed.clock.now_ms += op == 7 ? 45 : 500;
            const Uint32 sent = s.ed.window.pictures_sent;
            editor_pass(s.ed);
            passes++;
            std::string r = check_editor(s.ed, s.start.design.model);
            if (r.empty() && s.ed.window.pictures_sent == sent) r = check_unsent(s.ed, s.kept);
            if (!r.empty() || p == end) return r;
            continue;
        }
        SDL_PushEvent(&e);
    }
    return "";
}

} // namespace fuzz
