// run.cpp - SDL_main and the run sequence: start-up in its fixed order, the
// start-up screens, the editor loop and teardown.
//
// Nothing is written on the way out; code.txt is written only by the save
// button. Every quit path goes through teardown.
#include "shell/run.h"

#include "model/file_io.h"
#include "shell/image_store.h"
#include "shell/pictures.h"
#include "ui/frame.h"
#include "ui/input.h"
#include "ui/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Uint8 bgchoice = 0;

namespace {

SDL_Rect rect(Sint16 x, Sint16 y, Uint16 w, Uint16 h) {
    return SDL_Rect{x, y, w, h};
}

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
    std::memset(&ed, 0, sizeof ed);
    ed.frame_delay_ms  = 45;
    ed.screen_delay_ms = 100;

    // 1. the streamed pictures
    errno = 0;
    if (!unpack_pictures(ed)) return picture_failure(ed);
    // 2-3. scale slots, offsets and names
    start_scales(ed.model);
    start_tables(ed.model);
    // 4. the once-loaded pictures, and the panel positions set with them
    if (!load_pictures(ed)) return picture_failure(ed);
    // 5. the typed entry and the held buttons
    ed.entry_len = 0;
    ed.scale_dir = 0;
    ed.nudge     = 0;
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
    fit_fonts_to_screen(ed);
    // 12. the panel's rectangles
    ed.panel_rect  = rect(0, 240, 320, 80);
    ed.color_field = rect(200, 248, 42, 16);
    ed.scale_field = rect(78, 272, 28, 16);
    ed.x_control   = rect(130, 272, 28, 16);
    ed.y_control   = rect(230, 272, 28, 16);
    ed.window_rect = rect(0, 0, 320, 320);
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
    draw_frame(ed);
}

void editor_loop(editor& ed) {
    ed.model.selected = 0;
    ed.picking_color  = 2;
    ed.scale_button   = 2;
    ed.editing_color = ed.editing_scale = ed.editing_x = ed.editing_y = 0;
    while (ed.running) editor_pass(ed);
}

// ---- teardown ------------------------------------------------------------------

void tear_down(editor& ed) {
    for (auto& s : ed.streams) close_stream(s);
    SDL_Surface** owned[] = {&ed.background,   &ed.rupee_overlay, &ed.hearts_overlay, &ed.map_overlay,
                             &ed.color_picker, &ed.splash,        &ed.save_button};
    for (SDL_Surface** s : owned) {
        if (*s) SDL_FreeSurface(*s);
        *s = nullptr;
    }
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
