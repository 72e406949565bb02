// codes.cpp - reading and setting the value a code entry names.
#include "model/codes.h"

namespace {

uint8_t channel(const SDL_Color& c, code_kind kind) {
    return kind == code_red ? c.r : kind == code_green ? c.g : c.b;
}

uint32_t value_of(const layout& m, const code_entry& c, bool home) {
    switch (c.kind) {
    case code_x: {
        const hud_element& el = m.elements[c.index];
        return static_cast<uint16_t>(home ? el.home.x : el.pos.x);
    }
    case code_y: {
        const hud_element& el = m.elements[c.index];
        return static_cast<uint16_t>(home ? el.home.y : el.pos.y);
    }
    case code_scale: {
        const scale_slot& s = m.scales[c.index];
        return static_cast<uint32_t>(home ? s.home : s.value);
    }
    case code_red:
    case code_green:
    case code_blue: {
        const color_slot& s = m.colors[c.index];
        return channel(home ? s.home : s.value, c.kind);
    }
    }
    return 0;
}

} // namespace

uint32_t code_value(const layout& m, const code_entry& c) {
    return value_of(m, c, false);
}

uint32_t code_home(const layout& m, const code_entry& c) {
    return value_of(m, c, true);
}

void set_code_value(layout& m, const code_entry& c, uint32_t value) {
    switch (c.kind) {
    case code_x: m.elements[c.index].pos.x = wrap16(value & 0xFFFFu); return;
    case code_y: m.elements[c.index].pos.y = wrap16(value & 0xFFFFu); return;
    case code_scale: m.scales[c.index].value = static_cast<int32_t>(value & 0xFFFFu); return;
    case code_red: m.colors[c.index].value.r = static_cast<Uint8>(value & 0xFFu); return;
    case code_green: m.colors[c.index].value.g = static_cast<Uint8>(value & 0xFFu); return;
    case code_blue: m.colors[c.index].value.b = static_cast<Uint8>(value & 0xFFu); return;
    }
}
