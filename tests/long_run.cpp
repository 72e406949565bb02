// long_run.cpp - the editor under a long random session: 100,000 passes (each
// a full event drain and draw_frame) with random pointer, button and key input,
// headless with every pause off. Memory must stay flat from the first thousand
// passes to the last: no surface or buffer may survive its frame.
//
// Built as its own program (label "long") because it takes a while; the number
// of passes can be lowered with HUDWRIGHT_LONG_PASSES for a quick look.
#include "fuzz/targets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define HUDWRIGHT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HUDWRIGHT_ASAN 1
#endif
#endif
#ifdef HUDWRIGHT_ASAN
// The sanitizer runtime's count of live heap bytes (not every compiler ships
// its header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the program holds: live heap bytes where the sanitizer can tell them
// (freed blocks waiting in its quarantine do not count), else resident size.
long held_bytes() {
#ifdef HUDWRIGHT_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
#endif
}

long resident_bytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// One pass worth of input: mostly nothing or a pointer motion, now and then a
// press somewhere (half of them on the panel), a release or a key.
void random_input(std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int r     = pick(100);
    if (r < 40) return;
    if (r < 70) {
        push_motion(pick(330), pick(330));
    } else if (r < 82) {
        int y = pick(2) ? 240 + pick(80) : pick(240);
        push_press(pick(320), y, static_cast<Uint8>(1 + pick(3)));
    } else if (r < 92) {
        push_release(pick(320), pick(320));
    } else {
        static constexpr SDLKey keys[] = {SDLK_0, SDLK_7, SDLK_9,         SDLK_a,      SDLK_c,
                                          SDLK_f, SDLK_g, SDLK_BACKSPACE, SDLK_LSHIFT, SDLK_KP3};
        push_key(keys[pick(10)]);
    }
}

TEST(long_run, a_hundred_thousand_random_passes_keep_memory_flat) {
    long passes = 100000;
    if (const char* p = std::getenv("HUDWRIGHT_LONG_PASSES")) passes = std::max(2000L, std::atol(p));
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    s.reset();
    std::mt19937 rng(20240611);
    long held_early = 0, resident_early = 0;
    for (long pass = 1; pass <= passes; pass++) {
        random_input(rng);
        s.ed.running = 1;
        editor_pass(s.ed);
        if (pass % 97 == 0) {
            std::string broken = fuzz::check_editor(s.ed, s.start.model);
            ASSERT_EQ(broken, "") << "at pass " << pass;
        }
        if (pass == 1000) {
            held_early     = held_bytes();
            resident_early = resident_bytes();
        }
    }
    long held_late = held_bytes(), resident_late = resident_bytes();
    std::printf("held %ld -> %ld bytes, resident %ld -> %ld bytes over %ld passes\n", held_early, held_late,
                resident_early, resident_late, passes);
    // A single leaked 8x8 surface per frame would add megabytes here.
    EXPECT_LT(held_late - held_early, 256 * 1024);
    EXPECT_LT(resident_late - resident_early, 16L * 1024 * 1024);
    s.close();
}

} // namespace
