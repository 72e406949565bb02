// unsaved.cpp - saving, and keeping the changes not saved on the way out.
#include "editor/unsaved.h"
#include "editor/state.h"

#include "editor/history.h"
#include "model/export.h"
#include "model/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void note(editor& ed, save_note n, save_reason why) {
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
    layout saved = ed.model;
    restore(ed.saved, saved);
    char now[export_capacity], then[export_capacity];
    const size_t n = format_codes(ed.model, now, sizeof now);
    return n != format_codes(saved, then, sizeof then) || std::memcmp(now, then, n) != 0;
}

bool keep_unsaved_changes(const editor& ed) {
    if (!unsaved_changes(ed)) return true;
    const std::string unsaved = in_folder(ed, unsaved_file), code = in_folder(ed, code_file);
    if (same_file(unsaved.c_str(), code.c_str())) {
        std::fprintf(stderr, "hudwright: cannot save %s: it is %s\n", unsaved_file, code_file);
        return false;
    }
    if (!export_codes(ed.model, unsaved.c_str())) return false; // it said why
    std::fprintf(stderr, "hudwright: unsaved changes written to %s\n", unsaved_file);
    return true;
}
