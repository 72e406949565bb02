#!/bin/sh
# cycles.sh SOURCES - tools/include-cycles on the sources: no folder's units
# include each other in a circle. First it is shown to find circles at all: on
# small folders made here, one with a circle through three units (one of them
# reached through a .cpp, its .h counting with it) and one without (a .cpp
# including its own .h, units in a line), it must report the first by its
# units and pass the second.
set -u
sources=$1
tool="$sources/tools/include-cycles"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

mkdir -p "$scratch/circle/editor" "$scratch/line/editor"
# circle: a.cpp -> b.h, b.h -> c.h, c.cpp -> a.h; d beside it, included by a only
printf '#include "editor/a.h"\n#include "editor/b.h"\n#include "editor/d.h"\n' >"$scratch/circle/editor/a.cpp"
printf '#pragma once\n' >"$scratch/circle/editor/a.h"
printf '#pragma once\n  #  include "editor/c.h" // spaced\n' >"$scratch/circle/editor/b.h"
printf '#pragma once\n' >"$scratch/circle/editor/c.h"
printf '#include "editor/c.h"\n#include "editor/a.h"\n' >"$scratch/circle/editor/c.cpp"
printf '#pragma once\n#include "model/a.h" // another folder: not read\n' >"$scratch/circle/editor/d.h"
# line: the same units, c.cpp including only its own header and d
cp "$scratch"/circle/editor/[abd].* "$scratch/line/editor/"
printf '#include "editor/c.h"\n#include "editor/d.h"\n' >"$scratch/line/editor/c.cpp"

said=$(sh "$tool" "$scratch/circle" editor)
status=$?
[ $status -eq 1 ] || fail "a circle of three units: status $status, wanted 1"
echo "$said" | grep -q 'include cycle in editor/: a -> b -> c -> a$' || fail "the circle not named: $said"
echo "$said" | grep -q 'editor/c.cpp includes editor/a.h' || fail "the line that closes it not named: $said"
said=$(sh "$tool" "$scratch/line" editor)
status=$?
[ $status -eq 0 ] || fail "no circle: status $status, wanted 0: $said"

sh "$tool" "$sources" || fail "the sources have an include cycle (above)"
[ $failed -eq 0 ] && echo "cycles: the tool finds a circle, and the sources have none"
exit $failed
