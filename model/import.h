// import.h - reads basecode.txt: code lines ("%08X %04X": an address and a
// value) whose values become the starting layout. Only current values change,
// never a home.
#pragma once

#include "model/codes.h"

#include <cstddef>
#include <cstdint>

// What an import met: its lines and those that hold text but no code (skipped).
struct import_report {
    long lines;         // lines read (a last line without a line end counts)
    long skipped;       // lines with text but no code on them
    long first_skipped; // the first of them, counted from 1 (0: none)
};

// The RAM offset that a code address names: 81xxxxxx gives xxxxxx, 80xxxxxx
// gives xxxxxx - 1, anything below 80000000 is the offset itself.
uint32_t normalize_offset(uint32_t address);
// Sets one value at every entry of the code table that holds offset.
void apply_code(layout& m, uint32_t offset, uint32_t value);
// Reads the len bytes of text (a file's, read by the caller: files/code_read.h)
// line by line, and applies every code read whole.
import_report import_base_code(const char* text, size_t len, layout& m);
