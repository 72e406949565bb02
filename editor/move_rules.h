// move_rules.h - how far a move takes elements, for the drag and for the
// arrow keys and X/Y buttons alike:
//
// - a value that no line of code.txt can hold (the Hearts' place; see
//   never_saved, editor/fields.h) is not moved: the game draws it where it
//   always does. A try shows the panel's note_fixed_value for a while instead.
// - a set moved whole (Ctrl) moves by one offset or not at all: the offset
//   stops where any drawn member would pass the window's left or top edge
//   (where the update would hold that one alone) or where any member's corner
//   would leave its 16-bit coordinate, so that the set keeps its shape.
// - an element moved alone goes where it is taken (the update holds it at
//   the edge; a coordinate wraps round at 16 bits).
//
// Not here: where the pointer or a key wants the element (editor/input.cpp,
// editor/update.cpp), snapping (editor/snap.h).
#pragma once

#include "editor/fields.h"
#include "model/elements.h"

#include <SDL.h>
#include <cstdint>

struct editor;

struct move_result {
    int64_t dx, dy;   // the offset taken
    bool fixed_tried; // an axis the game keeps fixed was asked to move
};

// Element e - with whole_set the rest of its set too - from the corners
// from[] (one per element) by (dx, dy), within the rules above; each mover's
// corner on an axis that moves becomes from + the offset taken.
move_result move_elements(editor& ed, int e, bool whole_set, const SDL_Rect (&from)[element_count],
                          int64_t dx, int64_t dy);

// Whether field f of the selected element holds a value the game keeps fixed;
// if so, the panel says so for a while (true: leave the value alone).
bool refuse_fixed(editor& ed, value_field f);
