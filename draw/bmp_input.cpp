// bmp_input.cpp - bg.bmp's header checked against its file; the decoded
// picture made opaque. See bmp_input.h.
#include "draw/bmp_input.h"
#include "draw/surface_ops.h"

#include <cstdint>

namespace {

enum bmp_layout : int {
    file_header    = 14, // "BM", file size, reserved, pixel data offset
    core_header    = 12, // OS/2: 16-bit width and height
    info_header    = 40, // Windows: 32-bit width and height, compression
    bi_rgb         = 0,
    bi_bitfields   = 3,
    offset_at      = 10,
    header_size_at = 14,
    width_at       = 18,
};

uint32_t u16(const Uint8* p) {
    return static_cast<uint32_t>(p[0] | p[1] << 8);
}

uint32_t u32(const Uint8* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool known_depth(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// What a BMP header claims: its width, its number of rows, bits a pixel,
// compression, where its pixels start. False when it is no BMP header SDL reads.
struct bmp_claims {
    int64_t w, rows, offset;
    uint32_t bits, compression;
};

bool claims(const Uint8* h, size_t got, bmp_claims& c) {
    if (got < file_header + 4 || h[0] != 'B' || h[1] != 'M') return false;
    const uint32_t header = u32(h + header_size_at);
    c.compression         = bi_rgb;
    c.offset              = u32(h + offset_at);
    if (header == core_header && got >= file_header + core_header) {
        c.w    = u16(h + width_at);
        c.rows = u16(h + width_at + 2);
        c.bits = u16(h + width_at + 6);
    } else if (header >= info_header && got >= file_header + info_header) {
        c.w           = static_cast<int32_t>(u32(h + width_at));
        c.rows        = static_cast<int32_t>(u32(h + width_at + 4)); // below 0: stored top down
        c.bits        = u16(h + width_at + 10);
        c.compression = u32(h + width_at + 12);
        if (c.rows < 0) c.rows = -c.rows;
    } else {
        return false;
    }
    return true;
}

// The header's claims against the bytes the stream holds after its start.
bool fits(const bmp_claims& c, int64_t bytes) {
    if (c.w <= 0 || c.rows <= 0 || !known_depth(c.bits)) return false;
    if (c.compression != bi_rgb && c.compression != bi_bitfields) return false;
    const int64_t row_bytes = (c.w * c.bits + 31) / 32 * 4;             // rows padded to four bytes
    return c.offset <= bytes && row_bytes * c.rows <= bytes - c.offset; // w, rows < 2^31: no overflow
}

// The header at rw's position, read without moving rw (false when it cannot be
// read or is no BMP header), and the bytes from there to the stream's end.
bool read_claims(SDL_RWops* rw, bmp_claims& c, int64_t& bytes) {
    if (!rw) return false;
    const int start = SDL_RWtell(rw);
    const int end   = SDL_RWseek(rw, 0, RW_SEEK_END);
    if (start < 0 || end < start || SDL_RWseek(rw, start, RW_SEEK_SET) != start) return false;
    Uint8 header[file_header + info_header] = {};
    size_t got                              = 0;
    for (int n; got < sizeof header && (n = SDL_RWread(rw, header + got, 1, sizeof header - got)) > 0;)
        got += static_cast<size_t>(n);
    bytes         = end - start;
    const bool ok = claims(header, got, c);
    return SDL_RWseek(rw, start, RW_SEEK_SET) == start && ok;
}

} // namespace

bool bmp_fits_its_file(SDL_RWops* rw) {
    bmp_claims c{};
    int64_t bytes = 0;
    return read_claims(rw, c, bytes) && fits(c, bytes);
}

bool bmp_claimed_size(SDL_RWops* rw, int64_t* w, int64_t* h) {
    bmp_claims c{};
    int64_t bytes = 0;
    if (!read_claims(rw, c, bytes)) return false;
    *w = c.w;
    *h = c.rows;
    return true;
}

SDL_Surface* without_alpha(SDL_Surface* p) {
    if (!p || !p->format || p->format->Amask == 0) return p;
    return with_alpha_mask(p, 0);
}
