// undo.h - what one undo step is in the editor, on top of the history ring
// (history.h): a change is recorded once it has ended - a drag or a held
// button at its release, a typed value at its last key, a run of arrow keys
// at the next other key or press - so that each of them is one step, and
// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) go back and forth over the steps.
#pragma once

struct design_state;
struct input_state;

// A drag, a held colour bar, X, Y or Scale button, or a run of arrow keys
// still going on.
bool change_going_on(const input_state& input);
// The layout becomes a step of its own, unless a change is still going on or
// nothing changed. The update calls it at the end of every pass.
void record_change(design_state& design, const input_state& input);
// Ends a run of arrow keys: it is a step of its own (unless a drag or a held
// button it came during is still going on).
void end_arrow_run(design_state& design, input_state& input);
// A change going on is cut off where it is and becomes a step of its own
// (a drag goes on as a new change, with the element alone). A key that
// changes the layout at once (R, Shift+R) calls it before and after its
// change, so that the change is one step by itself.
void end_change(design_state& design, input_state& input);
// Ctrl+Z and Ctrl+Y: whatever has changed is recorded first (a drag, a held
// button or a run of arrow keys ends there), then the layout goes one step
// back or forth; the element that step changed becomes selected and all four
// value texts show it. Nothing happens at either end of the history.
void undo_change(design_state& design, input_state& input);
void redo_change(design_state& design, input_state& input);
