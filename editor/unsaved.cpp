// unsaved.cpp - saving, and keeping the changes not saved on the way out.
#include "editor/unsaved.h"
#include "editor/state.h"

#include "editor/history.h"
#include "model/export.h"
#include "model/file_io.h"

#include <cstdio>
#include <cstring>

void save_layout(editor& ed) {
    const bool ok    = export_codes(ed.model, code_file);
    ed.note          = ok ? note_saved : note_failed;
    ed.note_since_ms = ed.now_ms;
    if (ok) ed.saved = capture(ed.model);
}

bool unsaved_changes(const editor& ed) {
    layout saved = ed.model;
    restore(ed.saved, saved);
    char now[export_capacity], then[export_capacity];
    const size_t n = format_codes(ed.model, now, sizeof now);
    return n != format_codes(saved, then, sizeof then) || std::memcmp(now, then, n) != 0;
}

bool keep_unsaved_changes(const editor& ed) {
    if (!unsaved_changes(ed)) return true;
    if (same_file(unsaved_file, code_file)) {
        std::fprintf(stderr, "hudwright: cannot save %s: it is %s\n", unsaved_file, code_file);
        return false;
    }
    if (!export_codes(ed.model, unsaved_file)) return false; // it said why
    std::fprintf(stderr, "hudwright: unsaved changes written to %s\n", unsaved_file);
    return true;
}
