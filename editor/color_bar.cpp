// color_bar.cpp - the colour bar's per-pass pick step.
#include "editor/color_bar.h"

#include "editor/panel.h"
#include "editor/value_texts.h"
#include "model/color_walk.h"

void color_pick_step(editor& ed) {
    if (ed.picking_color == pick_idle) return;
    int k = color_slot_of(ed.model.selected);
    if (ed.picking_color == pick_held && k != no_slot) {
        rgb c           = color_walk(static_cast<int>(ed.pointer_x) - panel_table[ctl_color_bar].box.x0);
        SDL_Color& slot = ed.model.colors[k].value;
        slot.r          = static_cast<Uint8>(c.r);
        slot.g          = static_cast<Uint8>(c.g);
        slot.b          = static_cast<Uint8>(c.b);
    }
    refresh_color_text(ed);
    refresh_x_text(ed);
    refresh_y_text(ed);
    if (ed.picking_color == pick_refresh) ed.picking_color = pick_idle;
}
