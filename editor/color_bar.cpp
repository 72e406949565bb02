// color_bar.cpp - the colour bar's pick and its per-pass step.
#include "editor/color_bar.h"
#include "editor/state.h"

#include "editor/panel.h"
#include "model/color_walk.h"

void pick_color(layout& m, const input_state& input) {
    const color_id k = color_slot_of(m.selected);
    if (k != no_color) {
        rgb c           = color_walk(static_cast<int>(input.pointer_x) - panel_table[ctl_color_bar].box.x);
        SDL_Color& slot = m.colors[k].value;
        slot.r          = static_cast<Uint8>(c.r);
        slot.g          = static_cast<Uint8>(c.g);
        slot.b          = static_cast<Uint8>(c.b);
    }
}

void color_pick_step(layout& m, const input_state& input) {
    if (input.picking_color) pick_color(m, input);
}
