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
    // Events (push_script), then a drain.
    void script(const std::string& s) {
        push_script(s, ed.zoom);
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
        return ed.model.scales[sc_b_button].value - 575;
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
        ed.model.scales[sc_b_button].value = t.from;
        hold(t.button, t.ms, 5000);
        EXPECT_EQ(ed.model.scales[sc_b_button].value, t.to) << t.from << " " << panel_table[t.button].name;
    }
}

TEST_F(
    input,
    typed_values_complete_at_the_fields_length_modifier_keys_take_no_place_and_arrows_move_outside_an_entry) {
    // A press on another value field ends the running edit and starts afresh; a first key that stores
    // nothing then leaves the buffer's first byte as the last entry left it.
    // clang-format off
    const struct { element_id selected; const char* script; value_field field; const char* shown; std::vector<std::string> changed; } rows[] = {
// selected       script                                                          a field and its text at the end, the changes
{el_a_button,   "click:x_field Backspace Backspace",                              field_x,     "",     {}},
{el_a_button,   "click:x_field 1 LShift 2 3 4",                                   field_x,     "1234", {"A Button x=4660"}},  // Shift takes no place
{el_a_button,   "click:scale_field LShift f LShift e 9 0",                        field_scale, "FE90", {"A Button scale=65168"}},
{el_a_button,   "click:x_field CapsLock 1 NumLock 2 LCtrl AltGr Super 3 LShift 4", field_x,    "1234", {"A Button x=4660"}},  // nor Caps Lock, Num Lock, Ctrl, AltGr, Super
{el_a_button,   "click:x_field Ctrl+1 Ctrl+z Ctrl+= 2",                           field_x,     "0001", {"A Button x=1"}},     // Ctrl+Z (undo), Ctrl+= (zoom): a z, a = there; a letter past f cuts the text
{el_a_button,   "click:x_field KP1 KP2 KP0 KP9 5 Backspace",                      field_x,     "1209", {"A Button x=4617"}},  // keys after completion: nothing
{el_rupee_icon, "click:scale_field 1 2 3 4",                                      field_scale, "",     {}},                   // no scale of its own
{el_c_down_icon, "click:color_field 1 2 3 4 5 6",                                 field_color, "",     {}},                   // no colour
{el_a_button,   "click:color_field 1 2 3 4 5 click:x_field a b c d",              field_x,     "ABCD", {"A Button x=-21555"}},
{el_a_button,   "click:x_field a b c d click:y_field LShift 0 a 0 0",             field_y,     "0A00", {"A Button x=-21555", "A Button y=2560"}},
{el_a_button,   "click:scale_field click@150,300 1 2 3 4",                        field_scale, "FE84", {}},                   // a press elsewhere ends it: the value again
{el_a_button,   "click:x_field 1 2 click:y_field 3",                              field_x,     "00BA", {}},                   // so does a press on another field
{el_a_button,   "click:x_field f f f f",                                          field_x,     "FFFF", {"A Button x=-1"}},    // the key f as a digit
{el_a_button,   "click:y_field 0 f 0 f",                                          field_y,     "0F0F", {"A Button y=3855"}},
// arrows: a pixel, with Shift eight; in an entry they take a place
{el_map,        "Right Right Up LShift Shift+Down RShift+Left",                   field_x,     "00D2", {"Map x=210", "Map y=157"}},
{el_map,        "Right Right Up LShift Shift+Down RShift+Left",                   field_y,     "009D", {"Map x=210", "Map y=157"}},
{el_map,        "click:x_field 1 Right Up 2",                                     field_x,     "0001", {"Map x=1"}}};
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        restart();
        ed.model.selected = r.selected;
        script(r.script);
        EXPECT_EQ(field(r.field), r.shown);
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
        EXPECT_EQ(changes(ed.model), std::vector<std::string>{"C Buttons colour=" + field(field_color)});
    }
    for (auto& p : presses) {
        ed.model.selected = p[0];
        push_release(0, 0);
        push_press(p[1], p[2]);
        passes(2);
        EXPECT_EQ(field(field_color), p[0] == el_c_left_button ? "F7FF00" : "") << p[1] << "," << p[2];
    }
    EXPECT_EQ(changes(ed.model), std::vector<std::string>{"C Buttons colour=F7FF00"})
        << "the colour stays as last picked";
}

} // namespace
