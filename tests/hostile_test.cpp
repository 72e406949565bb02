// hostile_test.cpp - a basecode.txt or bg.bmp that is no regular file, a bg.bmp
// cut short, lying in its header, of an odd depth or with stray alpha bytes: no
// crash, no hang, nothing lost, the same on classic SDL 1.2 and sdl12-compat
// (junk base codes and code.txt are codes_test's and corpus_test's).
#include "draw/bmp_input.h"
#include "support.h"
#include "editor/startup.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A BMP file of w x h pixels at bpp bits: the palette, then each row made of
// `pixels` repeated, padded to four bytes (no rows at all when `pixels` is empty).
std::string bmp_file(int32_t w, int32_t h, uint16_t bpp, const std::string& pixels,
                     const std::string& palette = "") {
    std::string row, s = "BM";
    const size_t row_bytes = size_t(w) * bpp / 8;
    while (!pixels.empty() && row.size() < row_bytes) row += pixels;
    if (!row.empty()) row.resize((row_bytes + 3) / 4 * 4, '\0');
    uint32_t offset = 54 + uint32_t(palette.size()), size = uint32_t(row.size()) * uint32_t(h);
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; i++) s += char(v >> 8 * i);
    };
    for (uint32_t v : {offset + size, 0u, offset, 40u, uint32_t(w), uint32_t(h)}) put(v, 4);
    put(1, 2);
    put(bpp, 2);
    for (uint32_t v : {0u, size, 2835u, 2835u, 0u, 0u}) put(v, 4);
    s += palette;
    for (int y = 0; y < h && !row.empty(); y++) s += row;
    return s;
}

// Starts the editor headless with name in place, answers "Yes" to its prompt
// and draws three passes. Gives the background's size ("kept" while the
// built-in one stays) and the pixel shown at (5, 120).
std::pair<std::string, Uint32> accept(const char* name) {
    editor ed;
    if (!start_editor_headless(ed)) return {"no start-up", 0};
    SDL_Surface* built_in = ed.pictures.background;
    push_press(35, 85); // a press on "Yes"
    (name == std::string("bg.bmp") ? background_prompt : basecode_prompt)(ed);
    SDL_Surface* bg        = ed.pictures.background;
    const std::string size = bg == built_in ? "kept" : std::to_string(bg->w) + "x" + std::to_string(bg->h);
    for (int pass = 0; pass < 3; pass++) editor_pass(ed);
    const Uint32 shown = pixel_at(ed.screen, 5, 120) & 0xFFFFFF;
    tear_down(ed);
    return {size, shown};
}

TEST(hostile, prompt_files_that_are_no_regular_file_neither_hang_nor_crash) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: named pipes, links to devices and fork";
#else
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
#endif
}

TEST(hostile, a_bg_bmp_becomes_the_background_and_shows_when_it_decodes_and_else_changes_nothing) {
    const std::string magenta = "\xFE\x00\xFF"s, good = bmp_file(320, 240, 24, magenta);
    std::string palette(1024, '\0'); // 256 colours, colour 1 magenta
    palette.replace(4, 3, magenta);
    // clang-format off
    const struct { const char* what; std::string file; std::string size; } cases[] = {
        {"cut short in its pixels", good.substr(0, 5000), "kept"},
        {"a header claiming 0 by 0", bmp_file(0, 0, 24, ""), "kept"},
        {"not a BMP at all", "BM this is not a picture\n", "kept"},
        {"1x1", bmp_file(1, 1, 24, magenta), "1x1"},
        {"8-bit paletted", bmp_file(320, 240, 8, "\x01", palette), "320x240"},
        {"16-bit 5-5-5", bmp_file(320, 240, 16, "\x1F\x7C"), "320x240"},
        {"4000x4000", bmp_file(4000, 4000, 24, magenta), "4000x4000"},
        // (5, 120) falls on a pixel whose fourth byte is 0: SDL2 reads it as clear
        {"32-bit, its fourth bytes 255 and 0 by turns", bmp_file(320, 240, 32, "\xFE\x00\xFF\xFF\xFE\x00\xFF\x00"s),
         "320x240"},
    };
    // clang-format on
    for (auto& c : cases) {
        temp_dir dir;
        write_file("bg.bmp", c.file);
        auto [size, shown] = accept("bg.bmp");
        EXPECT_EQ(size, c.size) << c.what;
        // widened to 8 bits as SDL scales the channels (31 -> 248 or 255);
        // (5, 120) lies outside a 1x1 picture
        EXPECT_EQ((shown & 0xF8FFF8) == 0xF800F8, c.size != "kept" && c.size != "1x1") // magenta shown
            << c.what << std::hex << " shows " << shown;
    }
}

// The header against the bytes after it, before SDL decodes anything.
TEST(hostile, a_bmp_header_is_refused_when_the_file_holds_less_than_it_claims) {
    auto fits = [](const std::string& file, size_t skip = 0) {
        SDL_RWops* rw = SDL_RWFromConstMem(file.data(), int(file.size()));
        SDL_RWseek(rw, int(skip), RW_SEEK_SET);
        const bool ok = bmp_fits_its_file(rw);
        EXPECT_EQ(SDL_RWtell(rw), int(skip)) << "left where it was";
        SDL_RWclose(rw);
        return ok;
    };
    const std::string seven = bmp_file(7, 3, 24, "\x01\x02\x03"); // rows of 21 bytes padded to 24
    const std::string eight = bmp_file(8, 2, 8, "\x01", std::string(1024, '\0'));
    std::string top_down = seven, far = seven, rle = eight;
    top_down[22] = '\xFD';
    top_down[23] = top_down[24] = top_down[25] = '\xFF'; // height -3
    far[10]                                    = '\x40'; // the pixels said to start past the end
    rle[30]                                    = 1;      // run-length encoded (classic reads none)
    // an OS/2 header: 16-bit sizes, 26 bytes before the pixels; 3 x 2 at 8 bits
    const std::string core = "BM\x22\0\0\0\0\0\0\0\x1A\0\0\0\x0C\0\0\0\x03\0\x02\0\x01\0\x08\0"s;
    // clang-format off
    const std::pair<std::string, bool> files[] = {
        {seven, true}, {seven.substr(0, seven.size() - 1), false}, {top_down, true}, {far, false}, {eight, true},
        {rle, false}, {bmp_file(100000, 100000, 32, ""), false}, {bmp_file(16, 16, 64, std::string(8, '\x40')), false},
        {core + std::string(8, '\0'), true}, {core + std::string(7, '\0'), false}};
    // clang-format on
    for (size_t i = 0; i < std::size(files); i++) EXPECT_EQ(fits(files[i].first), files[i].second) << i;
    EXPECT_TRUE(fits("junk" + seven, 4));
}

} // namespace
