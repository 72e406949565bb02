// panel.cpp - the panel table: every control of the panel, its box, its
// drawing and its press.
#include "editor/panel.h"

// clang-format off
const panel_row panel_table[control_count] = {
// control             name              box x0-x1, y0-y1      stage            action            argument      drawing       layer                   drawn at            picture           sign
{ctl_save,           "save",           {276, 300, 292, 316}, stage_save,      press_save,       0,            draw_picture, layer_top,              {276, 292, 0, 0},   pic_save,         nullptr},
{ctl_color_bar,      "color_bar",      {  8, 186, 248, 264}, stage_panel,     press_pick_color, 0,            draw_picture, layer_over_background,  {  8, 248, 0, 0},   pic_color_picker, nullptr},
{ctl_scale_minus,    "scale_minus",    {  8,  15, 272, 288}, stage_panel,     press_scale,      scale_minus,  draw_sign,    layer_over_background,  {  8, 272, 0, 0},   pic_none,         "-"},
{ctl_scale_plus,     "scale_plus",     { 64,  71, 272, 288}, stage_panel,     press_scale,      scale_plus,   draw_sign,    layer_over_background,  { 64, 272, 0, 0},   pic_none,         "+"},
{ctl_x_minus,        "x_minus",        {130, 137, 272, 288}, stage_panel,     press_nudge,      nudge_left,   draw_sign,    layer_under_background, {130, 272, 0, 0},   pic_none,         "-"},
{ctl_x_plus,         "x_plus",         {158, 165, 272, 288}, stage_panel,     press_nudge,      nudge_right,  draw_sign,    layer_under_background, {158, 272, 0, 0},   pic_none,         "+"},
{ctl_y_minus,        "y_minus",        {230, 237, 272, 288}, stage_panel,     press_nudge,      nudge_down,   draw_sign,    layer_under_background, {230, 272, 0, 0},   pic_none,         "-"},
{ctl_y_plus,         "y_plus",         {258, 265, 272, 288}, stage_panel,     press_nudge,      nudge_up,     draw_sign,    layer_under_background, {258, 272, 0, 0},   pic_none,         "+"},
{ctl_color_field,    "color_field",    {200, 242, 248, 264}, stage_panel,     press_edit,       field_color,  draw_field,   layer_under_background, {200, 248, 42, 16}, pic_none,         nullptr},
{ctl_scale_field,    "scale_field",    { 78, 106, 272, 288}, stage_panel,     press_edit,       field_scale,  draw_field,   layer_under_background, { 78, 272, 28, 16}, pic_none,         nullptr},
// the X and Y value boxes start six pixels inside their white fields
{ctl_x_field,        "x_field",        {179, 200, 272, 288}, stage_panel,     press_edit,       field_x,      draw_field,   layer_under_background, {173, 272, 28, 16}, pic_none,         nullptr},
{ctl_y_field,        "y_field",        {279, 300, 272, 288}, stage_panel,     press_edit,       field_y,      draw_field,   layer_under_background, {273, 272, 28, 16}, pic_none,         nullptr},
{ctl_selector_minus, "selector_minus", {  8,  15, 296, 312}, stage_selector,  press_select,     -1,           draw_sign,    layer_under_background, {  8, 296, 0, 0},   pic_none,         "-"},
// one cell after the 15-character name
{ctl_selector_plus,  "selector_plus",  {134, 141, 296, 312}, stage_selector,  press_select,     +1,           draw_sign,    layer_under_background, {134, 296, 0, 0},   pic_none,         "+"},
};

const panel_label panel_labels[label_count] = {
    {"Scale", 22, 272, layer_over_background},
    {"X",    144, 272, layer_under_background},
    {"Y",    244, 272, layer_under_background},
    {nullptr, 22, 296, layer_under_background}, // the selected element's name
};
// clang-format on

bool inside(const hit_box& b, int x, int y) {
    return x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
}

char* field_text(editor& ed, value_field f) {
    switch (f) {
    case field_color: return ed.color_text;
    case field_scale: return ed.scale_text;
    case field_x: return ed.x_text;
    default: return ed.y_text;
    }
}

const char* field_text(const editor& ed, value_field f) {
    return field_text(const_cast<editor&>(ed), f);
}

unsigned field_length(value_field f) {
    return f == field_color ? 6u : 4u;
}
