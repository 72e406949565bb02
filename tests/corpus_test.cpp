// corpus_test.cpp - replays the fuzzers' kept inputs (tests/corpus: inputs
// that once found a fault; tests/fuzz/seeds) through the very functions the
// fuzz targets run (random inputs are tools/fuzz's).
#include "fuzz/targets.h"

#include <filesystem>

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

TEST(corpus, kept_base_codes_keep_the_import_invariants) {
    for (auto& b : kept("import")) EXPECT_EQ(fuzz::import_one(b), "") << b.substr(0, 80);
}

TEST(corpus, kept_pictures_are_read_or_refused_with_a_reason) {
    for (auto& b : kept("picture")) EXPECT_EQ(fuzz::picture_one(b), "") << b.size() << " bytes";
}

TEST(corpus, kept_event_streams_keep_the_editor_invariants) {
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.ok);
    for (auto& b : kept("events")) EXPECT_EQ(fuzz::events_one(s, b), "");
}

} // namespace
