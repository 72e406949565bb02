// image_store_test.cpp - the stored form and its undoing, unpacking to
// temporary files, decoding (again and again) and the alpha set-up, on
// synthetic pictures; running out of file handles on the way.
#include "shell/image_store.h"
#include "shell/run.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

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

// A temporary stream holding b, left at position at.
FILE* stream_of(const bytes& b, long at) {
    FILE* f = std::tmpfile();
    if (!b.empty()) std::fwrite(b.data(), 1, b.size(), f);
    std::fseek(f, at, SEEK_SET);
    return f;
}

bytes contents(FILE* f) {
    std::fseek(f, 0, SEEK_SET);
    bytes b;
    for (int c; (c = std::fgetc(f)) != EOF;) b.push_back(static_cast<unsigned char>(c));
    return b;
}

// A BMP file of w x h pixels, 32 bits, the top byte of each pixel first
// picked by px(x, y) (0xAARRGGBB).
template <class F> bytes bmp32(int w, int h, F px) {
    bytes f;
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; i++) f.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    f = {'B', 'M'};
    put(54 + 4 * w * h, 4), put(0, 4), put(54, 4);
    put(40, 4), put(w, 4), put(h, 4), put(1, 2), put(32, 2), put(0, 4), put(4 * w * h, 4);
    put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    for (int y = h - 1; y >= 0; y--)
        for (int x = 0; x < w; x++) put(px(x, y), 4);
    return f;
}

Uint32 pixel(SDL_Surface* s, int x, int y) {
    return *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + 4 * x);
}

bool same_pixels(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->BitsPerPixel != b->format->BitsPerPixel) return false;
    for (int y = 0; y < a->h; y++)
        if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<Uint8*>(b->pixels) + y * b->pitch,
                        static_cast<size_t>(a->w) * a->format->BytesPerPixel) != 0)
            return false;
    return true;
}

int open_temporary_files() {
    int n = 0;
    for (auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        auto target = std::filesystem::read_symlink(e.path(), ec);
        if (!ec && target.string().find("(deleted)") != std::string::npos) n++;
    }
    return n;
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

TEST(image_store, the_stored_form_runs_back_to_front_with_bytes_raised_and_wrapped) {
    bytes file = {0x00, 0x01, 0xA1, 0xFF};
    // S[3-i] = O[i] + 95 (even i) or + 128 (odd i), modulo 256
    EXPECT_EQ(stored(file), (bytes{0x7F, 0x00, 0x81, 0x5F}));
}

TEST(image_store, unscrambling_gives_back_the_file_for_every_even_length) {
    for (size_t n : {2u, 4u, 54u, 306u, 1078u, 4150u, 23414u, 65536u}) {
        bytes file = random_bytes(n, static_cast<unsigned>(n));
        bytes s    = stored(file);
        bytes back(n);
        EXPECT_EQ(unstore_form(s.data(), n, back.data()), n);
        EXPECT_EQ(back, file) << "length " << n;

        // the same through a stream, from any read position
        FILE* out = neformattedpas(stream_of(s, static_cast<long>(n / 3)));
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(std::ftell(out), static_cast<long>(n)) << "left after its last byte";
        EXPECT_EQ(contents(out), file) << "length " << n;
        std::fclose(out);
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
            s[0]      = static_cast<unsigned char>(first);
            FILE* out = neformattedpas(stream_of(s, 0));
            ASSERT_NE(out, nullptr);
            EXPECT_EQ(contents(out), expect) << "length " << n;
            std::fclose(out);
        }
    }
}

TEST(image_store, an_empty_stream_unscrambles_to_an_empty_file) {
    FILE* out = neformattedpas(stream_of({}, 0));
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(contents(out).empty());
    std::fclose(out);
}

// ---- unpacking and decoding -------------------------------------------------------

TEST(image_store, a_stream_decodes_the_same_picture_every_time) {
    bytes file =
        bmp32(5, 3, [](int x, int y) { return static_cast<uint32_t>(0x80000000u | x << 16 | y << 8 | 7); });
    bytes s         = stored(file);
    image_stream st = unpack_image(s.data(), s.size());
    ASSERT_NE(st.file, nullptr);
    ASSERT_NE(st.rw, nullptr);
    EXPECT_EQ(contents(st.file), file);

    SDL_Surface* first = decode_stream(st);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->w, 5);
    EXPECT_EQ(first->h, 3);
    EXPECT_EQ(pixel(first, 4, 2), 0x80040207u);
    std::fseek(st.file, 17, SEEK_SET); // wherever a reader left the file
    SDL_Surface* second = decode_stream(st);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(same_pixels(first, second));
    // the kept bytes are the file's: a decode from the file alone is the same
    ASSERT_NE(st.bytes, nullptr);
    image_stream file_only = st;
    file_only.bytes        = nullptr;
    SDL_Surface* from_file = decode_stream(file_only);
    ASSERT_NE(from_file, nullptr);
    EXPECT_TRUE(same_pixels(first, from_file));
    SDL_FreeSurface(from_file);
    SDL_FreeSurface(first);
    SDL_FreeSurface(second);
    close_stream(st);

    image_stream never{};
    EXPECT_EQ(decode_stream(never), nullptr);
}

TEST(image_store, unpacking_keeps_one_temporary_file_and_loading_none) {
    int before      = open_temporary_files();
    bytes s         = stored(bmp32(2, 2, [](int, int) { return 0xFF123456u; }));
    image_stream st = unpack_image(s.data(), s.size());
    ASSERT_NE(st.file, nullptr);
    EXPECT_EQ(open_temporary_files(), before + 1);
    SDL_Surface* once = load_image(s.data(), s.size());
    ASSERT_NE(once, nullptr);
    EXPECT_EQ(pixel(once, 1, 1) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(open_temporary_files(), before + 1);
    SDL_FreeSurface(once);
    close_stream(st);
    EXPECT_EQ(open_temporary_files(), before);
}

TEST(image_store, no_temporary_file_means_no_stream_and_no_picture) {
    bytes s    = stored(bmp32(2, 2, [](int, int) { return 0u; }));
    int before = open_temporary_files();
    image_stream st{};
    SDL_Surface* once = nullptr;
    {
        file_limit limit(0); // nothing in here that reports through gtest
        st   = unpack_image(s.data(), s.size());
        once = load_image(s.data(), s.size());
    }
    EXPECT_EQ(st.file, nullptr);
    EXPECT_EQ(st.rw, nullptr);
    EXPECT_EQ(once, nullptr);
    EXPECT_EQ(open_temporary_files(), before);
}

TEST(image_store, a_file_that_is_no_picture_loads_as_nothing) {
    bytes s    = stored(random_bytes(100, 3));
    int before = open_temporary_files();
    EXPECT_EQ(load_image(s.data(), s.size()), nullptr);
    EXPECT_EQ(open_temporary_files(), before);
}

// ---- the store in start-up -----------------------------------------------------------

TEST(image_store, start_up_keeps_eleven_temporary_files_open_and_teardown_closes_them) {
    temp_dir dir;
    int before = open_temporary_files();
    for (int run = 0; run < 2; run++) { // a second start-up in the same process too
        editor ed;
        ASSERT_TRUE(start_headless(ed));
        EXPECT_EQ(open_temporary_files(), before + stream_count);
        tear_down(ed);
        EXPECT_EQ(open_temporary_files(), before);
    }
}

TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
    temp_dir dir;
    int before = open_temporary_files();
    // 0: not even the first stream; 4: a few streams, then none;
    // 12: every stream, then no file for the first once-loaded picture
    for (int spare : {0, 4, 12}) {
        editor ed;
        bool started = true;
        testing::internal::CaptureStderr();
        {
            file_limit limit(spare);
            started = start_headless(ed);
        }
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(started) << spare;
        EXPECT_NE(said.find("hudwright: cannot unpack the built-in pictures: Too many open files"),
                  std::string::npos)
            << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
        EXPECT_EQ(open_temporary_files(), before) << spare;
        for (auto& st : ed.streams) EXPECT_EQ(st.file, nullptr);
        EXPECT_EQ(ed.background, nullptr);
        EXPECT_EQ(ed.screen, nullptr);
    }
}

// ---- alpha -------------------------------------------------------------------------

TEST(image_store, the_alpha_set_up_makes_blits_blend_by_the_top_byte) {
    bytes s        = stored(bmp32(3, 1, [](int x, int) {
        return x == 0 ? 0x00FFFFFFu : x == 1 ? 0x80FFFFFFu : 0xFFFFFFFFu;
    }));
    SDL_Surface* p = load_image(s.data(), s.size());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->format->Amask, 0u) << "the BMP decoder gives no alpha of its own";
    enable_pixel_alpha(p);
    EXPECT_EQ(p->format->Amask, 0xFF000000u);
    EXPECT_EQ(p->format->Ashift, 24);
    EXPECT_EQ(p->format->Aloss, 0);
    EXPECT_TRUE(p->flags & SDL_SRCALPHA);
    EXPECT_EQ(p->format->alpha, 255);

    // over black: transparent, half and opaque white; a 24-bit target takes
    // SDL's general blitter, which reads the alpha through Aloss
    for (int bits : {32, 24}) {
        SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, bits, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(target, nullptr, 0);
        SDL_UpperBlit(p, nullptr, target, nullptr);
        Uint8 r, g, b;
        auto red_at = [&](int x) {
            Uint32 v = 0;
            std::memcpy(&v, static_cast<Uint8*>(target->pixels) + x * target->format->BytesPerPixel,
                        target->format->BytesPerPixel);
            SDL_GetRGB(v, target->format, &r, &g, &b);
            return r;
        };
        EXPECT_EQ(red_at(0), 0) << bits;
        EXPECT_NEAR(red_at(1), 128, 2) << bits;
        EXPECT_EQ(red_at(2), 255) << bits;
        SDL_FreeSurface(target);
    }
    SDL_FreeSurface(p);
    enable_pixel_alpha(nullptr); // ignored
}

// ---- pictures in the screen's format ------------------------------------------------

TEST(image_store, opaque_pictures_take_the_screens_format_and_draw_the_same) {
    SDL_Surface* screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 20, 10, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    auto drawn          = [&](SDL_Surface* p) {
        SDL_FillRect(screen, nullptr, 0x0A0B0C);
        SDL_Rect at = {3, 2, 0, 0};
        SDL_UpperBlit(p, nullptr, screen, &at);
        return std::vector<Uint32>(static_cast<Uint32*>(screen->pixels),
                                   static_cast<Uint32*>(screen->pixels) + 20 * 10);
    };
    SDL_Surface* deep  = SDL_CreateRGBSurface(SDL_SWSURFACE, 9, 5, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface* paled = SDL_CreateRGBSurface(SDL_SWSURFACE, 9, 5, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++) colours[i] = {Uint8(i), Uint8(i * 3), Uint8(255 - i), 0};
    SDL_SetColors(paled, colours, 0, 256);
    for (SDL_Surface* p : {deep, paled})
        for (int y = 0; y < 5; y++)
            for (int b = 0; b < 9 * p->format->BytesPerPixel; b++)
                static_cast<Uint8*>(p->pixels)[y * p->pitch + b] = static_cast<Uint8>(b * 29 + y * 71);
    for (SDL_Surface* p : {deep, paled}) {
        std::vector<Uint32> before = drawn(p);
        SDL_Surface* fit           = in_screen_format(p, screen); // frees p
        ASSERT_NE(fit, nullptr);
        EXPECT_EQ(fit->format->BitsPerPixel, 32);
        EXPECT_EQ(fit->format->Rmask, 0xFF0000u);
        EXPECT_EQ(fit->format->Amask, 0u);
        EXPECT_EQ(drawn(fit), before);
        EXPECT_EQ(in_screen_format(fit, screen), fit) << "already in the screen's format";
        SDL_FreeSurface(fit);
    }

    // a colour key or alpha blending would be lost: such pictures stay
    SDL_Surface* keyed = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0);
    SDL_Surface* blended = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    EXPECT_EQ(in_screen_format(keyed, screen), keyed);
    EXPECT_EQ(in_screen_format(blended, screen), blended);
    EXPECT_EQ(in_screen_format(nullptr, screen), nullptr);
    SDL_FreeSurface(keyed);
    SDL_FreeSurface(blended);
    SDL_FreeSurface(screen);
}

} // namespace
