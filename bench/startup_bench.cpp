// startup_bench.cpp - start-up up to the first count-down frame: the twenty
// built-in pictures unpacked (eleven streams, nine decoded once), SDL, the
// window's icon and the window, then that frame drawn and flipped; the
// pictures alone; the icon alone.
#include "support.h"

#include "pictures/icon.h"
#include "editor/screens.h"
#include "program/run.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void startup_to_first_countdown_frame(benchmark::State& st) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (auto _ : st) {
        editor ed;
        if (!start_up(ed)) return st.SkipWithError("start-up failed");
        ed.clock.screen_delay_ms = 0;
        countdown c;
        countdown_frame(ed, c);
        st.PauseTiming();
        tear_down(ed);
        st.ResumeTiming();
    }
}

void startup_pictures(benchmark::State& st) {
    for (auto _ : st) {
        picture_store p{};
        if (!unpack_pictures(p) || !load_pictures(p)) return st.SkipWithError("unpacking failed");
        st.PauseTiming();
        free_pictures(p);
        st.ResumeTiming();
    }
}

void startup_window_icon(benchmark::State& st) {
    picture_store p{};
    if (!unpack_pictures(p)) return st.SkipWithError("unpacking failed");
    for (auto _ : st) {
        SDL_Surface* icon = draw_icon(p, 32);
        if (!icon) return st.SkipWithError("no icon");
        SDL_FreeSurface(icon);
    }
    free_pictures(p);
}

} // namespace

BENCHMARK(startup_to_first_countdown_frame)->Unit(benchmark::kMillisecond);
BENCHMARK(startup_pictures)->Unit(benchmark::kMillisecond);
BENCHMARK(startup_window_icon)->Unit(benchmark::kMillisecond);
