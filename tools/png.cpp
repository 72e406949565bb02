// png.cpp - PNG encoding: signature, IHDR, one IDAT of stored deflate blocks
// with its zlib header and Adler-32, IEND; every chunk with its CRC-32.
#include "png.h"

#include <cstdint>
#include <string>

namespace {

uint32_t crc32(const unsigned char* data, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t adler32(const std::vector<unsigned char>& data) {
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void chunk(std::vector<unsigned char>& out, const char type[4], const std::vector<unsigned char>& body) {
    put32(out, static_cast<uint32_t>(body.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

// The zlib stream of raw: a header for deflate with a 32 KiB window, stored
// blocks of at most 65535 bytes, and the Adler-32 of raw.
std::vector<unsigned char> zlib_stored(const std::vector<unsigned char>& raw) {
    std::vector<unsigned char> z = {0x78, 0x01};
    size_t at                    = 0;
    do {
        size_t n  = raw.size() - at < 65535 ? raw.size() - at : 65535;
        bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n));
        z.push_back(static_cast<unsigned char>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + n));
        at += n;
    } while (at < raw.size());
    put32(z, adler32(raw));
    return z;
}

} // namespace

std::vector<unsigned char> write_png(const picture& p) {
    const bool alpha = p.bits == 32;
    std::vector<unsigned char> raw; // each row: filter type 0, then its pixels
    raw.reserve(static_cast<size_t>(p.h) * (1 + p.w * (alpha ? 4 : 3)));
    for (int y = 0; y < p.h; y++) {
        raw.push_back(0);
        for (int x = 0; x < p.w; x++) {
            uint32_t c = p.at(x, y);
            raw.push_back(static_cast<unsigned char>(c >> 16));
            raw.push_back(static_cast<unsigned char>(c >> 8));
            raw.push_back(static_cast<unsigned char>(c));
            if (alpha) raw.push_back(static_cast<unsigned char>(c >> 24));
        }
    }

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    put32(header, static_cast<uint32_t>(p.w));
    put32(header, static_cast<uint32_t>(p.h));
    header.push_back(8);                    // bits per channel
    header.push_back(alpha ? 6 : 2);        // colour type: RGBA or RGB
    header.insert(header.end(), {0, 0, 0}); // deflate, adaptive filters, no interlace
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", zlib_stored(raw));
    chunk(out, "IEND", {});
    return out;
}
