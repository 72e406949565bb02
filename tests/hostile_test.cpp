// hostile_test.cpp - files a user (or an accident) may leave in the working
// directory: a basecode.txt of random bytes, of NUL bytes, of one line of a
// million digits, of a million valid lines; a code.txt that is a directory, a
// symbolic link, or in a directory the program may not write. The program
// must not crash or hang and must lose nothing that was there.
#include "fuzz/targets.h"
#include "ui/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <csignal>
#include <random>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

layout imported(const std::string& text) {
    layout m{};
    start_layout(m);
    fuzz::import_bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size(), m);
    return m;
}

layout fresh() {
    layout m{};
    start_layout(m);
    return m;
}

// ---- basecode.txt --------------------------------------------------------------

TEST(hostile, base_codes_of_random_or_nul_bytes_keep_every_invariant) {
    std::mt19937 rng(99);
    for (int round = 0; round < 40; round++) {
        std::string bytes(1 + rng() % 20000, '\0');
        for (auto& c : bytes) c = static_cast<char>(rng());
        EXPECT_EQ(fuzz::import_one(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
            << "round " << round;
    }
    std::string nuls(1 << 20, '\0');
    EXPECT_EQ(fuzz::import_one(reinterpret_cast<const uint8_t*>(nuls.data()), nuls.size()), "");
    EXPECT_EQ(fuzz::same_values(imported(nuls), fresh()), "") << "NUL bytes set nothing";
    // NUL bytes between valid lines do not hide the lines after them.
    layout m = imported(std::string("812114C6 00BB\n") + std::string(1000, '\0') + "\n81211506 0100\n");
    EXPECT_EQ(m.elements[10].pos.x, 256);
}

TEST(hostile, a_line_of_a_million_digits_pairs_its_digits_and_ends) {
    // Eight digits make an address, four a value, and so on along the line:
    // 11111111 is no offset of the game, so nothing changes.
    EXPECT_EQ(fuzz::same_values(imported(std::string(1000000, '1')), fresh()), "");
    // With a code line before and after it both still apply, as the digits
    // (a multiple of twelve) leave the pairing where it was.
    layout m = imported("812114C6 00C8\n" + std::string(999996, '7') + "\n812114C4 FFF9\n");
    EXPECT_EQ(m.elements[0].pos.x, 200);
    EXPECT_EQ(m.elements[0].pos.y, -7);
}

TEST(hostile, a_million_valid_lines_are_all_read_and_the_last_one_wins) {
    std::string text;
    text.reserve(14u * 1000000u);
    char line[32];
    for (int i = 0; i < 1000000; i++) {
        std::snprintf(line, sizeof line, "812117DE %04X\n", i & 0xFFFF);
        text += line;
    }
    layout m = imported(text);
    EXPECT_EQ(m.elements[9].pos.x, static_cast<Sint16>(999999 & 0xFFFF)) << "the Map's x of the last line";
    EXPECT_EQ(fuzz::import_one(reinterpret_cast<const uint8_t*>(text.data()), text.size()), "");
}

// A basecode.txt or bg.bmp that is no regular file: a named pipe nobody
// writes to (opening it would wait forever), an endless device behind a link
// (reading it would never end), a directory. Each prompt runs in a child
// process that must finish within ten seconds.
enum class outcome { finished, hung, crashed };

template <class Body> outcome within_ten_seconds(Body body) {
    pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    // SDL ignores SIGALRM, so the child cannot time itself: the parent waits.
    int status = 0;
    for (int tenth = 0; tenth < 100; tenth++) {
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? outcome::finished : outcome::crashed;
        usleep(100000);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return outcome::hung;
}

// Starts the editor headless, answers "Yes" and runs the prompt for name.
void accept_prompt(const char* name) {
    editor ed;
    if (!start_headless(ed)) _exit(3);
    ed.message_pos = SDL_Rect{35, 128, 0, 0};
    push_press(35, 85); // "Yes"
    if (std::string(name) == "basecode.txt")
        basecode_prompt(ed);
    else
        background_prompt(ed);
    // Whatever happened, the editor still has its built-in layout or a valid one.
    editor_pass(ed);
    tear_down(ed);
}

TEST(hostile, prompt_files_that_are_no_regular_file_neither_hang_nor_crash) {
    for (const char* name : {"basecode.txt", "bg.bmp"}) {
        {
            temp_dir dir;
            ASSERT_EQ(mkfifo(name, 0600), 0);
            EXPECT_EQ(within_ten_seconds([&] { accept_prompt(name); }), outcome::finished)
                << name << " as a pipe";
        }
        {
            temp_dir dir;
            fs::create_symlink("/dev/zero", name);
            EXPECT_EQ(within_ten_seconds([&] { accept_prompt(name); }), outcome::finished)
                << name << " -> /dev/zero";
        }
        {
            temp_dir dir;
            fs::create_directory(name);
            EXPECT_EQ(within_ten_seconds([&] { accept_prompt(name); }), outcome::finished)
                << name << " as a directory";
            EXPECT_TRUE(fs::is_directory(name));
        }
    }
}

// ---- code.txt --------------------------------------------------------------------

std::vector<std::string> listing(const std::string& dir) {
    std::vector<std::string> names;
    for (auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

layout edited() {
    layout m            = fresh();
    m.elements[0].pos.x = 187; // 812114C6 00BB
    return m;
}

TEST(hostile, a_code_txt_that_is_a_directory_is_left_alone) {
    temp_dir dir;
    fs::create_directory("code.txt");
    write_file("code.txt/inside", "keep");
    EXPECT_FALSE(export_codes(edited()));
    EXPECT_TRUE(fs::is_directory("code.txt"));
    EXPECT_EQ(read_file("code.txt/inside"), "keep");
    EXPECT_EQ(listing(dir.path), std::vector<std::string>{"code.txt"}) << "no temporary file is left behind";
}

TEST(hostile, a_code_txt_link_is_written_through_and_stays_a_link) {
    temp_dir dir;
    fs::create_directory("keep");
    write_file("keep/real.txt", "old\n");
    fs::create_symlink("keep/real.txt", "code.txt");
    EXPECT_TRUE(export_codes(edited()));
    EXPECT_TRUE(fs::is_symlink("code.txt"));
    EXPECT_EQ(read_file("keep/real.txt"), "812114C6 00BB\n");
    // A link to a file not yet there makes the file; one to a directory fails.
    fs::create_symlink("keep/new.txt", "dangling");
    EXPECT_TRUE(export_codes(edited(), "dangling"));
    EXPECT_TRUE(fs::is_symlink("dangling"));
    EXPECT_EQ(read_file("keep/new.txt"), "812114C6 00BB\n");
    fs::create_symlink("keep", "to_dir");
    EXPECT_FALSE(export_codes(edited(), "to_dir"));
    EXPECT_TRUE(fs::is_symlink("to_dir"));
    EXPECT_EQ(listing(dir.path + "/keep"), (std::vector<std::string>{"new.txt", "real.txt"}));
}

// A code.txt that is a named pipe (or a link to one) stays a pipe: a save
// with a reader on the other end sends it the codes, one without a reader
// fails at once instead of waiting. A link to a device such as /dev/null
// writes into the device; the device node is never replaced by a file.
TEST(hostile, a_code_txt_that_is_a_pipe_or_a_device_stays_what_it_is) {
    temp_dir dir;
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("pipe", "code.txt");
    EXPECT_EQ(within_ten_seconds([] { _exit(export_codes(edited()) ? 1 : 0); }), outcome::finished)
        << "no reader: the save fails without waiting";
    EXPECT_EQ(fs::status("pipe").type(), fs::file_type::fifo);

    int reader = open("pipe", O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(export_codes(edited()));
    char got[64] = {};
    EXPECT_EQ(read(reader, got, sizeof got - 1), 14);
    EXPECT_STREQ(got, "812114C6 00BB\n");
    close(reader);
    EXPECT_EQ(fs::status("pipe").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink("code.txt"));

    // A private null device, where the system lets us make one.
    if (mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0) {
        fs::remove("code.txt");
        fs::create_symlink("null", "code.txt");
        int fd = open("null", O_WRONLY);
        if (fd >= 0) {
            close(fd);
            EXPECT_TRUE(export_codes(edited()));
        }
        EXPECT_EQ(fs::status("null").type(), fs::file_type::character);
    }
    EXPECT_EQ(listing(dir.path).size(), fs::exists("null") ? 3u : 2u) << "no temporary file is left behind";
}

// Runs the save as an unprivileged user when the tests run as root (where
// permission bits stop nothing), else as ourselves.
int save_without_write_permission(const std::string& dir) {
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        if (chdir(dir.c_str()) != 0) _exit(4);
        _exit(export_codes(edited()) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(hostile, a_save_in_a_directory_that_cannot_be_written_fails_and_keeps_the_old_file) {
    temp_dir dir;
    write_file("code.txt", "old codes\n");
    chmod(dir.path.c_str(), 0555);
    EXPECT_EQ(save_without_write_permission(dir.path), 0) << "0: the save reported failure without crashing";
    chmod(dir.path.c_str(), 0700);
    EXPECT_EQ(read_file("code.txt"), "old codes\n");
    EXPECT_EQ(listing(dir.path), std::vector<std::string>{"code.txt"});
}

} // namespace
