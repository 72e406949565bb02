// unsaved.cpp - saving, and keeping the changes not saved on the way out.
#include "editor/unsaved.h"
#include "editor/state.h"

#include "editor/history.h"
#include "model/export.h"
#include "model/file_io.h"
#include "model/kept_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

void save_layout(editor& ed) {
    const bool ok    = export_codes(ed.model, code_file);
    ed.note          = ok ? note_saved : note_failed;
    ed.note_since_ms = ed.now_ms;
    if (ok) ed.saved = capture(ed.model);
}

bool unsaved_changes(const editor& ed) {
    if (ed.history.count == 0) return false; // the editor has not started: nothing was changed yet
    layout saved = ed.model;
    restore(ed.saved, saved);
    char now[export_capacity], then[export_capacity];
    const size_t n = format_codes(ed.model, now, sizeof now);
    return n != format_codes(saved, then, sizeof then) || std::memcmp(now, then, n) != 0;
}

std::string refuge_folder(const std::string& folder) {
    const std::string state = user_state_folder();
    if (state.empty()) return "";
    const std::string below = without_root(folder);
    return state + "/hudwright" + (below.empty() ? "" : "/" + below);
}

bool keep_unsaved_changes(const editor& ed) {
    if (!unsaved_changes(ed)) return true;
    char text[export_capacity];
    const size_t len = format_codes(ed.model, text, sizeof text);
    if (keep_file("", unsaved_file, text, len)) return true; // beside code.txt; else it said why
    const std::string refuge = refuge_folder(ed.folder);
    if (refuge.empty())
        std::fprintf(stderr,
                     "hudwright: cannot save in the state folder: neither XDG_STATE_HOME nor HOME is set\n");
    else if (!make_folders(refuge))
        std::fprintf(stderr, "hudwright: cannot save in %s: %s\n", refuge.c_str(), std::strerror(errno));
    else if (keep_file(refuge, unsaved_file, text, len))
        return true;
    std::fprintf(stderr, "hudwright: the changes not saved are lost: they could be written nowhere\n");
    return false;
}
