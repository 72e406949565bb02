#!/bin/sh
# check.sh - installs a build into a temporary prefix and checks what a
# desktop gets: a menu entry, icons and a manual page.
#
#   check.sh <build dir> <source dir> <make_icon>
#
# Prints one line per failed check and exits 1 if there was any.
set -u
build=$1 src=$2 make_icon=$3
work=$(mktemp -d /tmp/hudwright-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
share=$work/prefix/share
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# (the program in bin/ is install_package's, which lists every file the package holds)
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }

# The menu entry: desktop-file-validate says nothing at all, not even a hint.
out=$(desktop-file-validate "$share/applications/hudwright.desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"

# The icons: the very bytes make_icon draws from the pictures.
"$make_icon" "$work" || fail "make_icon failed"
for size in 32 48 128; do
    cmp -s "$share/icons/hicolor/${size}x${size}/apps/hudwright.png" "$work/${size}x${size}.png" ||
        fail "${size}x${size}: missing or out of date; redraw with make_icon desktop/icons"
done

# The manual page: man reads it without a warning.
out=$(man --warnings -E UTF-8 -l "$share/man/man1/hudwright.1" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man --warnings: $out"

# Every message of the program stands in the manual page: each "cannot ..."
# and each other "hudwright: ..." text, up to its first printf conversion or
# its line end.
missing=$(grep -ho '"\(hudwright: \)*cannot [^":%]*\|"hudwright: [^"%]*' "$src"/model/*.cpp "$src"/files/*.cpp "$src"/files/*/*.cpp "$src"/draw/*.cpp "$src"/pictures/*.cpp "$src"/editor/*.cpp "$src"/program/*.cpp |
    sed 's/^"//; s/^hudwright: //; s/\\n$//; s/ *$//' | grep -v '^$' | sort -u | while read -r m; do
        sed 's/\\-/-/g' "$src/docs/hudwright.1" | grep -qF "hudwright: $m" || echo "$m"
    done)
[ -z "$missing" ] || fail "messages missing from the manual page: $missing"

[ $failed -eq 0 ] && echo "install: all checks passed"
exit $failed
