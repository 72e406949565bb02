// probe.cpp - answers questions about screenshots of the Hudwright window for
// the end-to-end driver: what screen is showing, the colour of a pixel, how
// many pixels of a region match a colour, where a colour lies, whether two
// shots differ. Reads X window dumps as `xwd` writes them (ZPixmap, 24 or 32
// bits per pixel, or 16, or 8 through the dump's palette) and binary PPM.
//
// It knows the window's fixed layout (panel fields, prompt words, count-down
// text) but nothing about the pictures' contents.
//
//   probe SHOT screen                     countdown|basecode-prompt|bg-prompt|editor|other
//   probe SHOT pixel X Y                  RRGGBB
//   probe SHOT count X Y W H COLOUR         pixels of the region matching COLOUR
//   probe SHOT bbox X Y W H COLOUR          "x y w h" of the matching pixels, or "none"
//   probe SHOT diff OTHER X Y W H         pixels of the region that differ
//
// COLOUR is black, nonblack, white, RRGGBB or !RRGGBB. Exit status 2 on bad use.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct shot {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    unsigned at(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h) return 0xFFFFFFFFu; // matches no colour
        const unsigned char* p = &rgb[3 * (static_cast<size_t>(y) * w + x)];
        return (p[0] << 16) | (p[1] << 8) | p[2];
    }
};

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr, "probe: %s\n", why);
    std::exit(2);
}

int read_number(FILE* f) {
    int c = std::fgetc(f);
    while (c == '#' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
        if (c == '#')
            while (c != '\n' && c != EOF) c = std::fgetc(f);
        c = std::fgetc(f);
    }
    int v = 0;
    if (c < '0' || c > '9') usage("not a PPM number");
    while (c >= '0' && c <= '9') {
        v = v * 10 + (c - '0');
        if (v > 100000) usage("PPM size too large");
        c = std::fgetc(f);
    }
    return v; // the single white space after the number is consumed
}

uint32_t big32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// A channel of a pixel value through its mask, widened to 8 bits.
unsigned channel(uint32_t pixel, uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) shift++;
    uint32_t max = mask >> shift, v = (pixel & mask) >> shift;
    return max == 255 ? v : static_cast<unsigned>(v * 255 / max);
}

shot load_xwd(const std::vector<unsigned char>& f) {
    if (f.size() < 100) usage("XWD header is short");
    uint32_t h[25];
    for (int i = 0; i < 25; i++) h[i] = big32(&f[4 * i]);
    uint32_t header = h[0], format = h[2], width = h[4], height = h[5], order = h[7], bpp = h[11],
             line     = h[12];
    uint32_t masks[3] = {h[14], h[15], h[16]}, ncolors = h[19];
    if (h[1] != 7 || format != 2 || (bpp != 32 && bpp != 24 && bpp != 16 && bpp != 8))
        usage("XWD is not an 8/16/24/32-bit ZPixmap");
    if (width > 10000 || height > 10000 || ncolors > 65536) usage("XWD size out of range");
    size_t start = size_t(header) + size_t(ncolors) * 12;
    if (start + size_t(line) * height > f.size() || line < width * (bpp / 8)) usage("XWD is short");
    // An 8-bit screen has a palette: the dump's colour table gives each index.
    std::vector<uint32_t> palette(256, 0);
    for (uint32_t i = 0; i < ncolors; i++) {
        const unsigned char* c = &f[header + 12 * size_t(i)];
        uint32_t index         = big32(c);
        if (index < 256) palette[index] = (uint32_t(c[4]) << 16) | (uint32_t(c[6]) << 8) | c[8];
    }
    shot s;
    s.w = static_cast<int>(width);
    s.h = static_cast<int>(height);
    s.rgb.resize(3 * size_t(width) * height);
    for (uint32_t y = 0; y < height; y++)
        for (uint32_t x = 0; x < width; x++) {
            const unsigned char* p = &f[start + size_t(y) * line + size_t(x) * (bpp / 8)];
            uint32_t v             = 0;
            for (uint32_t b = 0; b < bpp / 8; b++)
                v |= uint32_t(p[b]) << (order == 0 ? 8 * b : 8 * (bpp / 8 - 1 - b));
            unsigned char* out = &s.rgb[3 * (size_t(y) * width + x)];
            if (bpp == 8) {
                for (int c = 0; c < 3; c++)
                    out[c] = static_cast<unsigned char>(palette[v & 0xFF] >> (16 - 8 * c));
            } else {
                for (int c = 0; c < 3; c++) out[c] = static_cast<unsigned char>(channel(v, masks[c]));
            }
        }
    return s;
}

shot load(const char* path) {
    FILE* f = std::fopen(path, "rb");
    if (!f) usage("cannot open the shot");
    std::vector<unsigned char> bytes;
    unsigned char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') return load_xwd(bytes);
    FILE* m = fmemopen(bytes.data(), bytes.size(), "rb");
    std::fgetc(m);
    std::fgetc(m);
    shot s;
    s.w          = read_number(m);
    s.h          = read_number(m);
    int maxvalue = read_number(m);
    if (maxvalue != 255) usage("PPM is not 8 bits per channel");
    s.rgb.resize(3 * static_cast<size_t>(s.w) * s.h);
    if (std::fread(s.rgb.data(), 1, s.rgb.size(), m) != s.rgb.size()) usage("PPM is short");
    std::fclose(m);
    return s;
}

struct colour_test {
    enum { black, nonblack, white, equal, unequal } kind;
    unsigned color;
    bool matches(unsigned c) const {
        if (c == 0xFFFFFFFFu) return false; // outside the shot
        switch (kind) {
        case black: return c == 0;
        case nonblack: return c != 0;
        case white: return c == 0xFFFFFF;
        case equal: return c == color;
        case unequal: return c != color;
        }
        return false;
    }
};

colour_test parse_colour_test(const char* s) {
    if (!std::strcmp(s, "black")) return {colour_test::black, 0};
    if (!std::strcmp(s, "nonblack")) return {colour_test::nonblack, 0};
    if (!std::strcmp(s, "white")) return {colour_test::white, 0xFFFFFF};
    bool negate = *s == '!';
    if (negate) s++;
    if (std::strlen(s) != 6) usage("colour must be RRGGBB");
    char* end  = nullptr;
    unsigned c = static_cast<unsigned>(std::strtoul(s, &end, 16));
    if (*end) usage("colour must be RRGGBB");
    return {negate ? colour_test::unequal : colour_test::equal, c};
}

long count(const shot& s, int x, int y, int w, int h, colour_test m) {
    long n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) n += m.matches(s.at(i, j));
    return n;
}

// The screens, told apart by what only each of them draws. The count-down
// draws its text at y 256 below the picture and nothing further down; the
// prompts are black but for "Yes", "No" and the question at y 128 (the
// base-code question is longer: it reaches x 224); the editor fills its value
// fields white.
const char* classify(const shot& s) {
    auto mostly_white = [&](int x, int y) {
        return count(s, x, y, 26, 14, {colour_test::white, 0}) * 10 >= 26 * 14 * 4;
    };
    if (mostly_white(174, 273) && mostly_white(274, 273) && mostly_white(79, 273)) return "editor";
    const colour_test black{colour_test::black, 0}, lit{colour_test::nonblack, 0};
    if (count(s, 0, 0, 320, 80, lit) == 0 && count(s, 0, 96, 320, 32, lit) == 0 &&
        count(s, 30, 80, 21, 16, lit) > 0 && count(s, 80, 80, 14, 16, lit) > 0 &&
        count(s, 0, 144, 320, 176, lit) == 0)
        return count(s, 190, 128, 40, 16, lit) > 0 ? "basecode-prompt" : "bg-prompt";
    if (count(s, 91, 256, 126, 16, lit) > 0 && count(s, 0, 272, 320, 48, black) == 320 * 48 &&
        count(s, 0, 0, 320, 240, lit) > 0)
        return "countdown";
    return "other";
}

int arg(char** argv, int i) {
    char* end = nullptr;
    long v    = std::strtol(argv[i], &end, 10);
    if (*end || v < -100000 || v > 100000) usage("bad number");
    return static_cast<int>(v);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) usage("usage: probe SHOT screen|pixel|count|bbox|diff ...");
    shot s           = load(argv[1]);
    std::string verb = argv[2];
    if (verb == "screen" && argc == 3) {
        std::puts(classify(s));
    } else if (verb == "pixel" && argc == 5) {
        unsigned c = s.at(arg(argv, 3), arg(argv, 4));
        if (c == 0xFFFFFFFFu) usage("pixel outside the shot");
        std::printf("%06X\n", c);
    } else if (verb == "count" && argc == 8) {
        std::printf("%ld\n", count(s, arg(argv, 3), arg(argv, 4), arg(argv, 5), arg(argv, 6),
                                   parse_colour_test(argv[7])));
    } else if (verb == "bbox" && argc == 8) {
        int x = arg(argv, 3), y = arg(argv, 4), w = arg(argv, 5), h = arg(argv, 6);
        colour_test m = parse_colour_test(argv[7]);
        int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
        for (int j = y; j < y + h; j++)
            for (int i = x; i < x + w; i++)
                if (m.matches(s.at(i, j))) {
                    if (i < x0) x0 = i;
                    if (j < y0) y0 = j;
                    if (i > x1) x1 = i;
                    if (j > y1) y1 = j;
                }
        if (x1 < 0)
            std::puts("none");
        else
            std::printf("%d %d %d %d\n", x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    } else if (verb == "diff" && argc == 8) {
        shot o = load(argv[3]);
        int x = arg(argv, 4), y = arg(argv, 5), w = arg(argv, 6), h = arg(argv, 7);
        long n = 0;
        for (int j = y; j < y + h; j++)
            for (int i = x; i < x + w; i++) n += s.at(i, j) != o.at(i, j);
        std::printf("%ld\n", n);
    } else {
        usage("unknown question or wrong number of arguments");
    }
    return 0;
}
