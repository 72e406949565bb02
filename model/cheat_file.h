// cheat_file.h - code.cht, the codes of code.txt as a RetroArch cheat file:
// one cheat, named after the program and switched on, whose code is every
// line of code.txt joined by "+" (RetroArch's way of putting several codes in
// one cheat):
//
//   cheats = 1
//
//   cheat0_desc = "Hudwright"
//   cheat0_code = "812114C6 00BB+812114C8 FE90"
//   cheat0_enable = true
//
// An unchanged layout (an empty code.txt) gives a file without a cheat,
// "cheats = 0". Made from code.txt's own text, so that the two files always
// hold the same codes; written beside it by the same save (editor/unsaved.h).
#pragma once

#include "model/export.h"

#include <cstddef>

constexpr const char* cheat_name = "Hudwright";
// Room for the longest: every code line, the keys and the name.
constexpr size_t cheat_capacity = export_capacity + 96;

// The cheat file for the codes (code.txt's text, codes_len bytes, every line
// ending in "\n") into out (capacity cap, NUL-terminated); its length.
size_t format_cheat(const char* codes, size_t codes_len, char* out, size_t cap);
