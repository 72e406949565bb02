// export_test.cpp - code.txt: which values give lines, in which order, and
// that a failed save never damages the file that was there.
#include "model/export.h"
#include "support.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using lines = std::vector<std::string>;

struct export_test : ::testing::Test {
    temp_dir dir;
    layout m{};
    void SetUp() override {
        start_layout(m);
        m.elements[0].pos.x = 187; // one change, for the tests of the file itself
    }
};

struct export_case {
    const char* what;
    void (*edit)(layout&);
    lines want;
};

// clang-format off
const export_case cases[] = {
    {"unedited: an empty file", [](layout&) {}, {}},
    {"one moved coordinate", [](layout& m) { m.elements[0].pos.x = 187; }, {"812114C6 00BB"}},
    {"Map and Magic Meter: each line in section A, then again in C",
     [](layout& m) { m.elements[9].pos = {48, 151, 0, 0}, m.elements[10].pos.y = 256; },
     {"812117DE 0030", "812117E0 0097", "81211508 0100", "812117DE 0030", "812117E0 0097", "81211508 0100"}},
    {"Rupee Icon moved vertically: sections A and C", [](layout& m) { m.elements[6].pos.y = 200; },
     {"8108AB52 00C8", "810BF3D6 00C8"}},
    {"Rupee Icon moved horizontally: its section A x is skipped", [](layout& m) { m.elements[6].pos.x = 30; },
     {"810BF3D2 001E"}},
    {"Rupee Number: its section A x is skipped", [](layout& m) { m.elements[7].pos = {1, 2, 0, 0}; },
     {"8108AFC6 0002", "810BF66A 0001", "810BF86A 0002"}},
    {"values without an offset never appear", [](layout& m) {
         m.elements[8].pos = {5, 5, 0, 0}; // Hearts
         m.scales[2].value = m.scales[8].value = 1; // C-Up Button and Icon
         m.scales[12].value = 99; // A Button Icon, second value
         m.colors[4].value = m.colors[5].value = {1, 2, 3, 0}; // Rupee Number, Hearts
     }, {}},
    {"scales: their low 16 bits, the A Button Icon only slot 6", [](layout& m) {
         m.scales[6].value = 51, m.scales[12].value = 17, m.scales[1].value = 0x12345, m.scales[0].value = -1;
     }, {"812114C8 FFFF", "81211240 2345", "812114CE 0033"}},
    {"negative coordinates: their 16-bit pattern", [](layout& m) {
         m.elements[0].pos.y = -7, m.elements[20].pos.x = -1, m.elements[13].pos.y = -32768;
     }, {"812114C4 FFF9", "81210F56 8000", "812119AA FFFF"}},
    {"colours: bytes; the Rupee colour despite the skip list", [](layout& m) {
         m.colors[3].value = {201, 255, 0, 0}; // Rupee Icon: r and b changed
         m.colors[0].value = {90, 90, 254, 0};  // A Button: b changed
         m.colors[7].value = {255, 200, 0, 0};  // Magic Meter: r changed
     }, {"812114D4 00FE", "8108AAFA 00C9", "8108AB0E 0000", "812111A4 00FF"}},
    {"sections in fixed order whatever was edited first", [](layout& m) {
         m.colors[1].value.g = 0, m.scales[9].value = 600, m.elements[17].pos.x = 100;
         m.scales[3].value = 700, m.elements[1].pos.y = 20;
     }, {"81211238 0014", "81211244 02BC", "812119A4 0064", "8121125A 0258", "812111FC 0000"}},
};
// clang-format on

TEST_F(export_test, each_edit_gives_exactly_its_lines_and_replaces_the_old_file) {
    for (const export_case& c : cases) {
        start_layout(m);
        c.edit(m);
        write_file("code.txt", "81211258 0010\n");
        ASSERT_TRUE(export_codes(m)) << c.what;
        std::string text;
        for (const std::string& l : c.want) text += l + "\n";
        EXPECT_EQ(read_file("code.txt"), text) << c.what;
    }
}

// ---- failed saves ------------------------------------------------------------

TEST_F(export_test, a_failed_save_says_so_and_keeps_the_old_file) {
    write_file("code.txt", "81211258 0010\n");
    // a write that fails part-way: no file may grow beyond 5 bytes
    rlimit old{}, tiny{};
    getrlimit(RLIMIT_FSIZE, &old);
    tiny              = {5, old.rlim_max};
    auto kept_handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    bool saved = export_codes(m);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, kept_handler);
    EXPECT_FALSE(saved);
    // a directory that may not be written (root may: for root, a file where the directory should be)
    if (geteuid() != 0) chmod(dir.path.c_str(), 0555);
    EXPECT_FALSE(export_codes(m, geteuid() != 0 ? "code.txt" : "code.txt/code.txt"));
    chmod(dir.path.c_str(), 0755);
    EXPECT_EQ(read_file("code.txt"), "81211258 0010\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "no temporary file is left";
}

TEST_F(export_test, a_link_stays_a_link_and_an_old_file_keeps_its_permissions) {
    std::filesystem::create_directory("real");
    write_file("real/codes.txt", "old\n");
    chmod("real/codes.txt", 0640);
    std::filesystem::create_symlink("real/codes.txt", "code.txt");
    EXPECT_TRUE(export_codes(m));
    EXPECT_TRUE(std::filesystem::is_symlink("code.txt"));
    EXPECT_EQ(read_file("real/codes.txt"), "812114C6 00BB\n");
    struct stat st {};
    ASSERT_EQ(stat("real/codes.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    int entries = 0; // no stray temporary file beside the target
    for (auto& e : std::filesystem::directory_iterator("real")) (void)e, entries++;
    EXPECT_EQ(entries, 1);
}

} // namespace
