// keys.h - what each key does in the editor outside an entry: one row per key
// and the modifiers it wants, read by the event drain (editor/input.cpp).
// During an entry every key is the entry's (editor/fields.h) but Escape,
// which ends the entry without taking it; while the code view shows, the
// view's (editor/code_view.h); elsewhere Escape quits, as on every screen.
// None of that is here. Shift, Ctrl and the other modifier keys
// pressed alone do nothing.
//
// A key takes the row whose key it is and whose Ctrl and Shift wants the
// key's modifiers meet (one at most: the build checks it); Alt, AltGr, Super,
// Caps Lock and Num Lock are not looked at. A key no row takes does nothing but end a run of arrow keys (one
// undo step, editor/undo.h).
//
// Each row also carries what the user reads of it: the key's name and a few
// words. --help prints them (program/options.cpp: rows in a row with the same
// words on one line), and the manual (docs/manual.adoc) must name every row
// as kbd:[LABEL], its label_of below, or a test fails.
#pragma once

#include "editor/state.h"

#include <cstddef>
#include <cstdio>

// What a key does; the row's argument says which way.
enum key_action {
    key_nudge,  // argument: a nudge_direction; the selected element moves a pixel, with Shift
                // shift_arrow_pixels, with Ctrl the rest of its set with it
    key_reset,  // argument: reset_element_only or reset_layout, back to the game's own values
    key_undo,   // Ctrl+Z
    key_redo,   // Ctrl+Y, Ctrl+Shift+Z
    key_select, // argument: +1 or -1, the next or previous element (as the selector)
    key_save,   // as the save button, with its note
    key_zoom,   // argument: +1 or -1, one zoom step (editor/window.h)
    key_codes,  // the code view over the preview; while it shows, its next page (editor/code_view.h)
    key_copy,   // the lines a save would write, onto the system's clipboard (editor/clipboard.h)
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
    const char* name;  // the key as its cap reads, without the modifiers: "Left", "Z", "Keypad +"
    const char* words; // what it does, for --help: rows in a row with the same words share one line
};

constexpr int shift_arrow_pixels = 8;

inline constexpr const char nudge_words[] =
    "move the selected element one pixel that way; with Shift, eight; with Ctrl, its whole set "
    "(its button, icon and number), as a drag begun with Ctrl held does";
inline constexpr const char zoom_in_words[] = "zoom the window in, as far as it fits the screen";

// clang-format off
inline constexpr key_row key_table[] = {
// key          Ctrl     Shift    action      argument            name        words
{SDLK_LEFT,     mod_any, mod_any, key_nudge,  nudge_left,         "Left",     nudge_words},
{SDLK_RIGHT,    mod_any, mod_any, key_nudge,  nudge_right,        "Right",    nudge_words},
{SDLK_UP,       mod_any, mod_any, key_nudge,  nudge_up,           "Up",       nudge_words},
{SDLK_DOWN,     mod_any, mod_any, key_nudge,  nudge_down,         "Down",     nudge_words},
{SDLK_r,        mod_off, mod_off, key_reset,  reset_element_only, "R",        "put the selected element back to the game's own"},
{SDLK_r,        mod_off, mod_on,  key_reset,  reset_layout,       "R",        "put the whole layout back to the game's own"},
{SDLK_z,        mod_on,  mod_off, key_undo,   0,                  "Z",        "undo"},
{SDLK_z,        mod_on,  mod_on,  key_redo,   0,                  "Z",        "redo"},
{SDLK_y,        mod_on,  mod_any, key_redo,   0,                  "Y",        "redo"},
{SDLK_TAB,      mod_off, mod_off, key_select, +1,                 "Tab",      "select the next element"},
{SDLK_TAB,      mod_off, mod_on,  key_select, -1,                 "Tab",      "select the previous element"},
{SDLK_s,        mod_on,  mod_off, key_save,   0,                  "S",        "save code.txt and code.cht, as the save button"},
// Ctrl++ is Ctrl+Shift+= on most keyboards
{SDLK_EQUALS,   mod_on,  mod_any, key_zoom,   +1,                 "=",        zoom_in_words},
{SDLK_PLUS,     mod_on,  mod_any, key_zoom,   +1,                 "+",        zoom_in_words},
{SDLK_KP_PLUS,  mod_on,  mod_any, key_zoom,   +1,                 "Keypad +", zoom_in_words},
{SDLK_MINUS,    mod_on,  mod_any, key_zoom,   -1,                 "-",        "zoom the window out"},
{SDLK_KP_MINUS, mod_on,  mod_any, key_zoom,   -1,                 "Keypad -", "zoom the window out"},
// C shows the code view; Ctrl+C copies, and so does Ctrl+Shift+C, as in a terminal
{SDLK_c,        mod_off, mod_any, key_codes,  0,                  "C",        "show the codes a save writes, a page at a time (C again: the next page)"},
{SDLK_c,        mod_on,  mod_any, key_copy,   0,                  "C",        "copy the codes a save writes to the clipboard"},
{SDLK_g,        mod_off, mod_any, key_grid,   0,                  "G",        "show or hide the grid"},
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

// What the user presses for a row, as --help and the manual write it: the
// modifiers the row wants held, then its name ("Ctrl+Shift+Z"); a modifier
// the row takes either way is not named.
struct key_label {
    char s[32];
};
inline key_label label_of(const key_row& row) {
    key_label l{};
    std::snprintf(l.s, sizeof l.s, "%s%s%s", row.ctrl == mod_on ? "Ctrl+" : "",
                  row.shift == mod_on ? "Shift+" : "", row.name);
    return l;
}

// The row a key takes, or null.
constexpr const key_row* key_for(SDLKey key, SDLMod mod) {
    const bool ctrl = mod & KMOD_CTRL, shift = mod & KMOD_SHIFT;
    for (const key_row& row : key_table)
        if (row.key == key && meets(row.ctrl, ctrl) && meets(row.shift, shift)) return &row;
    return nullptr;
}
