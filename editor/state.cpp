// state.cpp - the editor loop's start state.
#include "editor/state.h"

void start_editor_state(editor& ed) {
    ed.model.selected = el_a_button;
    ed.picking_color  = pick_refresh;  // the first pass fills the colour and position texts
    ed.scale_button   = scale_refresh; // and the scale text
    ed.editing        = field_none;
}
