// history.cpp - the undo ring.
#include "editor/history.h"

namespace {

constexpr int ring_size = history_steps + 1;

history_entry& entry(undo_history& h, int i) {
    return h.entries[(h.first + i) % ring_size];
}
const history_entry& entry(const undo_history& h, int i) {
    return h.entries[(h.first + i) % ring_size];
}

} // namespace

layout_values capture(const layout& m) {
    layout_values v{};
    for (int e = 0; e < element_count; e++) {
        v.x[e] = m.elements[e].pos.x;
        v.y[e] = m.elements[e].pos.y;
    }
    for (int k = 0; k < scale_count; k++) v.scale[k] = m.scales[k].value;
    for (int k = 0; k < color_count; k++) {
        const SDL_Color& c = m.colors[k].value;
        v.rgb[k][0]        = c.r;
        v.rgb[k][1]        = c.g;
        v.rgb[k][2]        = c.b;
    }
    return v;
}

void restore(const layout_values& v, layout& m) {
    for (int e = 0; e < element_count; e++) {
        m.elements[e].pos.x = v.x[e];
        m.elements[e].pos.y = v.y[e];
    }
    for (int k = 0; k < scale_count; k++) m.scales[k].value = v.scale[k];
    for (int k = 0; k < color_count; k++) {
        SDL_Color& c = m.colors[k].value;
        c.r          = v.rgb[k][0];
        c.g          = v.rgb[k][1];
        c.b          = v.rgb[k][2];
    }
}

void start_history(undo_history& h, const layout& m) {
    h.first               = 0;
    h.count               = 1;
    h.at                  = 0;
    h.entries[0].values   = capture(m);
    h.entries[0].selected = m.selected;
}

const layout_values& current(const undo_history& h) {
    return entry(h, h.at).values;
}

bool record(undo_history& h, const layout& m) {
    const layout_values now = capture(m);
    if (now == current(h)) return false;
    h.count = h.at + 1; // what could be redone is gone
    if (h.count == ring_size) {
        h.first = (h.first + 1) % ring_size;
        h.count--;
    }
    h.at              = h.count++;
    history_entry& to = entry(h, h.at);
    to.values         = now;
    to.selected       = m.selected;
    return true;
}

bool undo(undo_history& h, layout& m) {
    if (h.at == 0) return false;
    const int32_t changed = entry(h, h.at).selected;
    h.at--;
    restore(entry(h, h.at).values, m);
    m.selected = changed;
    return true;
}

bool redo(undo_history& h, layout& m) {
    if (h.at + 1 >= h.count) return false;
    h.at++;
    restore(entry(h, h.at).values, m);
    m.selected = entry(h, h.at).selected;
    return true;
}
