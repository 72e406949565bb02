// startup.h - the count-down screen and the Yes/No prompts that run before
// the editor: code.unsaved.txt (work kept on an earlier quit), code.txt (the
// design saved in an earlier sitting) and basecode.txt, whose "Yes" imports
// the file, and the background picture
// (editor/background.h); the note screen that says why a file is not used.
#pragma once

#include "editor/state.h"
#include "editor/unsaved.h"
#include "model/table_check.h"

#include <initializer_list>

// Where "Yes" and "No" stand and where a click answers: each exactly the size
// of its word in font 1 (3 and 2 cells of 7x16); left and top edges count.
constexpr SDL_Rect yes_box = {30, 80, 21, 16};
constexpr SDL_Rect no_box  = {80, 80, 14, 16};

// A file offered at start-up that is there but cannot be read is said on
// standard error and noted on every start-up screen after, one line each
// (dark on white: CANNOT READ BASECODE.TXT, or BASECODE.TXT IS TOO LARGE)
// from these places down: centred under the count-down, left under a
// question.
constexpr Sint16 centre_notes         = -1;
constexpr SDL_Rect countdown_note_pos = {centre_notes, 280, 0, 0};
constexpr SDL_Rect prompt_note_pos    = {35, 160, 0, 0};

// When a layout file is asked about: work kept on an earlier quit when the
// layout it holds differs from code.txt's, or there is no code.txt; code.txt
// when it holds codes, unless that work was taken; basecode.txt when neither
// was taken. A file there that cannot be read is asked about (and so noted).
// Reading a file to tell drains the events as an import does (import_ended).
bool kept_work_differs(editor& ed);
bool saved_design_there(editor& ed);
bool no_layout_taken(editor& ed);

// A layout file offered at start-up: its name in the editor's folder, its
// question, where the answer goes, and when it is asked about (null: whenever
// it is there). "Yes" imports it as the starting layout, and the file as it
// was then is kept in taken_file.
struct start_file_row {
    start_file file;
    const char* name;
    const char* question;
    prompt_answer editor::*choice;
    bool (*asked)(editor& ed);
};
// clang-format off
inline constexpr start_file_row start_files[] = {
// file           name              question                            answer                    asked when
{file_unsaved,  unsaved_file,     "Code.unsaved.txt found. Use it?",  &editor::unsaved_choice,  kept_work_differs},
{file_code,     code_file,        "Code.txt found. Continue it?",     &editor::code_choice,     saved_design_there},
{file_basecode, "basecode.txt",   "Basecode.txt found. Use it?",      &editor::basecode_choice, no_layout_taken},
};
// clang-format on
static_assert(one_row_each(start_files, start_file_count, &start_file_row::file));

// Looks for the start-up files before the count-down, so that one that is
// there but cannot be read (or is longer than any code file:
// files/code_read.h) is noted from its first frame on; first, what a quit cut
// short left of code.unsaved.txt and code.earlier.txt is kept under their
// names (files/kept_file.h, recover_leftovers), so that it is offered.
void look_for_start_files(editor& ed);
// Said once: file is there but cannot be read (error: its errno, or
// error_too_long: files/refusals.h).
void note_unreadable(editor& ed, start_file file, int error);
// The way out of a long import, asked between its chunks: the events that
// came meanwhile drained as on every start-up screen - Escape, the window's
// close, a signal or the window destroyed end the run, the others are
// dropped. Whether the run ended.
bool import_ended(editor& ed);

// The count-down: "Continuing in 4..." down to 1, ten frames a number (the
// first number eleven); Enter or Space ends it at once.
struct countdown {
    int seconds = 4; // the number shown
    int frame   = 0; // frames shown so far
};
// Frames until it reaches 0, Enter or Space is pressed or running is
// cleared; the frames shown.
int countdown_screen(editor& ed);
// One frame of it; false when the screen is over (then without a frame).
bool countdown_frame(editor& ed, countdown& c);

// Shows question (and the line below under it, unless null) until "Yes",
// "No" or a quit (running cleared).
void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice, const char* below = nullptr);
// One frame of it; false when the prompt is over.
bool prompt_frame(editor& ed, const char* question, prompt_answer& choice, const char* below = nullptr);

// A note of a few lines where the prompts ask, the second line and those after
// it one line lower: shown note_frames frames (about three seconds) or until
// a click or a key; Escape or closing the window quits, as on every screen.
constexpr int note_frames = 30;
void note_screen(editor& ed, std::initializer_list<const char*> lines);

// The prompts, each only when its file opens and is asked about (above), in
// the table's order, then the background picture.
void file_prompts(editor& ed);
void layout_prompt(editor& ed, start_file file); // "Yes" imports the file
void basecode_prompt(editor& ed);                // layout_prompt(ed, file_basecode)
