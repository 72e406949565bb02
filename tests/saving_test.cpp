// saving_test.cpp - the save button's note in the panel and a failed save's
// reason there, clear of every control; code.txt and code.cht written
// together or not at all; a code.txt that another program wrote replaced only
// by a second save, and what a save replaces kept as code.earlier.txt; the
// folder followed by its path; and what quitting keeps: code.unsaved.txt holds
// the changes not saved, written only when there are some, never over
// code.txt nor over other work but the file the sitting started from, and in
// the user's state folder when the folder takes no file.
#include "draw/rect.h"
#include "editor/ending.h"
#include "editor/file_names.h"
#include "editor/save.h"
#include "editor/unsaved.h"
#include "files/file_io.h"
#include "files/refuge.h"
#include "model/export.h"
#include "support.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifdef __linux__
#include <cstddef>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifdef __linux__
// From here on this process is killed, as by SIGKILL, the moment it makes the
// system call nr (the filter lets every other one through).
void killed_at(long nr) {
    sock_filter code[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(nr), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter = {static_cast<unsigned short>(std::size(code)), code};
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
        prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
        _exit(97);
}
#endif

#ifndef _WIN32
// text with each {N} replaced by the folder of refuge N.
std::string in_refuges(std::string text, const std::vector<refuge>& refuges) {
    for (size_t at; (at = text.find('{')) != std::string::npos;)
        text.replace(at, 3, refuges[size_t(text[at + 1] - '0')].folder);
    return text;
}
#endif

struct saving : editor_test {
    // Pixels of the save note's area that are not black, in the last frame.
    int note_pixels() const {
        int n = 0;
        for (int y = save_note_area.y; y < save_note_area.y + save_note_area.h; y++)
            for (int x = save_note_area.x; x < save_note_area.x + save_note_area.w; x++)
                n += (pixel_at(ed.window.screen, x, y) & 0xFFFFFF) != 0;
        return n;
    }
};

TEST_F(saving, a_good_save_shows_its_note_for_a_second_and_a_failed_one_until_the_next_press) {
    passes(1);
    EXPECT_EQ(note_pixels(), 0) << "no note in an untouched window";
    click(ctl_save);
    passes(1);
    const int saved = note_pixels();
    EXPECT_GT(saved, 0);
    ed.clock.now_ms += panel_notes[note_saved].lasts_ms - 1;
    passes(1);
    EXPECT_EQ(note_pixels(), saved);
    ed.clock.now_ms += 1;
    passes(1);
    EXPECT_EQ(note_pixels(), 0);

    fs::remove("code.txt");
    fs::create_directory("code.txt");
    click(ctl_save);
    // the system's reason follows: a directory on Linux, no permission on Windows
    EXPECT_EQ(stderr_of([&] { passes(1); }).rfind("hudwright: cannot save code.txt: ", 0), 0u);
    const int failed = note_pixels();
    EXPECT_TRUE(ed.note.shown == note_failed && failed > saved) << "NOT SAVED, dark on white";
    ed.clock.now_ms += 60000;
    push_key(SDLK_RIGHT);
    passes(1);
    EXPECT_EQ(note_pixels(), failed) << "a minute and a key later";
    push_press(150, 300);
    passes(1); // the selector's name: no control
    EXPECT_EQ(note_pixels(), 0);
}

// What code.unsaved.txt held before the editor started ("": nothing), whether
// code.txt was a folder, which fails every save, and what is kept aside as
// code.unsaved.1.txt: on every system (the next test has the rest).
TEST_F(saving, quitting_with_changes_not_saved_keeps_them_in_code_unsaved_txt_and_only_then) {
    std::string hearts; // the Hearts selected: a place the game does not keep
    for (int i = 0; i < el_hearts; i++) hearts += "click:selector_plus ";
    const std::string written = "hudwright: unsaved changes written to code.unsaved.txt\n";
    // clang-format off
    const struct { std::string events, said, held = ""; bool no_save = false; std::string aside = ""; } rows[] = {
        {"", ""}, {"Right", written}, {"Right Left", ""}, {"Right click:save", ""},
        {"Right click:save Right", written}, {hearts + "Right Right", ""}, {"Right quit", written},
        {"Right click:save", written, "", true}, // a failed save is no save
        {"Right", "hudwright: unsaved changes already in code.unsaved.txt\n", "812114C6 00BB\n"},
        {"Right", "hudwright: the earlier code.unsaved.txt kept as code.unsaved.1.txt\n" + written, "812114C4 00CA\n",
         false, "812114C4 00CA\n"},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.events + (r.held.empty() ? "" : " over " + r.held));
        for (const char* f : {"code.txt", unsaved_file, "code.unsaved.1.txt"}) fs::remove_all(f);
        if (r.no_save) fs::create_directory("code.txt");
        if (!r.held.empty()) write_file(unsaved_file, r.held);
        restart();
        push_script(r.events + (r.events.find("quit") == std::string::npos ? " Escape" : ""));
        std::string said = stderr_of([&] {
            editor_loop(ed);
            EXPECT_EQ(finish_run(ed), 0);
        });
        if (r.no_save) said.erase(0, said.find('\n') + 1); // the failed save's line: a_failed_save_says_why's
        EXPECT_EQ(said, r.said);
        const std::string code = codes_of(ed.design.model);
        EXPECT_EQ(fs::exists(unsaved_file) ? read_file(unsaved_file) : "none",
                  !r.said.empty() && !code.empty() ? code : "none");
        EXPECT_EQ(fs::exists("code.unsaved.1.txt") ? read_file("code.unsaved.1.txt") : "", r.aside);
    }
}

// The editor ends with the A Button one pixel right and this in its folder:
// where its changes go, what becomes of what stood at code.unsaved.txt and of
// code.txt, what it says and its status. Each quit in a child process of its
// own, in a folder of its own, after the teardown as in the program; so are
// the state folder (XDG_STATE_HOME), the home (HOME) and the temporary folder
// (TMPDIR), whose refuges {0}, {1} and {2} are tried in turn. (Nothing
// there, the same changes there and an earlier quit's are the last test's.)
TEST_F(saving, a_quit_keeps_the_changes_beside_code_txt_else_in_the_state_folder_and_never_over_other_work) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: links, permissions, resource limits and fork";
#else
    const std::string ours = "812114C6 00BB\n", earlier = "812114C4 00CA\n";
    ed.design.model.elements[el_a_button].pos.x = 187;
    enum where { beside, state_refuge, home_refuge, last_refuge, nowhere }; // in the order they are tried
    const bool root = geteuid() == 0;
    const rlimit tiny{5, 5};
    auto as_nobody = [root] {
        if (root && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    };
    auto state_a_file = [] { // XDG_STATE_HOME names a file
        fs::remove_all(std::getenv("XDG_STATE_HOME"));
        write_file(std::getenv("XDG_STATE_HOME"), "x\n");
    };
    auto home_a_file = [] { // nor is there a home to keep state in
        fs::remove_all(std::getenv("HOME"));
        write_file(std::getenv("HOME"), "x\n");
    };
    auto take = [&](const std::string& text) { // the sitting started from code.unsaved.txt holding text
        write_file(unsaved_file, text);
        ed.files.unsaved_choice = answer_yes;
        ed.files.taken_file     = fingerprint_of(unsaved_file);
    };
    auto written_in = [](const std::string& place) {
        return "hudwright: unsaved changes written to " + place;
    };
    const std::string cannot = "hudwright: cannot save code.unsaved.txt: ",
                      here   = written_in("code.unsaved.txt\n"),
                      moved  = "hudwright: the earlier code.unsaved.txt kept as code.unsaved.1.txt\n" + here,
                      is_folder = cannot + "Is a directory\n", denied = cannot + "Permission denied\n",
                      in_state = written_in("{0}/code.unsaved.txt\n"),
                      no_state = is_folder + "hudwright: cannot save in {0}: Not a directory\n",
                      neither  = no_state + "hudwright: cannot save in {1}: Not a directory\n",
                      lost     = "hudwright: the changes not saved are lost: they could be written nowhere\n";
    // clang-format off
    const struct row {
        const char* what;
        std::function<void()> before;  // in the folder, in the child
        where kept;
        std::string said;               // {N}: the folder of refuge N
        std::string then = "";          // what code.unsaved.1.txt holds then ("->x": a link to x; "": none)
        const char* code = nullptr;     // what code.txt holds then (nullptr: none)
    } rows[] = {
        {"the file this sitting started from", [&] { take(earlier); }, beside, here},
        {"the file it started from, written again since", [&] { take(earlier); write_file(unsaved_file, "1\n"); },
         beside, moved, "1\n"},
        {"the file it started from, all saved since", [&] { take(earlier); ed.design.saved = capture(ed.design.model); },
         beside, "hudwright: code.unsaved.txt now holds the layout saved in code.txt\n"},
        {"two earlier quits' changes", [&] { write_file(unsaved_file, earlier); write_file("code.unsaved.1.txt", "1\n"); },
         beside, "hudwright: the earlier code.unsaved.txt kept as code.unsaved.2.txt\n" + here, earlier},
        {"a link to code.txt", [] { write_file("code.txt", "kept\n"); fs::create_symlink("code.txt", unsaved_file); },
         beside, moved, "->code.txt", "kept\n"},
        {"a dangling link to code.txt", [] { fs::create_symlink("code.txt", unsaved_file); }, beside, moved,
         "->code.txt"},
        {"a folder of that name", [] { fs::create_directory(unsaved_file); }, state_refuge, is_folder + in_state},
        {"a folder only others may write", [&] { chmod(".", 0555); as_nobody(); }, state_refuge, denied + in_state},
        {"the folder deleted", [] { fs::remove(fs::current_path()); }, state_refuge,
         cannot + "No such file or directory\n" + in_state},
        // the state folder unusable: ~/.local/state, then the last place
        {"XDG_STATE_HOME a file", [&] { state_a_file(); fs::create_directory(unsaved_file); }, home_refuge,
         no_state + written_in("{1}/code.unsaved.txt\n")},
        {"XDG_STATE_HOME a folder only others may write", [&] {
             chmod(std::getenv("XDG_STATE_HOME"), 0755);
             chmod(".", 0555);
             as_nobody();
         }, root ? home_refuge : state_refuge,
         denied + (root ? "hudwright: cannot save in {0}: Permission denied\n" + written_in("{1}/code.unsaved.txt\n")
                        : in_state)},
        {"neither XDG_STATE_HOME nor HOME usable", [&] { state_a_file(); home_a_file(); fs::create_directory(unsaved_file); },
         last_refuge, neither + written_in("{2}/code.unsaved.txt\n")},
        {"the last place open to others", [&] {
             state_a_file();
             home_a_file();
             fs::create_directory(unsaved_file);
             const std::string last = refuges_of("/")[2].base;
             fs::create_directory(last);
             chmod(last.c_str(), 0777); // anyone could read or replace the work there
         }, nowhere, neither + "hudwright: cannot save in {2}: it is not the user's own folder alone\n" + lost},
        {"no descriptor left while it ran", [] {
             const rlimit few{64, 64};
             setrlimit(RLIMIT_NOFILE, &few);
             while (open("/dev/null", O_RDONLY) >= 0) {
             }
         }, beside, here},
        {"a full disk everywhere", [&] { std::signal(SIGXFSZ, SIG_IGN); setrlimit(RLIMIT_FSIZE, &tiny); }, nowhere, cannot + "File too large\nhudwright: cannot save {0}/code.unsaved.txt: File too large\n"
         "hudwright: cannot save {1}/code.unsaved.txt: File too large\nhudwright: cannot save {2}/code.unsaved.txt: File too large\n"
         + lost},
    };
    // clang-format on
    const environment_kept kept_env({"XDG_STATE_HOME", "HOME", "TMPDIR"});
    for (size_t i = 0; i < std::size(rows); i++) {
        const row& r = rows[i];
        SCOPED_TRACE(r.what);
        const std::string folder = dir.path + "/" + std::to_string(i);
        fs::create_directory(folder);
        for (const char* place : {"XDG_STATE_HOME", "HOME", "TMPDIR"}) {
            const std::string made = folder + "." + place;
            fs::create_directory(made);
            chmod(made.c_str(), 0777); // for the unprivileged user too
            setenv(place, made.c_str(), 1);
        }
        const std::vector<refuge> refuges = refuges_of(fs::canonical(folder).string());
        ASSERT_EQ(refuges.size(), 3u);
        const auto [status, said] = said_in_child([&] {
            if (chdir(folder.c_str()) != 0) _exit(4);
            ed.files.folder = folder_path(nullptr);
            r.before();
            tear_down(ed);
            _exit(finish_run(ed));
        });
        chmod(folder.c_str(), 0755);
        EXPECT_EQ(status, r.kept == nowhere ? 1 : 0);
        EXPECT_EQ(said, in_refuges(r.said, refuges));
        for (size_t k = 0; k < 4; k++) { // the work in the one place it went to
            const std::string there = (k ? refuges[k - 1].folder : folder) + "/" + unsaved_file;
            EXPECT_EQ(fs::is_regular_file(there) ? read_file(there) : "-", r.kept == where(k) ? ours : "-")
                << k;
        }
        const fs::path one = folder + "/code.unsaved.1.txt", two = folder + "/code.unsaved.2.txt";
        const std::string then = fs::is_symlink(one) ? "->" + fs::read_symlink(one).string()
                                 : fs::exists(two)   ? read_file(two.string())
                                                     : read_file(one.string());
        EXPECT_EQ(then, r.then);
        EXPECT_EQ(fs::exists(folder + "/code.txt") ? read_file(folder + "/code.txt") : "none",
                  r.code ? r.code : "none");
    }
#endif
}

// What a folder holds: each name with its file's bytes, "->" and a link's
// target, or what else it is.
std::map<std::string, std::string> held_in(const fs::path& folder) {
    std::map<std::string, std::string> held;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p           = it->path();
        held[p.filename().string()] = fs::is_symlink(p)        ? "->" + fs::read_symlink(p).string()
                                      : fs::is_regular_file(p) ? read_file(p.string())
                                                               : "(no file)";
    }
    return held;
}

// Each reason, for either file: made happen in a folder of its own where the
// editor opened with both files there (those that need POSIX or another user
// in a child process, which gives its reason back), then its line on standard
// error; the folder is left as it was.
TEST_F(
    saving,
    a_failed_save_says_why_in_the_window_and_in_full_on_standard_error_and_leaves_both_files_as_they_were) {
    constexpr fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    // clang-format off
    const struct { const char* what; void (*make)(const fs::path&); save_reason reason; const char* said; bool child; bool root = false; } rows[] = {
        {"code.txt a folder", [](const fs::path& d) { fs::remove(d / "code.txt"), fs::create_directory(d / "code.txt"); },
         reason_is_folder, "code.txt: Is a directory", false},
        {"code.cht a folder", [](const fs::path& d) { fs::remove(d / "code.cht"), fs::create_directory(d / "code.cht"); },
         reason_is_folder, "code.cht: Is a directory", false},
        {"the folder gone", [](const fs::path& d) { fs::remove_all(d); }, reason_no_folder,
         "code.txt: No such file or directory", false},
        {"code.txt written by another program", [](const fs::path& d) { write_file((d / "code.txt").string(), "x\n"); },
         reason_changed_on_disk, "code.txt: it changed on disk since this editor read or saved it "
         "(save again to replace it; it is then kept as code.earlier.txt)", false},
        {"code.txt read-only", [](const fs::path& d) { fs::permissions(d / "code.txt", read_only); },
         reason_read_only_file, "code.txt: it is read-only", false},
        {"code.cht read-only", [](const fs::path& d) { fs::permissions(d / "code.cht", read_only); },
         reason_read_only_file, "code.cht: it is read-only", false},
#ifndef _WIN32
        {"a full disk", [](const fs::path& d) { fs::remove(d / "code.txt"), fs::create_symlink("/dev/full", d / "code.txt"); },
         reason_disk_full, "code.txt: No space left on device", false},
        {"code.cht on a full disk", [](const fs::path& d) { fs::remove(d / "code.cht"), fs::create_symlink("/dev/full", d / "code.cht"); },
         reason_disk_full, "code.cht: No space left on device", false},
        {"code.cht a pipe nobody reads", [](const fs::path& d) { fs::remove(d / "code.cht"), mkfifo((d / "code.cht").c_str(), 0600); },
         reason_other, "code.cht: No such device or address", false},
        {"a folder that may not be written", [](const fs::path& d) {
             chmod(d.c_str(), 0555);
             if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
         }, reason_no_permission, "", true},
        // another user's link (code.txt's, and chains and dangling ones, as export's
        // a_link_is_followed_only_when_the_user_or_root_made_it)
        {"code.cht a link another user made to a link of the user's", [](const fs::path& d) {
             fs::create_symlink("/dev/null", d / "null");
             fs::remove(d / "code.cht");
             fs::create_symlink("null", d / "code.cht");
             if (lchown((d / "null").c_str(), 65533, 65533) != 0) std::abort();
         }, reason_untrusted_link, "code.cht: it is a link that another user made, which is not followed", false, true},
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
#ifndef _WIN32
        if (r.root && geteuid() != 0) continue; // another user's link: made by root only
#endif
        ed.files.folder = dir.path + "/" + r.what; // the editor opens there, then the folder changes
        fs::create_directory(ed.files.folder);
        write_file(ed.files.folder + "/code.txt", "812114C4 00CA\n");
        write_file(ed.files.folder + "/code.cht", "cheats = 0\n");
        start_editor_state(ed);
        pos(el_a_button).x++;
        if (!r.child) r.make(ed.files.folder);
        const auto before      = held_in(ed.files.folder);
        const std::string said = stderr_of([&] {
#ifndef _WIN32
            if (r.child) {
                EXPECT_EQ(in_child([&] {
                              r.make(ed.files.folder);
                              save_layout(ed);
                              _exit(ed.note.shown == note_failed ? ed.note.reason : 90);
                          }),
                          r.reason);
                return;
            }
#endif
            click(ctl_save);
            drain();
        });
#ifndef _WIN32
        chmod(ed.files.folder.c_str(), 0755);
#endif
        EXPECT_EQ(held_in(ed.files.folder), before);
        for (const char* f : {"/code.txt", "/code.cht"}) {
            std::error_code ec; // writable again, to be removed on every system
            fs::permissions(ed.files.folder + f, fs::perms::owner_write, fs::perm_options::add, ec);
        }
        if (r.child) continue;
        EXPECT_TRUE(ed.note.shown == note_failed && ed.note.reason == r.reason)
            << ed.note.shown << " " << ed.note.reason;
        EXPECT_EQ(said, std::string("hudwright: cannot save ") + r.said + "\n");
    }
}

// code.txt in a folder the user may not write (or, in a shared folder with
// the sticky bit, another user's file the user may write but not replace),
// saved in place by the editor, the A Button one pixel right; code.txt was
// the editor's own (held) or not. The save is killed at the write or at the
// cut of a write in place, or the file size limit would cut the write: what
// code.txt holds then, what the refuge {0} holds as code.before.txt, what
// was said, and how the save ended (0: SAVED, 100 + a signal: killed, else
// 10 + the reason of NOT SAVED).
TEST_F(saving, a_save_in_place_keeps_what_code_txt_held_in_the_state_folder_and_a_kill_leaves_it_whole) {
#ifndef __linux__
    GTEST_SKIP()
        << "Linux only: permissions, fork and seccomp, which kills a process at a chosen system call";
#else
    const std::string
        ours         = "812114C6 00BB\n",
        four         = "812114C4 00CA\n812114C6 00BA\n812114C8 FE90\n812114D0 00FF\n",
        large        = "# my design\n" + std::string(5000, '#') + "\n" + four,
        in_place     = "hudwright: wrote code.txt in place: ",
        cht_in_place = "hudwright: wrote code.cht in place: ",
        kept = "hudwright: what code.txt held is kept as {0}/code.before.txt before it is written in place\n",
        shut = "its folder takes no new file\n",
        shared       = "its shared folder lets it be written but not replaced\n";
    const bool root  = geteuid() == 0;
    const int killed = 100 + SIGSYS;
    // clang-format off
    const struct {
        const char* what; std::string before; bool held, shared; long kill; rlim_t limit;
        std::string after; int status; std::string said;
    } rows[] = {
        {"saved", four, true, false, 0, RLIM_INFINITY, ours, 0, kept + in_place + shut + cht_in_place + shut},
        {"another's code.txt saved", four, false, false, 0, RLIM_INFINITY, ours, 0,
         "hudwright: cannot save code.earlier.txt: Permission denied\nhudwright: the earlier code.txt kept as {0}/code.earlier.txt\n" +
         kept + in_place + shut + cht_in_place + shut},
        {"killed at the write", four, true, false, SYS_pwrite64, RLIM_INFINITY, four, killed, kept},
        {"killed at the cut: the new text, then blank lines", four, true, false, SYS_ftruncate, RLIM_INFINITY,
         ours + std::string(four.size() - ours.size(), '\n'), killed, kept},
        {"a shorter one killed at the cut", "x\n", true, false, SYS_ftruncate, RLIM_INFINITY, ours, killed, kept},
        {"more than a page, killed as it is cut to nothing", large, true, false, SYS_ftruncate, RLIM_INFINITY, large, killed, kept},
        {"more than a page, killed at the write", large, true, false, SYS_pwrite64, RLIM_INFINITY, "", killed, kept},
        {"a write the file size limit would cut", "x\n", true, false, 0, 10, "x\n", 10 + reason_other,
         kept + "hudwright: cannot save code.txt: File too large\n"},
        {"another user's file in a shared folder", four, true, true, 0, RLIM_INFINITY, ours, 0,
         kept + in_place + shared + cht_in_place + shared},
    };
    // clang-format on
    const environment_kept kept_env({"XDG_STATE_HOME"});
    for (size_t i = 0; i < std::size(rows); i++) {
        const auto& r = rows[i];
        SCOPED_TRACE(r.what);
        if (r.shared && !root) continue; // another user's file: made by root only
        const std::string folder = dir.path + "/" + std::to_string(i), state = folder + ".state";
        const uid_t user = root ? 65534 : geteuid(), owner = r.shared ? 65533 : user;
        fs::create_directory(folder);
        fs::create_directory(state);
        chmod(state.c_str(), 0777);
        setenv("XDG_STATE_HOME", state.c_str(), 1);
        const std::string code = folder + "/code.txt", cheat = folder + "/code.cht";
        write_file(code, r.before);
        write_file(cheat, "cheats = 0\n");
        for (const std::string& f : {code, cheat}) (void)chown(f.c_str(), owner, owner);
        chmod(code.c_str(), r.shared ? 0666 : 0644);
        chmod(cheat.c_str(), 0666);
        if (r.shared) {
            chmod(folder.c_str(), 01777);
        } else {
            (void)chown(folder.c_str(), user, user);
            chmod(folder.c_str(), 0555);
        }
        const std::vector<refuge> refuges = refuges_of(folder);
        const auto [status, said]         = said_in_child([&] {
            if (root && (setgid(user) != 0 || setuid(user) != 0)) _exit(98);
            ed.files.folder       = folder;
            ed.files.code_on_disk = fingerprint_of(code.c_str());
            ed.files.code_held    = r.held;
            pos(el_a_button).x++;
            const rlimit most{r.limit, r.limit};
            setrlimit(RLIMIT_FSIZE, &most);
            std::signal(SIGXFSZ, SIG_IGN);
            if (r.kill) killed_at(r.kill);
            save_layout(ed);
            _exit(ed.note.shown == note_saved ? 0 : 10 + ed.note.reason);
        });
        chmod(folder.c_str(), 0755);
        EXPECT_EQ(status, r.status);
        EXPECT_EQ(read_file(code), r.after);
        EXPECT_EQ(read_file(refuges[0].folder + "/code.before.txt"), r.before);
        EXPECT_EQ(said, in_refuges(r.said, refuges));
    }
#endif
}

// Every save writes code.cht beside code.txt: the same codes as one enabled
// cheat named Hudwright, or none for an unchanged layout, each through a
// link (code.txt's file keeping its permissions). The editor opens with code.txt holding the A Button's y
// moved (other codes: the first save keeps them as code.earlier.txt) or this very save's codes (nothing
// kept). (Codes joined by "+": cheat_file's test.)
TEST_F(saving, a_save_writes_code_cht_with_the_same_codes_as_one_enabled_cheat) {
    const std::string head = "cheats = 1\n\ncheat0_desc = \"Hudwright\"\ncheat0_code = \"",
                      tail = "\"\ncheat0_enable = true\n", earlier = "812114C4 00CA\n";
    // clang-format off
    const struct { const char* events; std::string code_at_open; bool link; std::string code, cheat, kept; } rows[] = {
        {"", earlier, false, "", "cheats = 0\n", earlier},
        {"Right", earlier, false, "812114C6 00BB\n", head + "812114C6 00BB" + tail, earlier},
#ifndef _WIN32 // links: POSIX only
        {"Right", earlier, true, "812114C6 00BB\n", head + "812114C6 00BB" + tail, earlier},
#endif
        {"Right", "812114C6 00BB\n", false, "812114C6 00BB\n", head + "812114C6 00BB" + tail, ""},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.events);
        for (const char* f : {"code.txt", "code.cht", "code.earlier.txt"}) fs::remove(f);
        fs::remove_all("real");
        if (r.link) { // code.txt a link to a file of its own permissions, code.cht one to none yet
            fs::create_directory("real");
            write_file("real/codes.txt", "");
            fs::permissions("real/codes.txt", fs::perms(0640));
            fs::create_symlink("real/codes.txt", "code.txt");
            fs::create_symlink("real/hud.cht", "code.cht");
        }
        write_file("code.txt", r.code_at_open);
        restart();
        push_script(r.events + std::string(" Ctrl+s"));
        stderr_of([&] { passes(2); });
        EXPECT_EQ(ed.note.shown, note_saved);
        EXPECT_EQ(read_file("code.txt"), r.code);
        EXPECT_EQ(read_file("code.cht"), r.cheat);
        EXPECT_TRUE(fs::is_symlink("code.txt") == r.link && fs::is_symlink("code.cht") == r.link);
        EXPECT_TRUE(!r.link || fs::status("code.txt").permissions() == fs::perms(0640)) << "kept";
        EXPECT_EQ(fs::exists("code.earlier.txt") ? read_file("code.earlier.txt") : "", r.kept);
    }
}

// Every reason's two lines (one line, NOT SAVED, without a reason), and every
// other note, lie right of the selector's "+", in no control's box, and each
// shows.
TEST_F(saving, every_reason_shows_clear_of_every_control) {
    passes(1);
    SDL_Surface* plain = copy_of(ed.window.screen);
    std::vector<SDL_Surface*> shown;
    const SDL_Rect& plus = panel_table[ctl_selector_plus].box;
    std::vector<std::pair<panel_note, save_reason_row>> notes;
    for (const save_reason_row& row : save_reasons) notes.push_back({note_failed, row});
    for (const panel_note_row& row : panel_notes)
        if (row.note != note_none && row.note != note_failed)
            notes.push_back({row.note, {reason_other, nullptr, "", {0, 0}}}); // the note alone, in its area
    for (const auto& [n, row] : notes) {
        ed.note.shown  = n;
        ed.note.reason = row.reason;
        passes(1);
        int changed = 0, outside = 0;
        for (int y = 240; y < 320; y++)
            for (int x = 0; x < 320; x++) {
                if (pixel_at(ed.window.screen, x, y) == pixel_at(plain, x, y)) continue;
                changed++;
                outside += x < plus.x + plus.w || (!*row.text && !inside(save_note_area, x, y));
                for (const panel_row& control : panel_table) outside += inside(control.box, x, y);
            }
        EXPECT_TRUE(changed > 0 && outside == 0) << row.text << ": " << outside << " of " << changed;
        for (SDL_Surface* other : shown) EXPECT_FALSE(same_pixels(other, ed.window.screen)) << row.text;
        shown.push_back(copy_of(ed.window.screen));
    }
    for (SDL_Surface* s : shown) SDL_FreeSurface(s);
    SDL_FreeSurface(plain);
}

// Steps in letters: s a save by this editor (the A Button one pixel right), b
// one by a second editor opened at the same time in the same folder (two
// pixels right), o and p another program writing code.txt, k one writing the
// bytes of the last save again, r code.txt removed, w an hour passing.
// code.txt holds "kept" when both open; the first editor started from it
// (Yes to "Code.txt found. Continue it?") or not. What code.txt holds at the
// end, and what the save kept: code.earlier.txt, then code.earlier.1.txt.
TEST_F(saving, a_code_txt_another_program_or_editor_wrote_is_replaced_only_by_a_second_save_and_kept_beside) {
    const std::string ours = "812114C6 00BB\n", theirs = "812114C6 00BC\n";
    // clang-format off
    const struct { const char* steps; bool from_code, saved; const std::string& code; std::vector<std::string> kept; } rows[] = {
        {"s", false, true, ours, {"kept\n"}}, {"ss", false, true, ours, {"kept\n"}}, {"s", true, true, ours, {}},
        {"os", false, false, "other\n", {}}, {"oss", false, true, ours, {"other\n"}}, {"oss", true, true, ours, {"other\n"}},
        {"osws", false, true, ours, {"other\n"}},                      // however long after being told
        {"ospss", false, true, ours, {"other again\n"}}, {"osps", false, false, "other again\n", {}}, // changed again: told again
        {"sos", false, false, "other\n", {"kept\n"}}, {"soss", false, true, ours, {"other\n", "kept\n"}},
        {"sks", false, true, ours, {"kept\n"}}, {"ors", false, true, ours, {}}, {"ors", true, true, ours, {}},
        {"bs", false, false, theirs, {"kept\n"}}, {"bss", false, true, ours, {theirs, "kept\n"}}, // two editors
        {"sb", false, false, ours, {"kept\n"}}, {"bsb", true, true, theirs, {"kept\n"}},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.steps << (r.from_code ? " from code.txt" : ""));
        restart();
        for (const char* f : {"code.earlier.txt", "code.earlier.1.txt", "code.earlier.2.txt"}) fs::remove(f);
        write_file("code.txt", "kept\n");
        ed.files.code_choice = r.from_code ? answer_yes : answer_none;
        ed.files.taken_file  = fingerprint_of("code.txt");
        start_editor_state(ed);
        editor second{}; // sharing nothing but the folder
        second.files.folder = ed.files.folder;
        second.design.model = ed.design.model;
        second.design.model.elements[el_a_button].pos.x += 2;
        second.files.code_on_disk = fingerprint_of(in_folder(second.files, code_file).c_str());
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
                case 'w': ed.clock.now_ms += 3600000, second.clock.now_ms += 3600000; break;
                }
        });
        EXPECT_EQ(last->note.shown, r.saved ? note_saved : note_failed);
        EXPECT_EQ(read_file("code.txt"), r.code);
        std::vector<std::string> kept;
        for (const char* name : {"code.earlier.txt", "code.earlier.1.txt", "code.earlier.2.txt"})
            if (fs::exists(name)) kept.push_back(read_file(name));
        EXPECT_EQ(kept, r.kept);
    }
}

// The refuges of a folder: below each state folder in turn, the last place
// last, by the folder's path made plain - no ".." leads out of hudwright/ -
// and a path too long for that by its hash. The environment: STATE for
// XDG_STATE_HOME, HOME and TMPDIR as the test sets them ("": not set).
TEST(refuge, the_refuges_lie_below_each_state_folder_in_turn_by_the_folders_plain_path) {
    const environment_kept kept_env({"XDG_STATE_HOME", "HOME", "TMPDIR", "LOCALAPPDATA", "TMP"});
#ifdef _WIN32
    const std::string state = "C:\\state", home = "", temp = "C:\\t\\temp";
    const std::string last = temp + "\\hudwright", sep = "\\";
    _putenv_s("LOCALAPPDATA", state.c_str());
    _putenv_s("TMP", temp.c_str()); // the user's temp folder, as GetTempPath finds it
    // clang-format off
    const struct { std::string folder, below; } rows[] = {
        {"C:\\Users\\u\\hud", "C\\Users\\u\\hud"}, {"C:\\Users\\u\\hud\\", "C\\Users\\u\\hud"},
        {"C:\\Users\\.\\u\\\\hud", "C\\Users\\u\\hud"}, {"C:\\Users\\u\\..\\..\\..\\..\\X\\dd", "C\\X\\dd"},
        {"\\\\server\\share\\hud", "server\\share\\hud"},
    };
    // clang-format on
    const size_t count = 2;
#else
    const std::string state = "/s/state", home = "/h/home", temp = "/t/temp";
    const std::string last = temp + "/hudwright-" + std::to_string(geteuid()), sep = "/";
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
    setenv("TMPDIR", temp.c_str(), 1);
    // clang-format off
    const struct { std::string folder, below; } rows[] = {
        {"/home/u/hud", "home/u/hud"}, {"/home/u/hud/", "home/u/hud"}, {"/home/./u//hud", "home/u/hud"},
        {"/home/u/../../../../../../../X/dd", "X/dd"}, {"/home/u/x/../../v/./w/..", "home/v"},
        {"/", ""}, {"/a/..", ""}, {"/..", ""},
    };
    // clang-format on
    const size_t count = 3;
#endif
    const std::string bases[] = {state, home + sep + ".local" + sep + "state", last};
    for (auto& r : rows) {
        SCOPED_TRACE(r.folder);
        const std::vector<refuge> refuges = refuges_of(r.folder);
        ASSERT_EQ(refuges.size(), count);
        for (size_t i = 0, b = 0; i < count; i++, b++) {
            if (home.empty() && b == 1) b++; // no home of that kind on Windows
            EXPECT_EQ(refuges[i].base, bases[b]);
            EXPECT_EQ(refuges[i].folder,
                      bases[b] + sep + "hudwright" + (r.below.empty() ? "" : sep + r.below));
            EXPECT_EQ(refuges[i].last_place, i + 1 == count);
        }
    }
    // A path that would make the refuges' too long is named by its hash: the
    // same path by the same name, another by another.
    std::string deep = "", deeper;
    while (deep.size() < longest_path() - 40) deep += sep + std::string(50, 'd');
    deeper                = deep + sep + "e";
    const std::string top = state + sep + "hudwright" + sep + "long" + sep;
    const std::string a = refuges_of(deep)[0].folder, b = refuges_of(deeper)[0].folder;
    EXPECT_TRUE(a.rfind(top, 0) == 0 && b.rfind(top, 0) == 0 && a.size() == top.size() + 16) << a;
    EXPECT_TRUE(a != b && a == refuges_of(deep)[0].folder);
#ifndef _WIN32
    // a relative XDG_STATE_HOME is passed over, and a place is not tried twice
    setenv("XDG_STATE_HOME", "relative/state", 1);
    EXPECT_EQ(refuges_of("/hud").size(), 2u);
    setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
    EXPECT_EQ(refuges_of("/hud").size(), 2u);
#endif
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
    EXPECT_EQ(ed.files.folder, now);
    fs::remove_all(now); // a save then: a_failed_save_says_why's "the folder gone"
    fs::create_directory(now);
    click(ctl_save);
    drain();
    EXPECT_EQ(ed.note.shown, note_saved);
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
