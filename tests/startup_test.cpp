// startup_test.cpp - the count-down and the two prompts, headless: which events
// end them, where clicks count and what each answer does.
#include "support.h"
#include "editor/startup.h"

namespace {

using startup_test = editor_test;

TEST_F(startup_test, the_countdown_drops_clicks_and_each_file_asks_once_and_each_answer_does_its_part) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 30, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SaveBMP(picture, "bg.bmp");
    SDL_FreeSurface(picture);
    const std::string bmp = read_file("bg.bmp"), base = "81211258 0010\r\n812114C4 FFF9\r\n";
    // Presses on the top left pixel of "Yes" and, with the right button, on the
    // bottom right one of "No"; just right of and just below "Yes" and just right
    // of "No" (after an answer in the same drain, any of them counting would show).
    const std::string yes = "press@30,80 ", no = "rpress@93,95 ", right_of_yes = "press@51,85 ",
                      below_yes = "press@40,96 ", right_of_no = "press@94,85 ";
    // clang-format off
    const struct {
        std::string basecode, bg;        // "": no such file
        std::string before, after;       // events queued before and after the count-down (which drops clicks)
        int running, basecode_choice, bg_choice;
        std::vector<std::string> changed;
    } rows[] = {
        {base, "", "", yes + right_of_no, 1, 1, 0, {"A Button y=-7", "B Button Icon scale=16"}},    // "Yes" imports
        {base, "", yes, no + right_of_yes + below_yes, 1, 2, 0, {}},                   // "No" keeps the built-in layout
        {base, bmp, "", yes + "quit " + yes, 0, 0, 0, {}},                   // a quit skips the import and the second prompt
        {base, bmp, "Escape", "", 0, 0, 0, {}},                     // Escape in the count-down skips both prompts
        {"", bmp, "", yes, 1, 0, 1, {}},                       // "Yes" makes the picture the background
        {base, "", "", "y", 1, 1, 0, {"A Button y=-7", "B Button Icon scale=16"}},      // the keys: Y, Enter and the keypad's Enter are "Yes"
        {"", bmp, "", "Enter", 1, 0, 1, {}}, {"", bmp, "", "KPEnter", 1, 0, 1, {}},
        {base, "", "", "n", 1, 2, 0, {}},                      // N is "No"
        {base, "", "", "a quit", 0, 0, 0, {}}};                    // other keys answer nothing
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.before << "|" << r.after);
        tear_down(ed);
        ASSERT_TRUE(start_headless(ed));
        std::remove("basecode.txt");
        std::remove("bg.bmp");
        if (!r.basecode.empty()) write_file("basecode.txt", r.basecode);
        if (!r.bg.empty()) write_file("bg.bmp", r.bg);
        push_script(r.before);
        const int frames = countdown_screen(ed);
        push_script(r.after);
        if (r.after.empty()) push_quit(); // would end a prompt; stays queued when none shows
        ed.screen_delay_ms = 5000;        // only a frame still waiting for an answer pauses
        const Uint32 start = SDL_GetTicks();
        file_prompts(ed);
        EXPECT_LT(SDL_GetTicks() - start, 5000u);
        EXPECT_TRUE(ed.running == r.running && ed.basecode_choice == r.basecode_choice &&
                    ed.bg_choice == r.bg_choice);
        // the count-down's frames, or none after Escape
        EXPECT_EQ(frames, r.before == "Escape" ? 0 : 41);
        EXPECT_EQ(changes(ed.model), r.changed);
        EXPECT_EQ(ed.pictures.background->w, r.bg_choice == answer_yes ? 40 : 320);
    }
}

} // namespace
