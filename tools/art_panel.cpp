// art_panel.cpp - the pictures of the control panel: both font strips, the
// save button and the colour bar.
#include "art.h"
#include "art_glyphs.h"
#include "model/color_walk.h"

#include <cstring>

// The bar shows, in each column, the colour a click there picks.
uint32_t walk_color(int n) {
    rgb c = color_walk(n);
    return static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b);
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
        for (int y = 0; y < p.h; y++) p.at(x, y) = 0xFF000000u | walk_color(x);
    return p;
}
