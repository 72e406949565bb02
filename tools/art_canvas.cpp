// art_canvas.cpp - canvas, shapes, masks and painting for draw_art.
#include "art_canvas.h"

#include <algorithm>
#include <cmath>

rgba hex(unsigned v, float alpha) {
    return {(v >> 16 & 255) / 255.f, (v >> 8 & 255) / 255.f, (v & 255) / 255.f, alpha};
}

rgba mix(rgba a, rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

rgba with_alpha(rgba c, float alpha) {
    c.a = alpha;
    return c;
}

void over(rgba& d, rgba s) {
    float a = s.a + d.a * (1 - s.a);
    if (a <= 0) {
        d = {};
        return;
    }
    float kd = d.a * (1 - s.a);
    d        = {(s.r * s.a + d.r * kd) / a, (s.g * s.a + d.g * kd) / a, (s.b * s.a + d.b * kd) / a, a};
}

canvas::canvas(int width, int height, rgba fill)
    : w(width), h(height), px(static_cast<size_t>(width) * height, fill) {}

// ---- shapes -------------------------------------------------------------------

shape circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

shape ellipse(float cx, float cy, float rx, float ry) {
    return
        [=](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * std::min(rx, ry); };
}

shape box(float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - radius;
    };
}

shape segment(float x0, float y0, float x1, float y1, float half_width) {
    return [=](float x, float y) {
        float dx = x1 - x0, dy = y1 - y0;
        float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
        return std::hypot(x - x0 - t * dx, y - y0 - t * dy) - half_width;
    };
}

shape arc(float cx, float cy, float r, float a0, float a1, float half_width) {
    constexpr float turn = 6.2831853f;
    float x0 = cx + r * std::cos(a0), y0 = cy + r * std::sin(a0);
    float x1 = cx + r * std::cos(a1), y1 = cy + r * std::sin(a1);
    return [=](float x, float y) {
        float a = std::atan2(y - cy, x - cx);
        while (a < a0) a += turn;
        while (a >= a0 + turn) a -= turn;
        if (a <= a1) return std::abs(std::hypot(x - cx, y - cy) - r) - half_width;
        return std::min(std::hypot(x - x0, y - y0), std::hypot(x - x1, y - y1)) - half_width;
    };
}

shape polygon(std::vector<std::pair<float, float>> p) {
    return [p](float x, float y) {
        size_t n = p.size();
        float d  = 1e30f;
        bool in  = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float ex = p[j].first - p[i].first, ey = p[j].second - p[i].second;
            float wx = x - p[i].first, wy = y - p[i].second;
            float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.f, 1.f);
            d       = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
            if ((p[i].second > y) != (p[j].second > y) &&
                x < (p[j].first - p[i].first) * (y - p[i].second) / (p[j].second - p[i].second) + p[i].first)
                in = !in;
        }
        return in ? -d : d;
    };
}

shape unite(shape a, shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
shape intersect(shape a, shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
shape subtract(shape a, shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
shape grow(shape s, float by) {
    return [=](float x, float y) { return s(x, y) - by; };
}

// ---- masks ---------------------------------------------------------------------

mask cover(int w, int h, const shape& s, int n) {
    mask m(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            int in = 0;
            for (int j = 0; j < n; j++)
                for (int i = 0; i < n; i++) in += s(x + (i + 0.5f) / n, y + (j + 0.5f) / n) < 0;
            m.at(x, y) = static_cast<float>(in) / (n * n);
        }
    return m;
}

mask pixels(int w, int h, const shape& s) {
    mask m(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) m.at(x, y) = s(x + 0.5f, y + 0.5f) < 0 ? 1.f : 0.f;
    return m;
}

mask from_rows(const std::vector<std::string>& rows, const std::string& on) {
    int w = 0;
    for (auto& r : rows) w = std::max(w, static_cast<int>(r.size()));
    mask m(w, static_cast<int>(rows.size()));
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < static_cast<int>(rows[y].size()); x++)
            m.at(x, y) = on.find(rows[y][x]) != std::string::npos ? 1.f : 0.f;
    return m;
}

mask shifted(const mask& m, int dx, int dy) {
    mask r(m.w, m.h);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) r.at(x, y) = m.get(x - dx, y - dy);
    return r;
}

mask grown(const mask& m, int radius) {
    mask r(m.w, m.h);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            float v = 0;
            for (int j = -radius; j <= radius; j++)
                for (int i = -radius; i <= radius; i++) v = std::max(v, m.get(x + i, y + j));
            r.at(x, y) = v;
        }
    return r;
}

mask minus(const mask& a, const mask& b) {
    mask r = a;
    for (int y = 0; y < a.h; y++)
        for (int x = 0; x < a.w; x++) r.at(x, y) = a.get(x, y) * (1 - b.get(x, y));
    return r;
}

mask blurred(const mask& m, int radius) {
    mask r = m;
    for (int pass = 0; pass < 2; pass++) {
        mask t = r;
        for (int y = 0; y < m.h; y++)
            for (int x = 0; x < m.w; x++) {
                float s = 0;
                for (int i = -radius; i <= radius; i++) s += t.get(x + i, y);
                r.at(x, y) = s / (2 * radius + 1);
            }
        t = r;
        for (int y = 0; y < m.h; y++)
            for (int x = 0; x < m.w; x++) {
                float s = 0;
                for (int j = -radius; j <= radius; j++) s += t.get(x, y + j);
                r.at(x, y) = s / (2 * radius + 1);
            }
    }
    return r;
}

// ---- painting -----------------------------------------------------------------

void paint(canvas& c, const mask& m, rgba colour, int dx, int dy) {
    paint(
        c, m, [&](int, int) { return colour; }, dx, dy);
}

void paint(canvas& c, const mask& m, const std::function<rgba(int x, int y)>& colour, int dx, int dy) {
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) {
            int cx = x + dx, cy = y + dy;
            float k = m.get(x, y);
            if (k <= 0 || cx < 0 || cy < 0 || cx >= c.w || cy >= c.h) continue;
            rgba s = colour(cx, cy);
            s.a *= k;
            over(c.at(cx, cy), s);
        }
}

// ---- output --------------------------------------------------------------------

static uint32_t byte(float v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255));
}

picture to_picture(const canvas& c, int bits) {
    picture p(c.w, c.h, bits);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            rgba v = c.at(x, y);
            if (bits != 32) v = {v.r * v.a, v.g * v.a, v.b * v.a, 1}; // over black
            p.at(x, y) = byte(v.a) << 24 | byte(v.r) << 16 | byte(v.g) << 8 | byte(v.b);
        }
    return p;
}

picture white_face(const mask& m) {
    picture p(m.w, m.h, 32);
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++) p.at(x, y) = byte(m.get(x, y)) << 24 | 0xFFFFFFu;
    return p;
}

picture enlarged(const picture& p, int f, uint32_t backdrop) {
    picture r(p.w * f, p.h * f, 24);
    for (int y = 0; y < r.h; y++)
        for (int x = 0; x < r.w; x++) {
            uint32_t s = p.at(x / f, y / f);
            uint32_t a = p.bits == 32 ? s >> 24 : 255;
            uint32_t v = 0xFF000000u;
            for (int sh = 0; sh < 24; sh += 8) {
                uint32_t cs = s >> sh & 255, cb = backdrop >> sh & 255;
                v |= (cs * a + cb * (255 - a) + 127) / 255 << sh;
            }
            r.at(x, y) = v;
        }
    return r;
}
