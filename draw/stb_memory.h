// stb_memory.h - the memory of stb_image's decoder (draw/stb_image.cpp) while
// it decodes one picture on this thread, for draw/picture_input: every block
// it takes is counted, one that would bring the blocks held beyond the limit
// is refused (the decode fails as out of memory), and once *stop is set -
// from another thread - every block is refused. Outside such a decode its
// blocks are neither counted nor refused (the pixels it returned, freed later
// on any thread).
//
//   stb_memory m{png_memory_limit, stop};
//   { stb_memory_scope on(m); pixels = stbi_load_from_callbacks(...); }  // m.peak: the most held at once
#pragma once

#include <atomic>
#include <cstddef>

struct stb_memory {
    size_t limit;                  // the most the blocks held at once may add up to
    const std::atomic<bool>* stop; // null: never stopped
    size_t held = 0, peak = 0;
};

// The decoder's blocks on this thread counted in m while it lives.
struct stb_memory_scope {
    explicit stb_memory_scope(stb_memory& m);
    ~stb_memory_scope();
    stb_memory_scope(const stb_memory_scope&)            = delete;
    stb_memory_scope& operator=(const stb_memory_scope&) = delete;
};
