// color_walk.cpp - the colour bar's stepped walk through the hues.
#include "model/color_walk.h"

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
