// export.h - the text of code.txt: one "81%06X %04X" line per changed value
// that has a RAM offset, in the order of the code table (codes.h). Nothing in
// the model is changed; writing the text to a file is files/safe_write.h's.
#pragma once

#include "model/codes.h"

#include <cstddef>

// The text of code.txt for the model, into out (capacity cap, NUL-terminated).
// Returns the length written. A line of 14 characters for every entry fits.
constexpr size_t export_capacity = 14 * code_count + 1;
size_t format_codes(const layout& m, char* out, size_t cap);
