// repeat.h - how the panel's +/- buttons repeat while held, by the time held
// and not by the frames drawn, so that they go alike on every machine: one
// step at the press, so that a click of any length below repeat_delay_ms is
// exactly one step; then the X and Y buttons move one pixel a pass, and the
// Scale buttons repeat at 10 steps a second, twice as fast every
// speed_up_ms, up to 5120 a second (640 a second from 2.8 s on, the fastest
// from 4 s on), so that a long hold still crosses the whole range in seconds.
//
// Pure arithmetic on milliseconds; the clock is the editor's now_ms.
#pragma once

#include <SDL.h>
#include <algorithm>

constexpr Uint32 repeat_delay_ms  = 400; // the first repeat of a held button
constexpr Uint32 speed_up_ms      = 400; // the Scale buttons' rate doubles this often
constexpr Uint64 first_rate       = 10;  // Scale steps a second at the first repeat
constexpr Uint64 fastest_doubling = 9;   // 10 << 9 = 5120 steps a second

// Whether a held X or Y button steps in a pass held_ms after its press (the
// press itself stepped already).
constexpr bool arrow_repeats(Uint32 held_ms) {
    return held_ms >= repeat_delay_ms;
}

// The Scale steps that are due held_ms after the press, the press's own step
// included: 1 before the delay, then 2 at it and more at a rising rate.
constexpr Uint64 scale_steps_due(Uint32 held_ms) {
    if (held_ms < repeat_delay_ms) return 1;
    const Uint64 since   = held_ms - repeat_delay_ms;
    const Uint64 doubled = std::min<Uint64>(since / speed_up_ms, fastest_doubling);
    // each whole period before this one made first_rate << i steps a second for speed_up_ms
    const Uint64 before = first_rate * speed_up_ms / 1000 * ((Uint64{1} << doubled) - 1);
    const Uint64 rate   = first_rate << doubled;
    return 2 + before + (since - doubled * speed_up_ms) * rate / 1000;
}
