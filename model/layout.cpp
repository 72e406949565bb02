// layout.cpp - start values of the layout model and its slot maps.
#include "model/layout.h"

#include <cstring>

void start_scales(layout& m) {
    for (int k = 0; k < scale_count; k++) m.scales[k].home = scale_homes[k];
    for (int k = 0; k < scale_count; k++) m.scales[k].value = m.scales[k].home;
}

void start_tables(layout& m) {
    std::memcpy(m.code_offsets, code_offset_table, sizeof m.code_offsets);
    for (int e = 0; e <= element_count; e++) m.element_names[e] = element_name_table[e];
}

void start_elements(layout& m) {
    for (int e = 0; e < element_count; e++) {
        m.elements[e].home = SDL_Rect{element_homes[e][0], element_homes[e][1], 0, 0};
        m.elements[e].pos  = m.elements[e].home;
    }
}

void start_colors(layout& m) {
    for (int k = 0; k < color_count; k++) {
        m.colors[k].home  = SDL_Color{color_homes[k][0], color_homes[k][1], color_homes[k][2], 0};
        m.colors[k].value = m.colors[k].home;
    }
}

void start_layout(layout& m) {
    start_scales(m);
    start_tables(m);
    start_elements(m);
    start_colors(m);
    for (auto& s : m.element_sizes) s = {0, 0};
    m.selected = 0;
}

int scale_slot_of(int element) {
    if (element >= 0 && element <= 5) return element;
    if (element >= 11 && element <= 16) return element - 5;
    return no_slot;
}

int color_slot_of(int element) {
    if (element == 0 || element == 1) return element;
    if (element >= 2 && element <= 5) return 2;
    if (element >= 6 && element <= 10) return element - 3;
    return no_slot;
}
