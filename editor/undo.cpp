// undo.cpp - the editor's undo steps over the history ring.
#include "editor/undo.h"

#include "editor/state.h"

namespace {

// A change going on is cut off where it is: it becomes a step of its own.
void end_change(editor& ed) {
    ed.arrow_run = false;
    record(ed.history, ed.model);
}

} // namespace

bool change_going_on(const editor& ed) {
    return ed.dragging || ed.picking_color || ed.scale_held != scale_none || ed.nudge != nudge_none ||
           ed.arrow_run;
}

void record_change(editor& ed) {
    if (!change_going_on(ed)) record(ed.history, ed.model);
}

void end_arrow_run(editor& ed) {
    ed.arrow_run = false;
}

void undo_change(editor& ed) {
    end_change(ed);
    undo(ed.history, ed.model);
}

void redo_change(editor& ed) {
    end_change(ed);
    redo(ed.history, ed.model);
}
