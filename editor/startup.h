// startup.h - which files the start-up screens ask about, and the asking:
// code.unsaved.txt (work kept on an earlier quit), code.txt (the design saved
// in an earlier sitting) and basecode.txt, whose "Yes" imports the file; then
// the background picture (editor/background.h). The screens themselves, their
// loop and drawing, are editor/screens.h's.
#pragma once

#include "editor/screens.h"
#include "editor/state.h"
#include "editor/file_names.h"
#include "model/table_check.h"

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
    prompt_answer files_state::*choice;
    bool (*asked)(editor& ed);
};
// clang-format off
inline constexpr start_file_row start_files[] = {
// file           name              question                            answer                    asked when
{file_unsaved,  unsaved_file,     "Code.unsaved.txt found. Use it?",  &files_state::unsaved_choice,  kept_work_differs},
{file_code,     code_file,        "Code.txt found. Continue it?",     &files_state::code_choice,     saved_design_there},
{file_basecode, "basecode.txt",   "Basecode.txt found. Use it?",      &files_state::basecode_choice, no_layout_taken},
};
// clang-format on
static_assert(one_row_each(start_files, start_file_count, &start_file_row::file));

// Looks for the start-up files before the count-down, so that one that is
// there but cannot be read (or is longer than any code file:
// files/code_read.h) is noted from its first frame on; first, what a quit cut
// short left of code.unsaved.txt and code.earlier.txt is kept under their
// names (files/kept_file.h, recover_leftovers), so that it is offered.
void look_for_start_files(editor& ed);
// A file there that cannot be read (error: its errno, or error_too_long:
// files/refusals.h): said once on standard error, and noted on every start-up
// screen after (files.unreadable).
void note_unreadable(files_state& files, start_file file, int error);
// The way out of a long import, asked between its chunks: the events that
// came meanwhile drained as on every start-up screen (drain_screen_events,
// editor/screens.h) - Escape, the window's close, a signal or the window
// destroyed end the run, the others are dropped. Whether the run ended.
bool import_ended(editor& ed);

// The prompts, each only when its file opens and is asked about (above), in
// the table's order, then the background picture.
void file_prompts(editor& ed);
void layout_prompt(editor& ed, start_file file); // "Yes" imports the file
void basecode_prompt(editor& ed);                // layout_prompt(ed, file_basecode)
