// startup_test.cpp - the screens before the editor, headless: the count-down
// and the two prompts - which events end them, where clicks count, what each
// answer does to the model and the background, and what the screens leave drawn.
#include "draw/text.h"
#include "support.h"
#include "ui/startup.h"

#include <sys/stat.h>

namespace {

constexpr Uint32 white = 0xFFFFFF;

// Events in a few letters: Y a click on "Yes", N on "No", Q a quit, E Escape,
// R a right click on "Yes" while the prompt is not yet showing.
void push(const char* events) {
    for (const char* c = events; *c; c++) switch (*c) {
        case 'Y': push_press(30, 80); break;
        case 'N': push_press(80, 85); break;
        case 'Q': push_quit(); break;
        case 'E': push_key(SDLK_ESCAPE); break;
        case 'R': push_press(40, 85, SDL_BUTTON_RIGHT); break;
        }
}

struct startup_test : editor_test {
    // A black surface like the screen, to draw what a frame should show.
    SDL_Surface* black_screen() {
        SDL_Surface* s = SDL_ConvertSurface(ed.screen, ed.screen->format, SDL_SWSURFACE);
        SDL_FillRect(s, nullptr, 0);
        return s;
    }
    void paint_screen_white() { SDL_FillRect(ed.screen, nullptr, white); }
    bool screen_untouched() {
        for (int y = 0; y < ed.screen->h; y++)
            for (int x = 0; x < ed.screen->w; x++)
                if ((pixel_at(ed.screen, x, y) & 0xFFFFFF) != white) return false;
        return true;
    }
    // True when an event is still queued: no screen drained the queue.
    bool event_left_over() { return SDL_PollEvent(&ed.event) == 1; }
};

// ---- count-down -------------------------------------------------------------------

TEST_F(startup_test, countdown_shows_41_frames_and_clicks_do_not_shorten_it) {
    push("YR");
    push_key(SDLK_SPACE);
    countdown_screen(ed);
    EXPECT_EQ(ed.splash_frame, 41);
    EXPECT_EQ(ed.countdown, 0);
    EXPECT_EQ(ed.running, 1);
    EXPECT_FALSE(event_left_over()) << "every event is drained and dropped";
    EXPECT_EQ(ed.message_pos.y, 128) << "the prompts' place";
    // the last frame: black, the splash at the corner, the count at 1
    SDL_Surface* expected = black_screen();
    SDL_Rect corner       = {0, 0, 0, 0};
    SDL_BlitSurface(ed.splash, nullptr, expected, &corner);
    drawtext(SDL_Rect{91, 256, 0, 0}, "Continuing in 1...", expected, 1);
    EXPECT_TRUE(same_pixels(ed.screen, expected));
    SDL_FreeSurface(expected);
}

TEST_F(startup_test, escape_or_quit_leaves_the_countdown_at_once) {
    const struct {
        const char* events;
        int frames, countdown; // frames shown before the quit, count-down left
    } rows[] = {
        {"YEY", 0, 4},
        {"YQY", 0, 4},
        {"E", 15, 3},
    };
    for (auto& r : rows) {
        ed.running = 1, ed.countdown = 4, ed.splash_frame = 0;
        for (int frame = 0; frame < r.frames; frame++) ASSERT_TRUE(countdown_frame(ed));
        paint_screen_white();
        push(r.events);
        countdown_screen(ed);
        countdown_screen(ed); // nor does the screen start again
        EXPECT_EQ(ed.running, 0) << r.events;
        EXPECT_EQ(ed.splash_frame, r.frames) << r.events;
        EXPECT_EQ(ed.countdown, r.countdown) << r.events;
        EXPECT_TRUE(screen_untouched()) << "nothing is drawn after the quit";
        EXPECT_FALSE(event_left_over()) << "the drain still finishes";
        EXPECT_EQ(ed.message_pos.y, 128) << "the prompts' place is set however the count-down ended";
    }
}

// ---- prompts -----------------------------------------------------------------------

TEST_F(startup_test, prompt_clicks_count_inside_the_words_left_and_top_edges_included) {
    const struct {
        int x, y;
        Uint8 button, choice;
    } answers[] = {
        {30, 80, SDL_BUTTON_LEFT, 1},      {50, 95, SDL_BUTTON_LEFT, 1}, {40, 85, SDL_BUTTON_MIDDLE, 1},
        {31, 81, SDL_BUTTON_WHEELUP, 1},   {80, 80, SDL_BUTTON_LEFT, 2}, {93, 95, SDL_BUTTON_RIGHT, 2},
        {85, 90, SDL_BUTTON_WHEELDOWN, 2},
    };
    for (auto& c : answers) {
        Uint8 choice = 0;
        push_press(c.x, c.y, c.button);
        yes_no_prompt(ed, "Question?", choice);
        EXPECT_EQ(choice, c.choice) << c.x << "," << c.y << " button " << int(c.button);
    }
    // Just outside either word, or between them: nothing. Each stray click
    // follows a real answer in the same drain, once after each word, so that
    // it shows if it answered anything.
    const int strays[] = {51, 85, 94, 85, 29, 85, 79, 85, 40, 79, 40, 96, 85, 79, 85, 96, 65, 88, 0, 0};
    for (size_t i = 0; i < std::size(strays); i += 2)
        for (const char* first : {"Y", "N"}) {
            Uint8 choice = 0;
            push(first);
            push_press(strays[i], strays[i + 1]);
            yes_no_prompt(ed, "Question?", choice);
            EXPECT_EQ(choice, *first == 'Y' ? 1 : 2)
                << "stray click at " << strays[i] << "," << strays[i + 1];
        }
    EXPECT_EQ(ed.running, 1);
}

TEST_F(startup_test, a_prompt_draws_its_question_and_both_words_and_ends_without_a_pause) {
    ed.screen_delay_ms = 5000; // only a frame still waiting for an answer pauses
    ed.message_pos     = SDL_Rect{35, 128, 0, 0};
    Uint8 choice       = 0;
    push_release(30, 80); // a release is not an answer
    push_key(SDLK_y);     // nor are other keys
    push_key(SDLK_RETURN);
    push("Y");
    Uint32 start = SDL_GetTicks();
    yes_no_prompt(ed, "Bg.bmp found. Use it?", choice);
    EXPECT_LT(SDL_GetTicks() - start, 5000u);
    EXPECT_EQ(choice, 1);
    SDL_Surface* expected = black_screen();
    drawtext(SDL_Rect{35, 128, 0, 0}, "Bg.bmp found. Use it?", expected, 1);
    drawtext(SDL_Rect{30, 80, 0, 0}, "Yes", expected, 1);
    drawtext(SDL_Rect{80, 80, 0, 0}, "No", expected, 1);
    EXPECT_TRUE(same_pixels(ed.screen, expected));
    SDL_FreeSurface(expected);
}

// ---- the files ---------------------------------------------------------------------

TEST_F(startup_test, each_file_asks_once_and_each_answer_does_its_part) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(picture, nullptr, 0x123456);
    SDL_SaveBMP(picture, "ref.bmp");
    SDL_FreeSurface(picture);
    const std::string bmp = read_file("ref.bmp"), half = bmp.substr(0, bmp.size() / 2), none = "(none)";
    const std::string base = "81211258 0010\r\n812114C4 FFF9\r\n", text = "this is not a picture\n";
    std::string huge = bmp.substr(0, 54); // a header claiming 2^30 by 2^30 pixels
    huge.replace(18, 8, std::string("\0\0\0\x40\0\0\0\x40", 8));

    // clang-format off
    const struct {
        const char* what;
        std::string basecode, bg;   // "/": a directory, which is not offered
        const char *before, *after; // events queued before and after the count-down
        int running, basecode_choice, bg_choice;
        std::vector<std::string> changed;
        int bg_width; // 320: the built-in background
    } rows[] = {
        {"no files, no prompts",                            none, none, "",  "",    1, 0, 0, {},                 320},
        {"yes imports",                                     base, none, "",  "Y",   1, 1, 0, {"y0=-7", "s7=16"}, 320},
        {"no keeps the built-in layout",                    base, none, "",  "N",   1, 2, 0, {},                 320},
        {"a directory is not offered",                      "/",  none, "",  "",    1, 0, 0, {},                 320},
        {"a quit skips the import and the second prompt",   base, bmp,  "",  "YQY", 0, 0, 0, {},                 320},
        {"so does Escape, after a click in the same drain", base, bmp,  "",  "YE",  0, 0, 0, {},                 320},
        {"Escape during the count-down skips both prompts", base, bmp,  "E", "",    0, 0, 0, {},                 320},
        {"clicks during the count-down are dropped",        none, bmp,  "Y", "N",   1, 0, 2, {},                 320},
        {"yes to a BMP makes it the background",            none, bmp,  "",  "Y",   1, 0, 1, {},                 40 },
        {"not a BMP",                                       none, text, "",  "Y",   1, 0, 1, {},                 320},
        {"a BMP cut short",                                 none, half, "",  "Y",   1, 0, 1, {},                 320},
        {"an empty file",                                   none, "",   "",  "Y",   1, 0, 1, {},                 320},
        {"an enormous picture",                             none, huge, "",  "Y",   1, 0, 1, {},                 320},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        tear_down(ed);
        ASSERT_TRUE(start_headless(ed));
        std::remove("basecode.txt");
        std::remove("bg.bmp");
        if (r.basecode == "/") mkdir("basecode.txt", 0755);
        if (r.basecode != none && r.basecode != "/") write_file("basecode.txt", r.basecode);
        if (r.bg != none) write_file("bg.bmp", r.bg);
        push(r.before);
        countdown_screen(ed);
        push(r.after);
        if (!*r.after) push_quit(); // would end a prompt; stays queued when none shows
        file_prompts(ed);
        EXPECT_EQ(ed.running, r.running);
        EXPECT_EQ(ed.basecode_choice, r.basecode_choice);
        EXPECT_EQ(bgchoice, r.bg_choice);
        EXPECT_EQ(changes(ed.model), r.changed);
        ASSERT_NE(ed.background, nullptr);
        EXPECT_EQ(ed.background->w, r.bg_width);
        EXPECT_TRUE(r.bg_width != 40 || (pixel_at(ed.background, 39, 29) & 0xFFFFFF) == 0x123456u);
        EXPECT_TRUE(*r.after || SDL_PollEvent(&ed.event) == 1) << "no prompt showed";
    }
}

} // namespace
