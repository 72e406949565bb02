// unsaved.cpp - keeping the changes not saved on the way out (the save
// itself: save.cpp).
#include "editor/unsaved.h"
#include "editor/state.h"

#include "editor/file_names.h"
#include "editor/history.h"
#include "files/file_io.h"
#include "files/kept_file.h"
#include "files/refuge.h"
#include "files/refusals.h"
#include "model/export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

bool unsaved_changes(const design_state& design) {
    if (design.history.count == 0) return false; // the editor has not started: nothing was changed yet
    layout saved = design.model;
    restore(design.saved, saved);
    char now[export_capacity], then[export_capacity];
    const size_t n = format_codes(design.model, now, sizeof now);
    return n != format_codes(saved, then, sizeof then) || std::memcmp(now, then, n) != 0;
}

keep_result keep_in_refuge(const files_state& files, const char* name, const char* text, size_t len,
                           bool replace, std::string& shown) {
    const std::vector<refuge> refuges = refuges_of(files.folder);
    if (refuges.empty())
        std::fprintf(stderr, "hudwright: cannot save in the state folder: no state folder is known\n");
    for (const refuge& r : refuges) {
        if (!make_refuge(r)) { // a file of that name, a folder that may not be written: the next one
            std::fprintf(stderr, "hudwright: cannot save in %s: %s\n", r.folder.c_str(), error_text(errno));
            continue;
        }
        shown                   = file_in(r.folder, name);
        const fingerprint there = fingerprint_of(shown.c_str());
        if (const keep_result k = keep_file(r.folder, name, text, len, true, replace ? &there : nullptr);
            k != keep_failed)
            return k;
    }
    return keep_failed;
}

keep_result keep_here_or_in_refuge(const files_state& files, const char* name, const char* text, size_t len,
                                   const fingerprint* replaceable, std::string& shown) {
    shown = name;
    if (const keep_result r = keep_file(files.folder, name, text, len, false, replaceable); r != keep_failed)
        return r; // beside code.txt; else it said why
    return keep_in_refuge(files, name, text, len, false, shown);
}

bool keep_unsaved_changes(const editor& ed) {
    if (ed.design.history.count == 0) return true; // the editor has not started: nothing was changed yet
    // the code.unsaved.txt this sitting started from is replaced, not kept aside
    const fingerprint* taken = ed.files.unsaved_choice == answer_yes ? &ed.files.taken_file : nullptr;
    const bool changed       = unsaved_changes(ed.design);
    if (!changed && !taken) return true;
    char text[export_capacity];
    const size_t len = format_codes(ed.design.model, text, sizeof text);
    if (!changed) {
        // Everything saved: the file it started from, still as it was taken,
        // now holds the saved layout, so that the next start does not offer
        // it as work that code.txt lacks.
        const std::string path = in_folder(ed.files, unsaved_file);
        if (kind_of(path.c_str()) == name_file && fingerprint_of(path.c_str()) == *taken &&
            keep_file(ed.files.folder, unsaved_file, text, len, false, taken) == keep_written)
            std::fprintf(stderr, "hudwright: %s now holds the layout saved in %s\n", unsaved_file, code_file);
        return true;
    }
    std::string shown;
    switch (keep_here_or_in_refuge(ed.files, unsaved_file, text, len, taken, shown)) {
    case keep_written:
        std::fprintf(stderr, "hudwright: unsaved changes written to %s\n", shown.c_str());
        return true;
    case keep_there:
        std::fprintf(stderr, "hudwright: unsaved changes already in %s\n", shown.c_str());
        return true;
    case keep_failed: break;
    }
    std::fprintf(stderr, "hudwright: the changes not saved are lost: they could be written nowhere\n");
    return false;
}
