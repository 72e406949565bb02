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
        for (int x = 0; x < m.w; x++)
            r.at(x, y) = m.get(x, y) > 0.5f && m.get(x + dx, y + dy) < 0.5f ? 1.f : 0.f;
    return r;
}

// A hard outline one pixel around m (diagonals included).
mask ring(const mask& m) {
    return minus(grown(m, 1), m);
}

// m without its outermost pixels.
mask shrunk(const mask& m) {
    mask r = m;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++)
            for (int j = -1; j <= 1; j++)
                for (int i = -1; i <= 1; i++) r.at(x, y) = std::min(r.at(x, y), m.get(x + i, y + j));
    return r;
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
    paint(c, cover(16, 16, circle(8, 8.5f, 7.8f)), [](int x, int y) {
        float r = std::hypot(x + 0.5f - 8, y + 0.5f - 8.5f) / 7.8f;
        return hex(0x8FEAFF, std::pow(std::max(0.f, 1 - r), 1.3f) * 0.9f);
    });
    // four wings, the upper pair larger and raised
    shape wings = unite(unite(ellipse(3.9f, 4.6f, 3.4f, 2.3f), ellipse(12.1f, 4.6f, 3.4f, 2.3f)),
                        unite(ellipse(4.4f, 11.6f, 2.6f, 1.7f), ellipse(11.6f, 11.6f, 2.6f, 1.7f)));
    paint(c, cover(16, 16, wings), hex(0xF2FDFF, 0.5f));
    paint(c, cover(16, 16, subtract(wings, grow(wings, -0.9f))), hex(0xFFFFFF, 0.95f));
    // body: a bright core in a blue halo
    paint(c, cover(16, 16, circle(8, 8.5f, 3.3f)), hex(0x3FB8E6));
    paint(c, cover(16, 16, circle(8, 8.5f, 2.4f)), hex(0xE4FCFF));
    paint(c, cover(16, 16, circle(7.4f, 7.8f, 1.0f)), white(1));
    return to_picture(c, 32);
}

namespace {

// The bow's limb: an arc round (27, 27) from the left tip to the top tip,
// thickest at the grip.
shape bow_limb() {
    return [](float x, float y) {
        float dx = x - 27, dy = y - 27;
        float a = std::atan2(dy, dx);  // -pi (left) .. -pi/2 (up)
        float t = (a + pi) / (pi / 2); // 0 at the left tip, 1 at the top tip
        if (dy > 0 && dx < 0) t = 0;
        if (dx > 0 && dy < 0) t = 1;
        if (dx > 0 && dy > 0) t = dx > -dy ? 1 : 0;
        t         = std::clamp(t, 0.f, 1.f);
        float ang = -pi + t * pi / 2;
        float px = 27 + 19.5f * std::cos(ang), py = 27 + 19.5f * std::sin(ang);
        float half = 0.9f + 1.3f * std::sin(t * pi);
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
    shape all     = unite(unite(limb, unite(string1, string2)), unite(unite(shaft, head), feather));
    paint(c, cover(32, 32, grow(all, 1.0f)), hex(0x1B120C, 0.95f));

    paint(c, cover(32, 32, unite(string1, string2)), hex(0xEDE6D2));
    paint(c, cover(32, 32, limb), [](int x, int y) {
        // lighter on the outer (upper left) side of the limb
        float r = std::hypot(x + 0.5f - 27, y + 0.5f - 27);
        return mix(hex(0x6B3A17), hex(0xD99A55), std::clamp((r - 17.5f) / 4.f, 0.f, 1.f));
    });
    // leather grip at the middle of the limb
    shape grip = intersect(limb, circle(13.2f, 13.2f, 3.2f));
    paint(c, cover(32, 32, grip), hex(0x3E2414));
    paint(c, cover(32, 32, intersect(grip, segment(10, 15.5f, 15.5f, 10, 0.45f))), hex(0xB88A5A));
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
    for (int k = 0; k < 2; k++)
        paint(
            c, small_digit(9), [](int, int y) { return mix(hex(0xFFFFFF), hex(0xC4D0DE), (y - 2) / 6.f); },
            2 + 5 * k, 2);
    return to_picture(c, 24);
}

picture draw_999() {
    // three digits with a dark outline, their middle level with the gem's
    canvas c(26, 14);
    mask digits(26, 14);
    for (int k = 0; k < 3; k++) {
        mask g = panel_glyph(9, true);
        for (int y = 0; y < g.h; y++)
            for (int x = 0; x < g.w; x++) digits.at(1 + 8 * k + x, 3 + y) = g.get(x, y);
    }
    paint(c, grown(digits, 1), hex(0x0B0D12));
    paint(c, digits, [](int, int y) { return mix(hex(0xFFFFFF), hex(0xC9D6E6), (y - 3) / 8.f); });
    return to_picture(c, 32);
}

// ---- rupee ----------------------------------------------------------------------------

namespace {

// The gem, facet by facet: T the table, a/b the upper facets, l/r the sides,
// c/d the lower facets (left/right), '.' outside.
const std::vector<std::string> gem_facets = {
    "................", ".......ab.......", "......aabb......", ".....aaabbb.....",
    "....laaTTbbr....", "...llaTTTTbrr...", "...lllTTTTrrr...", "...lllTTTTrrr...",
    "...lllTTTTrrr...", "...lllTTTTrrr...", "...lllTTTTrrr...", "...llcTTTTdrr...",
    "....lccTTddr....", ".....cccddd.....", "......ccdd......", ".......cd.......",
};

mask gem() {
    return from_rows(gem_facets, "TablrcdA");
}

} // namespace

picture draw_rupee() {
    return white_face(gem());
}

picture draw_rupee_overlay() {
    canvas c(16, 16);
    const struct {
        char facet;
        rgba shade;
    } light[] = {{'a', white(0.62f)}, {'b', white(0.32f)}, {'T', white(0.22f)}, {'l', white(0.08f)},
                 {'r', black(0.30f)}, {'c', black(0.22f)}, {'d', black(0.45f)}};
    for (auto& l : light) paint(c, from_rows(gem_facets, std::string(1, l.facet)), l.shade);
    paint(c, ring(gem()), hex(0x0C120A, 0.92f));
    c.at(6, 3) = white(1);
    c.at(7, 2) = white(0.8f);
    c.at(5, 4) = white(0.6f);
    return to_picture(c, 32);
}

// ---- hearts ----------------------------------------------------------------------------

namespace {

constexpr int heart_count = 10;

mask heart_row() {
    static const std::vector<std::string> heart = {
        ".##...##.", "####.####", "#########", "#########",
        ".#######.", "..#####..", "...###...", "....#....",
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

// A floor of four rooms joined by corridors, in whole pixels.
mask map_floor() {
    const float rooms[][4] = {
        {6, 30, 34, 62},  // south-west hall
        {42, 6, 74, 30},  // north-east room
        {42, 38, 74, 66}, // south-east room
        {14, 8, 34, 22},  // north-west room
        {34, 45, 42, 50}, // corridors
        {56, 30, 61, 38}, {34, 12, 42, 17}, {21, 22, 26, 30},
    };
    shape floor = box(0, 0, 0, 0);
    for (auto& r : rooms)
        floor = unite(floor, box(r[0], r[1], r[2], r[3], r[2] - r[0] > 9 && r[3] - r[1] > 9 ? 2 : 0));
    return pixels(80, 73, floor);
}

} // namespace

picture draw_map() {
    mask m = map_floor();
    for (float& v : m.v) v *= 0.62f; // the scene shows through the map
    return white_face(m);
}

picture draw_map_overlay() {
    canvas c(80, 73);
    mask floor = map_floor();
    // floor tiles
    paint(c, floor, [](int x, int y) { return black(x % 8 == 5 || y % 8 == 5 ? 0.12f : 0.f); });
    // walls: dark just inside the edge, the edge itself darker still
    paint(c, minus(floor, shrunk(floor)), black(0.28f));
    paint(c, ring(floor), hex(0x061418, 0.92f));
    // stairs down in the south-east room
    for (int k = 0; k < 4; k++)
        paint(c, pixels(80, 73, box(54 + k, 48 + 3 * k, 66 - k, 49 + 3 * k)), black(0.45f));
    // a treasure chest in the north-east room
    mask chest = pixels(80, 73, box(55, 14, 62, 20));
    paint(c, ring(chest), hex(0x1A1206));
    paint(c, chest, hex(0xFFC93C));
    paint(c, pixels(80, 73, box(55, 16, 62, 17)), hex(0x9A6A12));
    c.at(58, 17) = hex(0xFFF2B0);
    // the way in: a red mark on the hall's south wall
    mask door = pixels(80, 73, polygon({{15.5f, 54}, {24.5f, 54}, {20, 59}}));
    paint(c, ring(door), hex(0x1A0606));
    paint(c, door, hex(0xFF4A3A));
    // the player: a yellow arrow in the hall
    shape arrow = polygon({{20, 34}, {26.5f, 47}, {20, 43.5f}, {13.5f, 47}});
    paint(c, cover(80, 73, grow(arrow, 1.1f)), hex(0x1A1404));
    paint(c, cover(80, 73, arrow),
          [](int, int y) { return mix(hex(0xFFF6A0), hex(0xFFC400), (y - 34) / 13.f); });
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
