// undo.cpp - the editor's undo steps over the history ring.
#include "editor/undo.h"

#include "editor/state.h"

bool change_going_on(const input_state& input) {
    return input.dragging || input.picking_color || input.scale_held != scale_none ||
           input.nudge_held != nudge_none || input.arrow_run;
}

void record_change(design_state& design, const input_state& input) {
    if (!change_going_on(input)) record(design.history, design.model);
}

// Recorded at once: a press that ends the run may begin a drag or hold a
// button, which would otherwise make one step of the run and itself.
void end_arrow_run(design_state& design, input_state& input) {
    if (!input.arrow_run) return;
    input.arrow_run = false;
    record_change(design, input);
}

// The set of a Ctrl drag stops following: its corners at the press no longer
// hold once the layout has changed under the drag.
void end_change(design_state& design, input_state& input) {
    input.arrow_run = false;
    input.drag_set  = false;
    record(design.history, design.model);
}

void undo_change(design_state& design, input_state& input) {
    end_change(design, input);
    undo(design.history, design.model);
}

void redo_change(design_state& design, input_state& input) {
    end_change(design, input);
    redo(design.history, design.model);
}
