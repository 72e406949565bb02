// corpus_test.cpp - replays the fuzzers' kept inputs (tests/corpus: inputs
// that once found a fault; tests/fuzz/seeds) and random base codes through
// the very functions the fuzz targets run.
#include "fuzz/targets.h"

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

// The fuzzers' kept inputs: those that once found a fault, and the seeds.
std::vector<std::string> kept(const char* target) {
    std::vector<std::string> inputs;
    std::error_code ec; // a directory that is not there holds nothing
    for (const char* dir : {"corpus/", "fuzz/seeds/"})
        for (auto& e : fs::directory_iterator(test_data_dir() / (dir + std::string(target)), ec))
            if (e.is_regular_file()) inputs.push_back(read_file(e.path().string()));
    EXPECT_FALSE(inputs.empty()) << "the seeds are missing";
    return inputs;
}

TEST(corpus, random_and_kept_base_codes_keep_the_import_invariants) {
    std::vector<std::string> inputs = kept("import");
    std::mt19937 rng(99);
    for (int round = 0; round < 40; round++) {
        inputs.emplace_back(1 + rng() % 20000, '\0');
        for (auto& c : inputs.back()) c = static_cast<char>(rng());
    }
    for (auto& b : inputs) EXPECT_EQ(fuzz::import_one(b), "") << b.substr(0, 80);
}

TEST(corpus, kept_event_streams_keep_the_editor_invariants) {
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    for (auto& b : kept("events")) EXPECT_EQ(fuzz::events_one(s, b), "");
    s.close();
}

} // namespace
