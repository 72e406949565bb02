// layout.cpp - start values of the layout model, and the way back to them.
#include "model/layout.h"

void start_scales(layout& m) {
    for (int k = 0; k < scale_count; k++) m.scales[k] = {scale_table[k].home, scale_table[k].home};
}

void start_elements(layout& m) {
    for (int e = 0; e < element_count; e++) {
        m.elements[e].home = SDL_Rect{element_table[e].home_x, element_table[e].home_y, 0, 0};
        m.elements[e].pos  = m.elements[e].home;
    }
}

void start_colors(layout& m) {
    for (int k = 0; k < color_count; k++) {
        const color_row& c = color_table[k];
        m.colors[k].home   = SDL_Color{c.r, c.g, c.b, 0};
        m.colors[k].value  = m.colors[k].home;
    }
}

void start_layout(layout& m) {
    start_scales(m);
    start_elements(m);
    start_colors(m);
    for (auto& s : m.element_sizes) s = {0, 0};
    m.selected = el_a_button;
}

void reset_element(layout& m, int e) {
    if (e < 0 || e >= element_count) return;
    m.elements[e].pos = m.elements[e].home;
    if (const scale_id k = scale_slot_of(e); k != no_scale) {
        m.scales[k].value = m.scales[k].home;
        if (const scale_id p = scale_table[k].partner; p != no_scale) m.scales[p].value = m.scales[p].home;
    }
    if (const color_id k = color_slot_of(e); k != no_color) m.colors[k].value = m.colors[k].home;
}

void reset_values(layout& m) {
    for (hud_element& el : m.elements) el.pos = el.home;
    for (scale_slot& k : m.scales) k.value = k.home;
    for (color_slot& k : m.colors) k.value = k.home;
}
