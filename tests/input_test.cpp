// input_test.cpp - the editor's event handling driven through SDL's queue:
// picking and dragging, every control pressed and released at once, the +/-
// buttons paced by a stopped clock and their scale limits, typed entry with
// modifier keys, the arrow keys, the selector; the colour bar.
#include "model/hex.h"
#include "support.h"
#include "editor/color_bar.h"
#include "editor/input.h"
#include "editor/panel.h"
#include "editor/repeat.h"
#include "editor/scale_limits.h"
#include "editor/update.h"
#include "model/color_walk.h"
#include "model/scale_rules.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace {

struct input : editor_test {
    // The four value texts, "x y scale colour".
    std::string texts() const {
        return field(field_x) + " " + field(field_y) + " " + field(field_scale) + " " + field(field_color);
    }
    // Clicks and keys in a few letters, then a drain: X, Y, S, C a click on
    // that value field, "." one outside every control, 0-9 and a-z those
    // keys, # before a digit its keypad key, < Backspace, R L U D the arrow
    // keys, + and * before a key: with the left or the right Shift held, & with
    // Ctrl held; the modifier keys ^ Shift, % Caps Lock, ~ Num Lock, ! Ctrl,
    // @ AltGr, $ Super.
    void script(const char* s) {
        const std::map<char, SDLKey> named = {
            {'^', SDLK_LSHIFT}, {'%', SDLK_CAPSLOCK}, {'~', SDLK_NUMLOCK},   {'!', SDLK_LCTRL},
            {'@', SDLK_MODE},   {'$', SDLK_LSUPER},   {'<', SDLK_BACKSPACE}, {'R', SDLK_RIGHT},
            {'L', SDLK_LEFT},   {'U', SDLK_UP},       {'D', SDLK_DOWN}};
        for (SDLMod held = KMOD_NONE; *s; s++) switch (*s) {
            case 'X': click(ctl_x_field); break;
            case 'Y': click(ctl_y_field); break;
            case 'S': click(ctl_scale_field); break;
            case 'C': click(ctl_color_field); break;
            case '.': click(150, 300); break; // the selector's name
            case '#': push_key(static_cast<SDLKey>(SDLK_KP0 + *++s - '0')); break;
            case '+': held = KMOD_LSHIFT; break;
            case '*': held = KMOD_RSHIFT; break;
            case '&': held = KMOD_LCTRL; break;
            default: // SDLK_0.. and SDLK_a.. are the characters
                push_key(named.count(*s) ? named.at(*s) : static_cast<SDLKey>(*s), held);
                held = KMOD_NONE;
            }
        drain();
    }
    // A press on a button held ms, with a pass every `every` ms (0: one pass at the end), then let go.
    void hold(panel_control button, Uint32 ms, Uint32 every) {
        const Uint32 from = ed.now_ms;
        press(button);
        drain();
        for (Uint32 at = every; every && at < ms; at += every) {
            ed.now_ms = from + at;
            update_editor(ed);
        }
        ed.now_ms = from + ms;
        passes(1);
        push_release(0, 0);
        passes(1);
    }
};

// At every zoom: a press on the first window pixel of the editor pixel's
// square, a motion on its last.
TEST_F(input, a_press_picks_numbers_then_icons_then_the_rest_in_inclusive_boxes_and_drags_by_editor_pixels) {
    for (int z : {1, 2, 4}) {
        SCOPED_TRACE(z);
        restart(z);
        auto pick = [&](int x, int y, Uint8 button = SDL_BUTTON_LEFT) { // the press, then the pointer's jump
            push_press(x * z, y * z, button);
            drain();
            drain();
            return ed.model.selected;
        };
        auto move = [&](int x, int y) {
            push_motion(x * z + z - 1, y * z + z - 1);
            drain();
        };
        for (int e = 0; e < element_count; e++) place(e, 300, 200);
        place(el_c_down_button, -10, -10, 20, 20);
        for (int e : {el_b_button, el_b_button_icon, el_c_left_number}) place(e, 50, 50, 41, 30);
        EXPECT_EQ(pick(10, 10), el_c_down_button) << "the far corner, both ends included";
        push_release(0, 0);
        EXPECT_TRUE(pick(11, 10) == el_c_down_button && ed.dragging == 0) << "one past the box picks nothing";
        EXPECT_EQ(pick(60, 60), el_c_left_number) << "overlapping boxes: a number beats an icon";
        push_release(0, 0);
        place(el_c_left_number, 300, 200);
        EXPECT_EQ(pick(60, 60), el_b_button_icon) << "an icon beats a button";
        place(el_b_button_icon, 300, 200);
        // a second button during the drag picks nothing new
        EXPECT_EQ(pick(60, 60, SDL_BUTTON_RIGHT), el_b_button_icon);
        push_release(0, 0);
        EXPECT_EQ(pick(90, 60), el_b_button);
        // the pointer jumps to the centre, which moves nothing
        EXPECT_TRUE(pos(el_b_button).x == 50 && pos(el_b_button).y == 50);
        // the pointer, then the element's corner: not below y 240
        const int moves[][4] = {{150, 240, 130, 225}, {10, 241, 130, 225}, {5, 3, -15, -12}};
        for (auto& m : moves) {
            move(m[0], m[1]);
            EXPECT_TRUE(pos(el_b_button).x == m[2] && pos(el_b_button).y == m[3]) << m[0] << "," << m[1];
        }
        push_release(5, 3); // after the release the pointer moves alone
        move(200, 100);
        EXPECT_TRUE(pos(el_b_button).x == -15 && ed.dragging == 0 && ed.model.selected == el_b_button);
        // a centre beyond the right edge: the pointer stops at the last column
        place(el_b_button, 300, 50, 200, 20);
        EXPECT_EQ(pick(305, 55), el_b_button);
        EXPECT_TRUE(pos(el_b_button).x == 319 - 100 && pos(el_b_button).y == 50);
    }
}

// A touchpad tap: the press and its release reach the editor in one drain.
// Each control acts once on the A Button (at 00BA 0009, scale FE84, colour
// 5A5AFF): the value texts after it, and nothing more however long it stays
// released.
TEST_F(input, a_press_released_in_the_same_drain_acts_once_on_every_control_and_the_selector_wraps_round) {
    const rgb c          = color_walk(cx(ctl_color_bar) - panel_table[ctl_color_bar].box.x);
    const std::string rr = hex_string(uint32_t(c.r << 16 | c.g << 8 | c.b), 6).s;
    // clang-format off
    const std::map<panel_control, std::string> shown = {
        {ctl_save, "00BA 0009 FE84 5A5AFF"}, {ctl_color_bar, "00BA 0009 FE84 " + rr},
        {ctl_scale_minus, "00BA 0009 FE83 5A5AFF"}, {ctl_scale_plus, "00BA 0009 FE85 5A5AFF"},
        {ctl_x_minus, "00B9 0009 FE84 5A5AFF"}, {ctl_x_plus, "00BB 0009 FE84 5A5AFF"},
        {ctl_y_minus, "00BA 000A FE84 5A5AFF"}, {ctl_y_plus, "00BA 0008 FE84 5A5AFF"},
        {ctl_color_field, "00BA 0009 FE84 "}, {ctl_scale_field, "00BA 0009  5A5AFF"}, // an entry begins
        {ctl_x_field, " 0009 FE84 5A5AFF"}, {ctl_y_field, "00BA  FE84 5A5AFF"},
        {ctl_selector_minus, "0110 0023  "}, {ctl_selector_plus, "00A0 0011 023F 009600"}}; // C-Right Number, B Button
    // clang-format on
    for (const panel_row& row : panel_table) {
        SCOPED_TRACE(row.name);
        restart();
        passes(1);
        click(row.control);
        drain();
        const std::vector<std::string> changed = changes(ed.model);
        EXPECT_EQ(texts(), shown.at(row.control));
        // a value changed at once:
        EXPECT_EQ(changed.size(),
                  row.action == press_scale || row.action == press_nudge || row.action == press_pick_color);
        EXPECT_EQ(std::filesystem::exists("code.txt") && ed.note == note_saved, row.action == press_save);
        ed.now_ms += 5000;
        passes(3);
        EXPECT_EQ(changes(ed.model), changed);
        EXPECT_EQ(texts(), shown.at(row.control));
    }
    restart();
    passes(1);
    // an element picked and let go at once shows its values
    click(pos(el_map).x + 5, pos(el_map).y + 5);
    drain();
    EXPECT_EQ(texts(), "00D8 0096  00FFFF");
    for (int i = 0; i < element_count; i++) click(ctl_selector_plus); // on past the last element, round to it
    drain();
    EXPECT_EQ(ed.model.selected, el_map);
}

TEST_F(input, held_buttons_step_at_the_press_then_repeat_by_the_time_held_whatever_the_pass_rate) {
    // X "+" on the Map: a pixel at the press, then one a pass from 400 ms on
    ed.model.selected = el_map;
    hold(ctl_x_plus, repeat_delay_ms - 1, 10);
    EXPECT_EQ(pos(el_map).x, 217) << "a click up to 0.4 s is one pixel";
    hold(ctl_x_plus, repeat_delay_ms + 30, 10); // passes at 400, 410, 420 and 430 ms
    EXPECT_EQ(pos(el_map).x, 217 + 1 + 4);

    // Scale "-" on the B Button (a larger divisor): the steps taken after holding it t ms,
    // with a pass every `every` ms (0: one pass at t).
    ed.model.selected = el_b_button;
    auto steps        = [&](Uint32 t, Uint32 every) {
        start_scales(ed.model);
        hold(ctl_scale_minus, t, every);
        return ed.model.scales[1].value - 575;
    };
    EXPECT_EQ(steps(0, 0), 1);
    EXPECT_EQ(steps(repeat_delay_ms - 1, 10), 1) << "a click up to 0.4 s is one step";
    EXPECT_EQ(steps(repeat_delay_ms, 0), 2);
    EXPECT_EQ(steps(repeat_delay_ms + 400, 0) - steps(repeat_delay_ms, 0), 4) << "10 a second at first";
    EXPECT_GE(steps(3000, 0) - steps(2900, 0), 50) << "at least 500 a second after 3 s";
    for (Uint32 t : {777u, 2345u, 4100u}) // a pass every 1 or 45 ms, or one at the end
        EXPECT_TRUE(steps(t, 1) == steps(t, 0) && steps(t, 45) == steps(t, 0)) << t;
    EXPECT_LT(steps(6000, 45), 16864 - 575) << "short of the end of the drawn range after 6 s...";
    EXPECT_EQ(steps(8000, 45), 16864 - 575) << "...and at it after 8 s";
}

// Holding a Scale button long enough ends at the last value that draws the element, at
// both ends, for every element with a scale of its own; a value past 0000 or FFFF is
// never reached.
TEST_F(input, the_scale_buttons_stop_at_the_last_value_that_draws_each_element) {
    auto drawn = [&](const layout& m, int e) { // and every scale within its word
        return element_drawn(m, ed.pictures, e) &&
               std::all_of(m.scales, std::end(m.scales),
                           [](scale_slot s) { return s.value >= 0 && s.value <= scale_word_max; });
    };
    int32_t ends[element_count][control_count] = {}; // where each button stopped
    for (int e = 0; e < element_count; e++) {
        const scale_id k = element_table[e].scale_slot;
        if (k == no_scale) continue;
        for (panel_control button : {ctl_scale_plus, ctl_scale_minus}) {
            SCOPED_TRACE(testing::Message() << element_table[e].name << " " << panel_table[button].name);
            start_scales(ed.model);
            ed.model.selected = e;
            hold(button, 30000, 5000);
            layout further = ed.model; // the step the button did not take
            step_scale(further, k, button == ctl_scale_plus ? 1 : -1);
            EXPECT_TRUE(drawn(ed.model, e) && !drawn(further, e));
            EXPECT_EQ(field(field_scale), hex_string(uint32_t(ed.model.scales[k].value), 4).s);
            ends[e][button] = ed.model.scales[k].value;
        }
    }
    EXPECT_EQ(ends[el_b_button][ctl_scale_plus], 5) << "527/5 draws 32 px at 3372, 527/4 passes 4096";
    EXPECT_EQ(ends[el_b_button][ctl_scale_minus], 16864) << "527/16865 leaves nothing of 32 px";
    EXPECT_EQ(ends[el_a_button][ctl_scale_plus], 0xFFFB);
    EXPECT_EQ(ends[el_a_button_icon][ctl_scale_minus], 48) << "below 48 it is not drawn";
    // drawn at its own size: only the word's ends
    EXPECT_TRUE(ends[el_c_up_icon][ctl_scale_plus] == 0 && ends[el_c_up_icon][ctl_scale_minus] == 0xFFFF);

    // From a typed value that is not drawn the buttons go only toward the slot's home (and from
    // 20000 into the drawn range and on to its end).
    ed.model.selected = el_b_button;
    // clang-format off
    const struct { int32_t from; panel_control button; Uint32 ms; int32_t to; } typed[] = {
        {0, ctl_scale_plus, 1000, 0}, {0, ctl_scale_minus, 400, 2},
        {20000, ctl_scale_minus, 1000, 20000}, {20000, ctl_scale_plus, 30000, 5}};
    // clang-format on
    for (auto& t : typed) {
        ed.model.scales[1].value = t.from;
        hold(t.button, t.ms, 5000);
        EXPECT_EQ(ed.model.scales[1].value, t.to) << t.from << " " << panel_table[t.button].name;
    }
}

TEST_F(
    input,
    typed_values_complete_at_the_fields_length_modifier_keys_take_no_place_and_arrows_move_outside_an_entry) {
    // A press on another value field ends the running edit and starts afresh; a first key that stores
    // nothing then leaves the buffer's first byte as the last entry left it.
    // clang-format off
    const struct { int selected; const char *script, *shown; std::vector<std::string> changed; } rows[] = {
        // the element selected, the script, a field and its text at the end, the changes
        {0, "X<<", "X", {}}, {0, "X1^234", "X1234", {"x0=4660"}},  // Shift takes no place
        {0, "S^f^e90", "SFE90", {"s0=65168"}},                     // Shift+F: F
        {0, "X%1~2!@$3^4", "X1234", {"x0=4660"}},                  // nor Caps Lock, Num Lock, Ctrl, AltGr, Super
        {0, "X&1&z&=2", "X0001", {"x0=1"}}, // Ctrl+Z (undo), Ctrl+= (zoom): a z, a = there; a letter past f cuts the text
        {0, "X#1#2#0#95<", "X1209", {"x0=4617"}},                  // keys after completion: nothing
        {6, "S1234", "S", {}}, {14, "C123456", "C", {}},                     // 6 has no scale of its own, 14 no colour
        {0, "C12345Xabcd", "XABCD", {"x0=-21555"}}, {0, "XabcdY^0a00", "Y0A00", {"x0=-21555", "y0=2560"}},
        {0, "S.1234", "SFE84", {}},                                // a press elsewhere ends it: the value again
        {0, "X12Y3", "X00BA", {}},                                 // so does a press on another field
        {0, "Xffff", "XFFFF", {"x0=-1"}}, {0, "Y0f0f", "Y0F0F", {"y0=3855"}},  // the key f as a digit
        {9, "RRU^+D*L", "X00D2", {"x9=210", "y9=157"}}, {9, "RRU^+D*L", "Y009D", {"x9=210", "y9=157"}}, // arrows:
        {9, "X1RU2", "X0001", {"x9=1"}}}; // a pixel, with Shift eight; in an entry they take a place
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        restart();
        ed.model.selected = r.selected;
        script(r.script);
        const value_field shown[] = {field_x, field_y, field_scale, field_color}; // X, Y, S, C
        EXPECT_EQ(field(shown[std::string_view("XYSC").find(r.shown[0])]), r.shown + 1);
        EXPECT_EQ(changes(ed.model), r.changed);
    }
}

TEST_F(input, a_press_held_on_the_colour_bar_follows_the_pointers_x_for_the_elements_colour_slot) {
    ed.model.selected = el_c_left_button; // a C button: colour slot 2
    push_press(8, 250);
    // clang-format off
    const int moves[][3] = {{8, 250, 0xFF0000}, {9, 250, 0xFF0800}, {100, 9, 0x09F6FF}, {160, 300, 0xFF08F6},
                            {186, 100, 0xFF0819}, {319, 300, 0xFF0808}, {40, 255, 0xF7FF00}};
    // just right of and just below the bar; then an element with no colour, on the bar's bottom left pixel
    const int presses[][3] = {{el_c_left_button, 187, 250}, {el_c_left_button, 100, 265}, {el_c_right_number, 8, 264}};
    // clang-format on
    for (auto& m : moves) { // the press itself, then motions whatever their y
        push_motion(m[0], m[1]);
        editor_pass(ed);
        EXPECT_EQ(field(field_color), hex_string(uint32_t(m[2]), 6).s) << m[0];
        EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=" + field(field_color)});
    }
    for (auto& p : presses) {
        ed.model.selected = p[0];
        push_release(0, 0);
        push_press(p[1], p[2]);
        passes(2);
        EXPECT_EQ(field(field_color), p[0] == el_c_left_button ? "F7FF00" : "") << p[1] << "," << p[2];
    }
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"c2=F7FF00"}) << "the colour stays as last picked";
}

} // namespace
