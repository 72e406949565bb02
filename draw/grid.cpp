// grid.cpp - the grid's lines shaded pixel by pixel, a row at a time.
#include "draw/grid.h"

#include <algorithm>
#include <cstring>

namespace {

// A pixel in the surface's format, shaded by amount.
Uint32 shaded(Uint32 pixel, const SDL_PixelFormat* f, int amount) {
    Uint8 r, g, b;
    SDL_GetRGB(pixel, f, &r, &g, &b);
    const bool light = light_colour(r, g, b);
    return SDL_MapRGB(f, shade_channel(r, light, amount), shade_channel(g, light, amount),
                      shade_channel(b, light, amount)) |
           (pixel & f->Amask);
}

// The same for a 32-bit pixel of 8-bit channels, straight from its masks.
Uint32 shaded32(Uint32 pixel, const SDL_PixelFormat* f, int amount) {
    auto channel  = [&](Uint32 mask, Uint8 shift) { return static_cast<Uint8>((pixel & mask) >> shift); };
    const Uint8 r = channel(f->Rmask, f->Rshift), g = channel(f->Gmask, f->Gshift),
                b    = channel(f->Bmask, f->Bshift);
    const bool light = light_colour(r, g, b);
    return (pixel & ~(f->Rmask | f->Gmask | f->Bmask)) |
           Uint32{shade_channel(r, light, amount)} << f->Rshift |
           Uint32{shade_channel(g, light, amount)} << f->Gshift |
           Uint32{shade_channel(b, light, amount)} << f->Bshift;
}

} // namespace

void shade_grid(SDL_Surface* surface, const SDL_Rect& area, int spacing) {
    if (!surface || spacing <= 0) return;
    const SDL_PixelFormat* f = surface->format;
    const int bpp            = f->BytesPerPixel;
    const bool direct        = bpp == 4 && f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0 && !f->palette;
    const int left = std::max<int>(area.x, 0), right = std::min<int>(area.x + area.w, surface->w);
    const int top = std::max<int>(area.y, 0), bottom = std::min<int>(area.y + area.h, surface->h);
    const int cx = area.x + area.w / 2, cy = area.y + area.h / 2;
    if (left >= right || top >= bottom || SDL_LockSurface(surface) != 0) return;
    // the first column of a line at or right of the left edge
    const int first = left + (spacing - (left - area.x) % spacing) % spacing;
    for (int y = top; y < bottom; y++) {
        Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        auto shade = [&](int x, int amount) {
            Uint32 pixel = 0; // the machine's byte order, as SDL keeps it
            std::memcpy(&pixel, row + x * bpp, bpp);
            pixel = direct ? shaded32(pixel, f, amount) : shaded(pixel, f, amount);
            std::memcpy(row + x * bpp, &pixel, bpp);
        };
        if (y == cy || (y - area.y) % spacing == 0) { // a row of the grid: every pixel of it
            for (int x = left; x < right; x++) shade(x, y == cy || x == cx ? grid_strong : grid_faint);
            continue;
        }
        for (int x = first; x < right; x += spacing) shade(x, x == cx ? grid_strong : grid_faint);
        if (cx >= left && cx < right && (cx - area.x) % spacing != 0) shade(cx, grid_strong);
    }
    SDL_UnlockSurface(surface);
}
