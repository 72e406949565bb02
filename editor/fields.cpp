// fields.cpp - the value fields' texts and the typed entry.
#include "editor/fields.h"

#include "model/codes.h"
#include "model/hex.h"

#include <cstring>

namespace {

field_string hex_field(uint32_t value, uint8_t width) {
    field_string t{};
    std::memcpy(t.s, hex_string(value, width).s, width + 1u);
    return t;
}

// A coordinate's 16-bit pattern.
uint32_t pattern(Sint16 coordinate) {
    return static_cast<uint16_t>(coordinate);
}

// The value the field shows for the selected element.
field_string value_text(const layout& m, value_field f) {
    const SDL_Rect& pos = m.elements[m.selected].pos;
    switch (f) {
    case field_x: return hex_field(pattern(pos.x), 4);
    case field_y: return hex_field(pattern(pos.y), 4);
    case field_scale:
        if (const scale_id k = scale_slot_of(m.selected); k != no_scale)
            return hex_field(static_cast<uint32_t>(m.scales[k].value), 4);
        return {};
    case field_color:
        if (const color_id k = color_slot_of(m.selected); k != no_color) {
            const SDL_Color& c = m.colors[k].value;
            return hex_field((uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b, 6);
        }
        return {};
    default: return {};
    }
}

// Whether the selected element has the value a field shows: x and y always,
// a scale or colour only with a slot of its own.
bool field_exists(const layout& m, value_field f) {
    switch (f) {
    case field_x:
    case field_y: return true;
    case field_scale: return scale_slot_of(m.selected) != no_scale;
    case field_color: return color_slot_of(m.selected) != no_color;
    default: return false;
    }
}

// The character a key stores in an entry, or 0 for a key that stores nothing.
char hex_key(SDLKey k) {
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<char>('0' + (k - SDLK_0));
    if (k >= SDLK_KP0 && k <= SDLK_KP9) return static_cast<char>('0' + (k - SDLK_KP0));
    if (k >= SDLK_a && k <= SDLK_f) return static_cast<char>('A' + (k - SDLK_a));
    return 0;
}

// What has been typed: the entry's places up to its first terminator.
field_string entry_text(const input_state& input) {
    field_string t{};
    if (input.entry_len > 0) std::memcpy(t.s, input.entry_buf, field_length(input.editing));
    return t;
}

// A completed entry goes into the selected element's current value.
void apply_entry(layout& m, value_field f, int32_t v) {
    SDL_Rect& pos = m.elements[m.selected].pos;
    switch (f) {
    case field_color:
        if (const color_id k = color_slot_of(m.selected); k != no_color) {
            const uint32_t u  = static_cast<uint32_t>(v);
            m.colors[k].value = SDL_Color{static_cast<Uint8>(u >> 16), static_cast<Uint8>(u >> 8),
                                          static_cast<Uint8>(u), m.colors[k].value.unused};
        }
        return;
    case field_scale:
        if (const scale_id k = scale_slot_of(m.selected); k != no_scale) m.scales[k].value = v;
        return;
    case field_x: pos.x = wrap16(v); return;
    case field_y: pos.y = wrap16(v); return;
    default: return;
    }
}

} // namespace

field_string field_text(const input_state& input, const layout& m, value_field f) {
    return f == input.editing ? entry_text(input) : value_text(m, f);
}

bool field_never_saved(const layout& m, value_field f) {
    return never_saved(m.selected, f);
}

bool never_saved(int e, value_field f) {
    if (e < 0 || e >= element_count) return false;
    switch (f) {
    case field_x: return !saved_in_code(code_x, e);
    case field_y: return !saved_in_code(code_y, e);
    case field_scale: {
        const scale_id k = scale_slot_of(e);
        return k != no_scale && !saved_in_code(code_scale, k);
    }
    case field_color: {
        const color_id k = color_slot_of(e);
        return k != no_color &&
               !(saved_in_code(code_red, k) && saved_in_code(code_green, k) && saved_in_code(code_blue, k));
    }
    default: return false;
    }
}

unsigned field_length(value_field f) {
    return f == field_color ? 6u : 4u;
}

int caret_place(const input_state& input, value_field f) {
    return f != field_none && f == input.editing ? input.entry_len : -1;
}

// The entry buffer keeps its bytes from the last entry; only the count restarts.
void start_entry(input_state& input, const layout& m, value_field f) {
    end_entry(input);
    if (!field_exists(m, f)) return;
    input.editing   = f;
    input.entry_len = 0;
}

void entry_key(input_state& input, layout& m, SDLKey k) {
    const value_field f = input.editing;
    const unsigned len  = field_length(f);
    if (f == field_none) return;
    if (k == SDLK_BACKSPACE) {
        if (input.entry_len == 0) return; // nothing to take back
        input.entry_len--;
        input.entry_buf[input.entry_len] = '\0';
        return;
    }
    if (input.entry_len >= len) return; // a full entry has already completed
    if (const char c = hex_key(k)) input.entry_buf[input.entry_len] = c;
    input.entry_buf[input.entry_len + 1] = '\0';
    input.entry_len++;
    if (input.entry_len == len) {
        const field_string typed = entry_text(input);
        input.editing            = field_none;
        apply_entry(m, f, hex_value(typed.s));
    }
}

void end_entry(input_state& input) {
    input.editing = field_none;
}
