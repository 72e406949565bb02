// window_test.cpp - the window at a zoom (editor/screen): the editor's frame
// shown in squares, presses mapped back and the pointer's jump forward, the
// zoom changed while running and a resize; the zoom chosen for a screen; the
// command line (program/options) and the choice of SDL's video driver
// (program/video). The real program's window is in the e2e scenarios zoom,
// zoom_fit, dir and command_line.
#include "editor/input.h"
#include "editor/screen.h"
#include "model/file_io.h"
#include "program/options.h"
#include "program/video.h"
#include "support.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The editor at a zoom on the dummy driver, every pause off.
struct zoomed : ::testing::Test {
    temp_dir dir;
    editor ed;
    bool open = false;

    void start(int zoom) {
        if (open) tear_down(ed);
        set_env_default("SDL_VIDEODRIVER", "dummy");
        open = start_up(ed, zoom);
        ASSERT_TRUE(open);
        ed.frame_delay_ms = ed.screen_delay_ms = 0;
        start_editor_state(ed);
    }
    void TearDown() override {
        if (open) tear_down(ed);
    }
    void passes(int n) {
        for (int i = 0; i < n; i++) editor_pass(ed);
    }
    void drain() { poll_editor_events(ed); }
    SDL_Rect& pos(int e) { return ed.model.elements[e].pos; }
    // A press and release on the editor's pixel (x, y), given in the
    // window's pixels: the last pixel of its square.
    void click(int x, int y) {
        const int z = ed.zoom;
        push_press(x * z + z - 1, y * z + z - 1), push_release(x * z + z - 1, y * z + z - 1);
    }
    // Every pixel of the window is the editor's pixel whose square it is in.
    bool shows_in_squares() {
        SDL_Surface* w = SDL_GetVideoSurface();
        if (!w || w == ed.screen || w != ed.window) return false;
        for (int y = 0; y < w->h; y++)
            for (int x = 0; x < w->w; x++)
                if (pixel_at(w, x, y) != pixel_at(ed.screen, x / ed.zoom, y / ed.zoom)) return false;
        return true;
    }
};

SDL_Surface* copy_of(SDL_Surface* s) {
    return SDL_ConvertSurface(s, s->format, SDL_SWSURFACE);
}

void push_ctrl_key(SDLKey key, SDLMod mod = KMOD_LCTRL) {
    SDL_Event e{.key = {SDL_KEYDOWN, 0, SDL_PRESSED, {0, key, mod, 0}}};
    SDL_PushEvent(&e);
}

TEST_F(zoomed, a_frame_is_the_same_at_every_zoom_and_the_window_shows_it_in_squares_after_every_change) {
    start(1);
    passes(2);
    SDL_Surface* at_one = copy_of(ed.screen);
    ASSERT_TRUE(at_one);
    start(3);
    EXPECT_EQ(ed.zoom, 3);
    ASSERT_TRUE(ed.window && ed.window->w == 960 && ed.window->h == 960);
    EXPECT_TRUE(ed.screen->w == 320 && ed.screen->h == 320);
    passes(2);
    EXPECT_TRUE(same_pixels(ed.screen, at_one)) << "the editor draws the same 320x320 pixels";
    EXPECT_TRUE(shows_in_squares());
    // a typed X through presses in the window's pixels: only the rows that
    // changed are drawn anew, and the window still shows the whole frame
    click(185, 280);
    for (SDLKey k : {SDLK_0, SDLK_0, SDLK_b, SDLK_b}) push_key(k);
    passes(2);
    EXPECT_EQ(pos(el_a_button).x, 0xBB);
    EXPECT_FALSE(same_pixels(ed.screen, at_one));
    EXPECT_TRUE(shows_in_squares());
    SDL_FreeSurface(at_one);
}

TEST_F(zoomed, a_pick_jumps_to_the_centre_and_a_drag_moves_by_editor_pixels_at_every_zoom) {
    for (int zoom : {1, 2, 4}) {
        start(zoom);
        passes(1);
        for (int e = 0; e < element_count; e++) pos(e) = {300, 200, 0, 0}, ed.model.element_sizes[e] = {0, 0};
        pos(el_magic_meter)                    = {40, 50, 0, 0};
        ed.model.element_sizes[el_magic_meter] = {30, 20};
        push_press(41 * zoom, 51 * zoom);
        drain(); // the press, and the jump to the centre (55, 60) in the window's pixels
        drain(); // the jump's motion: the centre is where it was
        EXPECT_EQ(ed.model.selected, el_magic_meter) << zoom;
        EXPECT_TRUE(pos(el_magic_meter).x == 40 && pos(el_magic_meter).y == 50) << zoom;
        push_motion((55 + 40) * zoom + zoom / 2, (60 + 30) * zoom + zoom - 1);
        drain();
        EXPECT_TRUE(pos(el_magic_meter).x == 80 && pos(el_magic_meter).y == 80) << zoom;
        push_release(0, 0);
        drain();
        // a centre beyond the right edge: the pointer stops at the last column
        pos(el_magic_meter)                    = {300, 50, 0, 0};
        ed.model.element_sizes[el_magic_meter] = {200, 20};
        push_press(305 * zoom, 55 * zoom);
        drain();
        drain();
        EXPECT_EQ(pos(el_magic_meter).x, 319 - 100) << zoom;
        EXPECT_EQ(pos(el_magic_meter).y, 50) << zoom;
        push_release(0, 0);
        drain();
    }
}

TEST_F(zoomed, ctrl_keys_step_the_zoom_from_1_to_4_keeping_the_picture_but_not_while_typing) {
    start(1);
    passes(1);
    SDL_Surface* picture = copy_of(ed.screen);
    ASSERT_TRUE(picture);
    push_ctrl_key(SDLK_EQUALS);
    drain();
    ASSERT_EQ(ed.zoom, 2);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 640);
    EXPECT_TRUE(same_pixels(ed.screen, picture)) << "the picture goes with the screen, before any frame";
    passes(1);
    EXPECT_TRUE(shows_in_squares());
    for (SDLKey k : {SDLK_PLUS, SDLK_KP_PLUS, SDLK_EQUALS}) push_ctrl_key(k, KMOD_RCTRL);
    drain();
    EXPECT_EQ(ed.zoom, 4) << "4 is the largest";
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1280);
    push_key(SDLK_MINUS);
    push_ctrl_key(SDLK_MINUS, KMOD_LSHIFT);
    drain();
    EXPECT_EQ(ed.zoom, 4) << "without Ctrl a key does not zoom";
    for (int i = 0; i < 4; i++) push_ctrl_key(i % 2 ? SDLK_KP_MINUS : SDLK_MINUS);
    drain();
    EXPECT_EQ(ed.zoom, 1) << "1 is the smallest";
    EXPECT_TRUE(ed.screen == SDL_GetVideoSurface() && !ed.window)
        << "at zoom 1 the editor draws on the window";
    EXPECT_TRUE(same_pixels(ed.screen, picture));
    // typing into the X field: Ctrl+= is an = there, which takes a position
    push_press(185, 280), push_release(185, 280);
    push_ctrl_key(SDLK_LCTRL), push_ctrl_key(SDLK_EQUALS);
    drain();
    EXPECT_EQ(ed.zoom, 1);
    EXPECT_EQ(ed.entry_len, 1);
    SDL_FreeSurface(picture);
}

TEST_F(zoomed, a_resize_at_zoom_2_shows_the_squares_cut_at_the_new_edges) {
    start(2);
    passes(1);
    SDL_Event e{};
    e.type = e.resize.type = SDL_VIDEORESIZE;
    e.resize.w = 501, e.resize.h = 300;
    SDL_PushEvent(&e);
    passes(1);
    ASSERT_TRUE(ed.window && ed.window->w == 501 && ed.window->h == 300);
    EXPECT_TRUE(ed.screen->w == 320 && ed.screen->h == 320) << "the editor keeps its 320x320";
    EXPECT_TRUE(shows_in_squares());
}

TEST_F(zoomed, an_unchanged_frame_is_not_drawn_into_the_window_again_until_an_expose) {
    start(2);
    passes(1);
    ASSERT_TRUE(shows_in_squares());
    SDL_FillRect(ed.window, nullptr, 0x123456); // what the window would show if nothing were sent
    passes(1);
    EXPECT_EQ(pixel_at(ed.window, 100, 100), 0x123456u) << "an unchanged frame is not magnified again";
    SDL_Event e{};
    e.type = SDL_VIDEOEXPOSE;
    SDL_PushEvent(&e);
    passes(1);
    EXPECT_TRUE(shows_in_squares()) << "after an expose the whole picture is sent";
}

TEST(zoom, the_fitting_zoom_is_the_largest_window_within_three_quarters_of_the_height_and_the_width) {
    struct {
        int w, h, zoom;
    } cases[] = {{0, 0, 1},       {1366, 768, 1},  {1280, 853, 1},  {1280, 854, 2},
                 {1920, 1080, 2}, {2560, 1440, 3}, {3840, 2160, 4}, {7680, 4320, 4},
                 {1080, 1920, 3}, {700, 2000, 2},  {319, 4000, 1}};
    for (auto c : cases) EXPECT_EQ(fitting_zoom(c.w, c.h), c.zoom) << c.w << "x" << c.h;
}

// ---- the command line ------------------------------------------------------------

// The command line `hudwright ARGS...` read; the record points into args.
struct command {
    std::vector<std::string> args;
    options o;
    explicit command(std::vector<std::string> a) : args(std::move(a)) {
        std::vector<char*> argv{const_cast<char*>("hudwright")};
        for (std::string& s : args) argv.push_back(s.data());
        argv.push_back(nullptr);
        o = read_options(static_cast<int>(args.size() + 1), argv.data());
    }
};

TEST(options, each_form_is_read_and_each_misuse_says_what_is_wrong) {
    temp_dir dir;
    write_file("notes.txt", "x");
    ASSERT_TRUE(std::filesystem::create_directory("hud") && std::filesystem::create_directory("-hud"));

    const command none({}), three({"--zoom", "3", "hud"}), one({"hud", "--zoom=1"}), dashed({"--", "-hud"});
    EXPECT_TRUE(none.o.mode == mode_run && none.o.zoom == zoom_fit && !none.o.dir);
    EXPECT_TRUE(three.o.mode == mode_run && three.o.zoom == 3 && three.o.dir == std::string("hud"));
    EXPECT_TRUE(one.o.mode == mode_run && one.o.zoom == 1 && one.o.dir == std::string("hud"));
    EXPECT_TRUE(dashed.o.mode == mode_run && dashed.o.dir == std::string("-hud")) << "after --, a folder";
    EXPECT_EQ(command({"--help", "--colour"}).o.mode, mode_help) << "--help takes effect where it stands";
    EXPECT_EQ(command({"-h"}).o.mode, mode_help);
    EXPECT_EQ(command({"hud", "--version", "nowhere"}).o.mode, mode_version);

    const std::pair<std::vector<std::string>, std::string> misuses[] = {
        {{"--colour"}, "hudwright: unknown option '--colour'"},
        {{"-z", "2"}, "hudwright: unknown option '-z'"},
        {{"--zoom"}, "hudwright: --zoom wants a number from 1 to 4"},
        {{"--zoom", "0"}, "hudwright: --zoom wants a number from 1 to 4, not '0'"},
        {{"--zoom=5"}, "hudwright: --zoom wants a number from 1 to 4, not '5'"},
        {{"--zoom", "22"}, "hudwright: --zoom wants a number from 1 to 4, not '22'"},
        {{"--zoom", " 2"}, "hudwright: --zoom wants a number from 1 to 4, not ' 2'"},
        {{"--zoom", "-hud"}, "hudwright: --zoom wants a number from 1 to 4, not '-hud'"},
        {{"notes.txt"}, "hudwright: cannot work in notes.txt: not a folder"},
        {{"nowhere"}, "hudwright: cannot work in nowhere: No such file or directory"},
        {{"hud", "."}, "hudwright: one folder only, not 'hud' and '.'"},
        {{"-hud"}, "hudwright: unknown option '-hud'"},
    };
    for (const auto& [args, problem] : misuses) {
        const command c(args);
        EXPECT_EQ(c.o.mode, mode_misuse) << problem;
        EXPECT_EQ(c.o.problem, problem);
    }
}

TEST(video, a_named_driver_is_kept_else_x11_or_wayland_by_the_display_else_none) {
    EXPECT_STREQ(window_driver("dummy", nullptr, nullptr), "");
    EXPECT_STREQ(window_driver("wayland", ":0", nullptr), "");
    EXPECT_STREQ(window_driver(nullptr, ":0", "wayland-0"), "x11");
    EXPECT_STREQ(window_driver("", ":1", nullptr), "x11") << "an empty SDL_VIDEODRIVER counts as unset";
    EXPECT_STREQ(window_driver(nullptr, "", "wayland-0"), "wayland");
    EXPECT_EQ(window_driver(nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(window_driver("", "", ""), nullptr);
}

} // namespace
