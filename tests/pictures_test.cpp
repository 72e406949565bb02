// pictures_test.cpp - the stored form, the alpha set-up and the screen's
// format; start-up out of file handles and the streams it makes.
#include "assets/pictures.h"
#include "shell/image_store.h"
#include "support.h"

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

using bytes = std::vector<unsigned char>;

TEST(image_store, the_stored_form_is_the_file_back_to_front_with_its_bytes_raised) {
    // read back to front, less 95 and 128 by turns; with an odd length the
    // first stored byte is never read
    const bytes stored = {0x33, 0x7F, 0x00, 0x81, 0x5F};
    bytes file(4);
    EXPECT_EQ(unstore_form(stored.data(), 5, file.data()), 4u);
    EXPECT_EQ(file, (bytes{0x00, 0x01, 0xA1, 0xFF}));
}

// The alpha set-up makes blits blend by the top byte, also into a 24-bit
// target, whose blitter reads the alpha through Aloss; a blended picture keeps
// its format for the screen.
TEST(image_store, pixel_alpha_blends_by_the_top_byte_and_keeps_the_picture_as_it_is) {
    SDL_Surface* p = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    const Uint32 clear_half_opaque[] = {0x00FFFFFF, 0x80FFFFFF, 0xFF040207};
    std::memcpy(p->pixels, clear_half_opaque, sizeof clear_half_opaque);
    enable_pixel_alpha(p);
    for (int bits : {32, 24}) {
        SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, bits, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_UpperBlit(p, nullptr, target, nullptr);
        EXPECT_TRUE(pixel_at(target, 0, 0) == 0 && pixel_at(target, 2, 0) == 0x040207u) << bits;
        EXPECT_NEAR(pixel_at(target, 1, 0) >> 16, 128, 2) << bits;
        EXPECT_EQ(in_screen_format(p, target), p) << bits;
        SDL_FreeSurface(target);
    }
    SDL_FreeSurface(p);
}

// POSIX only: /proc and resource limits.
#ifndef _WIN32
int open_temporary_files() { // descriptors of this process on removed files
    int n = 0;
    std::error_code ec;
    for (auto& e : std::filesystem::directory_iterator("/proc/self/fd"))
        n += std::filesystem::read_symlink(e.path(), ec).string().ends_with(" (deleted)");
    return n;
}

TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
    temp_dir dir;
    // the streamed pictures in their order
    const std::pair<const unsigned char*, size_t> streamed[stream_count] = {
        {bBUTTON, bBUTTON_size},
        {bBUTTONOVERLAY, bBUTTONOVERLAY_size},
        {bNAVI, bNAVI_size},
        {bBOW, bBOW_size},
        {bACTION, bACTION_size},
        {b99, b99_size},
        {b999, b999_size},
        {bRUPEE, bRUPEE_size},
        {bHEARTS, bHEARTS_size},
        {bMAP, bMAP_size},
        {bMAGICBORDER, bMAGICBORDER_size}};
    int before = open_temporary_files(), spare = 0, lowest = open("/dev/null", O_RDONLY);
    close(lowest); // every lower descriptor is taken
    rlimit old{};
    getrlimit(RLIMIT_NOFILE, &old);
    // How many descriptors the process already holds differs from machine to
    // machine, so every count of spare ones is tried until start-up gets
    // through: before the first stream, between them, for the loaded pictures.
    for (bool started = false; !started && spare < 64; spare += !started) {
        editor ed;
        const rlimit tight{static_cast<rlim_t>(lowest + spare), old.rlim_max};
        testing::internal::CaptureStderr();
        setrlimit(RLIMIT_NOFILE, &tight);
        started = start_headless(ed);
        setrlimit(RLIMIT_NOFILE, &old);
        std::string said = testing::internal::GetCapturedStderr();
        if (!started) {
            EXPECT_EQ(said, "hudwright: cannot unpack the built-in pictures: Too many open files\n") << spare;
            EXPECT_EQ(open_temporary_files(), before) << spare;
            continue;
        }
        // started: each stream holds its picture, from a file of its own
        EXPECT_EQ(said, "");
        EXPECT_EQ(open_temporary_files(), before + stream_count);
        for (int i = 0; i < stream_count; i++) {
            SDL_Surface *got  = decode_stream(ed.streams[i]),
                        *want = load_image(streamed[i].first, streamed[i].second);
            EXPECT_TRUE(same_pixels(got, want)) << i;
            SDL_FreeSurface(got);
            SDL_FreeSurface(want);
        }
        tear_down(ed);
    }
    EXPECT_TRUE(spare >= 12 && spare < 64) << "eleven streams kept open and a loaded picture: " << spare;
    EXPECT_EQ(open_temporary_files(), before);
}
#else
TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
    GTEST_SKIP() << "POSIX only: resource limits and /proc";
}
#endif

} // namespace
