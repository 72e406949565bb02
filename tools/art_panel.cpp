// art_panel.cpp - the pictures of the control panel: both font strips, the
// save button and the colour bar.
#include "art.h"
#include "art_glyphs.h"

#include <cstring>

// ---- colour walk ------------------------------------------------------------------

uint32_t color_walk(int n) {
    // segment: the channel it moves (0 r, 1 g, 2 b), up or down
    static const struct {
        int channel;
        bool up;
    } segments[6] = {{1, true}, {0, false}, {2, true}, {1, false}, {0, true}, {2, false}};
    int c[3]      = {255, 0, 0};
    int t         = 0;
    for (int i = 0; i < n; i++) {
        if (i >= 180) break;
        auto seg = segments[i / 30];
        int step = t == 0 ? 8 : 9;
        t        = 1 - t;
        int& v   = c[seg.channel];
        v += seg.up ? step : -step;
        bool done = seg.up ? v > 254 : v < 1;
        if (done) i = (i / 30 + 1) * 30; // the loop's increment skips this value
    }
    return static_cast<uint32_t>(c[0] << 16 | c[1] << 8 | c[2]);
}

mask panel_text(const char* text, bool bold) {
    int n = static_cast<int>(std::strlen(text));
    mask m(n * 7, 9);
    for (int k = 0; k < n; k++) {
        const char* at = std::strchr(glyph_cells, text[k] >= 'a' && text[k] <= 'z' ? text[k] - 32 : text[k]);
        if (text[k] == ' ' || !at) continue;
        mask g = panel_glyph(static_cast<int>(at - glyph_cells), bold);
        for (int y = 0; y < g.h; y++)
            for (int x = 0; x < g.w; x++) m.at(7 * k + x, y) = std::max(m.get(7 * k + x, y), g.get(x, y));
    }
    return m;
}

// ---- fonts -------------------------------------------------------------------------

namespace {

constexpr int glyph_top = 3; // cap height 9 in a 16-row cell: rows 3 to 11

// One strip of all 40 cells: ink per row over a plain cell background.
picture font_strip(rgba background, rgba top_ink, rgba bottom_ink) {
    canvas c(7 * glyph_count, 16, background);
    for (int k = 0; k < glyph_count; k++) {
        mask g = panel_glyph(k, true);
        paint(
            c, g, [&](int, int y) { return mix(top_ink, bottom_ink, (y - glyph_top) / 8.f); }, 7 * k,
            glyph_top);
    }
    return to_picture(c, 24);
}

} // namespace

picture draw_alphabet() {
    return font_strip(hex(0x000000), hex(0xFFFFFF), hex(0xB4C3DA));
}

picture draw_characters() {
    return font_strip(hex(0xFFFFFF), hex(0x10141C), hex(0x2A3140));
}

// ---- save button -------------------------------------------------------------------

picture draw_save() {
    canvas c(24, 24, hex(0x000000));
    // body: a rounded square with the top-right corner cut
    shape body = intersect(box(2, 2, 22, 22, 2), polygon({{0, 0}, {18, 0}, {24, 6}, {24, 24}, {0, 24}}));
    paint(c, cover(24, 24, grow(body, 1)), hex(0x0A1430));
    paint(c, cover(24, 24, body), [](int, int y) { return mix(hex(0x5B8FEA), hex(0x2C56B8), y / 23.f); });
    // shutter with its slot
    paint(c, cover(24, 24, box(6.5f, 2, 16.5f, 9, 0.5f)),
          [](int, int y) { return mix(hex(0xF2F5F8), hex(0xA8B2BE), (y - 2) / 7.f); });
    paint(c, cover(24, 24, box(12.5f, 3, 15, 8)), hex(0x2B3442));
    // label with two ruled lines
    paint(c, cover(24, 24, box(5, 12, 19, 22, 1)),
          [](int, int y) { return mix(hex(0xFFFFFF), hex(0xDCE3EC), (y - 12) / 10.f); });
    paint(c, cover(24, 24, box(7, 15, 17, 16)), hex(0x9AA8BA));
    paint(c, cover(24, 24, box(7, 18, 17, 19)), hex(0x9AA8BA));
    // a glint on the body's top-left edge
    paint(c, cover(24, 24, box(3, 3, 5, 10)), hex(0xFFFFFF, 0.35f));
    return to_picture(c, 24);
}

// ---- colour bar --------------------------------------------------------------------

picture draw_color_picker() {
    picture p(178, 16, 24);
    for (int x = 0; x < p.w; x++)
        for (int y = 0; y < p.h; y++) p.at(x, y) = 0xFF000000u | color_walk(x);
    return p;
}
