// hex.h - fixed-width hexadecimal text of a value, and reading such text
// back: what the panel's value fields show and what a typed entry becomes.
// No allocation; nothing is reported.
#pragma once

#include <cstdint>

// The text of hex_string: up to 8 digits and a terminator, returned by value
// so that it stays valid until the caller has copied it.
struct hex_text {
    char s[9];
};

// The low 4*width bits of value as upper-case digits, most significant first.
// width is 2, 4, 6 or 8; an odd width is taken as the next even one, a width
// above 8 as 8.
hex_text hex_string(uint32_t value, uint8_t width);

// Reads text from its last character back: the k-th from the end counts
// digit * 16^k. "*" to "?" count c - '0' (so ":" to "?" are 10 to 15 and
// "*" to "/" are -6 to -1), "A"-"F" and "a"-"f" count 10-15, anything else
// counts nothing but keeps its place. Wraps modulo 2^32.
int32_t hex_value(const char* text);
