// panel.h - the control panel below the preview: every control once, with
// the box where a press counts, what is drawn there, and what a press does.
// Hit testing, drawing, the tests and the end-to-end scripts (through
// tools/print_layout) all read this table.
//
// Boxes are window pixels, inclusive at both ends; most reach one pixel right
// of and below what is drawn there. A sign box is one 7-pixel glyph of font 1
// and the column after it, 17 rows high.
#pragma once

#include "editor/state.h"

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

struct hit_box {
    int x0, x1, y0, y1;
};

struct panel_row {
    panel_control control;
    const char* name; // as tools/print_layout prints it
    hit_box box;
    press_stage stage;
    press_action action;
    int argument;
    panel_drawing drawing;
    panel_layer layer;
    SDL_Rect at;        // where it is drawn (w and h: a field's white area)
    picture_id picture; // draw_picture
    const char* sign;   // draw_sign
};

extern const panel_row panel_table[control_count];

// Words between the signs, and the selected element's name (text null).
struct panel_label {
    const char* text;
    Sint16 x, y;
    panel_layer layer;
};
constexpr int label_count = 4;
extern const panel_label panel_labels[label_count];

constexpr SDL_Rect panel_area = {0, 240, 320, 80}; // filled black under everything
constexpr int selector_row_y  = 296;               // presses from here down never pick
constexpr int drag_limit_y    = 240;               // motion below the preview does not drag

// The note after a save, in the selector row between "+" and the save
// button, over anything moved into the panel: "SAVED" in font 1 for
// saved_note_ms after a good save, "NOT SAVED" in font 0 (dark on white)
// after a failed one, until the next press. Both end at the area's right edge.
// A failed save with a reason (editor/save_reasons.h) shows two lines there
// instead, "NOT SAVED" above the reason, in the rows from below the Y field
// to the window's bottom (reason_note_y): the longest reason, 15 characters,
// starts right of the selector's "+".
constexpr SDL_Rect save_note_area = {205, 296, 63, 16};
constexpr const char* saved_text  = "SAVED";
constexpr const char* failed_text = "NOT SAVED";
constexpr Uint32 saved_note_ms    = 1000;
constexpr int reason_note_y       = 288;

bool inside(const hit_box& b, int x, int y);
// The text a value field shows.
const char* field_text(const editor& ed, value_field f);
char* field_text(editor& ed, value_field f);
// Characters an entry takes to complete: RRGGBB or four hex digits.
unsigned field_length(value_field f);
