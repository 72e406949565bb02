// frame_bench.cpp - the editor frame (draw_frame) at the home layout, with a
// bg.bmp background, and with every element at its largest drawn size; and
// the floor of each: the same fills, texts and blits from pictures decoded,
// recoloured and scaled once and kept (the parts of them that are seen), so
// that the gap between the two is what the per-frame decoding, recolouring
// and scaling cost.
#include "support.h"

#include "draw/surface_ops.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "shell/run.h"
#include "ui/frame.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum class scene { home, home_bg, largest, largest_bg };

struct bench_editor {
    editor ed;
    std::string bg_dir;
    bool ok = false;
    explicit bench_editor(scene s) {
        ok = start_bench_editor(ed);
        if (!ok) return;
        if (s == scene::largest || s == scene::largest_bg) set_largest_scales(ed.model);
        if (s == scene::home_bg || s == scene::largest_bg) bg_dir = use_bg_bmp(ed);
        draw_frame(ed); // the first frame fills the value texts
    }
    ~bench_editor() {
        tear_down(ed);
        if (!bg_dir.empty()) leave_bg_dir(bg_dir);
    }
};

void frame(benchmark::State& st, scene s) {
    bench_editor b(s);
    if (!b.ok) return st.SkipWithError("start-up failed");
    for (auto _ : st) draw_frame(b.ed);
}

// ---- the floor -------------------------------------------------------------------

// One blit of a kept picture, or the Magic Meter's bar when p is null.
struct kept_draw {
    SDL_Surface* p;
    SDL_Rect at;
    Uint32 fill;
    bool owned;
};

SDL_Surface* fresh(editor& ed, stream_id id, bool alpha) {
    SDL_Surface* p = decode_stream(ed.streams[id]);
    if (alpha) p = enable_pixel_alpha(p);
    return p;
}

SDL_Rect corner(const editor& ed, int e, int inset = 0) {
    const SDL_Rect& p = ed.model.elements[e].pos;
    return SDL_Rect{static_cast<Sint16>(p.x + inset), static_cast<Sint16>(p.y + inset), 0, 0};
}

// p scaled by f, as the frame blits it at *at: only the part inside the
// screen, with *at moved to where that part goes. The frame's blits are of
// such parts; blits of the whole scaled pictures would be slower ones.
SDL_Surface* scaled(SDL_Surface* p, float f, const SDL_Surface* screen, SDL_Rect* at) {
    int w = 0, h = 0, x = at->x, y = at->y, sx = 0, sy = 0;
    SDL_Surface* part = nullptr;
    if (zoom_size(p, 1.0f, f, &w, &h)) {
        const SDL_Rect& clip = screen->clip_rect;
        if (clip.x > x) w -= clip.x - x, sx = clip.x - x, x = clip.x;
        if (x + w > clip.x + clip.w) w = clip.x + clip.w - x;
        if (clip.y > y) h -= clip.y - y, sy = clip.y - y, y = clip.y;
        if (y + h > clip.y + clip.h) h = clip.y + clip.h - y;
        if (w > 0 && h > 0)
            part = zoom_part(p, 1.0f, f,
                             SDL_Rect{static_cast<Sint16>(sx), static_cast<Sint16>(sy),
                                      static_cast<Uint16>(w), static_cast<Uint16>(h)});
    }
    at->x = static_cast<Sint16>(x);
    at->y = static_cast<Sint16>(y);
    SDL_FreeSurface(p);
    return part;
}

kept_draw scaled_draw(SDL_Surface* p, float f, const SDL_Surface* screen, SDL_Rect at) {
    SDL_Surface* part = scaled(p, f, screen, &at);
    return {part, at, 0, true};
}

// The frame's element pictures, finished once, in the frame's drawing order.
std::vector<kept_draw> keep_pictures(editor& ed) {
    layout& m = ed.model;
    std::vector<kept_draw> d;
    for (int e = 0; e <= 5; e++) {
        float f            = element_factor(m, e);
        SDL_Surface* face  = fresh(ed, s_button, true);
        const SDL_Color& c = m.colors[color_slot_of(e)].value;
        recolor(face, c.r, c.g, c.b, 255);
        d.push_back(scaled_draw(face, f, ed.screen, corner(ed, e, e == 0 ? 7 : 0)));
        d.push_back(
            scaled_draw(fresh(ed, s_buttonoverlay, true), f, ed.screen, corner(ed, e, e == 0 ? 7 : 0)));
    }
    const stream_id icons[] = {s_action, s_bow, s_navi, s_bow, s_bow, s_bow};
    for (int e = 11; e <= 16; e++) {
        SDL_Surface* p = fresh(ed, icons[e - 11], true);
        d.push_back(e == 13 ? kept_draw{p, corner(ed, e), 0, true}
                            : scaled_draw(p, element_factor(m, e), ed.screen, corner(ed, e)));
    }
    SDL_Surface* number = fresh(ed, s_99, false);
    for (int e = 17; e <= 20; e++) d.push_back({number, corner(ed, e), 0, e == 17});
    const stream_id status[]     = {s_rupee, s_999, s_hearts, s_map};
    SDL_Surface* const overlay[] = {ed.rupee_overlay, nullptr, ed.hearts_overlay, ed.map_overlay};
    for (int e = 6; e <= 9; e++) {
        SDL_Surface* p = fresh(ed, status[e - 6], true);
        if (e != 7) {
            const SDL_Color& c = m.colors[color_slot_of(e)].value;
            recolor(p, c.r, c.g, c.b, 255);
        }
        d.push_back({p, corner(ed, e), 0, true});
        if (overlay[e - 6]) d.push_back({overlay[e - 6], corner(ed, e), 0, false});
    }
    const SDL_Color& c = m.colors[7].value;
    SDL_Rect bar       = corner(ed, 10);
    bar.x              = static_cast<Sint16>(bar.x + 7);
    bar.y              = static_cast<Sint16>(bar.y + 3);
    bar.w              = 100;
    bar.h              = 8;
    d.push_back({nullptr, bar, static_cast<Uint32>(c.r << 16 | c.g << 8 | c.b), false});
    d.push_back({fresh(ed, s_magicborder, true), corner(ed, 10), 0, true});
    return d;
}

// draw_frame's drawing with the element pictures taken from kept.
void floor_frame(editor& ed, const std::vector<kept_draw>& kept) {
    draw_panel(ed);
    SDL_Surface* s = ed.screen;

    blit_opaque(ed.background, s, 0, 0);
    blit_opaque(ed.color_picker, s, ed.color_bar_pos.x, ed.color_bar_pos.y);
    drawtext(ed.scale_label_pos, "- Scale +", s, 1);
    for (const kept_draw& k : kept) {
        SDL_Rect r = k.at;
        if (k.p)
            SDL_UpperBlit(k.p, nullptr, s, &r);
        else
            SDL_FillRect(s, &r, k.fill);
    }
    blit_opaque(ed.save_button, s, ed.save_button_pos.x, ed.save_button_pos.y);
    SDL_Flip(s);
}

void floor(benchmark::State& st, scene s) {
    bench_editor b(s);
    if (!b.ok) return st.SkipWithError("start-up failed");
    std::vector<kept_draw> kept = keep_pictures(b.ed);
    for (auto _ : st) floor_frame(b.ed, kept);
    for (kept_draw& k : kept)
        if (k.owned && k.p) SDL_FreeSurface(k.p);
}

} // namespace

BENCHMARK_CAPTURE(frame, home, scene::home)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, home, scene::home)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, home_bg, scene::home_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, home_bg, scene::home_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, largest, scene::largest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, largest, scene::largest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, largest_bg, scene::largest_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, largest_bg, scene::largest_bg)->Unit(benchmark::kMillisecond);
