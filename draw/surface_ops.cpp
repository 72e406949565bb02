// surface_ops.cpp - recolor and zoom_surface on software surfaces' pixel memory.
//
// Both walk rows by the surface's pitch, so padded rows are safe. They do not
// blend, filter or keep anything between calls.
#include "draw/surface_ops.h"

#include <cmath>
#include <cstring>

namespace {

// Locks s only when SDL says its pixels need it; reports whether it did.
bool lock_if_needed(SDL_Surface* s) {
    return SDL_MUSTLOCK(s) && SDL_LockSurface(s) == 0;
}

// The truncated product n * scale as a size, or 0 when it is not a usable one.
int scaled_size(int n, double scale) {
    double size = std::trunc(n * scale);
    return size >= 1.0 && size <= zoom_limit ? static_cast<int>(size) : 0;
}

bool usable_factor(float f) {
    return std::isfinite(f) && f > 0.0f;
}

// Nearest-neighbour copy of pixels of N bytes, with the source column of
// every destination column worked out once in cols.
template <int N> void copy_pixels(const SDL_Surface* from, SDL_Surface* to, const int* cols, double factor) {
    const Uint8* src = static_cast<const Uint8*>(from->pixels);
    Uint8* dst       = static_cast<Uint8*>(to->pixels);
    for (int i = 0; i < to->h; i++) {
        int sy = static_cast<int>(i / factor);
        if (sy > from->h - 1) sy = from->h - 1;
        const Uint8* row = src + static_cast<size_t>(sy) * from->pitch;
        Uint8* out       = dst + static_cast<size_t>(i) * to->pitch;
        for (int j = 0; j < to->w; j++) std::memcpy(out + j * N, row + cols[j] * N, N);
    }
}

} // namespace

void recolor(SDL_Surface* surface, int r, int g, int b, int a) {
    if (surface == nullptr || surface->format == nullptr || surface->format->BytesPerPixel != 4) return;
    // (-byte * factor) mod 256, kept in unsigned arithmetic
    const unsigned factors[4] = {static_cast<unsigned>(b) & 0xFFu, static_cast<unsigned>(g) & 0xFFu,
                                 static_cast<unsigned>(r) & 0xFFu, static_cast<unsigned>(a) & 0xFFu};
    bool locked               = lock_if_needed(surface);
    if (surface->pixels != nullptr) {
        Uint8* pixels = static_cast<Uint8*>(surface->pixels);
        for (int y = 0; y < surface->h; y++) {
            Uint8* p = pixels + static_cast<size_t>(y) * surface->pitch;
            for (int x = 0; x < surface->w; x++, p += 4) {
                p[0] = static_cast<Uint8>(0u - p[0] * factors[0]);
                p[1] = static_cast<Uint8>(0u - p[1] * factors[1]);
                p[2] = static_cast<Uint8>(0u - p[2] * factors[2]);
                p[3] = static_cast<Uint8>(0u - p[3] * factors[3]);
            }
        }
    }
    if (locked) SDL_UnlockSurface(surface);
}

SDL_Surface* zoom_surface(SDL_Surface* source, float aspect, float factor) {
    if (source == nullptr || source->format == nullptr || !usable_factor(aspect) || !usable_factor(factor))
        return nullptr;
    const double across = static_cast<double>(aspect) * static_cast<double>(factor);
    const double down   = static_cast<double>(factor);
    const int w = scaled_size(source->w, across), h = scaled_size(source->h, down);
    if (w == 0 || h == 0) return nullptr;

    const SDL_PixelFormat* f = source->format;
    SDL_Surface* zoomed =
        SDL_CreateRGBSurface(source->flags, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (zoomed == nullptr) return nullptr;
    if (f->BytesPerPixel == 1 && f->palette != nullptr)
        SDL_SetPalette(zoomed, SDL_LOGPAL, f->palette->colors, 0, f->palette->ncolors);

    int cols[zoom_limit];
    for (int j = 0; j < w; j++) {
        int sx  = static_cast<int>(j / across);
        cols[j] = sx < source->w - 1 ? sx : source->w - 1;
    }

    bool source_locked = lock_if_needed(source), zoomed_locked = lock_if_needed(zoomed);
    if (source->pixels != nullptr && zoomed->pixels != nullptr) {
        switch (f->BytesPerPixel) {
        case 1: copy_pixels<1>(source, zoomed, cols, down); break;
        case 2: copy_pixels<2>(source, zoomed, cols, down); break;
        case 3: copy_pixels<3>(source, zoomed, cols, down); break;
        case 4: copy_pixels<4>(source, zoomed, cols, down); break;
        default: break;
        }
    }
    if (zoomed_locked) SDL_UnlockSurface(zoomed);
    if (source_locked) SDL_UnlockSurface(source);
    return zoomed;
}
