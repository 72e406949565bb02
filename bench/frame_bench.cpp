// frame_bench.cpp - one editor frame (the update and draw_frame) at the home
// layout, with a bg.bmp background, with every element at its largest drawn
// size, and at home with the grid and a hover outline (the marks for
// placing); and the floor of each: the same fills, texts, blits, marks and outline from
// pictures decoded, recoloured and scaled once and kept (the parts of them
// that are seen), so that the gap between the two is what the per-frame
// decoding, recolouring and scaling cost. Beside them an idle pass: the
// update, and no frame to draw.
#include "support.h"

#include "draw/surface_ops.h"
#include "editor/frame.h"
#include "editor/marks.h"
#include "editor/update.h"
#include "editor/view.h"
#include "program/run.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

enum class scene { home, home_bg, largest, largest_bg, home_marks };

struct bench_editor {
    editor ed;
    std::string bg_dir;
    bool ok = false;
    explicit bench_editor(scene s) {
        ok = start_bench_editor(ed);
        if (!ok) return;
        if (s == scene::largest || s == scene::largest_bg) set_largest_scales(ed.design.model);
        if (s == scene::home_bg || s == scene::largest_bg) bg_dir = use_bg_bmp(ed);
        if (s == scene::home_marks) { // the grid, and the pointer on the C-Left Icon: its hover outline
            ed.window.grid      = true;
            ed.input.pointer_in = true;
            ed.input.pointer_x  = 231;
            ed.input.pointer_y  = 22;
        }
        update_editor(ed); // the first pass fills the value texts
        draw_frame(ed);
    }
    ~bench_editor() {
        tear_down(ed);
        if (!bg_dir.empty()) leave_bg_dir(bg_dir);
    }
};

void frame(benchmark::State& st, scene s) {
    bench_editor b(s);
    if (!b.ok) return st.SkipWithError("start-up failed");
    for (auto _ : st) {
        update_editor(b.ed);
        draw_frame(b.ed);
    }
}

// A pass with nothing to show: the update and the record of what the frame
// would show, compared with the one shown (editor_pass draws nothing then).
void idle_pass(benchmark::State& st, scene s) {
    bench_editor b(s);
    if (!b.ok) return st.SkipWithError("start-up failed");
    to_show(b.ed.window, editor_view(b.ed));
    for (auto _ : st) {
        update_editor(b.ed);
        if (to_show(b.ed.window, editor_view(b.ed))) return st.SkipWithError("a frame to draw");
    }
}

// ---- the floor -------------------------------------------------------------------

// One blit of a kept picture, or the Magic Meter's bar when p is null.
struct kept_draw {
    SDL_Surface* p;
    SDL_Rect at;
    Uint32 fill;
};

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

// The frame's element pictures, finished once, in the frame's drawing order.
std::vector<kept_draw> keep_pictures(editor& ed) {
    layout& m = ed.design.model;
    std::vector<kept_draw> d;
    for (element_id e : draw_order) {
        const element_row& row     = element_table[e];
        const element_place& place = ed.design.places[e];
        if (!place.drawn) continue;
        const SDL_Color& c = m.colors[row.color_slot == no_color ? 0 : row.color_slot].value;
        if (row.tint == tint_bar)
            d.push_back({nullptr,
                         {Sint16(place.at.x + meter_bar.x), Sint16(place.at.y + meter_bar.y), meter_bar.w,
                          meter_bar.h},
                         Uint32(c.r << 16 | c.g << 8 | c.b)});
        SDL_Surface* p = fresh_picture(ed.pictures, row.picture, row.alpha);
        if (row.tint == tint_picture) recolor(p, c.r, c.g, c.b, 255);
        const bool scale = row.rule != rule_own_size;
        SDL_Rect at = place.at, held = place.held_at;
        d.push_back({scale ? scaled(p, place.factor, ed.window.screen, &at) : p, at, 0});
        if (row.overlay == pic_none) continue;
        SDL_Surface* o = is_stream(row.overlay)
                             ? fresh_picture(ed.pictures, row.overlay, true)
                             : SDL_ConvertSurface(kept_picture(ed.pictures, row.overlay),
                                                  kept_picture(ed.pictures, row.overlay)->format,
                                                  kept_picture(ed.pictures, row.overlay)->flags);
        d.push_back({scale ? scaled(o, place.factor, ed.window.screen, &held) : o, held, 0});
    }
    return d;
}

// draw_frame's drawing with the element pictures taken from kept.
void floor_frame(editor& ed, const std::vector<kept_draw>& kept) {
    SDL_Surface* s = ed.window.screen;
    draw_panel(ed, layer_under_background);
    draw_size(ed);
    blit_opaque(ed.pictures.background, s, 0, 0);
    draw_grid(ed.window);
    draw_panel(ed, layer_over_background);
    for (const kept_draw& k : kept) {
        SDL_Rect r = k.at;
        if (k.p)
            SDL_UpperBlit(k.p, nullptr, s, &r);
        else
            SDL_FillRect(s, &r, k.fill);
    }
    draw_hover(ed);
    draw_selection(ed.design, ed.window);
    draw_guides(ed.window, ed.input.guides);
    draw_panel(ed, layer_top);
    SDL_Flip(s);
}

void floor(benchmark::State& st, scene s) {
    bench_editor b(s);
    if (!b.ok) return st.SkipWithError("start-up failed");
    std::vector<kept_draw> kept = keep_pictures(b.ed);
    for (auto _ : st) floor_frame(b.ed, kept);
    for (kept_draw& k : kept)
        if (k.p) SDL_FreeSurface(k.p);
}

} // namespace

BENCHMARK_CAPTURE(idle_pass, home, scene::home)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(frame, home, scene::home)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, home, scene::home)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, home_bg, scene::home_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, home_bg, scene::home_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, largest, scene::largest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, largest, scene::largest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, largest_bg, scene::largest_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, largest_bg, scene::largest_bg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(frame, home_marks, scene::home_marks)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(floor, home_marks, scene::home_marks)->Unit(benchmark::kMillisecond);
