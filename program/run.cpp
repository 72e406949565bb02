// run.cpp - SDL_main and the run sequence: start-up in its fixed order, the
// start-up screens, the editor loop and teardown.
//
// code.txt is written only by a save (the save button, Ctrl+S); on the way
// out, changes not saved go to code.unsaved.txt (editor/unsaved.h), after the
// teardown has let go of the window and the pictures' files. Every way the run
// ends - Escape, the window's close, a signal, the window destroyed - goes
// through teardown (editor/ending.h); only the display lost ends the program
// from Xlib's handler, without it (editor/display_guard.h).
#include "program/run.h"
#include "editor/state.h"

#include "editor/ending.h"
#include "editor/frame.h"
#include "editor/input.h"
#include "editor/window.h"
#include "editor/screens.h"
#include "editor/signals.h"
#include "editor/start_state.h"
#include "editor/startup.h"
#include "editor/update.h"
#include "editor/view.h"
#include "program/options.h"
#include "files/file_io.h"
#include "program/video.h"
#include "program/window_icon.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// A start-up step that went wrong: what could not be done, and why.
struct start_failure {
    const char* what = nullptr; // null: the step went well
    const char* why  = nullptr;
};

// The built-in pictures unpacked into their temporary files and the kept ones
// decoded (no temporary file, a full disk: errno says why, else SDL).
start_failure make_pictures(picture_store& pictures) {
    errno = 0;
    if (unpack_pictures(pictures) && load_pictures(pictures)) return {};
    return {"cannot unpack the built-in pictures", errno ? std::strerror(errno) : SDL_GetError()};
}

// SDL's video and nothing else, on a driver that opens a window.
start_failure start_sdl() {
    switch (start_video()) {
    case video_started: return {};
    case video_no_display:
        return {"cannot open a window", "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"};
    case video_failed: break;
    }
    return {"cannot start SDL", SDL_GetError()};
}

// The window, 320x320 times the zoom (the editor draws on ed.window.screen, 320x320),
// with the program's icon (given before the window opens, the only time SDL
// takes it) and the fonts and the other opaque pictures in the screen's
// format, so that drawing them is a plain copy.
start_failure make_window(editor& ed, int zoom) {
    set_window_icon(ed.pictures);
    if (!open_window(ed, zoom)) return {"cannot open the window", SDL_GetError()};
    SDL_WM_SetCaption("Hudwright", nullptr);
    fit_pictures_to_screen(ed.pictures, ed.window.screen);
    return {};
}

} // namespace

// ---- start-up ------------------------------------------------------------------

bool start_up(editor& ed, int zoom, const char* folder) {
    ed              = editor{};
    ed.files.folder = folder ? folder : folder_path(nullptr);
    start_layout(ed.design.model); // every value at the game's own
    start_failure failed = make_pictures(ed.pictures);
    if (!failed.what) failed = start_sdl();
    if (!failed.what) failed = make_window(ed, zoom);
    if (failed.what) {
        std::fprintf(stderr, "hudwright: %s: %s\n", failed.what, failed.why);
        tear_down(ed);
        return false;
    }
    ed.run.running = true;
    return true;
}

// ---- start-up screens ----------------------------------------------------------

void start_screens(editor& ed) {
    look_for_start_files(ed); // a file that cannot be read is noted from the first frame on
    countdown_screen(ed);
    file_prompts(ed); // opens the files even after a quit, to close them again
}

// ---- editor loop ---------------------------------------------------------------

void editor_pass(editor& ed) {
    poll_editor_events(ed);
    update_editor(ed);
    // a frame that would show what the window shows is neither drawn nor sent
    if (to_show(ed.window, editor_view(ed))) draw_frame(ed);
    // the last frame is not waited for
    if (ed.run.running && ed.clock.frame_delay_ms != 0) SDL_Delay(ed.clock.frame_delay_ms);
}

void editor_loop(editor& ed) {
    start_editor_state(ed);
    while (ed.run.running) editor_pass(ed);
}

// ---- teardown ------------------------------------------------------------------

void tear_down(editor& ed) {
    free_pictures(ed.pictures);
    close_window(ed.window);
    // SDL2 (under sdl12-compat) waits for a window it hides to be unmapped,
    // for ever when the window was destroyed from outside: the end of the
    // process closes the display's connection instead.
    if (ed.run.end != end_window_destroyed) SDL_Quit();
}

// ---- the program ---------------------------------------------------------------

extern "C" int SDL_main(int argc, char* argv[]) {
    const options o = read_options(argc, argv);
    switch (o.mode) {
    case mode_help: print_help(stdout); return exit_ok;
    case mode_version: print_version(stdout); return exit_ok;
    case mode_misuse: print_misuse(o, stderr); return exit_misuse;
    case mode_run: break;
    }
    // The files are reached through DIR's path (from the root), not through
    // the directory the process is in: a DIR removed and made anew is found
    // again. Messages name them plainly (code.txt). DIR also becomes the
    // working directory, which tells whether it can be entered.
    const std::string folder = folder_path(o.dir), bg = o.bg ? folder_path(o.bg) : "";
    if (o.dir && chdir(o.dir) != 0) {
        std::fprintf(stderr, "hudwright: cannot work in %s: %s\n", o.dir, std::strerror(errno));
        return exit_failure;
    }
    // Before SDL starts, which then leaves these signals alone.
    catch_ending_signals();
    editor ed; // all editor state, owned here for the whole run
    if (!start_up(ed, o.zoom, folder.c_str())) return exit_failure;
    ed.files.bg_path = bg; // --bg FILE, named from where the program was started
    start_screens(ed);
    editor_loop(ed);
    tear_down(ed);
    return finish_run(ed); // keeps what was not saved; a signal's end ends here
}
