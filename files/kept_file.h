// kept_file.h - a file of kept work written so that nothing is lost on the
// way: code.unsaved.txt, where a quit keeps the changes not saved, and
// code.earlier.txt, where a save keeps the code.txt it replaces.
//
// The text goes to a new file beside the name (the safe writer of
// files/safe_write.h), which then takes the name in one step. Whatever stood at
// the name with other content - the file of an earlier quit or of another
// editor, a link - is kept under the first free numbered name beside it
// (code.unsaved.1.txt, code.unsaved.2.txt, ...) - unless it is the very file
// the caller says may be replaced (the one this sitting started from); a
// link is never followed,
// so a link to code.txt, dangling or not, never gets code.txt written. Two
// editors quitting at the same moment each keep the other's file (where the
// file system swaps two names in one step: Linux's ext4, tmpfs, btrfs, xfs).
// A folder or a special file of that name is not touched: nothing is written.
//
// Not for code.txt, which a save replaces (files/safe_write.h); where the kept
// file goes when its folder refuses it is the caller's (editor/unsaved.h).
#pragma once

#include "files/fingerprint.h"

#include <cstddef>
#include <string>

// path with n before its extension: "code.unsaved.txt", 1 gives "code.unsaved.1.txt".
std::string numbered_name(const std::string& path, int n);

// How a keep_file went: the text written, found there already, or neither.
enum keep_result { keep_failed, keep_written, keep_there };

// Writes the len bytes of text as folder/name (folder "" is the working one),
// as above; what stands there may be replaced without being kept when it is
// a regular file that is as replaceable says (null: none may). Says on
// standard error, one line each, "the earlier SHOWN kept as OTHER" - or,
// failing, "cannot save SHOWN: reason"; what was kept is the caller's to say.
// SHOWN is the whole path with whole_paths (a folder the user did not
// choose), else the file's name alone.
keep_result keep_file(const std::string& folder, const char* name, const char* text, size_t len,
                      bool whole_paths, const fingerprint* replaceable = nullptr);

// What a keep_file cut short left beside folder/name (NAME.tmpPID-N: a quit
// killed after its file was written but before it took the name, or while
// what stood there was moved aside), the user's own and its process gone:
// the very text the name holds is removed; other text takes the name when it
// is free (and is then offered at the next start as the name is), else the
// first free numbered name. Each said on standard error, "hudwright:
// code.unsaved.txt.tmp4242-0, left by an end cut short, kept as
// code.unsaved.txt".
void recover_leftovers(const std::string& folder, const char* name);
