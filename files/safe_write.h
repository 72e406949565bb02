// safe_write.h - writes code.txt and code.cht so that a save that fails
// leaves the old files as they were: each replaced whole and atomically by a
// new file made beside it. The text is the caller's (model/export.h,
// model/cheat_file.h); what is kept aside before a save is editor/save.cpp's.
//
// A file is written through its symbolic links (a link stays a link) only
// when every link on the way is the user's own or root's; one that another
// user planted (in /tmp, say, to make a save write the user's ~/.bashrc) is
// refused. A file the user may not write, or that is marked read-only, is
// not replaced. The new files are named TARGET.tmpPID-N beside their target
// (on Linux only once they are whole); such a file that a save killed
// midway left is removed by a later save when it is the user's own and its
// process is gone.
#pragma once

#include "model/layout.h"

#include <cstddef>
#include <string>
#include <vector>

// Writes code.txt (or the given path) alone: a new file beside it, renamed over it;
// one that saves killed midway left there is removed. Where the folder takes
// no new file but the file itself may be written, it is written in place, with
// a line on standard error saying so. Returns false, with a line on standard
// error naming the file (not its folder) and errno saying why, when the file
// could not be written; the old file is then untouched.
bool export_codes(const layout& m, const char* path = "code.txt");

// The first half of a safe write: text in a new file beside target (named
// target.tmpPID-N, with target's permissions when it is there), waited for
// until it is on the disk; its name in temp. The caller renames it into place.
// False with errno set, and nothing left behind.
bool write_beside(const std::string& target, const char* text, size_t len, std::string& temp);

// The files beside target that the safe writes of a process now gone left
// (TARGET.tmpPID-N, TARGET's name cut short where the whole would be too
// long a name): regular files of the user's own, a process id that no
// process has (or this one's, which writes one file at a time). Their paths,
// in no particular order.
std::vector<std::string> leftovers_of(const std::string& target);

// A save of several files (code.txt and code.cht) in two steps, so that a
// failure of any leaves every one as it was: each new file made whole beside
// its target first (prepare_file), and only when all are ready do they take
// their names (commit_files). A target that is a pipe or a device is written
// into as it is, and one whose folder takes no new file (or, shared with the
// sticky bit, does not let the user replace it) is written in place, when the
// files take their names: the caller keeps its earlier text first.
enum write_way { write_by_rename, write_into_special, write_in_place };
struct prepared_file {
    std::string shown;  // the file's name, which messages give
    std::string target; // where the bytes go: the end of the path's links
    std::string temp;   // the new file beside target ("": none)
    std::string text;   // the bytes
    write_way way = write_by_rename;
    bool shared   = false; // written in place for the sticky bit of its folder, which takes new files
    bool done     = false; // it has taken its name
};
// The new file for path made ready. False, with a line on standard error
// naming the file and errno saying why, when it cannot be written; nothing is
// then left behind. errno error_untrusted_link for a link of another user on
// the way, error_read_only_file for a file that may not be written
// (files/refusals.h).
bool prepare_file(const char* path, const char* text, size_t len, prepared_file& p);
// Every prepared file not done yet takes its name, those most likely to fail
// first (with specials_only, only the pipes and devices, which hold nothing
// to keep); after a failure (said as above, errno set) the rest are discarded
// and stay as they were. Each that took its name is done.
bool commit_files(prepared_file* files, size_t count, bool specials_only = false);
// The new file removed, unused.
void discard_file(prepared_file& p);
