// corpus_test.cpp - replays the fuzzers' kept inputs: every file of
// tests/corpus/{import,events} (inputs that once found a fault) and of
// tests/fuzz/seeds, through the very functions the fuzz targets run.
#include "fuzz/targets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs(const char* target) {
    fs::path tests = fs::path(__FILE__).parent_path();
    std::vector<fs::path> files;
    for (fs::path dir : {tests / "corpus" / target, tests / "fuzz" / "seeds" / target}) {
        std::error_code ec;
        for (auto& entry : fs::directory_iterator(dir, ec))
            if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> bytes_of(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(corpus, every_kept_base_code_keeps_the_import_invariants) {
    auto files = inputs("import");
    ASSERT_FALSE(files.empty()) << "the seeds are missing";
    for (auto& f : files) {
        auto b = bytes_of(f);
        EXPECT_EQ(fuzz::import_one(b.data(), b.size()), "") << f;
    }
}

TEST(corpus, every_kept_event_stream_keeps_the_editor_invariants) {
    temp_dir dir;
    auto files = inputs("events");
    ASSERT_FALSE(files.empty()) << "the seeds are missing";
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    for (auto& f : files) {
        auto b = bytes_of(f);
        EXPECT_EQ(fuzz::events_one(s, b.data(), b.size()), "") << f;
    }
    s.close();
}

// The invariant checks themselves must notice a broken state.
TEST(corpus, the_checks_catch_what_they_guard) {
    layout a{}, b{};
    start_layout(a);
    start_layout(b);
    EXPECT_EQ(fuzz::same_tables(a, b), "");
    b.scales[3].home++;
    EXPECT_NE(fuzz::same_tables(a, b), "");
    start_layout(b);
    b.elements[9].pos.x = -7;
    EXPECT_NE(fuzz::same_values(a, b), "");

    temp_dir dir;
    fuzz::editor_session s;
    ASSERT_TRUE(s.open());
    s.reset();
    EXPECT_EQ(fuzz::check_editor(s.ed, s.start.model), "");
    s.ed.editing_x = 1;
    s.ed.entry_len = 5;
    EXPECT_NE(fuzz::check_editor(s.ed, s.start.model), "");
    s.reset();
    std::memset(s.ed.x_text, 'A', sizeof s.ed.x_text);
    EXPECT_NE(fuzz::check_editor(s.ed, s.start.model), "");
    s.reset();
    s.ed.model.selected = 21;
    EXPECT_NE(fuzz::check_editor(s.ed, s.start.model), "");
    s.close();
}

} // namespace
