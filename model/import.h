// import.h - reads basecode.txt: "%08X %04X" code lines whose values become
// the starting layout. Only current values change, never a home.
#pragma once

#include "model/codes.h"

#include <cstdint>
#include <cstdio>

// The RAM offset that a code address names: 81xxxxxx gives xxxxxx, 80xxxxxx
// gives xxxxxx - 1, anything below 80000000 is the offset itself.
uint32_t normalize_offset(uint32_t address);
// Sets one value at every entry of the code table that holds offset.
void apply_code(layout& m, uint32_t offset, uint32_t value);
// Reads in to its end and applies every line that is read whole.
void import_base_code(FILE* in, layout& m);
