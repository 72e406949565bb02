// undo_test.cpp - undo and redo: the history ring's depth and what it records,
// then the editor's steps - one for a drag, a held button, a typed value, a
// colour pick and a run of arrow keys - over the layout it opened with (a base
// code, an element held at the edge).
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
            ed.now_ms += 45;
            passes(1);
        }
        for (Uint32 t = 0; t < ms; t += 45) {
            ed.now_ms += 45;
            passes(1);
        }
        push_release(x, y);
        passes(1);
    }
    void hold(panel_control c, Uint32 ms, moves motions = {}) { hold(cx(c), cy(c), ms, motions); }
};

// Over a layout opened with a base code: the A Button's x, and the B Button's
// x at -20 (kept while the stream reads it), held at the window's edge.
TEST_F(undo_steps, a_drag_a_held_button_a_typed_value_a_colour_pick_and_an_arrow_run_are_one_step_each) {
    ed.model = imported("812114C6 00C8\n81211230 FFEC\n", ed.model);
    start_editor_state(ed);
    passes(1);
    const std::vector<std::string> opened = {"A Button x=200", "B Button x=0"};
    EXPECT_EQ(changes(ed.model), opened);
    EXPECT_FALSE(unsaved_changes(ed)) << "nothing changed yet";
    struct state {
        std::vector<std::string> layout;
        int element; // the element the step changed
    };
    std::vector<state> after{{opened, ed.model.selected}}; // after each step
    auto step = [&](int e) { after.push_back({changes(ed.model), e}); };
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
    for (size_t i = 1; i < after.size(); i++) ASSERT_NE(after[i].layout, after[i - 1].layout) << i;

    for (int i = 4; i >= 0; i--) {
        key(SDLK_z, KMOD_LCTRL);
        EXPECT_EQ(changes(ed.model), after[i].layout) << "undone to " << i;
        EXPECT_EQ(ed.model.selected, after[i + 1].element) << "the element that step changed, selected";
    }
    EXPECT_EQ(field(field_x), "00D8") << "and its values shown";
    key(SDLK_z, KMOD_LCTRL);
    EXPECT_EQ(changes(ed.model), opened) << "the layout the editor opened with stays";
    EXPECT_FALSE(unsaved_changes(ed));
    for (int i = 1; i <= 5; i++) {
        key(i % 2 ? SDLK_y : SDLK_z, i % 2 ? KMOD_RCTRL : KMOD_LCTRL | KMOD_RSHIFT); // Ctrl+Y, Ctrl+Shift+Z
        EXPECT_EQ(changes(ed.model), after[i].layout) << "redone to " << i;
    }
    key(SDLK_y, KMOD_LCTRL);
    EXPECT_EQ(changes(ed.model), after[5].layout) << "nothing more to redo";
}

} // namespace
