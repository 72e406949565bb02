// bmp.cpp - BMP decoding of the common variants and canonical encoding.
#include "bmp.h"

#include <cstdio>

namespace {

uint32_t le(const std::vector<unsigned char>& f, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--) v = v << 8 | f[at + i];
    return v;
}

// Writes v's low bytes, little-endian, at f[at] on; at moves past them. The
// file is sized once and written in place: GCC 14 mistook the push_back of
// each byte after a reserve for a free of a non-heap object.
void put(std::vector<unsigned char>& f, size_t& at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) f[at++] = static_cast<unsigned char>(v >> (8 * i));
}

// The value of the bits of mask in v, stretched to 0-255.
uint32_t channel(uint32_t v, uint32_t mask) {
    if (mask == 0) return 255;
    int shift = 0;
    while (!(mask >> shift & 1)) shift++;
    uint32_t top = mask >> shift;
    uint32_t raw = (v & mask) >> shift;
    return static_cast<uint32_t>((static_cast<uint64_t>(raw) * 255 + top / 2) / top);
}

} // namespace

bool read_bmp(const std::vector<unsigned char>& f, picture& out, std::string& error) {
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') return error = "not a BMP file", false;
    uint32_t data_at   = le(f, 10, 4);
    uint32_t head_size = le(f, 14, 4);
    if (head_size < 40 || 14 + head_size > f.size()) return error = "unsupported BMP header", false;
    int32_t w         = static_cast<int32_t>(le(f, 18, 4));
    int32_t h         = static_cast<int32_t>(le(f, 22, 4));
    int bits          = static_cast<int>(le(f, 28, 2));
    uint32_t compress = le(f, 30, 4);
    uint32_t colours  = le(f, 46, 4);
    bool top_down     = h < 0;
    if (top_down) h = -h;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return error = "unsupported picture size", false;
    if (compress != 0 && compress != 3 && compress != 6) return error = "compressed BMP", false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return error = "unsupported bits per pixel", false;

    uint32_t rmask = 0xFF0000, gmask = 0xFF00, bmask = 0xFF, amask = bits == 32 ? 0xFF000000u : 0;
    size_t palette_at = 14 + head_size;
    if (compress != 0) {
        if (bits != 32) return error = "bit fields are read for 32 bits only", false;
        if (f.size() < 70) return error = "truncated BMP", false;
        rmask = le(f, 54, 4);
        gmask = le(f, 58, 4);
        bmask = le(f, 62, 4);
        amask = head_size >= 56 || compress == 6 ? le(f, 66, 4) : 0;
        if (head_size == 40) palette_at += compress == 6 ? 16 : 12;
    }

    size_t pitch = (static_cast<size_t>(w) * bits + 31) / 32 * 4;
    if (data_at + pitch * h > f.size()) return error = "truncated BMP", false;
    std::vector<uint32_t> palette;
    if (bits <= 8) {
        size_t n = colours ? colours : 1u << bits;
        if (n > 256 || palette_at + 4 * n > f.size()) return error = "bad palette", false;
        for (size_t i = 0; i < n; i++) palette.push_back(0xFF000000u | le(f, palette_at + 4 * i, 3));
    }

    out = picture(w, h, bits == 32 ? 32 : 24);
    for (int y = 0; y < h; y++) {
        size_t row = data_at + pitch * static_cast<size_t>(top_down ? y : h - 1 - y);
        for (int x = 0; x < w; x++) {
            uint32_t v;
            if (bits <= 8) {
                size_t bit     = static_cast<size_t>(x) * bits;
                unsigned index = f[row + bit / 8] >> (8 - bits - bit % 8) & ((1u << bits) - 1);
                if (index >= palette.size()) return error = "palette index out of range", false;
                v = palette[index];
            } else if (bits == 24) {
                v = 0xFF000000u | le(f, row + 3 * static_cast<size_t>(x), 3);
            } else {
                uint32_t p = le(f, row + 4 * static_cast<size_t>(x), 4);
                v          = channel(p, amask) << 24 | channel(p, rmask) << 16 | channel(p, gmask) << 8 |
                    channel(p, bmask); // no alpha mask: channel() gives 255, opaque
            }
            out.at(x, y) = v;
        }
    }
    return true;
}

std::vector<unsigned char> write_bmp(const picture& p) {
    int bytes    = p.bits == 32 ? 4 : 3;
    size_t pitch = (static_cast<size_t>(p.w) * bytes + 3) / 4 * 4;
    size_t size  = 54 + pitch * p.h;
    std::vector<unsigned char> f(size, 0); // row padding stays 0
    size_t at = 0;
    put(f, at, 'B' | 'M' << 8, 2);
    put(f, at, static_cast<uint32_t>(size), 4);
    put(f, at, 0, 4);
    put(f, at, 54, 4);
    put(f, at, 40, 4);
    put(f, at, static_cast<uint32_t>(p.w), 4);
    put(f, at, static_cast<uint32_t>(p.h), 4);
    put(f, at, 1, 2);
    put(f, at, static_cast<uint32_t>(bytes * 8), 2);
    put(f, at, 0, 4);
    put(f, at, static_cast<uint32_t>(pitch * p.h), 4);
    put(f, at, 2835, 4); // 72 dots per inch
    put(f, at, 2835, 4);
    put(f, at, 0, 4);
    put(f, at, 0, 4);
    for (int y = p.h - 1; y >= 0; y--) {
        at = 54 + pitch * static_cast<size_t>(p.h - 1 - y);
        for (int x = 0; x < p.w; x++) put(f, at, p.at(x, y), bytes);
    }
    return f;
}

bool read_whole_file(const std::string& path, std::vector<unsigned char>& bytes) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return false;
    bytes.clear();
    unsigned char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

bool write_whole_file(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}
