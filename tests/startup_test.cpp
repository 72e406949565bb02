// startup_test.cpp - the count-down and the two prompts, headless: which events
// end them, where clicks count, what each answer does and the pictures sent.
#include "support.h"
#include "editor/startup.h"

#include <map>

namespace {

// Events in a few letters: Y a press on the top left pixel of "Yes", N one on
// the bottom right of "No" with the right button; r and b presses just right of
// and just below "Yes", n one just right of "No" (after an answer in the same
// drain, any of them counting would show); Q a quit, E Escape; the keys y
// (Y), e (Enter), k (the keypad's Enter), m (N) and a (A).
void push(const char* events) {
    const std::map<char, SDLKey> keys = {{'E', SDLK_ESCAPE},   {'y', SDLK_y}, {'e', SDLK_RETURN},
                                         {'k', SDLK_KP_ENTER}, {'m', SDLK_n}, {'a', SDLK_a}};
    for (const char* c = events; *c; c++) switch (*c) {
        case 'Y': push_press(30, 80); break;
        case 'N': push_press(93, 95, SDL_BUTTON_RIGHT); break;
        case 'r': push_press(51, 85); break;
        case 'b': push_press(40, 96); break;
        case 'n': push_press(94, 85); break;
        case 'Q': push_quit(); break;
        default: push_key(keys.at(*c));
        }
}

using startup_test = editor_test;

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
        Uint32 sent; // pictures shown: one for each number of the count-down, one for each prompt drawn
    } rows[] = {
        {base, "", "", "Yn", 1, 1, 0, {"y0=-7", "s7=16"}, 5},    // "Yes" imports
        {base, "", "Y", "Nrb", 1, 2, 0, {}, 5},                   // "No" keeps the built-in layout
        {base, bmp, "", "YQY", 0, 0, 0, {}, 4},                   // a quit skips the import and the second prompt
        {base, bmp, "E", "", 0, 0, 0, {}, 0},                     // Escape in the count-down skips both prompts
        {"", bmp, "", "Y", 1, 0, 1, {}, 5},                       // "Yes" makes the picture the background
        {base, "", "", "y", 1, 1, 0, {"y0=-7", "s7=16"}, 5},      // the keys: Y, Enter and the keypad's Enter are "Yes"
        {"", bmp, "", "e", 1, 0, 1, {}, 5}, {"", bmp, "", "k", 1, 0, 1, {}, 5},
        {base, "", "", "m", 1, 2, 0, {}, 5},                      // N is "No"
        {base, "", "", "aQ", 0, 0, 0, {}, 4}};                    // other keys answer nothing
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.before << "|" << r.after);
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
        ed.screen_delay_ms = 5000;  // only a frame still waiting for an answer pauses
        const Uint32 start = SDL_GetTicks();
        file_prompts(ed);
        EXPECT_LT(SDL_GetTicks() - start, 5000u);
        EXPECT_TRUE(ed.running == r.running && ed.basecode_choice == r.basecode_choice &&
                    ed.bg_choice == r.bg_choice);
        // the count-down's frames, or none after Escape
        EXPECT_EQ(ed.splash_frame, *r.before == 'E' ? 0 : 41);
        EXPECT_EQ(ed.pictures_sent, r.sent);
        EXPECT_EQ(changes(ed.model), r.changed);
        EXPECT_EQ(ed.pictures.background->w, r.bg_choice == answer_yes ? 40 : 320);
    }
}

} // namespace
