// surface_bench.cpp - recolor and zoom_surface on 32-bit pictures of 32x32 (a
// button) and 320x240 (a whole preview), zoomed by the C buttons' home factor
// 0.85 and by 2.
#include <benchmark/benchmark.h>

#include "draw/surface_ops.h"

namespace {

SDL_Surface* picture(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    Uint32* p      = static_cast<Uint32*>(s->pixels);
    for (int i = 0; i < w * h; i++) p[i] = 0x9E3779B9u * static_cast<Uint32>(i);
    return s;
}

void zoom(benchmark::State& st) {
    SDL_Surface* s = picture(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)));
    const float f  = static_cast<float>(st.range(2)) / 100.0f;
    for (auto _ : st) {
        SDL_Surface* z = zoom_surface(s, 1.0f, f);
        benchmark::DoNotOptimize(z->pixels);
        SDL_FreeSurface(z);
    }
    SDL_FreeSurface(s);
}

void recolour(benchmark::State& st) {
    SDL_Surface* s = picture(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)));
    for (auto _ : st) {
        recolor(s, 90, 90, 255, 255);
        benchmark::DoNotOptimize(s->pixels);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(s);
}

} // namespace

BENCHMARK(zoom)
    ->ArgNames({"w", "h", "factor%"})
    ->Args({32, 32, 85})
    ->Args({32, 32, 200})
    ->Args({320, 240, 85})
    ->Args({320, 240, 200});
BENCHMARK(recolour)->ArgNames({"w", "h"})->Args({32, 32})->Args({320, 240});
