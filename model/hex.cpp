// hex.cpp - hexadecimal text of values and back.
#include "model/hex.h"

#include <cstring>

hex_text hex_string(uint32_t value, uint8_t width) {
    static const char digits[] = "0123456789ABCDEF";
    unsigned bytes             = (width > 8 ? 8u : width + 1u) / 2u;
    hex_text t{};
    unsigned n = 0;
    // byte width/2 - 1 down to byte 0, high nibble first
    for (unsigned i = bytes; i-- > 0;) {
        unsigned byte = (value >> (8 * i)) & 0xFFu;
        t.s[n++]      = digits[byte >> 4];
        t.s[n++]      = digits[byte & 0xF];
    }
    t.s[n] = '\0';
    return t;
}

namespace {

// The value of one character, or no value (false).
bool digit_of(signed char c, int32_t& d) {
    if (c >= '*' && c <= '?')
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else
        return false;
    return true;
}

} // namespace

int32_t hex_value(const char* text) {
    const size_t n = std::strlen(text);
    uint32_t sum = 0, place = 1;
    for (size_t k = 0; k < n; k++, place *= 16u) {
        int32_t d = 0;
        if (digit_of(static_cast<signed char>(text[n - 1 - k]), d)) sum += static_cast<uint32_t>(d) * place;
    }
    return static_cast<int32_t>(sum);
}
