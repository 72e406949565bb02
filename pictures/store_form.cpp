// store_form.cpp - the stored form of the built-in pictures and its undoing.
// Pure byte arithmetic: no files, no SDL.
#include "pictures/store_form.h"

void store_form(const unsigned char* file, size_t n, unsigned char* stored) {
    for (size_t i = 0; i < n; i++) {
        unsigned raise    = i % 2 == 0 ? 95u : 128u;
        stored[n - 1 - i] = static_cast<unsigned char>(file[i] + raise);
    }
}

size_t unstore_form(const unsigned char* stored, size_t n, unsigned char* file) {
    size_t out = 0;
    // pos walks n-2, n-4, ... down to 0 (even n) or 1 (odd n)
    for (size_t left = n; left >= 2; left -= 2) {
        size_t pos  = left - 2;
        file[out++] = static_cast<unsigned char>(stored[pos + 1] - 95u);
        file[out++] = static_cast<unsigned char>(stored[pos] - 128u);
    }
    return out;
}
