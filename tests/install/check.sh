#!/bin/sh
# check.sh - installs a build into a temporary prefix and checks the result.
#
#   check.sh <build dir> <source dir> <make_icon>
#
# Prints one line per failed check and exits 1 if there was any.
set -u
build=$1 src=$2 make_icon=$3
work=$(mktemp -d /tmp/hudwright-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
desktop=$prefix/share/applications/hudwright.desktop
manpage=$prefix/share/man/man1/hudwright.1

# The menu entry: desktop-file-validate says nothing at all, not even a hint,
# and no working directory of its own hides the user's files.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate exited non-zero"
[ -z "$out" ] || fail "desktop-file-validate: $out"
[ "$(grep -cxE 'Exec=hudwright|Terminal=false|Icon=hudwright' "$desktop")" = 3 ] ||
    fail "the entry does not run hudwright, outside a terminal, with its icon"
! grep -q '^Path=' "$desktop" || fail "the entry sets Path="

# The icons: PNG pictures with alpha at their size, the very bytes make_icon
# draws from the pictures.
"$make_icon" "$work" || fail "make_icon failed"
for size in 32 48 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/hudwright.png
    seen=$(identify -regard-warnings -format '%m %w %h %[channels]' "$icon" 2>&1)
    case $seen in
    "PNG $size $size srgba"*) ;;
    *) fail "${size}x${size}: identify says '$seen', not a ${size}x${size} PNG with alpha" ;;
    esac
    cmp -s "$icon" "$work/${size}x${size}.png" || fail "${size}x${size}: out of date; redraw with make_icon desktop/icons"
done

# The manual page: man reads it without a warning, and it lists every message
# the program can print on standard error.
man --warnings -E UTF-8 -l "$manpage" >/dev/null 2>"$work/man.err" || fail "man exited non-zero"
[ -s "$work/man.err" ] && fail "man --warnings: $(cat "$work/man.err")"
page=$(sed 's/\\-/-/g' "$manpage")
grep -ohE '"(hudwright: )?cannot [^"%]*' "$src"/shell/*.cpp "$src"/model/*.cpp "$src"/ui/*.cpp "$src"/draw/*.cpp |
    sed 's/^"//; s/^hudwright: //; s/ *$//' | sort -u >"$work/messages"
[ -s "$work/messages" ] || fail "found no messages in the sources"
while read -r message; do
    case $page in
    *"hudwright: $message"*) ;;
    *) fail "the manual page does not list 'hudwright: $message'" ;;
    esac
done <"$work/messages"

# The installed program, without a video driver, says why and ends with the
# status the page gives.
(cd "$work" && SDL_VIDEODRIVER=no-such-driver "$prefix/bin/hudwright" >/dev/null 2>"$work/run.err")
status=$?
[ $status -eq 1 ] || fail "without a display the program ended with $status, not 1"
grep -q '^hudwright: cannot start SDL: ' "$work/run.err" || fail "without a display it said: $(cat "$work/run.err")"

[ $failed -eq 0 ] && echo "install: all checks passed"
exit $failed
