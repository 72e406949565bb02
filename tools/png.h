// png.h - writing PNG files for the picture tools (the icon maker). No SDL,
// no zlib: the image data goes into stored (uncompressed) deflate blocks,
// which every PNG reader accepts. Reading PNG is not needed and not here.
#pragma once

#include "bmp.h"

#include <vector>

// Encodes p as an 8-bit RGBA PNG (bits 32) or RGB PNG (bits 24). The same
// picture always gives the same bytes.
std::vector<unsigned char> write_png(const picture& p);
