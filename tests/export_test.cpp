// export_test.cpp - code.txt: which values give lines, in which order, and
// that a failed save never damages the file that was there.
#include "model/export.h"
#include "support.h"

#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct export_test : ::testing::Test {
    temp_dir dir;
    layout m{};
    void SetUp() override { start_layout(m); }
    std::vector<std::string> save() {
        EXPECT_TRUE(export_codes(m));
        return read_lines("code.txt");
    }
};

using lines = std::vector<std::string>;

TEST_F(export_test, unedited_layout_writes_an_empty_file_and_empties_an_old_one) {
    write_file("code.txt", "81211258 0010\n");
    EXPECT_TRUE(export_codes(m));
    EXPECT_TRUE(file_exists("code.txt"));
    EXPECT_EQ(read_file("code.txt"), "");
}

TEST_F(export_test, one_moved_coordinate_gives_one_exact_line) {
    m.elements[0].pos.x = 187;
    EXPECT_EQ(save(), (lines{"812114C6 00BB"}));
    EXPECT_EQ(read_file("code.txt"), "812114C6 00BB\n");
}

TEST_F(export_test, map_and_magic_meter_give_each_line_twice_section_a_then_c) {
    m.elements[9].pos.x  = 48;
    m.elements[9].pos.y  = 151;
    m.elements[10].pos.y = 256;
    EXPECT_EQ(save(), (lines{"812117DE 0030", "812117E0 0097", "81211508 0100", "812117DE 0030",
                             "812117E0 0097", "81211508 0100"}));
}

TEST_F(export_test, rupee_items_skip_their_section_a_x_offsets) {
    m.elements[6].pos.y = 200; // vertical: section A then section C
    EXPECT_EQ(save(), (lines{"8108AB52 00C8", "810BF3D6 00C8"}));
    start_layout(m);
    m.elements[6].pos.x = 30; // horizontal: section C only
    EXPECT_EQ(save(), (lines{"810BF3D2 001E"}));
    start_layout(m);
    m.elements[7].pos.x = 1;
    m.elements[7].pos.y = 2;
    EXPECT_EQ(save(), (lines{"8108AFC6 0002", "810BF66A 0001", "810BF86A 0002"}));
}

TEST_F(export_test, values_without_an_offset_never_appear) {
    m.elements[8].pos  = {5, 5, 0, 0}; // Hearts
    m.scales[2].value  = 1;            // C-Up Button
    m.scales[8].value  = 1;            // C-Up Icon
    m.scales[12].value = 99;           // A Button Icon, second value
    m.colors[4].value  = {1, 2, 3, 0}; // Rupee Number
    m.colors[5].value  = {1, 2, 3, 0}; // Hearts
    EXPECT_EQ(save(), lines{});
}

TEST_F(export_test, scales_write_their_low_16_bits_and_the_icon_writes_only_slot_6) {
    m.scales[6].value  = 51;
    m.scales[12].value = 17;
    m.scales[1].value  = 0x12345;
    m.scales[0].value  = -1;
    EXPECT_EQ(save(), (lines{"812114C8 FFFF", "81211240 2345", "812114CE 0033"}));
}

TEST_F(export_test, negative_coordinates_are_written_as_their_16_bit_pattern) {
    m.elements[0].pos.y  = -7;
    m.elements[20].pos.x = -1;
    m.elements[13].pos.y = -32768;
    EXPECT_EQ(save(), (lines{"812114C4 FFF9", "81210F56 8000", "812119AA FFFF"}));
}

TEST_F(export_test, colours_are_bytes_and_the_rupee_colour_ignores_the_skip_list) {
    m.colors[3].value = {201, 255, 0, 0}; // Rupee Icon: r and b changed
    m.colors[0].value = {90, 90, 254, 0}; // A Button: b changed
    m.colors[7].value = {255, 200, 0, 0}; // Magic Meter: r changed
    EXPECT_EQ(save(), (lines{"812114D4 00FE", "8108AAFA 00C9", "8108AB0E 0000", "812111A4 00FF"}));
}

TEST_F(export_test, sections_come_in_fixed_order_whatever_was_edited_first) {
    m.colors[1].value.g  = 0;   // E
    m.scales[9].value    = 600; // D
    m.elements[17].pos.x = 100; // C
    m.scales[3].value    = 700; // B
    m.elements[1].pos.y  = 20;  // A
    EXPECT_EQ(save(),
              (lines{"81211238 0014", "81211244 02BC", "812119A4 0064", "8121125A 0258", "812111FC 0000"}));
}

TEST_F(export_test, every_value_changed_gives_one_line_per_offset_walk_entry) {
    for (auto& e : m.elements)
        e.pos.x = static_cast<Sint16>(e.pos.x + 1), e.pos.y = static_cast<Sint16>(e.pos.y + 1);
    for (auto& s : m.scales) s.value++;
    for (auto& c : m.colors)
        c.value = {static_cast<Uint8>(c.value.r ^ 1), static_cast<Uint8>(c.value.g ^ 1),
                   static_cast<Uint8>(c.value.b ^ 1), 0};
    // 22 + 30 positions less Hearts (4) and the two skipped x offsets, 10 scales, 18 colour bytes.
    auto out = save();
    EXPECT_EQ(out.size(), 22u + 30u - 4u - 2u + 10u + 18u);
    for (const auto& l : out) {
        ASSERT_EQ(l.size(), 13u) << l;
        EXPECT_EQ(l.substr(0, 2), "81");
        EXPECT_EQ(l[8], ' ');
        EXPECT_EQ(l.find_first_not_of("0123456789ABCDEF ", 0), std::string::npos) << l;
    }
}

// ---- failed saves ------------------------------------------------------------

TEST_F(export_test, read_only_directory_fails_cleanly_and_keeps_the_old_file) {
    if (geteuid() == 0) {
        // root ignores directory permissions; make the target unreachable instead
        std::filesystem::create_directory("sub");
        write_file("sub/code.txt", "81211258 0010\n");
        m.elements[0].pos.x = 187;
        std::filesystem::remove_all("sub");
        write_file("sub", "a plain file where a directory is expected");
        EXPECT_FALSE(export_codes(m, "sub/code.txt"));
        EXPECT_EQ(read_file("sub"), "a plain file where a directory is expected");
        return;
    }
    write_file("code.txt", "81211258 0010\n");
    chmod(dir.path.c_str(), 0555);
    m.elements[0].pos.x = 187;
    EXPECT_FALSE(export_codes(m));
    chmod(dir.path.c_str(), 0755);
    EXPECT_EQ(read_file("code.txt"), "81211258 0010\n");
}

TEST_F(export_test, a_symbolic_link_stays_a_link_and_its_target_is_written) {
    std::filesystem::create_directory("real");
    write_file("real/codes.txt", "old\n");
    std::filesystem::create_symlink("real/codes.txt", "code.txt");
    m.elements[0].pos.x = 187;
    EXPECT_TRUE(export_codes(m));
    EXPECT_TRUE(std::filesystem::is_symlink("code.txt"));
    EXPECT_EQ(read_file("real/codes.txt"), "812114C6 00BB\n");
    // no stray temporary files are left beside the target
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator("real")) (void)e, entries++;
    EXPECT_EQ(entries, 1);
}

TEST_F(export_test, a_save_keeps_the_permissions_of_the_old_file) {
    write_file("code.txt", "");
    chmod("code.txt", 0640);
    m.elements[0].pos.x = 187;
    EXPECT_TRUE(export_codes(m));
    struct stat st {};
    ASSERT_EQ(stat("code.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(export_test, export_never_changes_the_model) {
    m.elements[3].pos.x = -5;
    m.scales[6].value   = 9;
    layout before       = m;
    export_codes(m);
    EXPECT_EQ(std::memcmp(before.elements, m.elements, sizeof m.elements), 0);
    EXPECT_EQ(std::memcmp(before.scales, m.scales, sizeof m.scales), 0);
    EXPECT_EQ(std::memcmp(before.colors, m.colors, sizeof m.colors), 0);
}

} // namespace
