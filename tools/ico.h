// ico.h - writing Windows icon files (.ico) for the icon maker. No SDL.
//
// One file holds the icon at several sizes; Windows picks the one that fits
// each place (title bar, task bar, Explorer) and the screen's scaling. Sizes
// below 256 are stored as 32-bit bitmaps with their transparency mask, which
// every Windows reads; 256 as a PNG, as Windows has stored that size since
// Vista.
#pragma once

#include "bmp.h"

#include <vector>

// The icon file of the square 32-bit pictures (1 to 256 pixels a side), in
// their order. The same pictures always give the same bytes.
std::vector<unsigned char> write_ico(const std::vector<picture>& sizes);
