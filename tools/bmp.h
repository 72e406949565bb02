// bmp.h - reading and writing BMP files for the picture tools (the art
// generator, the packer and the home composer). No SDL.
//
// Reads the BMP variants that paint programs write (1, 4, 8, 24 and 32 bits,
// uncompressed or with bit-field masks, any header size from 40 bytes on,
// bottom-up or top-down) and writes one canonical form that SDL 1.2 decodes:
// a 40-byte header, no compression, bottom-up, 24 or 32 bits per pixel, with
// the alpha of a 32-bit picture in the top byte of each pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct picture {
    int w = 0, h = 0;
    int bits = 24;              // 24: opaque; 32: the top byte is alpha
    std::vector<uint32_t> argb; // 0xAARRGGBB, row 0 at the top
    picture() = default;
    picture(int width, int height, int bits_per_pixel, uint32_t fill = 0)
        : w(width), h(height), bits(bits_per_pixel), argb(static_cast<size_t>(width) * height, fill) {}
    uint32_t& at(int x, int y) { return argb[static_cast<size_t>(y) * w + x]; }
    uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * w + x]; }
};

// Decodes a BMP file. A picture of fewer than 32 bits comes back opaque with
// bits 24; a 32-bit one keeps its fourth byte (or its alpha mask) as alpha.
// Returns false with a reason in error for anything it cannot read.
bool read_bmp(const std::vector<unsigned char>& file, picture& out, std::string& error);
// Encodes in the canonical form at p.bits (24 or 32).
std::vector<unsigned char> write_bmp(const picture& p);

bool read_whole_file(const std::string& path, std::vector<unsigned char>& bytes);
bool write_whole_file(const std::string& path, const std::vector<unsigned char>& bytes);
