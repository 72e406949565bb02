// state.h - the editor's whole state: one plain struct that SDL_main owns for
// the run and passes by reference to every phase, so that the same procedures
// run in the program, the tests and the benchmarks. Nothing lives outside it.
// It is the bottom of editor/: the records it holds are defined here or in
// headers that include nothing of editor/ above them (history.h,
// save_reasons.h, snap.h), and every other file of editor/ is built on it.
//
// The editor is made of parts, each a plain struct of its own: the design
// (the layout, its history, what was saved, this frame's placing), the input
// (pointer, keys, drag, held buttons, typed entry, picking), the window and
// what it shows, the files (the folder, the start-up answers, what code.txt
// was), the pictures, the clock, the panel's note, the code view and the
// clipboard, and the run (going on, or how it ended). A procedure that needs
// one part takes that part alone (const where it only reads it); one that
// works across parts takes the editor. What the panel shows is not kept
// here: the frame formats it from the layout (editor/fields.h); only the
// entry being typed is state.
#pragma once

#include "editor/history.h"
#include "editor/save_reasons.h"
#include "editor/snap.h"
#include "files/fingerprint.h"
#include "model/export.h"
#include "model/layout.h"
#include "model/picture_names.h"
#include "pictures/picture_store.h"

#include <SDL.h>
#include <string>
#include <vector>

// The Scale button held: none, "+" or "-".
enum scale_direction { scale_none, scale_plus, scale_minus };
// The held arrow button: x + 1, x - 1, y + 1 (Y "-": down), y - 1 (Y "+": up).
enum nudge_direction : int { nudge_none, nudge_right, nudge_left, nudge_down, nudge_up };
// An answer to a start-up prompt.
enum prompt_answer { answer_none, answer_yes, answer_no };
// Why running was cleared: by the user (Escape, the window's close button) or
// from outside (editor/ending.h).
enum run_end { end_asked, end_signal, end_window_destroyed, end_display_lost };
// The files the start-up screens offer a layout from, in the order they are
// asked about (editor/startup.h).
enum start_file { file_unsaved, file_code, file_basecode, start_file_count };
// What the panel's note says: nothing, a good save (for about a second), a
// failed one (until the next press), how a copy went, or that the game keeps
// a value tried fixed (for a while); one row each in editor/panel.h.
enum panel_note {
    note_none,
    note_saved,
    note_failed,
    note_copied,
    note_no_codes,
    note_no_clipboard,
    note_fixed_value,
    note_count
};

// The value field being typed into (editor/fields.h).
enum value_field { field_none, field_color, field_scale, field_x, field_y, field_count };

// A field's text: up to six characters and a terminator.
struct field_string {
    char s[9];
};

// The atoms the X11 clipboard speaks, named in clipboard_x11.cpp.
enum clip_atom {
    atom_clipboard,
    atom_targets,
    atom_multiple,
    atom_timestamp,
    atom_utf8_string,
    atom_text,
    atom_atom_pair,
    atom_manager,      // CLIPBOARD_MANAGER
    atom_save_targets, // SAVE_TARGETS
    atom_time_mark,    // a property of the program's window, changed to learn the server's time
    atom_save_list,    // a property of its window: the targets a manager is asked to save
    clip_atom_count
};

// The clipboard's part of the editor's state (editor/clipboard.h).
struct clipboard {
    void* library;        // libX11, held while the connection is open (X11)
    void* display;        // the program's own connection (an Xlib Display), null before the first copy
    unsigned long window; // its unmapped window, which owns the selection
    unsigned long atoms[clip_atom_count];
    unsigned long since; // the server's time when the window took the selection
    bool owned;          // the window owns CLIPBOARD now
    bool said;           // a failed copy was said on standard error
    char text[export_capacity];
    size_t length;
};

// Which pixels of a picture show, row by row (an opaque picture: all of
// them): worked out once for each built-in picture (editor/pick.h).
struct picture_mask {
    int w = 0, h = 0;
    std::vector<Uint8> shows;
};
struct pick_masks {
    bool made = false;
    picture_mask of[picture_count];
};

// Where the last press in the preview left the pointer, and what it took
// (editor/pick.h).
struct press_cycle {
    bool on; // no motion since
    int x, y;
    int32_t last;
};

// A start-up file there that cannot be read: its name (null: none noted) and
// the error number that said why (or error_too_long, files/refusals.h).
struct unreadable_file {
    const char* name;
    int error;
};

// Where this frame draws an element: decided by the update, drawn by the frame.
struct element_place {
    bool drawn;       // false: skipped this frame (a scale that cannot be drawn)
    SDL_Rect at;      // the picture's corner (its inset included), before the edge holds it
    SDL_Rect held_at; // the same corner held at the window's left and top edge: the overlay's
    float factor;     // the scale it is drawn at (1: its own size)
    bool operator==(const element_place& o) const {
        return drawn == o.drawn && at.x == o.at.x && at.y == o.at.y && held_at.x == o.held_at.x &&
               held_at.y == o.held_at.y && factor == o.factor;
    }
};

// Which picture the window shows: none yet, the count-down, a prompt, the editor.
enum view_kind { view_none, view_countdown, view_prompt, view_editor };

// Everything one picture in the window shows, in a few hundred bytes
// (editor/view.h makes it): a picture is drawn and sent only when its record
// differs from the one last shown, or when the window has lost its picture.
// The built-in pictures and the background do not change while a screen runs.
struct view_record {
    view_kind kind;
    int countdown;     // the count-down's number
    char question[48]; // the prompt's question (a note's first line): more than the window shows
    char below[40];    // the line under the question ("": none)
    // the editor's frame
    layout_values values;
    int32_t selected; // its name, and whose values the fields show
    element_place places[element_count];
    char fields[field_count][sizeof field_string::s]; // the text each value field shows
    value_field editing;                              // the field with the caret
    int caret;                                        // where the caret stands in it
    panel_note note;
    save_reason note_reason; // the words under NOT SAVED
    // the code view over the preview (editor/code_view.h): its lines follow from values
    bool codes_shown;
    int code_page;
    // the marks for placing (editor/marks.h)
    int32_t hover;      // the element a press would take (-1: none)
    guide_lines guides; // a drag's guides
    bool grid;          // the grid shown
    char size_text[20]; // the selected element's drawn size (editor/marks.h)
    bool operator==(const view_record&) const = default;
};

// ---- the parts ------------------------------------------------------------

// The layout being designed and its history: what the user edits, the steps
// undo and redo go over, what counts as saved, and where this frame draws
// each element (decided by the update from the layout and the pictures; read
// by the frame, picking and snapping).
struct design_state {
    layout model;
    undo_history history; // the layout after every finished change, down to the one opened with
    layout_values saved;  // the layout as last written to code.txt (or as opened)
    element_place places[element_count]; // this frame's placing
};

// The pointer, the keys and the typed entry: what the user holds, where, and
// what follows from it until it is let go - a drag, a held button, an entry,
// a run of arrow keys - and the element a press would take.
struct input_state {
    bool dragging; // the selected element follows the pointer
    // Ctrl was held at the press that began the drag: the rest of the
    // element's set follows too, each at its corner at the press (drag_from)
    // moved as far as the element itself.
    bool drag_set;
    SDL_Rect drag_from[element_count];
    // The guides of the lines the dragged element snapped to (editor/snap.h).
    guide_lines guides;
    bool picking_color;         // a press on the colour bar is held: the colour follows the pointer
    scale_direction scale_held; // the Scale button held
    nudge_direction nudge_held; // the X or Y button held
    value_field editing;        // the field being typed into, or field_none
    char entry_buf[8];          // what has been typed (see editor/fields.h)
    Uint8 entry_len;
    Uint16 pointer_x, pointer_y; // the pointer at the latest mouse event (x: for the colour bar)
    bool pointer_in;             // it is in the window (not since it left)
    Uint8 buttons_down;          // the mouse buttons held, a bit each (SDL_BUTTON)
    // When the held +/- button was pressed, and the Scale steps taken since
    // (the one at the press included): the buttons repeat by time (repeat.h).
    Uint32 held_since_ms;
    Uint64 scale_steps_taken;
    bool arrow_run; // arrow keys have moved the selected element since the last other input
    // Picking (editor/pick.h): where the last press left the pointer, the
    // element a press would take now (-1: none, or a button held), and which
    // pixels of the pictures show.
    press_cycle cycle;
    int32_t hover;
    pick_masks masks;
};

// The window and what it shows (editor/window.h, editor/view.h). The window
// shows screen zoom times larger. At zoom 1 screen is the window's surface
// and surface is not used; above, screen is a 320x320 surface of the
// editor's own, surface the window's (null: SDL refused it) and shown a copy
// of the picture the window shows (null: none yet).
struct window_state {
    SDL_Surface* screen;
    int zoom;
    SDL_Surface* surface;
    SDL_Surface* shown;
    // The screen's size as SDL reported it before the window opened (0: not
    // known), which the zoom keys keep the window within.
    int desktop_w, desktop_h;
    // The window has lost its picture (opened, zoomed, resized, exposed or
    // shown again): the next picture is sent whole, changed or not.
    bool repaint;
    Uint32 pictures_sent;  // pictures sent to the window so far
    view_record on_screen; // the record of the picture drawn last
    bool grid;             // G: the grid over the background
};

// The editor's folder and its files: where every file is, what the start-up
// screens offered and took, and code.txt as this editor last saw it.
struct files_state {
    // The folder of code.txt and the other files, a path from the root: every
    // file is reached through it (in_folder), not through the process's
    // current directory. Also the name of the kept work's refuge
    // (editor/unsaved.h), when the folder is gone by then.
    std::string folder;
    // The picture named by --bg, a path from the root ("": none): taken
    // without a question instead of one of the folder's (editor/background.h).
    std::string bg_path;
    prompt_answer unsaved_choice, code_choice, basecode_choice, bg_choice;
    fingerprint taken_file; // the layout file "Yes" took, as it was then
    // A start-up file that is there but cannot be read (editor/startup.h):
    // said once on standard error and noted on every start-up screen after
    // (editor/screens.h).
    unreadable_file unreadable[start_file_count];
    // code.txt as this editor last read or wrote it: a save that finds it
    // otherwise is refused, unless it is pressed again after being told, with
    // code.txt still as it was then (replace_seen). code_held: that code.txt
    // is this editor's own - written by it, or the layout it started from -
    // and a save over it keeps nothing of it aside.
    fingerprint code_on_disk;
    bool code_held;
    bool replace_offered;
    fingerprint replace_seen;
};

// The editor's clock and its pace. The time of this pass is read from
// SDL_GetTicks at the start of every event drain - unless manual_clock is
// set: tests then set now_ms themselves.
struct clock_state {
    Uint32 now_ms;
    bool manual_clock;
    // The pauses after each flip. Tests and benchmarks set them to 0.
    Uint32 frame_delay_ms  = 45;  // in the editor
    Uint32 screen_delay_ms = 100; // on the start-up screens
};

// The panel's note (editor/panel.h): which one shows, why the last save
// failed, and since when it shows (a note that lasts a while goes after its time).
struct panel_note_state {
    panel_note shown;
    save_reason reason;
    Uint32 since_ms;
};

// The code view over the preview (editor/code_view.h), at page (from 0) while
// it shows, and the clipboard (editor/clipboard.h).
struct codes_state {
    bool shown;
    int page;
    clipboard clip;
};

// The run: going on until running is cleared - by Escape or the window's
// close on any screen, or from outside (editor/ending.h), which says why.
struct run_state {
    bool running;
    run_end end;
    int signal; // the signal that ended the run (end_signal)
};

struct editor {
    design_state design;
    input_state input;
    window_state window;
    files_state files;
    picture_store pictures;
    clock_state clock;
    panel_note_state note;
    codes_state codes;
    run_state run;
};

// The panel's note n shows from now_ms on; the second form, a save's, sets
// the reason too (reason_other after a good one).
void show_note(panel_note_state& note, panel_note n, Uint32 now_ms);
void show_note(panel_note_state& note, panel_note n, Uint32 now_ms, save_reason why);

// The file name in the editor's folder.
std::string in_folder(const files_state& files, const char* name);
