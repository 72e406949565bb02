// value_texts.cpp - the panel's value texts from the model.
#include "editor/value_texts.h"

#include "draw/hex.h"

#include <cstring>

namespace {

void copy_hex(char* text, uint32_t value, uint8_t width) {
    hex_text t = hexstring(value, width);
    std::memcpy(text, t.s, width + 1u);
}

uint32_t sign_extended(Sint16 coordinate) {
    return static_cast<uint32_t>(static_cast<int32_t>(coordinate));
}

} // namespace

void refresh_x_text(editor& ed) {
    copy_hex(ed.x_text, sign_extended(ed.model.elements[ed.model.selected].pos.x), 4);
}

void refresh_y_text(editor& ed) {
    copy_hex(ed.y_text, sign_extended(ed.model.elements[ed.model.selected].pos.y), 4);
}

void refresh_scale_text(editor& ed) {
    int k = scale_slot_of(ed.model.selected);
    if (k == no_slot) {
        ed.scale_text[0] = '\0';
        return;
    }
    copy_hex(ed.scale_text, static_cast<uint32_t>(ed.model.scales[k].value), 4);
}

void refresh_color_text(editor& ed) {
    int k = color_slot_of(ed.model.selected);
    if (k == no_slot) {
        ed.color_text[0] = '\0';
        return;
    }
    const SDL_Color& c = ed.model.colors[k].value;
    copy_hex(ed.color_text, (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b, 6);
}

void refresh_value_texts(editor& ed) {
    refresh_x_text(ed);
    refresh_y_text(ed);
    refresh_scale_text(ed);
    refresh_color_text(ed);
}

void refresh_field_text(editor& ed, value_field f) {
    switch (f) {
    case field_color: refresh_color_text(ed); return;
    case field_scale: refresh_scale_text(ed); return;
    case field_x: refresh_x_text(ed); return;
    case field_y: refresh_y_text(ed); return;
    default: return;
    }
}
