// art_elements.cpp - the pictures of the HUD elements.
//
// Recoloured pictures (button, gem, hearts, map) are pure white faces with
// their shape in alpha only: recolouring maps 255 exactly to the slot colour,
// so all shading, outlines and highlights live in the overlay drawn over the
// face at the same place. The other pictures have their own colours.
#include "art.h"
#include "art_glyphs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float pi = 3.14159265f;

rgba black(float a) {
    return hex(0x000000, a);
}
rgba white(float a) {
    return hex(0xFFFFFF, a);
}

// The pixels of m that touch a pixel outside it on the given side.
mask edge(const mask& m, int dx, int dy) {
    mask r(m.w, m.h);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) r.at(x, y) = m.get(x, y) > 0.5f && m.get(x + dx, y + dy) < 0.5f ? 1.f : 0.f;
    return r;
}

// A hard outline one pixel around m (diagonals included).
mask ring(const mask& m) {
    return minus(grown(m, 1), m);
}

} // namespace

// ---- buttons ------------------------------------------------------------------------

namespace {
shape button_disc() {
    return circle(16, 16, 15);
}
} // namespace

picture draw_button() {
    return white_face(cover(32, 32, button_disc()));
}

picture draw_button_overlay() {
    canvas c(32, 32);
    mask face = cover(32, 32, button_disc());
    // lower right in shade, upper left lit: crescents between the disc and a
    // shifted copy of it
    paint(c, minus(face, cover(32, 32, circle(14.6f, 14.4f, 14.2f))), black(0.30f));
    paint(c, minus(face, cover(32, 32, circle(17.0f, 17.2f, 14.0f))), white(0.38f));
    // soft darkening toward the bottom
    paint(c, face, [](int, int y) { return black(std::clamp((y - 14) / 18.f, 0.f, 1.f) * 0.18f); });
    // glossy highlight
    mask gloss = blurred(cover(32, 32, ellipse(12.5f, 10.5f, 6.5f, 4.3f)), 1);
    paint(c, minus(gloss, minus(grown(face, 0), face)), white(0.42f));
    // rim
    paint(c, cover(32, 32, subtract(circle(16, 16, 15.7f), circle(16, 16, 14.4f))), black(0.72f));
    return to_picture(c, 32);
}

// ---- icons --------------------------------------------------------------------------

picture draw_navi() {
    canvas c(16, 16);
    // glow
    paint(c, cover(16, 16, circle(8, 8.5f, 7.6f)), [](int x, int y) {
        float r = std::hypot(x + 0.5f - 8, y + 0.5f - 8.5f) / 7.6f;
        return hex(0x9FEFFF, std::pow(std::max(0.f, 1 - r), 1.6f) * 0.85f);
    });
    // wings
    shape wings = unite(unite(ellipse(4.2f, 5.0f, 3.4f, 2.1f), ellipse(11.8f, 5.0f, 3.4f, 2.1f)),
                        unite(ellipse(4.6f, 11.2f, 2.5f, 1.6f), ellipse(11.4f, 11.2f, 2.5f, 1.6f)));
    paint(c, cover(16, 16, wings), white(0.55f));
    paint(c, cover(16, 16, subtract(wings, grow(wings, -0.9f))), hex(0xD8FBFF, 0.85f));
    // body
    paint(c, cover(16, 16, circle(8, 8.5f, 3.1f)), hex(0x57C9E8));
    paint(c, cover(16, 16, circle(8, 8.5f, 2.3f)), hex(0xE9FDFF));
    paint(c, cover(16, 16, circle(7.3f, 7.7f, 0.9f)), white(1));
    return to_picture(c, 32);
}

namespace {

// The bow's limb: an arc round (27, 27) from the left tip to the top tip,
// thickest at the grip.
shape bow_limb() {
    return [](float x, float y) {
        float dx = x - 27, dy = y - 27;
        float a  = std::atan2(dy, dx); // -pi (left) .. -pi/2 (up)
        float t  = (a + pi) / (pi / 2); // 0 at the left tip, 1 at the top tip
        if (dy > 0 && dx < 0) t = 0;
        if (dx > 0 && dy < 0) t = 1;
        if (dx > 0 && dy > 0) t = dx > -dy ? 1 : 0;
        t             = std::clamp(t, 0.f, 1.f);
        float ang     = -pi + t * pi / 2;
        float px      = 27 + 19.5f * std::cos(ang), py = 27 + 19.5f * std::sin(ang);
        float half    = 0.9f + 1.3f * std::sin(t * pi);
        return std::hypot(x - px, y - py) - half;
    };
}

} // namespace

picture draw_bow() {
    canvas c(32, 32);
    shape limb    = bow_limb();
    shape string1 = segment(7.8f, 26.2f, 21.5f, 21.5f, 0.5f);
    shape string2 = segment(26.2f, 7.8f, 21.5f, 21.5f, 0.5f);
    shape shaft   = segment(22.5f, 22.5f, 8.5f, 8.5f, 0.75f);
    shape head    = polygon({{4.0f, 4.0f}, {11.0f, 6.6f}, {6.6f, 11.0f}});
    shape feather = unite(polygon({{17.5f, 19.5f}, {20.5f, 22.5f}, {19.5f, 25.5f}, {16.0f, 22.0f}}),
                          polygon({{19.5f, 17.5f}, {22.5f, 20.5f}, {25.5f, 19.5f}, {22.0f, 16.0f}}));
    shape all = unite(unite(limb, unite(string1, string2)), unite(unite(shaft, head), feather));
    paint(c, cover(32, 32, grow(all, 1.0f)), hex(0x1B120C, 0.95f));

    paint(c, cover(32, 32, unite(string1, string2)), hex(0xEDE6D2));
    paint(c, cover(32, 32, limb), [](int x, int y) {
        // lighter on the outer (upper left) side of the limb
        float r = std::hypot(x + 0.5f - 27, y + 0.5f - 27);
        return mix(hex(0x6B3A17), hex(0xD99A55), std::clamp((r - 17.5f) / 4.f, 0.f, 1.f));
    });
    // leather grip at the middle of the limb
    shape grip = intersect(limb, circle(13.2f, 13.2f, 3.2f));
    paint(c, cover(32, 32, grip), hex(0x8E2C22));
    paint(c, cover(32, 32, intersect(grip, segment(10, 15.5f, 15.5f, 10, 0.45f))), hex(0xD0624A));
    paint(c, cover(32, 32, shaft), hex(0xE3C488));
    paint(c, cover(32, 32, head), [](int x, int y) {
        return mix(hex(0xFFFFFF), hex(0x8894A2), std::clamp((x + y - 8) / 10.f, 0.f, 1.f));
    });
    paint(c, cover(32, 32, feather), hex(0xE0473A));
    paint(c, cover(32, 32, intersect(feather, segment(16, 16, 24, 24, 0.5f))), hex(0xFFD7C8));
    return to_picture(c, 32);
}

picture draw_action() {
    // "ACT" in bold panel letters, centred where the A Button's face sits
    // under the icon at home (about x 21, y 21 of this picture)
    canvas c(48, 32);
    mask word   = panel_text("ACT", true); // 21 wide, 9 high
    mask placed = mask(48, 32);
    for (int y = 0; y < word.h; y++)
        for (int x = 0; x < word.w; x++) placed.at(x + 11, y + 17) = word.get(x, y);
    mask outline = grown(placed, 1);
    paint(c, shifted(outline, 1, 1), hex(0x060A1C, 0.55f));
    paint(c, outline, hex(0x0A1030));
    paint(c, placed, [](int, int y) { return mix(hex(0xFFFFFF), hex(0xFFE49A), (y - 17) / 8.f); });
    return to_picture(c, 32);
}

// ---- numbers ------------------------------------------------------------------------

picture draw_99() {
    // opaque: a dark box with a light frame and the digits "99"
    canvas c(13, 11, hex(0x11161F));
    mask frame = ring(pixels(13, 11, box(1, 1, 12, 10)));
    paint(c, frame, hex(0x7D8A9B));
    for (int corner = 0; corner < 4; corner++) c.at(corner % 2 ? 12 : 0, corner / 2 ? 10 : 0) = hex(0x0B0F16);
    for (int k = 0; k < 2; k++) paint(c, small_digit(9), [](int, int y) {
        return mix(hex(0xFFFFFF), hex(0xC4D0DE), (y - 2) / 6.f);
    }, 2 + 5 * k, 2);
    return to_picture(c, 24);
}

picture draw_999() {
    canvas c(26, 11);
    mask digits(26, 11);
    for (int k = 0; k < 3; k++) {
        mask g = panel_glyph(9, true);
        for (int y = 0; y < g.h; y++)
            for (int x = 0; x < g.w; x++) digits.at(2 + 8 * k + x, 1 + y) = g.get(x, y);
    }
    paint(c, grown(digits, 1), hex(0x0B0D12));
    paint(c, digits, [](int, int y) { return mix(hex(0xFFFFFF), hex(0xC9D6E6), (y - 1) / 8.f); });
    return to_picture(c, 32);
}

// ---- rupee ----------------------------------------------------------------------------

namespace {
mask gem() {
    return pixels(16, 16, polygon({{8, 0.6f}, {13.4f, 4.6f}, {13.4f, 11.4f}, {8, 15.4f}, {2.6f, 11.4f}, {2.6f, 4.6f}}));
}
} // namespace

picture draw_rupee() {
    return white_face(gem());
}

picture draw_rupee_overlay() {
    canvas c(16, 16);
    mask face  = gem();
    mask inner = pixels(16, 16, polygon({{8, 3.6f}, {10.6f, 5.6f}, {10.6f, 10.4f}, {8, 12.4f}, {5.4f, 10.4f}, {5.4f, 5.6f}}));
    mask outer = minus(face, inner);
    // the facets round the table, lit from the upper left
    paint(c, outer, [](int x, int y) {
        float dx = x + 0.5f - 8, dy = y + 0.5f - 8;
        if (dy < -3.2f) return dx < 0 ? white(0.55f) : white(0.25f);
        if (dy > 3.2f) return dx < 0 ? black(0.25f) : black(0.45f);
        return dx < 0 ? white(0.12f) : black(0.32f);
    });
    paint(c, inner, white(0.18f));
    paint(c, edge(inner, 1, 1), black(0.12f));
    paint(c, ring(face), hex(0x0C120A, 0.92f));
    c.at(6, 4) = white(1);
    c.at(5, 5) = white(0.7f);
    return to_picture(c, 32);
}

// ---- hearts ----------------------------------------------------------------------------

namespace {

constexpr int heart_count = 10;

mask heart_row() {
    static const std::vector<std::string> heart = {
        ".##...##.", "####.####", "#########", "#########", ".#######.", "..#####..", "...###...", "....#....",
    };
    mask one = from_rows(heart);
    mask m(120, 17);
    for (int k = 0; k < heart_count; k++)
        for (int y = 0; y < one.h; y++)
            for (int x = 0; x < one.w; x++) m.at(6 + 11 * k + x, 4 + y) = one.get(x, y);
    return m;
}

} // namespace

picture draw_hearts() {
    return white_face(heart_row());
}

picture draw_hearts_overlay() {
    canvas c(120, 17);
    mask hearts = heart_row();
    // seven and a half hearts full: the rest shown empty (darkened)
    paint(c, hearts, [](int x, int) {
        int k = (x - 6) / 11, in = (x - 6) % 11;
        return k > 7 || (k == 7 && in >= 5) ? black(0.62f) : black(0);
    });
    paint(c, edge(hearts, 1, 1), black(0.28f));
    paint(c, edge(hearts, 0, 1), black(0.22f));
    for (int k = 0; k < heart_count; k++) {
        int x = 6 + 11 * k, y = 4;
        paint(c, from_rows({".##", "#..", "#.."}), white(0.85f), x + 1, y + 1);
    }
    paint(c, ring(hearts), hex(0x140808, 0.92f));
    return to_picture(c, 32);
}

// ---- map ---------------------------------------------------------------------------------

namespace {

shape map_area() {
    shape land = unite(box(5, 13, 56, 62, 9), circle(57, 25, 15));
    land       = unite(land, box(34, 42, 75, 68, 7));
    land       = subtract(land, ellipse(22, 42, 6.5f, 5));   // a lake
    land       = subtract(land, circle(76, 50, 6));          // a bay on the east shore
    return land;
}

} // namespace

picture draw_map() {
    mask m = cover(80, 73, map_area());
    for (float& v : m.v) v *= 0.66f; // the game's minimap lets the scene show through
    return white_face(m);
}

picture draw_map_overlay() {
    canvas c(80, 73);
    shape area = map_area();
    mask inside = cover(80, 73, area);
    // a faint grid of map squares
    paint(c, inside, [](int x, int y) { return black(x % 10 == 0 || y % 10 == 0 ? 0.14f : 0.f); });
    // paths between the places
    shape paths = unite(unite(segment(14, 58, 30, 30, 1.0f), segment(30, 30, 55, 22, 1.0f)),
                        unite(segment(30, 30, 48, 48, 1.0f), segment(48, 48, 66, 58, 1.0f)));
    paint(c, cover(80, 73, intersect(paths, grow(area, -1.5f))), white(0.55f));
    // the edge of the land, the lake shore
    paint(c, cover(80, 73, [&](float x, float y) { return std::abs(area(x, y) + 0.2f) - 0.75f; }),
          hex(0x06171C, 0.9f));
    // markers: an entrance (red), a treasure (gold), the player (yellow arrow)
    shape door = polygon({{10.5f, 54}, {17.5f, 54}, {14, 59}});
    paint(c, cover(80, 73, grow(door, 1)), hex(0x1A0606));
    paint(c, cover(80, 73, door), hex(0xFF4A3A));
    shape chest = box(53, 19, 59, 25, 1);
    paint(c, cover(80, 73, grow(chest, 1)), hex(0x1A1206));
    paint(c, cover(80, 73, chest), hex(0xFFC93C));
    paint(c, cover(80, 73, box(53, 21.5f, 59, 22.5f)), hex(0x9A6A12));
    shape arrow = polygon({{39, 33}, {45, 45}, {39, 42}, {33, 45}});
    paint(c, cover(80, 73, grow(arrow, 1.1f)), hex(0x1A1404));
    paint(c, cover(80, 73, arrow), [](int, int y) { return mix(hex(0xFFF6A0), hex(0xFFC400), (y - 33) / 12.f); });
    return to_picture(c, 32);
}

// ---- magic meter -------------------------------------------------------------------------

picture draw_magic_border() {
    // The fill is 100x8 at (7, 3): the window x 7..106, y 3..10 stays clear.
    canvas c(114, 14);
    shape window = box(7, 3, 107, 11);
    shape frame  = subtract(box(3, 1, 111, 13, 5), window);
    paint(c, cover(114, 14, subtract(grow(box(3, 1, 111, 13, 5), 1), window)), hex(0x07080C, 0.95f));
    paint(c, cover(114, 14, frame), [](int, int y) { return mix(hex(0xF4F6FA), hex(0x7E8796), y / 13.f); });
    paint(c, cover(114, 14, subtract(box(6, 2, 108, 12), window)), hex(0x171A22));
    for (int y = 0; y < 14; y++)
        for (int x = 7; x < 107; x++)
            if (y >= 3 && y < 11) c.at(x, y) = {};
    return to_picture(c, 32);
}
