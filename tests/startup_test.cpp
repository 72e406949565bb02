// startup_test.cpp - the count-down and the two prompts, headless: which
// events end them, where clicks count, what each answer does to the model and
// the background, and what the screens leave drawn.
#include "draw/text.h"
#include "shell/run.h"
#include "support.h"
#include "ui/startup.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

constexpr Uint32 white = 0xFFFFFF;

struct startup_test : ::testing::Test {
    temp_dir dir;
    editor ed;

    SDL_Surface* real_font = nullptr;
    SDL_Surface* test_font = nullptr;

    // A glyph strip of its own whose every cell is different, so that the
    // frames compared below show which text is drawn where.
    void SetUp() override {
        ASSERT_TRUE(start_headless(ed));
        test_font = SDL_CreateRGBSurface(SDL_SWSURFACE, 280, 16, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        for (Sint16 x = 0; x < 280; x++)
            for (Sint16 y = 0; y < 16; y++) {
                SDL_Rect dot = {x, y, 1, 1};
                SDL_FillRect(test_font, &dot,
                             static_cast<Uint32>((x * 7919 + y * 104729) & 0xFFFFFF) | 0x010101);
            }
        real_font = font[1];
        font[1]   = test_font;
    }
    void TearDown() override {
        font[1] = real_font;
        SDL_FreeSurface(test_font);
        tear_down(ed);
    }

    // A surface laid out like the screen, to draw what a frame should show.
    SDL_Surface* blank_like_screen() {
        SDL_PixelFormat* f = ed.screen->format;
        return SDL_CreateRGBSurface(SDL_SWSURFACE, ed.screen->w, ed.screen->h, 32, f->Rmask, f->Gmask,
                                    f->Bmask, f->Amask);
    }
    bool screen_equals(SDL_Surface* expected) {
        for (int y = 0; y < ed.screen->h; y++) {
            const Uint8* a = static_cast<const Uint8*>(ed.screen->pixels) + y * ed.screen->pitch;
            const Uint8* b = static_cast<const Uint8*>(expected->pixels) + y * expected->pitch;
            if (std::memcmp(a, b, static_cast<size_t>(ed.screen->w) * 4) != 0) return false;
        }
        return true;
    }
    // Any depth up to 32 bits, on this little-endian machine.
    Uint32 pixel(SDL_Surface* s, int x, int y) {
        Uint32 v      = 0;
        const int bpp = s->format->BytesPerPixel;
        std::memcpy(&v, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * bpp, static_cast<size_t>(bpp));
        return v;
    }
    void paint_screen_white() { SDL_FillRect(ed.screen, nullptr, white); }
    bool screen_untouched() {
        for (int y = 0; y < ed.screen->h; y++)
            for (int x = 0; x < ed.screen->w; x++)
                if ((pixel(ed.screen, x, y) & 0xFFFFFF) != white) return false;
        return true;
    }
    // True when an event is still queued: no screen drained the queue.
    bool event_left_over() { return SDL_PollEvent(&ed.event) == 1; }
};

// A small 24-bit BMP in SDL's own encoding.
void write_bmp(const char* path, int w, int h, Uint32 color) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(s, nullptr, color);
    SDL_SaveBMP(s, path);
    SDL_FreeSurface(s);
}

// ---- count-down -------------------------------------------------------------------

TEST_F(startup_test, countdown_shows_41_frames_and_clicks_do_not_shorten_it) {
    push_press(30, 80);
    push_press(160, 300, SDL_BUTTON_RIGHT);
    push_key(SDLK_SPACE);
    countdown_screen(ed);
    EXPECT_EQ(ed.splash_frame, 41);
    EXPECT_EQ(ed.countdown, 0);
    EXPECT_EQ(ed.running, 1);
    EXPECT_FALSE(event_left_over()) << "every event is drained and dropped";
    EXPECT_EQ(ed.message_pos.x, 35);
    EXPECT_EQ(ed.message_pos.y, 128);

    // The last frame: black, the splash at the corner, the count at 1.
    SDL_Surface* expected = blank_like_screen();
    SDL_FillRect(expected, nullptr, 0);
    if (ed.splash) {
        SDL_Rect corner = {0, 0, 0, 0};
        SDL_BlitSurface(ed.splash, nullptr, expected, &corner);
    }
    drawtext(SDL_Rect{91, 256, 0, 0}, "Continuing in 1...", expected, 1);
    EXPECT_TRUE(screen_equals(expected));
    SDL_FreeSurface(expected);
}

TEST_F(startup_test, escape_or_quit_before_a_frame_leaves_at_once) {
    for (int how = 0; how < 2; how++) {
        ed.running      = 1;
        ed.countdown    = 4;
        ed.splash_frame = 0;
        paint_screen_white();
        push_press(30, 80);
        how == 0 ? push_key(SDLK_ESCAPE) : push_quit();
        push_press(30, 80);
        countdown_screen(ed);
        EXPECT_EQ(ed.running, 0);
        EXPECT_EQ(ed.splash_frame, 0);
        EXPECT_EQ(ed.countdown, 4);
        EXPECT_TRUE(screen_untouched()) << "nothing is drawn after the quit";
        EXPECT_FALSE(event_left_over()) << "the drain still finishes";
        EXPECT_EQ(ed.message_pos.y, 128) << "the prompts' place is set however the count-down ended";
    }
}

TEST_F(startup_test, escape_in_the_middle_of_the_countdown_stops_it) {
    for (int frame = 0; frame < 15; frame++) ASSERT_TRUE(countdown_frame(ed));
    EXPECT_EQ(ed.countdown, 3);
    push_key(SDLK_ESCAPE);
    EXPECT_FALSE(countdown_frame(ed));
    countdown_screen(ed); // the screen itself does not start again either
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(ed.splash_frame, 15);
    EXPECT_EQ(ed.countdown, 3);
}

// ---- prompts -----------------------------------------------------------------------

struct click_case {
    int x, y;
    Uint8 button, choice;
};

TEST_F(startup_test, prompt_clicks_count_inside_the_words_left_and_top_edges_included) {
    const click_case answers[] = {
        {30, 80, SDL_BUTTON_LEFT,      1},
        {50, 95, SDL_BUTTON_LEFT,      1},
        {40, 85, SDL_BUTTON_RIGHT,     1},
        {40, 85, SDL_BUTTON_MIDDLE,    1},
        {31, 81, SDL_BUTTON_WHEELUP,   1},
        {80, 95, SDL_BUTTON_LEFT,      2},
        {80, 80, SDL_BUTTON_LEFT,      2},
        {93, 95, SDL_BUTTON_RIGHT,     2},
        {85, 90, SDL_BUTTON_WHEELDOWN, 2},
    };
    for (const click_case& c : answers) {
        Uint8 choice = 0;
        push_press(c.x, c.y, c.button);
        yes_no_prompt(ed, "Question?", choice);
        EXPECT_EQ(choice, c.choice) << c.x << "," << c.y << " button " << int(c.button);
        EXPECT_EQ(ed.running, 1);
    }
    // Just outside either word, or between them: nothing. Each stray click
    // follows a real answer in the same drain, once after each word, so that
    // it shows if it answered anything.
    const int strays[][2] = {
        {51,  85 },
        {94,  85 },
        {29,  85 },
        {79,  85 },
        {40,  79 },
        {40,  96 },
        {85,  79 },
        {85,  96 },
        {65,  88 },
        {0,   0  },
        {319, 319}
    };
    for (const auto& s : strays) {
        for (Uint8 first : {1, 2}) {
            Uint8 choice = 0;
            first == 1 ? push_press(30, 80) : push_press(80, 80);
            push_press(s[0], s[1]);
            push_press(s[0], s[1], SDL_BUTTON_RIGHT);
            yes_no_prompt(ed, "Question?", choice);
            EXPECT_EQ(choice, first) << "stray click at " << s[0] << "," << s[1];
        }
    }
    EXPECT_EQ(ed.yes_rect.x, 30);
    EXPECT_EQ(ed.yes_rect.w, 21);
    EXPECT_EQ(ed.no_rect.x, 80);
    EXPECT_EQ(ed.no_rect.w, 14);
}

TEST_F(startup_test, a_prompt_draws_its_question_and_both_words_and_ends_without_a_pause) {
    ed.screen_delay_ms = 5000; // only a frame still waiting for an answer pauses
    ed.message_pos     = SDL_Rect{35, 128, 0, 0};
    paint_screen_white();
    Uint8 choice = 0;
    push_release(30, 80); // a release is not an answer
    push_press(30, 80);
    Uint32 start = SDL_GetTicks();
    yes_no_prompt(ed, "Bg.bmp found. Use it?", choice);
    EXPECT_LT(SDL_GetTicks() - start, 5000u);
    EXPECT_EQ(choice, 1);

    SDL_Surface* expected = blank_like_screen();
    SDL_FillRect(expected, nullptr, 0);
    drawtext(SDL_Rect{35, 128, 0, 0}, "Bg.bmp found. Use it?", expected, 1);
    drawtext(SDL_Rect{30, 80, 0, 0}, "Yes", expected, 1);
    drawtext(SDL_Rect{80, 80, 0, 0}, "No", expected, 1);
    EXPECT_TRUE(screen_equals(expected));
    SDL_FreeSurface(expected);
}

TEST_F(startup_test, quitting_a_prompt_leaves_no_answer_even_one_clicked_in_the_same_drain) {
    for (int how = 0; how < 3; how++) {
        ed.running   = 1;
        Uint8 choice = 0;
        paint_screen_white();
        if (how == 0) push_quit();
        if (how == 1) push_key(SDLK_ESCAPE);
        if (how == 2) {
            push_press(30, 80);
            push_key(SDLK_ESCAPE);
        }
        yes_no_prompt(ed, "Question?", choice);
        EXPECT_EQ(choice, 0) << how;
        EXPECT_EQ(ed.running, 0);
        EXPECT_TRUE(screen_untouched()) << "no frame after the quit";
    }
    // Other keys neither answer nor quit.
    ed.running   = 1;
    Uint8 choice = 0;
    push_key(SDLK_y);
    push_key(SDLK_RETURN);
    push_press(80, 80);
    yes_no_prompt(ed, "Question?", choice);
    EXPECT_EQ(choice, 2);
    EXPECT_EQ(ed.running, 1);
}

// ---- the files ---------------------------------------------------------------------

TEST_F(startup_test, no_files_no_prompts) {
    push_quit(); // would end a prompt; left queued when none is shown
    file_prompts(ed);
    EXPECT_TRUE(event_left_over());
    EXPECT_EQ(ed.running, 1);
    EXPECT_EQ(ed.basecode_choice, 0);
    EXPECT_EQ(bgchoice, 0);
}

TEST_F(startup_test, yes_to_basecode_imports_it_and_no_keeps_the_built_in_layout) {
    write_file("basecode.txt", "81211258 0010\r\n812114C4 FFF9\r\n");
    push_press(30, 80);
    file_prompts(ed);
    EXPECT_EQ(ed.basecode_choice, 1);
    EXPECT_EQ(ed.model.scales[7].value, 16);
    EXPECT_EQ(ed.model.elements[0].pos.y, -7);
    EXPECT_EQ(ed.model.elements[0].home.y, 9);
    EXPECT_EQ(bgchoice, 0) << "no bg.bmp, no second prompt";

    start_layout(ed.model);
    push_press(80, 80);
    file_prompts(ed);
    EXPECT_EQ(ed.basecode_choice, 2);
    EXPECT_EQ(ed.model.scales[7].value, 550);
    EXPECT_EQ(ed.model.elements[0].pos.y, 9);
}

TEST_F(startup_test, a_basecode_that_is_a_directory_asks_but_imports_nothing) {
    ASSERT_EQ(mkdir("basecode.txt", 0755), 0);
    push_press(30, 80);
    file_prompts(ed); // on this system a directory opens for reading
    EXPECT_EQ(ed.model.scales[7].value, 550);
    EXPECT_EQ(ed.running, 1);
}

TEST_F(startup_test, quitting_the_basecode_prompt_skips_the_import_and_the_background_prompt) {
    write_file("basecode.txt", "81211258 0010\n");
    write_bmp("bg.bmp", 8, 8, 0xFF0000);
    SDL_Surface* built_in = ed.background;
    push_press(30, 80);
    push_quit();
    push_press(30, 80);
    file_prompts(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(ed.basecode_choice, 0);
    EXPECT_EQ(bgchoice, 0);
    EXPECT_EQ(ed.model.scales[7].value, 550);
    EXPECT_EQ(ed.background, built_in);
}

TEST_F(startup_test, yes_to_a_valid_bg_bmp_makes_it_the_background) {
    write_bmp("bg.bmp", 40, 30, 0x123456);
    push_press(50, 95);
    file_prompts(ed);
    EXPECT_EQ(bgchoice, 1);
    ASSERT_NE(ed.background, nullptr);
    EXPECT_EQ(ed.background->w, 40);
    EXPECT_EQ(ed.background->h, 30);
    Uint8 r, g, b;
    SDL_GetRGB(pixel(ed.background, 39, 29) & 0xFFFFFF, ed.background->format, &r, &g, &b);
    EXPECT_EQ((r << 16) | (g << 8) | b, 0x123456);
    // The built-in background was freed (the leak checker would see it otherwise).
}

TEST_F(startup_test, no_or_a_file_that_does_not_decode_keeps_the_built_in_background) {
    SDL_Surface* built_in = ed.background;
    write_bmp("bg.bmp", 40, 30, 0x123456);
    push_press(80, 80);
    file_prompts(ed);
    EXPECT_EQ(bgchoice, 2);
    EXPECT_EQ(ed.background, built_in);

    // Not a BMP; a BMP cut short; a BMP header claiming an enormous picture.
    std::string whole = read_file("bg.bmp");
    std::string huge  = whole.substr(0, 54);
    for (int i = 0; i < 4; i++) huge[18 + i] = huge[22 + i] = "\x00\x00\x00\x40"[i]; // 2^30 by 2^30
    for (const std::string& text :
         {std::string("this is not a picture\n"), whole.substr(0, whole.size() / 2), std::string(), huge}) {
        write_file("bg.bmp", text);
        push_press(30, 80);
        file_prompts(ed);
        EXPECT_EQ(bgchoice, 1);
        EXPECT_EQ(ed.background, built_in) << "size " << text.size();
        EXPECT_EQ(ed.running, 1);
    }
}

TEST_F(startup_test, the_background_prompt_follows_the_basecode_prompt) {
    write_file("basecode.txt", "812117DE 0030\n");
    write_bmp("bg.bmp", 16, 16, 0x00FF00);
    push_press(30, 80); // answers the first prompt
    basecode_prompt(ed);
    push_press(30, 80); // and the second, once it is showing
    background_prompt(ed);
    EXPECT_EQ(ed.basecode_choice, 1);
    EXPECT_EQ(bgchoice, 1);
    EXPECT_EQ(ed.model.elements[9].pos.x, 48);
    ASSERT_NE(ed.background, nullptr);
    EXPECT_EQ(ed.background->w, 16);
}

// ---- the whole start-up sequence ----------------------------------------------------

TEST_F(startup_test, escape_during_the_countdown_skips_both_prompts) {
    write_file("basecode.txt", "81211258 0010\n");
    write_bmp("bg.bmp", 8, 8, 0xFF0000);
    SDL_Surface* built_in = ed.background;
    paint_screen_white();
    push_key(SDLK_ESCAPE);
    start_screens(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_TRUE(screen_untouched());
    EXPECT_EQ(ed.basecode_choice, 0);
    EXPECT_EQ(bgchoice, 0);
    EXPECT_EQ(ed.model.scales[7].value, 550);
    EXPECT_EQ(ed.background, built_in);
    EXPECT_EQ(ed.message_pos.x, 35);
    EXPECT_EQ(ed.message_pos.y, 128);
}

TEST_F(startup_test, with_only_bg_bmp_the_countdown_leads_to_its_prompt_and_drops_early_clicks) {
    write_bmp("bg.bmp", 12, 10, 0x0000FF);
    SDL_Surface* built_in = ed.background;
    push_press(30, 80); // during the count-down: dropped
    countdown_screen(ed);
    push_press(80, 85); // "No", once the prompt shows
    file_prompts(ed);
    EXPECT_EQ(ed.splash_frame, 41);
    EXPECT_EQ(ed.basecode_choice, 0);
    EXPECT_EQ(bgchoice, 2);
    EXPECT_EQ(ed.background, built_in);
    EXPECT_EQ(ed.running, 1);
}

TEST_F(startup_test, quit_on_the_background_prompt_reaches_teardown_cleanly) {
    write_bmp("bg.bmp", 12, 10, 0x0000FF);
    countdown_screen(ed);
    push_quit();
    file_prompts(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(bgchoice, 0);
    editor_loop(ed); // not entered
    EXPECT_EQ(ed.running, 0);
}

} // namespace
