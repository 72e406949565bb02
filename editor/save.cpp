// save.cpp - the save: code.txt and code.cht written together, a code.txt
// another program wrote since refused until a second save, the earlier
// code.txt kept aside when this editor did not write it, and what code.txt
// holds kept in the state folder before it is written in place.
//
// The order makes a failure of any step leave both files as they were: the
// check against what this editor last read or wrote; both new files made
// whole beside their names (files/safe_write.h, which also refuses a link of
// another user and a read-only file); the earlier code.txt read (only then,
// so that nothing behind a refused link is read); a pipe or a device written
// into; the earlier code.txt kept as code.earlier.txt, and, for a write in
// place, as code.before.txt in the refuge; then both take their names.
#include "editor/save.h"
#include "editor/state.h"

#include "editor/file_names.h"
#include "editor/history.h"
#include "editor/unsaved.h"
#include "files/code_read.h"
#include "files/refusals.h"
#include "files/safe_write.h"
#include "model/cheat_file.h"
#include "model/export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

// What stands at path (read through its links, as a code file is read:
// files/code_read.h), into earlier when it holds something other than the
// codes about to be written; "" when it is empty, the same, or gone. False
// with errno set when it cannot be read whole.
bool read_earlier(const std::string& path, const char* codes, size_t len, std::string& earlier) {
    earlier.clear();
    int error = 0;
    FILE* f   = open_code_file(path.c_str(), &error);
    if (!f) {
        errno = error;
        return error == 0; // gone meanwhile, or no regular file: nothing to keep
    }
    error = read_code_file(f, earlier);
    std::fclose(f);
    errno = error;
    if (error) return false;
    if (earlier.size() == len && std::memcmp(earlier.data(), codes, len) == 0) earlier.clear();
    return true;
}

// The earlier code.txt kept as code.earlier.txt (else in the refuge folder),
// said on standard error. False with errno set when it could be kept nowhere.
bool keep_earlier(const files_state& files, const std::string& earlier) {
    std::string shown;
    errno = 0;
    const keep_result r =
        keep_here_or_in_refuge(files, earlier_file, earlier.data(), earlier.size(), nullptr, shown);
    const int err    = errno ? errno : EIO;
    const char* verb = r == keep_written ? "kept as" : "already kept as";
    if (r != keep_failed)
        std::fprintf(stderr, "hudwright: the earlier %s %s %s\n", code_file, verb, shown.c_str());
    errno = err;
    return r != keep_failed;
}

// What code.txt holds, kept in the refuge as code.before.txt (replacing the
// one an earlier such save kept) before code.txt is written in place: where a
// write in place cannot be promised to be one step, this is what it held.
// False with errno set when it could be kept nowhere.
bool keep_before_in_place(const files_state& files, const std::string& before) {
    std::string shown;
    errno               = 0;
    const keep_result r = keep_in_refuge(files, before_file, before.data(), before.size(), true, shown);
    const int err       = errno ? errno : EIO;
    if (r != keep_failed)
        std::fprintf(stderr, "hudwright: what %s held is kept as %s before it is written in place\n",
                     code_file, shown.c_str());
    errno = err;
    return r != keep_failed;
}

} // namespace

void save_layout(editor& ed) {
    const std::string path = in_folder(ed.files, code_file);
    // Another program or editor wrote code.txt since this one read or wrote
    // it: that is not replaced unless the save is pressed again, with
    // code.txt still as it was when the editor said so. (A file that is not
    // there, or is no regular file, holds nothing a save could lose.)
    const fingerprint now    = fingerprint_of(path.c_str());
    const bool there         = now.kind == disk_file || now.kind == disk_unreadable;
    const bool other         = there && !(now == ed.files.code_on_disk);
    const bool confirmed     = ed.files.replace_offered && now == ed.files.replace_seen;
    ed.files.replace_offered = false;
    if (other && !confirmed) {
        std::fprintf(stderr,
                     "hudwright: cannot save %s: it changed on disk since this editor read or saved it "
                     "(save again to replace it; it is then kept as %s)\n",
                     code_file, earlier_file);
        ed.files.replace_offered = true;
        ed.files.replace_seen    = now;
        show_note(ed.note, note_failed, ed.clock.now_ms, reason_changed_on_disk);
        return;
    }
    char codes[export_capacity], cheat[cheat_capacity];
    const size_t codes_len = format_codes(ed.design.model, codes, sizeof codes);
    const size_t cheat_len = format_cheat(codes, codes_len, cheat, sizeof cheat);

    const std::string cheat_path = in_folder(ed.files, cheat_file);
    prepared_file files[2];
    bool ok = prepare_file(path.c_str(), codes, codes_len, files[0]) &&
              prepare_file(cheat_path.c_str(), cheat, cheat_len, files[1]);
    // A code.txt this editor neither wrote nor started from is kept when it
    // holds something else: the first save of a sitting, a confirmed replace;
    // and what code.txt holds, whoever wrote it, before it is written in place.
    const bool others = there && !(ed.files.code_held && now == ed.files.code_on_disk);
    const bool over   = files[0].way == write_in_place;
    std::string earlier;
    if (ok && (others || over) && !read_earlier(path, codes, codes_len, earlier)) {
        const int err = errno;
        std::fprintf(stderr, "hudwright: cannot save %s: the %s there cannot be read to keep it: %s\n",
                     code_file, code_file, error_text(err));
        ok    = false;
        errno = err;
    }
    ok = ok &&
         commit_files(files, std::size(files), true) && // a pipe or a device first: nothing to keep there
         (!others || earlier.empty() || keep_earlier(ed.files, earlier)) &&
         (!over || earlier.empty() || keep_before_in_place(ed.files, earlier)) &&
         commit_files(files, std::size(files));
    const int err = errno;
    for (prepared_file& f : files) discard_file(f); // what a failure left unused
    if (files[0].done) {                            // code.txt took its name, whatever came of code.cht
        ed.files.code_on_disk = fingerprint_of(path.c_str());
        ed.files.code_held    = true;
    }
    if (!ok) return show_note(ed.note, note_failed, ed.clock.now_ms, reason_of(err));
    show_note(ed.note, note_saved, ed.clock.now_ms, reason_other);
    ed.design.saved = capture(ed.design.model);
}
