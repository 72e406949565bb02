// export_test.cpp - code.txt: which values give lines and in which order; a
// save replaces the file whole and follows links; one that fails says so and
// leaves everything as it was.
#include "model/export.h"
#include "support.h"

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using names  = std::vector<std::string>;

names listing(const char* dir = ".") {
    names found;
    for (auto& e : fs::directory_iterator(dir)) found.push_back(e.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

layout moved() { // 812114C6 00BB
    layout m{};
    start_layout(m);
    m.elements[0].pos.x = 187;
    return m;
}

// clang-format off
const struct { const char* what; void (*edit)(layout&); const char* want; } cases[] = {
    {"unedited", [](layout&) {}, ""},
    {"Map and Magic Meter: in section A, then again in C",
     [](layout& m) { m.elements[9].pos = {48, 151, 0, 0}, m.elements[10].pos.y = 256; },
     "812117DE 0030\n812117E0 0097\n81211508 0100\n812117DE 0030\n812117E0 0097\n81211508 0100\n"},
    {"Rupee Icon y: sections A and C", [](layout& m) { m.elements[6].pos.y = 200; }, "8108AB52 00C8\n810BF3D6 00C8\n"},
    {"Rupee Icon x: section A skipped", [](layout& m) { m.elements[6].pos.x = 30; }, "810BF3D2 001E\n"},
    {"Rupee Number: section A x skipped", [](layout& m) { m.elements[7].pos = {1, 2, 0, 0}; },
     "8108AFC6 0002\n810BF66A 0001\n810BF86A 0002\n"},
    {"no offset: Hearts, C-Up Button and Icon scales, A Button Icon's second, Rupee Number and Hearts colours",
     [](layout& m) {
         m.elements[8].pos = {5, 5, 0, 0}, m.scales[2].value = m.scales[8].value = 1, m.scales[12].value = 99;
         m.colors[4].value = m.colors[5].value = {1, 2, 3, 0};
     }, ""},
    {"scales: low 16 bits, the A Button Icon only slot 6", [](layout& m) {
         m.scales[6].value = 51, m.scales[12].value = 17, m.scales[1].value = 0x12345, m.scales[0].value = -1;
     }, "812114C8 FFFF\n81211240 2345\n812114CE 0033\n"},
    {"negative coordinates: their 16-bit pattern", [](layout& m) {
         m.elements[0].pos.y = -7, m.elements[20].pos.x = -1, m.elements[13].pos.y = -32768;
     }, "812114C4 FFF9\n81210F56 8000\n812119AA FFFF\n"},
    {"colours: bytes; Rupee Icon r and b, A Button b, Magic Meter r; the Rupee colour despite the skip list",
     [](layout& m) { m.colors[3].value = {201, 255, 0, 0}, m.colors[0].value = {90, 90, 254, 0}, m.colors[7].value = {255, 200, 0, 0}; },
     "812114D4 00FE\n8108AAFA 00C9\n8108AB0E 0000\n812111A4 00FF\n"},
    {"sections in fixed order whatever was edited first", [](layout& m) {
         m.colors[1].value.g = 0, m.scales[9].value = 600, m.elements[17].pos.x = 100;
         m.scales[3].value = 700, m.elements[1].pos.y = 20;
     }, "81211238 0014\n81211244 02BC\n812119A4 0064\n8121125A 0258\n812111FC 0000\n"},
};
// clang-format on

TEST(export, each_edit_gives_exactly_its_lines_and_replaces_the_old_file) {
    temp_dir dir;
    for (auto& c : cases) {
        layout m{};
        start_layout(m);
        c.edit(m);
        write_file("code.txt", "81211258 0010\n");
        ASSERT_TRUE(export_codes(m)) << c.what;
        EXPECT_EQ(read_file("code.txt"), c.want) << c.what;
    }
}

TEST(export, a_failed_save_says_so_and_leaves_everything_as_it_was) {
    temp_dir dir;
    write_file("code.txt", "old\n");
    fs::create_directory("dir");
    fs::create_symlink("dir", "to_dir");
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    // a write that fails part-way, also for root: no file may grow beyond 5 bytes
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny{5, old.rlim_max};
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    bool saved = export_codes(moved());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(export_codes(moved(), "dir")) << "a directory in the way";
    EXPECT_FALSE(export_codes(moved(), "to_dir")) << "a link to a directory";
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(said.find("hudwright: cannot save dir: ") == 0 &&
                said.find("\nhudwright: cannot save to_dir: ") != said.npos);
    EXPECT_EQ(in_child([] { _exit(export_codes(moved(), "pipe") ? 1 : 0); }), 0) << "no reader: no wait";
    // a directory that may not be written, as an unprivileged user when root
    chmod(".", 0555);
    EXPECT_EQ(in_child([] {
                  if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
                  _exit(export_codes(moved()) ? 1 : 0);
              }),
              0);
    chmod(".", 0700);
    EXPECT_EQ(read_file("code.txt"), "old\n");
    EXPECT_EQ(listing(), (names{"code.txt", "dir", "pipe", "to_dir"})) << "no temporary file is left";
    EXPECT_TRUE(fs::is_empty("dir") && fs::is_symlink("to_dir") &&
                fs::status("pipe").type() == fs::file_type::fifo);
}

TEST(export, a_save_writes_through_links_and_keeps_the_permissions) {
    temp_dir dir;
    fs::create_directory("real");
    write_file("real/codes.txt", "old\n");
    chmod("real/codes.txt", 0640);
    fs::create_symlink("real/codes.txt", "code.txt");
    fs::create_symlink("real/new.txt", "dangling"); // makes the file it names
    EXPECT_TRUE(export_codes(moved()) && export_codes(moved(), "dangling"));
    EXPECT_TRUE(fs::is_symlink("code.txt") && fs::is_symlink("dangling"));
    EXPECT_EQ(read_file("real/codes.txt") + read_file("real/new.txt"), "812114C6 00BB\n812114C6 00BB\n");
    struct stat st {};
    EXPECT_TRUE(stat("real/codes.txt", &st) == 0 && (st.st_mode & 0777) == 0640);
    EXPECT_EQ(listing("real"), (names{"codes.txt", "new.txt"}));
}

} // namespace
