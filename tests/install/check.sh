#!/bin/sh
# check.sh - installs a build into a temporary prefix and checks what a
# desktop gets: a menu entry, icons and the manual (its page and its HTML).
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

# The manual page: man reads it without a warning, and it is the build's, made
# from docs/manual.adoc (its NAME line). The HTML manual beside it is the same
# manual, whole (its last section), and takes nothing from the web.
out=$(man --warnings -E UTF-8 -l "$share/man/man1/hudwright.1" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man --warnings: $out"
grep -q '^hudwright \\- edit a console game' "$share/man/man1/hudwright.1" || fail "the manual page is not made from docs/manual.adoc"
html=$share/doc/hudwright/hudwright.html
grep -q '<h2 id="see-also">' "$html" 2>/dev/null || fail "no whole HTML manual in share/doc/hudwright"
grep -q '<link[^>]*href="http\|<script[^>]*src="http\|<img[^>]*src="http' "$html" && fail "the HTML manual loads from the web"
grep -q 'Last updated' "$html" && fail "the HTML manual says when it was made"

# Every message of the program stands in the manual's source (docs/manual.adoc):
# each "cannot ..." and each other "hudwright: ..." text, up to its first
# printf conversion or its line end, on one line there.
missing=$(grep -ho '"\(hudwright: \)*cannot [^":%]*\|"hudwright: [^"%]*' "$src"/model/*.cpp "$src"/files/*.cpp "$src"/files/*/*.cpp "$src"/draw/*.cpp "$src"/pictures/*.cpp "$src"/editor/*.cpp "$src"/program/*.cpp |
    sed 's/^"//; s/^hudwright: //; s/\\n$//; s/ *$//' | grep -v '^$' | sort -u | while read -r m; do
        grep -qF "hudwright: $m" "$src/docs/manual.adoc" || echo "$m"
    done)
[ -z "$missing" ] || fail "messages missing from the manual (docs/manual.adoc): $missing"

[ $failed -eq 0 ] && echo "install: all checks passed"
exit $failed
