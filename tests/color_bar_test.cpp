// color_bar_test.cpp - the colour walk against its telling values, and picking
// on the bar through the event queue.
#include "draw/hex.h"
#include "shell/run.h"
#include "support.h"
#include "ui/color_bar.h"
#include "ui/input.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

uint32_t packed(rgb c) {
    return static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b);
}

TEST(color_walk, gives_the_telling_values) {
    struct {
        int px_from, px_to;
        uint32_t color;
    } rows[] = {
        {-100, 8,   0xFF0000},
        {9,    9,   0xFF0800},
        {10,   10,  0xFF1100},
        {38,   39,  0xFFFF00},
        {40,   40,  0xF7FF00},
        {68,   68,  0x09FF00},
        {69,   69,  0x09FF09},
        {98,   99,  0x09FFFF},
        {100,  100, 0x09F6FF},
        {128,  128, 0x0908FF},
        {129,  129, 0x1108FF},
        {157,  159, 0xFF08FF},
        {160,  160, 0xFF08F6},
        {186,  186, 0xFF0819},
        {188,  400, 0xFF0808},
    };
    for (auto& r : rows)
        for (int px = r.px_from; px <= r.px_to; px++)
            EXPECT_EQ(packed(color_walk(px - 8)), r.color) << "px " << px;
}

TEST(color_walk, moves_one_channel_by_8_or_9_per_unit_and_stays_in_range) {
    int moves = 0, stays = 0;
    for (int n = -8; n <= 311; n++) {
        rgb a = color_walk(n), b = color_walk(n + 1);
        for (int v : {b.r, b.g, b.b}) ASSERT_TRUE(v >= 0 && v <= 255) << n;
        int d[3]    = {std::abs(b.r - a.r), std::abs(b.g - a.g), std::abs(b.b - a.b)};
        int changed = (d[0] != 0) + (d[1] != 0) + (d[2] != 0);
        ASSERT_LE(changed, 1) << n;
        if (changed == 0) {
            stays++;
            continue;
        }
        moves++;
        int step = d[0] + d[1] + d[2];
        EXPECT_TRUE(step == 8 || step == 9) << n;
    }
    // 180 counter values less those the early ends skip: 30, 90, and 149
    // and 150 (red reaches 255 on the fifth segment's 29th step)
    EXPECT_EQ(moves, 176);
    EXPECT_EQ(stays, 320 - 176);
}

// ---- picking through the event queue -------------------------------------------

struct color_bar : ::testing::Test {
    temp_dir dir;
    editor ed;
    void SetUp() override { ASSERT_TRUE(start_editor_headless(ed)); }
    void TearDown() override { tear_down(ed); }
    uint32_t slot(int k) {
        SDL_Color c = ed.model.colors[k].value;
        return static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b);
    }
};

TEST_F(color_bar, a_held_press_follows_the_pointers_x_whatever_its_y) {
    push_press(8, 250);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xFF0000u);
    EXPECT_EQ(ed.model.colors[0].home.r, 90) << "homes are never touched";
    EXPECT_STREQ(ed.color_text, "FF0000");
    push_motion(186, 100);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xFF0819u);
    push_motion(319, 300);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xFF0808u);
    push_motion(0, 0);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xFF0000u);
    push_motion(40, 255);
    editor_pass(ed);
    push_release(40, 255);
    push_motion(129, 255);
    editor_pass(ed);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xF7FF00u) << "the colour stays as last picked";
    EXPECT_STREQ(ed.color_text, "F7FF00");
    // a press just outside the bar picks nothing
    push_press(187, 255);
    push_press(100, 265);
    editor_pass(ed);
    EXPECT_EQ(slot(0), 0xF7FF00u);
}

TEST_F(color_bar, the_four_c_buttons_share_one_colour) {
    ed.model.selected = 4;
    push_press(68, 250);
    editor_pass(ed);
    EXPECT_EQ(slot(2), 0x09FF00u);
    push_release(68, 250);
    poll_editor_events(ed);
    for (int e = 2; e <= 5; e++) {
        ed.model.selected = e;
        ed.picking_color  = 2;
        editor_pass(ed);
        EXPECT_STREQ(ed.color_text, "09FF00") << e;
    }
    EXPECT_EQ(slot(4), 0xFFFFFFu);
}

TEST_F(color_bar, a_selection_change_refreshes_the_texts_and_changes_no_colour) {
    editor_pass(ed);
    EXPECT_STREQ(ed.color_text, "5A5AFF");
    EXPECT_STREQ(ed.x_text, "00BA");
    EXPECT_STREQ(ed.y_text, "0009");
    push_press(136, 300); // selector "+"
    editor_pass(ed);
    EXPECT_STREQ(ed.color_text, "009600");
    EXPECT_STREQ(ed.x_text, "00A0");
    EXPECT_EQ(ed.picking_color, 0);
    for (int k = 0; k < color_count; k++) {
        SDL_Color c = ed.model.colors[k].value, h = ed.model.colors[k].home;
        EXPECT_EQ(c.r << 16 | c.g << 8 | c.b, h.r << 16 | h.g << 8 | h.b) << k;
    }
}

TEST_F(color_bar, elements_without_a_colour_show_none_and_pick_none) {
    uint32_t before[color_count];
    for (int k = 0; k < color_count; k++) before[k] = slot(k);
    for (int e = 11; e < element_count; e++) {
        ed.model.selected = e;
        push_press(100, 250);
        editor_pass(ed);
        editor_pass(ed);
        push_release(100, 250);
        EXPECT_STREQ(ed.color_text, "") << e;
        EXPECT_EQ(ed.x_text, std::string(hexstring(static_cast<uint16_t>(ed.model.elements[e].pos.x), 4).s));
    }
    for (int k = 0; k < color_count; k++) EXPECT_EQ(slot(k), before[k]) << k;
}

} // namespace
