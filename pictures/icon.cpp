// icon.cpp - the program's icon: the A Button, its shine and its "ACT" icon
// laid over each other on a fine canvas, then reduced by averaging areas.
#include "pictures/icon.h"

#include "draw/surface_ops.h"
#include "model/elements.h"
#include "model/layout.h"
#include "model/scale_rules.h"
#include "pictures/picture_store.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int button_side = 32;                             // the button picture is 32x32
constexpr int detail      = icon_canvas_side / button_side; // canvas pixels per button pixel

// Premultiplied RGBA in 0..1 of a square of side x side, row 0 at the top.
struct canvas {
    int side;
    std::vector<float> px = std::vector<float>(static_cast<size_t>(side) * side * 4);
    float* at(int x, int y) { return &px[(static_cast<size_t>(y) * side + x) * 4]; }
};

// One channel of a pixel, as SDL_GetRGBA reads it (a channel of fewer than 8
// bits widened to 8).
Uint8 channel(Uint32 pixel, Uint32 mask, Uint8 shift, Uint8 loss) {
    unsigned v = (pixel & mask) >> shift;
    return static_cast<Uint8>((v << loss) + (v >> (8 - (loss << 1))));
}

// Lays s (32 bits) over the canvas with its corner at (cx, cy), by the alpha
// of each pixel; a clear pixel changes nothing and is skipped. A scaled
// picture repeats each pixel along its row: what a pixel lays is worked out
// once for each run of them.
void over(canvas& c, SDL_Surface* s, int cx, int cy) {
    const SDL_PixelFormat* f = s->format;
    for (int y = 0; y < s->h; y++) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        int ty = cy + y;
        if (ty < 0 || ty >= c.side) continue;
        bool known   = false; // lay, keep and alpha are those of last
        Uint32 last  = 0;
        float lay[4] = {0, 0, 0, 0}, keep = 1; // the pixel's colour times its alpha, and 1 - alpha
        Uint8 alpha = 0;
        for (int x = 0; x < s->w; x++) {
            int tx = cx + x;
            if (tx < 0 || tx >= c.side) continue;
            if (!known || row[x] != last) {
                known   = true;
                last    = row[x];
                alpha   = f->Amask ? channel(last, f->Amask, f->Ashift, f->Aloss) : SDL_ALPHA_OPAQUE;
                float a = alpha / 255.0f;
                lay[0]  = channel(last, f->Rmask, f->Rshift, f->Rloss) / 255.0f * a;
                lay[1]  = channel(last, f->Gmask, f->Gshift, f->Gloss) / 255.0f * a;
                lay[2]  = channel(last, f->Bmask, f->Bshift, f->Bloss) / 255.0f * a;
                lay[3]  = a;
                keep    = 1 - a;
            }
            if (alpha == 0) continue;
            float* d = c.at(tx, ty);
            for (int k = 0; k < 4; k++) d[k] = lay[k] + d[k] * keep;
        }
    }
}

// How much of the span [lo, hi) lies in canvas pixel i.
float coverage(double lo, double hi, int i) {
    double a = lo > i ? lo : i, b = hi < i + 1 ? hi : i + 1;
    return b > a ? static_cast<float>(b - a) : 0.0f;
}

Uint32 byte(float v) {
    return static_cast<Uint32>(std::lround(v < 0 ? 0 : v > 1 ? 255 : v * 255));
}

// The canvas pixels an output pixel covers along one axis, and how much of each.
struct span {
    int first = 0, count = 0;
    float part[icon_canvas_side];
};

// Output pixel o of those step canvas pixels wide, on a canvas of side pixels.
span covered(int o, double step, int side) {
    span sp;
    double lo = o * step, hi = lo + step;
    sp.first = static_cast<int>(lo);
    for (int i = sp.first; i < static_cast<int>(std::ceil(hi)) && i < side; i++)
        sp.part[sp.count++] = coverage(lo, hi, i);
    return sp;
}

// The canvas reduced into s (side x side, 32 bits), each pixel the mean of the area it covers.
void reduce(canvas& c, SDL_Surface* s) {
    const int side = s->w;
    double step    = static_cast<double>(c.side) / side;
    std::vector<span> across(static_cast<size_t>(side));
    for (int o = 0; o < side; o++) across[o] = covered(o, step, c.side);
    for (int oy = 0; oy < side; oy++) {
        const span& down = across[oy];
        Uint32* row      = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + oy * s->pitch);
        for (int ox = 0; ox < side; ox++) {
            const span& along = across[ox];
            float sum[4] = {0, 0, 0, 0}, area = 0;
            for (int j = 0; j < down.count; j++)
                for (int i = 0; i < along.count; i++) {
                    float w        = along.part[i] * down.part[j];
                    const float* p = c.at(along.first + i, down.first + j);
                    for (int k = 0; k < 4; k++) sum[k] += p[k] * w;
                    area += w;
                }
            float a = sum[3] / area;
            // back from premultiplied; a fully clear pixel is black
            float r = a > 0 ? sum[0] / sum[3] : 0, g = a > 0 ? sum[1] / sum[3] : 0,
                  b = a > 0 ? sum[2] / sum[3] : 0;
            row[ox] = byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
    }
}

// The button's face with its shine, laid over each other at the size of
// their pictures and then spread over the canvas, each pixel a square of
// detail x detail as the pictures scaled by detail would lay them.
void lay_button(canvas& c, SDL_Surface* face, SDL_Surface* shine) {
    canvas small{button_side};
    over(small, face, 0, 0);
    over(small, shine, 0, 0);
    for (int y = 0; y < c.side; y++)
        for (int x = 0; x < c.side; x++) {
            const float* from = small.at(x / detail, y / detail);
            std::copy(from, from + 4, c.at(x, y));
        }
}

// The three pictures laid over the canvas as the editor scales them; false
// when one cannot be decoded or scaled.
bool paint(picture_store& p, canvas& c) {
    layout m;
    start_layout(m);
    SDL_Surface* face       = fresh_picture(p, pic_button, true);
    SDL_Surface* shine      = fresh_picture(p, pic_button_overlay, true);
    SDL_Surface* action     = fresh_picture(p, pic_action, true);
    SDL_Surface* big_action = nullptr;
    if (face && shine && action && face->w == button_side && face->h == button_side &&
        shine->w == button_side && shine->h == button_side) {
        SDL_Color blue = m.colors[color_slot_of(el_a_button)].home;
        recolor(face, blue.r, blue.g, blue.b, 255);
        // The editor draws the button its inset right of and below the corner
        // that the icon starts on, each at its own factor; kept in proportion here.
        float fb = element_factor(m, el_a_button), fa = element_factor(m, el_a_button_icon);
        big_action = zoom_surface(action, 1.0f, detail * fa / fb);
        if (big_action) {
            int shift = static_cast<int>(std::lround(-element_table[el_a_button].inset * detail / fb));
            lay_button(c, face, shine);
            over(c, big_action, shift, shift);
        }
    }
    bool painted = big_action != nullptr;
    for (SDL_Surface* s : {face, shine, action, big_action})
        if (s) SDL_FreeSurface(s);
    return painted;
}

} // namespace

SDL_Surface* draw_icon(picture_store& p, int side) {
    if (side < 1 || side > icon_canvas_side) return nullptr;
    canvas c{icon_canvas_side};
    if (!paint(p, c)) return nullptr;
    SDL_Surface* s =
        SDL_CreateRGBSurface(SDL_SWSURFACE, side, side, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    if (!s) return nullptr;
    reduce(c, s);
    return s;
}
