// editor.h - the editor's whole state: one plain struct that SDL_main owns for
// the run and passes by reference to every phase, so the same procedures run
// in the program, the tests and the benchmarks.
//
// Only three things live outside it: the fonts (font), the glyph rectangle
// (fontbox) and the background answer (bgchoice).
#pragma once

#include "model/layout.h"

#include <SDL.h>
#include <cstdio>

// A built-in picture unpacked to a temporary file, decoded afresh at will.
struct image_stream {
    FILE* file;
    SDL_RWops* rw; // wraps file; closing it would not close the file
    // The file's bytes, kept in memory as they were written: decodes read
    // them from here, the same picture without a system call. Null for a
    // stream made without them, which then decodes from its file.
    unsigned char* bytes;
    size_t size;
};

// The eleven streamed pictures, in the order start-up makes them.
enum stream_id {
    s_button,
    s_buttonoverlay,
    s_navi,
    s_bow,
    s_action,
    s_99,
    s_999,
    s_rupee,
    s_hearts,
    s_map,
    s_magicborder,
    stream_count
};

struct editor {
    // ---- layout model ------------------------------------------------------
    layout model;

    // ---- run state ---------------------------------------------------------
    int running;
    SDL_Surface* screen;
    SDL_Event event; // one event record, reused by every phase

    // ---- pictures ----------------------------------------------------------
    image_stream streams[stream_count];
    SDL_Surface* background; // built-in bBG or the picture from bg.bmp
    SDL_Surface* rupee_overlay;
    SDL_Surface* hearts_overlay;
    SDL_Surface* map_overlay;
    SDL_Surface* splash;
    SDL_Surface* save_button;
    SDL_Surface* color_picker;

    // ---- fixed rectangles and positions -----------------------------------
    SDL_Rect window_rect, panel_rect;
    SDL_Rect color_field, scale_field, x_control, y_control;
    SDL_Rect selector_pos, scale_label_pos, color_bar_pos, save_button_pos;

    // ---- start-up screens --------------------------------------------------
    int countdown, splash_frame;
    SDL_Rect message_pos, yes_rect, no_rect;
    Uint8 basecode_choice;

    // ---- panel state -------------------------------------------------------
    int dragging;
    int picking_color; // 0 idle, 1 held on the colour bar, 2 refresh texts once
    int scale_button;  // 0 idle, 1 held, 2 refresh scale_text once
    Uint8 scale_dir;   // 0 none, 1 "+", 2 "-"
    Uint8 nudge;       // 0 none, 1 x+1, 2 x-1, 3 y+1, 4 y-1
    int editing_color, editing_scale, editing_x, editing_y;
    char entry_buf[8];
    Uint8 entry_len;
    char x_text[5], y_text[5], scale_text[5], color_text[7];
    Uint16 pointer_x; // x of the latest mouse event, for the colour bar

    // ---- pacing ------------------------------------------------------------
    // The pauses after each flip. Tests and benchmarks set them to 0; the
    // program keeps 45 ms in the editor and 100 ms on the start-up screens.
    Uint32 frame_delay_ms;
    Uint32 screen_delay_ms;
};

extern Uint8 bgchoice; // answer to the background prompt: 0 none, 1 yes, 2 no
