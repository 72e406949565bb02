// outline.cpp - the dashed one-pixel frame: each dash one SDL_FillRect,
// clipped beforehand, so any pixel format is written as SDL writes it.
#include "draw/outline.h"

#include <algorithm>

namespace {

// Dashes along one line from `from` (where the count starts) over `length`
// pixels, within [lo, hi); fill(first, count, colour) draws a run.
// In 64 bits: an outline_box may hold any int.
template <class Fill>
void dashes(long long from, long long length, int lo, int hi, Uint32 light, Uint32 dark, Fill fill) {
    const long long start = std::max<long long>(from, lo), end = std::min<long long>(from + length, hi);
    for (long long at = start; at < end;) {
        const long long n    = (at - from) / dash_length; // the dash this pixel belongs to
        const long long stop = std::min(from + (n + 1) * dash_length, end);
        fill(static_cast<int>(at), static_cast<int>(stop - at), n % 2 ? dark : light);
        at = stop;
    }
}

SDL_Rect rect(int x, int y, int w, int h) {
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
}

} // namespace

void dashed_outline(SDL_Surface* surface, const outline_box& box, const SDL_Rect& clip, Uint32 light,
                    Uint32 dark) {
    if (!surface || box.w <= 0 || box.h <= 0) return;
    const int left = clip.x, top = clip.y, right = clip.x + clip.w, bottom = clip.y + clip.h;
    const long long last_x = static_cast<long long>(box.x) + box.w - 1;
    const long long last_y = static_cast<long long>(box.y) + box.h - 1;
    for (long long y : {static_cast<long long>(box.y), last_y})
        if (y >= top && y < bottom)
            dashes(box.x, box.w, left, right, light, dark, [&](int x, int n, Uint32 c) {
                SDL_Rect r = rect(x, static_cast<int>(y), n, 1);
                SDL_FillRect(surface, &r, c);
            });
    for (long long x : {static_cast<long long>(box.x), last_x})
        if (x >= left && x < right)
            dashes(box.y, box.h, top, bottom, light, dark, [&](int y, int n, Uint32 c) {
                SDL_Rect r = rect(static_cast<int>(x), y, 1, n);
                SDL_FillRect(surface, &r, c);
            });
}
