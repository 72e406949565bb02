// unsaved.h - no work lost on the way out: ending the run with changes
// since the last good save (editor/save.h; or since the layout the editor
// opened with) writes them, in code.txt's form, to code.unsaved.txt beside
// code.txt - never over code.txt itself, nor over an earlier code.unsaved.txt
// (files/kept_file.h) but the one this sitting started from, which the end
// brings up to the layout. Where that folder takes no file (a full disk, a
// read-only or deleted folder, no descriptor left) they go to the same name
// in the user's state folder, below the folder's own path:
// ~/.local/state/hudwright/home/u/hud/code.unsaved.txt for /home/u/hud - or,
// where that takes none, in the next refuge (files/refuge.h). The save keeps
// the earlier code.txt by the same writers.
//
// A change counts when code.txt would be written differently: a value the
// game does not keep (the Hearts' place, say) is no saved work.
#pragma once

struct design_state;
struct editor;
struct files_state;
struct fingerprint;

#include "files/kept_file.h"

#include <string>

// Whether code.txt would now be written differently from the last good save
// (or, before one, from the layout the editor opened with). Never before the
// editor has started: the start-up screens change nothing to keep.
bool unsaved_changes(const design_state& design);
// Keeps text as name beside code.txt (keep_file), else in the first refuge
// that takes it (files/refuge.h); shown: the file as messages name it.
// keep_failed after the lines saying why.
keep_result keep_here_or_in_refuge(const files_state& files, const char* name, const char* text, size_t len,
                                   const fingerprint* replaceable, std::string& shown);
// Keeps text as name in the first refuge of the editor's folder that takes
// it; a regular file of that name there is replaced when replace is set,
// else kept aside as keep_file keeps it. keep_failed after the lines saying
// why.
keep_result keep_in_refuge(const files_state& files, const char* name, const char* text, size_t len,
                           bool replace, std::string& shown);
// On the way out: with unsaved changes, writes code.unsaved.txt beside
// code.txt, else in the refuge folder, and says where in one line on standard
// error. False, after a line saying so, only when it could be written nowhere.
// A code.unsaved.txt this sitting started from, still as it was taken, is
// replaced, and brought up to a layout saved since.
bool keep_unsaved_changes(const editor& ed);
