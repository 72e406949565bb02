// store_form.h - the stored form of the built-in pictures, on bytes in memory.
//
// A BMP file O of n bytes is kept back to front with every byte raised:
// S[n-1-i] = O[i] + 95 when i is even, O[i] + 128 when i is odd (mod 256).
// Needs nothing but the C++ library, so the build-time packer and the program
// share this code. Reading and writing files is image_store's business.
#pragma once

#include <cstddef>

// Writes the stored form of the n bytes of file to stored (n bytes).
void store_form(const unsigned char* file, size_t n, unsigned char* stored);

// Undoes store_form: writes n - n % 2 bytes to file and returns that count.
// The pairs are taken from the end of stored toward its start, so with an odd
// n the first stored byte is never read.
size_t unstore_form(const unsigned char* stored, size_t n, unsigned char* file);
