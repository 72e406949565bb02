#!/bin/sh
# check.sh BUILD TARGET:yes|no... - builds each probe target in BUILD and
# checks that it compiles exactly when it should. One line per wrong probe.
set -u
build=$1
shift
failed=0
for probe in "$@"; do
    target=${probe%:*} want=${probe#*:}
    if cmake --build "$build" --target "$target" >/tmp/hudwright-layers.$$ 2>&1; then got=yes; else got=no; fi
    [ "$got" = "$want" ] || { echo "FAIL: $target compiles: $got, wanted: $want"; tail -n 5 /tmp/hudwright-layers.$$; failed=1; }
done
rm -f /tmp/hudwright-layers.$$
[ $failed -eq 0 ] && echo "layers: every probe compiled as it should"
exit $failed
