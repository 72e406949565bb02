// saving_test.cpp - the save button's note in the panel and a failed save's
// reason there, clear of every control; a code.txt that another program wrote
// replaced only by a second save soon after; the folder followed by its path;
// and what quitting keeps: code.unsaved.txt holds the changes not saved,
// written only when there are some, and never over code.txt.
#include "draw/rect.h"
#include "editor/unsaved.h"
#include "model/export.h"
#include "model/file_io.h"
#include "support.h"

#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;

struct saving : editor_test {
    // Pixels of the save note's area that are not black, in the last frame.
    int note_pixels() const {
        int n = 0;
        for (int y = save_note_area.y; y < save_note_area.y + save_note_area.h; y++)
            for (int x = save_note_area.x; x < save_note_area.x + save_note_area.w; x++)
                n += (pixel_at(ed.screen, x, y) & 0xFFFFFF) != 0;
        return n;
    }
    // The editor started afresh, the events (push_script) and, unless they
    // close the window, Escape, and its loop run: what it said.
    std::string quit_after(const std::string& events) {
        restart();
        push_script(events + (events.find("quit") == std::string::npos ? " Escape" : ""));
        return stderr_of([&] { editor_loop(ed); });
    }
};

TEST_F(saving, a_good_save_shows_its_note_for_a_second_and_a_failed_one_until_the_next_press) {
    passes(1);
    EXPECT_EQ(note_pixels(), 0) << "no note in an untouched window";
    click(ctl_save);
    passes(1);
    const int saved = note_pixels();
    EXPECT_GT(saved, 0);
    ed.now_ms += saved_note_ms - 1;
    passes(1);
    EXPECT_EQ(note_pixels(), saved);
    ed.now_ms += 1;
    passes(1);
    EXPECT_EQ(note_pixels(), 0);

    fs::remove("code.txt");
    fs::create_directory("code.txt");
    click(ctl_save);
    // the system's reason follows: a directory on Linux, no permission on Windows
    EXPECT_EQ(stderr_of([&] { passes(1); }).rfind("hudwright: cannot save code.txt: ", 0), 0u);
    const int failed = note_pixels();
    EXPECT_TRUE(ed.note == note_failed && failed > saved) << "NOT SAVED, dark on white";
    ed.now_ms += 60000;
    push_key(SDLK_RIGHT);
    passes(1);
    EXPECT_EQ(note_pixels(), failed) << "a minute and a key later";
    push_press(150, 300);
    passes(1); // the selector's name: no control
    EXPECT_EQ(note_pixels(), 0);
}

TEST_F(saving, quitting_with_changes_not_saved_keeps_them_in_code_unsaved_txt_and_only_then) {
    std::string hearts; // the Hearts selected: a place the game does not keep
    for (int i = 0; i < el_hearts; i++) hearts += "click:selector_plus ";
    // clang-format off
    const struct { std::string events; bool kept; } rows[] = {
        {"", false}, {"Right", true}, {"Right Left", false}, {"Right click:save", false},
        {"Right click:save Right", true}, {hearts + "Right Right", false}, {"Right quit", true}};
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.events);
        fs::remove("code.txt");
        fs::remove(unsaved_file);
        EXPECT_EQ(quit_after(r.events),
                  r.kept ? "hudwright: unsaved changes written to code.unsaved.txt\n" : "");
        EXPECT_EQ(fs::exists(unsaved_file), r.kept);
        char text[export_capacity];
        const std::string code(text, format_codes(ed.model, text, sizeof text));
        EXPECT_TRUE(!r.kept || (read_file(unsaved_file) == code && !code.empty())) << code;
    }

    // A failed save is no save; a code.unsaved.txt that is code.txt is left alone.
    fs::remove(unsaved_file);
    fs::create_directory("code.txt");
    quit_after("Right click:save");
    EXPECT_EQ(read_file(unsaved_file), "812114C6 00BB\n");
    // an older code.unsaved.txt beside a code.txt is another file, replaced
    // (Windows' stat gives every file inode 0)
    fs::remove("code.txt");
    write_file("code.txt", "kept\n");
    EXPECT_EQ(quit_after("Right"), "hudwright: unsaved changes written to code.unsaved.txt\n");
    EXPECT_EQ(read_file(unsaved_file), "812114C6 00BB\n");
#ifndef _WIN32 // links are POSIX's; Windows follows none
    fs::remove("code.txt");
    fs::remove(unsaved_file);
    write_file("code.txt", "kept\n");
    fs::create_symlink("code.txt", unsaved_file);
    EXPECT_EQ(quit_after("Right"), "hudwright: cannot save code.unsaved.txt: it is code.txt\n");
    EXPECT_EQ(read_file("code.txt"), "kept\n");
#endif
}

// Each reason: made happen in a folder of its own (those that need POSIX or
// another user in a child process, which gives its reason back), then its
// line on standard error.
TEST_F(saving,
       a_failed_save_says_why_in_the_window_and_in_full_on_standard_error){// clang-format off
    const struct { const char* what; void (*make)(const fs::path&); save_reason reason; const char* said; bool child; } rows[] = {
        {"code.txt a folder", [](const fs::path& d) { fs::create_directory(d / "code.txt"); },
#ifdef _WIN32
         reason_no_permission, "Permission denied", false}, // Windows' word for it
#else
         reason_is_folder, "Is a directory", false},
#endif
        {"the folder gone", [](const fs::path& d) { fs::remove(d); }, reason_no_folder, "No such file or directory", false},
        {"code.txt written by another program", [](const fs::path& d) { write_file((d / "code.txt").string(), "x\n"); },
         reason_changed_on_disk,
         "it changed on disk since this editor read or saved it (save again within 5 seconds to replace it)", false},
#ifndef _WIN32
        {"a full disk", [](const fs::path& d) { fs::create_symlink("/dev/full", d / "code.txt"); }, reason_disk_full,
         "No space left on device", false},
        {"a folder that may not be written", [](const fs::path& d) {
             chmod(d.c_str(), 0555);
             if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
         }, reason_no_permission, "", true},
        {"any other reason (a file size limit)", [](const fs::path&) {
             const rlimit tiny{5, 5};
             std::signal(SIGXFSZ, SIG_IGN);
             setrlimit(RLIMIT_FSIZE, &tiny);
         }, reason_other, "", true},
#endif
    };
// clang-format on
for (auto& r : rows) {
    SCOPED_TRACE(r.what);
    ed.folder = dir.path + "/" + r.what; // the editor opens there, then the folder changes
    fs::create_directory(ed.folder);
    start_editor_state(ed);
    pos(el_a_button).x++;
    const std::string said = stderr_of([&] {
#ifndef _WIN32
        if (r.child) {
            EXPECT_EQ(in_child([&] {
                          r.make(ed.folder);
                          save_layout(ed);
                          _exit(ed.note == note_failed ? ed.note_reason : 90);
                      }),
                      r.reason);
            return;
        }
#endif
        r.make(ed.folder);
        click(ctl_save);
        drain();
    });
    if (r.child) continue;
    EXPECT_TRUE(ed.note == note_failed && ed.note_reason == r.reason) << ed.note << " " << ed.note_reason;
    EXPECT_EQ(said, std::string("hudwright: cannot save code.txt: ") + r.said + "\n");
}
}

// Every reason's two lines (one line, NOT SAVED, without a reason) lie right
// of the selector's "+", in no control's box, and each shows.
TEST_F(saving, every_reason_shows_clear_of_every_control) {
    passes(1);
    SDL_Surface* plain = copy_of(ed.screen);
    std::vector<SDL_Surface*> shown;
    const SDL_Rect& plus = panel_table[ctl_selector_plus].box;
    for (const save_reason_row& row : save_reasons) {
        ed.note        = note_failed;
        ed.note_reason = row.reason;
        passes(1);
        int changed = 0, outside = 0;
        for (int y = 240; y < 320; y++)
            for (int x = 0; x < 320; x++) {
                if (pixel_at(ed.screen, x, y) == pixel_at(plain, x, y)) continue;
                changed++;
                outside += x < plus.x + plus.w || (!*row.text && !inside(save_note_area, x, y));
                for (const panel_row& control : panel_table) outside += inside(control.box, x, y);
            }
        EXPECT_TRUE(changed > 0 && outside == 0) << row.text << ": " << outside << " of " << changed;
        for (SDL_Surface* other : shown) EXPECT_FALSE(same_pixels(other, ed.screen)) << row.text;
        shown.push_back(copy_of(ed.screen));
    }
    for (SDL_Surface* s : shown) SDL_FreeSurface(s);
    SDL_FreeSurface(plain);
}

// Steps in letters: s a save by this editor (the A Button one pixel right), b
// one by a second editor opened at the same time in the same folder (two
// pixels right), o and p another program writing code.txt, k one writing the
// bytes of the last save again, r code.txt removed, w six seconds passing.
// code.txt holds "kept" when both open.
TEST_F(saving, a_code_txt_another_program_or_editor_wrote_is_replaced_only_by_a_second_save_soon_after) {
    const std::string ours = "812114C6 00BB\n", theirs = "812114C6 00BC\n";
    // clang-format off
    const struct { const char* steps; bool saved; const std::string& code; } rows[] = {
        {"s", true, ours}, {"os", false, "other\n"}, {"oss", true, ours},
        {"osws", false, "other\n"}, {"oswss", true, ours},        // too late: told again, and the next save replaces
        {"ospss", true, ours}, {"osps", false, "other again\n"},  // changed again since it was told: told again
        {"sos", false, "other\n"}, {"sks", true, ours}, {"ors", true, ours},
        {"bs", false, theirs}, {"bss", true, ours}, {"sb", false, ours}, {"bsb", true, theirs}, // two editors
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.steps);
        restart();
        write_file("code.txt", "kept\n");
        start_editor_state(ed);
        editor second{}; // sharing nothing but the folder
        second.folder = ed.folder;
        second.model  = ed.model;
        second.model.elements[el_a_button].pos.x += 2;
        second.code_on_disk = look_at(in_folder(second, code_file).c_str());
        pos(el_a_button).x++;
        editor* last = &ed;
        stderr_of([&] {
            for (const char* c = r.steps; *c; c++) switch (*c) {
                case 's': click(ctl_save), drain(), last = &ed; break;
                case 'b': save_layout(second), last = &second; break;
                case 'o': write_file("code.txt", "other\n"); break;
                case 'p': write_file("code.txt", "other again\n"); break;
                case 'k': fs::remove("code.txt"), write_file("code.txt", ours); break;
                case 'r': fs::remove("code.txt"); break;
                case 'w': ed.now_ms += 6000, second.now_ms += 6000; break;
                }
        });
        EXPECT_EQ(last->note, r.saved ? note_saved : note_failed);
        EXPECT_EQ(read_file("code.txt"), r.code);
    }
}

// The files are reached by the folder's path: removed and made again, it is
// found again, and messages keep naming the files plainly. The path is the
// shell's name for the folder ($PWD) when that names it, and a relative DIR is
// taken from there.
TEST_F(saving, the_folder_is_followed_by_its_path_when_it_is_removed_and_made_again) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: a folder in use cannot be removed on Windows, and no links";
#else
    pos(el_a_button).x++;
    const std::string now = fs::current_path().string();
    EXPECT_EQ(ed.folder, now);
    fs::remove_all(now);
    EXPECT_EQ(stderr_of([&] { click(ctl_save), drain(); }),
              "hudwright: cannot save code.txt: No such file or directory\n");
    EXPECT_EQ(ed.note_reason, reason_no_folder);
    fs::create_directory(now);
    click(ctl_save);
    drain();
    EXPECT_EQ(ed.note, note_saved);
    EXPECT_EQ(read_file(now + "/code.txt"), "812114C6 00BB\n");
    pos(el_a_button).x++;
    fs::remove_all(now);
    fs::create_directory(now);
    EXPECT_EQ(stderr_of([&] { keep_unsaved_changes(ed); }),
              "hudwright: unsaved changes written to code.unsaved.txt\n");
    EXPECT_EQ(read_file(now + "/code.unsaved.txt"), "812114C6 00BC\n");

    const char* pwd        = std::getenv("PWD");
    const std::string kept = pwd ? pwd : "";
    fs::current_path(now);
    fs::create_directory_symlink(now, now + ".link");
    // clang-format off
    const struct { std::string pwd; const char* dir; std::string folder; } rows[] = {
        {now + ".link", nullptr, now + ".link"}, {now + ".link", "hud", now + ".link/hud"},
        {"/", nullptr, now}, {"relative", "hud", now + "/hud"}, {now, "/elsewhere", "/elsewhere"},
    };
    // clang-format on
    for (auto& r : rows) {
        setenv("PWD", r.pwd.c_str(), 1);
        EXPECT_EQ(folder_path(r.dir), r.folder) << r.pwd;
    }
    pwd ? setenv("PWD", kept.c_str(), 1) : unsetenv("PWD");
    fs::remove(now + ".link");
#endif
}

} // namespace
