// run.cpp - SDL_main and the run sequence: start-up in its fixed order, the
// start-up screens, the editor loop and teardown.
//
// code.txt is written only by the save button; on the way out, changes not
// saved go to code.unsaved.txt (editor/unsaved.h). Every quit path goes
// through teardown.
#include "program/run.h"

#include "editor/frame.h"
#include "editor/input.h"
#include "editor/screen.h"
#include "editor/startup.h"
#include "editor/unsaved.h"
#include "editor/update.h"
#include "model/file_io.h"
#include "program/options.h"
#include "program/video.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

bool fail(const char* what, const char* why) {
    std::fprintf(stderr, "hudwright: %s: %s\n", what, why);
    return false;
}

// A built-in picture could not be unpacked or decoded (no temporary file,
// a full disk): one line, then everything made so far is released.
bool picture_failure(editor& ed) {
    fail("cannot unpack the built-in pictures", errno ? std::strerror(errno) : SDL_GetError());
    tear_down(ed);
    return false;
}

} // namespace

// ---- start-up ------------------------------------------------------------------

bool start_up(editor& ed, int zoom, const char* folder) {
    ed                 = editor{};
    ed.folder          = folder ? folder : folder_path(nullptr);
    ed.frame_delay_ms  = 45;
    ed.screen_delay_ms = 100;

    // 1. the streamed pictures
    errno = 0;
    if (!unpack_pictures(ed.pictures)) return picture_failure(ed);
    // 2-3. scale slots
    start_scales(ed.model);
    // 4. the pictures decoded once
    if (!load_pictures(ed.pictures)) return picture_failure(ed);
    // 5. the typed entry and the held buttons
    ed.entry_len = 0;
    ed.scale_dir = scale_none;
    ed.nudge     = nudge_none;
    // 6. elements; their drawn sizes are zero until the first frame
    start_elements(ed.model);
    for (auto& s : ed.model.element_sizes) s = {0, 0};
    // 7. SDL's video and nothing else, on a driver that opens a window
    switch (start_video()) {
    case video_started: break;
    case video_no_display:
        fail("cannot open a window", "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
        tear_down(ed);
        return false;
    case video_failed:
        fail("cannot start SDL", SDL_GetError());
        tear_down(ed);
        return false;
    }
    // 8-9. colours, drag
    start_colors(ed.model);
    ed.dragging = 0;
    // 10-11. the window, 320x320 times the zoom; the editor draws on ed.screen, 320x320
    if (!open_window(ed, zoom)) {
        fail("cannot open the window", SDL_GetError());
        tear_down(ed);
        return false;
    }
    SDL_WM_SetCaption("Hudwright", nullptr);
    // 12. the fonts (and the other opaque pictures) in the screen's format,
    // so that drawing them is a plain copy
    fit_pictures_to_screen(ed.pictures, ed.screen);
    // 13. the count-down
    ed.running      = 1;
    ed.splash_frame = 0;
    ed.countdown    = 4;
    return true;
}

// ---- start-up screens ----------------------------------------------------------

void start_screens(editor& ed) {
    look_for_start_files(ed); // a file that cannot be read is noted from the first frame on
    countdown_screen(ed);     // leaves message_pos at the prompts' place, however it ended
    file_prompts(ed);         // opens the files even after a quit, to close them again
}

// ---- editor loop ---------------------------------------------------------------

void editor_pass(editor& ed) {
    poll_editor_events(ed);
    update_editor(ed);
    draw_frame(ed);
    // the last frame is not waited for
    if (ed.running && ed.frame_delay_ms != 0) SDL_Delay(ed.frame_delay_ms);
}

void editor_loop(editor& ed) {
    start_editor_state(ed);
    while (ed.running) editor_pass(ed);
    keep_unsaved_changes(ed);
}

// ---- teardown ------------------------------------------------------------------

void tear_down(editor& ed) {
    free_pictures(ed.pictures);
    close_window(ed);
    SDL_Quit();
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
    const std::string folder = folder_path(o.dir);
    if (o.dir && chdir(o.dir) != 0) {
        std::fprintf(stderr, "hudwright: cannot work in %s: %s\n", o.dir, std::strerror(errno));
        return exit_failure;
    }
    editor ed; // all editor state, owned here for the whole run
    if (!start_up(ed, o.zoom, folder.c_str())) return exit_failure;
    start_screens(ed);
    editor_loop(ed);
    tear_down(ed);
    return exit_ok;
}
