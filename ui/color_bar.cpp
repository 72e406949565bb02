// color_bar.cpp - the colour bar: color_walk turns a position on the bar into
// a colour by a stepped walk through the hues (the bar's pixels are never
// read), and color_pick_step applies it once per pass while the bar is held.
//
// The press on the bar and the release are handled with the other input.
#include "ui/color_bar.h"

#include "ui/input.h"

namespace {

enum channel { red, green, blue };

// Six segments of 30 counter values, each moving one channel by 8 and 9 in
// turn. A segment that drives its channel to the end early jumps the counter
// to the next segment's first value, which the loop's increment then skips.
struct segment {
    channel c;
    bool up;
    int next; // first counter value of the next segment
};
constexpr segment segments[] = {
    {green, true, 30},   {red, false, 60}, {blue, true, 90},
    {green, false, 120}, {red, true, 150}, {blue, false, 180},
};
constexpr int walk_end = 180; // from here on nothing changes

} // namespace

rgb color_walk(int n) {
    int v[3] = {255, 0, 0};
    int t    = 0; // step toggle: 8, then 9; runs on across segments
    for (int i = 0; i < n && i < walk_end; i++) {
        const segment& s = segments[i / 30];
        int step         = t == 0 ? 8 : 9;
        t ^= 1;
        v[s.c] += s.up ? step : -step;
        if (s.up ? v[s.c] > 254 : v[s.c] < 1) i = s.next;
    }
    return rgb{v[red], v[green], v[blue]};
}

void color_pick_step(editor& ed) {
    if (ed.picking_color == 0) return;
    int k = color_slot_of(ed.model.selected);
    if (ed.picking_color == 1 && k != no_slot) {
        rgb c           = color_walk(static_cast<int>(ed.pointer_x) - 8);
        SDL_Color& slot = ed.model.colors[k].value;
        slot.r          = static_cast<Uint8>(c.r);
        slot.g          = static_cast<Uint8>(c.g);
        slot.b          = static_cast<Uint8>(c.b);
    }
    refresh_color_text(ed);
    refresh_x_text(ed);
    refresh_y_text(ed);
    if (ed.picking_color == 2) ed.picking_color = 0;
}
