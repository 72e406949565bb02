// stb_image.cpp - the one compiled copy of stb_image (Debian's libstb-dev,
// public domain or MIT), for draw/picture_input: its PNG decoder only,
// reading through callbacks (no stdio of its own), refusing a picture
// larger than picture_side_limit a side as it parses the header, and any one
// allocation larger than the largest such picture needs - so that a PNG whose
// compressed data unpacks to more than its size calls for (a few kilobytes
// that unpack to gigabytes) fails instead of taking the memory. Nothing else
// of stb is used - not its JPEG decoder either: the one of Debian 12 (stb_image
// 2.27) writes past a table on a malformed Huffman table (a fuzzer finds one
// in seconds), fixed only in later releases.
#include "draw/picture_input.h"

#include <cstdlib>

namespace {

// The largest block a picture within the limit needs: a 16-bit RGBA PNG's
// unpacked rows (8 bytes a pixel and a filter byte a row), and room to spare.
constexpr size_t allocation_limit =
    size_t(picture_side_limit) * (size_t(picture_side_limit) * 8 + 1) + (size_t(1) << 20);

void* limited_malloc(size_t n) {
    return n <= allocation_limit ? std::malloc(n) : nullptr;
}

void* limited_realloc(void* p, size_t n) {
    return n <= allocation_limit ? std::realloc(p, n) : nullptr;
}

} // namespace

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS picture_side_limit
#define STBI_MALLOC(n) limited_malloc(n)
#define STBI_REALLOC(p, n) limited_realloc(p, n)
#define STBI_FREE(p) std::free(p)
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
