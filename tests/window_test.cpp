// window_test.cpp - the window at a zoom (editor/screen): the editor's frame
// shown in squares, the zoom changed while running and a resize (presses
// mapped back and the pointer's jump forward are input_test's); which passes
// send a picture (editor/view: only those that show a change); the zoom
// chosen for a screen; the window's icon (editor/icon, program/window_icon);
// the command line (program/options) and the choice of SDL's video driver
// (program/video). The real program's window is in the e2e scenarios zoom,
// accepted and command_line (its icon: screenshot; the icon's pixels are the
// desktop icons', which the install check compares).
#include "editor/frame.h"
#include "pictures/icon.h"
#include "editor/window.h"
#include "files/file_io.h"
#include "pictures/picture_store.h"
#include "program/options.h"
#include "program/video.h"
#include "program/window_icon.h"
#include "support.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The editor with its window checked square by square.
struct zoomed : editor_test {
    // Every pixel of the window is the editor's pixel whose square it is in.
    bool shows_in_squares() {
        SDL_Surface* w = SDL_GetVideoSurface();
        if (!w || w == ed.window.screen || w != ed.window.surface) return false;
        for (int y = 0; y < w->h; y++)
            for (int x = 0; x < w->w; x++)
                if (pixel_at(w, x, y) != pixel_at(ed.window.screen, x / ed.window.zoom, y / ed.window.zoom))
                    return false;
        return true;
    }
};

TEST_F(zoomed,
       a_frame_is_the_same_at_every_zoom_in_squares_and_ctrl_keys_step_it_up_as_far_as_the_screen_fits) {
    passes(2);
    SDL_Surface* picture = copy_of(ed.window.screen);
    // Ctrl and - or = (+, the keypad's - and +): one step, from 1 to 4, and up only as far as the
    // window fits on the screen (0 x 0: a size SDL did not say); the picture goes with the screen
    // before any frame, and every zoom draws the same 320x320 pixels
    // clang-format off
    const struct { SDLKey key; int mod, screen_w, screen_h, zoom; } keys[] = {
        {SDLK_MINUS, KMOD_LCTRL, 0, 0, 1}, {SDLK_EQUALS, KMOD_LCTRL, 0, 0, 2}, {SDLK_KP_MINUS, KMOD_LCTRL, 0, 0, 1},
        {SDLK_PLUS, KMOD_RCTRL, 0, 0, 2}, {SDLK_KP_PLUS, KMOD_LCTRL, 0, 0, 3}, {SDLK_EQUALS, KMOD_LCTRL, 0, 0, 4},
        {SDLK_EQUALS, KMOD_LCTRL, 0, 0, 4}, {SDLK_MINUS, KMOD_NONE, 0, 0, 4}, {SDLK_MINUS, KMOD_LSHIFT, 0, 0, 4},
        {SDLK_EQUALS, KMOD_LCTRL, 1920, 1080, 4}, // already larger (--zoom 4): it stays
        {SDLK_MINUS, KMOD_RCTRL, 1920, 1080, 3}, {SDLK_EQUALS, KMOD_LCTRL | KMOD_LSHIFT, 1920, 1080, 3},
        {SDLK_MINUS, KMOD_LCTRL, 1366, 768, 2}, {SDLK_EQUALS, KMOD_LCTRL, 1366, 768, 2},
        {SDLK_MINUS, KMOD_LCTRL, 1366, 768, 1}, {SDLK_EQUALS, KMOD_LCTRL, 1366, 768, 2},
        {SDLK_EQUALS, KMOD_LCTRL, 2560, 1440, 3}, {SDLK_EQUALS, KMOD_LCTRL, 2560, 1440, 4}};
    // clang-format on
    for (auto [key, mod, screen_w, screen_h, zoom] : keys) {
        SCOPED_TRACE(testing::Message() << key << " " << mod << " " << screen_w << "x" << screen_h);
        ed.window.desktop_w = screen_w;
        ed.window.desktop_h = screen_h;
        push_key(key, SDLMod(mod));
        drain();
        ASSERT_EQ(ed.window.zoom, zoom);
        EXPECT_TRUE(SDL_GetVideoSurface()->w == 320 * zoom && same_pixels(ed.window.screen, picture));
        passes(1);
        // at zoom 1 the editor draws on the window
        EXPECT_TRUE(zoom > 1 ? shows_in_squares()
                             : ed.window.screen == SDL_GetVideoSurface() && !ed.window.surface);
    }
    SDL_FreeSurface(picture);
}

// What reaches the window, counted where everything shown goes through
// (show_screen): a pass that changes nothing shown sends nothing; each kind of
// change, and a window that lost its picture, sends one. After every row the
// screen holds the frame of the state as it is, sent or not, and a zoomed
// window shows it in squares (after an expose or a resize whole, after a change
// the rows that changed sent anew), the editor keeping its 320x320 pixels.
TEST_F(zoomed, a_pass_sends_a_picture_only_when_something_shown_changed_or_the_window_lost_it) {
    // The dummy driver draws a cursor of its own into the screen where the
    // pointer jumps to (a drag's start); a real window's is the window system's.
    SDL_ShowCursor(SDL_DISABLE);
    // clang-format off
    const struct { const char* what; std::string script; int passes; Uint32 ms_apart, sent; } rows[] = {
        {"the first pass",                             "",                                   1, 45, 1},
        {"left alone",                                 "",                                  30, 45, 0},
        {"what changes nothing shown",                 "LShift Ctrl+z Ctrl+y click@150,300 motion@150,100 hidden focus", 3, 45, 0},
        {"the pointer onto an element: its hover outline", "motion@100,48",                  1, 45, 1},
        {"moved over it",                              "motion@60,50 motion@61,50",          2, 45, 0},
        {"onto another",                               "motion@30,214",                      1, 45, 1},
        {"off them, into the panel",                   "motion@150,300",                     1, 45, 1},
        {"the grid shown",                             "g",                                  1, 45, 1},
        {"and hidden",                                 "g",                                  1, 45, 1},
        {"an arrow key",                               "Right",                              1, 45, 1},
        {"Shift and an arrow key",                     "Shift+Down",                         1, 45, 1},
        {"X + pressed: its step",                      "press:x_plus",                       1, 45, 1},
        {"held, before it repeats",                    "",                                   8, 45, 0},
        {"held: a pixel a pass",                       "",                                   4, 45, 4},
        {"let go",                                     "release@161,280",                    3, 45, 0},
        {"Scale + pressed: its step",                  "press:scale_plus",                   1, 45, 1},
        {"held, before it repeats",                    "",                                   3, 100, 0},
        {"held: steps due every pass",                 "",                                   3, 200, 3},
        {"let go",                                     "release@69,280",                     2, 45, 0},
        {"the colour bar pressed",                     "press:color_bar",                    1, 45, 1},
        {"held still",                                 "",                                   3, 45, 0},
        {"held and moved along",                       "motion@137,256",                     1, 45, 1},
        {"let go",                                     "release@137,256",                    1, 45, 0},
        {"a value field pressed: its text goes",       "click:x_field",                      1, 45, 1},
        {"a digit typed",                              "4",                                  1, 45, 1},
        {"a key past f: no digit, the caret on",       "g",                                  1, 45, 1},
        {"taken back",                                 "Backspace",                          1, 45, 1},
        {"a modifier key",                             "LCtrl",                              1, 45, 0},
        {"Backspace",                                  "Backspace",                          1, 45, 1},
        {"a whole value in one pass",                  "0 0 6 0",                            2, 45, 1},
        {"the selected element pressed",               "press@100,25",                       2, 45, 0},
        {"and dragged",                                "motion@100,100",                     1, 45, 1},
        {"let go: it has the hover outline",           "release@100,100",                    1, 45, 1},
        {"the pointer left the window",                "leave",                               1, 45, 1},
        {"the next element selected",                  "click:selector_plus",                1, 45, 1},
        {"undo",                                       "Ctrl+z",                             1, 45, 1},
        {"redo",                                       "Ctrl+y",                             1, 45, 1},
        {"a good save: its note",                      "click:save",                         1, 45, 1},
        {"the note shown",                             "",                                  21, 45, 0},
        {"the note gone",                              "",                                   1, 100, 1},
        {"zoomed in",                                  "Ctrl+=",                             1, 45, 1},
        {"left alone",                                 "",                                  10, 45, 0},
        {"an expose",                                  "expose",                             1, 45, 1},
        {"shown again (restored)",                     "shown",                              1, 45, 1},
        {"hidden (minimised), the keyboard's focus",   "hidden focus",                       1, 45, 0},
        {"a change",                                   "Up",                                 1, 45, 1},
        {"resized: the squares cut at its edges",      "resize@501,300",                     1, 45, 1},
        {"zoomed out",                                 "Ctrl+-",                             1, 45, 1},
        {"an expose",                                  "expose",                             1, 45, 1},
        {"resized",                                    "resize@400,330",                     1, 45, 1},
        {"left alone",                                 "",                                  10, 45, 0}};
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        push_script(r.script, ed.window.zoom);
        const Uint32 before = ed.window.pictures_sent;
        for (int i = 0; i < r.passes; i++) {
            ed.clock.now_ms += r.ms_apart;
            editor_pass(ed);
        }
        EXPECT_EQ(ed.window.pictures_sent - before, r.sent);
        SDL_Surface* shown = copy_of(ed.window.screen);
        draw_frame(ed);
        EXPECT_TRUE(same_pixels(ed.window.screen, shown)) << "the screen holds the frame as it is";
        SDL_FreeSurface(shown);
        if (ed.window.zoom > 1)
            EXPECT_TRUE(shows_in_squares() && ed.window.screen->w == 320 && ed.window.screen->h == 320);
        else
            EXPECT_EQ(ed.window.screen, SDL_GetVideoSurface()) << "at zoom 1 the editor draws on the window";
    }
    EXPECT_TRUE(ed.note.shown == note_none && ed.window.zoom == 1 && ed.window.screen->w == 400 &&
                changes(ed.design.model).size() > 2);
}

// The zoom the window opens at, and the largest the zoom keys go to, on a screen of w x h.
TEST(zoom, the_fitting_zoom_leaves_a_quarter_of_the_height_and_the_keys_go_on_while_96_pixels_are_left) {
    // clang-format off
    const struct { int w, h, fitting, largest; } cases[] = {{0, 0, 1, 4}, {1280, 720, 1, 1}, {1280, 736, 1, 2},
        {1366, 768, 1, 2}, {1280, 853, 1, 2}, {1280, 854, 2, 2}, {1280, 1055, 2, 2}, {1920, 1056, 2, 3},
        {1920, 1080, 2, 3}, {2560, 1440, 3, 4}, {3840, 2160, 4, 4}, {7680, 4320, 4, 4}, {1080, 1920, 3, 3},
        {1055, 1920, 3, 3}, {700, 2000, 2, 2}, {319, 4000, 1, 1}};
    // clang-format on
    for (auto c : cases) {
        EXPECT_EQ(fitting_zoom(c.w, c.h), c.fitting) << c.w << "x" << c.h;
        EXPECT_EQ(largest_zoom(c.w, c.h), c.largest) << c.w << "x" << c.h;
    }
}

// ---- the window's icon ----------------------------------------------------------

// At every size the canvas is reduced to (its own, whole and fractional
// steps) the icon is a round button on a clear square: the corners clear, the
// middle opaque; 1 to 256 pixels a side, no other. The mask
// SDL is given shows the pixels at least half opaque, one bit each, the first
// of a row in the high bit, each row whole bytes.
TEST(window_icon, the_icon_is_a_round_button_at_every_size_and_its_mask_shows_the_half_opaque_pixels) {
    picture_store p{};
    ASSERT_TRUE(unpack_pictures(p));
    for (int side : {icon_canvas_side, 255, 40, 32, 20, 16, 1}) {
        SDL_Surface* icon = draw_icon(p, side);
        ASSERT_TRUE(icon && icon->w == side && icon->h == side) << side;
        auto alpha = [&](int x, int y) { return pixel_at(icon, x, y) >> 24; };
        if (side > 1) { // one pixel is the mean of all
            EXPECT_EQ(alpha(side / 2, side / 2), 255u) << side;
            EXPECT_EQ(alpha(0, 0) + alpha(side - 1, 0) + alpha(0, side - 1) + alpha(side - 1, side - 1), 0u)
                << side;
        }
        SDL_FreeSurface(icon);
    }
    EXPECT_TRUE(!draw_icon(p, 0) && !draw_icon(p, icon_canvas_side + 1));
    free_pictures(p);

    const Uint32 alphas[2][9] = {{0xFF, 0x80, 0x7F, 0, 0, 0, 0, 0x01, 0xC0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}};
    SDL_Surface* icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 9, 2, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 9; x++)
            static_cast<Uint32*>(icon->pixels)[y * icon->pitch / 4 + x] = alphas[y][x] << 24 | 0xFFFFFF;
    EXPECT_EQ(icon_mask(icon), (std::vector<Uint8>{0xC0, 0x80, 0x00, 0x00}));
    SDL_FreeSurface(icon);
}

// ---- the command line ------------------------------------------------------------

// What `hudwright ARGS...` comes to: "run ZOOM DIR" (ZOOM "fit" without
// --zoom, DIR "-" without one), "help", "version", or the misuse's line.
std::string outcome(std::vector<std::string> args) {
    std::vector<char*> argv{const_cast<char*>("hudwright")};
    for (std::string& s : args) argv.push_back(s.data());
    argv.push_back(nullptr);
    const options o        = read_options(static_cast<int>(args.size() + 1), argv.data());
    const std::string zoom = o.zoom == zoom_fit ? "fit" : std::to_string(o.zoom);
    if (o.mode == mode_run)
        return "run " + zoom + " " + (o.dir ? o.dir : "-") + (o.bg ? " bg " + std::string(o.bg) : "");
    return o.mode == mode_help ? "help" : o.mode == mode_version ? "version" : o.problem;
}

TEST(options, each_form_is_read_and_each_misuse_says_what_is_wrong) {
    temp_dir dir;
    write_file("notes.txt", "x");
    ASSERT_TRUE(std::filesystem::create_directory("hud") && std::filesystem::create_directory("-hud"));
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, "run fit -"}, {{"--zoom", "3", "hud"}, "run 3 hud"}, {{"hud", "--zoom=1"}, "run 1 hud"},
        {{"--", "-hud"}, "run fit -hud"}, // after --, a folder
        {{"--help", "--colour"}, "help"}, {{"-h"}, "help"}, {{"hud", "--version", "nowhere"}, "version"},
        {{"--colour"}, "hudwright: unknown option '--colour'"},
        {{"--zoom"}, "hudwright: --zoom wants a number from 1 to 4"},
        {{"--zoom", "0"}, "hudwright: --zoom wants a number from 1 to 4, not '0'"},
        {{"--zoom=5"}, "hudwright: --zoom wants a number from 1 to 4, not '5'"},
        {{"--zoom", "22"}, "hudwright: --zoom wants a number from 1 to 4, not '22'"},
        {{"--zoom", " 2"}, "hudwright: --zoom wants a number from 1 to 4, not ' 2'"},
        {{"--zoom", "-hud"}, "hudwright: --zoom wants a number from 1 to 4, not '-hud'"},
        {{"notes.txt"}, "hudwright: cannot work in notes.txt: not a folder"},
        {{"nowhere"}, "hudwright: cannot work in nowhere: No such file or directory"},
        {{"hud", "."}, "hudwright: one folder only, not 'hud' and '.'"}, {{"-hud"}, "hudwright: unknown option '-hud'"},
        // --bg's FILE is any name, not looked at: a missing one is said at start-up
        {{"--bg", "-hud", "hud"}, "run fit hud bg -hud"}, {{"--bg=shots/x", "--zoom=2"}, "run 2 - bg shots/x"},
        {{"--bg", "--zoom"}, "run fit - bg --zoom"},
        {{"hud", "--bg"}, "hudwright: --bg wants a picture file"}, {{"--bg="}, "hudwright: --bg wants a picture file"},
        {{"--bg", "a.png", "--bg=b.png"}, "hudwright: one --bg only, not 'a.png' and 'b.png'"}};
    // clang-format on
    for (const auto& [args, want] : rows) EXPECT_EQ(outcome(args), want);
}

TEST(video, a_named_driver_is_kept_else_x11_or_wayland_by_the_display_else_none) {
    // SDL_VIDEODRIVER, DISPLAY, WAYLAND_DISPLAY and the driver asked for ("": SDL's own choice); an empty
    // SDL_VIDEODRIVER counts as unset
    // clang-format off
    const struct { const char *named, *display, *wayland, *want; } rows[] = {
        {"dummy", nullptr, nullptr, ""}, {"wayland", ":0", nullptr, ""}, {nullptr, ":0", "wayland-0", "x11"},
        {"", ":1", nullptr, "x11"}, {nullptr, "", "wayland-0", "wayland"}, {nullptr, nullptr, nullptr, nullptr},
        {"", "", "", nullptr}};
    // clang-format on
    for (auto& r : rows) EXPECT_STREQ(window_driver(r.named, r.display, r.wayland), r.want) << r.named;
}

} // namespace
