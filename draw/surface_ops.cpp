// surface_ops.cpp - recolor and zoom_surface on software surfaces' pixel memory.
//
// Both walk rows by the surface's pitch, so padded rows are safe. They do not
// blend, filter or keep anything between calls. zoom_part scales only a part
// of the picture, so that a picture scaled far beyond the window costs no
// more than the part of it that can be seen.
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

// n bytes, each times the multiplier of its place in a pixel (m repeats every
// four bytes): the low 8 bits of the product are what recolor keeps. Sixteen
// bytes at a time, a loop the compiler turns into vector multiplies.
void multiply_bytes(Uint8* p, size_t n, const Uint8 (&m)[16]) {
    size_t i = 0;
    for (; i + 16 <= n; i += 16)
        for (int k = 0; k < 16; k++) p[i + k] = static_cast<Uint8>(p[i + k] * m[k]);
    for (; i < n; i++) p[i] = static_cast<Uint8>(p[i] * m[i % 16]);
}

// Nearest-neighbour copy of pixels of N bytes into all of to: destination
// column j samples source column cols[j], destination row i source row rows[i].
// A row that samples the same source row as the one before is copied whole.
template <int N>
void copy_pixels(const SDL_Surface* from, SDL_Surface* to, const int* cols, const int* rows) {
    const Uint8* src       = static_cast<const Uint8*>(from->pixels);
    Uint8* dst             = static_cast<Uint8*>(to->pixels);
    const size_t row_bytes = static_cast<size_t>(to->w) * N;
    for (int i = 0; i < to->h; i++) {
        Uint8* out = dst + static_cast<size_t>(i) * to->pitch;
        if (i > 0 && rows[i] == rows[i - 1]) {
            std::memcpy(out, out - to->pitch, row_bytes);
            continue;
        }
        const Uint8* row = src + static_cast<size_t>(rows[i]) * from->pitch;
        for (int j = 0; j < to->w; j++) std::memcpy(out + j * N, row + cols[j] * N, N);
    }
}

} // namespace

void recolor(SDL_Surface* surface, int r, int g, int b, int a) {
    if (surface == nullptr || surface->format == nullptr || surface->format->BytesPerPixel != 4) return;
    // (-byte * factor) mod 256 = byte * (-factor mod 256) mod 256
    const Uint8 factors[4] = {static_cast<Uint8>(b), static_cast<Uint8>(g), static_cast<Uint8>(r),
                              static_cast<Uint8>(a)};
    Uint8 m[16];
    for (int k = 0; k < 16; k++) m[k] = static_cast<Uint8>(0u - factors[k % 4]);
    bool locked = lock_if_needed(surface);
    if (surface->pixels != nullptr) {
        Uint8* pixels          = static_cast<Uint8*>(surface->pixels);
        const size_t row_bytes = static_cast<size_t>(surface->w) * 4;
        if (surface->pitch == static_cast<Uint16>(row_bytes)) // rows back to back: one run
            multiply_bytes(pixels, row_bytes * static_cast<size_t>(surface->h), m);
        else
            for (int y = 0; y < surface->h; y++)
                multiply_bytes(pixels + static_cast<size_t>(y) * surface->pitch, row_bytes, m);
    }
    if (locked) SDL_UnlockSurface(surface);
}

bool zoom_size(const SDL_Surface* source, float aspect, float factor, int* w, int* h) {
    if (source == nullptr || source->format == nullptr) return false;
    return zoom_size(source->w, source->h, aspect, factor, w, h);
}

bool zoom_size(int source_w, int source_h, float aspect, float factor, int* w, int* h) {
    if (!usable_factor(aspect) || !usable_factor(factor)) return false;
    const double across = static_cast<double>(aspect) * static_cast<double>(factor);
    const int zw = scaled_size(source_w, across), zh = scaled_size(source_h, factor);
    if (zw == 0 || zh == 0) return false;
    *w = zw;
    *h = zh;
    return true;
}

SDL_Surface* zoom_part(SDL_Surface* source, float aspect, float factor, SDL_Rect part) {
    int zw = 0, zh = 0;
    if (!zoom_size(source, aspect, factor, &zw, &zh)) return nullptr;
    if (part.x < 0 || part.y < 0 || part.w == 0 || part.h == 0 || part.x + part.w > zw ||
        part.y + part.h > zh)
        return nullptr;
    const double across = static_cast<double>(aspect) * static_cast<double>(factor);
    const double down   = static_cast<double>(factor);

    const SDL_PixelFormat* f = source->format;
    SDL_Surface* zoomed      = SDL_CreateRGBSurface(source->flags, part.w, part.h, f->BitsPerPixel, f->Rmask,
                                                    f->Gmask, f->Bmask, f->Amask);
    if (zoomed == nullptr) return nullptr;
    if (f->BytesPerPixel == 1 && f->palette != nullptr)
        SDL_SetPalette(zoomed, SDL_LOGPAL, f->palette->colors, 0, f->palette->ncolors);

    // Every sampled place is worked out once: column j of the part is column
    // part.x + j of the whole, and likewise for rows.
    int cols[zoom_limit], rows[zoom_limit];
    for (int j = 0; j < part.w; j++) {
        int sx  = static_cast<int>((part.x + j) / across);
        cols[j] = sx < source->w - 1 ? sx : source->w - 1;
    }
    for (int i = 0; i < part.h; i++) {
        int sy  = static_cast<int>((part.y + i) / down);
        rows[i] = sy < source->h - 1 ? sy : source->h - 1;
    }

    bool source_locked = lock_if_needed(source), zoomed_locked = lock_if_needed(zoomed);
    if (source->pixels != nullptr && zoomed->pixels != nullptr) {
        switch (f->BytesPerPixel) {
        case 1: copy_pixels<1>(source, zoomed, cols, rows); break;
        case 2: copy_pixels<2>(source, zoomed, cols, rows); break;
        case 3: copy_pixels<3>(source, zoomed, cols, rows); break;
        case 4: copy_pixels<4>(source, zoomed, cols, rows); break;
        default: break;
        }
    }
    if (zoomed_locked) SDL_UnlockSurface(zoomed);
    if (source_locked) SDL_UnlockSurface(source);
    return zoomed;
}

SDL_Surface* zoom_surface(SDL_Surface* source, float aspect, float factor) {
    int w = 0, h = 0;
    if (!zoom_size(source, aspect, factor, &w, &h)) return nullptr;
    return zoom_part(source, aspect, factor, SDL_Rect{0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)});
}

namespace {

// Whether a blit from picture to target is a plain copy of bytes.
bool copies(const SDL_Surface* picture, const SDL_Surface* target) {
    const SDL_PixelFormat *from = picture->format, *to = target->format;
    return !(picture->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY | SDL_RLEACCEL)) && from && to &&
           !from->palette && !to->palette && from->BitsPerPixel == to->BitsPerPixel &&
           from->BytesPerPixel == to->BytesPerPixel && from->Rmask == to->Rmask && from->Gmask == to->Gmask &&
           from->Bmask == to->Bmask && from->Amask == to->Amask && !SDL_MUSTLOCK(picture) &&
           !SDL_MUSTLOCK(target) && !picture->locked && !target->locked && picture->pixels &&
           target->pixels && picture != target;
}

// One axis of SDL_UpperBlit's clipping: the part [from, from + len) against
// the picture's size, then its place against the clip range [lo, lo + span).
// The axes do not meet, so one after the other gives SDL's result.
void clip_axis(int& from, int& len, Sint16& at, int size, int lo, int span) {
    if (from < 0) {
        len += from;
        at   = static_cast<Sint16>(at - from);
        from = 0;
    }
    if (size - from < len) len = size - from;
    int d = lo - at;
    if (d > 0) {
        len -= d;
        at = static_cast<Sint16>(at + d);
        from += d;
    }
    d = at + len - lo - span;
    if (d > 0) len -= d;
}

} // namespace

bool clip_blit(blit_area& part, int w, int h, SDL_Rect& at, const SDL_Rect& clip) {
    clip_axis(part.x, part.w, at.x, w, clip.x, clip.w);
    clip_axis(part.y, part.h, at.y, h, clip.y, clip.h);
    return part.w > 0 && part.h > 0;
}

int blit_copy(SDL_Surface* picture, SDL_Rect* part, SDL_Surface* target, SDL_Rect* at) {
    if (!picture || !target || picture->locked || target->locked)
        return SDL_UpperBlit(picture, part, target, at);
    SDL_Rect whole = {0, 0, 0, 0};
    if (!at) at = &whole;
    blit_area from =
        part ? blit_area{part->x, part->y, part->w, part->h} : blit_area{0, 0, picture->w, picture->h};
    if (!clip_blit(from, picture->w, picture->h, *at, target->clip_rect)) {
        at->w = at->h = 0;
        return 0;
    }
    const int sx = from.x, sy = from.y, w = from.w, h = from.h;
    at->w = static_cast<Uint16>(w);
    at->h = static_cast<Uint16>(h);
    if (!copies(picture, target)) { // what SDL_UpperBlit does after its clipping
        SDL_Rect seen = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), at->w, at->h};
        return SDL_LowerBlit(picture, &seen, target, at);
    }

    const int bytes = picture->format->BytesPerPixel;
    const Uint8* src =
        static_cast<const Uint8*>(picture->pixels) + static_cast<size_t>(sy) * picture->pitch + sx * bytes;
    Uint8* dst =
        static_cast<Uint8*>(target->pixels) + static_cast<size_t>(at->y) * target->pitch + at->x * bytes;
    for (int row = 0; row < h; row++)
        std::memcpy(dst + static_cast<size_t>(row) * target->pitch,
                    src + static_cast<size_t>(row) * picture->pitch, static_cast<size_t>(w) * bytes);
    return 0;
}

void blit_opaque(SDL_Surface* picture, SDL_Surface* target, Sint16 x, Sint16 y) {
    if (!picture || !target) return;
    SDL_Rect at = {x, y, 0, 0};
    blit_copy(picture, nullptr, target, &at);
}

SDL_Surface* with_alpha_mask(SDL_Surface* picture, Uint32 amask) {
    const SDL_PixelFormat* f = picture->format;
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, f->BitsPerPixel, f->Rmask,
                                             f->Gmask, f->Bmask, amask);
    if (copy) {
        const bool locked_picture = lock_if_needed(picture), locked_copy = lock_if_needed(copy);
        for (int y = 0; y < picture->h; y++)
            std::memcpy(static_cast<Uint8*>(copy->pixels) + static_cast<size_t>(y) * copy->pitch,
                        static_cast<const Uint8*>(picture->pixels) + static_cast<size_t>(y) * picture->pitch,
                        static_cast<size_t>(picture->w) * f->BytesPerPixel);
        if (locked_copy) SDL_UnlockSurface(copy);
        if (locked_picture) SDL_UnlockSurface(picture);
    }
    SDL_FreeSurface(picture);
    return copy;
}
