// corpus_test.cpp - replays the fuzzers' kept inputs (tests/corpus: inputs
// that once found a fault; tests/fuzz/seeds) and random base codes through
// the very functions the fuzz targets run, and makes sure their checks notice
// a broken state.
#include "fuzz/targets.h"

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

// The fuzzers' kept inputs: those that once found a fault, and the seeds.
std::vector<std::string> kept(const char* target) {
    std::vector<std::string> inputs;
    for (const char* dir : {"corpus/", "fuzz/seeds/"}) {
        std::error_code ec;
        for (auto& e :
             fs::directory_iterator(fs::path(__FILE__).parent_path() / (dir + std::string(target)), ec))
            if (e.is_regular_file()) inputs.push_back(read_file(e.path()));
    }
    EXPECT_FALSE(inputs.empty()) << "the seeds are missing";
    return inputs;
}

const uint8_t* bytes_of(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

TEST(corpus, random_and_kept_base_codes_keep_the_import_invariants_which_notice_a_fault) {
    std::vector<std::string> inputs = kept("import");
    std::mt19937 rng(99);
    for (int round = 0; round < 40; round++) {
        inputs.emplace_back(1 + rng() % 20000, '\0');
        for (auto& c : inputs.back()) c = static_cast<char>(rng());
    }
    for (auto& b : inputs) EXPECT_EQ(fuzz::import_one(bytes_of(b), b.size()), "") << b.substr(0, 80);
    layout a{}, b{};
    start_layout(a);
    start_layout(b);
    b.scales[3].home++;
    a.elements[9].pos.x = -7;
    EXPECT_TRUE(fuzz::same_tables(a, b) != "" && fuzz::same_values(a, b) != "");
}

TEST(corpus, kept_event_streams_keep_the_editor_invariants_which_notice_a_fault) {
    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    for (auto& b : kept("events")) EXPECT_EQ(fuzz::events_one(s, bytes_of(b), b.size()), "");
    s.reset();
    EXPECT_EQ(fuzz::check_editor(s.ed, s.start.model), "");
    s.ed.editing_x = 1, s.ed.entry_len = 5; // a digit entry longer than its field
    EXPECT_NE(fuzz::check_editor(s.ed, s.start.model), "");
    s.reset();
    s.ed.model.selected = 21;
    EXPECT_NE(fuzz::check_editor(s.ed, s.start.model), "");
    s.close();
}

} // namespace
