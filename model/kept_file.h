// kept_file.h - a file of kept work written so that nothing is lost on the
// way: code.unsaved.txt, where a quit keeps the changes not saved.
//
// The text goes to a new file beside the name (the safe writer of
// model/export.h), which then takes the name in one step. Whatever stood at
// the name with other content - the file of an earlier quit or of another
// editor, a link - is kept under the first free numbered name beside it
// (code.unsaved.1.txt, code.unsaved.2.txt, ...); a link is never followed,
// so a link to code.txt, dangling or not, never gets code.txt written. Two
// editors quitting at the same moment each keep the other's file (where the
// file system swaps two names in one step: Linux's ext4, tmpfs, btrfs, xfs).
// A folder or a special file of that name is not touched: nothing is written.
//
// Not for code.txt, which a save replaces (model/export.h); where the kept
// file goes when its folder refuses it is the caller's (editor/unsaved.h).
#pragma once

#include <cstddef>
#include <string>

// path with n before its extension: "code.unsaved.txt", 1 gives "code.unsaved.1.txt".
std::string numbered_name(const std::string& path, int n);

// Writes the len bytes of text as folder/name (folder "" is the working one),
// as above. Says on standard error, one line each, "unsaved changes written to
// SHOWN" and "the earlier SHOWN kept as OTHER" - or, returning false, "cannot
// save SHOWN: reason". SHOWN is the whole path with whole_paths (a folder the
// user did not choose), else the file's name alone.
bool keep_file(const std::string& folder, const char* name, const char* text, size_t len, bool whole_paths);
