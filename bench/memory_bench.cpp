// memory_bench.cpp - the editor's resident memory over 10,000 frames: after
// start-up, after 1,000 and after 10,000 passes of the editor loop, and the
// process's peak. Run each benchmark in a process of its own
// (--benchmark_filter) so that the peak is that layout's alone.
#include "support.h"

#include "program/run.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double mib = 1024.0;

void editor_memory(benchmark::State& st, bool largest) {
    for (auto _ : st) {
        editor ed;
        if (!start_bench_editor(ed)) return st.SkipWithError("start-up failed");
        if (largest) set_largest_scales(ed.design.model);
        st.counters["rss_start_MiB"] = static_cast<double>(resident_kib()) / mib;
        for (int frame = 1; frame <= 10000; frame++) {
            editor_pass(ed);
            if (frame == 1000) st.counters["rss_1000_MiB"] = static_cast<double>(resident_kib()) / mib;
        }
        st.counters["rss_10000_MiB"] = static_cast<double>(resident_kib()) / mib;
        st.counters["peak_MiB"]      = static_cast<double>(peak_resident_kib()) / mib;
        tear_down(ed);
    }
}

} // namespace

BENCHMARK_CAPTURE(editor_memory, home, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(editor_memory, largest, true)->Iterations(1)->Unit(benchmark::kMillisecond);
