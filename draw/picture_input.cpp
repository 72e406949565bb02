// picture_input.cpp - a BMP or PNG from the user's disk read as an opaque
// surface, its kind and size checked first. See picture_input.h.
#include "draw/picture_input.h"

#include "draw/bmp_input.h"

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

// A claimed size within 1 to picture_side_limit a side.
bool usable_size(picture_kind kind, int64_t w, int64_t h, picture_problem& why) {
    if (w > picture_side_limit || h > picture_side_limit)
        return refuse(why, "more than " + std::to_string(picture_side_limit) + " pixels a side",
                      size_text(w, h));
    if (w <= 0 || h <= 0) return refuse(why, cannot_decode(kind), "a size of " + size_text(w, h));
    return true;
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

// A PNG's size from its header chunk, which must come first: the signature,
// the chunk's length (13) and "IHDR", then width and height, big-endian.
bool png_claimed_size(SDL_RWops* rw, int64_t* w, int64_t* h) {
    Uint8 b[24];
    if (peek(rw, b, sizeof b) != sizeof b || std::memcmp(b + 12, "IHDR", 4) != 0) return false;
    auto u32 = [](const Uint8* p) { return int64_t(p[0]) << 24 | int64_t(p[1]) << 16 | p[2] << 8 | p[3]; };
    *w       = u32(b + 16);
    *h       = u32(b + 20);
    return true;
}

// An 8-bit RGB picture from stb_image as a 24-bit surface with the same bytes.
SDL_Surface* rgb_surface(const stbi_uc* pixels, int w, int h) {
    const bool little = SDL_BYTEORDER == SDL_LIL_ENDIAN;
    SDL_Surface* s    = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, little ? 0x0000FF : 0xFF0000, 0x00FF00,
                                          little ? 0xFF0000 : 0x0000FF, 0);
    if (!s) return nullptr;
    for (int y = 0; y < h; y++)
        std::memcpy(static_cast<Uint8*>(s->pixels) + y * s->pitch, pixels + size_t(y) * w * 3, size_t(w) * 3);
    return s;
}

SDL_Surface* read_bmp(SDL_RWops* rw, picture_problem& why) {
    if (!bmp_fits_its_file(rw)) {
        refuse(why, cannot_decode(picture_bmp), "cut short, compressed or of an unknown depth");
        return nullptr;
    }
    // the fourth bytes of a 32-bit picture are never its alpha: a background has nothing behind it
    SDL_Surface* picture = without_alpha(SDL_LoadBMP_RW(rw, 0));
    if (!picture) {
        refuse(why, cannot_decode(picture_bmp), SDL_GetError());
        return nullptr;
    }
    // SDL decodes some depths (48 or 64 bits) that no blit can draw
    if (picture->format->BytesPerPixel < 1 || picture->format->BytesPerPixel > 4) {
        refuse(why, cannot_decode(picture_bmp),
               std::to_string(picture->format->BitsPerPixel) + " bits a pixel");
        SDL_FreeSurface(picture);
        return nullptr;
    }
    return picture;
}

SDL_Surface* read_stb(SDL_RWops* rw, picture_kind kind, picture_problem& why) {
    const std::string broken = cannot_decode(kind);
    rw_source s{};
    if (!open_source(rw, SDL_RWtell(rw), s)) {
        refuse(why, broken, "the file cannot be read");
        return nullptr;
    }
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_callbacks(&source_callbacks, &s, &w, &h, &channels, 3);
    if (!pixels) {
        const char* said = stbi_failure_reason();
        refuse(why, broken, said ? said : "");
        return nullptr;
    }
    SDL_Surface* picture = rgb_surface(pixels, w, h);
    stbi_image_free(pixels);
    if (!picture) refuse(why, "out of memory", SDL_GetError());
    return picture;
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
    switch (kind) {
    case picture_bmp:
        if (!bmp_claimed_size(rw, &cw, &ch)) return refuse(why, cannot_decode(kind), "no header SDL reads");
        break;
    case picture_png:
        if (!png_claimed_size(rw, &cw, &ch)) return refuse(why, cannot_decode(kind), "no header");
        break;
    case picture_jpeg: return refuse(why, "JPEG is not read - save it as PNG"); // see stb_image.cpp
    case picture_unknown: return refuse(why, "not a picture");
    }
    if (!usable_size(kind, cw, ch, why)) return false;
    *w = static_cast<int>(cw);
    *h = static_cast<int>(ch);
    return true;
}

SDL_Surface* read_picture(SDL_RWops* rw, picture_kind kind, picture_problem& why) {
    int w = 0, h = 0;
    if (!rw || !claimed_picture_size(rw, kind, &w, &h, why)) return nullptr;
    return kind == picture_bmp ? read_bmp(rw, why) : read_stb(rw, kind, why);
}
