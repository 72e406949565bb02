// color_bar.cpp - the colour bar's pick and its per-pass step.
#include "editor/color_bar.h"

#include "editor/panel.h"
#include "editor/value_texts.h"
#include "model/color_walk.h"

namespace {

void refresh_texts(editor& ed) {
    refresh_color_text(ed);
    refresh_x_text(ed);
    refresh_y_text(ed);
}

} // namespace

void pick_color(editor& ed) {
    const int k = color_slot_of(ed.model.selected);
    if (k != no_slot) {
        rgb c           = color_walk(static_cast<int>(ed.pointer_x) - panel_table[ctl_color_bar].box.x0);
        SDL_Color& slot = ed.model.colors[k].value;
        slot.r          = static_cast<Uint8>(c.r);
        slot.g          = static_cast<Uint8>(c.g);
        slot.b          = static_cast<Uint8>(c.b);
    }
    refresh_texts(ed);
}

void color_pick_step(editor& ed) {
    switch (ed.picking_color) {
    case pick_held: pick_color(ed); break;
    case pick_refresh:
        refresh_texts(ed);
        ed.picking_color = pick_idle;
        break;
    default: break;
    }
}
