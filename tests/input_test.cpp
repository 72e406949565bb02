// input_test.cpp - the editor's event handling driven through SDL's queue:
// picking and dragging, the arrows and scale buttons, typed entry, the
// selector, the save button, release and quit.
#include "draw/hex.h"
#include "shell/run.h"
#include "support.h"
#include "ui/color_bar.h"
#include "ui/input.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Points inside the panel's controls.
constexpr int scale_minus[] = {10, 280}, scale_plus[] = {68, 280};
constexpr int x_minus[] = {133, 280}, x_plus[] = {160, 280};
constexpr int y_minus[] = {233, 280}, y_plus[] = {260, 280};
constexpr int color_field[] = {210, 255}, scale_field[] = {90, 280};
constexpr int x_field[] = {185, 280}, y_field[] = {285, 280};
constexpr int selector_minus[] = {10, 300}, selector_plus[] = {136, 300};
constexpr int save_button[] = {280, 300};

struct input : ::testing::Test {
    temp_dir dir;
    editor ed;
    void SetUp() override { ASSERT_TRUE(start_editor_headless(ed)); }
    void TearDown() override { tear_down(ed); }

    void press(const int* p) { push_press(p[0], p[1]); }
    void click(const int* p) {
        push_press(p[0], p[1]);
        push_release(p[0], p[1]);
        drain();
    }
    void drain() { poll_editor_events(ed); }
    void passes(int n) {
        for (int i = 0; i < n; i++) editor_pass(ed);
    }
    void type(std::initializer_list<SDLKey> keys) {
        for (SDLKey k : keys) push_key(k);
        drain();
    }
    SDL_Rect& pos(int e) { return ed.model.elements[e].pos; }
    void size(int e, int w, int h) { ed.model.element_sizes[e] = {w, h}; }
    int edit_modes() const { return ed.editing_color + ed.editing_scale + ed.editing_x + ed.editing_y; }
};

// ---- picking and dragging ------------------------------------------------------

TEST_F(input, a_press_on_the_a_buttons_corner_picks_its_icon_and_starts_a_drag) {
    // the icon starts on the button's corner and is tested first, even with
    // the button's real size and the icon's box shrunk to its corner
    size(0, 40, 40);
    size(11, 0, 0);
    push_press(186, 9);
    drain();
    EXPECT_EQ(ed.model.selected, 11);
    EXPECT_EQ(ed.dragging, 1);
    EXPECT_EQ(ed.picking_color, 2);
    EXPECT_EQ(ed.scale_button, 2);
    EXPECT_EQ(pos(11).x, 186) << "the warp to the centre must not move it";
    EXPECT_EQ(pos(11).y, 9);
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    EXPECT_EQ(x, 186);
    EXPECT_EQ(y, 9);
}

TEST_F(input, element_boxes_are_inclusive_signed_and_tested_numbers_icons_rest) {
    for (int e = 0; e < element_count; e++) {
        pos(e) = {300, 200, 0, 0}; // all out of the way
        size(e, 0, 0);
    }
    pos(3) = {-10, -10, 0, 0};
    size(3, 20, 20);
    push_press(10, 10); // the far corner, both ends included
    drain();
    EXPECT_EQ(ed.model.selected, 3);
    push_release(10, 10);
    push_press(11, 10);
    drain();
    EXPECT_EQ(ed.model.selected, 3) << "one past the box picks nothing";
    EXPECT_EQ(ed.dragging, 0);

    // overlapping boxes: a number beats an icon, an icon beats a button
    pos(1) = pos(12) = pos(19) = {50, 50, 0, 0};
    size(1, 30, 30);
    size(12, 30, 30);
    size(19, 30, 30);
    push_press(60, 60);
    push_release(60, 60);
    drain();
    EXPECT_EQ(ed.model.selected, 19);
    pos(19) = {300, 200, 0, 0};
    push_press(60, 60);
    drain();
    EXPECT_EQ(ed.model.selected, 12);
    // a second button during the drag picks nothing new
    pos(12) = {300, 200, 0, 0};
    push_press(60, 60, SDL_BUTTON_RIGHT);
    drain();
    EXPECT_EQ(ed.model.selected, 12);
    push_release(60, 60);
    push_press(60, 60);
    drain();
    EXPECT_EQ(ed.model.selected, 1);
}

TEST_F(input, a_drag_centres_the_element_under_the_pointer_down_to_y_240) {
    pos(1) = {100, 100, 0, 0};
    size(1, 41, 30);
    push_press(110, 110);
    drain(); // the pointer warps to the centre; that motion moves nothing
    EXPECT_EQ(pos(1).x, 100);
    EXPECT_EQ(pos(1).y, 100);
    push_motion(150, 240);
    drain();
    EXPECT_EQ(ed.model.selected, 1);
    EXPECT_EQ(pos(1).x, 150 - 20);
    EXPECT_EQ(pos(1).y, 240 - 15);
    EXPECT_STREQ(ed.x_text, "0082");
    EXPECT_STREQ(ed.y_text, "00E1");
    push_motion(10, 241);
    drain();
    EXPECT_EQ(pos(1).x, 130) << "a motion below y 240 is ignored whole";
    EXPECT_EQ(pos(1).y, 225);
    push_motion(5, 3);
    drain();
    EXPECT_EQ(pos(1).x, -15);
    EXPECT_EQ(pos(1).y, -12);
    EXPECT_STREQ(ed.x_text, "FFF1");
    // after the release the pointer moves alone
    push_release(5, 3);
    push_motion(200, 100);
    drain();
    EXPECT_EQ(pos(1).x, -15);
    EXPECT_EQ(ed.dragging, 0);
}

TEST_F(input, a_release_ends_every_held_state_but_no_edit_or_selection) {
    ed.picking_color = ed.scale_button = ed.dragging = 1;
    ed.scale_dir = ed.nudge = 2;
    ed.editing_x            = 1;
    ed.model.selected       = 7;
    push_release(0, 0, SDL_BUTTON_MIDDLE);
    drain();
    EXPECT_EQ(ed.picking_color | ed.scale_button | ed.dragging | ed.scale_dir | ed.nudge, 0);
    EXPECT_EQ(ed.editing_x, 1);
    EXPECT_EQ(ed.model.selected, 7);
}

// ---- arrows and scale buttons --------------------------------------------------

TEST_F(input, held_arrows_move_one_pixel_per_pass_and_the_y_pair_works_opposite) {
    passes(1); // the first pass fills the texts
    EXPECT_STREQ(ed.x_text, "00BA");
    struct {
        const int* where;
        int dx, dy;
    } arrows[] = {
        {x_plus,  5,  0 },
        {x_minus, -5, 0 },
        {y_minus, 0,  5 },
        {y_plus,  0,  -5},
    };
    for (auto& a : arrows) {
        SDL_Rect before = pos(0);
        press(a.where);
        passes(5);
        EXPECT_EQ(pos(0).x, before.x + a.dx);
        EXPECT_EQ(pos(0).y, before.y + a.dy);
        std::string shown = hexstring(static_cast<uint16_t>(pos(0).x), 4).s;
        EXPECT_EQ(ed.x_text, shown);
        push_release(a.where[0], a.where[1]);
        passes(3);
        EXPECT_EQ(pos(0).x, before.x + a.dx) << "the release stops it";
        EXPECT_EQ(pos(0).y, before.y + a.dy);
    }
    // 16-bit wrap (the next frame then holds the corner at the window's edge)
    pos(0).x = 32767;
    press(x_plus);
    drain();
    nudge_step(ed);
    EXPECT_EQ(pos(0).x, -32768);
}

TEST_F(input, scale_buttons_step_the_selected_elements_slot_once_per_pass) {
    struct {
        int element, slot, plus_step, other, other_step;
    } cases[] = {
        {1,  1,  -1, 12, 0}, // a divisor: "+" makes it smaller
        {0,  0,  1,  12, 0}, // the A Button's slot runs the other way
        {11, 6,  3,  12, 1}, // slot 12 follows slot 6
        {16, 11, -1, 12, 0},
    };
    for (auto& c : cases) {
        ed.model.selected = c.element;
        int32_t before    = ed.model.scales[c.slot].value;
        int32_t other     = ed.model.scales[c.other].value;
        press(scale_plus);
        passes(4);
        push_release(0, 0);
        passes(2);
        EXPECT_EQ(ed.model.scales[c.slot].value, before + 4 * c.plus_step) << c.element;
        EXPECT_EQ(ed.model.scales[c.other].value, other + 4 * c.other_step);
        EXPECT_EQ(ed.scale_text, std::string(hexstring(ed.model.scales[c.slot].value, 4).s));
        press(scale_minus);
        passes(4);
        push_release(0, 0);
        passes(1);
        EXPECT_EQ(ed.model.scales[c.slot].value, before) << c.element;
        EXPECT_EQ(ed.model.scales[c.other].value, other);
    }
    // values wrap at 32 bits
    ed.model.selected        = 2;
    ed.model.scales[2].value = INT32_MIN;
    press(scale_plus); // a divisor: "+" subtracts
    passes(1);
    EXPECT_EQ(ed.model.scales[2].value, INT32_MAX);
}

TEST_F(input, elements_without_a_scale_ignore_the_scale_buttons_and_show_no_scale) {
    int32_t before[scale_count];
    for (int k = 0; k < scale_count; k++) before[k] = ed.model.scales[k].value;
    for (int e : {6, 7, 8, 9, 10, 17, 18, 19, 20}) {
        ed.model.selected = e;
        click(x_field); // an edit mode the scale buttons leave running
        press(scale_plus);
        press(scale_minus);
        drain();
        EXPECT_EQ(ed.scale_button, 0) << e;
        EXPECT_EQ(ed.editing_x, 1) << e;
        passes(3);
        push_release(0, 0);
        // a typed scale completes and changes nothing either
        click(scale_field);
        type({SDLK_1, SDLK_2, SDLK_3, SDLK_4});
        EXPECT_EQ(ed.editing_scale, 0);
        ed.scale_button = 2;
        passes(1);
        EXPECT_STREQ(ed.scale_text, "") << e;
    }
    for (int k = 0; k < scale_count; k++) EXPECT_EQ(ed.model.scales[k].value, before[k]) << k;
}

// ---- typed entry ---------------------------------------------------------------

TEST_F(input, typed_values_complete_at_the_fields_length) {
    click(y_field);
    type({SDLK_0, SDLK_0, SDLK_a});
    EXPECT_STREQ(ed.y_text, "00A");
    EXPECT_EQ(pos(0).y, 9) << "nothing applies before the fourth key";
    type({SDLK_0});
    EXPECT_EQ(pos(0).y, 160);
    EXPECT_STREQ(ed.y_text, "00A0");
    EXPECT_EQ(ed.editing_y, 0);

    click(x_field);
    EXPECT_STREQ(ed.x_text, "");
    type({SDLK_f, SDLK_f, SDLK_f, SDLK_f});
    EXPECT_EQ(pos(0).x, -1);
    EXPECT_STREQ(ed.x_text, "FFFF");

    // a key that stores nothing takes a position and cuts the text there
    click(x_field);
    type({SDLK_1, SDLK_LSHIFT, SDLK_2});
    EXPECT_STREQ(ed.x_text, "1");
    type({SDLK_3});
    EXPECT_EQ(pos(0).x, 1);
    EXPECT_EQ(ed.editing_x, 0);

    // keypad digits; keys after completion do nothing
    click(x_field);
    type({SDLK_KP1, SDLK_KP2, SDLK_KP0, SDLK_KP9, SDLK_5, SDLK_BACKSPACE});
    EXPECT_EQ(pos(0).x, 0x1209);
    EXPECT_STREQ(ed.x_text, "1209");
    EXPECT_EQ(ed.entry_len, 4);

    // a scale goes into the selected element's slot, never its home
    ed.model.selected = 12;
    click(scale_field);
    type({SDLK_0, SDLK_1, SDLK_0, SDLK_0});
    EXPECT_EQ(ed.model.scales[7].value, 256);
    EXPECT_EQ(ed.model.scales[7].home, 550);

    // Escape in an edit ends the run and still takes a position
    click(y_field);
    type({SDLK_ESCAPE});
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(ed.entry_len, 1);
}

TEST_F(input, backspace_takes_back_one_position_and_nothing_at_an_empty_entry) {
    type({SDLK_1, SDLK_BACKSPACE}); // no edit mode: keys do nothing
    EXPECT_EQ(ed.entry_len, 0);
    click(x_field);
    type({SDLK_BACKSPACE, SDLK_BACKSPACE});
    EXPECT_EQ(ed.entry_len, 0);
    EXPECT_EQ(ed.editing_x, 1);
    EXPECT_STREQ(ed.x_text, "");
    type({SDLK_1, SDLK_2, SDLK_BACKSPACE});
    EXPECT_STREQ(ed.x_text, "1");
    EXPECT_EQ(ed.entry_len, 1);
    type({SDLK_0, SDLK_0});
    EXPECT_EQ(ed.editing_x, 1);
    type({SDLK_5});
    EXPECT_EQ(pos(0).x, 0x1005);
}

TEST_F(input, a_colour_entry_completes_at_the_sixth_key) {
    for (int e : {0, 3, 10}) {
        ed.model.selected = e;
        click(color_field);
        type({SDLK_0, SDLK_0, SDLK_f, SDLK_f, SDLK_0});
        EXPECT_EQ(ed.editing_color, 1);
        type({SDLK_0});
        SDL_Color c = ed.model.colors[color_slot_of(e)].value;
        EXPECT_EQ(c.r, 0);
        EXPECT_EQ(c.g, 255);
        EXPECT_EQ(c.b, 0);
        EXPECT_STREQ(ed.color_text, "00FF00");
    }
    EXPECT_EQ(ed.model.colors[2].home.g, 160) << "homes are never touched";
    // C buttons share their slot
    EXPECT_EQ(ed.model.colors[2].value.g, 255);

    // elements with no colour of their own: the entry completes, nothing changes
    SDL_Color before[color_count];
    for (int k = 0; k < color_count; k++) before[k] = ed.model.colors[k].value;
    ed.model.selected = 14;
    click(color_field);
    type({SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6});
    EXPECT_EQ(ed.editing_color, 0);
    for (int k = 0; k < color_count; k++) {
        EXPECT_EQ(ed.model.colors[k].value.r, before[k].r);
        EXPECT_EQ(ed.model.colors[k].value.b, before[k].b);
    }
}

TEST_F(input, one_edit_mode_at_a_time_and_no_entry_outgrows_its_field) {
    click(color_field);
    type({SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5});
    click(x_field);
    EXPECT_EQ(ed.editing_color, 0) << "a press on a value field ends the other one";
    EXPECT_EQ(ed.editing_x, 1);
    EXPECT_EQ(ed.entry_len, 0);
    type({SDLK_a, SDLK_b, SDLK_c, SDLK_d});
    EXPECT_EQ(pos(0).x, static_cast<Sint16>(0xABCD));
    EXPECT_EQ(edit_modes(), 0);
    EXPECT_EQ(ed.model.colors[0].value.b, 255) << "the abandoned colour entry changed nothing";

    // a first key that stores nothing leaves the buffer's first byte as it was
    click(y_field);
    type({SDLK_LSHIFT});
    EXPECT_STREQ(ed.y_text, "A");
    type({SDLK_0, SDLK_0, SDLK_0});
    EXPECT_EQ(pos(0).y, static_cast<Sint16>(0xA000));

    // a press outside every control ends every edit mode
    click(scale_field);
    push_press(150, 300); // the selector's name
    drain();
    EXPECT_EQ(edit_modes(), 0);
    EXPECT_EQ(ed.model.selected, 0);
    type({SDLK_1, SDLK_2, SDLK_3, SDLK_4});
    EXPECT_EQ(ed.model.scales[0].value, ed.model.scales[0].home);
}

// ---- selector and save ------------------------------------------------------

TEST_F(input, the_selector_wraps_and_refreshes_the_texts) {
    passes(1);
    click(selector_minus);
    EXPECT_EQ(ed.model.selected, 20);
    EXPECT_STREQ(ed.x_text, "0110") << "272: the position texts refresh at once";
    EXPECT_STREQ(ed.scale_text, "FE84") << "the scale text still shows element 0's";
    EXPECT_STREQ(ed.color_text, "5A5AFF");
    press(selector_plus);
    drain();
    EXPECT_EQ(ed.model.selected, 0);
    passes(1); // pressed, not released: the one-shot refreshes run
    EXPECT_STREQ(ed.scale_text, "FE84");
    EXPECT_STREQ(ed.color_text, "5A5AFF");
    for (int i = 0; i < element_count; i++) click(selector_plus);
    passes(1);
    EXPECT_EQ(ed.model.selected, 0);
    push_press(145, 300); // right of the "+" box
    drain();
    EXPECT_EQ(ed.model.selected, 0);
    // a selection change refreshes colour and scale texts in the coming pass
    press(selector_minus);
    passes(1);
    EXPECT_STREQ(ed.scale_text, "");
    EXPECT_STREQ(ed.color_text, "");
    EXPECT_EQ(ed.picking_color | ed.scale_button, 0);
}

TEST_F(input, the_save_button_writes_the_edited_layout) {
    click(save_button);
    ASSERT_TRUE(file_exists("code.txt"));
    EXPECT_TRUE(read_lines("code.txt").empty());

    click(x_field);
    type({SDLK_0, SDLK_0, SDLK_b, SDLK_b}); // the A Button one pixel right
    ed.model.selected = 9;                  // the Map one pixel down
    press(y_minus);
    passes(1);
    push_release(0, 0);
    ed.model.selected = 1;
    click(color_field);
    type({SDLK_f, SDLK_f, SDLK_0, SDLK_0, SDLK_9, SDLK_6});
    ed.model.selected = 12;
    press(scale_minus);
    passes(2);
    push_release(0, 0);
    click(scale_field); // an edit left open by the save press
    click(save_button);
    EXPECT_EQ(edit_modes(), 0);
    std::vector<std::string> want = {"812114C6 00BB", "812117E0 0097", "812117E0 0097", "81211258 0228",
                                     "812111FA 00FF", "812111FC 0000", "812111FE 0096"};
    EXPECT_EQ(read_lines("code.txt"), want);
}

TEST_F(input, escape_with_a_queued_save_click_still_writes_code_txt) {
    pos(4).x = 200;
    push_key(SDLK_ESCAPE);
    push_press(save_button[0], save_button[1]);
    editor_loop(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(read_lines("code.txt"), std::vector<std::string>{"81211232 00C8"});
}

} // namespace
