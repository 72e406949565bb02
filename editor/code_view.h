// code_view.h - the code view: every line a save would write now (code.txt's
// lines, format_codes in model/export.h) and their count, dark on white in the
// value fields' font over the preview, a page at a time, to be read off the
// window and typed into a cheat device or an emulator's cheat list. The panel
// below stays as it is.
//
// C shows it (a row of the key table, editor/keys.h); while it shows it takes
// every key and press (editor/input.cpp): C turns to the next page and, after
// the last one, closes it; any other key (Escape too) or a press closes it and
// does nothing else, but Ctrl+C copies as well. Opening it lets go of every
// held button, so that nothing changes under it.
//
// Not here: the lines themselves (the export's) and the copy (clipboard.h).
// The view record (view.h) holds whether it shows and its page; the lines
// follow from the layout's values, which the record holds too.
//
// How a page is laid out: a header row (the count; when there are several
// pages "PAGE 2 OF 3", and "C - NEXT PAGE" while there is a next one) above a
// rule, then the page's lines down columns of equal length - as few columns
// as hold them, at most code_columns of code_rows lines - in reading order:
// down the first column, then the next. Lines stand code_pitch rows apart:
// the glyphs' ink fills rows 3 to 11 of their 16-row cells, so each cell's
// blank top covers the blank bottom of the one above.
#pragma once

#include "editor/state.h"

constexpr int code_line_chars   = 13; // "81OOOOOO VVVV", the line end not drawn
constexpr int code_rows         = 18;
constexpr int code_columns      = 3;
constexpr int codes_per_page    = code_rows * code_columns;
constexpr int code_pitch        = 12;  // rows from one line's cell to the next one's
constexpr int code_column_pitch = 105; // a line's 13 glyphs and two blank ones
constexpr int code_left         = 9;   // the first column and the header
constexpr int code_right        = 310; // the last column's and the page number's end
constexpr int code_rule_y       = 14;  // the rule under the header
constexpr int code_top          = 16;  // the first line's cell
constexpr char code_next[]      = "C - NEXT PAGE";
constexpr int code_next_x       = 104; // centred between "74 CODES" and "PAGE 1 OF 2"
static_assert(code_left + (code_columns - 1) * code_column_pitch + code_line_chars * 7 == code_right);
static_assert(code_top + (code_rows - 1) * code_pitch + 16 <= 240, "every cell within the preview");

// What one page of the view holds.
struct code_page {
    int first; // its first line, counted from 0 over all pages
    int count; // its lines
    int rows;  // lines down each column (the last one may hold fewer)
    int pages; // pages in all, at least 1
};

// The page-th page (0 from the first; held within the pages) of a view of n lines.
code_page page_of_codes(int n, int page);
// The corner of the cell of the i-th line of page p.
SDL_Rect code_line_at(const code_page& p, int i);
// The lines a save would write now.
int code_line_count(const layout& m);

// C: the view shows at its first page; while it shows, the next page, and
// after the last it closes.
void show_codes(codes_state& codes, const layout& m);
void hide_codes(codes_state& codes);
// The view over the preview, when it shows (after the rest of the frame).
// Changes no state.
void draw_codes(editor& ed);
