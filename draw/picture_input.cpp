// picture_input.cpp - a BMP or PNG from the user's disk read as an opaque
// surface, its kind and size checked first. See picture_input.h.
#include "draw/picture_input.h"

#include "draw/bmp_input.h"
#include "draw/stb_memory.h"

#include <cstdint>
#include <cstring>
#include <stb_image.h>

namespace {

constexpr Uint8 png_signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Up to n bytes at rw's position, rw left where it was; how many were read.
size_t peek(SDL_RWops* rw, Uint8* to, size_t n) {
    const int start = SDL_RWtell(rw);
    if (start < 0) return 0;
    size_t got = 0;
    for (int k; got < n && (k = SDL_RWread(rw, to + got, 1, static_cast<int>(n - got))) > 0;)
        got += static_cast<size_t>(k);
    return SDL_RWseek(rw, start, RW_SEEK_SET) == start ? got : 0;
}

std::string size_text(int64_t w, int64_t h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

bool refuse(picture_problem& why, std::string reason, std::string detail = "") {
    why = {std::move(reason), std::move(detail)};
    return false;
}

std::string cannot_decode(picture_kind kind) {
    return std::string("a ") + picture_kind_name(kind) + " that cannot be decoded";
}

// A claimed size within 1 to picture_side_limit a side and picture_pixel_limit
// in all; of 16 bits a channel (PNG), within deep_png_pixel_limit.
bool usable_size(picture_kind kind, int64_t w, int64_t h, int bits, picture_problem& why) {
    if (w > picture_side_limit || h > picture_side_limit)
        return refuse(why, "more than " + std::to_string(picture_side_limit) + " pixels a side",
                      size_text(w, h));
    if (w <= 0 || h <= 0) return refuse(why, cannot_decode(kind), "a size of " + size_text(w, h));
    if (w * h > picture_pixel_limit)
        return refuse(why, "more pixels than " + size_text(picture_pixels_w, picture_pixels_h),
                      size_text(w, h));
    if (bits == 16 && w * h > deep_png_pixel_limit)
        return refuse(why, "a 16-bit PNG over " + size_text(deep_png_pixels_w, deep_png_pixels_h) + " pixels",
                      size_text(w, h) + "; with 8 bits a channel up to " +
                          size_text(picture_pixels_w, picture_pixels_h) + " is read");
    return true;
}

// ---- a stream that another thread may stop ----------------------------------------------

// A stream that reads from the one under it until *stop is set, then
// nothing, and seeks in it. Closing it leaves the stream under it open.
struct stoppable_source {
    SDL_RWops* under;
    const std::atomic<bool>* stop;
};

stoppable_source& source_of(SDL_RWops* rw) {
    return *static_cast<stoppable_source*>(rw->hidden.unknown.data1);
}

int stoppable_read(SDL_RWops* rw, void* to, int size, int count) {
    const stoppable_source& s = source_of(rw);
    return s.stop->load() ? 0 : SDL_RWread(s.under, to, size, count);
}

int stoppable_seek(SDL_RWops* rw, int offset, int whence) {
    return SDL_RWseek(source_of(rw).under, offset, whence);
}

int no_write(SDL_RWops*, const void*, int, int) {
    return -1;
}

int stoppable_close(SDL_RWops* rw) {
    delete &source_of(rw);
    SDL_FreeRW(rw);
    return 0;
}

SDL_RWops* stoppable(SDL_RWops* under, const std::atomic<bool>* stop) {
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) return nullptr;
    rw->read                 = stoppable_read;
    rw->seek                 = stoppable_seek;
    rw->write                = no_write;
    rw->close                = stoppable_close;
    rw->hidden.unknown.data1 = new stoppable_source{under, stop};
    return rw;
}

bool stopped(const std::atomic<bool>* stop) {
    return stop && stop->load();
}

// ---- stb_image (PNG) reading through an SDL_RWops -------------------------------------

struct rw_source {
    SDL_RWops* rw;
    int end; // the stream's length
};

int source_read(void* user, char* data, int size) {
    auto* s     = static_cast<rw_source*>(user);
    const int n = size > 0 ? SDL_RWread(s->rw, data, 1, size) : 0;
    return n > 0 ? n : 0;
}

void source_skip(void* user, int n) { // n < 0: back
    SDL_RWseek(static_cast<rw_source*>(user)->rw, n, RW_SEEK_CUR);
}

int source_eof(void* user) {
    auto* s = static_cast<rw_source*>(user);
    return SDL_RWtell(s->rw) >= s->end;
}

constexpr stbi_io_callbacks source_callbacks = {source_read, source_skip, source_eof};

// The stream at its start with its end found; false when it cannot be sought.
bool open_source(SDL_RWops* rw, int start, rw_source& s) {
    s = {rw, SDL_RWseek(rw, 0, RW_SEEK_END)};
    return s.end >= start && SDL_RWseek(rw, start, RW_SEEK_SET) == start;
}

// A PNG's size and bits a channel from its header chunk, which must come
// first: the signature, the chunk's length (13) and "IHDR", then width and
// height, big-endian, and the bits.
bool png_claimed_size(SDL_RWops* rw, int64_t* w, int64_t* h, int* bits) {
    Uint8 b[25];
    if (peek(rw, b, sizeof b) != sizeof b || std::memcmp(b + 12, "IHDR", 4) != 0) return false;
    auto u32 = [](const Uint8* p) { return int64_t(p[0]) << 24 | int64_t(p[1]) << 16 | p[2] << 8 | p[3]; };
    *w       = u32(b + 16);
    *h       = u32(b + 20);
    *bits    = b[24];
    return true;
}

decoded_picture read_bmp(SDL_RWops* rw, picture_problem& why) {
    if (!bmp_fits_its_file(rw)) {
        refuse(why, cannot_decode(picture_bmp), "cut short, compressed or of an unknown depth");
        return {};
    }
    // the fourth bytes of a 32-bit picture are never its alpha: a background has nothing behind it
    SDL_Surface* picture = without_alpha(SDL_LoadBMP_RW(rw, 0));
    if (!picture) {
        refuse(why, cannot_decode(picture_bmp), SDL_GetError());
        return {};
    }
    // SDL decodes some depths (48 or 64 bits) that no blit can draw
    if (picture->format->BytesPerPixel < 1 || picture->format->BytesPerPixel > 4) {
        refuse(why, cannot_decode(picture_bmp),
               std::to_string(picture->format->BitsPerPixel) + " bits a pixel");
        SDL_FreeSurface(picture);
        return {};
    }
    return {picture, nullptr};
}

// Decoded by stb_image within png_memory_limit into 8-bit RGB, shown by a
// 24-bit surface over the decoder's own pixels.
decoded_picture read_stb(SDL_RWops* rw, picture_kind kind, picture_problem& why,
                         const std::atomic<bool>* stop) {
    const std::string broken = cannot_decode(kind);
    rw_source s{};
    if (!open_source(rw, SDL_RWtell(rw), s)) {
        refuse(why, broken, "the file cannot be read");
        return {};
    }
    int w = 0, h = 0, channels = 0;
    stb_memory memory{png_memory_limit, stop};
    stbi_uc* pixels = nullptr;
    {
        stb_memory_scope counted(memory);
        pixels = stbi_load_from_callbacks(&source_callbacks, &s, &w, &h, &channels, 3);
    }
    if (!pixels) {
        const char* said = stbi_failure_reason();
        refuse(why, broken, said ? said : "");
        return {};
    }
    const bool little    = SDL_BYTEORDER == SDL_LIL_ENDIAN;
    SDL_Surface* picture = SDL_CreateRGBSurfaceFrom(pixels, w, h, 24, w * 3, little ? 0x0000FF : 0xFF0000,
                                                    0x00FF00, little ? 0xFF0000 : 0x0000FF, 0);
    if (!picture) {
        stbi_image_free(pixels);
        refuse(why, "out of memory", SDL_GetError());
        return {};
    }
    return {picture, pixels};
}

} // namespace

const char* picture_kind_name(picture_kind kind) {
    switch (kind) {
    case picture_bmp: return "BMP";
    case picture_png: return "PNG";
    case picture_jpeg: return "JPEG";
    case picture_unknown: break;
    }
    return "";
}

picture_kind picture_kind_of(SDL_RWops* rw) {
    Uint8 b[sizeof png_signature] = {};
    const size_t got              = rw ? peek(rw, b, sizeof b) : 0;
    if (got >= 2 && b[0] == 'B' && b[1] == 'M') return picture_bmp;
    if (got == sizeof b && std::memcmp(b, png_signature, sizeof b) == 0) return picture_png;
    if (got >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return picture_jpeg;
    return picture_unknown;
}

bool claimed_picture_size(SDL_RWops* rw, picture_kind kind, int* w, int* h, picture_problem& why) {
    const picture_kind found = picture_kind_of(rw);
    const std::string name   = picture_kind_name(kind);
    if (found == picture_unknown) return refuse(why, "not a " + name + " picture");
    if (found != kind)
        return refuse(why, std::string("a ") + picture_kind_name(found) + " picture - not a " + name);
    int64_t cw = 0, ch = 0;
    int bits = 8;
    switch (kind) {
    case picture_bmp:
        if (!bmp_claimed_size(rw, &cw, &ch)) return refuse(why, cannot_decode(kind), "no header SDL reads");
        break;
    case picture_png:
        if (!png_claimed_size(rw, &cw, &ch, &bits)) return refuse(why, cannot_decode(kind), "no header");
        break;
    case picture_jpeg: return refuse(why, "JPEG is not read - save it as PNG"); // see stb_image.cpp
    case picture_unknown: return refuse(why, "not a picture");
    }
    if (!usable_size(kind, cw, ch, bits, why)) return false;
    *w = static_cast<int>(cw);
    *h = static_cast<int>(ch);
    return true;
}

void free_picture(decoded_picture& p) {
    if (p.surface) SDL_FreeSurface(p.surface);
    if (p.pixels) stbi_image_free(p.pixels);
    p = {};
}

decoded_picture read_picture(SDL_RWops* rw, picture_kind kind, picture_problem& why,
                             const std::atomic<bool>* stop) {
    int w = 0, h = 0;
    if (!rw || !claimed_picture_size(rw, kind, &w, &h, why)) return {};
    SDL_RWops* from = stop ? stoppable(rw, stop) : rw;
    if (!from) {
        refuse(why, "out of memory", SDL_GetError());
        return {};
    }
    decoded_picture p = kind == picture_bmp ? read_bmp(from, why) : read_stb(from, kind, why, stop);
    if (from != rw) SDL_RWclose(from);
    if (!p.surface && stopped(stop)) why = {"stopped", ""}; // whatever the decoder made of reading nothing
    return p;
}
