// image_store_test.cpp - the stored form and its undoing, unpacking to
// temporary files, decoding (again and again), the alpha set-up and which
// pictures take the screen's format, on synthetic pictures; running out of
// file handles on the way, also in start-up.
#include "shell/image_store.h"
#include "support.h"

#include <cstring>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using bytes = std::vector<unsigned char>;

bytes random_bytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    bytes b(n);
    for (auto& v : b) v = static_cast<unsigned char>(rng());
    return b;
}

bytes stored(const bytes& file) {
    bytes s(file.size());
    store_form(file.data(), file.size(), s.data());
    return s;
}

// neformattedpas on a temporary stream holding b, left at position at; the
// bytes it gives back (none: failed).
std::optional<bytes> unscrambled(const bytes& b, long at) {
    FILE* f = std::tmpfile();
    if (!b.empty()) std::fwrite(b.data(), 1, b.size(), f);
    std::fseek(f, at, SEEK_SET);
    FILE* out = neformattedpas(f);
    if (!out) return std::nullopt;
    bytes back;
    EXPECT_EQ(std::ftell(out), static_cast<long>(b.size() - b.size() % 2)) << "left after its last byte";
    std::fseek(out, 0, SEEK_SET);
    for (int c; (c = std::fgetc(out)) != EOF;) back.push_back(static_cast<unsigned char>(c));
    std::fclose(out);
    return back;
}

// The stored form of a 32-bit BMP of the picture.
bytes stored_bmp(SDL_Surface* picture) {
    bytes s = stored(bmp_bytes(picture));
    SDL_FreeSurface(picture);
    return s;
}

// Lowers the limit of open files so that only `spare` more can be opened;
// gives the old limit back at the end of the scope.
struct file_limit {
    rlimit old{};
    explicit file_limit(int spare) {
        getrlimit(RLIMIT_NOFILE, &old);
        int lowest = open("/dev/null", O_RDONLY); // every lower descriptor is taken
        close(lowest);
        rlimit tight   = old;
        tight.rlim_cur = static_cast<rlim_t>(lowest + spare);
        setrlimit(RLIMIT_NOFILE, &tight);
    }
    ~file_limit() { setrlimit(RLIMIT_NOFILE, &old); }
};

// ---- the stored form -----------------------------------------------------------

TEST(image_store, unscrambling_gives_back_the_file_for_every_even_length) {
    // S[3-i] = O[i] + 95 (even i) or + 128 (odd i), modulo 256
    EXPECT_EQ(stored(bytes{0x00, 0x01, 0xA1, 0xFF}), (bytes{0x7F, 0x00, 0x81, 0x5F}));
    for (size_t n : {0u, 2u, 4u, 54u, 306u, 1078u, 23414u, 65536u}) {
        bytes file = random_bytes(n, static_cast<unsigned>(n));
        bytes s    = stored(file);
        bytes back(n);
        EXPECT_EQ(unstore_form(s.data(), n, back.data()), n);
        EXPECT_EQ(back, file) << "length " << n;
        auto streamed = unscrambled(s, static_cast<long>(n / 3)); // from any read position
        ASSERT_TRUE(streamed);
        EXPECT_EQ(*streamed, file) << "length " << n;
    }
}

TEST(image_store, an_odd_length_never_reads_the_first_stored_byte) {
    for (size_t n : {1u, 3u, 55u, 1077u}) {
        bytes s = random_bytes(n, 7);
        bytes expect;
        for (size_t k = 0; k < n / 2; k++) {
            expect.push_back(static_cast<unsigned char>(s[n - 1 - 2 * k] - 95));
            expect.push_back(static_cast<unsigned char>(s[n - 2 - 2 * k] - 128));
        }
        for (int first : {0x00, 0xFF}) {
            s[0]     = static_cast<unsigned char>(first);
            auto out = unscrambled(s, 0);
            ASSERT_TRUE(out);
            EXPECT_EQ(*out, expect) << "length " << n;
        }
    }
}

// ---- unpacking and decoding -------------------------------------------------------

// A stream decodes the same picture every time, keeping one temporary file
// until it is closed; a load keeps none. (Decoding from the file instead of
// the kept bytes: golden_frame_test decodes the streams so, and the frame
// tests' own pictures have no kept bytes.)
TEST(image_store, a_stream_decodes_again_and_again_from_one_temporary_file_a_load_from_none) {
    int before           = open_temporary_files();
    SDL_Surface* picture = argb_surface(5, 3, 0);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++) pixel32(picture, x, y) = 0x80000000u | x << 16 | y << 8 | 7;
    bytes s             = stored_bmp(picture);
    image_stream st     = unpack_image(s.data(), s.size());
    SDL_Surface* first  = decode_stream(st);
    SDL_Surface* second = decode_stream(st);
    SDL_Surface* once   = load_image(s.data(), s.size());
    ASSERT_TRUE(first && second && once && st.bytes);
    EXPECT_TRUE(first->w == 5 && first->h == 3 && pixel_at(first, 4, 2) == 0x80040207u);
    EXPECT_TRUE(same_pixels(first, second) && same_pixels(first, once));
    bytes junk = stored(random_bytes(100, 3));
    EXPECT_EQ(load_image(junk.data(), junk.size()), nullptr) << "not a picture";
    EXPECT_EQ(open_temporary_files(), before + 1);
    for (SDL_Surface* p : {first, second, once}) SDL_FreeSurface(p);
    close_stream(st);
    EXPECT_EQ(open_temporary_files(), before);
    image_stream never{};
    EXPECT_EQ(decode_stream(never), nullptr);
    {
        file_limit limit(0); // nothing in here that reports through gtest
        st   = unpack_image(s.data(), s.size());
        once = load_image(s.data(), s.size());
    }
    EXPECT_TRUE(st.file == nullptr && st.rw == nullptr && once == nullptr) << "no temporary file, nothing";
    EXPECT_EQ(open_temporary_files(), before);
}

TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
    temp_dir dir;
    int before = open_temporary_files();
    // Raise the number of spare descriptors one by one until start-up gets
    // through. How many the process already holds differs from machine to
    // machine, so every count is tried: before the first stream, between
    // streams, and for the once-loaded pictures after them all.
    int refused  = 0;
    bool started = false;
    for (int spare = 0; spare < 64 && !started; spare++) {
        editor ed;
        testing::internal::CaptureStderr();
        {
            file_limit limit(spare);
            started = start_headless(ed);
        }
        std::string said = testing::internal::GetCapturedStderr();
        if (started) {
            EXPECT_EQ(said, "") << spare;
            tear_down(ed);
            break;
        }
        refused++;
        EXPECT_EQ(said, "hudwright: cannot unpack the built-in pictures: Too many open files\n") << spare;
        EXPECT_EQ(open_temporary_files(), before) << spare;
        for (auto& st : ed.streams) EXPECT_EQ(st.file, nullptr);
        EXPECT_EQ(ed.background, nullptr);
        EXPECT_EQ(ed.screen, nullptr);
    }
    EXPECT_TRUE(started);
    // eleven streams kept open, and at least one more for a once-loaded picture
    EXPECT_GE(refused, 12);
    EXPECT_EQ(open_temporary_files(), before);
}

// ---- alpha and the screen's format --------------------------------------------------

TEST(image_store, the_alpha_set_up_makes_blits_blend_by_the_top_byte) {
    SDL_Surface* picture   = argb_surface(3, 1, 0xFFFFFFFF);
    pixel32(picture, 0, 0) = 0x00FFFFFF;
    pixel32(picture, 1, 0) = 0x80FFFFFF;
    bytes s                = stored_bmp(picture);
    SDL_Surface* p         = load_image(s.data(), s.size());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->format->Amask, 0u) << "the BMP decoder gives no alpha of its own";
    enable_pixel_alpha(p);
    EXPECT_TRUE(p->flags & SDL_SRCALPHA);
    // over black: transparent, half and opaque white; a 24-bit target takes
    // SDL's general blitter, which reads the alpha through Aloss
    for (int bits : {32, 24}) {
        SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, bits, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(target, nullptr, 0);
        SDL_UpperBlit(p, nullptr, target, nullptr);
        EXPECT_EQ(pixel_at(target, 0, 0) >> 16 & 0xFF, 0u) << bits;
        EXPECT_NEAR(pixel_at(target, 1, 0) >> 16 & 0xFF, 128, 2) << bits;
        EXPECT_EQ(pixel_at(target, 2, 0) >> 16 & 0xFF, 255u) << bits;
        SDL_FreeSurface(target);
    }
    SDL_FreeSurface(p);
    enable_pixel_alpha(nullptr); // ignored
}

// (That a converted picture draws the same is golden_frame_test's, with bg.bmp.)
TEST(image_store, only_opaque_pictures_of_another_format_are_converted) {
    SDL_Surface* screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 20, 10, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface* keyed  = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0); // a key or alpha blending would be lost
    SDL_Surface* blended = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    EXPECT_EQ(in_screen_format(keyed, screen), keyed);
    EXPECT_EQ(in_screen_format(blended, screen), blended);
    EXPECT_EQ(in_screen_format(nullptr, screen), nullptr);
    SDL_Surface* fit = in_screen_format(SDL_CreateRGBSurface(SDL_SWSURFACE, 9, 5, 8, 0, 0, 0, 0), screen);
    EXPECT_TRUE(fit->format->BitsPerPixel == 32 && fit->format->Rmask == 0xFF0000u && !fit->format->palette);
    EXPECT_EQ(in_screen_format(fit, screen), fit) << "already in the screen's format";
    for (SDL_Surface* p : {keyed, blended, screen, fit}) SDL_FreeSurface(p);
}

} // namespace
