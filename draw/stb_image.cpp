// stb_image.cpp - the one compiled copy of stb_image (Debian's libstb-dev,
// public domain or MIT), for draw/picture_input: its PNG decoder only,
// reading through callbacks (no stdio of its own), refusing a picture
// larger than picture_side_limit a side as it parses the header, and taking
// its memory through stb_memory (draw/stb_memory.h): within a limit for all
// its blocks together, so that a PNG whose compressed data unpacks to more
// than its size calls for (a few kilobytes that unpack to gigabytes) fails
// instead of taking the memory, and not at all once a read is stopped.
// Nothing else of stb is used - not its JPEG decoder either: the one of Debian
// 12 (stb_image 2.27) writes past a table on a malformed Huffman table (a
// fuzzer finds one in seconds), fixed only in later releases.
//
// Each block carries its size in front of it (16 bytes, keeping malloc's
// alignment), so that a block freed or grown is counted off again.
#include "draw/picture_input.h"
#include "draw/stb_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t size_room = 16;

// The decode on this thread (null: none). thread_local, since stb's
// allocation macros take no context of their own.
thread_local stb_memory* decoding = nullptr;

char* block_of(void* p) {
    return static_cast<char*>(p) - size_room;
}

size_t size_of(void* p) {
    size_t n;
    std::memcpy(&n, block_of(p), sizeof n);
    return n;
}

// Whether n more bytes may be held now; counted when they may.
bool take(size_t n) {
    stb_memory* m = decoding;
    if (!m) return true;
    if ((m->stop && m->stop->load()) || n > m->limit - m->held) return false;
    m->held += n;
    if (m->held > m->peak) m->peak = m->held;
    return true;
}

void give_back(size_t n) {
    if (decoding) decoding->held -= n < decoding->held ? n : decoding->held;
}

void* sized(char* block, size_t n) {
    std::memcpy(block, &n, sizeof n);
    return block + size_room;
}

void* limited_malloc(size_t n) {
    if (n > SIZE_MAX - size_room || !take(n)) return nullptr;
    char* block = static_cast<char*>(std::malloc(n + size_room));
    if (!block) {
        give_back(n);
        return nullptr;
    }
    return sized(block, n);
}

void* limited_realloc(void* p, size_t n) {
    if (!p) return limited_malloc(n);
    const size_t old = size_of(p);
    if (n > SIZE_MAX - size_room || (n > old && !take(n - old))) return nullptr; // p stays as it was
    char* block = static_cast<char*>(std::realloc(block_of(p), n + size_room));
    if (!block) {
        if (n > old) give_back(n - old);
        return nullptr;
    }
    if (n < old) give_back(old - n);
    return sized(block, n);
}

void limited_free(void* p) {
    if (!p) return;
    give_back(size_of(p));
    std::free(block_of(p));
}

} // namespace

stb_memory_scope::stb_memory_scope(stb_memory& m) {
    decoding = &m;
}

stb_memory_scope::~stb_memory_scope() {
    decoding = nullptr;
}

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS picture_side_limit
#define STBI_MALLOC(n) limited_malloc(n)
#define STBI_REALLOC(p, n) limited_realloc(p, n)
#define STBI_FREE(p) limited_free(p)
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
