// hex.cpp - hexadecimal and decimal text conversions.
#include "draw/hex.h"

hex_text hexstring(uint32_t value, uint8_t width) {
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

// The value of one character in the given base, or no value (false).
bool digit_of(signed char c, int base, int32_t& d) {
    if (c >= '*' && c <= '?') {
        d = c - '0';
        return true;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        d = c - 55;
        return true;
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        d = c - 87;
        return true;
    }
    return false;
}

int32_t read_back(const char* text, int base) {
    size_t n     = charlen(text);
    uint32_t sum = 0, place = 1;
    for (size_t k = 0; k < n; k++) {
        int32_t d = 0;
        if (digit_of(static_cast<signed char>(text[n - 1 - k]), base, d))
            sum += static_cast<uint32_t>(d) * place;
        place *= static_cast<uint32_t>(base);
    }
    return static_cast<int32_t>(sum);
}

} // namespace

int32_t strtohex(const char* text) {
    return read_back(text, 16);
}
int32_t strtodec(const char* text) {
    return read_back(text, 10);
}

int32_t powr(int32_t base, int32_t exponent) {
    uint32_t r = 1;
    for (int32_t i = 0; i < exponent; i++) r *= static_cast<uint32_t>(base);
    return static_cast<int32_t>(r);
}

size_t charlen(const char* text) {
    size_t n = 0;
    while (text[n] != '\0') n++;
    return n;
}
