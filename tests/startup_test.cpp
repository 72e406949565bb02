// startup_test.cpp - the count-down and the prompts, headless: which events
// end them, where clicks count, what each answer does, when code.unsaved.txt
// is offered, and what a file that cannot be read shows.
#include "support.h"
#include "editor/startup.h"
#include "editor/unsaved.h"

#include <chrono>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

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

// Work kept on a quit (code.unsaved.txt) is asked about first when it is newer
// than code.txt or there is none; taken, basecode.txt is not asked about.
// Each prompt gets its own events ("": a quit, which a prompt not shown leaves
// queued, and which is then dropped).
TEST_F(startup_test, code_unsaved_txt_newer_than_code_txt_is_offered_first_and_taken_skips_basecode_txt) {
    // clang-format off
    const struct { int code_age; const char *first, *second; bool running; int unsaved, basecode; std::vector<std::string> changed; } rows[] = {
        // code.txt's minutes after code.unsaved.txt's (0: no code.txt); the events for each prompt; what came of it
        {0, "press@30,80", "", true, 1, 0, {"A Button x=16"}}, {-1, "Enter", "", true, 1, 0, {"A Button x=16"}},
        {-1, "rpress@93,95", "y", true, 2, 1, {"A Button y=-7", "B Button Icon scale=16"}}, {0, "n", "", false, 2, 0, {}},
        {1, "", "y", true, 0, 1, {"A Button y=-7", "B Button Icon scale=16"}}, // code.txt newer: not asked
        {0, "Escape", "", false, 0, 0, {}},                                    // Escape on it skips the rest
    };
    // clang-format on
    auto events = [](const char* e) { *e ? push_script(e) : push_quit(); };
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.code_age << " " << r.first << "|" << r.second);
        restart();
        write_file("basecode.txt", "812114C4 FFF9\n81211258 0010\n");
        write_file(unsaved_file, "812114C6 0010\n");
        if (r.code_age) {
            write_file("code.txt", "812114C6 0020\n");
            const auto t = std::filesystem::last_write_time(unsaved_file) + std::chrono::minutes(r.code_age);
            std::filesystem::last_write_time("code.txt", t);
        }
        for (auto [e, file] : {std::pair{r.first, file_unsaved}, {r.second, file_basecode}}) {
            events(e);
            layout_prompt(ed, file);
            for (SDL_Event left; SDL_PollEvent(&left);) {
            }
        }
        EXPECT_TRUE(ed.running == r.running && ed.unsaved_choice == r.unsaved &&
                    ed.basecode_choice == r.basecode)
            << ed.running << ed.unsaved_choice << ed.basecode_choice;
        EXPECT_EQ(changes(ed.model), r.changed);
        EXPECT_TRUE(std::filesystem::exists(unsaved_file)) << "nothing is deleted";
    }
}

TEST_F(startup_test, a_file_there_but_unreadable_is_said_and_noted_on_every_start_up_screen) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permissions, resource limits and fork";
#else
    // White pixels in the rows from y down, where the notes go (the count-down's splash has none there).
    auto noted = [&](int y, int lines) {
        int n = 0;
        for (int row = y; row < y + 16 * lines && row < 320; row++)
            for (int x = 0; x < 320; x++) n += (pixel_at(ed.screen, x, row) & 0xFFFFFF) == 0xFFFFFF;
        return n;
    };
    const uid_t nobody = geteuid() == 0 ? 65534 : geteuid();
    // clang-format off
    const struct { const char* what; const char* unreadable; bool descriptors; const char* said; } rows[] = {
        {"basecode.txt, no permission", "basecode.txt", false,
         "hudwright: cannot read basecode.txt: Permission denied\n"},
        {"both, no permission", "both", false,
         "hudwright: cannot read code.unsaved.txt: Permission denied\nhudwright: cannot read basecode.txt: Permission denied\n"},
        {"basecode.txt, no descriptor left", "basecode.txt", true,
         "hudwright: cannot read basecode.txt: Too many open files\n"},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        restart();
        for (const char* f : {"basecode.txt", unsaved_file, "said", "bg.bmp"}) std::remove(f);
        write_file("basecode.txt", "812114C6 0010\n");
        if (std::string(r.unreadable) == "both") write_file(unsaved_file, "812114C6 0020\n");
        write_file("said", "");
        for (const char* f : {"basecode.txt", unsaved_file, "said"}) (void)chown(f, nobody, nobody);
        if (!r.descriptors)
            for (const char* f : {"basecode.txt", unsaved_file}) chmod(f, 0);
        const int status = in_child([&] {
            if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) _exit(99);
            if (!std::freopen("said", "w", stderr)) _exit(98);
            const int lines = std::string(r.unreadable) == "both" ? 2 : 1;
            if (r.descriptors) { // every descriptor from the lowest free one on is refused
                const int lowest = open("/dev/null", O_RDONLY);
                close(lowest);
                const rlimit none{rlim_t(lowest), rlim_t(lowest)};
                setrlimit(RLIMIT_NOFILE, &none);
            }
            look_for_start_files(ed);
            countdown c;
            countdown_frame(ed, c);
            int seen = noted(countdown_note_pos.y, lines) > 100 * lines ? 0 : 1;
            seen |= noted(countdown_note_pos.y + 16 * lines, 1) == 0 ? 0 : 2; // one line each
            prompt_answer answer = answer_none;                               // under a question too
            prompt_frame(ed, "Bg.bmp found. Use it?", answer);
            seen |= noted(prompt_note_pos.y, lines) > 100 * lines ? 0 : 4;
            push_quit(); // would end a prompt: none shows
            file_prompts(ed);
            seen |= ed.running && changes(ed.model).empty() ? 0 : 8;
            std::fflush(stderr);
            _exit(seen);
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(read_file("said"), r.said);
    }
#endif
}

} // namespace
