// fields.h - the panel's four value fields: what each shows, and the entry
// typed into one of them.
//
// A field shows the selected element's value as the layout holds it now -
// what a save would write - formatted when the panel is drawn: x and y as
// four hex digits of their 16-bit pattern (-1 shows as FFFF), the scale as
// four digits of its low 16 bits, the colour as RRGGBB. A field the element
// does not have (its scale or colour) is empty. Only while an entry is typed
// does the field show the entry instead, and a caret after it.
//
// An entry: a press on a field starts it with an empty text; each key takes
// the next place - a hex digit is stored, Backspace takes one back, any other
// key takes its place without storing anything (the byte there stays as it
// was, which after a typed digit is the terminator) - and when all places are
// taken (RRGGBB or four digits) the text is read as hex into the value. An
// entry that ends before it is complete applies nothing.
#pragma once

#include "editor/state.h" // value_field, field_string

#include <SDL.h>

// What value field f shows: the entry being typed into it, else the
// selected element's value in m.
field_string field_text(const input_state& input, const layout& m, value_field f);
// Whether the value field f shows for an element has no place in the game's
// memory, so that no save keeps it (saved_in_code, model/codes.h): the
// Hearts' X, Y and colour, the Rupee Number's colour, the C-Up Button's and
// C-Up Icon's scale. The editor leaves such a value as the game has it
// (editor/move_rules.h), and the panel strikes its field through. A field
// the element does not have (empty) is not marked.
bool never_saved(int element, value_field f);
// The same for the selected element.
bool field_never_saved(const layout& m, value_field f);
// Characters an entry takes to complete: RRGGBB or four hex digits.
unsigned field_length(value_field f);
// Where the caret stands in field f: after this many places (the places a key
// that stores nothing took included), or -1 when f is not being typed into.
int caret_place(const input_state& input, value_field f);

// A press on a value field: its entry starts (any other one ends); on a field
// the selected element does not have, none does.
void start_entry(input_state& input, const layout& m, value_field f);
// A key during an entry (Escape and modifier keys are not given to it); the
// entry's last key sets the value in m.
void entry_key(input_state& input, layout& m, SDLKey k);
// The entry ends without taking what was typed.
void end_entry(input_state& input);
