// panel.h - the control panel below the preview: every control once, with
// the box where a press counts, what is drawn there, and what a press does.
// Hit testing, drawing, the tests and the end-to-end scripts (through
// tools/print_layout) all read this table; the manual (docs/manual.adoc)
// describes every row, or manual_test fails.
//
// Boxes are the editor's pixels, SDL rectangles tested with inside() (left
// and top edges count); most reach one pixel right of and below what is
// drawn there. A sign box is one 7-pixel glyph of font 1 and the column after
// it, 17 rows high.
#pragma once

#include "draw/text.h"
#include "editor/fields.h"
#include "editor/state.h"
#include "model/table_check.h"

#include <string>

enum panel_control {
    ctl_save,
    ctl_color_bar,
    ctl_scale_minus,
    ctl_scale_plus,
    ctl_x_minus,
    ctl_x_plus,
    ctl_y_minus,
    ctl_y_plus,
    ctl_color_field,
    ctl_scale_field,
    ctl_x_field,
    ctl_y_field,
    ctl_selector_minus,
    ctl_selector_plus,
    control_count
};

// When in a press a control is tested: the save button first (the press goes
// on), then the panel (the first hit acts; a press on none of them ends
// every edit), then the selector row and the preview.
enum press_stage { stage_save, stage_panel, stage_selector };

// What a press on a control does; the row's argument says which way or field.
enum press_action {
    press_save,       // writes code.txt
    press_pick_color, // the colour follows the pointer while held
    press_scale,      // argument: scale_plus or scale_minus
    press_nudge,      // argument: a nudge_direction
    press_edit,       // argument: the value_field to type into
    press_select,     // argument: +1 or -1, the next or previous element
};

// What stands at a control: a built-in picture, a sign of font 1, or a white
// value field with its text in font 0.
enum panel_drawing { draw_picture, draw_sign, draw_field };

// When it is drawn: under a background taller than the preview, over it, or
// after the elements (over anything moved into the panel).
enum panel_layer { layer_under_background, layer_over_background, layer_top };

struct panel_row {
    panel_control control;
    const char* name; // as tools/print_layout prints it; the manual's anchor is [[panel-NAME]]
    SDL_Rect box;     // where a press counts
    press_stage stage;
    press_action action;
    int argument;
    panel_drawing drawing;
    panel_layer layer;
    SDL_Rect at;        // where it is drawn (w and h: a field's white area)
    picture_id picture; // draw_picture
    const char* sign;   // draw_sign
};

// clang-format off
inline constexpr panel_row panel_table[] = {
// control             name              box: x, y, w, h       stage            action            argument      drawing       layer                   drawn at            picture           sign
{ctl_save,           "save",           {276, 292, 25, 25},   stage_save,      press_save,       0,            draw_picture, layer_top,              {276, 292, 0, 0},   pic_save,         nullptr},
{ctl_color_bar,      "color_bar",      {  8, 248, 179, 17},  stage_panel,     press_pick_color, 0,            draw_picture, layer_over_background,  {  8, 248, 0, 0},   pic_color_picker, nullptr},
{ctl_scale_minus,    "scale_minus",    {  8, 272, 8, 17},    stage_panel,     press_scale,      scale_minus,  draw_sign,    layer_over_background,  {  8, 272, 0, 0},   pic_none,         "-"},
{ctl_scale_plus,     "scale_plus",     { 64, 272, 8, 17},    stage_panel,     press_scale,      scale_plus,   draw_sign,    layer_over_background,  { 64, 272, 0, 0},   pic_none,         "+"},
{ctl_x_minus,        "x_minus",        {130, 272, 8, 17},    stage_panel,     press_nudge,      nudge_left,   draw_sign,    layer_under_background, {130, 272, 0, 0},   pic_none,         "-"},
{ctl_x_plus,         "x_plus",         {158, 272, 8, 17},    stage_panel,     press_nudge,      nudge_right,  draw_sign,    layer_under_background, {158, 272, 0, 0},   pic_none,         "+"},
{ctl_y_minus,        "y_minus",        {230, 272, 8, 17},    stage_panel,     press_nudge,      nudge_down,   draw_sign,    layer_under_background, {230, 272, 0, 0},   pic_none,         "-"},
{ctl_y_plus,         "y_plus",         {258, 272, 8, 17},    stage_panel,     press_nudge,      nudge_up,     draw_sign,    layer_under_background, {258, 272, 0, 0},   pic_none,         "+"},
{ctl_color_field,    "color_field",    {200, 248, 43, 17},   stage_panel,     press_edit,       field_color,  draw_field,   layer_under_background, {200, 248, 42, 16}, pic_none,         nullptr},
{ctl_scale_field,    "scale_field",    { 78, 272, 29, 17},   stage_panel,     press_edit,       field_scale,  draw_field,   layer_under_background, { 78, 272, 28, 16}, pic_none,         nullptr},
// the X and Y value boxes end on their white fields' last column
{ctl_x_field,        "x_field",        {173, 272, 28, 17},   stage_panel,     press_edit,       field_x,      draw_field,   layer_under_background, {173, 272, 28, 16}, pic_none,         nullptr},
{ctl_y_field,        "y_field",        {273, 272, 28, 17},   stage_panel,     press_edit,       field_y,      draw_field,   layer_under_background, {273, 272, 28, 16}, pic_none,         nullptr},
{ctl_selector_minus, "selector_minus", {  8, 296, 8, 17},    stage_selector,  press_select,     -1,           draw_sign,    layer_under_background, {  8, 296, 0, 0},   pic_none,         "-"},
// one cell after the 15-character name
{ctl_selector_plus,  "selector_plus",  {134, 296, 8, 17},    stage_selector,  press_select,     +1,           draw_sign,    layer_under_background, {134, 296, 0, 0},   pic_none,         "+"},
};
// clang-format on
static_assert(one_row_each(panel_table, control_count, &panel_row::control),
              "one row for every panel_control, in its order");

// Words between the signs, and the selected element's name (text null).
struct panel_label {
    const char* text;
    Sint16 x, y;
    panel_layer layer;
};
// clang-format off
inline constexpr panel_label panel_labels[] = {
    {"Scale", 22, 272, layer_over_background},
    {"X",    144, 272, layer_under_background},
    {"Y",    244, 272, layer_under_background},
    {nullptr, 22, 296, layer_under_background}, // the selected element's name
};
// clang-format on

constexpr SDL_Rect panel_area   = {0, 240, 320, 80}; // filled black under everything
constexpr SDL_Rect preview_area = {0, 0, 320, 240};  // the game screen: the selection's outline stays in it
constexpr int selector_row_y    = 296;               // presses from here down never pick
constexpr int drag_limit_y      = 240;               // motion below the preview does not drag

// A value field whose value no save keeps (field_never_saved) is struck
// through in red on this row of its white area (the digits fill rows 3 to
// 11): y and h from the field's top.
constexpr SDL_Rect strike  = {0, 7, 0, 1};
constexpr Uint8 strike_red = 224;

// The caret in the field being typed into: a bar in the digits' darkest
// colour in the glyph cell after the places taken, from the cell's corner:
// one column in (clear of the glyph before it and of the field's edge), from
// just above a digit to just below it.
constexpr SDL_Rect caret_bar    = {1, 2, 2, 12};
constexpr SDL_Color caret_color = {16, 20, 28, 0};

// The panel's note (how a save or a copy went), in the selector row between "+" and the
// save button, over anything moved into the panel, ending at the area's right
// edge: one row per note, its words, how they are drawn, and how long they
// stay (0: until the next press).
//
// A failed save with a reason (editor/save_reasons.h) shows two lines there
// instead, "NOT SAVED" (or the reason's own heading) above the reason, from
// the row below the boxes of the Y field and its signs (reason_note_y) to the
// window's bottom, which cuts off the empty last row of the reason's glyphs:
// the longest line, 15 characters, starts right of the selector's "+".
constexpr SDL_Rect save_note_area = {177, 296, 91, 16}; // 13 glyphs: FIXED BY GAME
constexpr int reason_note_y       = 289;

enum note_look {
    look_plain,         // font 1, light on the panel's black
    look_dark_on_white, // font 0 on a white block
};
struct panel_note_row {
    panel_note note;
    const char* text; // "" for none
    note_look look;
    Uint32 lasts_ms;  // 0: until the next press
    bool with_reason; // a failed save's reason (save_reasons.h) on a line under it
};
// clang-format off
inline constexpr panel_note_row panel_notes[] = {
// note             text            look                 lasts  reason under it
{note_none,         "",             look_plain,          0,     false},
{note_saved,        "SAVED",        look_plain,          1000,  false},
{note_failed,       "NOT SAVED",    look_dark_on_white,  0,     true},
{note_copied,       "COPIED",       look_plain,          1000,  false},
// Ctrl+C with no line to copy: the clipboard keeps what it holds
{note_no_codes,     "NO CODES",     look_plain,          1000,  false},
{note_no_clipboard, "NO CLIPBOARD", look_dark_on_white,  0,     false},
// a value the game keeps fixed was tried (editor/move_rules.h)
{note_fixed_value,  "FIXED BY GAME", look_plain,         1500,  false},
};
// clang-format on
static_assert(one_row_each(panel_notes, note_count, &panel_note_row::note));
constexpr bool notes_fit_their_area() {
    for (const panel_note_row& row : panel_notes)
        if (glyph_width * static_cast<int>(std::char_traits<char>::length(row.text)) > save_note_area.w)
            return false;
    return true;
}
static_assert(notes_fit_their_area(), "every note's first line within save_note_area");
// Every note's first line, right-aligned in the area, stays right of the selector's "+".
constexpr bool notes_clear_of_selector() {
    const SDL_Rect& plus = panel_table[ctl_selector_plus].box;
    for (const panel_note_row& n : panel_notes) {
        int length = 0;
        while (n.text[length]) length++;
        if (save_note_area.x + save_note_area.w - length * glyph_width < plus.x + plus.w) return false;
    }
    return true;
}
static_assert(notes_clear_of_selector(), "a note clear of the selector");

// The selected element's drawn width and height, four hex digits each as the
// fields show values, width x height ("001Dx001D", the x drawn as the font's
// X), a glyph's width right of the colour field: clear of every control and
// of the notes.
constexpr SDL_Rect size_label = {250, 248, 9 * glyph_width, glyph_height};
constexpr bool clear_of(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
}
constexpr bool size_label_clear() {
    for (const panel_row& row : panel_table)
        if (!clear_of(size_label, row.box)) return false;
    // the notes: the save note's row, and a failed save's two lines from reason_note_y
    return clear_of(size_label, {0, reason_note_y, 320, 2 * glyph_height}) &&
           clear_of(size_label, save_note_area) && size_label.x + size_label.w <= panel_area.x + panel_area.w;
}
static_assert(size_label_clear(), "the size clear of the controls and the notes, within the panel");
