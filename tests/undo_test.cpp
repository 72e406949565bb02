// undo_test.cpp - undo and redo: the history ring's depth and what it records,
// then the editor's steps - one for a drag, a held button, a typed value, a
// colour pick, a run of arrow keys and a reset - over the layout it opened
// with (a base code, an element held at the edge).
#include "editor/history.h"
#include "editor/unsaved.h"
#include "support.h"

namespace {

TEST(history, keeps_the_last_two_hundred_steps_records_only_changes_and_drops_what_a_new_step_replaces) {
    layout m = home_layout();
    undo_history h;
    start_history(h, m);
    EXPECT_FALSE(record(h, m)) << "nothing changed";
    for (int i = 1; i <= 250; i++) {
        m.elements[el_map].pos.x = Sint16(i);
        EXPECT_TRUE(record(h, m));
    }
    int undone = 0;
    while (undo(h, m)) undone++;
    EXPECT_EQ(undone, history_steps);
    EXPECT_EQ(m.elements[el_map].pos.x, 250 - history_steps) << "the oldest kept step is the bottom now";
    for (int i = 0; i < 3; i++) EXPECT_TRUE(redo(h, m));
    EXPECT_EQ(m.elements[el_map].pos.x, 53);
    m.colors[col_c_buttons].value.g = 7; // a new step after an undo: the three steps after it are gone
    EXPECT_TRUE(record(h, m) && !redo(h, m) && undo(h, m));
    EXPECT_TRUE(m.elements[el_map].pos.x == 53 && m.colors[col_c_buttons].value.g == 160);
}

struct undo_steps : editor_test {
    void key(SDLKey k, int mod = KMOD_NONE) {
        push_key(k, SDLMod(mod));
        passes(1);
    }
    using moves = std::initializer_list<std::pair<int, int>>;
    void hold(int x, int y, Uint32 ms, moves motions = {}) {
        push_press(x, y);
        passes(1);
        for (auto [mx, my] : motions) {
            push_motion(mx, my);
            ed.clock.now_ms += 45;
            passes(1);
        }
        for (Uint32 t = 0; t < ms; t += 45) {
            ed.clock.now_ms += 45;
            passes(1);
        }
        push_release(x, y);
        passes(1);
    }
    void hold(panel_control c, Uint32 ms, moves motions = {}) { hold(cx(c), cy(c), ms, motions); }
};

// Over a layout opened with a base code: the A Button's x, and the B Button's
// x at -20 (kept while the stream reads it), held at the window's edge.
TEST_F(undo_steps,
       a_drag_a_held_button_a_typed_value_a_colour_pick_an_arrow_run_and_a_set_moved_are_one_step_each) {
    ed.design.model = imported("812114C6 00C8\n81211230 FFEC\n", ed.design.model);
    start_editor_state(ed);
    passes(1);
    const std::vector<std::string> opened = {"A Button x=200", "B Button x=0"};
    EXPECT_EQ(changes(ed.design.model), opened);
    EXPECT_FALSE(unsaved_changes(ed.design)) << "nothing changed yet";
    struct state {
        std::vector<std::string> layout;
        int element; // the element the step changed
    };
    std::vector<state> after{{opened, ed.design.model.selected}}; // after each step
    auto step = [&](int e) { after.push_back({changes(ed.design.model), e}); };
    hold(pos(el_map).x + 3, pos(el_map).y + 3, 0, {{100, 100}, {90, 120}, {60, 130}});
    step(el_map);
    hold(ctl_x_plus, 1000);
    step(el_map); // many pixels
    for (int e = el_map; e > el_b_button; e--) hold(ctl_selector_minus, 0);
    hold(ctl_y_field, 0);
    for (SDLKey k : {SDLK_0, SDLK_0, SDLK_4, SDLK_0}) key(k);
    step(el_b_button);
    hold(ctl_color_bar, 200, {{40, 250}, {70, 250}, {130, 260}});
    step(el_b_button);
    for (SDLKey k : {SDLK_RIGHT, SDLK_RIGHT, SDLK_UP, SDLK_LSHIFT}) key(k);
    key(SDLK_DOWN, KMOD_LSHIFT);
    step(el_b_button);
    SDL_SetModState(KMOD_LCTRL); // a Ctrl drag of the C-Down Number: its button and icon with it
    hold(pos(el_c_down_number).x + 1, pos(el_c_down_number).y + 1, 0, {{200, 100}});
    SDL_SetModState(KMOD_NONE);
    step(el_c_down_number);
    for (SDLKey k : {SDLK_LEFT, SDLK_UP}) key(k, KMOD_RCTRL);
    step(el_c_down_number);
    for (size_t i = 1; i < after.size(); i++) ASSERT_NE(after[i].layout, after[i - 1].layout) << i;

    for (int i = 6; i >= 0; i--) {
        key(SDLK_z, KMOD_LCTRL);
        EXPECT_EQ(changes(ed.design.model), after[i].layout) << "undone to " << i;
        EXPECT_EQ(ed.design.model.selected, after[i + 1].element)
            << "the element that step changed, selected";
    }
    EXPECT_EQ(field(field_x), "00D8") << "and its values shown";
    key(SDLK_z, KMOD_LCTRL);
    EXPECT_EQ(changes(ed.design.model), opened) << "the layout the editor opened with stays";
    EXPECT_FALSE(unsaved_changes(ed.design));
    for (int i = 1; i <= 7; i++) {
        key(i % 2 ? SDLK_y : SDLK_z, i % 2 ? KMOD_RCTRL : KMOD_LCTRL | KMOD_RSHIFT); // Ctrl+Y, Ctrl+Shift+Z
        EXPECT_EQ(changes(ed.design.model), after[i].layout) << "redone to " << i;
    }
    key(SDLK_y, KMOD_LCTRL);
    EXPECT_EQ(changes(ed.design.model), after[7].layout) << "nothing more to redo";
}

// R puts the selected element back to the game's own place, scale and colour
// - not the base code's; a C button's colour is the four C buttons' one
// colour, the A Button Icon's scale both its values - and Shift+R every value:
// one step, apart from what went on before it (the arrow run: undone, the
// A Button is one pixel right of the base code's, not at it).
TEST_F(undo_steps, r_resets_the_selected_element_and_shift_r_the_layout_each_one_step) {
    const char* base                      = "812114C6 00C8\n81211236 0064\n812117DE 0030\n812111F2 0010\n";
    const std::vector<std::string> opened = {"A Button x=200", "C-Right Button x=100", "Map x=48",
                                             "C Buttons colour=10A000"};
    // clang-format off
    const struct { element_id selected; const char* script; std::vector<std::string> after, undone; } rows[] = {
{el_a_button, "click:scale_plus click:color_field 1 2 3 4 5 6 Right r",
 {"C-Right Button x=100", "Map x=48", "C Buttons colour=10A000"},
 {"A Button x=201", "C-Right Button x=100", "Map x=48", "A Button scale=65157", "A Button colour=123456", "C Buttons colour=10A000"}},
{el_c_left_button, "r",  {"A Button x=200", "C-Right Button x=100", "Map x=48"}, opened}, // the C buttons' colour
{el_c_right_button, "r", {"A Button x=200", "Map x=48"}, opened},
{el_a_button_icon, "click:scale_plus click:scale_plus r", opened,
 {"A Button x=200", "C-Right Button x=100", "Map x=48", "A Button Icon scale=54", "A Button Icon, second value scale=18", "C Buttons colour=10A000"}},
{el_map, "Shift+r", {}, opened},
{el_map, "Ctrl+r", opened, opened},                                      // nothing
{el_a_button, "click:x_field 1 r 2 3", {"A Button x=1", "C-Right Button x=100", "Map x=48", "C Buttons colour=10A000"}, opened}, // in an entry: a key that takes a place
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        restart();
        ed.design.model = imported(base, ed.design.model);
        start_editor_state(ed);
        ASSERT_EQ(changes(ed.design.model), opened);
        ed.design.model.selected = r.selected;
        push_script(r.script);
        passes(2);
        EXPECT_EQ(changes(ed.design.model), r.after);
        key(SDLK_z, KMOD_LCTRL);
        EXPECT_EQ(changes(ed.design.model), r.undone);
        EXPECT_EQ(ed.design.model.selected, r.selected);
    }
}

} // namespace
