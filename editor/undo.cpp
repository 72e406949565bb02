// undo.cpp - the editor's undo steps over the history ring.
#include "editor/undo.h"

#include "editor/state.h"

bool change_going_on(const editor& ed) {
    return ed.dragging || ed.picking_color || ed.scale_held != scale_none || ed.nudge != nudge_none ||
           ed.arrow_run;
}

void record_change(editor& ed) {
    if (!change_going_on(ed)) record(ed.history, ed.model);
}

// Recorded at once: a press that ends the run may begin a drag or hold a
// button, which would otherwise make one step of the run and itself.
void end_arrow_run(editor& ed) {
    if (!ed.arrow_run) return;
    ed.arrow_run = false;
    record_change(ed);
}

// The set of a Ctrl drag stops following: its corners at the press no longer
// hold once the layout has changed under the drag.
void end_change(editor& ed) {
    ed.arrow_run = false;
    ed.drag_set  = false;
    record(ed.history, ed.model);
}

void undo_change(editor& ed) {
    end_change(ed);
    undo(ed.history, ed.model);
}

void redo_change(editor& ed) {
    end_change(ed);
    redo(ed.history, ed.model);
}
