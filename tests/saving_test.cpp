// saving_test.cpp - the save button's note in the panel, and what quitting
// keeps: code.unsaved.txt holds the changes not saved, written only when
// there are some, and never over code.txt.
#include "editor/unsaved.h"
#include "model/export.h"
#include "support.h"

#include <filesystem>

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

} // namespace
