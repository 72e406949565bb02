// art_scenes.cpp - the two full-screen pictures: the default background of
// the preview (a calm, muted landscape that every element stands out
// against) and the count-down picture with the program's title.
#include "art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Smooth value noise in 0..1, the same for every run.
float lattice(int x, int y, uint32_t seed) {
    uint32_t h =
        static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.f;
}

float noise(float x, float y, uint32_t seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    float fx = x - xi, fy = y - yi;
    fx      = fx * fx * (3 - 2 * fx);
    fy      = fy * fy * (3 - 2 * fy);
    float a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    float c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, uint32_t seed) {
    return 0.55f * noise(x, y, seed) + 0.3f * noise(x * 2.1f, y * 2.1f, seed + 1) +
           0.15f * noise(x * 4.3f, y * 4.3f, seed + 2);
}

// Colour stops along t in 0..1.
rgba ramp(std::initializer_list<std::pair<float, unsigned>> stops, float t) {
    auto prev = *stops.begin();
    for (auto s : stops) {
        if (t <= s.first) {
            if (s.first <= prev.first) return hex(s.second);
            return mix(hex(prev.second), hex(s.second), (t - prev.first) / (s.first - prev.first));
        }
        prev = s;
    }
    return hex(prev.second);
}

// A ridge line: its height at x.
using ridge = float (*)(float x);

// Paints everything below a ridge, anti-aliased along it.
void land(canvas& c, ridge top, const std::function<rgba(int x, int y, float depth)>& colour) {
    for (int x = 0; x < c.w; x++) {
        float h = top(x + 0.5f);
        for (int y = 0; y < c.h; y++) {
            float k = std::clamp(y + 1 - h, 0.f, 1.f);
            if (k <= 0) continue;
            rgba s = colour(x, y, y - h);
            s.a *= k;
            over(c.at(x, y), s);
        }
    }
}

// 24-bit output with a 4x4 ordered dither, so long gradients show no bands.
picture dithered(const canvas& c) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    picture p(c.w, c.h, 24);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            rgba v  = c.at(x, y);
            float d = (bayer[y % 4][x % 4] + 0.5f) / 16.f - 0.5f;
            auto q  = [&](float ch) {
                return static_cast<uint32_t>(std::clamp(std::floor(ch * v.a * 255 + 0.5f + d), 0.f, 255.f));
            };
            p.at(x, y) = 0xFF000000u | q(v.r) << 16 | q(v.g) << 8 | q(v.b);
        }
    return p;
}

} // namespace

// ---- background ------------------------------------------------------------------

namespace {

float hills(float x) {
    return 168 - 12 * fbm(x / 70.f, 2.5f, 21) + 5 * std::sin(x / 29.f + 1);
}

float meadow(float x) {
    return 190 - 9 * fbm(x / 55.f, 4.5f, 51) - 4 * std::sin(x / 37.f + 2);
}

} // namespace

picture draw_background() {
    canvas c(320, 240);
    // sky: a muted blue-grey, paler toward a warm haze at the horizon
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++)
            c.at(x, y) =
                ramp({{0.f, 0x4E6A82}, {0.45f, 0x7F98A8}, {0.72f, 0xB9C2BC}, {0.9f, 0xD8D0B8}}, y / 240.f);
    // low sun glow
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            float r = std::hypot((x - 118) / 1.6f, y - 150.f) / 95.f;
            over(c.at(x, y), hex(0xF6E2B4, 0.45f * std::pow(std::max(0.f, 1 - r), 2.f)));
        }
    // soft clouds, low in the sky and clear of the top corners
    for (int y = 40; y < 130; y++)
        for (int x = 0; x < 320; x++) {
            float band = std::exp(-std::pow((y - 92 - 10 * std::sin(x / 53.f)) / 13.f, 2.f));
            float n    = fbm(x / 38.f, y / 14.f, 7);
            float a    = std::clamp((n - 0.52f) * 2.2f, 0.f, 1.f) * band * 0.5f;
            over(c.at(x, y), hex(0xF4F1E8, a));
        }
    // two mountain ranges, blue in the haze, the nearer one a little darker
    land(
        c, [](float x) { return 136 - 18 * fbm(x / 60.f, 0.5f, 11) - 6 * std::sin(x / 41.f); },
        [](int, int, float d) { return mix(hex(0x95A3B3), hex(0xA6AFB7), std::clamp(d / 30.f, 0.f, 1.f)); });
    land(
        c, [](float x) { return 152 - 14 * fbm(x / 45.f, 1.5f, 13) + 4 * std::sin(x / 23.f + 2); },
        [](int x, int, float d) {
            rgba m = mix(hex(0x7D8E98), hex(0x93A09F), std::clamp(d / 20.f, 0.f, 1.f));
            return mix(m, hex(0xA3AEB0), 0.25f * (1 - x / 320.f)); // lit from the low sun on the left
        });
    // rolling hills in sage
    land(c, hills, [](int x, int y, float d) {
        rgba g = mix(hex(0x909E7B), hex(0x6F7F62), std::clamp(d / 25.f, 0.f, 1.f));
        g      = mix(g, hex(0x9DA886), 0.3f * (1 - x / 320.f));
        return mix(g, hex(0x63725A), 0.35f * fbm(x / 9.f, y / 5.f, 31));
    });
    // trees along the hills, alone and in small groups
    for (int k = 0; k < 22; k++) {
        float x = 4 + k * 14.7f + 10 * noise(k * 1.3f, 0.2f, 41);
        if (x > 206 && x < 300) continue; // leave the map's corner calm
        if (noise(k * 0.9f, 3.3f, 45) < 0.35f) continue;
        float h     = hills(x) + 1;
        float s     = 2.5f + 4 * noise(k * 2.7f, 1.1f, 43);
        shape crown = ellipse(x, h - s * 0.95f, s * 0.72f, s);
        paint(c, cover(320, 240, box(x - 0.6f, h - 2, x + 0.6f, h + 1.5f)), hex(0x3E4A38));
        paint(c, cover(320, 240, crown), [&](int px, int) {
            return mix(hex(0x5E6F55), hex(0x46553F), std::clamp((px + 0.5f - x) / s + 0.5f, 0.f, 1.f));
        });
    }
    // the near meadow, darker toward the viewer
    land(c, meadow, [](int x, int y, float d) {
        rgba g = mix(hex(0x6C7C57), hex(0x3E4A36), std::clamp(d / 48.f, 0.f, 1.f));
        return mix(g, hex(0x55633F), 0.4f * fbm(x / 6.f, y / 3.f, 61));
    });
    // a pale path winding from the viewer over the meadow's crest
    for (int y = 180; y < 240; y++) {
        float t  = (y - 180) / 60.f;
        float cx = 168 + 26 * std::sin(t * 2.6f + 0.4f) - 34 * t;
        float hw = 0.8f + 19 * t * t;
        for (int x = 0; x < 320; x++) {
            float below = std::clamp(y - meadow(x + 0.5f) - 1.f, 0.f, 1.f);
            float k     = std::clamp(hw - std::abs(x + 0.5f - cx) + 0.5f, 0.f, 1.f) * below;
            over(c.at(x, y), hex(0x9C9474, k * (0.45f + 0.35f * t)));
        }
    }
    return dithered(c);
}

// ---- count-down picture ------------------------------------------------------------

namespace {

constexpr float pi = 3.14159265f;

// The title "Hudwright" as strokes: x-height 24, ascenders 38, baseline at
// y 38 of the letters' own frame, strokes 2 * stroke_half wide. Returns the
// whole word placed with its top-left near (x, y) and sets width.
constexpr float stroke_half = 3.4f;

shape title_word(float x, float y, float& width) {
    struct letter {
        float width;
        shape (*make)(float ox, float oy);
    };
    static const letter letters[] = {
        {22,
         [](float ox, float oy) { // H
             return unite(unite(segment(ox, oy, ox, oy + 38, stroke_half),
                                segment(ox + 22, oy, ox + 22, oy + 38, stroke_half)),
                          segment(ox, oy + 19, ox + 22, oy + 19, stroke_half));
         }},
        {20,
         [](float ox, float oy) { // u
             return unite(unite(segment(ox, oy + 14, ox, oy + 28, stroke_half),
                                arc(ox + 10, oy + 28, 10, 0, pi, stroke_half)),
                          segment(ox + 20, oy + 14, ox + 20, oy + 38, stroke_half));
         }},
        {24,
         [](float ox, float oy) { // d
             return unite(arc(ox + 12, oy + 26, 12, -pi, pi, stroke_half),
                          segment(ox + 24, oy, ox + 24, oy + 38, stroke_half));
         }},
        {28,
         [](float ox, float oy) { // w
             return unite(unite(segment(ox, oy + 14, ox + 7, oy + 38, stroke_half),
                                segment(ox + 7, oy + 38, ox + 14, oy + 21, stroke_half)),
                          unite(segment(ox + 14, oy + 21, ox + 21, oy + 38, stroke_half),
                                segment(ox + 21, oy + 38, ox + 28, oy + 14, stroke_half)));
         }},
        {15,
         [](float ox, float oy) { // r
             return unite(segment(ox, oy + 14, ox, oy + 38, stroke_half),
                          arc(ox + 12, oy + 27, 12, pi, 1.6f * pi, stroke_half));
         }},
        {0,
         [](float ox, float oy) { // i
             return unite(segment(ox, oy + 14, ox, oy + 38, stroke_half),
                          circle(ox, oy + 4, stroke_half + 0.6f));
         }},
        {24,
         [](float ox, float oy) { // g
             return unite(unite(arc(ox + 12, oy + 26, 12, -pi, pi, stroke_half),
                                segment(ox + 24, oy + 14, ox + 24, oy + 41, stroke_half)),
                          arc(ox + 12.5f, oy + 41, 11.5f, 0, 0.92f * pi, stroke_half));
         }},
        {24,
         [](float ox, float oy) { // h
             return unite(unite(segment(ox, oy, ox, oy + 38, stroke_half),
                                arc(ox + 12, oy + 26, 12, pi, 2 * pi, stroke_half)),
                          segment(ox + 24, oy + 26, ox + 24, oy + 38, stroke_half));
         }},
        {16,
         [](float ox, float oy) { // t
             return unite(unite(segment(ox + 6, oy + 3, ox + 6, oy + 31, stroke_half),
                                arc(ox + 13, oy + 31, 7, pi / 2, pi, stroke_half)),
                          segment(ox, oy + 14, ox + 16, oy + 14, stroke_half));
         }},
    };
    constexpr float gap = 5;
    shape word          = letters[0].make(x + stroke_half, y + stroke_half);
    float at            = x + letters[0].width + 2 * stroke_half + gap;
    for (size_t k = 1; k < std::size(letters); k++) {
        word = unite(word, letters[k].make(at + stroke_half, y + stroke_half));
        at += letters[k].width + 2 * stroke_half + gap;
    }
    width = at - gap - x;
    return word;
}

} // namespace

picture draw_splash() {
    canvas c(320, 240);
    // night-blue backdrop with a glow behind the title
    for (int y = 0; y < 240; y++)
        for (int x = 0; x < 320; x++) {
            rgba v  = ramp({{0.f, 0x0A0F20}, {1.f, 0x18233F}}, y / 240.f);
            float r = std::hypot((x - 160) / 1.8f, y - 92.f) / 110.f;
            over(v, hex(0x3B5596, 0.55f * std::pow(std::max(0.f, 1 - r), 1.8f)));
            c.at(x, y) = v;
        }
    // a floor of grid squares running to the horizon, as on a layout sheet;
    // the lines fade where they crowd together near the horizon
    constexpr float horizon = 178;
    for (int y = static_cast<int>(horizon); y < 240; y++) {
        float below   = y + 0.5f - horizon;
        float spacing = 840.f * below / 1400.f; // between the lines running away
        for (int x = 0; x < 320; x++) {
            float u     = (x + 0.5f - 160) / spacing;
            float along = std::clamp(1.f - std::abs(u - std::round(u)) * spacing, 0.f, 1.f) *
                          std::min(1.f, spacing / 14);
            float across = 0;
            for (int m = 6; m < 200; m++) {
                float ym  = 1400.f / (3.f * m);
                float gap = ym - 1400.f / (3.f * (m + 1));
                across    = std::max(across,
                                     std::clamp(1.f - std::abs(below - ym), 0.f, 1.f) * std::min(1.f, gap / 9));
            }
            float near = std::clamp(below / 62.f, 0.f, 1.f);
            over(c.at(x, y), hex(0x5A82E8, std::max(along, across) * (0.15f + 0.45f * near)));
        }
    }
    for (int x = 0; x < 320; x++) {
        float edge = std::min(1.f, std::min(x, 319 - x) / 60.f);
        over(c.at(x, static_cast<int>(horizon)), hex(0x7FA0FF, 0.55f * edge));
        over(c.at(x, static_cast<int>(horizon) - 1), hex(0x7FA0FF, 0.18f * edge));
    }
    // a scatter of faint stars
    for (int k = 0; k < 90; k++) {
        int x   = static_cast<int>(lattice(k, 1, 71) * 319);
        int y   = static_cast<int>(lattice(k, 2, 71) * 172);
        float b = 0.25f + 0.6f * lattice(k, 3, 71);
        over(c.at(x, y), hex(0xDCE6FF, b));
    }

    // the title, leaning a little forward
    float tw = 0;
    title_word(0, 0, tw);
    float tx = (320 - tw) / 2, ty = 42;
    shape upright = title_word(tx, ty, tw);
    shape t       = [=](float x, float y) { return upright(x + (y - ty - 40) * 0.14f, y); };
    paint(c, blurred(shifted(cover(320, 240, grow(t, 3.f), 4), 3, 5), 2), hex(0x000000, 0.7f));
    paint(c, cover(320, 240, grow(t, 2.6f), 4), hex(0x1A0C04));
    paint(c, cover(320, 240, t, 4), [&](int, int y) {
        float v = (y - ty) / 44.f;
        return ramp({{0.f, 0xFFF6CC}, {0.4f, 0xFFCF5E}, {0.75f, 0xF59232}, {1.1f, 0xD2561A}}, v);
    });
    // light on the upper edges of the strokes
    paint(c, cover(320, 240, intersect(t, [=](float x, float y) { return -t(x, y - 2.2f); }), 4),
          hex(0xFFFFFF, 0.6f));

    // a rule in the colours of the colour bar
    int ry = static_cast<int>(ty) + 70;
    for (int x = 40; x < 280; x++) {
        float u    = (x - 40) / 239.f;
        uint32_t v = walk_color(static_cast<int>(u * 177));
        float a    = std::min(1.f, std::min(u, 1 - u) * 8);
        for (int y = ry; y < ry + 3; y++)
            over(c.at(x, y), with_alpha(hex(v), a * (y == ry + 1 ? 1.f : 0.55f)));
    }

    // the subtitle
    const char* sub = "HUD LAYOUT EDITOR";
    mask s          = panel_text(sub, true);
    int sx = (320 - s.w + 1) / 2, sy = ry + 14;
    paint(c, s, hex(0xA9BCDD), sx, sy);

    return dithered(c);
}
