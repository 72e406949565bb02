// startup_test.cpp - the count-down and the two prompts, headless: which events
// end them, where clicks count and what each answer does.
#include "support.h"
#include "ui/startup.h"

namespace {

// Events in a few letters: Y a click on "Yes", N on "No", Q a quit, E Escape.
void push(const char* events) {
    for (const char* c = events; *c; c++) switch (*c) {
        case 'Y': push_press(30, 80); break;
        case 'N': push_press(80, 85); break;
        case 'Q': push_quit(); break;
        case 'E': push_key(SDLK_ESCAPE); break;
        }
}

using startup_test = editor_test;

TEST_F(startup_test, prompt_clicks_of_any_button_count_inside_the_words_left_and_top_edges_included) {
    ed.screen_delay_ms = 5000; // only a frame still waiting for an answer pauses
    const Uint32 start = SDL_GetTicks();
    auto ask = [&](Uint8 choice = 0) { return yes_no_prompt(ed, "Bg.bmp found. Use it?", choice), choice; };
    const int answers[][4] = {{30, 80, SDL_BUTTON_LEFT, 1},
                              {50, 95, SDL_BUTTON_MIDDLE, 1},
                              {93, 95, SDL_BUTTON_RIGHT, 2},
                              {80, 80, SDL_BUTTON_WHEELDOWN, 2}};
    for (auto& a : answers) {
        push_press(a[0], a[1], Uint8(a[2]));
        EXPECT_EQ(ask(), a[3]) << a[0] << "," << a[1] << " button " << a[2];
    }
    // Just outside either word, or between them: nothing. Each stray click, a release and a key on the
    // other word follow a real answer in the same drain, so that any of them answering would show.
    const int strays[][2] = {{51, 85}, {94, 85}, {29, 85}, {79, 85}, {40, 79}, {40, 96}, {85, 79}, {85, 96}};
    for (auto& s : strays)
        for (int first : {1, 2}) {
            push(first == 1 ? "Y" : "N");
            push_press(s[0], s[1]);
            push_release(first == 1 ? 80 : 30, 85);
            push_key(first == 1 ? SDLK_n : SDLK_y);
            EXPECT_EQ(ask(), first) << "stray click at " << s[0] << "," << s[1];
        }
    EXPECT_LT(SDL_GetTicks() - start, 5000u);
    EXPECT_EQ(ed.running, 1);
}

TEST_F(startup_test, the_countdown_drops_clicks_and_each_file_asks_once_and_each_answer_does_its_part) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SaveBMP(picture, "bg.bmp");
    SDL_FreeSurface(picture);
    const std::string bmp = read_file("bg.bmp"), base = "81211258 0010\r\n812114C4 FFF9\r\n";
    // clang-format off
    const struct {
        std::string basecode, bg;        // "": no such file
        const char *before, *after;      // events queued before and after the count-down (which drops clicks)
        int running, basecode_choice, bg_choice;
        std::vector<std::string> changed;
    } rows[] = {
        {base, "", "", "Y", 1, 1, 0, {"y0=-7", "s7=16"}},     // "Yes" imports
        {base, "", "Y", "N", 1, 2, 0, {}},                     // "No" keeps the built-in layout
        {base, bmp, "", "YQY", 0, 0, 0, {}},                   // a quit skips the import and the second prompt
        {base, bmp, "E", "", 0, 0, 0, {}},                     // Escape in the count-down skips both prompts
        {"", bmp, "", "Y", 1, 0, 1, {}}};                      // "Yes" makes the picture the background
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.before << "|" << r.after);
        tear_down(ed);
        ASSERT_TRUE(start_headless(ed));
        std::remove("basecode.txt"), std::remove("bg.bmp");
        if (!r.basecode.empty()) write_file("basecode.txt", r.basecode);
        if (!r.bg.empty()) write_file("bg.bmp", r.bg);
        push(r.before);
        countdown_screen(ed);
        push(r.after);
        if (!*r.after) push_quit(); // would end a prompt; stays queued when none shows
        file_prompts(ed);
        EXPECT_TRUE(ed.running == r.running && ed.basecode_choice == r.basecode_choice &&
                    bgchoice == r.bg_choice);
        EXPECT_EQ(ed.splash_frame, *r.before == 'E' ? 0 : 41)
            << "the count-down's frames, or none after Escape";
        EXPECT_EQ(changes(ed.model), r.changed);
        EXPECT_EQ(ed.background->w, r.bg_choice == 1 ? 40 : 320);
    }
}

} // namespace
