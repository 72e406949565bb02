// history.h - undo and redo: the layout after every finished change, kept as
// plain copies of its values in a ring, down to the layout the editor opened
// with (or, after more than history_steps changes, the oldest one kept).
//
// It holds no rules of what a change is: the editor records when a drag, a
// held button, a typed value, a colour pick or a run of arrow keys has ended.
// Homes, sizes and the pictures are not part of it.
//
//   undo_history h;
//   start_history(h, m);     // the bottom
//   ... m changes ...
//   record(h, m);            // one step (false: m is as recorded)
//   undo(h, m);              // m as before the step, its element selected
//   redo(h, m);              // and back
#pragma once

#include "model/layout.h"

// Steps that can be undone, beyond the bottom.
constexpr int history_steps = 200;

// Every value of a layout that the user edits.
struct layout_values {
    Sint16 x[element_count], y[element_count];
    int32_t scale[scale_count];
    Uint8 rgb[color_count][3];
    bool operator==(const layout_values&) const = default;
};

struct history_entry {
    layout_values values;
    int32_t selected; // the element selected when the step was recorded
};

struct undo_history {
    history_entry entries[history_steps + 1]; // a ring: the oldest at first
    int first;                                // where the oldest entry is
    int count;                                // entries kept, 1 to history_steps + 1
    int at;                                   // the entry the layout is at, 0 (the oldest) to count - 1
};

layout_values capture(const layout& m);
// Sets m's values (not its homes, sizes or selection).
void restore(const layout_values& v, layout& m);

// The history holds m alone.
void start_history(undo_history& h, const layout& m);
// The values the layout is at.
const layout_values& current(const undo_history& h);
// When m's values differ from the current entry, they become a new step
// after it; the steps that could be redone are dropped, and the oldest when
// the ring is full. False when there was nothing to record.
bool record(undo_history& h, const layout& m);
// The values before the current step; the element that step changed becomes
// selected. False (m untouched) at the bottom.
bool undo(undo_history& h, layout& m);
// The step undone last is made again, its element selected. False (m
// untouched) when there is none.
bool redo(undo_history& h, layout& m);
