// input_test.cpp - the editor's event handling driven through SDL's queue:
// picking (by the pixels that show, by boxes, a second press) and dragging
// (snapped to lines, or not), every control pressed and released at once, the
// +/- buttons paced by a stopped clock and their scale limits, typed entry
// with modifier keys and Escape, the arrow keys, Tab and Ctrl+S, the
// selector; the colour bar; a set moved with Ctrl by the keys and by a drag;
// the values the game keeps fixed.
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
        push_script(s, ed.window.zoom);
        drain();
    }
    // A press on a button held ms, with a pass every `every` ms (0: one pass at the end), then let go.
    void hold(panel_control button, Uint32 ms, Uint32 every) {
        const Uint32 from = ed.clock.now_ms;
        press(button);
        drain();
        for (Uint32 at = every; every && at < ms; at += every) {
            ed.clock.now_ms = from + at;
            update_editor(ed);
        }
        ed.clock.now_ms = from + ms;
        passes(1);
        push_release(0, 0);
        passes(1);
    }
    struct corner {
        element_id e;
        int x, y;
    };
    // From a fresh start and a pass, with the elements placed and `selected`
    // selected: the changes after the script's events and n passes (0: drained
    // alone, the update not run).
    std::vector<std::string> after(element_id selected, const char* s, const std::vector<corner>& placed = {},
                                   int n = 2) {
        restart();
        passes(1);
        for (auto& c : placed) pos(c.e) = {Sint16(c.x), Sint16(c.y), 0, 0};
        ed.design.model.selected = selected;
        push_script(s);
        n ? passes(n) : drain();
        return changes(ed.design.model);
    }
    // From a fresh start and a pass, a drag of element e from just inside its
    // corner, `held` held at the press (SDL's modifier state) and `moving`
    // through the moves, which take the pointer each by (dx, dy) from the
    // element's centre, where the press put it: the guides shown before the
    // release.
    guide_lines drag(element_id e, SDLMod held, SDLMod moving,
                     const std::vector<std::pair<int, int>>& moves) {
        restart();
        passes(1);
        const SDL_Rect p      = pos(e);
        const element_size& s = ed.design.model.element_sizes[e];
        SDL_SetModState(held);
        push_press(p.x + 1, p.y + 1);
        passes(1); // the pick and the pointer's jump to the centre
        SDL_SetModState(moving);
        int x = p.x + s.w / 2, y = p.y + s.h / 2;
        for (auto [dx, dy] : moves) {
            push_motion(x = p.x + s.w / 2 + dx, y = p.y + s.h / 2 + dy);
            passes(1);
        }
        const guide_lines shown = ed.input.guides;
        push_release(x, y);
        passes(1);
        SDL_SetModState(KMOD_NONE);
        return shown;
    }
};

// At every zoom: a press on the first window pixel of the editor pixel's
// square, a motion on its last. No element drawn this frame shows a pixel:
// the boxes decide.
TEST_F(
    input,
    where_no_pixel_shows_a_press_picks_numbers_icons_then_the_rest_by_inclusive_boxes_and_drags_by_editor_pixels) {
    for (int z : {1, 2, 4}) {
        SCOPED_TRACE(z);
        restart(z);
        auto pick = [&](int x, int y, Uint8 button = SDL_BUTTON_LEFT) { // the press, then the pointer's jump
            push_press(x * z, y * z, button);
            drain();
            drain();
            return ed.design.model.selected;
        };
        auto move = [&](int x, int y) {
            push_motion(x * z + z - 1, y * z + z - 1);
            drain();
        };
        for (int e = 0; e < element_count; e++) place(e, 300, 200);
        place(el_c_down_button, -10, -10, 20, 20);
        for (int e : {el_b_button, el_b_button_icon, el_c_left_number}) place(e, 50, 50, 41, 30);
        for (element_place& p : ed.design.places) p.drawn = false;
        EXPECT_EQ(pick(10, 10), el_c_down_button) << "the far corner, both ends included";
        push_release(0, 0);
        EXPECT_TRUE(pick(11, 10) == el_c_down_button && ed.input.dragging == 0)
            << "one past the box picks nothing";
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
        EXPECT_TRUE(pos(el_b_button).x == -15 && ed.input.dragging == 0 &&
                    ed.design.model.selected == el_b_button);
        // a centre beyond the right edge: the pointer stops at the last column
        place(el_b_button, 300, 50, 200, 20);
        EXPECT_EQ(pick(305, 55), el_b_button);
        EXPECT_TRUE(pos(el_b_button).x == 319 - 100 && pos(el_b_button).y == 50);
    }
}

// At the game's own layout, each step's events drained in a pass of their
// own (the pointer's jump after a press comes before the next): the element
// each press took, and the one outlined for the next press where the pointer
// is then. The A Button Icon's picture is 48x32 around its lettering
// (x 11-33, y 16-27); the C-Left Icon (227, 18) lies partly inside that box;
// a press jumps the pointer to the centre of the element it took.
TEST_F(input, a_press_takes_the_first_element_showing_a_pixel_there_and_a_second_press_the_next) {
    // clang-format off
    const struct { std::vector<const char*> steps; int selected, hover; } rows[] = {
        {{"motion@207,19"},                    el_a_button,       el_a_button},      // the button's circle, no lettering
        {{"click@207,19"},                     el_a_button,       el_a_button},      // the only one at its centre
        {{"motion@206,30"},                    el_a_button,       el_a_button_icon}, // the lettering
        {{"motion@231,22"},                    el_a_button,       el_c_left_icon},   // by the A Button Icon's box it took that
        {{"click@231,22"},                     el_c_left_icon,    el_c_left_button}, // a second press there takes the button
        {{"click@231,22", "click@239,30"},     el_c_left_button,  el_c_left_icon},   // and round again
        {{"click@231,22", "motion@200,200", "motion@239,30", "click@239,30"}, el_c_left_icon, el_c_left_button}, // moved between
        {{"click@186,9"},                      el_a_button_icon,  el_a_button},      // no pixel shows: by the boxes, the icon first
        {{"click@165,40"},                     el_b_button_number, el_b_button_icon}, // an opaque picture: a number before all
        {{"click@60,48"},                      el_magic_meter,    el_magic_meter},   // the Magic Meter's bar
        {{"motion@231,22", "press@231,22"},    el_c_left_icon,    -1},               // a button held: no outline
        {{"motion@231,22", "motion@150,241"},  el_a_button,       -1},               // below the preview
        {{"motion@231,22", "leave"},           el_a_button,       -1},               // out of the window
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.steps.back() << " after " << r.steps.size() - 1);
        restart();
        passes(1);
        for (const char* step : r.steps) {
            push_script(step);
            passes(2);
        }
        EXPECT_EQ(ed.design.model.selected, r.selected);
        EXPECT_EQ(ed.input.hover, r.hover);
        EXPECT_TRUE(changes(ed.design.model).empty()) << "a press moves nothing";
    }
}

// A drag of an element from its centre (where the press puts the pointer) at
// the game's own layout, with Ctrl or Shift held at the press and through the
// moves: where it lands and the guides it shows before the release. It snaps
// to the nearest line within three pixels unless Shift is held. Ctrl at the
// press (SDL's modifier state) drags the element's set - a button with its
// icon and number - whole, by one offset: it stops where one of it meets the
// left or top edge. Keys and typed values never snap (the keys' table).
TEST_F(input, a_drag_snaps_within_three_pixels_unless_shift_is_held_and_with_ctrl_moves_the_set_whole) {
    const SDLMod none = KMOD_NONE, shift = KMOD_LSHIFT, ctrl = KMOD_LCTRL,
                 both = SDLMod(KMOD_LSHIFT | KMOD_LCTRL);
    // clang-format off
    const struct { element_id grabbed; SDLMod held, moving; std::vector<std::pair<int, int>> moves; std::vector<std::string> changed; guide_lines guides; } drags[] = {
// the Rupee Icon's left 2 px from the Magic Meter's (x 18), its top on the Rupee Number's (y 206); the same
// drag with Shift and the Magic Meter centred: e2e_precision, on a real window
{el_rupee_icon,      none,  none,  {{-6, 0}},   {"Rupee Icon x=18"},                                      {true, true, 18, 206}},
// a Ctrl drag snaps by the element dragged: the B Button Number's right to the A Button Icon's left
// (186), its top on the C-Up Button's bottom (y 35, the button's last row 34) and the C-Left Number's
// top, the first of them; its button and icon are no lines, they move with it
{el_b_button_number, ctrl,  ctrl,  {{9, 0}},    {"B Button x=171", "B Button Icon x=171", "B Button Number x=173"}, {true, true, 186, 34}},
// pressed without a move: 2 px from its icon's left, it stays
{el_b_button_number, none,  none,  {{0, 0}},    {},                                                       {}},
// the set, Shift held through the moves; Ctrl let go during the drag: the set still follows; pressed
// during it: the element alone
{el_b_button_number, ctrl,  both,  {{20, 10}},  {"B Button x=180", "B Button y=27", "B Button Icon x=180", "B Button Icon y=27", "B Button Number x=182", "B Button Number y=45"}, {}},
{el_b_button_number, ctrl,  shift, {{20, 10}},  {"B Button x=180", "B Button y=27", "B Button Icon x=180", "B Button Icon y=27", "B Button Number x=182", "B Button Number y=45"}, {}},
{el_b_button_number, none,  both,  {{20, 10}},  {"B Button Number x=182", "B Button Number y=45"},       {}},
// toward the left edge: it stops where the button and icon meet it; and back
{el_b_button_number, ctrl,  both,  {{-161, 0}}, {"B Button x=0", "B Button Icon x=0", "B Button Number x=2"}, {}},
{el_b_button_number, ctrl,  both,  {{-161, 0}, {-150, 0}}, {"B Button x=10", "B Button Icon x=10", "B Button Number x=12"}, {}},
{el_c_right_icon,    ctrl,  both,  {{0, -25}},  {"C-Right Button y=0", "C-Right Icon y=0", "C-Right Number y=17"}, {}},
{el_map,             ctrl,  both,  {{-5, 5}},   {"Map x=211", "Map y=155"},                               {}},
    };
    // clang-format on
    for (auto& r : drags) {
        SCOPED_TRACE(testing::Message() << element_table[r.grabbed].name << " " << r.held << " " << r.moving
                                        << " " << r.moves.back().first << "," << r.moves.back().second);
        EXPECT_EQ(drag(r.grabbed, r.held, r.moving, r.moves), r.guides);
        EXPECT_EQ(changes(ed.design.model), r.changed);
        EXPECT_EQ(ed.design.model.selected, r.grabbed);
        EXPECT_FALSE(ed.input.guides.down || ed.input.guides.across) << "no guide after the release";
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
        const std::vector<std::string> changed = changes(ed.design.model);
        EXPECT_EQ(texts(), shown.at(row.control));
        // a value changed at once:
        EXPECT_EQ(changed.size(),
                  row.action == press_scale || row.action == press_nudge || row.action == press_pick_color);
        EXPECT_EQ(std::filesystem::exists("code.txt") && ed.note.shown == note_saved,
                  row.action == press_save);
        ed.clock.now_ms += 5000;
        passes(3);
        EXPECT_EQ(changes(ed.design.model), changed);
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
    EXPECT_EQ(ed.design.model.selected, el_map);
}

TEST_F(input, held_buttons_step_at_the_press_then_repeat_by_the_time_held_whatever_the_pass_rate) {
    // X "+" on the Map: a pixel at the press, then one a pass from 400 ms on
    ed.design.model.selected = el_map;
    hold(ctl_x_plus, repeat_delay_ms - 1, 10);
    EXPECT_EQ(pos(el_map).x, 217) << "a click up to 0.4 s is one pixel";
    hold(ctl_x_plus, repeat_delay_ms + 30, 10); // passes at 400, 410, 420 and 430 ms
    EXPECT_EQ(pos(el_map).x, 217 + 1 + 4);

    // Scale "-" on the B Button (a larger divisor): the steps taken after holding it t ms,
    // with a pass every `every` ms (0: one pass at t).
    ed.design.model.selected = el_b_button;
    auto steps               = [&](Uint32 t, Uint32 every) {
        start_scales(ed.design.model);
        hold(ctl_scale_minus, t, every);
        return ed.design.model.scales[sc_b_button].value - 575;
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
        if (k == no_scale || never_saved(e, field_scale)) continue; // the buttons leave that alone
        for (panel_control button : {ctl_scale_plus, ctl_scale_minus}) {
            SCOPED_TRACE(testing::Message() << element_table[e].name << " " << panel_table[button].name);
            start_scales(ed.design.model);
            ed.design.model.selected = e;
            hold(button, 30000, 5000);
            layout further = ed.design.model; // the step the button did not take
            step_scale(further, k, button == ctl_scale_plus ? 1 : -1);
            EXPECT_TRUE(drawn(ed.design.model, e) && !drawn(further, e));
            EXPECT_EQ(field(field_scale), hex_string(uint32_t(ed.design.model.scales[k].value), 4).s);
            ends[e][button] = ed.design.model.scales[k].value;
        }
    }
    EXPECT_EQ(ends[el_b_button][ctl_scale_plus], 5) << "527/5 draws 32 px at 3372, 527/4 passes 4096";
    EXPECT_EQ(ends[el_b_button][ctl_scale_minus], 16864) << "527/16865 leaves nothing of 32 px";
    EXPECT_EQ(ends[el_a_button][ctl_scale_plus], 0xFFFB);
    EXPECT_EQ(ends[el_a_button_icon][ctl_scale_minus], 48) << "below 48 it is not drawn";

    // From a typed value that is not drawn the buttons go only toward the slot's home (and from
    // 20000 into the drawn range and on to its end).
    ed.design.model.selected = el_b_button;
    // clang-format off
    const struct { int32_t from; panel_control button; Uint32 ms; int32_t to; } typed[] = {
        {0, ctl_scale_plus, 1000, 0}, {0, ctl_scale_minus, 400, 2},
        {20000, ctl_scale_minus, 1000, 20000}, {20000, ctl_scale_plus, 30000, 5}};
    // clang-format on
    for (auto& t : typed) {
        ed.design.model.scales[sc_b_button].value = t.from;
        hold(t.button, t.ms, 5000);
        EXPECT_EQ(ed.design.model.scales[sc_b_button].value, t.to)
            << t.from << " " << panel_table[t.button].name;
    }
}

// What a script leaves beyond the changes: the element selected (-1: the one
// selected before it), a value field and its text (field_none: none looked
// at), the panel's note, what code.txt holds (null: no code.txt).
struct script_end {
    int selected      = -1;
    value_field field = field_none;
    const char* shown = "";
    panel_note note   = note_none;
    const char* saved = nullptr;
};

// The keys and presses at the game's own layout, from a fresh start with an
// element selected (and some placed), drained in one go: the changes, and
// what they leave. Typed values complete at the field's length, and any press
// ends them; a press on another value field ends the running edit and starts
// afresh, and a first key that stores nothing then leaves the buffer's first
// byte as the last entry left it. Outside an entry the arrow keys move a
// pixel (with Shift eight), Tab and Shift+Tab select as the selector does,
// Ctrl+S saves as the save button does; Ctrl moves the selected element's set
// - a button with its icon and number - all of it by one offset, stopping
// where one of it meets the left or top edge or the end of its 16-bit
// coordinate. A value no line of code.txt can hold stays as the game has it,
// whatever tries to change it - keys, the X and Y buttons, a drag, typing, the
// colour bar, the Scale buttons - and the panel says so for a while; the
// values beside it that a save keeps change as ever. None of these make a step
// for undo when nothing changed. While an entry runs its field has the caret,
// after the places taken, and Escape ends it; the next Escape quits.
TEST_F(input, keys_and_presses_type_move_select_save_and_leave_the_values_the_game_keeps_fixed) {
    // clang-format off
    const struct { element_id selected; const char* script; std::vector<std::string> changed; script_end end = {}; std::vector<corner> placed = {}; } rows[] = {
// typed values
{el_a_button,   "click:x_field Backspace Backspace",                              {},                     {.field = field_x, .shown = ""}},
{el_a_button,   "click:x_field 1 LShift 2 3 4",                                   {"A Button x=4660"},    {.field = field_x, .shown = "1234"}},  // Shift takes no place
{el_a_button,   "click:scale_field LShift f LShift e 9 0",                        {"A Button scale=65168"}, {.field = field_scale, .shown = "FE90"}},
{el_a_button,   "click:x_field CapsLock 1 NumLock 2 LCtrl AltGr Super 3 LShift 4", {"A Button x=4660"},   {.field = field_x, .shown = "1234"}},  // nor Caps Lock, Num Lock, Ctrl, AltGr, Super
{el_a_button,   "click:x_field Ctrl+1 Ctrl+z Ctrl+= Tab",                         {"A Button x=1"},       {.field = field_x, .shown = "0001"}},  // Ctrl+Z (undo), Ctrl+= (zoom), Tab: a z, a =, a tab there; a key past f cuts the text
{el_a_button,   "click:x_field 1 Ctrl+s Shift+Tab 2",                             {"A Button x=1"},       {.field = field_x, .shown = "0001"}},  // Ctrl+S (save), Shift+Tab likewise
{el_a_button,   "click:x_field KP1 KP2 KP0 KP9 5 Backspace",                      {"A Button x=4617"},    {.field = field_x, .shown = "1209"}},  // keys after completion: nothing
// a field the element does not have starts no entry: the keys act as keys
{el_rupee_icon, "click:scale_field Right 1 2 3",                                  {"Rupee Icon x=27"},    {.field = field_scale, .shown = ""}},
{el_c_down_icon, "click:color_field Up 1 2 3 4 5",                                {"C-Down Icon y=33"},   {.field = field_color, .shown = ""}},
{el_a_button,   "click:color_field 1 2 3 4 5 click:x_field a b c d",              {"A Button x=-21555"},  {.field = field_x, .shown = "ABCD"}},
{el_a_button,   "click:x_field a b c d click:y_field LShift 0 a 0 0",             {"A Button x=-21555", "A Button y=2560"}, {.field = field_y, .shown = "0A00"}},
{el_a_button,   "click:scale_field click@150,300 1 2 3 4",                        {},                     {.field = field_scale, .shown = "FE84"}}, // a press elsewhere ends it: the value again
{el_a_button,   "click:x_field 1 2 click:y_field 3",                              {},                     {.field = field_x, .shown = "00BA"}},  // so does a press on another field
// and a press on a - or + or the colour bar, which acts: the value again, and the keys act as keys (X +
// then Right Right: e2e_screenshot's taps, on a real window)
{el_a_button,   "click:y_field 1 click:y_minus Up Up",                            {"A Button y=8"},       {.field = field_y, .shown = "0008"}},
{el_a_button,   "click:scale_field 1 click:scale_plus 2",                         {"A Button scale=65157"}, {.field = field_scale, .shown = "FE85"}},
{el_a_button,   "click:color_field 1 click@8,250 Left",                           {"A Button x=185", "A Button colour=FF0000"}, {.field = field_color, .shown = "FF0000"}},
{el_a_button,   "click:x_field f f f f",                                          {"A Button x=-1"},      {.field = field_x, .shown = "FFFF"}},  // the key f as a digit
{el_a_button,   "click:y_field 0 f 0 f",                                          {"A Button y=3855"},    {.field = field_y, .shown = "0F0F"}},
// Escape ends an entry without taking it: the value again, and the keys act as keys
{el_a_button,   "click:x_field 0 0 Escape Right",                                 {"A Button x=187"},     {.field = field_x, .shown = "00BB"}},
{el_a_button,   "click:color_field 1 2 Escape 3 Backspace",                       {},                     {.field = field_color, .shown = "5A5AFF"}},
// the X and Y fields answer on all they draw, from its first column; left of it nothing starts
{el_a_button,   "click@173,272 0 0 b b",                                          {"A Button x=187"},     {.field = field_x, .shown = "00BB"}},
{el_a_button,   "click@273,288 0 0 1 0",                                          {"A Button y=16"},      {.field = field_y, .shown = "0010"}},
{el_a_button,   "click@172,280 1 Right",                                          {"A Button x=187"},     {.field = field_x, .shown = "00BB"}},
// arrows: a pixel, with Shift eight; in an entry they take a place
{el_map,        "Right Right Up LShift Shift+Down RShift+Left",                   {"Map x=210", "Map y=157"}, {.field = field_x, .shown = "00D2"}},
{el_map,        "Right Right Up LShift Shift+Down RShift+Left",                   {"Map x=210", "Map y=157"}, {.field = field_y, .shown = "009D"}},
{el_map,        "click:x_field 1 Right Up 2",                                     {"Map x=1"},            {.field = field_x, .shown = "0001"}},
// the arrow keys and a typed value take the Rupee Icon to 20 and 19, not to the Magic Meter's 18 (as a drag would)
{el_rupee_icon, "Shift+Left click:x_plus click:x_plus Right",                     {"Rupee Icon x=21"}},
{el_rupee_icon, "Shift+Left click:x_plus click:x_plus Right Left",                {"Rupee Icon x=20"}},
{el_rupee_icon, "click:x_field 0 0 1 3",                                          {"Rupee Icon x=19"}},
// Tab and Shift+Tab outside an entry, round past the last and the first; Ctrl+Tab does nothing; Ctrl+S saves
{el_a_button,   "Tab",                                                            {},                     {.selected = el_b_button}},
{el_a_button,   "Tab Tab Shift+Tab",                                              {},                     {.selected = el_b_button}},
{el_a_button,   "Shift+Tab",                                                      {},                     {.selected = el_c_right_number}},
{el_a_button,   "Shift+Tab Tab",                                                  {}},
{el_a_button,   "Ctrl+Tab RShift+Tab",                                            {},                     {.selected = el_c_right_number}},
{el_a_button,   "Right Ctrl+s Right",                                             {"A Button x=188"},     {.note = note_saved, .saved = "812114C6 00BB\n"}},
{el_a_button,   "click:x_field 1 Ctrl+s Tab 2",                                   {"A Button x=1"}},                                            // in an entry: places
{el_a_button,   "Right Tab Left",                                                 {"A Button x=187", "B Button x=159"}, {.selected = el_b_button}},
// Ctrl moves the set
{el_a_button,        "Ctrl+Left",       {"A Button x=185", "A Button Icon x=185"}},
{el_b_button_number, "Ctrl+Shift+Down", {"B Button y=25", "B Button Icon y=25", "B Button Number y=43"}},
{el_c_up_icon,       "RCtrl+Right",     {"C-Up Button x=255", "C-Up Icon x=248"}}, // C-Up has no number
{el_map,             "Ctrl+Up",         {"Map y=149"}},                            // a status item alone
{el_c_left_icon,     "Left",            {"C-Left Icon x=226"}},                    // no Ctrl: the element alone
// the C-Left Button at the edge holds its icon and number
{el_c_left_number,   "Ctrl+Left",       {"C-Left Button x=0"}, {}, {{el_c_left_button, 0, 18}}},
// eight pixels asked, two and five taken: the A Button (drawn 7 px in) would have gone on
{el_a_button_icon,   "Ctrl+Shift+Left Ctrl+Shift+Up", {"A Button x=184", "A Button y=4", "A Button Icon x=0", "A Button Icon y=0"}, {}, {{el_a_button_icon, 2, 5}}},
{el_a_button,        "Ctrl+Shift+Up Ctrl+Shift+Up", {"A Button y=0", "A Button Icon y=0"}},
// the B Button Number at the end of its coordinate: seven pixels of eight
{el_b_button,        "Ctrl+Shift+Right", {"B Button x=167", "B Button Icon x=167", "B Button Number x=32767"}, {}, {{el_b_button_number, 32760, 35}}},
// the values the game keeps fixed
{el_hearts,       "Right Shift+Down Ctrl+Left Ctrl+Shift+Up",    {},                      {.note = note_fixed_value}},
{el_hearts,       "click:x_plus click:y_minus",                 {},                      {.note = note_fixed_value}},
{el_hearts,       "press@10,10 motion@60,80 release@60,80",     {},                      {.note = note_fixed_value}}, // on a heart, dragged
{el_hearts,       "click:x_field 1 2 3 4",                       {},                      {.note = note_fixed_value}}, // no entry
{el_hearts,       "click:color_field",                          {},                      {.note = note_fixed_value}},
{el_hearts,       "click@100,250",                              {},                      {.note = note_fixed_value}}, // the colour bar
{el_hearts,       "r Shift+r press@10,10 release@10,10",        {}},                                                  // nothing tried
{el_rupee_number, "click@100,250 click:color_field a b c d e f", {},                      {.note = note_fixed_value}},
{el_rupee_number, "Right",                                      {"Rupee Number x=43"}},                               // its place is kept
{el_c_up_button,  "click:scale_plus click:scale_field 0 0 1 0", {},                      {.note = note_fixed_value}},
{el_c_up_button,  "Ctrl+Right",                                 {"C-Up Button x=255", "C-Up Icon x=248"}},
{el_c_up_icon,    "click:scale_minus",                          {},                      {.note = note_fixed_value}},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        std::remove("code.txt");
        EXPECT_EQ(after(r.selected, r.script, r.placed, 0), r.changed);
        EXPECT_EQ(ed.design.model.selected, r.end.selected < 0 ? r.selected : r.end.selected);
        EXPECT_EQ(r.end.field == field_none ? r.end.shown : field(r.end.field), r.end.shown);
        EXPECT_EQ(ed.note.shown, r.end.note);
        EXPECT_EQ(std::filesystem::exists("code.txt") ? read_file("code.txt") : "-",
                  r.end.saved ? r.end.saved : "-");
        EXPECT_TRUE(r.end.note != note_fixed_value || ed.input.editing == field_none) << "no entry";
        EXPECT_TRUE(ed.run.running) << "still running";
        passes(1);
        EXPECT_TRUE(!r.changed.empty() || ed.design.history.count == 1) << "no step to undo";
        EXPECT_TRUE(r.end.note != note_fixed_value || changes(ed.design.model).empty())
            << "nor by the update";
        ed.clock.now_ms += panel_notes[r.end.note].lasts_ms;
        passes(1);
        EXPECT_EQ(ed.note.shown, note_none) << "the note goes after a while";
    }
    restart();
    script("click:y_field 1 Escape");
    EXPECT_TRUE(ed.run.running && field(field_y) == "0009" && caret_place(ed.input, field_y) == -1);
    script("Escape");
    EXPECT_FALSE(ed.run.running) << "the next Escape quits";
    // the caret during an entry: after the places taken, a key that stores nothing included
    script("click:color_field 1 g");
    EXPECT_TRUE(field(field_color) == "1" && caret_place(ed.input, field_color) == 2 &&
                caret_place(ed.input, field_x) == -1);
    script("Backspace Backspace");
    EXPECT_EQ(caret_place(ed.input, field_color), 0);
}

TEST_F(input, a_press_held_on_the_colour_bar_follows_the_pointers_x_for_the_elements_colour_slot) {
    ed.design.model.selected = el_c_left_button; // a C button: colour slot 2
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
        EXPECT_EQ(changes(ed.design.model),
                  std::vector<std::string>{"C Buttons colour=" + field(field_color)});
    }
    for (auto& p : presses) {
        ed.design.model.selected = p[0];
        push_release(0, 0);
        push_press(p[1], p[2]);
        passes(2);
        EXPECT_EQ(field(field_color), p[0] == el_c_left_button ? "F7FF00" : "") << p[1] << "," << p[2];
    }
    EXPECT_EQ(changes(ed.design.model), std::vector<std::string>{"C Buttons colour=F7FF00"})
        << "the colour stays as last picked";
}

} // namespace
