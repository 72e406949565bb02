// color_walk.h - the colour bar's colours: a stepped walk through the hues
// that turns a position on the bar into a colour. The editor picks with it and
// the artwork tool draws the bar with it, so the bar shows what a click picks.
#pragma once

struct rgb {
    int r, g, b;
};

// The colour at bar position n (the pointer's x less the bar's left edge):
// red at 0, through yellow, green, cyan, blue and magenta, and from 180 on
// the walk's last colour; below 0, red.
rgb color_walk(int n);
