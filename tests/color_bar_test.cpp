// color_bar_test.cpp - the colour walk against its telling values, and picking
// on the bar through the event queue. (That the bar's pixels show the same
// colours is pictures_test's.)
#include "draw/hex.h"
#include "support.h"
#include "ui/color_bar.h"
#include "ui/input.h"

namespace {

TEST(color_walk, gives_the_telling_values) {
    const int rows[][3] = {
        {-100, 8, 0xFF0000},  {9, 9, 0xFF0800},     {10, 10, 0xFF1100},   {38, 39, 0xFFFF00},
        {40, 40, 0xF7FF00},   {68, 68, 0x09FF00},   {69, 69, 0x09FF09},   {98, 99, 0x09FFFF},
        {100, 100, 0x09F6FF}, {128, 128, 0x0908FF}, {129, 129, 0x1108FF}, {157, 159, 0xFF08FF},
        {160, 160, 0xFF08F6}, {186, 186, 0xFF0819}, {188, 400, 0xFF0808}}; // pointer x from, to
    for (auto& r : rows)
        for (int px = r[0]; px <= r[1]; px++)
            EXPECT_EQ(color_walk(px - 8).r << 16 | color_walk(px - 8).g << 8 | color_walk(px - 8).b, r[2])
                << px;
}

struct color_bar : editor_test {};

TEST_F(color_bar, a_press_held_on_the_colour_bar_follows_the_pointers_x_for_the_elements_colour_slot) {
    ed.model.selected = 4; // a C button: slot 2
    push_press(8, 250);
    const int moves[][3] = {
        {8, 250, 0xFF0000}, {186, 100, 0xFF0819}, {319, 300, 0xFF0808}, {40, 255, 0xF7FF00}};
    for (auto& m : moves) { // the press itself, then motions whatever their y
        push_motion(m[0], m[1]);
        editor_pass(ed);
        EXPECT_STREQ(ed.color_text, hexstring(uint32_t(m[2]), 6).s) << m[0];
        EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=" + std::string(ed.color_text)});
    }
    const int presses[][3] = {{4, 187, 250}, {4, 100, 265}, {11, 100, 250}, {17, 100, 250}, {20, 8, 264}};
    for (auto& p : presses) { // just right of and just below the bar; then elements with no colour
        ed.model.selected = p[0];
        push_release(0, 0);
        push_press(p[1], p[2]);
        passes(2);
        EXPECT_STREQ(ed.color_text, p[0] == 4 ? "F7FF00" : "") << p[1] << "," << p[2];
    }
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=F7FF00"}) << "the colour stays as last picked";
}

} // namespace
