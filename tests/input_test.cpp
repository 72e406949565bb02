// input_test.cpp - the editor's event handling driven through SDL's queue:
// picking and dragging, the arrows and scale buttons, typed entry, the
// selector, the save button and quit.
#include "draw/hex.h"
#include "support.h"
#include "ui/input.h"

#include <climits>

namespace {

// Points inside the panel's controls.
constexpr int scale_minus[] = {10, 280}, scale_plus[] = {68, 280};
constexpr int x_minus[] = {133, 280}, x_plus[] = {160, 280};
constexpr int y_minus[] = {233, 280}, y_plus[] = {260, 280};
constexpr int color_field[] = {210, 255}, scale_field[] = {90, 280};
constexpr int x_field[] = {185, 280}, y_field[] = {285, 280};
constexpr int selector_minus[] = {10, 300}, selector_plus[] = {136, 300};
constexpr int save_button[] = {280, 300}, no_control[] = {150, 300}; // the selector's name

struct input : editor_test {
    void press(const int* p) { push_press(p[0], p[1]); }
    void click(const int* p) {
        push_press(p[0], p[1]);
        push_release(p[0], p[1]);
        drain();
    }
    void drain() { poll_editor_events(ed); }
    void size(int e, int w, int h) { ed.model.element_sizes[e] = {w, h}; }
    // Clicks and keys in a few letters: X, Y, S, C a click on that value field,
    // "." one outside every control, 0-9 and a-f those keys, # before a digit
    // its keypad key, ^ Shift, < Backspace.
    void script(const char* s) {
        for (; *s; s++) switch (*s) {
            case 'X': click(x_field); break;
            case 'Y': click(y_field); break;
            case 'S': click(scale_field); break;
            case 'C': click(color_field); break;
            case '.': click(no_control); break;
            case '^': push_key(SDLK_LSHIFT); break;
            case '<': push_key(SDLK_BACKSPACE); break;
            case '#': push_key(static_cast<SDLKey>(SDLK_KP0 + *++s - '0')); break;
            default: push_key(static_cast<SDLKey>(*s)); // SDLK_0.. and SDLK_a.. are the characters
            }
        drain();
    }
    std::string edit_modes() const {
        return std::string(ed.editing_color ? "C" : "") + (ed.editing_scale ? "S" : "") +
               (ed.editing_x ? "X" : "") + (ed.editing_y ? "Y" : "");
    }
};

// ---- picking and dragging ------------------------------------------------------

TEST_F(input, a_press_picks_numbers_then_icons_then_the_rest_in_boxes_inclusive_and_signed) {
    // the icon starts on the button's corner and is tested first, even with
    // the button's real size and the icon's box shrunk to its corner
    size(0, 40, 40);
    size(11, 0, 0);
    push_press(186, 9);
    drain();
    EXPECT_TRUE(ed.model.selected == 11 && ed.dragging == 1 && ed.picking_color == 2 && ed.scale_button == 2);
    EXPECT_TRUE(changes(ed.model).empty()) << "the warp to the centre must not move it";
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    EXPECT_TRUE(x == 186 && y == 9) << x << "," << y;
    push_release(186, 9);
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
    EXPECT_EQ(ed.dragging, 0) << "one past the box picks nothing";

    // overlapping boxes: a number beats an icon, an icon beats a button
    for (int e : {1, 12, 19}) pos(e) = {50, 50, 0, 0}, size(e, 30, 30);
    push_press(60, 60);
    push_release(60, 60);
    drain();
    EXPECT_EQ(ed.model.selected, 19);
    pos(19) = {300, 200, 0, 0};
    push_press(60, 60);
    drain();
    EXPECT_EQ(ed.model.selected, 12);
    pos(12) = {300, 200, 0, 0};
    push_press(60, 60, SDL_BUTTON_RIGHT); // a second button during the drag picks nothing new
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
    EXPECT_TRUE(pos(1).x == 100 && pos(1).y == 100);
    const struct {
        int px, py, x, y;
        const char *x_text, *y_text;
    } moves[] = {
        {150, 240, 130, 225, "0082", "00E1"},
        {10, 241, 130, 225, "0082", "00E1"}, // a motion below y 240 is ignored whole
        {5, 3, -15, -12, "FFF1", "FFF4"},
    };
    for (auto& m : moves) {
        push_motion(m.px, m.py);
        drain();
        EXPECT_EQ(pos(1).x, m.x) << m.px << "," << m.py;
        EXPECT_EQ(pos(1).y, m.y) << m.px << "," << m.py;
        EXPECT_STREQ(ed.x_text, m.x_text);
        EXPECT_STREQ(ed.y_text, m.y_text);
    }
    EXPECT_EQ(ed.model.selected, 1);
    push_release(5, 3); // after the release the pointer moves alone
    push_motion(200, 100);
    drain();
    EXPECT_EQ(pos(1).x, -15);
    EXPECT_EQ(ed.dragging, 0);
}

// ---- arrows and scale buttons --------------------------------------------------

TEST_F(input, held_arrows_move_one_pixel_per_pass_and_the_y_pair_works_opposite) {
    const struct {
        const int* where;
        int dx, dy;
    } arrows[] = {
        {x_plus, 5, 0},
        {x_minus, -5, 0},
        {y_minus, 0, 5},
        {y_plus, 0, -5},
    };
    for (auto& a : arrows) {
        SDL_Rect before = pos(0);
        press(a.where);
        passes(5);
        EXPECT_EQ(pos(0).x, before.x + a.dx);
        EXPECT_EQ(pos(0).y, before.y + a.dy);
        EXPECT_STREQ(ed.x_text, hexstring(static_cast<uint16_t>(pos(0).x), 4).s);
        EXPECT_STREQ(ed.y_text, hexstring(static_cast<uint16_t>(pos(0).y), 4).s);
        push_release(a.where[0], a.where[1]);
        passes(3);
        EXPECT_EQ(pos(0).x, before.x + a.dx) << "the release stops it";
        EXPECT_EQ(pos(0).y, before.y + a.dy);
    }
    pos(0).x = 32767; // 16-bit wrap (the next frame then holds the corner at the window's edge)
    press(x_plus);
    drain();
    nudge_step(ed);
    EXPECT_EQ(pos(0).x, -32768);
}

TEST_F(input, scale_buttons_step_the_selected_elements_slot_once_per_pass) {
    const struct {
        int element, slot, plus_step, other_step; // other: slot 12
    } cases[] = {
        {1, 1, -1, 0}, // a divisor: "+" makes it smaller
        {0, 0, 1, 0},  // the A Button's slot runs the other way
        {11, 6, 3, 1}, // slot 12 follows slot 6
        {16, 11, -1, 0},
    };
    for (auto& c : cases) {
        ed.model.selected = c.element;
        int32_t before = ed.model.scales[c.slot].value, other = ed.model.scales[12].value;
        press(scale_plus);
        passes(4);
        push_release(0, 0);
        passes(2);
        EXPECT_EQ(ed.model.scales[c.slot].value, before + 4 * c.plus_step) << c.element;
        EXPECT_EQ(ed.model.scales[12].value, other + 4 * c.other_step);
        EXPECT_STREQ(ed.scale_text, hexstring(ed.model.scales[c.slot].value, 4).s);
        press(scale_minus);
        passes(4);
        push_release(0, 0);
        passes(1);
        EXPECT_TRUE(changes(ed.model).empty()) << c.element;
    }
    ed.model.selected        = 2; // values wrap at 32 bits
    ed.model.scales[2].value = INT32_MIN;
    press(scale_plus); // a divisor: "+" subtracts
    passes(1);
    EXPECT_EQ(ed.model.scales[2].value, INT32_MAX);
}

TEST_F(input, elements_without_a_scale_ignore_the_scale_buttons_and_show_no_scale) {
    for (int e : {6, 7, 8, 9, 10, 17, 18, 19, 20}) {
        ed.model.selected = e;
        script("X"); // an edit mode the scale buttons leave running
        press(scale_plus);
        passes(3);
        EXPECT_TRUE(ed.scale_button == 0 && edit_modes() == "X") << e;
        push_release(0, 0);
        ed.scale_button = 2;
        passes(1);
        EXPECT_STREQ(ed.scale_text, "") << e;
    }
    EXPECT_TRUE(changes(ed.model).empty());
}

// ---- typed entry ---------------------------------------------------------------

TEST_F(input, typed_values_complete_at_the_fields_length) {
    // A press on another value field ends the running edit and starts its own
    // entry afresh; a first key that stores nothing then leaves the buffer's
    // first byte as the last entry left it.
    const struct {
        int selected;
        const char* script;
        std::vector<std::string> changed;
        char field;        // the value text shown
        const char* text;  // and what it shows
        const char* modes; // the edit modes still running
    } rows[] = {
        {0, "Y00a", {}, 'Y', "00A", "Y"},
        {0, "Y00a0", {"y0=160"}, 'Y', "00A0", ""},
        {0, "Xffff", {"x0=-1"}, 'X', "FFFF", ""},
        {0, "X1^2", {}, 'X', "1", "X"}, // Shift takes a place, cuts the text
        {0, "X1^23", {"x0=1"}, 'X', "1", ""},
        {0, "X#1#2#0#95<", {"x0=4617"}, 'X', "1209", ""}, // keys after completion: nothing
        {0, "X<<", {}, 'X', "", "X"},
        {0, "X12<", {}, 'X', "1", "X"},
        {0, "X12<005", {"x0=4101"}, 'X', "1005", ""},
        {0, "1<", {}, 'X', "", ""}, // no edit mode: keys do nothing
        {12, "S0100", {"s7=256"}, 'S', "0100", ""},
        {6, "S1234", {}, 'S', "1234", ""}, // no scale of its own
        {0, "C00ff0", {}, 'C', "00FF0", "C"},
        {0, "C00ff00", {"c0=00FF00"}, 'C', "00FF00", ""},
        {3, "C00ff00", {"c2=00FF00"}, 'C', "00FF00", ""}, // the C buttons share one
        {10, "C00ff00", {"c7=00FF00"}, 'C', "00FF00", ""},
        {14, "C123456", {}, 'C', "123456", ""}, // no colour of its own
        {0, "C12345Xabcd", {"x0=-21555"}, 'X', "ABCD", ""},
        {0, "XabcdY^000", {"x0=-21555", "y0=-24576"}, 'Y', "A000", ""},
        {0, "S.1234", {}, 'S', "", ""}, // a press elsewhere ends it
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        tear_down(ed);
        ASSERT_TRUE(start_editor_headless(ed));
        ed.model.selected = r.selected;
        script(r.script);
        EXPECT_EQ(changes(ed.model), r.changed);
        const char* shown = r.field == 'X'   ? ed.x_text
                            : r.field == 'Y' ? ed.y_text
                            : r.field == 'S' ? ed.scale_text
                                             : ed.color_text;
        EXPECT_STREQ(shown, r.text);
        EXPECT_EQ(edit_modes(), r.modes);
        EXPECT_EQ(ed.model.selected, r.selected);
    }
}

// ---- selector, save and quit ----------------------------------------------------

TEST_F(input, the_selector_wraps_both_ways_and_refreshes_the_texts) {
    passes(1); // the first pass fills every text
    EXPECT_STREQ(ed.y_text, "0009");
    click(selector_minus); // back from the first element to the last
    EXPECT_EQ(ed.model.selected, 20);
    EXPECT_STREQ(ed.x_text, "0110") << "272: the position texts refresh at once";
    EXPECT_STREQ(ed.color_text, "5A5AFF") << "the colour and scale texts in the coming pass";
    for (int i = 0; i <= element_count; i++) click(selector_plus); // on from the last to the first
    push_press(145, 300);                                          // right of the "+" box
    drain();
    EXPECT_EQ(ed.model.selected, 0);
    press(selector_minus); // held: the one-shot refreshes run all the same
    passes(1);
    EXPECT_STREQ(ed.scale_text, "");
    EXPECT_STREQ(ed.color_text, "");
    EXPECT_EQ(ed.picking_color | ed.scale_button, 0);
    EXPECT_TRUE(changes(ed.model).empty());
}

TEST_F(input, the_save_button_writes_the_edited_layout) {
    click(save_button);
    ASSERT_TRUE(file_exists("code.txt"));
    EXPECT_TRUE(read_lines("code.txt").empty());
    script("X00bb");       // the A Button one pixel right
    ed.model.selected = 9; // the Map one pixel down
    press(y_minus);
    passes(1);
    push_release(0, 0);
    ed.model.selected = 1;
    script("Cff0096");
    ed.model.selected = 12;
    press(scale_minus);
    passes(2);
    push_release(0, 0);
    script("S"); // an edit left open by the save press
    click(save_button);
    EXPECT_EQ(edit_modes(), "");
    EXPECT_EQ(read_lines("code.txt"),
              (std::vector<std::string>{"812114C6 00BB", "812117E0 0097", "812117E0 0097", "81211258 0228",
                                        "812111FA 00FF", "812111FC 0000", "812111FE 0096"}));
}

TEST_F(input, quit_writes_nothing_and_escape_with_a_queued_save_click_still_writes_code_txt) {
    pos(4).x = 200;
    push_quit();
    editor_loop(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_FALSE(file_exists("code.txt")) << "nothing is written on the way out";
    ed.running = 1;
    push_key(SDLK_ESCAPE);
    push_press(save_button[0], save_button[1]);
    editor_loop(ed);
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(read_lines("code.txt"), std::vector<std::string>{"81211232 00C8"});
    ed.running = 1;
    script("Y");
    push_key(SDLK_ESCAPE); // in an edit it ends the run all the same, and takes a position
    drain();
    EXPECT_EQ(ed.running, 0);
    EXPECT_EQ(ed.entry_len, 1);
}

} // namespace
