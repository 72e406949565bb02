// hostile_bg_test.cpp - bg.bmp files a user may have lying around, accepted
// with "Yes" at the background prompt and then drawn by editor passes: cut
// short, a header claiming a huge or a zero size, 1x1, 4000x4000, 8-bit with
// a palette, 16-bit, a depth no blit supports, not a BMP at all. The program
// must neither crash nor lose its way: a picture that decodes becomes the
// background (and shows), one that does not leaves the built-in background.
#include "shell/run.h"
#include "support.h"
#include "ui/startup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

void put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}
void put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; i++) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A BMP file: 14-byte file header, 40-byte info header, palette, pixels.
std::string bmp(int32_t w, int32_t h, uint16_t bpp, const std::string& pixels,
                const std::string& palette = "", uint32_t colors_used = 0) {
    std::string s   = "BM";
    uint32_t offset = 54 + static_cast<uint32_t>(palette.size());
    put32(s, offset + static_cast<uint32_t>(pixels.size()));
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, static_cast<uint32_t>(w));
    put32(s, static_cast<uint32_t>(h));
    put16(s, 1);
    put16(s, bpp);
    put32(s, 0); // no compression
    put32(s, static_cast<uint32_t>(pixels.size()));
    put32(s, 2835);
    put32(s, 2835);
    put32(s, colors_used);
    put32(s, 0);
    return s + palette + pixels;
}

// Rows of one repeated pixel, each padded to four bytes.
std::string rows(int w, int h, const std::string& pixel) {
    std::string row;
    for (int x = 0; x < w; x++) row += pixel;
    while (row.size() % 4) row += '\0';
    std::string all;
    all.reserve(row.size() * static_cast<size_t>(h));
    for (int y = 0; y < h; y++) all += row;
    return all;
}

struct outcome {
    bool replaced;   // the background is a new picture
    int w, h;        // its size
    Uint32 at_5_120; // the screen's pixel at (5, 120) after a few passes
    bool started;
};

// Starts the editor, answers "Yes" to the background prompt for the given
// bg.bmp and draws three editor passes.
outcome accept(const std::string& file) {
    temp_dir dir;
    write_file("bg.bmp", file);
    editor ed;
    outcome o{};
    if (!start_headless(ed)) return o;
    o.started             = true;
    SDL_Surface* built_in = ed.background;
    ed.message_pos        = SDL_Rect{35, 128, 0, 0};
    push_press(35, 85); // "Yes"
    background_prompt(ed);
    o.replaced = ed.background != built_in;
    if (ed.background) {
        o.w = ed.background->w;
        o.h = ed.background->h;
    }
    ed.model.selected = 0;
    ed.picking_color = ed.scale_button = 2;
    for (int i = 0; i < 3; i++) editor_pass(ed);
    Uint8* row = static_cast<Uint8*>(ed.screen->pixels) + 120 * ed.screen->pitch;
    o.at_5_120 = reinterpret_cast<Uint32*>(row)[5] & 0xFFFFFF;
    tear_down(ed);
    return o;
}

const std::string magenta24 = std::string("\xFE\x00\xFF", 3); // B, G, R

TEST(hostile_bg, pictures_that_do_not_decode_leave_the_built_in_background) {
    std::string good = bmp(320, 240, 24, rows(320, 240, magenta24));
    struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"cut short in its pixels", good.substr(0, 5000)},
        {"cut short in its header", good.substr(0, 30)},
        {"a header claiming 2^31-1 by 1", bmp(0x7FFFFFFF, 1, 24, std::string(64, 'x'))},
        {"a header claiming 100000 by 100000", bmp(100000, 100000, 32, std::string(64, 'x'))},
        {"a header claiming 16384 by 1 (a 64 KiB row)", bmp(16384, 1, 32, std::string(65536, 'x'))},
        {"a header claiming a negative height", bmp(16, -0x7FFFFFFF, 24, std::string(64, 'x'))},
        {"a header claiming 0 by 0", bmp(0, 0, 24, "")},
        {"a palette of 100000 colours", bmp(8, 8, 8, rows(8, 8, "\x01"), std::string(1200, '\x7F'), 100000)},
        {"not a BMP at all", "BM this is not a picture\n"},
        {"empty", ""},
    };
    for (auto& c : cases) {
        outcome o = accept(c.file);
        ASSERT_TRUE(o.started) << c.what;
        EXPECT_FALSE(o.replaced) << c.what;
        EXPECT_NE(o.at_5_120, 0xFF00FEu) << c.what;
    }
}

TEST(hostile_bg, odd_but_valid_pictures_become_the_background_and_show) {
    // 8-bit: a palette of 256 colours, every pixel colour 1 (magenta).
    std::string palette(1024, '\0');
    palette.replace(4, 4, std::string("\xFE\x00\xFF\x00", 4));
    // 16-bit: 5-5-5, magenta is R 31, B 31: 0x7C1F.
    struct {
        const char* what;
        std::string file;
        int w, h;
        Uint32 shows; // the pixel at (5, 120), 0 when the picture is too small
    } cases[] = {
        {"1x1", bmp(1, 1, 24, rows(1, 1, magenta24)), 1, 1, 0},
        {"8-bit paletted", bmp(320, 240, 8, rows(320, 240, "\x01"), palette), 320, 240, 0xFF00FF},
        {"16-bit", bmp(320, 240, 16, rows(320, 240, std::string("\x1F\x7C", 2))), 320, 240, 0xFF00FF},
        {"4000x4000", bmp(4000, 4000, 24, rows(4000, 4000, magenta24)), 4000, 4000, 0xFF00FE},
        {"top-down rows", bmp(320, -240, 24, rows(320, 240, magenta24)), 320, 240, 0xFF00FE},
    };
    for (auto& c : cases) {
        outcome o = accept(c.file);
        ASSERT_TRUE(o.started) << c.what;
        EXPECT_TRUE(o.replaced) << c.what;
        EXPECT_EQ(o.w, c.w) << c.what;
        EXPECT_EQ(o.h, c.h) << c.what;
        if (c.shows) {
            // 16-bit channels widen to 8 bits as SDL scales them (31 -> 248 or 255).
            Uint32 got = o.at_5_120;
            EXPECT_GE((got >> 16) & 0xFF, 0xF8u) << c.what;
            EXPECT_EQ((got >> 8) & 0xFF, 0u) << c.what;
            EXPECT_GE(got & 0xFF, 0xF8u) << c.what;
        }
    }
}

TEST(hostile_bg, a_depth_no_blit_supports_keeps_the_built_in_background) {
    // SDL decodes a 64-bit BMP into a surface it cannot blit.
    outcome o = accept(bmp(16, 16, 64, rows(16, 16, std::string(8, '\x40'))));
    ASSERT_TRUE(o.started);
    EXPECT_FALSE(o.replaced);
    EXPECT_NE(o.at_5_120, 0x404040u);
    EXPECT_NE(o.at_5_120, 0u) << "the built-in background is drawn";
}

} // namespace
