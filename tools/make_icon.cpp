// make_icon.cpp - draws the desktop icon from the built-in pictures: the A
// Button in its home colour with its overlay and the "ACT" icon over it, laid
// out as the editor draws them at their home places and scales. Not part of
// the program; the install test runs it to check that the committed icons are
// up to date.
//
//   make_icon <out folder>      writes 32x32.png, 48x48.png and 128x128.png
//
// The pictures are unpacked, recoloured and scaled with the program's own
// image store and surface operations, laid over each other at 8 canvas pixels
// per button pixel, and then reduced to each size by averaging areas, so the
// small icons are smooth rather than sampled. The same pictures always give
// the same bytes.
#include "bmp.h"
#include "png.h"

#include "assets/pictures.h"
#include "draw/surface_ops.h"
#include "model/scale_rules.h"
#include "pictures/image_store.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int detail  = 8;           // canvas pixels per pixel of the button picture
constexpr int canvas  = 32 * detail; // the button picture is 32x32
constexpr int sizes[] = {32, 48, 128};

// Premultiplied RGBA in 0..1, row 0 at the top.
struct layer {
    int w, h;
    std::vector<float> px; // r, g, b, a per pixel
    float* at(int x, int y) { return &px[(static_cast<size_t>(y) * w + x) * 4]; }
};

layer blank(int w, int h) {
    return layer{w, h, std::vector<float>(static_cast<size_t>(w) * h * 4, 0.0f)};
}

// Lays s over the canvas with its corner at (cx, cy), by the alpha of each pixel.
void over(layer& c, SDL_Surface* s, int cx, int cy) {
    for (int y = 0; y < s->h; y++) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; x++) {
            int tx = cx + x, ty = cy + y;
            if (tx < 0 || ty < 0 || tx >= c.w || ty >= c.h) continue;
            Uint8 r, g, b, a;
            SDL_GetRGBA(row[x], s->format, &r, &g, &b, &a);
            float alpha = a / 255.0f;
            float* d    = c.at(tx, ty);
            d[0]        = r / 255.0f * alpha + d[0] * (1 - alpha);
            d[1]        = g / 255.0f * alpha + d[1] * (1 - alpha);
            d[2]        = b / 255.0f * alpha + d[2] * (1 - alpha);
            d[3]        = alpha + d[3] * (1 - alpha);
        }
    }
}

// How much of source span [lo, hi) lies in source pixel i.
float coverage(double lo, double hi, int i) {
    double a = lo > i ? lo : i, b = hi < i + 1 ? hi : i + 1;
    return b > a ? static_cast<float>(b - a) : 0.0f;
}

// The canvas reduced to size x size, each pixel the mean of the area it covers.
picture reduce(layer& c, int size) {
    picture p(size, size, 32);
    double step = static_cast<double>(c.w) / size;
    for (int oy = 0; oy < size; oy++)
        for (int ox = 0; ox < size; ox++) {
            double x0 = ox * step, x1 = x0 + step, y0 = oy * step, y1 = y0 + step;
            float sum[4] = {0, 0, 0, 0}, area = 0;
            for (int y = static_cast<int>(y0); y < static_cast<int>(std::ceil(y1)) && y < c.h; y++)
                for (int x = static_cast<int>(x0); x < static_cast<int>(std::ceil(x1)) && x < c.w; x++) {
                    float w = coverage(x0, x1, x) * coverage(y0, y1, y);
                    for (int k = 0; k < 4; k++) sum[k] += c.at(x, y)[k] * w;
                    area += w;
                }
            float a   = sum[3] / area;
            auto byte = [](float v) {
                return static_cast<uint32_t>(std::lround(v < 0 ? 0 : v > 1 ? 255 : v * 255));
            };
            // back from premultiplied; a fully clear pixel is stored as black
            float r = a > 0 ? sum[0] / sum[3] : 0, g = a > 0 ? sum[1] / sum[3] : 0,
                  b      = a > 0 ? sum[2] / sum[3] : 0;
            p.at(ox, oy) = byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
    return p;
}

SDL_Surface* picture_with_alpha(const unsigned char* stored, size_t n) {
    return enable_pixel_alpha(load_image(stored, n));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <out folder>\n");
        return 2;
    }
    std::string dir = argv[1];
    layout m;
    start_layout(m);

    SDL_Surface* face   = picture_with_alpha(bBUTTON, bBUTTON_size);
    SDL_Surface* shine  = picture_with_alpha(bBUTTONOVERLAY, bBUTTONOVERLAY_size);
    SDL_Surface* action = picture_with_alpha(bACTION, bACTION_size);
    if (!face || !shine || !action) {
        std::fprintf(stderr, "make_icon: cannot unpack the built-in pictures\n");
        return 1;
    }
    SDL_Color blue = m.colors[color_slot_of(el_a_button)].home;
    recolor(face, blue.r, blue.g, blue.b, 255);

    // The editor draws the button its inset right of and below the corner that
    // the icon starts on, each at its own factor; kept in proportion here.
    float fb = element_factor(m, el_a_button), fa = element_factor(m, el_a_button_icon); // at home
    int shift               = static_cast<int>(std::lround(-element_table[el_a_button].inset * detail / fb));
    SDL_Surface* big_face   = zoom_surface(face, 1.0f, detail);
    SDL_Surface* big_shine  = zoom_surface(shine, 1.0f, detail);
    SDL_Surface* big_action = zoom_surface(action, 1.0f, detail * fa / fb);
    if (!big_face || !big_shine || !big_action) {
        std::fprintf(stderr, "make_icon: cannot scale the pictures\n");
        return 1;
    }
    layer c = blank(canvas, canvas);
    over(c, big_face, 0, 0);
    over(c, big_shine, 0, 0);
    over(c, big_action, shift, shift);

    bool ok = true;
    for (int size : sizes) {
        std::string path = dir + "/" + std::to_string(size) + "x" + std::to_string(size) + ".png";
        if (!write_whole_file(path, write_png(reduce(c, size)))) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    for (SDL_Surface* s : {face, shine, action, big_face, big_shine, big_action}) SDL_FreeSurface(s);
    return ok ? 0 : 1;
}
