// long_run.cpp - the editor under a long random session: 100,000 passes (each
// a full event drain and draw_frame) of random pointer, button and key input,
// headless with every pause off. The editor's invariants hold throughout, and
// memory and open descriptors stay flat from the first thousand passes to the
// last: no surface, buffer or file may survive its frame.
//
// Built as its own program (label "long") because it takes a while; the number
// of passes can be lowered with HUDWRIGHT_LONG_PASSES for a quick look.
#include "fuzz/targets.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#ifndef __has_feature
#define __has_feature(x) 0
#endif

namespace {

long resident_bytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // not every compiler ships its header
// Live heap bytes: blocks freed but held in the sanitizer's quarantine do not count.
long held_bytes() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
}
#else
long held_bytes() {
    return resident_bytes();
}
#endif

long open_descriptors() {
    auto fds = std::filesystem::directory_iterator("/proc/self/fd");
    return std::distance(begin(fds), end(fds));
}

TEST(long_run, a_hundred_thousand_random_passes_keep_the_invariants_and_memory_and_descriptors_flat) {
    long passes = 100000;
    if (const char* p = std::getenv("HUDWRIGHT_LONG_PASSES")) passes = std::max(2000L, std::atol(p));
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    std::mt19937 rng(20240611);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    long held = 0, resident = 0, descriptors = 0;
    for (long pass = 1; pass <= passes; pass++) {
        // mostly nothing or a motion; now and then a press (half on the panel), a release or a key
        if (int r = pick(100); r >= 92)
            push_key(fuzz::interesting_keys[pick(std::size(fuzz::interesting_keys))]);
        else if (r >= 82)
            push_release(pick(320), pick(320));
        else if (r >= 70)
            push_press(pick(320), pick(2) ? 240 + pick(80) : pick(240), static_cast<Uint8>(1 + pick(3)));
        else if (r >= 40)
            push_motion(pick(330), pick(330));
        s.ed.running = 1; // Escape or a quit would end the program's loop
        editor_pass(s.ed);
        if (pass % 97 == 0) {
            ASSERT_EQ(fuzz::check_editor(s.ed, s.start.model), "") << "at pass " << pass;
        }
        if (pass == 1000) held = held_bytes(), resident = resident_bytes(), descriptors = open_descriptors();
    }
    std::printf("held %ld -> %ld bytes, resident %ld -> %ld bytes over %ld passes\n", held, held_bytes(),
                resident, resident_bytes(), passes);
    EXPECT_LT(held_bytes() - held, 256 * 1024) << "a leaked 8x8 surface per frame would add megabytes";
    EXPECT_LT(resident_bytes() - resident, 16L * 1024 * 1024);
    EXPECT_EQ(open_descriptors(), descriptors);
    s.close();
}

} // namespace
