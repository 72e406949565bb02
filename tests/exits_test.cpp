// exits_test.cpp - the run ended from outside by a real signal, sent by another
// process: every signal whose own action ends the program is caught, on the
// count-down, at a prompt, while a picture is read and in the editor; one
// line says why, the editor's changes are kept as a quit keeps them, and the
// program then ends as the signal would have (SIGQUIT, SIGXCPU and SIGXFSZ
// with status 128 + N, without a core dump). SIGPIPE is ignored, and so is a
// signal ignored at the start; the signals of a crash are left alone.
// (The window destroyed and the display lost need an X server: the e2e
// scenario exits, tests/e2e/exits.sh.)
#include "editor/signals.h"
#include "editor/ending.h"
#include "editor/screens.h"
#include "editor/startup.h"
#include "support.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

enum phase { countdown, prompt, reading, editing };

// The editor as the program runs it, in a child process, on `at`: in the
// editor the A Button is moved one pixel first; the signal `ignored` is
// ignored when it starts (as nohup does). Once it is there, the parent
// sends the signals in turn, 0.1 s apart. What the child said, and how it
// ended: "signal N", "status N", or "running" (killed after ten seconds).
std::pair<std::string, std::string> signalled(phase at, std::initializer_list<int> signals, int ignored) {
    int ready[2], said[2];
    if (pipe(ready) != 0 || pipe(said) != 0) return {"no pipe", ""};
    const pid_t child = fork();
    if (child == 0) {
        dup2(said[1], 2);
        // started as from a terminal, but for the one signal ignored before
        for (int sig = 1; sig <= SIGRTMAX; sig++)
            if (sig != SIGKILL && sig != SIGSTOP) std::signal(sig, sig == ignored ? SIG_IGN : SIG_DFL);
        catch_ending_signals();
        editor ed;
        if (!start_headless(ed)) _exit(90);
        ed.clock.frame_delay_ms = ed.clock.screen_delay_ms = 10;
        if (at == editing) {
            start_editor_state(ed);
            push_key(SDLK_RIGHT);
            editor_pass(ed);
        } else if (at == prompt) {
            write_file("basecode.txt", "812114C6 00C8\n");
        } else if (at == reading) { // an 8K screenshot named with --bg, read for a second or so
            ed.files.bg_path = fs::absolute("8k.png").string();
        }
        if (write(ready[1], "!", 1) != 1) _exit(91);
        // then as SDL_main: the screens, the loop, the teardown, the end
        if (at == countdown) countdown_screen(ed);
        if (at == prompt || at == reading) file_prompts(ed);
        if (at == editing)
            while (ed.run.running) editor_pass(ed);
        else
            editor_loop(ed);
        tear_down(ed);
        _exit(finish_run(ed));
    }
    close(ready[1]);
    close(said[1]);
    char c;
    const bool started = read(ready[0], &c, 1) == 1;
    for (int sig : signals) {
        if (started) kill(child, sig);
        usleep(100000);
    }
    int status = 0, tenths = 0;
    while (waitpid(child, &status, WNOHANG) != child && tenths++ < 100) usleep(100000);
    std::string how = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                          : "status " + std::to_string(WEXITSTATUS(status));
    if (tenths > 100) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        how = "running";
    }
    std::string text;
    char buf[1024];
    for (ssize_t n; (n = read(said[0], buf, sizeof buf)) > 0;) text.append(buf, size_t(n));
    close(ready[0]);
    close(said[0]);
    return {text, how};
}

#endif

TEST(exits, every_signal_that_would_end_the_program_keeps_the_work_and_says_why) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: signals and fork (Windows' closes come as SDL_QUIT)";
#else
    temp_dir dir;
    write_file("8k.png", flat_png(7680, 4320, 8, false, 0x00FF80));
    const std::string kept = "hudwright: unsaved changes written to code.unsaved.txt\n";
    auto by                = [](int sig) { return "signal " + std::to_string(sig); };
    auto status            = [](int sig) { return "status " + std::to_string(128 + sig); };
    // clang-format off
    const struct {
        std::initializer_list<int> sent;
        const char* name; // "": nothing said
        std::string how;
        phase at    = editing;
        int ignored = 0;
    } rows[] = {
        {{SIGHUP}, "SIGHUP (Hangup)", by(SIGHUP)},
        {{SIGINT}, "SIGINT (Interrupt)", by(SIGINT)},
        {{SIGQUIT}, "SIGQUIT (Quit)", status(SIGQUIT)},
        {{SIGTERM}, "SIGTERM (Terminated)", by(SIGTERM)},
        {{SIGUSR1}, "SIGUSR1 (User defined signal 1)", by(SIGUSR1)},
        {{SIGUSR2}, "SIGUSR2 (User defined signal 2)", by(SIGUSR2)},
        {{SIGALRM}, "SIGALRM (Alarm clock)", by(SIGALRM)},
        {{SIGVTALRM}, "SIGVTALRM (Virtual timer expired)", by(SIGVTALRM)},
        {{SIGPROF}, "SIGPROF (Profiling timer expired)", by(SIGPROF)},
        {{SIGXCPU}, "SIGXCPU (CPU time limit exceeded)", status(SIGXCPU)},
        {{SIGXFSZ}, "SIGXFSZ (File size limit exceeded)", status(SIGXFSZ)},
        {{SIGIO}, "SIGIO (I/O possible)", by(SIGIO)},
        {{SIGPWR}, "SIGPWR (Power failure)", by(SIGPWR)},
        {{SIGSTKFLT}, "SIGSTKFLT (Stack fault)", by(SIGSTKFLT)},
        {{SIGRTMIN}, "SIGRTMIN+0 (Real-time signal 0)", by(SIGRTMIN)},
        {{SIGRTMAX}, "SIGRTMIN+30 (Real-time signal 30)", by(SIGRTMAX)},
        {{SIGPIPE, SIGHUP}, "SIGHUP (Hangup)", by(SIGHUP)},   // the editor goes on after SIGPIPE
        {{SIGHUP, SIGTERM}, "SIGHUP (Hangup)", by(SIGHUP)},   // the first one stands
        {{SIGHUP, SIGTERM}, "SIGTERM (Terminated)", by(SIGTERM), editing, SIGHUP}, // nohup's SIGHUP stays ignored
        {{SIGABRT}, "", by(SIGABRT)},                          // a crash: nothing kept, nothing said
        {{SIGHUP}, "SIGHUP (Hangup)", by(SIGHUP), countdown},  // no work yet
        {{SIGTERM}, "SIGTERM (Terminated)", by(SIGTERM), prompt},
        {{SIGINT}, "SIGINT (Interrupt)", by(SIGINT), reading}, // the read stopped, nothing said of the picture
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(std::string(r.name) + " " + std::to_string(int(r.at)));
        fs::remove("code.unsaved.txt");
        fs::remove("basecode.txt");
        const auto [said, how] = signalled(r.at, r.sent, r.ignored);
        const bool work        = r.at == editing && r.name[0];
        EXPECT_EQ(how, r.how);
        EXPECT_EQ(said, (r.name[0] ? "hudwright: ended by " + std::string(r.name) + "\n" : "") +
                            (work ? kept : ""));
        EXPECT_EQ(fs::exists("code.unsaved.txt") ? read_file("code.unsaved.txt") : "none",
                  work ? "812114C6 00BB\n" : "none");
    }
#endif
}

} // namespace
