// layout_test.cpp - the model's start values and slot maps.
#include "model/layout.h"

#include <gtest/gtest.h>
#include <cstring>

namespace {

TEST(layout, start_values_equal_their_homes_and_nothing_is_changed) {
    layout m{};
    start_layout(m);
    for (int e = 0; e < element_count; e++) {
        EXPECT_EQ(m.elements[e].pos.x, m.elements[e].home.x);
        EXPECT_EQ(m.elements[e].pos.y, m.elements[e].home.y);
        EXPECT_EQ(std::strlen(m.element_names[e]), 15u) << e;
    }
    EXPECT_STREQ(m.element_names[element_count], "");
    for (auto& s : m.scales) EXPECT_EQ(s.value, s.home);
    for (auto& c : m.colors) EXPECT_EQ(std::memcmp(&c.value, &c.home, sizeof c.value), 0);
    EXPECT_EQ(m.code_offsets[82], 0);
}

TEST(layout, each_icon_starts_on_its_button_except_the_c_up_icon) {
    layout m{};
    start_layout(m);
    for (int icon = 11; icon <= 16; icon++) {
        const SDL_Rect& button = m.elements[icon - 11].home;
        const SDL_Rect& own    = m.elements[icon].home;
        EXPECT_EQ(icon != 13, button.x == own.x && button.y == own.y) << icon;
    }
}

TEST(layout, slot_maps_stay_inside_their_tables) {
    for (int e = -3; e < element_count + 3; e++) {
        int s = scale_slot_of(e);
        int c = color_slot_of(e);
        EXPECT_TRUE(s == no_slot || (s >= 0 && s < 12)) << e;
        EXPECT_TRUE(c == no_slot || (c >= 0 && c < color_count)) << e;
        EXPECT_EQ(s != no_slot, (e >= 0 && e <= 5) || (e >= 11 && e <= 16)) << e;
        EXPECT_EQ(c != no_slot, e >= 0 && e <= 10) << e;
    }
    EXPECT_EQ(scale_slot_of(11), 6);
    EXPECT_EQ(scale_slot_of(16), 11);
    EXPECT_EQ(color_slot_of(5), 2);
    EXPECT_EQ(color_slot_of(10), 7);
}

TEST(layout, section_e_names_each_channel_of_six_slots_once) {
    int seen[color_count][3] = {};
    for (int i = section_e; i < section_end; i++) {
        color_channel cc = color_channel_of(i);
        seen[cc.slot][cc.channel]++;
    }
    for (int k = 0; k < color_count; k++)
        for (int ch = 0; ch < 3; ch++) EXPECT_EQ(seen[k][ch], (k == 4 || k == 5) ? 0 : 1) << k << ch;
}

TEST(layout, wrap_arithmetic_is_twos_complement) {
    EXPECT_EQ(wrap16(32767 + 1), -32768);
    EXPECT_EQ(wrap16(-32768 - 1), 32767);
    EXPECT_EQ(wrap16(0xFFFF), -1);
    EXPECT_EQ(wrap_add32(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(wrap_add32(INT32_MIN, -1), INT32_MAX);
}

} // namespace
