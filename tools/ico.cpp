// ico.cpp - the icon file: a directory of entries, then each image, in order.
// A bitmap image is a BMP without its file header whose height counts twice
// (the colour rows, then the mask rows), bottom-up, the mask one bit a pixel
// (1: transparent) with rows padded to 32 bits.
#include "ico.h"

#include "png.h"

#include <cstdint>

namespace {

void put(std::vector<unsigned char>& out, uint32_t v, int bytes) {
    for (int k = 0; k < bytes; k++) out.push_back(static_cast<unsigned char>(v >> (8 * k)));
}

std::vector<unsigned char> dib(const picture& p) {
    std::vector<unsigned char> d;
    size_t mask_pitch = (static_cast<size_t>(p.w) + 31) / 32 * 4;
    put(d, 40, 4); // the header's size
    put(d, static_cast<uint32_t>(p.w), 4);
    put(d, static_cast<uint32_t>(p.h * 2), 4);
    put(d, 1, 2);  // planes
    put(d, 32, 2); // bits per pixel
    put(d, 0, 4);  // no compression
    put(d, static_cast<uint32_t>((static_cast<size_t>(p.w) * 4 + mask_pitch) * p.h), 4);
    for (int k = 0; k < 4; k++) put(d, 0, 4); // resolution, palette
    for (int y = p.h - 1; y >= 0; y--)
        for (int x = 0; x < p.w; x++) put(d, p.at(x, y), 4); // B, G, R, A
    for (int y = p.h - 1; y >= 0; y--) {
        std::vector<unsigned char> row(mask_pitch, 0);
        for (int x = 0; x < p.w; x++)
            if ((p.at(x, y) >> 24) == 0) row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        d.insert(d.end(), row.begin(), row.end());
    }
    return d;
}

} // namespace

std::vector<unsigned char> write_ico(const std::vector<picture>& sizes) {
    std::vector<std::vector<unsigned char>> images;
    for (const picture& p : sizes) images.push_back(p.w >= 256 ? write_png(p) : dib(p));
    std::vector<unsigned char> f;
    put(f, 0, 2); // reserved
    put(f, 1, 2); // an icon (2 would be a cursor)
    put(f, static_cast<uint32_t>(images.size()), 2);
    size_t offset = 6 + 16 * images.size();
    for (size_t k = 0; k < images.size(); k++) {
        const picture& p = sizes[k];
        put(f, static_cast<uint32_t>(p.w & 255), 1); // 0 stands for 256
        put(f, static_cast<uint32_t>(p.h & 255), 1);
        put(f, 0, 1); // no palette
        put(f, 0, 1);
        put(f, 1, 2); // planes
        put(f, 32, 2);
        put(f, static_cast<uint32_t>(images[k].size()), 4);
        put(f, static_cast<uint32_t>(offset), 4);
        offset += images[k].size();
    }
    for (const auto& image : images) f.insert(f.end(), image.begin(), image.end());
    return f;
}
