// codes_test.cpp - basecode.txt and code.txt. The import: which field each
// code line sets and how the scanner copes with text that is not code lines
// (a million digits, NUL bytes). The export: which values
// give lines, in which order; a save replaces the file whole, follows links,
// and one that fails says so and leaves everything as it was. And the round
// trip, which also finds an offset that the two read differently. And the
// values no save keeps, as the panel marks them; code.cht, the codes as one
// RetroArch cheat.
#include "files/code_read.h"
#include "files/kept_file.h"
#include "files/refusals.h"
#include "files/safe_write.h"
#include "model/cheat_file.h"
#include "model/export.h"
#include "model/import.h"
#include "support.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#endif

namespace {

using namespace std::string_literals;

// The same text as a file in UTF-8 with its byte-order mark, and in UTF-16
// (little and big end first) with theirs, as Notepad writes them; the text's
// bytes beyond ASCII stand for characters beyond it there too.
std::vector<std::string> encodings(const std::string& text) {
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (char c : text) {
        utf16le += {c, '\0'};
        utf16be += {'\0', c};
    }
    return {"\xEF\xBB\xBF" + text, utf16le, utf16be};
}

TEST(import, each_text_sets_exactly_its_fields_in_any_encoding_and_counts_the_lines_without_a_code) {
    const std::string junk = "# my layout\n81211258 0010\n; moved the map\n812117DE 0030  trailing words\n"
                             "hello world 812114C6 00C8\n812114C4 zz\n-1 5\n0x812114C6 0001\nG1211258 0001\n"
                             "812114C4 FFF9\n// the last line is truncated\n81211240";
    // clang-format off
    const struct { std::string text; std::vector<std::string> want; long skipped = 0, first = 0; } rows[] = {
        {"81211258 0010\n002114C6 00C8\n8008AAFB 0007\n812117DE 0030\n81211258 0020\n", // the later line wins
         {"A Button x=200", "Map x=48", "B Button Icon scale=32", "Rupee Icon colour=07FF64"}},
        {"81211506 0100\n812114C4 FFF9\n812119B2 8000\n81211238 7FFF\n",
         {"A Button y=-7", "B Button y=32767", "Magic Meter x=256", "C-Right Number y=-32768"}},
        {"812114C8 FFFF\n8121125E 0000\n812111A8 01FF\n8121194A 0100\n",
         {"A Button scale=65535", "C-Right Icon scale=0", "Map colour=0000FF", "Magic Meter colour=00C8FF"}},
        {"8108AB55 0003\n", {"Rupee Icon x=3"}}, {"810BF3D2 0004\n", {"Rupee Icon x=4"}}, // the Rupee Icon's x in sections A and C
        {"81000000 1234\n80000001 1234\n00000000 1234\n80000000 1234\nD0211258 0010\n82211258 0010\n"
         "01211258 0010\n812114C7 0001\n", {}},                        // codes of no field are codes all the same
        {"\t 812114c6\t\t00c8 \n\n\n   812114C4  00Ab\n", {"A Button x=200", "A Button y=171"}},
        // no separator; a short field; several codes on a line: none is a code line
        {"812114C600C9\n812117E0 7\n81211258 0030 812114C4 FFF9 8121\n", {}, 3, 1},
        // a letter past f, "0x", a fifth digit, words after the value: never read as another value
        {"812114C6 00G8\n812114C6 0x00C8\n812114C6 00C80\n812114C4 00C8 \n812117DE 0030  trailing words\n",
         {"A Button y=200"}, 4, 1},
        // an address without its value is skipped, not joined to the next line
        {"812114C6\n812114C4 0001\n81211258\n0030\n", {"A Button y=1"}, 3, 1},
        {"# old Mac file\r81211258 0012\rjunk\r812114C6 00CA\r", {"A Button x=202", "B Button Icon scale=18"}, 2, 1},
        {"812114C6 00CA\r\n\r\n\r\n-\r\n", {"A Button x=202"}, 1, 4}, // CR LF is one line end
        {junk, {"A Button y=-7", "B Button Icon scale=16"}, 10, 1},           // lines with no code on them are skipped
        {"8121125800010\n", {}, 1, 1}, {"081211258 0001\n", {}, 1, 1},       // nine digits
        {"81211258 00105\n812114C6 00C8\n", {"A Button x=200"}, 1, 1},      // a fifth digit
        {"\0\0\0\n81211258 0010\n8121\0"s + "1240 0001\n" + std::string(1000, '\0') + "\n812114C6 00C8\n",
         {"A Button x=200", "B Button Icon scale=16"}, 3, 1}, // NUL bytes
        // a line of a million digits is one line that is no code line
        {"812114C6 00C8\n" + std::string(999997, '7') + "\n812114C4 FFF9\n", {"A Button x=200", "A Button y=-7"}, 1, 2},
        {"\xEF\xBB\xBF"s, {}}, {"\xEF\xBB"s, {}, 1, 1}, {"\xFF"s, {}, 1, 1}, {"", {}},
    };
    // clang-format on
    for (auto& r : rows) {
        // the rows as written, then in UTF-8 with a byte-order mark and in UTF-16
        std::vector<std::string> texts = {r.text};
        if (r.text.rfind("\xEF\xBB", 0) != 0 && r.text.rfind("\xFF", 0) != 0) texts = encodings(r.text);
        texts.insert(texts.begin(), r.text);
        for (const std::string& text : texts) {
            import_report report{};
            EXPECT_EQ(changes(imported(text, home_layout(), &report)), r.want) << text.substr(0, 200);
            EXPECT_TRUE(report.skipped == r.skipped && report.first_skipped == r.first)
                << text.substr(0, 80) << ": " << report.skipped << " lines skipped from "
                << report.first_skipped;
        }
    }
}

// A code file is read whole, a chunk (64 KiB) at a time, the way out asked
// before each chunk after the first; one longer than any code file (4 MiB)
// is refused from its size before anything is read (a sparse 1 TiB one:
// startup_test's a_file_there_but_unreadable_is_said_and_noted_on_every_start_up_screen),
// and one that grows past that while it is read is refused too.
TEST(import, a_code_file_is_refused_from_its_size_and_read_a_chunk_at_a_time_until_the_way_out) {
    temp_dir dir;
    const size_t chunk = 64 << 10;
    // clang-format off
    const struct { uint64_t size; int end_at; uint64_t grow; int result; size_t read; int asked; } rows[] = {
        // bytes, the ask that ends it (0: none), bytes added once it is open; what came of it
        {0, 0, 0, 0, 0, 0}, {chunk - 1, 1, 0, 0, chunk - 1, 0}, {chunk, 0, 0, 0, chunk, 1},
        {3 * chunk + 5, 0, 0, 0, 3 * chunk + 5, 3}, {3 * chunk + 5, 1, 0, ECANCELED, chunk, 1},
        {3 * chunk + 5, 2, 0, ECANCELED, 2 * chunk, 2}, {code_file_limit, 0, 0, 0, code_file_limit, 64},
        {code_file_limit + 1, 1, 0, error_too_long, 0, 0},
        {10, 0, code_file_limit, error_too_long, code_file_limit + 10, 64},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << r.size << " bytes, ended at ask " << r.end_at << ", grown by " << r.grow);
        write_file("basecode.txt", std::string(std::min<uint64_t>(r.size, 1 << 20), '7'));
        std::filesystem::resize_file("basecode.txt", r.size); // beyond 1 MiB: a hole
        int error = 0, asked = 0;
        FILE* f = open_code_file("basecode.txt", &error);
        EXPECT_EQ(f == nullptr, r.result == error_too_long && !r.grow);
        if (!f) {
            EXPECT_EQ(error, r.result);
            continue;
        }
        if (r.grow) std::filesystem::resize_file("basecode.txt", r.size + r.grow);
        std::string bytes;
        EXPECT_EQ(read_code_file(f, bytes, [&] { return ++asked == r.end_at; }), r.result);
        std::fclose(f);
        EXPECT_EQ(bytes.size(), r.read);
        EXPECT_EQ(asked, r.asked);
    }
}

TEST(import, exported_code_reads_back_to_the_same_layout) {
    std::mt19937 rng(20240611);
    for (int seed = 0; seed < 200; seed++) {
        layout edited = home_layout(); // a random handful of the values the game keeps (the others: export)
        for (int n = 1 + static_cast<int>(rng() % 40); n > 0; n--)
            if (const code_entry& c = code_table[rng() % code_count]; c.offset)
                set_code_value(edited, c, rng());
        ASSERT_EQ(changes(imported(codes_of(edited))), changes(edited)) << "seed " << seed;
    }
}

namespace fs = std::filesystem;

// clang-format off
const struct { const char* what; void (*edit)(layout&); const char* want; } cases[] = {
    {"Rupee Icon: y in sections A and C, x in C only", [](layout& m) { m.elements[el_rupee_icon].pos = {30, 200, 0, 0}; },
     "8108AB52 00C8\n810BF3D2 001E\n810BF3D6 00C8\n"},
    {"Rupee Number: section A x skipped", [](layout& m) { m.elements[el_rupee_number].pos = {1, 2, 0, 0}; },
     "8108AFC6 0002\n810BF66A 0001\n810BF86A 0002\n"},
    {"no offset: Hearts, C-Up Button and Icon scales, A Button Icon's second, Rupee Number and Hearts colours",
     [](layout& m) {
         m.elements[el_hearts].pos = {5, 5, 0, 0};
         m.scales[sc_c_up_button].value = m.scales[sc_c_up_icon].value = 1;
         m.scales[sc_a_button_icon_second].value = 99;
         m.colors[col_rupee_number].value = m.colors[col_hearts].value = {1, 2, 3, 0};
     }, ""},
    {"scales: low 16 bits, the A Button Icon only slot 6", [](layout& m) {
         m.scales[sc_a_button_icon].value = 51;
         m.scales[sc_a_button_icon_second].value = 17;
         m.scales[sc_b_button].value = 0x12345;
         m.scales[sc_a_button].value = -1;
     }, "812114C8 FFFF\n81211240 2345\n812114CE 0033\n"},
    {"colours: bytes; Rupee Icon r and b, A Button b, Magic Meter r; the Rupee colour despite the skip list",
     [](layout& m) {
         m.colors[col_rupee_icon].value = {201, 255, 0, 0};
         m.colors[col_a_button].value = {90, 90, 254, 0};
         m.colors[col_magic_meter].value = {255, 200, 0, 0};
     }, "812114D4 00FE\n8108AAFA 00C9\n8108AB0E 0000\n812111A4 00FF\n"},
    {"sections in fixed order whatever was edited first", [](layout& m) {
         m.colors[col_b_button].value.g = 0;
         m.scales[sc_c_down_icon].value = 600;
         m.elements[el_b_button_number].pos.x = 100;
         m.scales[sc_c_down_button].value = 700;
         m.elements[el_b_button].pos.y = 20;
     }, "81211238 0014\n81211244 02BC\n812119A4 0064\n8121125A 0258\n812111FC 0000\n"},
};
// clang-format on

// The codes as RetroArch's one enabled cheat, joined by "+"; the longest
// (every value changed) whole in its capacity; a short buffer cut, never
// overrun. (None for an unchanged layout, a single code: saving's
// a_save_writes_code_cht_with_the_same_codes_as_one_enabled_cheat, as saved.)
TEST(cheat_file, the_codes_are_one_enabled_cheat_joined_by_plus_signs) {
    layout every = home_layout();
    for (const code_entry& c : code_table) set_code_value(every, c, code_home(every, c) ^ 0x5A5A);
    const std::string longest = codes_of(every);
    std::string joined        = longest.substr(0, longest.size() - 1);
    std::replace(joined.begin(), joined.end(), '\n', '+');
    const std::string head = "cheats = 1\n\ncheat0_desc = \"Hudwright\"\ncheat0_code = \"",
                      tail = "\"\ncheat0_enable = true\n";
    // clang-format off
    const struct { std::string codes; size_t cap; std::string want; } rows[] = {
        {"812114C6 00BB\n812114C8 FE90\n", cheat_capacity, head + "812114C6 00BB+812114C8 FE90" + tail},
        {"812114C6 00BB\n812114C8 FE90\n", 20, (head + "812114C6").substr(0, 19)},
        {"812114C6 00BB\n", 1, ""},
        {longest, cheat_capacity, head + joined + tail},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.codes.substr(0, 30) + " in " + std::to_string(r.cap));
        std::vector<char> out(r.cap + 8, '#'); // what lies past the capacity stays
        const size_t n = format_cheat(r.codes.data(), r.codes.size(), out.data(), r.cap);
        EXPECT_EQ(std::string(out.data(), n), r.want);
        EXPECT_EQ(out[n], '\0');
        EXPECT_EQ(std::string(out.data() + r.cap, 8), "########");
    }
    EXPECT_GT(std::count(longest.begin(), longest.end(), '\n'), 70) << "every code changed";
}

TEST(export, the_code_table_walks_the_games_offsets_in_their_fixed_order) {
    // sections A (x, y of elements 0-10), B (scales 0-5), C (x, y of 6-20), D (scales 6-11), E (colours)
    // clang-format off
    const int32_t offsets[] = {
        0x2114C6, 0x2114C4, 0x211230, 0x211238, 0x211220, 0x211222, 0x211234, 0x21123C, 0x211232, 0x21123A,
        0x211236, 0x21123E, 0x08AB55, 0x08AB52, 0x08ADDB, 0x08AFC6, 0x2117DE, 0x2117E0, 0x211506, 0x211508,
        0x2114C8, 0x211240, 0x211244, 0x211242, 0x211246,
        0x0BF3D2, 0x0BF3D6, 0x0BF66A, 0x0BF86A, 0x2117DE, 0x2117E0, 0x211506, 0x211508, 0x2114CC, 0x2114CA,
        0x211248, 0x211250, 0x210F54, 0x210F56, 0x21124C, 0x211254, 0x21124A, 0x211252, 0x21124E, 0x211256,
        0x2119A4, 0x2119AC, 0x2119A8, 0x2119B0, 0x2119A6, 0x2119AE, 0x2119AA, 0x2119B2,
        0x2114CE, 0x211258, 0x21125A, 0x21125C, 0x21125E,
        0x2114D0, 0x2114D2, 0x2114D4, 0x2111FA, 0x2111FC, 0x2111FE, 0x2111F2, 0x2111F4, 0x2111F6,
        0x211948, 0x21194A, 0x21194C, 0x08AAFA, 0x08AAFB, 0x08AB0E, 0x2111A4, 0x2111A6, 0x2111A8};
    // clang-format on
    ASSERT_EQ(std::size(offsets), code_table.size());
    for (size_t i = 0; i < code_table.size(); i++) EXPECT_EQ(code_table[i].offset, offsets[i]) << i;
    // and each entry names the value it holds: setting it through the entry shows as that value's change
    for (const code_entry& c : code_table) {
        layout m = home_layout();
        set_code_value(m, c, code_home(m, c) ^ 1);
        const std::string named = c.kind == code_x   ? trimmed(element_table[c.index].name) + " x="
                                  : c.kind == code_y ? trimmed(element_table[c.index].name) + " y="
                                  : c.kind == code_scale
                                      ? std::string(scale_table[c.index].name) + " scale="
                                      : std::string(color_table[c.index].name) + " colour=";
        const std::vector<std::string> changed = changes(m);
        EXPECT_TRUE(changed.size() == 1 && changed[0].rfind(named, 0) == 0)
            << testing::PrintToString(changed);
    }
}

// The panel strikes a field through exactly where a save drops a change of its
// value (a field the element does not have is empty and not marked).
TEST(export, the_panel_marks_exactly_the_values_a_save_drops) {
    std::vector<std::string> marked, dropped;
    for (const element_row& row : element_table)
        for (auto [f, what] :
             {std::pair{field_x, "x"}, {field_y, "y"}, {field_scale, "scale"}, {field_color, "colour"}}) {
            layout m      = home_layout();
            m.selected    = row.id;
            SDL_Rect& pos = m.elements[row.id].pos;
            if (f == field_x) pos.x ^= 1;
            if (f == field_y) pos.y ^= 1;
            if (f == field_scale && row.scale_slot != no_scale) m.scales[row.scale_slot].value ^= 1;
            if (f == field_color && row.color_slot != no_color) {
                SDL_Color& c = m.colors[row.color_slot].value;
                c            = {Uint8(c.r ^ 1), Uint8(c.g ^ 1), Uint8(c.b ^ 1), 0};
            }
            if (changes(m).empty()) continue; // the element has no such value
            const std::string name = trimmed(row.name) + " " + what;
            if (codes_of(m).empty()) dropped.push_back(name);
            if (field_never_saved(m, f)) marked.push_back(name);
        }
    EXPECT_EQ(marked, dropped);
    EXPECT_EQ(marked, (std::vector<std::string>{"C-Up Button scale", "Rupee Number colour", "Hearts x",
                                                "Hearts y", "Hearts colour", "C-Up Icon scale"}));
}

TEST(export, each_edit_gives_exactly_its_lines_and_replaces_the_old_file) {
    temp_dir dir;
    for (auto& c : cases) {
        layout m = home_layout();
        c.edit(m);
        write_file("code.txt", "81211258 0010\n");
        ASSERT_TRUE(export_codes(m)) << c.what;
        EXPECT_EQ(read_file("code.txt"), c.want) << c.what;
    }
}

#ifndef _WIN32 // links, permissions, owners, named pipes, file size limits, fork and process ids: POSIX only

// The layout the saves below write: the A Button one pixel right, 812114C6 00BB.
layout nudged() {
    layout m                      = home_layout();
    m.elements[el_a_button].pos.x = 187;
    return m;
}
const rlimit tiny{5, 5}; // a write that fails part-way, also for root: no file may grow beyond 5 bytes

// A save of nudged() to `to` in a child process, after `before` there, as
// `user` where that is not who runs the test (as root): 0 when it saved, 1
// when it failed, else as in_child; and what it said on standard error.
std::pair<int, std::string> save_in_child(
    const char* to, uid_t user = geteuid(), const std::function<void()>& before = [] {}) {
    return said_in_child([&] {
        before();
        if (user != geteuid() && (setgid(user) != 0 || setuid(user) != 0)) _exit(3);
        _exit(export_codes(nudged(), to) ? 0 : 1);
    });
}

// In a shared folder with the sticky bit (/tmp), a save follows code.txt's
// links only when each was made by the user or by root, as the kernel
// follows links there: another user's link to the user's own file (or a
// dangling one, which would make a file where that user chose) is refused
// and nothing is written. The user: nobody, in a child; the other user 65533.
TEST(export, a_link_is_followed_only_when_the_user_or_root_made_it) {
    if (geteuid() != 0) GTEST_SKIP() << "links of other users are made by root only";
    temp_dir dir;
    const uid_t user = 65534, other = 65533, root = 0;
    const std::string refused = ": it is a link that another user made, which is not followed\n";
    // clang-format off
    const struct { std::vector<uid_t> links; bool dangling; bool saved; } rows[] = {
        {{user}, false, true}, {{root}, false, true}, {{user, root}, false, true},
        {{other}, false, false}, {{user, other}, false, false}, {{other}, true, false},
    };
    // clang-format on
    chmod(".", 01777);
    for (size_t i = 0; i < std::size(rows); i++) {
        const auto& r = rows[i];
        SCOPED_TRACE(i);
        const std::string own = "own" + std::to_string(i) + ".txt";
        if (!r.dangling) write_file(own, "kept\n");
        (void)chown(own.c_str(), user, user);
        // code.txt -> link 1 -> ... -> own.txt, link k made by links[k]
        std::string next = own;
        for (size_t k = r.links.size(); k-- > 0;) {
            const std::string name = k == 0 ? "code" + std::to_string(i) + ".txt"
                                            : "hop" + std::to_string(i) + "-" + std::to_string(k);
            fs::create_symlink(next, name);
            ASSERT_EQ(lchown(name.c_str(), r.links[k], r.links[k]), 0);
            next = name;
        }
        const auto [status, said] = save_in_child(next.c_str(), user);
        EXPECT_EQ(status, r.saved ? 0 : 1);
        EXPECT_EQ(fs::exists(own) ? read_file(own) : "none", r.saved      ? "812114C6 00BB\n"
                                                             : r.dangling ? "none"
                                                                          : "kept\n");
        EXPECT_EQ(said, r.saved ? "" : "hudwright: cannot save " + next + refused);
        EXPECT_TRUE(fs::is_symlink(next)) << "a link stays a link";
    }
}

// A temporary name is longer than the file's own: a save, and a kept file,
// never fail on that where the file's own name fits - a folder whose path
// leaves just room for code.unsaved.txt, a link to a name as long as a
// folder takes.
TEST(export, temporary_names_never_fail_a_save_that_the_files_own_name_would_not) {
    temp_dir dir;
    std::string deep  = dir.path; // then its path is one byte short of PATH_MAX with "/code.unsaved.txt"
    const size_t room = std::strlen("/code.unsaved.txt") + 1;
    while (deep.size() + room < PATH_MAX)
        deep += "/" + std::string(std::min<size_t>(200, PATH_MAX - room - deep.size() - 1), 'd');
    ASSERT_EQ(deep.size() + room, size_t(PATH_MAX));
    fs::create_directories(deep);
    fs::create_symlink(std::string(255, 'n'), "code.txt"); // the longest name: no room for ".tmpPID-N"
    // clang-format off
    const struct { std::string path, target; } rows[] = {
        {deep + "/code.txt", deep + "/code.txt"}, {"code.txt", std::string(255, 'n')},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.target.size());
        for (int save = 0; save < 2; save++) { // made, then replaced
            EXPECT_EQ(stderr_of([&] { EXPECT_TRUE(export_codes(nudged(), r.path.c_str())); }), "");
            EXPECT_EQ(read_file(r.target), "812114C6 00BB\n");
        }
        for (auto& e : fs::directory_iterator(
                 fs::path(r.target).parent_path().empty() ? "." : fs::path(r.target).parent_path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos)
                << "a temporary file is left";
    }
    EXPECT_TRUE(fs::is_symlink("code.txt"));
    fs::current_path(deep); // the test reads the files by their names alone: their paths are too long
    for (int quit = 0; quit < 2; quit++) { // made, then kept aside for other work
        const std::string text = quit ? "812114C4 00CA\n" : "812114C6 00BB\n";
        EXPECT_EQ(keep_file(deep, "code.unsaved.txt", text.data(), text.size(), false), keep_written);
        EXPECT_EQ(read_file("code.unsaved.txt"), text);
    }
    EXPECT_EQ(read_file("code.unsaved.1.txt"), "812114C6 00BB\n") << "a numbered name fits too";
}

// A save killed midway leaves nothing where the file system has files
// without a name, and what earlier killed saves left (TARGET.tmpPID-N) goes at
// the next save when it is the user's own and its process is gone or is this
// one - however old another's, or one of a process that runs, is. (A folder
// that takes no new file, code.txt written in place: saving's
// a_save_in_place_keeps_what_code_txt_held_in_the_state_folder_and_a_kill_leaves_it_whole.)
TEST(export, what_killed_saves_left_goes_at_the_next_save) {
    temp_dir dir;
    // a save killed by the file size limit while it writes
    EXPECT_EQ(save_in_child("code.txt", geteuid(), [] { setrlimit(RLIMIT_FSIZE, &tiny); }).first,
              100 + SIGXFSZ);
    auto leftovers = [] {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator("."))
            if (e.path().filename().string().starts_with("code.txt.tmp"))
                names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    };
    const int unnamed = open(".", O_TMPFILE | O_WRONLY, 0600);
    EXPECT_EQ(leftovers().empty(), unnamed >= 0) << "files without a name leave nothing";
    if (unnamed >= 0) close(unnamed);

    const pid_t ended = fork(); // a process id that is no longer in use
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string gone = std::to_string(ended), self = std::to_string(getpid()),
                      alive = std::to_string(getppid()); // the test's parent runs
    // clang-format off
    const bool root = geteuid() == 0; // only root can give a file to another user
    const struct { std::string name; bool old, directory, another, removed; } files[] = {
        {"code.txt.tmp" + gone + "-0", false, false, false, true},   {"code.txt.tmp" + self + "-7", false, false, false, true},
        {"code.txt.tmp" + alive + "-0", false, false, false, false}, {"code.txt.tmp" + alive + "-1", true, false, false, false},
        {"code.txt.tmp" + gone + "-1", false, true, false, false},   {"code.txt.tmp" + gone + "-0x", false, false, false, false},
        {"code.txt.tmpx-0", true, false, false, false},              {"other.txt.tmp" + gone + "-0", true, false, false, false},
        {"code.txt.tmp" + gone + "-2", true, false, true, !root},    // another user's: never
    };
    // clang-format on
    for (auto& f : files) {
        f.directory ? (void)fs::create_directory(f.name) : write_file(f.name, "left\n");
        if (f.old) fs::last_write_time(f.name, fs::file_time_type::clock::now() - std::chrono::hours(24));
        if (f.another && root) {
            EXPECT_EQ(lchown(f.name.c_str(), 65533, 65533), 0);
        }
    }
    ASSERT_TRUE(export_codes(nudged()));
    EXPECT_EQ(read_file("code.txt"), "812114C6 00BB\n");
    for (auto& f : files) EXPECT_EQ(fs::exists(f.name), !f.removed) << f.name;
    // and nothing else: the kept ones in the order of their names, whatever the process ids' lengths
    std::vector<std::string> kept;
    for (auto& f : files)
        if (!f.removed && f.name.starts_with("code.txt.tmp")) kept.push_back(f.name);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(leftovers(), kept);
}
#endif

} // namespace
