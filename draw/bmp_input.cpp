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

// The header's claims against the bytes the stream holds after its start.
bool fits(const Uint8* h, size_t got, int64_t bytes) {
    if (got < file_header + 4 || h[0] != 'B' || h[1] != 'M') return false;
    const uint32_t header = u32(h + header_size_at);
    int64_t w = 0, rows = 0;
    uint32_t bits = 0, compression = bi_rgb;
    if (header == core_header && got >= file_header + core_header) {
        w    = u16(h + width_at);
        rows = u16(h + width_at + 2);
        bits = u16(h + width_at + 6);
    } else if (header >= info_header && got >= file_header + info_header) {
        w           = static_cast<int32_t>(u32(h + width_at));
        rows        = static_cast<int32_t>(u32(h + width_at + 4)); // below 0: stored top down
        bits        = u16(h + width_at + 10);
        compression = u32(h + width_at + 12);
        if (rows < 0) rows = -rows;
    } else {
        return false;
    }
    if (w <= 0 || rows <= 0 || !known_depth(bits)) return false;
    if (compression != bi_rgb && compression != bi_bitfields) return false;
    const int64_t offset    = u32(h + offset_at);
    const int64_t row_bytes = (w * bits + 31) / 32 * 4;           // rows padded to four bytes
    return offset <= bytes && row_bytes * rows <= bytes - offset; // w, rows < 2^31: no overflow
}

} // namespace

bool bmp_fits_its_file(SDL_RWops* rw) {
    if (!rw) return false;
    const int start = SDL_RWtell(rw);
    const int end   = SDL_RWseek(rw, 0, RW_SEEK_END);
    if (start < 0 || end < start || SDL_RWseek(rw, start, RW_SEEK_SET) != start) return false;
    Uint8 header[file_header + info_header] = {};
    size_t got                              = 0;
    for (int n; got < sizeof header && (n = SDL_RWread(rw, header + got, 1, sizeof header - got)) > 0;)
        got += static_cast<size_t>(n);
    const bool ok = fits(header, got, end - start);
    return SDL_RWseek(rw, start, RW_SEEK_SET) == start && ok;
}

SDL_Surface* without_alpha(SDL_Surface* p) {
    if (!p || !p->format || p->format->Amask == 0) return p;
    return with_alpha_mask(p, 0);
}
