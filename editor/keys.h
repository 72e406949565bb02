// keys.h - what each key does in the editor outside an entry: one row per key
// and the modifiers it wants, read by the event drain (editor/input.cpp).
// During an entry every key is the entry's (editor/fields.h) but Escape,
// which ends the entry without taking it; outside one Escape quits, as on
// every screen. Neither is here. Shift, Ctrl and the other modifier keys
// pressed alone do nothing.
//
// A key takes the row whose key it is and whose Ctrl and Shift wants the
// key's modifiers meet (one at most: the build checks it); Alt, AltGr, Super,
// Caps Lock and Num Lock are not looked at. A key no row takes does nothing but end a run of arrow keys (one
// undo step, editor/undo.h). The README, the manual page and --help describe
// every row.
#pragma once

#include "editor/state.h"

#include <cstddef>

// What a key does; the row's argument says which way.
enum key_action {
    key_nudge,  // argument: a nudge_direction; the selected element moves a pixel, with Shift
                // shift_arrow_pixels, with Ctrl the rest of its set with it
    key_reset,  // argument: reset_element_only or reset_layout, back to the game's own values
    key_undo,   // Ctrl+Z
    key_redo,   // Ctrl+Y, Ctrl+Shift+Z
    key_select, // argument: +1 or -1, the next or previous element (as the selector)
    key_save,   // as the save button, with its note
    key_zoom,   // argument: +1 or -1, one zoom step (editor/screen.h)
    key_grid,   // G: the grid over the background shown or hidden (editor/marks.h)
};

enum reset_scope { reset_element_only, reset_layout };

// Whether a modifier must be up, must be held, or may be either.
enum modifier_want { mod_off, mod_on, mod_any };

struct key_row {
    SDLKey key;
    modifier_want ctrl, shift;
    key_action action;
    int argument;
};

constexpr int shift_arrow_pixels = 8;

// clang-format off
inline constexpr key_row key_table[] = {
// key          Ctrl     Shift    action         argument
{SDLK_LEFT,     mod_any, mod_any, key_nudge,     nudge_left},
{SDLK_RIGHT,    mod_any, mod_any, key_nudge,     nudge_right},
{SDLK_UP,       mod_any, mod_any, key_nudge,     nudge_up},
{SDLK_DOWN,     mod_any, mod_any, key_nudge,     nudge_down},
{SDLK_r,        mod_off, mod_off, key_reset,     reset_element_only},
{SDLK_r,        mod_off, mod_on,  key_reset,     reset_layout},
{SDLK_z,        mod_on,  mod_off, key_undo,      0},
{SDLK_z,        mod_on,  mod_on,  key_redo,      0},
{SDLK_y,        mod_on,  mod_any, key_redo,      0},
{SDLK_TAB,      mod_off, mod_off, key_select,    +1},
{SDLK_TAB,      mod_off, mod_on,  key_select,    -1},
{SDLK_s,        mod_on,  mod_off, key_save,      0},
// Ctrl++ is Ctrl+Shift+= on most keyboards
{SDLK_EQUALS,   mod_on,  mod_any, key_zoom,      +1},
{SDLK_PLUS,     mod_on,  mod_any, key_zoom,      +1},
{SDLK_KP_PLUS,  mod_on,  mod_any, key_zoom,      +1},
{SDLK_MINUS,    mod_on,  mod_any, key_zoom,      -1},
{SDLK_KP_MINUS, mod_on,  mod_any, key_zoom,      -1},
{SDLK_g,        mod_off, mod_any, key_grid,      0},
};
// clang-format on

constexpr bool overlap(modifier_want a, modifier_want b) {
    return a == mod_any || b == mod_any || a == b;
}
// No key with its modifiers is taken by two rows (the later one would never act).
template <std::size_t n> constexpr bool one_row_a_key(const key_row (&rows)[n]) {
    for (std::size_t i = 0; i < n; i++)
        for (std::size_t j = i + 1; j < n; j++)
            if (rows[i].key == rows[j].key && overlap(rows[i].ctrl, rows[j].ctrl) &&
                overlap(rows[i].shift, rows[j].shift))
                return false;
    return true;
}
static_assert(one_row_a_key(key_table), "a key with its modifiers in one row at most");

constexpr bool meets(modifier_want want, bool held) {
    return want == mod_any || (want == mod_on) == held;
}

// The row a key takes, or null.
constexpr const key_row* key_for(SDLKey key, SDLMod mod) {
    const bool ctrl = mod & KMOD_CTRL, shift = mod & KMOD_SHIFT;
    for (const key_row& row : key_table)
        if (row.key == key && meets(row.ctrl, ctrl) && meets(row.shift, shift)) return &row;
    return nullptr;
}
