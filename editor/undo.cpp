// undo.cpp - the editor's undo steps over the history ring.
#include "editor/undo.h"

#include "editor/state.h"

bool change_going_on(const editor& ed) {
    return ed.input.dragging || ed.input.picking_color || ed.input.scale_held != scale_none ||
           ed.input.nudge_held != nudge_none || ed.input.arrow_run;
}

void record_change(editor& ed) {
    if (!change_going_on(ed)) record(ed.design.history, ed.design.model);
}

// Recorded at once: a press that ends the run may begin a drag or hold a
// button, which would otherwise make one step of the run and itself.
void end_arrow_run(editor& ed) {
    if (!ed.input.arrow_run) return;
    ed.input.arrow_run = false;
    record_change(ed);
}

// The set of a Ctrl drag stops following: its corners at the press no longer
// hold once the layout has changed under the drag.
void end_change(editor& ed) {
    ed.input.arrow_run = false;
    ed.input.drag_set  = false;
    record(ed.design.history, ed.design.model);
}

void undo_change(editor& ed) {
    end_change(ed);
    undo(ed.design.history, ed.design.model);
}

void redo_change(editor& ed) {
    end_change(ed);
    redo(ed.design.history, ed.design.model);
}
