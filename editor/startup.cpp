// startup.cpp - the files asked about between opening the window and the
// editor: after the count-down, a Yes/No question for each file found -
// code.unsaved.txt, code.txt and basecode.txt, whose "Yes" imports it (none
// is asked once one before it is taken) - and then the background picture
// (editor/background.cpp). The questions are start-up screens
// (editor/screens.h): after a quit every later one is skipped. A file that is
// not there skips its question; one that is there but cannot be read, or is
// longer than any code file, is said (standard error, and a note on the
// screens); lines of a layout file that hold no code are counted on standard
// error. A layout file is read in chunks (files/code_read.h), and between
// them the events are drained as on every screen (import_ended), so that
// Escape, the window's close or a signal ends even a slow import.
#include "editor/startup.h"

#include "editor/background.h"
#include "editor/screens.h"
#include "files/code_read.h" // open_code_file: the existence test of the files
#include "files/kept_file.h"
#include "files/refusals.h"
#include "model/export.h"
#include "model/import.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// What the layout file name holds: the codes it gives the game's own layout,
// in code.txt's form (no line: nothing changed). Not there: missing, and
// error 0; there but unreadable: error its errno.
struct file_codes {
    bool missing;
    int error;
    std::string codes;
};

file_codes codes_of(editor& ed, const char* name) {
    file_codes c{true, 0, ""};
    FILE* f = open_code_file(in_folder(ed.files, name).c_str(), &c.error);
    if (!f) return c;
    c.missing = false;
    std::string bytes;
    c.error = read_code_file(f, bytes, [&] { return import_ended(ed); });
    std::fclose(f);
    layout m{};
    start_layout(m);
    import_base_code(bytes.data(), bytes.size(), m);
    char text[export_capacity];
    c.codes.assign(text, format_codes(m, text, sizeof text));
    return c;
}

} // namespace

bool import_ended(editor& ed) {
    drain_screen_events(ed); // what else came is dropped
    return !ed.run.running;
}

bool kept_work_differs(editor& ed) {
    const file_codes kept = codes_of(ed, unsaved_file);
    if (kept.missing && !kept.error) return false;
    const file_codes saved = codes_of(ed, code_file);
    return kept.error || saved.missing || saved.error || kept.codes != saved.codes;
}

bool saved_design_there(editor& ed) {
    if (ed.files.unsaved_choice == answer_yes) return false;
    const file_codes saved = codes_of(ed, code_file);
    return saved.error || !saved.codes.empty();
}

bool no_layout_taken(editor& ed) {
    return ed.files.unsaved_choice != answer_yes && ed.files.code_choice != answer_yes;
}

namespace {

// What an import read, said on standard error: lines that hold no code.
void say_import(const import_report& r, const char* name) {
    if (r.skipped == 1)
        std::fprintf(stderr, "hudwright: skipped line %ld of %s: it holds no code\n", r.first_skipped, name);
    else if (r.skipped > 1)
        std::fprintf(stderr, "hudwright: skipped %ld lines of %s that hold no code, the first is line %ld\n",
                     r.skipped, name, r.first_skipped);
}

} // namespace

void note_unreadable(files_state& files, start_file file, int error) {
    if (!error || files.unreadable[file].name) return;
    files.unreadable[file] = {start_files[file].name, error};
    std::fprintf(stderr, "hudwright: cannot read %s: %s\n", start_files[file].name, error_text(error));
}

void look_for_start_files(editor& ed) {
    for (const char* kept : {unsaved_file, earlier_file}) recover_leftovers(ed.files.folder, kept);
    for (const start_file_row& row : start_files) {
        if (row.asked && !row.asked(ed)) continue;
        int error = 0;
        if (FILE* f = open_code_file(in_folder(ed.files, row.name).c_str(), &error)) std::fclose(f);
        note_unreadable(ed.files, row.file, error);
    }
}

void layout_prompt(editor& ed, start_file file) {
    const start_file_row& row = start_files[file];
    prompt_answer& choice     = ed.files.*row.choice;
    choice                    = answer_none;
    if (row.asked && !row.asked(ed)) return;
    // Opened as the existence test even after a quit; the import reads this stream.
    int error = 0;
    if (FILE* f = open_code_file(in_folder(ed.files, row.name).c_str(), &error)) {
        if (ed.run.running) yes_no_prompt(ed, row.question, choice);
        std::string bytes;
        if (choice == answer_yes) error = read_code_file(f, bytes, [&] { return import_ended(ed); });
        if (choice == answer_yes && error == 0) {
            say_import(import_base_code(bytes.data(), bytes.size(), ed.design.model), row.name);
            ed.files.taken_file = fingerprint_of(in_folder(ed.files, row.name).c_str());
        } else if (choice == answer_yes) {
            choice = answer_none; // not taken: a quit meanwhile, or a file that failed part-way, is no layout
            if (error == ECANCELED) error = 0;
        }
        std::fclose(f);
    }
    note_unreadable(ed.files, file, error);
}

void basecode_prompt(editor& ed) {
    layout_prompt(ed, file_basecode);
}

void file_prompts(editor& ed) {
    for (const start_file_row& row : start_files) layout_prompt(ed, row.file);
    background_prompt(ed);
}
