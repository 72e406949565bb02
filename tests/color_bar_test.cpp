// color_bar_test.cpp - the colour walk against its telling values, and picking
// on the bar through the event queue.
#include "draw/hex.h"
#include "support.h"
#include "ui/color_bar.h"
#include "ui/input.h"

namespace {

uint32_t packed(rgb c) {
    return static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b);
}

// (That the bar's pixels show the same colours is pictures_test's.)
TEST(color_walk, gives_the_telling_values) {
    const struct {
        int px_from, px_to;
        uint32_t color;
    } rows[] = {
        {-100, 8, 0xFF0000},  {9, 9, 0xFF0800},     {10, 10, 0xFF1100},   {38, 39, 0xFFFF00},
        {40, 40, 0xF7FF00},   {68, 68, 0x09FF00},   {69, 69, 0x09FF09},   {98, 99, 0x09FFFF},
        {100, 100, 0x09F6FF}, {128, 128, 0x0908FF}, {129, 129, 0x1108FF}, {157, 159, 0xFF08FF},
        {160, 160, 0xFF08F6}, {186, 186, 0xFF0819}, {188, 400, 0xFF0808},
    };
    for (auto& r : rows)
        for (int px = r.px_from; px <= r.px_to; px++)
            EXPECT_EQ(packed(color_walk(px - 8)), r.color) << "px " << px;
}

// ---- picking through the event queue -------------------------------------------

struct color_bar : editor_test {
    uint32_t slot(int k) {
        SDL_Color c = ed.model.colors[k].value;
        return static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b);
    }
};

TEST_F(color_bar, a_held_press_follows_the_pointers_x_for_the_elements_colour_slot) {
    ed.model.selected = 4;
    push_press(8, 250);
    const struct {
        int x, y;
        uint32_t color;
    } moves[] = {
        {8, 250, 0xFF0000},   // the press itself
        {186, 100, 0xFF0819}, // whatever the pointer's y
        {319, 300, 0xFF0808}, // far right
        {0, 0, 0xFF0000},     {40, 255, 0xF7FF00},
    };
    for (auto& m : moves) {
        push_motion(m.x, m.y);
        editor_pass(ed);
        EXPECT_EQ(slot(2), m.color) << m.x << "," << m.y;
        EXPECT_STREQ(ed.color_text, hexstring(m.color, 6).s) << m.x;
    }
    push_release(40, 255);
    push_motion(129, 255);
    push_press(187, 255); // just right of the bar
    passes(1);
    push_release(0, 0);
    push_press(100, 265); // just below it
    passes(1);
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=F7FF00"}) << "the colour stays as last picked";
    for (int e = 2; e <= 5; e++) {
        ed.model.selected = e;
        ed.picking_color  = 2;
        editor_pass(ed);
        EXPECT_STREQ(ed.color_text, "F7FF00") << e;
    }
    for (int e = 11; e < element_count; e++) { // elements without a colour show none and pick none
        ed.model.selected = e;
        push_press(100, 250);
        passes(2);
        push_release(100, 250);
        EXPECT_STREQ(ed.color_text, "") << e;
    }
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=F7FF00"});
}

} // namespace
