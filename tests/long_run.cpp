// long_run.cpp - 100,000 editor passes of random events through the events fuzz
// target (its invariants checked after each pass): live memory and open
// descriptors stay flat after the first thousand. Fewer: HUDWRIGHT_LONG_PASSES.
#include "fuzz/targets.h"

#include <random>

namespace {

TEST(long_run, a_hundred_thousand_random_passes_keep_the_invariants_and_memory_and_descriptors_flat) {
    long passes = 100000;
    if (const char* p = std::getenv("HUDWRIGHT_LONG_PASSES")) passes = std::max(2000L, std::atol(p));
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.ok);
    std::mt19937 rng(20240611);
    std::string input(256, '\0'); // more than twelve passes' worth
    long held = 0, descriptors = 0;
    for (long pass = 0; pass < passes; pass += 12) {
        for (char& b : input) b = static_cast<char>(rng());
        ASSERT_EQ(fuzz::events_one(s, input), "") << "near pass " << pass;
        if (pass == 996) {
            s.reset();
            held        = live_heap_bytes();
            descriptors = open_descriptors();
        }
    }
    s.reset(); // the window back at 320 x 320
    EXPECT_LT(live_heap_bytes() - held, 256 * 1024) << "a leaked 8x8 surface per frame would add megabytes";
    EXPECT_EQ(open_descriptors(), descriptors);
}

} // namespace
