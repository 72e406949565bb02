// snap.h - smart guides: while an element is dragged, the left, centre and
// right of its drawn box snap to the left, centre and right of other boxes
// (the other elements' drawn boxes and the preview), and its top, middle and
// bottom likewise; on each axis the nearest line within snap_distance pixels
// wins, and a guide marks the line it snapped to.
//
// Lines are compared at twice their place, so that a centre between two
// pixels is a whole number: a span from x, w wide, has its lines at 2x,
// 2x + w and 2x + 2w. A guide is drawn on the target's own pixel of its line:
// its first column (left), its last (right), or the column its centre falls
// in (the right one of the two middle columns of an even width).
//
// Pure arithmetic on boxes; which boxes count, and when snapping is off
// (Shift), is the drag's business (editor/input.cpp).
//
//   snap_result r = snap(dragged, targets, n);   // dragged moved by r.dx, r.dy
#pragma once

#include "draw/outline.h" // outline_box

// A line this many picture pixels away or nearer takes the box (at any zoom).
constexpr int snap_distance = 3;

// The guides of a drag: a column across the preview (down) and a row (across).
struct guide_lines {
    bool down, across;
    int x, y; // the column of the one going down, the row of the one across
    bool operator==(const guide_lines&) const = default;
};

struct snap_result {
    int dx, dy; // the box moves this far (0 on an axis that did not snap)
    guide_lines guides;
};

// Where box snaps to the n targets: per axis the line pair nearest, within
// snap_distance, the first of equally near ones (targets in their order; each
// target's start, centre, end; the box's start, centre, end). A centre that
// lies half a pixel off its line after the move (an odd width against an
// edge) goes to the pixel left of or above it.
snap_result snap(const outline_box& box, const outline_box* targets, int n);
