// export.h - writes code.txt: one "81%06X %04X" line per changed value that has
// a RAM offset, in the order of the code table (codes.h).
//
// The file is replaced whole and atomically: a save that fails leaves the old
// file as it was. Nothing in the model is changed.
#pragma once

#include "model/codes.h"

#include <cstddef>
#include <string>

// The text of code.txt for the model, into out (capacity cap, NUL-terminated).
// Returns the length written. A line of 14 characters for every entry fits.
constexpr size_t export_capacity = 14 * code_count + 1;
size_t format_codes(const layout& m, char* out, size_t cap);

// Writes code.txt (or the given path): a new file beside it, renamed over it;
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
