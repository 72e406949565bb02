// pictures_test.cpp - the stored form, unpacking and decoding, the alpha
// set-up and the screen's format; start-up out of file handles and the streams
// it makes; the twenty built-in pictures.
#include "assets/pictures.h"
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "support.h"
#include "ui/color_bar.h"

#include <fcntl.h>
#include <random>
#include <set>
#include <sys/resource.h>

namespace {

using bytes = std::vector<unsigned char>;
using namespace std::string_literals;

bytes stored(const bytes& file) {
    bytes s(file.size());
    store_form(file.data(), file.size(), s.data());
    return s;
}

// Lowers the limit of open files so that only `spare` more can be opened.
struct file_limit {
    rlimit old{};
    explicit file_limit(int spare) {
        getrlimit(RLIMIT_NOFILE, &old);
        int lowest = open("/dev/null", O_RDONLY); // every lower descriptor is taken
        close(lowest);
        rlimit tight{static_cast<rlim_t>(lowest + spare), old.rlim_max};
        setrlimit(RLIMIT_NOFILE, &tight);
    }
    ~file_limit() { setrlimit(RLIMIT_NOFILE, &old); }
};

TEST(image_store, the_stored_form_is_the_file_back_to_front_with_its_bytes_raised) {
    EXPECT_EQ(stored(bytes{0x00, 0x01, 0xA1, 0xFF}), (bytes{0x7F, 0x00, 0x81, 0x5F}));
    std::mt19937 rng(7);
    for (size_t n : {0u, 1u, 2u, 55u, 1078u, 65536u}) {
        bytes s(n + 1), file, back(n + 1); // a byte to spare: never a null pointer
        for (auto& v : s) v = static_cast<unsigned char>(rng());
        for (size_t k = 0; 2 * k + 1 < n; k++) // with an odd n, s[0] is never read
            file.insert(file.end(), {Uint8(s[n - 1 - 2 * k] - 95), Uint8(s[n - 2 - 2 * k] - 128)});
        auto got = [&](size_t count) {
            return count == file.size() && std::equal(file.begin(), file.end(), back.begin());
        };
        EXPECT_TRUE(got(unstore_form(s.data(), n, back.data()))) << n;
        EXPECT_TRUE(n % 2 || stored(file) == bytes(s.begin(), s.begin() + long(n))) << n;
        FILE* f = std::tmpfile(); // the stream, from any read position, left after its last byte
        std::fwrite(s.data(), 1, n, f);
        std::fseek(f, static_cast<long>(n / 3), SEEK_SET);
        FILE* out = neformattedpas(f);
        ASSERT_TRUE(out && std::ftell(out) == long(file.size()));
        std::rewind(out);
        EXPECT_TRUE(got(std::fread(back.data(), 1, n + 1, out))) << n;
        std::fclose(out);
    }
}

// A stream decodes the same picture every time from one temporary file kept
// until it is closed; a load keeps none (start-up below runs out of them).
// The alpha set-up then makes blits blend by the top byte.
TEST(image_store, a_stream_decodes_again_and_again_from_one_temporary_file_a_load_from_none) {
    int before = open_temporary_files();
    // 0x00FFFFFF, 0x80FFFFFF, 0xFF040207: clear, half and wholly opaque
    std::string file = bmp_file(3, 1, 32, "\xFF\xFF\xFF\x00\xFF\xFF\xFF\x80\x07\x02\x04\xFF"s);
    bytes s = stored(bytes(file.begin(), file.end())), junk = stored(bytes(100, 0x42));
    image_stream st     = unpack_image(s.data(), s.size());
    SDL_Surface* first  = decode_stream(st);
    SDL_Surface* second = decode_stream(st);
    SDL_Surface* once   = load_image(s.data(), s.size());
    ASSERT_TRUE(first && second && once && st.bytes && once->format->Amask == 0)
        << "no alpha from the decoder";
    EXPECT_TRUE(pixel_at(first, 0, 0) == 0x00FFFFFF && pixel_at(first, 1, 0) == 0x80FFFFFF &&
                pixel_at(first, 2, 0) == 0xFF040207 && same_pixels(first, second) &&
                same_pixels(first, once));
    EXPECT_EQ(load_image(junk.data(), junk.size()), nullptr) << "not a picture";
    EXPECT_EQ(open_temporary_files(), before + 1);
    close_stream(st);
    EXPECT_EQ(decode_stream(st), nullptr);
    EXPECT_EQ(open_temporary_files(), before);
    enable_pixel_alpha(once);
    enable_pixel_alpha(nullptr); // ignored
    // over black: clear, half white, opaque; a 24-bit target takes SDL's
    // general blitter, which reads the alpha through Aloss
    for (int bits : {32, 24}) {
        SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, bits, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_UpperBlit(once, nullptr, target, nullptr);
        EXPECT_EQ(pixel_at(target, 0, 0), 0u) << bits;
        EXPECT_NEAR(pixel_at(target, 1, 0) >> 16, 128, 2) << bits;
        EXPECT_EQ(pixel_at(target, 2, 0), 0x040207u) << bits;
        // a blended picture is kept, an 8-bit one converted, a fitting one kept
        SDL_Surface* fit = in_screen_format(SDL_CreateRGBSurface(SDL_SWSURFACE, 9, 5, 8, 0, 0, 0, 0), target);
        EXPECT_TRUE(in_screen_format(once, target) == once && in_screen_format(fit, target) == fit);
        EXPECT_TRUE(fit->format->BitsPerPixel == bits && fit->format->Rmask == 0xFF0000u &&
                    !fit->format->palette);
        for (SDL_Surface* q : {target, fit}) SDL_FreeSurface(q);
    }
    for (SDL_Surface* p : {first, second, once}) SDL_FreeSurface(p);
}

// The streams in their order, then the overlays of bRUPEE, bHEARTS and bMAP.
// Those with alpha are recoloured, scaled or blended; the others are opaque
// and some need a size for their role (0: any).
// clang-format off
#define ALPHA(n) {#n, n, n##_size, true, 0, 0}
#define OPAQUE(n, w, h) {#n, n, n##_size, false, w, h}
const struct { const char* name; const unsigned char* bytes; const size_t& size; bool alpha; int w, h; } pictures[] = {
    ALPHA(bBUTTON), ALPHA(bBUTTONOVERLAY), ALPHA(bNAVI), ALPHA(bBOW), ALPHA(bACTION), OPAQUE(b99, 0, 0),
    ALPHA(b999), ALPHA(bRUPEE), ALPHA(bHEARTS), ALPHA(bMAP), ALPHA(bMAGICBORDER), ALPHA(bRUPEEOVERLAY),
    ALPHA(bHEARTSOVERLAY), ALPHA(bMAPOVERLAY), OPAQUE(bBG, 320, 240), OPAQUE(bSPLASH, 320, 240),
    OPAQUE(bSAVE, 0, 0), OPAQUE(bALPHABET, 280, 16), OPAQUE(bCHARACTERS, 0, 16), OPAQUE(bCOLORPICKER, 178, 16)};
// clang-format on

struct surface {
    SDL_Surface* s;
    surface(SDL_Surface* p) : s(p) {}
    surface(int k) : s(load_image(pictures[k].bytes, pictures[k].size)) {}
    ~surface() { SDL_FreeSurface(s); }
    SDL_Surface* operator->() const { return s; }
    Uint32 alpha(int x, int y) const { return pixel_at(s, x, y) >> 24; }
    Uint32 rgb(int x, int y) const {
        Uint8 r, g, b;
        SDL_GetRGB(pixel_at(s, x, y), s->format, &r, &g, &b);
        return static_cast<Uint32>(r << 16 | g << 8 | b);
    }
};

TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
    temp_dir dir;
    int before = open_temporary_files(), spare = 0;
    // How many descriptors the process already holds differs from machine to
    // machine, so every count of spare ones is tried until start-up gets
    // through: before the first stream, between them, for the loaded pictures.
    for (bool started = false; !started && spare < 64; spare += !started) {
        editor ed;
        testing::internal::CaptureStderr();
        {
            file_limit limit(spare);
            started = start_headless(ed);
        }
        std::string said = testing::internal::GetCapturedStderr();
        if (!started) {
            EXPECT_EQ(said, "hudwright: cannot unpack the built-in pictures: Too many open files\n") << spare;
            EXPECT_EQ(open_temporary_files(), before) << spare;
            for (auto& st : ed.streams) EXPECT_EQ(st.file, nullptr);
            EXPECT_TRUE(ed.background == nullptr && ed.screen == nullptr);
            continue;
        }
        // started: each stream holds its picture, from a file of its own
        EXPECT_EQ(said, "");
        EXPECT_EQ(open_temporary_files(), before + stream_count);
        for (int i = 0; i < stream_count; i++)
            EXPECT_TRUE(same_pixels(surface(decode_stream(ed.streams[i])).s, surface(i).s))
                << pictures[i].name;
        tear_down(ed);
    }
    EXPECT_TRUE(spare >= 12 && spare < 64) << "eleven streams kept open and a loaded picture: " << spare;
    EXPECT_EQ(open_temporary_files(), before);
}

TEST(pictures, each_decodes_at_its_size_shows_something_through_its_alpha_and_faces_are_white) {
    for (int k = 0; k < 20; k++) {
        surface s(k);
        auto& p = pictures[k];
        ASSERT_NE(s.s, nullptr) << p.name;
        std::set<bool> shown;
        for (int y = 0; p.alpha && y < s->h; y++)
            for (int x = 0; x < s->w; x++) shown.insert(s.alpha(x, y) != 0);
        EXPECT_TRUE(!p.alpha || (s->format->BitsPerPixel == 32 && shown.size() == 2)) << p.name;
        EXPECT_TRUE((!p.w || s->w == p.w) && (!p.h || s->h == p.h)) << p.name;
    }
    surface save(16); // clicks count from its corner 24 pixels right and down
    EXPECT_TRUE(save->w >= 20 && save->w <= 25 && save->h >= 20 && save->h <= 25);
    // recolouring maps only 255 to the colour: every visible face pixel must
    // be white, and each overlay has the size of its face
    for (auto [face, over] : {std::pair{0, 1}, {7, 11}, {8, 12}, {9, 13}}) {
        surface f(face), o(over);
        EXPECT_TRUE(f->w == o->w && f->h == o->h) << pictures[over].name;
        enable_pixel_alpha(f.s);
        recolor(f.s, 0, 150, 0, 255);
        for (int y = 0; y < f->h; y++)
            for (int x = 0; x < f->w; x++)
                ASSERT_TRUE(!f.alpha(x, y) || f.rgb(x, y) == 0x009600u) << pictures[face].name;
    }
}

TEST(pictures, the_magic_frame_the_colour_bar_and_the_font_strips_fit_the_drawing) {
    surface m(10); // the fill is 100x8 at (7, 3): clear, closed round by the frame
    for (int y = 2; y <= 11; y++)
        for (int x = 6; x <= 107; x++) {
            bool row = y == 2 || y == 11, column = x == 6 || x == 107;
            ASSERT_TRUE((row && column) || m.alpha(x, y) == (row || column ? 255u : 0u)) << x << "," << y;
        }
    surface bar(19); // shows what a click picks
    for (int n = 0; n < bar->w; n++)
        for (int y = 0; y < bar->h; y++)
            ASSERT_EQ(bar.rgb(n, y), Uint32(color_walk(n).r << 16 | color_walk(n).g << 8 | color_walk(n).b))
                << n;
    // text on the black panel, digits in white fields: every needed cell is
    // drawn, differs from the others and is copied whole on the field's colour
    for (auto [k, needed, ground] : {std::tuple{17, 40, 0x000000u}, {18, 16, 0xFFFFFFu}}) {
        surface s(k);
        std::set<std::vector<Uint32>> seen;
        for (int c = 0; c < needed; c++) {
            std::vector<Uint32> cell;
            for (int i = 0; i < 7 * 16; i++) cell.push_back(s.rgb(7 * c + i % 7, i / 7));
            EXPECT_TRUE(cell.front() == ground && cell.back() == ground && seen.insert(cell).second &&
                        std::count(cell.begin(), cell.end(), ground) < 7 * 16 - 1)
                << pictures[k].name << " cell " << c;
        }
    }
}

} // namespace
