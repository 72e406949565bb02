// input_test.cpp - the editor's event handling driven through SDL's queue:
// picking and dragging, the arrows and scale buttons, typed entry, the
// selector; the colour bar and its walk through the hues.
#include "draw/hex.h"
#include "support.h"
#include "editor/color_bar.h"
#include "editor/input.h"

#include <map>

namespace {

struct input : editor_test {
    void drain() { poll_editor_events(ed); }
    void size(int e, int w, int h) { ed.model.element_sizes[e] = {w, h}; }
    void click(int x, int y) { push_press(x, y), push_release(x, y); }
    // Clicks and keys in a few letters, then a drain: X, Y, S, C a click on
    // that value field, "." one outside every control, 0-9 and a-f those keys, # before a digit its keypad
    // key, ^ Shift, < Backspace.
    void script(const char* s) {
        for (; *s; s++) switch (*s) {
            case 'X': click(185, 280); break;
            case 'Y': click(285, 280); break;
            case 'S': click(90, 280); break;
            case 'C': click(210, 255); break;
            case '.': click(150, 300); break; // the selector's name
            case '^': push_key(SDLK_LSHIFT); break;
            case '<': push_key(SDLK_BACKSPACE); break;
            case '#': push_key(static_cast<SDLKey>(SDLK_KP0 + *++s - '0')); break;
            default: push_key(static_cast<SDLKey>(*s)); // SDLK_0.. and SDLK_a.. are the characters
            }
        drain();
    }
};

TEST_F(input, a_press_picks_numbers_then_icons_then_the_rest_in_inclusive_boxes_and_drags_down_to_y_240) {
    auto press = [&](int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        return push_press(x, y, button), drain(), ed.model.selected;
    };
    for (int e = 0; e < element_count; e++) pos(e) = {300, 200, 0, 0}, size(e, 0, 0);
    pos(3) = {-10, -10, 0, 0}, size(3, 20, 20);
    for (int e : {1, 12, 19}) pos(e) = {50, 50, 0, 0}, size(e, 41, 30);
    EXPECT_EQ(press(10, 10), 3) << "the far corner, both ends included";
    push_release(0, 0);
    EXPECT_TRUE(press(11, 10) == 3 && ed.dragging == 0) << "one past the box picks nothing";
    EXPECT_EQ(press(60, 60), 19) << "overlapping boxes: a number beats an icon";
    push_release(0, 0);
    pos(19) = {300, 200, 0, 0};
    EXPECT_EQ(press(60, 60), 12) << "an icon beats a button";
    pos(12) = {300, 200, 0, 0};
    EXPECT_EQ(press(60, 60, SDL_BUTTON_RIGHT), 12) << "a second button during the drag picks nothing new";
    push_release(0, 0);
    EXPECT_EQ(press(90, 60), 1);
    EXPECT_TRUE(pos(1).x == 50 && pos(1).y == 50) << "the pointer warps to the centre, which moves nothing";
    const int moves[][4] = {{150, 240, 130, 225}, {10, 241, 130, 225}, {5, 3, -15, -12}}; // not below y 240
    for (auto& m : moves) {
        push_motion(m[0], m[1]);
        drain();
        EXPECT_TRUE(pos(1).x == m[2] && pos(1).y == m[3]) << m[0] << "," << m[1];
    }
    push_release(5, 3); // after the release the pointer moves alone
    push_motion(200, 100);
    drain();
    EXPECT_TRUE(pos(1).x == -15 && ed.dragging == 0 && ed.model.selected == 1);
}

TEST_F(input, held_arrows_and_scale_buttons_step_once_per_pass_until_the_release) {
    // clang-format off
    const struct { int e, x, dx, dy, slot, step, step12; } rows[] = { // the button at (x, 280), each pass's steps
        {0, 160, 1, 0, -1, 0, 0}, {0, 233, 0, 1, -1, 0, 0}, // X + moves right, Y - down
        {1, 68, 0, 0, 1, -1, 0}, {0, 68, 0, 0, 0, 1, 0},    // "+" makes a divisor smaller, but the A Button's
        {11, 10, 0, 0, 6, -3, -1}, {7, 68, 0, 0, -1, 0, 0}}; // slot 12 follows slot 6; no scale: nothing moves
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.e << " " << r.x);
        ed.model.selected      = r.e;
        ed.scale_button        = scale_refresh; // as a new selection does
        layout want            = ed.model;
        want.elements[r.e].pos = {Sint16(pos(r.e).x + 5 * r.dx), Sint16(pos(r.e).y + 5 * r.dy), 0, 0};
        want.scales[r.slot < 0 ? 12 : r.slot].value += 5 * r.step, want.scales[12].value += 5 * r.step12;
        push_press(r.x, 280);
        passes(5);
        push_release(r.x, 280);
        passes(3);
        EXPECT_EQ(changes(ed.model), changes(want));
        const int k = scale_slot_of(r.e);
        EXPECT_STREQ(ed.scale_text, k == no_slot ? "" : hexstring(ed.model.scales[k].value, 4).s);
    }
}

TEST_F(input, typed_values_complete_at_the_fields_length) {
    // A press on another value field ends the running edit and starts afresh; a first key that stores
    // nothing then leaves the buffer's first byte as the last entry left it.
    // clang-format off
    const struct { int selected; const char *script, *shown; std::vector<std::string> changed; } rows[] = {
        // the element selected, the script, the last field and its text, the changes
        {0, "X<<", "X", {}}, {0, "X1^23", "X1", {"x0=1"}},  // Shift takes a place, cuts the text
        {0, "X#1#2#0#95<", "X1209", {"x0=4617"}},          // keys after completion: nothing
        {6, "S1234", "S1234", {}}, {14, "C123456", "C123456", {}}, // 6 has no scale of its own, 14 no colour
        {0, "C12345Xabcd", "XABCD", {"x0=-21555"}}, {0, "XabcdY^000", "YA000", {"x0=-21555", "y0=-24576"}},
        {0, "S.1234", "S", {}},         // a press elsewhere ends it
        {0, "Xffff", "XFFFF", {"x0=-1"}}, {0, "Y0f0f", "Y0F0F", {"y0=3855"}}}; // the key f as a digit
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        tear_down(ed);
        ASSERT_TRUE(start_editor_headless(ed));
        ed.model.selected = r.selected;
        script(r.script);
        std::map<char, char*> text = {
            {'X', ed.x_text}, {'Y', ed.y_text}, {'S', ed.scale_text}, {'C', ed.color_text}};
        EXPECT_STREQ(text[r.shown[0]], r.shown + 1);
        EXPECT_EQ(changes(ed.model), r.changed);
    }
}

TEST_F(input, the_selector_wraps_both_ways_and_refreshes_the_position_texts_at_once) {
    passes(1);           // the first pass fills every text
    push_press(10, 300); // "-", held: back from the first element to the last
    drain();
    EXPECT_TRUE(ed.model.selected == 20 && !strcmp(ed.x_text, "0110")) << "272";
    push_release(0, 0);
    for (int i = 0; i <= element_count; i++) click(136, 300); // "+": on from the last to the first
    push_press(145, 300);                                     // right of the "+" box
    drain();
    EXPECT_TRUE(ed.model.selected == 0 && changes(ed.model).empty());
}

struct color_bar : editor_test {};

TEST_F(color_bar, a_press_held_on_the_colour_bar_follows_the_pointers_x_for_the_elements_colour_slot) {
    ed.model.selected = 4; // a C button: slot 2
    push_press(8, 250);
    const int moves[][3] = {{8, 250, 0xFF0000},   {9, 250, 0xFF0800},   {100, 9, 0x09F6FF},
                            {160, 300, 0xFF08F6}, {186, 100, 0xFF0819}, {319, 300, 0xFF0808},
                            {40, 255, 0xF7FF00}};
    for (auto& m : moves) { // the press itself, then motions whatever their y
        push_motion(m[0], m[1]);
        editor_pass(ed);
        EXPECT_STREQ(ed.color_text, hexstring(uint32_t(m[2]), 6).s) << m[0];
        EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=" + std::string(ed.color_text)});
    }
    const int presses[][3] = {{4, 187, 250}, {4, 100, 265}, {11, 100, 250}, {17, 100, 250}, {20, 8, 264}};
    for (auto& p : presses) { // just right of and just below the bar; then elements with no colour
        ed.model.selected = p[0];
        push_release(0, 0);
        push_press(p[1], p[2]);
        passes(2);
        EXPECT_STREQ(ed.color_text, p[0] == 4 ? "F7FF00" : "") << p[1] << "," << p[2];
    }
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=F7FF00"}) << "the colour stays as last picked";
}

} // namespace
