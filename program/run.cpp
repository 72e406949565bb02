// run.cpp - SDL_main and the run sequence: start-up in its fixed order, the
// start-up screens, the editor loop and teardown.
//
// code.txt is written only by the save button; on the way out, changes not
// saved go to code.unsaved.txt (editor/unsaved.h). Every quit path goes
// through teardown.
#include "program/run.h"

#include "editor/frame.h"
#include "editor/input.h"
#include "editor/startup.h"
#include "editor/unsaved.h"
#include "editor/update.h"
#include "model/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

bool start_up(editor& ed) {
    ed                 = editor{};
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
    // 7. SDL, all subsystems. The editor plays no sound: the dummy audio
    // driver keeps a machine without a sound card from failing the start (or
    // filling the terminal with the sound library's complaints). A subsystem
    // the editor does not need (joystick, CD-ROM) may fail; video must not.
    set_env_default("SDL_AUDIODRIVER", "dummy");
    if (SDL_Init(0xFFFF) != 0) {
        SDL_Quit();
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            fail("cannot start SDL", SDL_GetError());
            tear_down(ed);
            return false;
        }
    }
    // 8-9. colours, drag
    start_colors(ed.model);
    ed.dragging = 0;
    // 10-11. the window
    ed.screen = SDL_SetVideoMode(320, 320, 32, 0);
    if (!ed.screen) {
        fail("cannot open the 320x320 window", SDL_GetError());
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
    countdown_screen(ed); // leaves message_pos at the prompts' place, however it ended
    file_prompts(ed);     // opens both files even after a quit, to close them again
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
    ed.screen = nullptr;
    SDL_Quit();
}

// ---- the program ---------------------------------------------------------------

extern "C" int SDL_main(int argc, char* argv[]) {
    (void)argc;
    (void)argv;
    editor ed; // all editor state, owned here for the whole run
    if (!start_up(ed)) return 1;
    start_screens(ed);
    editor_loop(ed);
    tear_down(ed);
    return 0;
}
