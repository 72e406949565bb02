// run_test.cpp - the run sequence headless: start-up values, quitting through
// teardown, and the loop's quit rules.
#include "shell/run.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(run, start_up_opens_the_window_and_sets_the_start_state) {
    temp_dir dir;
    editor ed;
    ASSERT_TRUE(start_headless(ed));
    ASSERT_NE(ed.screen, nullptr);
    EXPECT_EQ(ed.screen->w, 320);
    EXPECT_EQ(ed.screen->h, 320);
    EXPECT_EQ(ed.screen->format->BitsPerPixel, 32);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Hudwright");
    EXPECT_EQ(ed.running, 1);
    EXPECT_EQ(ed.countdown, 4);
    EXPECT_STREQ(ed.x_text, "");
    EXPECT_STREQ(ed.color_text, "");
    for (auto& s : ed.model.element_sizes) EXPECT_EQ(s.w | s.h, 0);
    tear_down(ed);
}

TEST(run, a_queued_escape_or_quit_ends_the_loop_after_one_pass) {
    temp_dir dir;
    for (int how = 0; how < 2; how++) {
        editor ed;
        ASSERT_TRUE(start_headless(ed));
        ed.running = 1;
        how == 0 ? push_key(SDLK_ESCAPE) : push_quit();
        editor_loop(ed);
        EXPECT_EQ(ed.running, 0);
        tear_down(ed);
        EXPECT_EQ(ed.screen, nullptr);
        for (auto& s : ed.streams) EXPECT_EQ(s.file, nullptr);
        EXPECT_FALSE(file_exists("code.txt")) << "nothing is written on the way out";
    }
}

TEST(run, events_after_escape_in_the_same_drain_are_still_handled) {
    temp_dir dir;
    editor ed;
    ASSERT_TRUE(start_headless(ed));
    push_key(SDLK_ESCAPE);
    SDL_Event resize{};
    resize.type     = SDL_VIDEORESIZE;
    resize.resize.w = 400;
    resize.resize.h = 330;
    SDL_PushEvent(&resize);
    editor_loop(ed);
    ASSERT_NE(ed.screen, nullptr);
    EXPECT_EQ(ed.screen->w, 400);
    EXPECT_EQ(ed.screen->h, 330);
    tear_down(ed);
}

} // namespace
