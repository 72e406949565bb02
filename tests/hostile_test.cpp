// hostile_test.cpp - a basecode.txt or bg.bmp that is no regular file, a bg.bmp
// cut short, lying in its header or of an odd depth: no crash, no hang, nothing
// lost (junk base codes and code.txt are codes_test's and corpus_test's).
#include "support.h"
#include "ui/startup.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Starts the editor headless with name in place, answers "Yes" to its prompt
// and draws three passes; the pixel at (5, 120) with the background's size,
// 0 by 0 while the built-in one is kept.
struct outcome {
    int w = 0, h = 0;
    Uint32 shown = 0;
};
outcome accept(const char* name) {
    editor ed;
    outcome o;
    if (!start_editor_headless(ed)) return o;
    SDL_Surface* built_in = ed.background;
    ed.message_pos        = SDL_Rect{35, 128, 0, 0};
    push_press(35, 85); // "Yes"
    (name == std::string("bg.bmp") ? background_prompt : basecode_prompt)(ed);
    if (ed.background != built_in) o.w = ed.background->w, o.h = ed.background->h;
    run_passes(ed, 3);
    o.shown = pixel_at(ed.screen, 5, 120) & 0xFFFFFF;
    tear_down(ed);
    return o;
}

TEST(hostile, prompt_files_that_are_no_regular_file_neither_hang_nor_crash) {
    for (const char* name : {"basecode.txt", "bg.bmp"}) {
        // a pipe nobody writes to (opening it would wait), an endless device
        // behind a link (reading it would never end), a directory
        for (int kind = 0; kind < 3; kind++) {
            temp_dir dir;
            if (kind == 0) mkfifo(name, 0600);
            if (kind == 1) fs::create_symlink("/dev/zero", name);
            if (kind == 2) fs::create_directory(name);
            EXPECT_EQ(in_child([&] { accept(name); }), 0) << name << " " << kind;
            EXPECT_TRUE(fs::is_fifo(name) || fs::is_symlink(name) || fs::is_directory(name));
        }
    }
}

TEST(hostile, a_bg_bmp_becomes_the_background_and_shows_when_it_decodes_and_else_changes_nothing) {
    const std::string magenta = "\xFE\x00\xFF"s, good = bmp_file(320, 240, 24, magenta);
    std::string palette(1024, '\0'); // 256 colours, colour 1 magenta
    palette.replace(4, 3, magenta);
    // clang-format off
    const struct { const char* what; std::string file; int w, h; } cases[] = {
        {"cut short in its pixels", good.substr(0, 5000), 0, 0},
        {"a header claiming 100000 by 100000", bmp_file(100000, 100000, 32, ""), 0, 0},
        {"a header claiming 0 by 0", bmp_file(0, 0, 24, ""), 0, 0},
        {"a depth no blit supports", bmp_file(16, 16, 64, std::string(8, '\x40')), 0, 0},
        {"not a BMP at all", "BM this is not a picture\n", 0, 0},
        {"1x1", bmp_file(1, 1, 24, magenta), 1, 1},
        {"8-bit paletted", bmp_file(320, 240, 8, "\x01", palette), 320, 240},
        {"16-bit 5-5-5", bmp_file(320, 240, 16, "\x1F\x7C"), 320, 240},
        {"4000x4000", bmp_file(4000, 4000, 24, magenta), 4000, 4000},
    };
    // clang-format on
    for (auto& c : cases) {
        temp_dir dir;
        write_file("bg.bmp", c.file);
        outcome o = accept("bg.bmp");
        EXPECT_TRUE(o.w == c.w && o.h == c.h) << c.what << ": " << o.w << "x" << o.h;
        // widened to 8 bits as SDL scales the channels (31 -> 248 or 255)
        bool magenta_shown = (o.shown & 0xF8FFF8) == 0xF800F8;
        EXPECT_EQ(magenta_shown, c.w >= 6 && c.h >= 121) << c.what << std::hex << " shows " << o.shown;
        EXPECT_TRUE(c.w || (o.shown != 0 && o.shown != 0x404040)) << c.what << ": the built-in one is drawn";
    }
}

} // namespace
