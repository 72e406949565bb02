// codes.cpp - the code table, derived from the element and slot tables.
#include "model/codes.h"

namespace {

std::array<code_entry, code_count> make_code_table() {
    std::array<code_entry, code_count> t{};
    int n     = 0;
    auto push = [&](int32_t offset, code_kind kind, int index, code_section s) {
        if (n < code_count) t[n++] = {offset, kind, index, s};
    };
    for (int e = 0; e < element_count; e++)
        if (in_first_section(element_id(e))) {
            push(element_table[e].first.x, code_x, e, section_a);
            push(element_table[e].first.y, code_y, e, section_a);
        }
    for (int e = 0; e < element_count; e++)
        if (element_table[e].group == group_button && element_table[e].scale_slot != no_slot)
            push(scale_table[element_table[e].scale_slot].offset, code_scale, element_table[e].scale_slot,
                 section_b);
    for (int e = 0; e < element_count; e++)
        if (in_second_section(element_id(e))) {
            push(element_table[e].second.x, code_x, e, section_c);
            push(element_table[e].second.y, code_y, e, section_c);
        }
    for (int e = 0; e < element_count; e++)
        if (element_table[e].group == group_icon && element_table[e].scale_slot != no_slot)
            push(scale_table[element_table[e].scale_slot].offset, code_scale, element_table[e].scale_slot,
                 section_d);
    for (int k : color_code_order)
        for (int ch = 0; ch < 3; ch++)
            push(color_table[k].offsets[ch], code_kind(code_red + ch), k, section_e);
    return t;
}

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
    default: {
        const color_slot& s = m.colors[c.index];
        return channel(home ? s.home : s.value, c.kind);
    }
    }
}

} // namespace

const std::array<code_entry, code_count> code_table = make_code_table();

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
    default: {
        SDL_Color& v                                                  = m.colors[c.index].value;
        (c.kind == code_red ? v.r : c.kind == code_green ? v.g : v.b) = static_cast<Uint8>(value & 0xFFu);
        return;
    }
    }
}
