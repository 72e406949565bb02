// startup_test.cpp - the count-down, the prompts and the notes, headless:
// which events end them (every way a run ends, on every screen), where clicks
// count, what each answer does and the pictures sent; the note while a
// picture is read, and a read given up when the run ends meanwhile;
// when code.unsaved.txt and code.txt are offered, a design continued in a
// second sitting or kept beside, and what a file that cannot be read shows;
// which background file is offered, and what is said of one that cannot be used.
#include "draw/text.h"
#include "support.h"
#include "editor/background.h"
#include "editor/ending.h"
#include "editor/screens.h"
#include "editor/signals.h"
#include "editor/startup.h"
#include "editor/file_names.h"
#include "files/kept_file.h"
#include "model/export.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <cstring>

namespace {

using startup_test = editor_test;

TEST_F(
    startup_test,
    the_countdown_drops_clicks_enter_or_space_end_it_and_each_file_asks_once_and_each_answer_does_its_part) {
    const std::string bmp  = picture_file(picture_bmp, 40, 30, [](int, int) { return 0u; }),
                      base = "81211258 0010\r\n812114C4 FFF9\r\n";
    // Presses on the top left pixel of "Yes" and, with the right button, on the
    // bottom right one of "No"; just right of and just below "Yes" and just right
    // of "No" (after an answer in the same drain, any of them counting would show).
    const std::string yes = "press@30,80 ", no = "rpress@93,95 ", right_of_yes = "press@51,85 ",
                      below_yes = "press@40,96 ", right_of_no = "press@94,85 ";
    // clang-format off
    const struct {
        std::string basecode, bg;        // "": no such file
        std::string before, after;       // events queued before and after the count-down (which drops clicks)
        int frames;                      // the count-down's: 41, or none when a key ended it
        int running, basecode_choice, bg_choice;
        std::vector<std::string> changed;
        Uint32 sent; // pictures shown: one for each number of the count-down, one for each prompt drawn, one
                     // for the picture being read
    } rows[] = {
        {base, "", "", yes + right_of_no, 41, 1, 1, 0, {"A Button y=-7", "B Button Icon scale=16"}, 5},    // "Yes" imports
        {base, "", yes, no + right_of_yes + below_yes, 41, 1, 2, 0, {}, 5},                   // "No" keeps the built-in layout
        {base, bmp, "", yes + "quit " + yes, 41, 0, 0, 0, {}, 4},                   // a quit skips the import and the second prompt
        {base, bmp, "Escape", "", 0, 0, 0, 0, {}, 0},                     // Escape in the count-down skips both prompts
        {"", bmp, "", yes, 41, 1, 0, 1, {}, 6},                       // "Yes" makes the picture the background
        {base, "", "", "y", 41, 1, 1, 0, {"A Button y=-7", "B Button Icon scale=16"}, 5},      // the keys: Y, Enter and the keypad's Enter are "Yes"
        {"", bmp, "", "Enter", 41, 1, 0, 1, {}, 6}, {"", bmp, "", "KPEnter", 41, 1, 0, 1, {}, 6},
        {base, "", "", "a quit", 41, 0, 0, 0, {}, 4},                    // other keys answer nothing (N, "No": e2e_keys)
        // Enter, the keypad's Enter or Space end the count-down at once, before it is drawn; what came with them is dropped
        {base, "", "a Enter y", "n", 0, 1, 2, 0, {}, 1}, {base, "", "KPEnter", "n", 0, 1, 2, 0, {}, 1},
        {"", bmp, "Space Enter", yes, 0, 1, 0, 1, {}, 2}};
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.before << "|" << r.after);
        tear_down(ed);
        ASSERT_TRUE(start_headless(ed));
        for (auto [name, bytes] : {std::pair{"basecode.txt", r.basecode}, {"bg.bmp", r.bg}})
            bytes.empty() ? (void)std::remove(name) : write_file(name, bytes);
        push_script(r.before);
        const int frames = countdown_screen(ed);
        push_script(r.after);
        if (r.after.empty()) push_quit();   // would end a prompt; stays queued when none shows
        ed.clock.screen_delay_ms    = 5000; // only a frame still waiting for an answer pauses
        const Uint32 start          = SDL_GetTicks();
        const SDL_Surface* built_in = ed.pictures.background;
        file_prompts(ed);
        EXPECT_LT(SDL_GetTicks() - start, 5000u);
        EXPECT_TRUE(ed.run.running == r.running && ed.files.basecode_choice == r.basecode_choice &&
                    ed.files.bg_choice == r.bg_choice);
        EXPECT_EQ(frames, r.frames);
        EXPECT_EQ(ed.window.pictures_sent, r.sent);
        EXPECT_EQ(changes(ed.design.model), r.changed);
        EXPECT_EQ(ed.pictures.background != built_in, r.bg_choice == answer_yes);
    }
}

// Whether the screen shows t at (x, y) in the start-up font: drawing it there changes nothing.
bool shows(editor& ed, int x, int y, const char* t) {
    SDL_Surface* s = copy_of(ed.window.screen);
    draw_text({Sint16(x), Sint16(y), 0, 0}, t, s, font(ed.pictures, font_labels));
    const bool same = same_pixels(s, ed.window.screen);
    SDL_FreeSurface(s);
    return same;
}

// Whether the rows from y down, 16 of them, are black across the window.
bool black_line(editor& ed, int y) {
    for (int row = y; row < y + 16; row++)
        for (int x = 0; x < 320; x++)
            if (pixel_at(ed.window.screen, x, row) & 0xFFFFFF) return false;
    return true;
}

// A file of a row: its name, bytes and age (a later modification time
// first: the newest is 0 minutes old).
struct aged_file {
    std::string name, bytes;
    int minutes_old = 0;
};

void write_files(const std::vector<aged_file>& files) {
    const auto now = std::filesystem::file_time_type::clock::now();
    for (auto& f : files) {
        write_file(f.name, f.bytes);
        std::filesystem::last_write_time(f.name, now - std::chrono::minutes(f.minutes_old));
    }
}

// Which background picture is offered, and what is said of one that cannot be
// used. A picture named with --bg, of any name and in any folder, is read as
// the kind its first bytes show and taken without a question (the folder's
// own not looked at); a stretched one is said on a note screen and standard
// error, one that cannot be used as a folder's is.
TEST_F(startup_test,
       the_first_background_file_there_is_offered_by_its_name_and_one_that_cannot_be_used_is_said) {
    auto pink = [](int, int) { return 0xFF00FEu; };
    // a screenshot of two colours by turns: its average, 8000FF (127.5 rounded up), fills the preview; drawn
    // unscaled, (10, 10) would show FF00FF
    auto squares            = [](int x, int y) { return (x ^ y) & 1 ? 0x0000FFu : 0xFF00FFu; };
    const std::string png   = picture_file(picture_png, 32, 24, pink),
                      shot  = picture_file(picture_png, 640, 480, squares),
                      wide  = picture_file(picture_png, 854, 480, squares);
    const std::string zelda = "Legend of Zelda-201207-183512.png",
                      odd   = "Zelda (U) [!] 2012_12_07 at 18.35.12 screenshot.png";
    // clang-format off
    const struct {
        std::vector<aged_file> files;
        const char* events;             // a script (push_script)
        std::vector<std::string> shown; // lines on the last screen (the question, a note's, or after Yes the
                                        // line while the picture was read)
        const char* below;              // the line under the question (null: that line is black)
        std::string said;               // the start of what standard error says, {} the path named
        Uint32 at_10_10;                // the preview there (0: the built-in background's)
        const char* named = nullptr;    // the picture named with --bg
        bool case_pair = false;         // names that differ only in case (not on Windows, which keeps one)
    } rows[] = {
        {{{"bg.png", png}, {"bg.bmp", picture_file(picture_bmp, 32, 24, pink)}}, "y", {"Reading bg.bmp..."},
         nullptr, "", 0xFF00FE},
        {{{"bg.jpeg", png}, {"bg.png", shot}}, "y", {"Reading bg.png..."}, nullptr, "", 0x8000FF},
        {{{"bg.png", png}}, "n", {"Bg.png found. Use it?"}, nullptr, "", 0},
        {{{"bg.jpeg", picture_file(picture_jpeg, 8, 8, pink)}}, "",
         {"Bg.jpeg cannot be used.", "JPEG is not read - save it as PNG.", "The built-in background stays."},
         nullptr, "hudwright: cannot use bg.jpeg: JPEG is not read - save it as PNG\n", 0},
        {{{"bg.bmp", png}}, "", {"Bg.bmp cannot be used.", "A PNG picture - not a BMP."}, nullptr,
         "hudwright: cannot use bg.bmp: a PNG picture - not a BMP\n", 0},
        {{{"bg.png", shot.substr(0, 900)}}, "y", {"Bg.png cannot be used.", "A PNG that cannot be decoded."}, nullptr,
         "hudwright: cannot use bg.png: a PNG that cannot be decoded (", 0},
        {{{"bg.png", png}}, "quit", {}, nullptr, "", 0}, // a quit ends the prompt before it is drawn
        // bg.* in any case, the kinds in their order whatever the case; of names alike but for case, the one in
        // lower case, else the first in byte order
        {{{"BG.PNG", shot}}, "n", {"BG.PNG found. Use it?"}, nullptr, "", 0},
        {{{"BG.PNG", shot}}, "y", {"Reading BG.PNG..."}, nullptr, "", 0x8000FF},
        {{{"bg.PNG", shot}, {"Bg.Bmp", picture_file(picture_bmp, 32, 24, pink)}}, "y", {"Reading Bg.Bmp..."},
         nullptr, "", 0xFF00FE},
        {{{"BG.PNG", png}, {"bg.png", shot}}, "y", {"Reading bg.png..."}, nullptr, "", 0x8000FF, nullptr, true},
        {{{"bG.png", png}, {"Bg.png", png}, {"BG.PNG", shot}}, "y", {"Reading BG.PNG..."}, nullptr, "", 0x8000FF,
         nullptr, true},
        // else the newest PNG or BMP by its own name, stretched to the preview when it is not 4:3 (said under the
        // question, and once taken); JPEGs and hidden files are passed over, and bg.* outranks it
        {{{zelda, wide}}, "y", {"Reading Legend of Zel...07-183512.png..."}, nullptr,
         "hudwright: " + zelda + ": 854x480 is not 4:3, stretched to 320x240\n", 0x8000FF},
        {{{zelda, wide}}, "n", {"Legend of Z...-183512.png found. Use it?"}, "854x480 - stretched to 320x240", "", 0},
        {{{"old.png", png, 60}, {"new.BMP", picture_file(picture_bmp, 640, 480, squares), 1}, {"older.png", png, 120},
          {"holiday.jpg", picture_file(picture_jpeg, 8, 8, pink)}, {".hidden.png", png}, {"notes.txt", "x"}},
         "y", {"Reading new.BMP..."}, nullptr, "", 0x8000FF},
        {{{"b.png", png, 5}, {"a.png", shot, 5}}, "n", {"A.png found. Use it?"}, nullptr, "", 0}, // a tie
        {{{"holiday.jpg", picture_file(picture_jpeg, 8, 8, pink)}, {"._x.png", png}}, "", {}, nullptr, "", 0},
        {{{"bg.jpg", picture_file(picture_jpeg, 8, 8, pink), 10}, {"shot.png", shot}}, "", {"Bg.jpg cannot be used."},
         nullptr, "hudwright: cannot use bg.jpg: JPEG is not read", 0},
        // a long name is shortened in its middle to fit the line; the characters the font lacks drawn as always
        {{{odd, shot}}, "n", {"Zelda (U) [...eenshot.png found. Use it?"}, nullptr, "", 0},
        {{{odd, shot.substr(0, 900)}}, "y", {"Zelda  U  ...eenshot.png cannot be used."}, nullptr,
         "hudwright: cannot use " + odd + ": a PNG", 0},
        // named with --bg, beside a bg.png of the folder's own; a BMP under a PNG's name
        {{{"shots/screen", shot}}, "", {"Reading screen..."}, nullptr, "", 0x8000FF, "shots/screen"},
        {{{"shots/lying.png", picture_file(picture_bmp, 32, 24, pink)}}, "", {"Reading lying.png..."}, nullptr, "",
         0xFF00FE, "shots/lying.png"},
        {{{"shots/Wide Shot.dat", picture_file(picture_png, 1280, 720, squares)}}, "",
         {"Wide Shot.dat is used.", "1280x720 - stretched to 320x240."}, nullptr,
         "hudwright: {}: 1280x720 is not 4:3, stretched to 320x240\n", 0x8000FF, "shots/Wide Shot.dat"},
        {{}, "", {"Gone.png cannot be used.", "No such file or directory."}, nullptr,
         "hudwright: cannot use {}: No such file or directory\n", 0, "shots/gone.png"},
        {{}, "", {"Dir cannot be used."}, nullptr, "hudwright: cannot use {}: ", 0, "shots/dir"},
        {{{"shots/photo", picture_file(picture_jpeg, 8, 8, pink)}}, "",
         {"Photo cannot be used.", "JPEG is not read - save it as PNG."}, nullptr,
         "hudwright: cannot use {}: JPEG is not read - save it as PNG\n", 0, "shots/photo"},
        {{{"shots/notes.png", "81211258 0010\n"}}, "", {"Notes.png cannot be used.", "Not a PNG or BMP picture."},
         nullptr, "hudwright: cannot use {}: not a PNG or BMP picture\n", 0, "shots/notes.png"},
    };
    // clang-format on
    ed.clock.screen_delay_ms = 0;
    SDL_Surface* built_in    = copy_of(ed.pictures.background);
    const Uint32 home        = pixel_at(built_in, 10, 10);
    for (auto& r : rows) {
        SCOPED_TRACE((r.named ? r.named : r.files[0].name) + " " + r.events);
#ifdef _WIN32
        if (r.case_pair) continue;
#endif
        for (auto& e : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(e.path());
        std::filesystem::create_directories("shots/dir");
        if (r.named) write_file("bg.png", png);
        write_files(r.files);
        ed.files.bg_path    = r.named ? std::filesystem::absolute(r.named).string() : "";
        ed.run.running      = true;
        ed.window.on_screen = {};
        push_script(r.events);
        const std::string said = stderr_of([&] { background_prompt(ed); });
        for (size_t i = 0; i < r.shown.size(); i++)
            EXPECT_TRUE(shows(ed, 35, 128 + 16 * int(i + (i > 0)), r.shown[i].c_str())) << r.shown[i];
        EXPECT_TRUE(r.shown.empty() || (r.below ? shows(ed, 35, 144, r.below) : black_line(ed, 144)));
        EXPECT_EQ(ed.window.on_screen.kind == view_prompt, !r.shown.empty()) << "a prompt or a note shown";
        if (r.named) {
            EXPECT_TRUE(black_line(ed, yes_box.y)) << "a note, never a question: no Yes or No";
            EXPECT_EQ(ed.files.bg_choice, r.at_10_10 ? answer_yes : answer_none);
        }
        std::string want = r.said;
        if (const size_t at = want.find("{}"); at != std::string::npos) want.replace(at, 2, ed.files.bg_path);
        EXPECT_EQ(said.substr(0, want.size()), want);
        EXPECT_EQ(said.empty(), want.empty()) << said;
        const Uint32 at = pixel_at(ed.pictures.background, 10, 10) & 0xFFFFFF;
        EXPECT_EQ(at, r.at_10_10 ? SDL_MapRGB(ed.window.screen->format, Uint8(r.at_10_10 >> 16),
                                              Uint8(r.at_10_10 >> 8), Uint8(r.at_10_10))
                                 : home);
        EXPECT_EQ(ed.run.running, std::string(r.events) != "quit");
        replace_background(ed.pictures, copy_of(built_in));
    }
    SDL_FreeSurface(built_in);
}

// Work kept on a quit (code.unsaved.txt) is asked about first when the layout
// it holds differs from code.txt's, or there is no code.txt - whichever is
// newer; then code.txt when it holds codes, unless that work was taken; then
// basecode.txt when neither was taken. Each prompt gets its own events ("": a
// quit, which a prompt not shown leaves queued, and which is then dropped).
TEST_F(startup_test, the_kept_work_then_the_saved_design_then_basecode_txt_are_offered_by_what_they_hold) {
    const char *kept = "812114C6 0010\n", *same = "812114c6 0010\r\n", *other = "812114C6 0020\n";
    const std::vector<std::string> unsaved_layout = {"A Button x=16"}, code_layout = {"A Button x=32"},
                                   base_layout = {"A Button y=-7", "B Button Icon scale=16"};
    // clang-format off
    const struct { const char* code; int code_age; const char *first, *second, *third; bool running; int unsaved, code_txt, basecode; const std::vector<std::string>& changed; } rows[] = {
        // code.txt (nullptr: none) and its minutes after code.unsaved.txt's; the events for each prompt; what came of it
        {nullptr, 0, "press@30,80", "", "", true, 1, 0, 0, unsaved_layout}, {other, 1, "Enter", "", "", true, 1, 0, 0, unsaved_layout},
        {other, -1, "rpress@93,95", "y", "", true, 2, 1, 0, code_layout}, {other, 1, "n", "n", "y", true, 2, 2, 1, base_layout},
        {nullptr, 0, "n", "", "", false, 2, 0, 0, {}},
        {same, 1, "", "y", "", true, 0, 1, 0, unsaved_layout},   // the same layout: not asked, whichever is newer
        {same, -1, "", "n", "y", true, 0, 2, 1, base_layout},
        {"", 1, "n", "", "y", true, 2, 0, 1, base_layout},       // an empty code.txt: nothing to continue
        {"812114C6 00BA\njunk\n", 1, "n", "", "n", true, 2, 0, 2, {}}, // nor one whose codes change nothing
        {other, 1, "Escape", "", "", false, 0, 0, 0, {}},        // Escape on it skips the rest
        {other, 1, "n", "Escape", "", false, 2, 0, 0, {}},
    };
    // clang-format on
    auto events = [](const char* e) { *e ? push_script(e) : push_quit(); };
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << (r.code ? r.code : "none") << " " << r.code_age << " " << r.first
                                        << "|" << r.second << "|" << r.third);
        restart();
        write_file("basecode.txt", "812114C4 FFF9\n81211258 0010\n");
        write_file(unsaved_file, kept);
        if (r.code) {
            write_file("code.txt", r.code);
            const auto t = std::filesystem::last_write_time(unsaved_file) + std::chrono::minutes(r.code_age);
            std::filesystem::last_write_time("code.txt", t);
        }
        for (auto [e, file] :
             {std::pair{r.first, file_unsaved}, {r.second, file_code}, {r.third, file_basecode}}) {
            events(e);
            layout_prompt(ed, file);
            for (SDL_Event left; SDL_PollEvent(&left);) {
            }
        }
        EXPECT_TRUE(ed.run.running == r.running && ed.files.unsaved_choice == r.unsaved &&
                    ed.files.code_choice == r.code_txt && ed.files.basecode_choice == r.basecode)
            << ed.run.running << ed.files.unsaved_choice << ed.files.code_choice << ed.files.basecode_choice;
        EXPECT_EQ(changes(ed.design.model), r.changed);
        EXPECT_TRUE(std::filesystem::exists(unsaved_file)) << "nothing is deleted";
    }
}

// A design saved in one sitting, and the editor started again in its folder:
// Yes to "Code.txt found. Continue it?" goes on from the whole design, and a
// nudge and a save keep it all with the nudge, nothing kept aside; No starts
// from the game's own layout, and the first save keeps the design beside as
// code.earlier.txt (an older one there numbered, and code.cht: saving_test).
TEST_F(startup_test, a_design_saved_in_one_sitting_is_continued_in_the_next_or_kept_beside) {
    layout design = home_layout(); // every element moved, every colour changed
    for (const element_row& row : element_table) {
        design.elements[row.id].pos.x = Sint16(design.elements[row.id].home.x + 3 + row.id);
        design.elements[row.id].pos.y = Sint16(design.elements[row.id].home.y + 2);
    }
    for (const color_row& row : color_table) design.colors[row.id].value.g ^= 0x55;
    layout nudged = design, home_nudged = home_layout();
    nudged.elements[el_a_button].pos.x++;
    home_nudged.elements[el_a_button].pos.x++;
    const std::string designed = codes_of(design);
    ASSERT_GT(std::count(designed.begin(), designed.end(), '\n'), 40);
    // clang-format off
    const struct { const char* answer; const layout& saved; std::string kept; const char* said; } rows[] = {
        {"y", nudged, "", ""},
        {"Enter", nudged, "", ""},
        {"n", home_nudged, designed, "hudwright: the earlier code.txt kept as code.earlier.txt\n"},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.answer);
        std::remove(earlier_file);
        write_file("code.txt", designed); // as the first sitting's save left it (saving_test)
        restart();                        // the second, from its start-up screens
        push_script(r.answer);
        file_prompts(ed); // no basecode.txt, no background: the one question
        push_script("Right click:save Escape");
        const std::string said = stderr_of([&] { editor_loop(ed), finish_run(ed); });
        EXPECT_EQ(said, r.said);
        EXPECT_EQ(read_file("code.txt"), codes_of(r.saved));
        EXPECT_EQ(read_file(earlier_file), r.kept) << "what is kept beside";
    }
}

// Work beside a note (editor/screens.h) as a test drives it: asked whether it
// is over, it queues `events` (or raises `sig`) at its ask number `at`, and
// is over from its ask number `over_at` on (0: never); told to stop, it counts.
struct scripted_work {
    const char* events = "";
    int sig = 0, at = 0, over_at = 0;
    int asked = 0, stopped = 0, asked_after_stop = 0;
    static bool over(void* w, Uint32) {
        auto& s = *static_cast<scripted_work*>(w);
        s.asked++;
        s.asked_after_stop += s.stopped;
        if (s.asked == s.at) s.sig ? (void)std::raise(s.sig) : push_script(s.events);
        return s.over_at && s.asked >= s.over_at;
    }
    static void stop(void* w) { static_cast<scripted_work*>(w)->stopped++; }
    screen_work work() { return {over, stop, this}; }
};

// What check() returns (0: all as it should be) and what it wrote to
// standard error; in a child process that catches the ending signals when
// one is raised on the way (the program's handlers are set once for a process).
template <class Check> std::pair<int, std::string> checked([[maybe_unused]] bool child, Check check) {
#ifndef _WIN32
    if (child)
        return said_in_child([&] {
            catch_ending_signals();
            _exit(check());
        });
#endif
    int status             = 0;
    const std::string said = stderr_of([&] { status = check(); });
    return {status, said};
}

// Every way a run ends ends each start-up screen at once - before its first
// frame when it was there before it - whichever screen it is: a question
// keeps no answer, work beside a note is stopped. (The window destroyed needs
// an X server: e2e_exits.)
TEST_F(startup_test, every_start_up_screen_ends_at_once_on_each_way_a_run_ends) {
    // clang-format off
    const struct { const char* what; const char* events; int sig; run_end end; } ways[] = {
        {"Escape", "Escape", 0, end_asked},
        {"the window's close", "quit", 0, end_asked},
        {"Escape after a key and a click", "Right press@40,85 Escape", 0, end_asked},
#ifndef _WIN32
        {"SIGTERM", "", SIGTERM, end_signal},
        {"SIGHUP", "", SIGHUP, end_signal},
#endif
    };
    // clang-format on
    for (auto& way : ways)
        for (screen_kind kind : {screen_countdown, screen_question, screen_note, screen_working}) {
            SCOPED_TRACE(testing::Message() << way.what << " on screen " << int(kind));
            ed.run.running       = true;
            ed.run.end           = end_asked;
            ed.window.on_screen  = {};
            const Uint32 sent    = ed.window.pictures_sent;
            prompt_answer answer = answer_none;
            scripted_work work;
            start_screen s = kind == screen_countdown  ? countdown_state()
                             : kind == screen_question ? question_state("Bg.png found. Use it?", answer)
                             : kind == screen_note     ? note_state({"Bg.png cannot be used."})
                                                       : working_state("Reading bg.png...", work.work());
            push_script(way.events);
            // 1: still running, 2: another end, 4: a frame drawn, 8: an answer kept, 16: the work not stopped
            // once
            EXPECT_EQ(checked(way.sig,
                              [&] {
                                  if (way.sig) std::raise(way.sig);
                                  run_screen(ed, s);
                                  return (ed.run.running ? 1 : 0) | (ed.run.end == way.end ? 0 : 2) |
                                         (ed.window.pictures_sent == sent ? 0 : 4) |
                                         (answer == answer_none ? 0 : 8) |
                                         (work.stopped == (kind == screen_working ? 1 : 0) &&
                                                  !work.asked_after_stop
                                              ? 0
                                              : 16);
                              })
                          .first,
                      0);
        }
}

// A note beside work (a picture read) shows its line from its first frame
// until the work is over, asking it at every frame, and answers as every
// start-up screen: an expose sends it again, other keys and clicks do nothing,
// and a quit or a signal that comes meanwhile ends the run and stops the work,
// which is then asked no more.
TEST_F(startup_test, a_note_beside_work_shows_until_the_work_is_over_and_a_quit_or_a_signal_stops_it) {
    // clang-format off
    const struct { const char* what; scripted_work work; bool running; int stopped; Uint32 sent; } rows[] = {
        {"over at the third ask", {"", 0, 0, 3}, true, 0, 1},
        {"over at once: shown once all the same", {"", 0, 0, 1}, true, 0, 1},
        {"keys and clicks meanwhile", {"y n Enter Space a press@30,80 press@80,80", 0, 1, 4}, true, 0, 1},
        {"exposed meanwhile", {"expose", 0, 1, 4}, true, 0, 2},
        {"Escape meanwhile", {"Escape", 0, 1}, false, 1, 1},
        {"the window's close meanwhile", {"quit", 0, 3}, false, 1, 1},
#ifndef _WIN32
        {"SIGTERM meanwhile", {"", SIGTERM, 1}, false, 1, 1},
        {"SIGUSR1 meanwhile", {"", SIGUSR1, 2}, false, 1, 1},
#endif
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        ed.run.running      = true;
        ed.run.end          = end_asked;
        ed.window.on_screen = {};
        const Uint32 sent   = ed.window.pictures_sent;
        scripted_work work  = r.work;
        // 1: running otherwise, 2: stopped otherwise, 4: asked after the stop, 8: other pictures, 16: no line
        EXPECT_EQ(checked(r.work.sig,
                          [&] {
                              working_screen(ed, "Reading Legend of Zel...07-183512.png...", work.work());
                              return (ed.run.running == r.running ? 0 : 1) |
                                     (work.stopped == r.stopped ? 0 : 2) | (work.asked_after_stop ? 4 : 0) |
                                     (ed.window.pictures_sent - sent == r.sent ? 0 : 8) |
                                     (shows(ed, 35, 128, "Reading Legend of Zel...07-183512.png...") ? 0
                                                                                                     : 16);
                          })
                      .first,
                  0);
        for (SDL_Event left; SDL_PollEvent(&left);) {
        }
    }
}

// A picture being read when the run ends - Escape, the window's close - is
// given up: the read stopped and waited for, the built-in background kept,
// nothing said of the picture. An 8K screenshot, so that the end most likely
// finds it mid-way (and a BMP, read by SDL), named with --bg. (A signal sent
// meanwhile by another process: exits_test's row read.)
TEST_F(startup_test, a_picture_being_read_when_the_run_ends_is_given_up_and_nothing_said_of_it) {
    write_file("8k.png", flat_png(7680, 4320, 8, false, 0x00FF80));
    write_file("8k.bmp", picture_file(picture_bmp, 1920, 1440, [](int, int) { return 0x00FF80u; }));
    // clang-format off
    const struct { const char* file; const char* events; } rows[] = {{"8k.png", "Escape"}, {"8k.bmp", "quit"}};
    ed.clock.screen_delay_ms = 0;
    SDL_Surface* built_in    = copy_of(ed.pictures.background);
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.file << " " << r.events);
        ed.run.running   = true;
        ed.files.bg_path = std::filesystem::absolute(r.file).string();
        push_script(r.events);
        EXPECT_EQ(stderr_of([&] { background_prompt(ed); }), "");
        EXPECT_FALSE(ed.run.running);
        EXPECT_EQ(ed.files.bg_choice, answer_none) << "not taken";
        EXPECT_TRUE(same_pixels(ed.pictures.background, built_in)) << "the built-in background kept";
    }
    SDL_FreeSurface(built_in);
}

TEST_F(startup_test, a_file_there_but_unreadable_is_said_and_noted_on_every_start_up_screen) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: permissions, resource limits and fork";
#else
    // White pixels in the rows from y down, where the notes go (the count-down's splash has none there).
    auto noted = [&](int y, int lines) {
        int n = 0;
        for (int row = y; row < y + 16 * lines && row < 320; row++)
            for (int x = 0; x < 320; x++) n += (pixel_at(ed.window.screen, x, row) & 0xFFFFFF) == 0xFFFFFF;
        return n;
    };
    const uid_t nobody = geteuid() == 0 ? 65534 : geteuid();
    // clang-format off
    const char* too_long = "a file of more than 4 MiB, longer than any code file";
    const struct { const char* what; std::vector<const char*> unreadable; bool descriptors; const char* why; uintmax_t size = 0; } rows[] = {
        {"basecode.txt, no permission", {"basecode.txt"}, false, "Permission denied"},
        {"code.unsaved.txt and basecode.txt, no permission", {unsaved_file, "basecode.txt"}, false, "Permission denied"},
        {"all three, no permission", {unsaved_file, "code.txt", "basecode.txt"}, false, "Permission denied"},
        {"basecode.txt, no descriptor left", {"basecode.txt"}, true, "Too many open files"},
        // a sparse file of 1 TiB, refused from its size: read, it would hold the screens for hours
        {"all three of 1 TiB", {unsaved_file, "code.txt", "basecode.txt"}, false, too_long, uintmax_t(1) << 40},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        restart();
        for (const char* f : {"basecode.txt", unsaved_file, "code.txt", "bg.bmp"}) std::remove(f);
        std::string want; // a line each, in the order they are asked about
        for (const char* f : r.unreadable) {
            want += "hudwright: cannot read " + std::string(f) + ": " + r.why + "\n";
            write_file(f, "812114C6 0010\n");
            if (r.size) std::filesystem::resize_file(f, r.size);
            (void)chown(f, nobody, nobody);
            if (!r.descriptors && !r.size) chmod(f, 0);
        }
        const auto [status, said] = checked(true, [&] {
            if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) return 99;
            const int lines = int(r.unreadable.size());
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
            return seen | (ed.run.running && changes(ed.design.model).empty() ? 0 : 8);
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(said, want);
    }
#endif
}

// What a quit cut short left beside the folder's kept files (a quit killed
// after its file was written, before it took its name): at the next start,
// the user's own whose process is gone is kept under the name when that is
// free - and then offered - else under the first free numbered one; the very
// text the name holds goes. Another user's, or one of a process that runs,
// stays as it is.
TEST_F(startup_test, what_a_quit_cut_short_left_is_kept_under_its_name_and_offered) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: fork, process ids and owners";
#else
    const pid_t ended = fork(); // a process id that is no longer in use
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string gone = std::to_string(ended), alive = std::to_string(getppid());
    const std::string work = "812114C6 0010\n", other = "812114C6 0020\n", said = "hudwright: ";
    const bool root = geteuid() == 0;
    // clang-format off
    const struct {
        const char* name; std::string pid; bool another; std::string there; // what the name held ("": nothing)
        std::string at_name, at_one; bool left; std::string told; bool offered;
    } rows[] = {
        {unsaved_file, gone, false, "", work, "", false, "kept as code.unsaved.txt", true},
        {unsaved_file, gone, false, other, other, work, false, "kept as code.unsaved.1.txt", true},
        {unsaved_file, gone, false, work, work, "", false, "", true},
        {unsaved_file, alive, false, "", "", "", true, "", false},
        {unsaved_file, gone, true, "", root ? "" : work, "", root, root ? "" : "kept as code.unsaved.txt", !root},
        {earlier_file, gone, false, other, other, work, false, "kept as code.earlier.1.txt", false},
    };
    // clang-format on
    for (auto& r : rows) {
        const std::string left = std::string(r.name) + ".tmp" + r.pid + "-0";
        SCOPED_TRACE(left + (r.another ? " of another user" : "") + " beside " +
                     (r.there.empty() ? "nothing" : r.there));
        for (const char* f :
             {unsaved_file, "code.unsaved.1.txt", earlier_file, "code.earlier.1.txt", "code.txt"})
            std::remove(f);
        if (!r.there.empty()) write_file(r.name, r.there);
        write_file(left, work);
        if (r.another && root) {
            ASSERT_EQ(chown(left.c_str(), 65533, 65533), 0);
        }
        restart();
        const std::string told = stderr_of([&] { look_for_start_files(ed); });
        EXPECT_EQ(told, r.told.empty() ? "" : said + left + ", left by an end cut short, " + r.told + "\n");
        EXPECT_EQ(read_file(r.name), r.at_name);
        EXPECT_EQ(read_file(numbered_name(r.name, 1)), r.at_one);
        EXPECT_EQ(std::filesystem::exists(left), r.left);
        EXPECT_EQ(kept_work_differs(ed), r.offered) << "Code.unsaved.txt found. Use it?";
        std::remove(left.c_str());
    }
#endif
}

// The way out of a long import, asked between its chunks: the events of the
// meanwhile drained as on every screen - Escape, the window's close and a
// signal end the run, a click or a key does not (and is dropped).
TEST_F(startup_test, an_import_is_ended_by_escape_the_windows_close_or_a_signal) {
    // clang-format off
    const struct { const char* events; int signal; bool ended; } rows[] = {
        {"", 0, false}, {"a Enter click@35,85", 0, false}, {"Escape", 0, true}, {"quit", 0, true},
        {"y Escape n", 0, true},
#ifndef _WIN32
        {"", SIGTERM, true}, {"a", SIGHUP, true},
#endif
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.events << " " << r.signal);
        restart();
        push_script(r.events);
        // 1: ended otherwise, 2: running otherwise, 4: not ended by the signal, 8: events left
        EXPECT_EQ(checked(r.signal,
                          [&] {
                              if (r.signal) std::raise(r.signal); // recorded, and seen by the next drain
                              const bool ended = import_ended(ed);
                              SDL_Event left;
                              return (ended == r.ended ? 0 : 1) | (ed.run.running == !r.ended ? 0 : 2) |
                                     (r.signal && ed.run.end != end_signal ? 4 : 0) |
                                     (SDL_PollEvent(&left) ? 8 : 0);
                          })
                      .first,
                  0);
    }
}

} // namespace
