// probe.cpp - answers the end-to-end driver's questions about an X window dump
// (`xwd`: ZPixmap of 16, 24 or 32 bits per pixel). It knows the window's fixed
// layout (panel fields, prompt words, count-down text), not the pictures.
//
//   probe SHOT screen                 countdown|basecode-prompt|bg-prompt|editor|other
//   probe SHOT count X Y W H COLOUR   pixels of the region of COLOUR (RRGGBB or white)
//   probe SHOT bbox X Y W H COLOUR    "x y w h" of those pixels, or "none"
//   probe SHOT diff OTHER X Y W H     pixels of the region that differ between the shots
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t outside = 0xFFFFFFFF; // matches no colour

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr, "probe: %s\n", why);
    std::exit(2);
}

struct shot {
    uint32_t w = 0, h = 0;
    std::vector<uint32_t> rgb;
    uint32_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= int(w) || y >= int(h) ? outside : rgb[y * w + x];
    }
};

uint32_t big32(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// A channel of a pixel value through its mask, widened to 8 bits.
uint32_t channel(uint32_t pixel, uint32_t mask) {
    int shift = 0;
    while (mask && !((mask >> shift) & 1)) shift++;
    uint32_t max = mask >> shift;
    return max ? ((pixel & mask) >> shift) * 255 / max : 0;
}

shot load(const char* path) {
    FILE* f = std::fopen(path, "rb");
    if (!f) usage("cannot open the shot");
    std::vector<unsigned char> b;
    for (int c; (c = std::fgetc(f)) != EOF;) b.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    if (b.size() < 100) usage("XWD header is short");
    uint32_t h[25];
    for (int i = 0; i < 25; i++) h[i] = big32(&b[4 * i]);
    uint32_t bytes = h[11] / 8, line = h[12];
    shot s{h[4], h[5], {}};
    if (h[1] != 7 || h[2] != 2 || (bytes != 2 && bytes != 3 && bytes != 4) || s.w > 4000 || s.h > 4000)
        usage("not an XWD ZPixmap of 16 to 32 bits");
    size_t start = h[0] + size_t(h[19]) * 12; // the header, then the colour table
    if (start + size_t(line) * s.h > b.size() || line < s.w * bytes) usage("XWD is short");
    for (uint32_t y = 0; y < s.h; y++)
        for (uint32_t x = 0; x < s.w; x++) {
            const unsigned char* p = &b[start + y * line + x * bytes];
            uint32_t v             = 0;
            for (uint32_t i = 0; i < bytes; i++) v |= uint32_t(p[i]) << 8 * (h[7] == 0 ? i : bytes - 1 - i);
            s.rgb.push_back(channel(v, h[14]) << 16 | channel(v, h[15]) << 8 | channel(v, h[16]));
        }
    return s;
}

struct colour {
    uint32_t c;
    bool negate = false;
    bool matches(uint32_t p) const { return p != outside && (p == c) != negate; }
};

colour parse_colour(const char* s) {
    if (!std::strcmp(s, "white")) return {0xFFFFFF};
    char* end = nullptr;
    auto c    = static_cast<uint32_t>(std::strtoul(s, &end, 16));
    if (std::strlen(s) != 6 || *end) usage("colour must be RRGGBB or white");
    return {c};
}

long count(const shot& s, int x, int y, int w, int h, colour m) {
    long n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) n += m.matches(s.at(i, j));
    return n;
}

// The screens, told apart by what only each of them draws. The editor fills
// its value fields white; the prompts are black but for "Yes", "No" and the
// question at y 128 (the base-code question is longer: it reaches x 224); the
// count-down draws its text at y 256 and nothing further down.
const char* classify(const shot& s) {
    const colour white{0xFFFFFF}, black{0}, lit{0, true};
    auto mostly_white = [&](int x) { return count(s, x, 273, 26, 14, white) * 10 >= 26 * 14 * 4; };
    if (mostly_white(174) && mostly_white(274) && mostly_white(79)) return "editor";
    if (count(s, 0, 0, 320, 80, lit) == 0 && count(s, 0, 96, 320, 32, lit) == 0 &&
        count(s, 30, 80, 21, 16, lit) && count(s, 80, 80, 14, 16, lit) &&
        count(s, 0, 144, 320, 176, lit) == 0)
        return count(s, 190, 128, 40, 16, lit) ? "basecode-prompt" : "bg-prompt";
    if (count(s, 91, 256, 126, 16, lit) && count(s, 0, 272, 320, 48, black) == 320 * 48 &&
        count(s, 0, 0, 320, 240, lit))
        return "countdown";
    return "other";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) usage("usage: probe SHOT screen|count|bbox|diff ...");
    shot s           = load(argv[1]);
    std::string verb = argv[2];
    int n            = verb == "diff" ? 4 : 3; // the first number
    int a[4]         = {};
    for (int i = 0; i < 4 && n + i < argc; i++) a[i] = std::atoi(argv[n + i]);
    if (verb == "screen" && argc == 3) {
        std::puts(classify(s));
    } else if (verb == "count" && argc == 8) {
        std::printf("%ld\n", count(s, a[0], a[1], a[2], a[3], parse_colour(argv[7])));
    } else if (verb == "bbox" && argc == 8) {
        colour m = parse_colour(argv[7]);
        int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
        for (int y = a[1]; y < a[1] + a[3]; y++)
            for (int x = a[0]; x < a[0] + a[2]; x++)
                if (m.matches(s.at(x, y))) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        if (x1 < 0)
            std::puts("none");
        else
            std::printf("%d %d %d %d\n", x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    } else if (verb == "diff" && argc == 8) {
        shot o = load(argv[3]);
        long d = 0;
        for (int y = a[1]; y < a[1] + a[3]; y++)
            for (int x = a[0]; x < a[0] + a[2]; x++) d += s.at(x, y) != o.at(x, y);
        std::printf("%ld\n", d);
    } else {
        usage("unknown question or wrong number of arguments");
    }
}
