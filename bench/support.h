// support.h - what the benchmarks share: an editor started by the program's
// own start-up on the dummy video driver, the layouts they draw, a bg.bmp, and
// the process's resident memory.
#pragma once

#include "editor/state.h"

#include <string>

// start_up with every pause off and the editor loop's start state (element 0
// selected, the one-shot text refreshes pending). False when start-up failed.
bool start_bench_editor(editor& ed);

// Every scaled element at the largest size that values typed into the scale
// field (four hex digits) still draw: buttons and bows by 527/5 (32 -> 3372
// px), the A Button by 527/6 (2810 px), the A Button Icon by 32.125 (48x32 ->
// 1542x1028 px). One step larger and zoom_surface refuses the size.
void set_largest_scales(layout& m);

// Writes a 320x240 24-bit bg.bmp into a fresh temporary directory, makes that
// the working directory and answers "Yes" to the editor's background prompt.
// Returns the directory, to be removed with leave_bg_dir.
std::string use_bg_bmp(editor& ed);
void leave_bg_dir(const std::string& dir);

// Resident set and its peak, in KiB, from /proc/self/status.
long resident_kib();
long peak_resident_kib();
