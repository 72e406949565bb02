// startup_test.cpp - the screens before the editor, headless: the count-down
// and the two prompts - which events end them, where clicks count, what each
// answer does to the model and the background, and what the screens draw.
// (bg.bmp files that do not decode are hostile_bg_test's, prompt files that
// are no regular file hostile_test's.)
#include "draw/text.h"
#include "support.h"
#include "ui/startup.h"

namespace {

// Events in a few letters: Y a click on "Yes", N on "No", Q a quit, E Escape,
// R a right click on "Yes", a space that key.
void push(const char* events) {
    for (const char* c = events; *c; c++) switch (*c) {
        case 'Y': push_press(30, 80); break;
        case 'N': push_press(80, 85); break;
        case 'Q': push_quit(); break;
        case 'E': push_key(SDLK_ESCAPE); break;
        case 'R': push_press(40, 85, SDL_BUTTON_RIGHT); break;
        case ' ': push_key(SDLK_SPACE); break;
        }
}

struct startup_test : editor_test {
    // A surface like the screen, filled with one colour.
    SDL_Surface* filled(Uint32 colour) {
        SDL_Surface* s = SDL_ConvertSurface(ed.screen, ed.screen->format, SDL_SWSURFACE);
        SDL_FillRect(s, nullptr, colour);
        return s;
    }
    void expect_screen(SDL_Surface* want) {
        EXPECT_TRUE(same_pixels(ed.screen, want));
        SDL_FreeSurface(want);
    }
};

TEST_F(startup_test, countdown_shows_41_frames_whatever_is_clicked_and_escape_or_quit_leave_at_once) {
    const struct {
        const char* events;
        int frames_before, running, frames, countdown;
    } rows[] = {
        {"YR ", 0, 1, 41, 0}, // clicks and other keys are dropped
        {"YEY", 0, 0, 0, 4},
        {"YQY", 0, 0, 0, 4},
        {"E", 15, 0, 15, 3},
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.events);
        ed.running = 1, ed.countdown = 4, ed.splash_frame = 0;
        for (int frame = 0; frame < r.frames_before; frame++) ASSERT_TRUE(countdown_frame(ed));
        SDL_FillRect(ed.screen, nullptr, 0xFFFFFF);
        push(r.events);
        countdown_screen(ed);
        countdown_screen(ed); // nor does the screen start again
        EXPECT_TRUE(ed.running == r.running && ed.splash_frame == r.frames && ed.countdown == r.countdown);
        EXPECT_EQ(SDL_PollEvent(&ed.event), 0) << "every event is drained";
        EXPECT_EQ(ed.message_pos.y, 128) << "the prompts' place, however the count-down ended";
        SDL_Surface* want = filled(r.running ? 0 : 0xFFFFFF); // after a quit nothing is drawn
        SDL_Rect corner   = {0, 0, 0, 0};
        if (r.running) SDL_BlitSurface(ed.splash, nullptr, want, &corner);
        if (r.running) drawtext(SDL_Rect{91, 256, 0, 0}, "Continuing in 1...", want, 1);
        expect_screen(want);
    }
}

TEST_F(startup_test, prompt_clicks_of_any_button_count_inside_the_words_left_and_top_edges_included) {
    const int answers[][4] = {
        {30, 80, SDL_BUTTON_LEFT, 1},      {50, 95, SDL_BUTTON_LEFT, 1}, {40, 85, SDL_BUTTON_MIDDLE, 1},
        {31, 81, SDL_BUTTON_WHEELUP, 1},   {80, 80, SDL_BUTTON_LEFT, 2}, {93, 95, SDL_BUTTON_RIGHT, 2},
        {85, 90, SDL_BUTTON_WHEELDOWN, 2},
    };
    for (auto& c : answers) {
        Uint8 choice = 0;
        push_press(c[0], c[1], Uint8(c[2]));
        yes_no_prompt(ed, "Question?", choice);
        EXPECT_EQ(choice, c[3]) << c[0] << "," << c[1] << " button " << c[2];
    }
    // Just outside either word, or between them: nothing. Each stray click
    // follows a real answer in the same drain, once after each word, so that
    // it shows if it answered anything.
    const int strays[][2] = {{51, 85}, {94, 85}, {29, 85}, {79, 85}, {40, 79},
                             {40, 96}, {85, 79}, {85, 96}, {65, 88}, {0, 0}};
    for (auto& s : strays)
        for (const char* first : {"Y", "N"}) {
            Uint8 choice = 0;
            push(first);
            push_press(s[0], s[1]);
            yes_no_prompt(ed, "Question?", choice);
            EXPECT_EQ(choice, *first == 'Y' ? 1 : 2) << "stray click at " << s[0] << "," << s[1];
        }
    EXPECT_EQ(ed.running, 1);
}

TEST_F(startup_test, a_prompt_draws_its_question_and_both_words_and_ends_without_a_pause) {
    ed.screen_delay_ms = 5000; // only a frame still waiting for an answer pauses
    ed.message_pos     = SDL_Rect{35, 128, 0, 0};
    Uint8 choice       = 0;
    push_release(30, 80); // a release is not an answer, nor are keys
    push_key(SDLK_y);
    push_key(SDLK_RETURN);
    push("Y");
    Uint32 start = SDL_GetTicks();
    yes_no_prompt(ed, "Bg.bmp found. Use it?", choice);
    EXPECT_LT(SDL_GetTicks() - start, 5000u);
    EXPECT_EQ(choice, 1);
    SDL_Surface* want = filled(0);
    drawtext(SDL_Rect{35, 128, 0, 0}, "Bg.bmp found. Use it?", want, 1);
    drawtext(SDL_Rect{30, 80, 0, 0}, "Yes", want, 1);
    drawtext(SDL_Rect{80, 80, 0, 0}, "No", want, 1);
    expect_screen(want);
}

TEST_F(startup_test, each_file_asks_once_and_each_answer_does_its_part) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(picture, nullptr, 0x123456);
    SDL_SaveBMP(picture, "bg.bmp");
    SDL_FreeSurface(picture);
    const std::string bmp = read_file("bg.bmp"), base = "81211258 0010\r\n812114C4 FFF9\r\n";
    const struct {
        const char* what;
        std::string basecode, bg;   // "": no such file
        const char *before, *after; // events queued before and after the count-down
        int running, basecode_choice, bg_choice;
        std::vector<std::string> changed;
    } rows[] = {
        {"no files, no prompts", "", "", "", "", 1, 0, 0, {}},
        {"yes imports", base, "", "", "Y", 1, 1, 0, {"y0=-7", "s7=16"}},
        {"no keeps the built-in layout", base, "", "", "N", 1, 2, 0, {}},
        {"a quit skips the import and the second prompt", base, bmp, "", "YQY", 0, 0, 0, {}},
        {"so does Escape, after a click in the same drain", base, bmp, "", "YE", 0, 0, 0, {}},
        {"Escape during the count-down skips both prompts", base, bmp, "E", "", 0, 0, 0, {}},
        {"clicks during the count-down are dropped", "", bmp, "Y", "N", 1, 0, 2, {}},
        {"yes to a BMP makes it the background", "", bmp, "", "Y", 1, 0, 1, {}},
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        tear_down(ed);
        ASSERT_TRUE(start_headless(ed));
        std::remove("basecode.txt");
        std::remove("bg.bmp");
        if (!r.basecode.empty()) write_file("basecode.txt", r.basecode);
        if (!r.bg.empty()) write_file("bg.bmp", r.bg);
        push(r.before);
        countdown_screen(ed);
        push(r.after);
        if (!*r.after) push_quit(); // would end a prompt; stays queued when none shows
        file_prompts(ed);
        EXPECT_TRUE(ed.running == r.running && ed.basecode_choice == r.basecode_choice &&
                    bgchoice == r.bg_choice);
        EXPECT_EQ(changes(ed.model), r.changed);
        ASSERT_NE(ed.background, nullptr);
        EXPECT_EQ(ed.background->w, r.bg_choice == 1 ? 40 : 320);
        EXPECT_TRUE(r.bg_choice != 1 || (pixel_at(ed.background, 39, 29) & 0xFFFFFF) == 0x123456u);
        EXPECT_TRUE(*r.after || SDL_PollEvent(&ed.event) == 1) << "no prompt showed";
    }
}

} // namespace
