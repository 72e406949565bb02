// art_canvas.h - the little painting kit of draw_art: a float RGBA canvas,
// shapes as signed distance functions, anti-aliased fills and pixel masks.
//
// Coordinates are in pixels; pixel (x, y) covers [x, x+1) x [y, y+1), so its
// centre is (x + 0.5, y + 0.5). Colours are straight (not premultiplied)
// alpha, 0 to 1. Nothing here knows about any particular picture.
#pragma once

#include "bmp.h"

#include <functional>
#include <string>
#include <vector>

struct rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

rgba hex(unsigned rrggbb, float alpha = 1.0f);
rgba mix(rgba a, rgba b, float t);    // a at t = 0, b at t = 1, alpha mixed too
rgba with_alpha(rgba c, float alpha); // the same colour at another alpha
void over(rgba& dst, rgba src);       // src composited over dst

struct canvas {
    int w, h;
    std::vector<rgba> px;
    canvas(int width, int height, rgba fill = {});
    rgba& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
    const rgba& at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

// ---- shapes -------------------------------------------------------------------

// Signed distance to a shape's edge: negative inside.
using shape = std::function<float(float x, float y)>;

shape circle(float cx, float cy, float r);
shape ellipse(float cx, float cy, float rx, float ry); // distance approximate
shape box(float x0, float y0, float x1, float y1, float radius = 0);
shape segment(float x0, float y0, float x1, float y1, float half_width);
// A stroke along the circle round (cx, cy) from angle a0 to a1 (radians, a0 <
// a1; y points down, so pi/2 is straight down), with round ends.
shape arc(float cx, float cy, float r, float a0, float a1, float half_width);
shape polygon(std::vector<std::pair<float, float>> points);
shape unite(shape a, shape b);
shape intersect(shape a, shape b);
shape subtract(shape a, shape b);
shape grow(shape s, float by); // negative shrinks

// ---- masks: per-pixel coverage 0..1 ----------------------------------------------

struct mask {
    int w, h;
    std::vector<float> v;
    mask(int width, int height) : w(width), h(height), v(static_cast<size_t>(width) * height, 0.f) {}
    // Reads 0 outside the mask.
    float get(int x, int y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? 0.f : v[static_cast<size_t>(y) * w + x];
    }
    float& at(int x, int y) { return v.at(static_cast<size_t>(y) * w + x); }
};

// Coverage of each pixel by n x n samples (anti-aliased edges).
mask cover(int w, int h, const shape& s, int n = 8);
// Hard pixels: a pixel is in when its centre is inside.
mask pixels(int w, int h, const shape& s);
// A mask from rows of text: '#' (or any character of on) is in.
mask from_rows(const std::vector<std::string>& rows, const std::string& on = "#");
mask shifted(const mask& m, int dx, int dy);
mask grown(const mask& m, int radius);    // max over the (2r+1) square around (hard dilation)
mask minus(const mask& a, const mask& b); // a * (1 - b)
mask blurred(const mask& m, int radius);  // box blur, twice

// ---- painting -------------------------------------------------------------------

// Composites colour over the canvas, weighted by coverage; the mask may be
// smaller than the canvas and is placed at (dx, dy).
void paint(canvas& c, const mask& m, rgba colour, int dx = 0, int dy = 0);
// As paint, with the colour chosen per pixel.
void paint(canvas& c, const mask& m, const std::function<rgba(int x, int y)>& colour, int dx = 0, int dy = 0);

// ---- output ----------------------------------------------------------------------

// Rounds the canvas to a picture of 24 bits (alpha dropped over black) or 32.
picture to_picture(const canvas& c, int bits);
// A face for recolouring: every pixel pure white, the mask as its alpha.
picture white_face(const mask& m);

// The canvas enlarged by an integer factor, for looking at small pictures.
picture enlarged(const picture& p, int factor, uint32_t backdrop = 0xFF808080u);
