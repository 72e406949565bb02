// snap.cpp - the nearest line on each axis, in doubled pixels.
#include "editor/snap.h"

#include <cstdint>
#include <cstdlib>

namespace {

// One axis of a box: where it starts and how long it is.
struct span {
    int64_t start, length;
};

span across(const outline_box& b) {
    return {b.x, b.w};
}
span down(const outline_box& b) {
    return {b.y, b.h};
}

// The place of a span's start (0), centre (1) or end (2), doubled.
int64_t line(span s, int which) {
    return 2 * s.start + which * s.length;
}

// The pixel a guide is drawn on for a target's line.
int64_t guide_pixel(span s, int which) {
    return which == 0 ? s.start : which == 1 ? s.start + s.length / 2 : s.start + s.length - 1;
}

// Half of v, rounded down (v may be negative).
int64_t half_down(int64_t v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

struct axis_snap {
    bool found;
    int delta, guide;
};

axis_snap snap_axis(span box, const outline_box* targets, int n, span (*axis)(const outline_box&)) {
    axis_snap best{false, 0, 0};
    int64_t nearest = 2 * snap_distance + 1; // doubled, as the lines
    for (int t = 0; t < n; t++)
        for (int which = 0; which < 3; which++)
            for (int own = 0; own < 3; own++) {
                const span target = axis(targets[t]);
                const int64_t d   = line(target, which) - line(box, own);
                if (std::llabs(d) >= nearest) continue;
                nearest = std::llabs(d);
                best = {true, static_cast<int>(half_down(d)), static_cast<int>(guide_pixel(target, which))};
            }
    return best;
}

} // namespace

snap_result snap(const outline_box& box, const outline_box* targets, int n) {
    const axis_snap x = snap_axis(across(box), targets, n, across);
    const axis_snap y = snap_axis(down(box), targets, n, down);
    return {x.delta, y.delta, {x.found, y.found, x.guide, y.guide}};
}
