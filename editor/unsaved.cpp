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

namespace {

void note(editor& ed, panel_note n, save_reason why) {
    ed.note          = n;
    ed.note_reason   = why;
    ed.note_since_ms = ed.now_ms;
}

} // namespace

void save_layout(editor& ed) {
    const std::string path = in_folder(ed, code_file);
    // Another program or editor wrote code.txt since this one read or wrote
    // it: that is not replaced unless the save is pressed again soon after,
    // with code.txt still as it was when the editor said so. (A file that is
    // not there, or is no regular file, holds nothing a save could lose.)
    const disk_copy now = look_at(path.c_str());
    const bool other    = (now.kind == disk_file || now.kind == disk_unreadable) && !(now == ed.code_on_disk);
    const bool confirmed = ed.replace_offered && now == ed.replace_seen &&
                           ed.now_ms - ed.replace_offered_ms <= replace_window_ms;
    ed.replace_offered = false;
    if (other && !confirmed) {
        std::fprintf(stderr,
                     "hudwright: cannot save %s: it changed on disk since this editor read or saved it "
                     "(save again within %u seconds to replace it)\n",
                     code_file, replace_window_ms / 1000);
        ed.replace_offered    = true;
        ed.replace_offered_ms = ed.now_ms;
        ed.replace_seen       = now;
        note(ed, note_failed, reason_changed_on_disk);
        return;
    }
    errno         = 0;
    const bool ok = export_codes(ed.model, path.c_str());
    note(ed, ok ? note_saved : note_failed, ok ? reason_other : reason_of(errno));
    if (!ok) return;
    ed.saved        = capture(ed.model);
    ed.code_on_disk = look_at(path.c_str());
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
    if (keep_file(ed.folder, unsaved_file, text, len, false))
        return true; // beside code.txt; else it said why
    const std::string refuge = refuge_folder(ed.folder);
    if (refuge.empty())
        std::fprintf(stderr,
                     "hudwright: cannot save in the state folder: neither XDG_STATE_HOME nor HOME is set\n");
    else if (!make_folders(refuge))
        std::fprintf(stderr, "hudwright: cannot save in %s: %s\n", refuge.c_str(), std::strerror(errno));
    else if (keep_file(refuge, unsaved_file, text, len, true))
        return true;
    std::fprintf(stderr, "hudwright: the changes not saved are lost: they could be written nowhere\n");
    return false;
}
