// pictures_test.cpp - the stored form, the alpha set-up and the screen's
// format; the rules the built-in pictures follow; start-up out of file handles
// and the streams it makes (a stream that leaves memory behind is LeakSanitizer's),
// and the folder they lie in.
#include "draw/bmp_input.h"
#include "draw/rect.h"
#include "model/color_walk.h"
#include "model/elements.h"
#include "pictures/image_store.h"
#include "pictures/picture_store.h"
#include "files/file_io.h"
#include "support.h"

#include <cstring>
#include <fcntl.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;
using bytes  = std::vector<unsigned char>;

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
// its format for the screen. A picture stripped of its alpha mask (a bg.bmp's
// stray alpha bytes) is copied whole.
TEST(image_store, pixel_alpha_blends_by_the_top_byte_and_a_picture_without_its_alpha_mask_draws_whole) {
    const Uint32 clear_half_opaque[] = {0x00123456, 0x80ABCDEF, 0xFF040207};
    for (bool blend : {true, false})
        for (int bits : {32, 24}) {
            SCOPED_TRACE(testing::Message() << "blend " << blend << ", " << bits << " bits");
            SDL_Surface* p =
                SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, 32, 0xFF0000, 0xFF00, 0xFF, blend ? 0 : 0xFF000000);
            std::memcpy(p->pixels, clear_half_opaque, sizeof clear_half_opaque);
            p                   = blend ? enable_pixel_alpha(p) : without_alpha(p);
            SDL_Surface* target = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, bits, 0xFF0000, 0xFF00, 0xFF, 0);
            SDL_UpperBlit(p, nullptr, target, nullptr);
            // a 32-bit target's top byte is padding (SDL2 beneath sdl12-compat writes it)
            auto rgb = [&](int x) { return pixel_at(target, x, 0) & 0xFFFFFF; };
            EXPECT_TRUE(rgb(0) == (blend ? 0 : 0x123456u) && rgb(2) == 0x040207u);
            EXPECT_TRUE(blend ? std::abs(int(rgb(1) >> 16) - 0xAB / 2) <= 2 : rgb(1) == 0xABCDEF)
                << std::hex << rgb(1);
            EXPECT_TRUE(!blend || in_screen_format(p, target) == p) << "kept as it is for the screen";
            for (SDL_Surface* s : {target, p}) SDL_FreeSurface(s);
        }
}

// The artwork's rules (assets/README.md): what the editor does with a picture
// must suit it, or it shows wrong without any test of the drawing noticing.
TEST(image_store, the_built_in_pictures_follow_the_rules_of_their_roles) {
    picture_store p{};
    ASSERT_TRUE(unpack_pictures(p) && load_pictures(p));
    // a copy the test frees
    auto decoded = [&](picture_id id) {
        return is_stream(id) ? fresh_picture(p, id, false) : copy_of(kept_picture(p, id));
    };
    for (const element_row& row : element_table) {
        SDL_Surface* face = decoded(row.picture);
        SCOPED_TRACE(row.name);
        // recoloured, scaled or blended pictures carry their alpha in the top byte of 32 bits
        EXPECT_EQ(face->format->BitsPerPixel, row.alpha || row.tint == tint_picture ? 32 : 24);
        // a recoloured picture is white wherever it shows (it takes the colour exactly); the Magic
        // Meter's frame is clear where its bar shows through
        for (int y = 0; y < face->h; y++)
            for (int x = 0; x < face->w; x++) {
                const Uint32 v = pixel_at(face, x, y);
                const bool bar = row.tint == tint_bar && inside(meter_bar, x, y);
                ASSERT_TRUE(v >> 24 == 0 || (row.tint == tint_picture ? (v & 0xFFFFFF) == 0xFFFFFF : !bar))
                    << x << "," << y;
            }
        if (row.overlay != pic_none) { // drawn over the face at its corner, of its size and depth
            SDL_Surface* over = decoded(row.overlay);
            EXPECT_TRUE(over->w == face->w && over->h == face->h && over->format->BitsPerPixel == 32);
            SDL_FreeSurface(over);
        }
        SDL_FreeSurface(face);
    }
    // (the fonts and the background are seen whole in the home frame, compared with docs/editor.png)
    SDL_Surface* bar = kept_picture(p, pic_color_picker); // each column the colour a click there picks
    ASSERT_TRUE(bar->w == 178 && bar->h == 16);
    for (int x = 0; x < bar->w; x++) {
        const rgb c = color_walk(x);
        for (int y = 0; y < bar->h; y++)
            ASSERT_EQ(pixel_at(bar, x, y) & 0xFFFFFF, Uint32(c.r << 16 | c.g << 8 | c.b)) << x << "," << y;
    }
    free_pictures(p);
}

TEST(image_store, start_up_without_temporary_files_says_so_and_releases_everything) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: resource limits and /proc";
#else
    temp_dir dir;
    int before = open_temporary_files(), spare = 0, lowest = open("/dev/null", O_RDONLY);
    rlimit old{};
    close(lowest);
    getrlimit(RLIMIT_NOFILE, &old); // every descriptor below lowest is taken
    // How many descriptors the process already holds differs from machine to
    // machine, so every count of spare ones is tried until start-up gets
    // through: before the first stream, between them, for the loaded pictures.
    for (bool started = false; !started && spare < 64; spare += !started) {
        editor ed;
        const rlimit tight{static_cast<rlim_t>(lowest + spare), old.rlim_max};
        const std::string said = stderr_of([&] {
            setrlimit(RLIMIT_NOFILE, &tight);
            started = start_headless(ed);
            setrlimit(RLIMIT_NOFILE, &old);
        });
        EXPECT_EQ(said,
                  started ? "" : "hudwright: cannot unpack the built-in pictures: Too many open files\n")
            << spare;
        // started: each stream has a file of its own; else no file is left
        EXPECT_EQ(open_temporary_files(), before + (started ? first_kept_picture : 0)) << spare;
        if (started) tear_down(ed);
    }
    EXPECT_TRUE(spare >= 12 && spare < 64) << "eleven streams kept open and a loaded picture: " << spare;
    EXPECT_EQ(open_temporary_files(), before);
#endif
}

// The built-in pictures' temporary files lie in TMPDIR when it is set and
// usable, else in the system's folder; each is without a name (or removed at
// once), so none is left in either.
TEST(image_store, the_temporary_files_lie_in_tmpdir_and_else_in_the_systems_folder) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: TMPDIR and /proc (Windows' temp folder is GetTempPath's)";
#else
    temp_dir dir;
    environment_kept kept{"TMPDIR"};
    const std::string here = fs::current_path().string();
    fs::create_directory("tmp");
    write_file("a file", "");
    // clang-format off
    const struct { const char* tmpdir; std::string folder; } rows[] = {
        {"tmp", here + "/tmp"}, {"a file", P_tmpdir}, {"gone", P_tmpdir}, {"", P_tmpdir}, {nullptr, P_tmpdir},
    };
    // clang-format on
    for (auto& r : rows) {
        r.tmpdir ? setenv("TMPDIR", r.tmpdir, 1) : unsetenv("TMPDIR");
        editor ed;
        ASSERT_TRUE(start_headless(ed)) << r.tmpdir;
        int in_folder = 0;
        std::error_code ec;
        for (auto& e : fs::directory_iterator("/proc/self/fd")) {
            const std::string target = fs::read_symlink(e.path(), ec).string();
            in_folder +=
                target.starts_with(fs::canonical(r.folder).string() + "/") && target.ends_with(" (deleted)");
        }
        EXPECT_GE(in_folder, first_kept_picture) << (r.tmpdir ? r.tmpdir : "unset");
        tear_down(ed);
    }
    EXPECT_TRUE(fs::is_empty("tmp"));
#endif
}

} // namespace
