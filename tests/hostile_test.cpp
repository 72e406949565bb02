// hostile_test.cpp - a basecode.txt or background file that is no regular
// file; a background that cannot be opened, cut short, lying in its header,
// too large, of another kind than its name says, of an odd depth or with
// stray alpha bytes: no crash, no hang, nothing lost, the reason said, the
// same on classic SDL 1.2 and sdl12-compat (junk base codes and code.txt are
// codes_test's and corpus_test's; random pictures the fuzzer's).
#include "draw/bmp_input.h"
#include "draw/picture_fit.h"
#include "support.h"
#include "editor/background.h"
#include "editor/startup.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <filesystem>
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

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

#ifndef _WIN32 // the tests that use it need POSIX
// Starts the editor headless with name in place, answers "Yes" to a prompt
// and draws three passes.
void accept(const char* name) {
    editor ed;
    if (!start_editor_headless(ed)) return;
    push_press(35, 85); // a press on "Yes"
    (name == std::string("basecode.txt") ? basecode_prompt : background_prompt)(ed);
    for (int pass = 0; pass < 3; pass++) editor_pass(ed);
    tear_down(ed);
}
#endif

TEST(hostile, prompt_files_that_are_no_regular_file_neither_hang_nor_crash) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: named pipes, links to devices and fork";
#else
    for (const char* name :
         {"basecode.txt", "bg.bmp", "bg.png", "bg.jpg", "bg.jpeg", "BG.PNG", "Shot 1.png"}) {
        // a pipe nobody writes to (opening it would wait), an endless device
        // behind a link (reading it would never end), a directory
        for (int kind = 0; kind < 3; kind++) {
            temp_dir dir;
            if (kind == 0) mkfifo(name, 0600);
            if (kind == 1) fs::create_symlink("/dev/zero", name);
            if (kind == 2) fs::create_directory(name);
            EXPECT_EQ(in_child([&] { accept(name); }), 0) << name << " " << kind;
            EXPECT_TRUE(fs::is_fifo(name) || fs::is_symlink(name) || fs::is_directory(name));
            EXPECT_EQ(background_file() + newest_picture(), "")
                << name << " " << kind << ": counts as missing";
        }
    }
#endif
}

// name written with bytes (then made `size` bytes long, the rest a hole, when
// size is not 0) and read as the background over a grey built-in one: the
// picture's own size ("WxH") or the reason it is not used, and the colour the
// preview shows at (5, 120) (0: none); with most, the most memory the read
// held at once (peak_memory_growth: in a child process only).
std::pair<std::string, Uint32> read_bg(const char* name, const std::string& bytes, uintmax_t size = 0,
                                       kind_from from = kind_from_name, long* most = nullptr) {
    temp_dir dir;
    write_file(name, bytes);
    if (size) fs::resize_file(name, size);
    SDL_Surface* grey = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(grey, nullptr, 0x808080);
    background_read r{};
    const std::function<void()> read = [&] { r = read_background(name, grey, false, from); };
#ifndef _WIN32
    if (most) *most = peak_memory_growth(read);
#endif
    if (!most) read();
    SDL_FreeSurface(grey);
    if (!r.preview) return {r.reason, 0};
    const Uint32 shown = pixel_at(r.preview, 5, 120) & 0xFFFFFF;
    EXPECT_TRUE(r.preview->w == 320 && r.preview->h == 240 && r.reason.empty()) << name;
    SDL_FreeSurface(r.preview);
    return {std::to_string(r.w) + "x" + std::to_string(r.h), shown};
}

// The largest picture a user brings is an 8K screenshot: more pixels are
// refused from the header, before anything is decoded, and one within that
// is read holding at most a few times its 8-bit picture (7680x4320x3 bytes)
// at once - a PNG of 16 bits a channel up to a 4K one's pixels; rows with a
// bound on memory are read in a child process, their memory counted there.
TEST(hostile,
     a_background_shows_when_it_decodes_in_bounded_memory_and_else_keeps_the_built_in_one_and_says_why) {
    const Uint32 pink = 0xFF00FE, grey = 0x808080, none = 0; // grey: the built-in one
    const std::string magenta = "\xFE\x00\xFF"s, good = bmp_file(320, 240, 24, magenta);
    std::string palette(1024, '\0'); // 256 colours, colour 1 magenta
    palette.replace(4, 3, magenta);
    auto all_pink          = [](int, int) { return 0xFF00FEu; };
    const std::string png  = picture_file(picture_png, 320, 240, all_pink),
                      jpeg = picture_file(picture_jpeg, 64, 48, all_pink);
    // the same PNG claiming another size in its header: width and height at 16, big-endian
    auto png_sized = [&](uint32_t w, uint32_t h) {
        std::string p = png;
        for (int i = 0; i < 4; i++) p[16 + i] = char(w >> (24 - 8 * i)), p[20 + i] = char(h >> (24 - 8 * i));
        return p;
    };
    const std::string too_large = "more than 8192 pixels a side", broken_png = "a PNG that cannot be decoded",
                      more = "more pixels than 7680x4320", deep = "a 16-bit PNG over 3840x2160 pixels";
    const long few = 3 * 7680L * 4320 * 3, little = 1 << 20; // bytes held at once, at most
    // clang-format off
    const struct { const char* what; const char* name; std::string file; std::string said; Uint32 shown;
                   long most = 0; uintmax_t size = 0; kind_from from = kind_from_name; } cases[] = {
        {"cut short in its pixels", "bg.bmp", good.substr(0, 5000), "a BMP that cannot be decoded", none},
        {"a header claiming 0 by 0", "bg.bmp", bmp_file(0, 0, 24, ""), "a BMP that cannot be decoded", none},
        {"not a BMP at all", "bg.bmp", "BM this is not a picture\n", "a BMP that cannot be decoded", none},
        {"1x1", "bg.bmp", bmp_file(1, 1, 24, magenta), "1x1", grey}, // (5, 120) lies outside it
        {"8-bit paletted", "bg.bmp", bmp_file(320, 240, 8, "\x01", palette), "320x240", pink},
        {"16-bit 5-5-5", "bg.bmp", bmp_file(320, 240, 16, "\x1F\x7C"), "320x240", pink},
        {"4000x4000", "bg.bmp", bmp_file(4000, 4000, 24, magenta), "4000x4000", pink},
        // (5, 120) falls on a pixel whose fourth byte is 0: SDL2 reads it as clear
        {"32-bit, its fourth bytes 255 and 0 by turns", "bg.bmp",
         bmp_file(320, 240, 32, "\xFE\x00\xFF\xFF\xFE\x00\xFF\x00"s), "320x240", pink},
        {"a real 16000x16000 BMP, refused from its header", "bg.bmp", bmp_file(16000, 16000, 24, "").substr(0, 54),
         too_large, none, 0, 54 + 48000ull * 16000},
        {"empty", "bg.bmp", "", "not a BMP picture", none},
        {"a PNG", "bg.png", png, "320x240", pink},
        {"a PNG cut in its signature", "bg.png", png.substr(0, 5), "not a PNG picture", none},
        {"a PNG claiming 16000x16000", "bg.png", png_sized(16000, 16000), too_large, none},
        {"a PNG claiming 0x0", "bg.png", png_sized(0, 0), broken_png, none},
        {"a PNG claiming more rows than it holds", "bg.png", png_sized(320, 4000), broken_png, none},
        {"a PNG 8192 pixels wide", "bg.png", picture_file(picture_png, 8192, 1, all_pink), "8192x1", grey},
        {"a PNG 8193 pixels wide", "bg.png", picture_file(picture_png, 8193, 1, all_pink), too_large, none},
        {"a PNG of more than 1 GiB", "bg.png", png, "a file of more than 1 GiB", none, 0, (1ull << 30) + 1},
        {"a JPEG named bg.png", "bg.png", jpeg, "a JPEG picture - not a PNG", none},
        {"a BMP named bg.jpeg", "bg.jpeg", good, "a BMP picture - not a JPEG", none},
        // beyond an 8K screenshot, or a 4K one at 16 bits a channel, in few bytes
        {"a 16-bit RGBA 8192x8192 (1 GiB before)", "bg.png", flat_png(8192, 8192, 16, true, pink), more, none, little},
        {"an 8000x8000 of one colour", "bg.png", flat_png(8000, 8000, 8, false, pink), more, none, little},
        {"an 8K screenshot and a column", "bg.png", flat_png(7681, 4320, 8, false, pink), more, none, little},
        {"an 8K screenshot", "bg.png", flat_png(7680, 4320, 8, false, pink), "7680x4320", pink, few},
        {"an 8K screenshot with alpha", "bg.png", flat_png(7680, 4320, 8, true, 0x00FF80), "7680x4320", 0x00FF80, few},
        {"a 16-bit RGBA 4K screenshot", "bg.png", flat_png(3840, 2160, 16, true, pink), "3840x2160", pink, few},
        {"a 16-bit 4K screenshot and a column", "bg.png", flat_png(3841, 2160, 16, false, pink), deep, none, little},
        // an uncompressed 32-bit BMP whose pixels are a hole of zeros: black
        {"an 8K 32-bit BMP", "bg.bmp", bmp_file(7680, 4320, 32, "").substr(0, 54), "7680x4320", 0x000000, few,
         54 + 7680ull * 4320 * 4},
        {"an 8K BMP and a row", "bg.bmp", bmp_file(7680, 4321, 32, "").substr(0, 54), more, none, little,
         54 + 7680ull * 4321 * 4},
        // named with --bg: the kind by the first bytes, whatever the name (a BMP named .png, a PNG
        // without an ending, a JPEG, text: startup_test's background rows, on the screen the user sees)
        {"empty", "x.png", "", "not a PNG or BMP picture", none, 0, 0, kind_from_bytes},
        {"a BMP's first bytes only", "x", "BM", "a BMP that cannot be decoded", none, 0, 0, kind_from_bytes},
        {"a PNG's signature only", "x", png.substr(0, 8), "a PNG that cannot be decoded", none, 0, 0, kind_from_bytes},
        {"a PNG claiming 16000x16000", "x", png_sized(16000, 16000), too_large, none, 0, 0, kind_from_bytes},
    };
    // clang-format on
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::pair<std::string, Uint32> seen;
        if (!c.most) seen = read_bg(c.name, c.file, c.size, c.from);
#ifdef _WIN32
        if (c.most) continue; // no fork
#else
        if (c.most) {
            const auto [status, out] = said_in_child([&] {
                long most                = -1;
                const auto [said, shown] = read_bg(c.name, c.file, c.size, c.from, &most);
                std::fprintf(stderr, "%s\n%x %ld", said.c_str(), unsigned(shown), most);
                _exit(0);
            });
            std::istringstream lines(out);
            long most = -1;
            std::getline(lines, seen.first);
            lines >> std::hex >> seen.second >> std::dec >> most;
            EXPECT_TRUE(status == 0 && most >= 0 && most <= c.most)
                << most << " bytes held at most, " << c.most;
        }
#endif
        EXPECT_EQ(seen.first, c.said);
        // widened to 8 bits as SDL scales the channels (31 -> 248 or 255)
        EXPECT_EQ(seen.second & 0xF8FFF8, c.shown & 0xF8FFF8) << std::hex << " shows " << seen.second;
    }
}

// A read stopped (its flag set from another thread when the run ends) gives
// up at its next read or block, and the fit between rows: nothing comes back.
TEST(hostile, a_read_stopped_gives_up_and_says_so) {
    std::atomic<bool> stop = true;
    auto pink              = [](int, int) { return 0xFF00FEu; };
    // clang-format off
    const struct { picture_kind kind; std::string file; } rows[] = {
        {picture_png, picture_file(picture_png, 640, 480, pink)},
        {picture_png, flat_png(640, 480, 16, true, 0xFF00FE)},
        {picture_bmp, picture_file(picture_bmp, 640, 480, pink)},
    };
    // clang-format on
    for (auto& r : rows) {
        SDL_RWops* rw = SDL_RWFromConstMem(r.file.data(), int(r.file.size()));
        picture_problem why;
        decoded_picture p = read_picture(rw, r.kind, why, &stop);
        EXPECT_TRUE(!p.surface && why.reason == "stopped") << picture_kind_name(r.kind) << ": " << why.reason;
        free_picture(p);
        stop = false; // read whole, then fitted with the flag set
        SDL_RWseek(rw, 0, RW_SEEK_SET);
        p = read_picture(rw, r.kind, why, &stop);
        SDL_RWclose(rw);
        ASSERT_TRUE(p.surface);
        stop               = true;
        SDL_Surface* under = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        EXPECT_EQ(fit_picture(p.surface, under, 320, 240, &stop), nullptr);
        SDL_FreeSurface(under);
        free_picture(p);
    }
}

#ifndef _WIN32
// With no descriptor left the file is there but cannot be opened: said, not skipped.
TEST(hostile, a_background_that_cannot_be_opened_is_said) {
    temp_dir dir;
    write_file("bg.png", picture_file(picture_png, 4, 3, [](int, int) { return 0u; }));
    EXPECT_EQ(in_child([] {
                  const int lowest = dup(0); // the lowest free descriptor, and the limit below it
                  close(lowest);
                  rlimit r{};
                  getrlimit(RLIMIT_NOFILE, &r);
                  r.rlim_cur = rlim_t(lowest);
                  setrlimit(RLIMIT_NOFILE, &r);
                  const background_read b = read_background(background_file(), nullptr, true);
                  _exit(b.reason == std::strerror(EMFILE) ? 0 : 1);
              }),
              0);
}
#endif

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
