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

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install failed"
    exit 1
fi

# ---- the files ----------------------------------------------------------------
bin=$prefix/bin/hudwright
desktop=$prefix/share/applications/hudwright.desktop
manpage=$prefix/share/man/man1/hudwright.1
[ -x "$bin" ] || fail "bin/hudwright missing or not executable"
[ -f "$desktop" ] || fail "share/applications/hudwright.desktop missing"
[ -f "$manpage" ] || fail "share/man/man1/hudwright.1 missing"

# ---- the menu entry ---------------------------------------------------------------
# Nothing at all may be said, not even a hint.
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate exited non-zero"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    key() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(key Exec)" = hudwright ] || fail "Exec is '$(key Exec)', not hudwright"
    [ "$(key Terminal)" = false ] || fail "Terminal is not false"
    [ "$(key Icon)" = hudwright ] || fail "Icon is '$(key Icon)', not hudwright"
    # a working directory of its own would hide the user's files
    ! grep -q '^Path=' "$desktop" || fail "the entry sets Path="
fi

# ---- the icons --------------------------------------------------------------------
# The PNG header by hand (signature, IHDR, size), then a full decode by
# ImageMagick, then the bytes against what make_icon draws from the pictures.
"$make_icon" "$work" || fail "make_icon failed"
for size in 32 48 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/hudwright.png
    if [ ! -f "$icon" ]; then
        fail "icon ${size}x${size} missing"
        continue
    fi
    header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
    case $header in
    89504e470d0a1a0a0000000d49484452*) ;;
    *) fail "${size}x${size}: not a PNG (header $header)" ;;
    esac
    w=$(printf '%d' "0x$(echo "$header" | cut -c33-40)")
    h=$(printf '%d' "0x$(echo "$header" | cut -c41-48)")
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}x${size}: header says ${w}x${h}"
    seen=$(identify -regard-warnings -format '%w %h %[channels]' "$icon" 2>&1) ||
        fail "${size}x${size}: identify: $seen"
    case $seen in
    "$size $size srgba"*) ;;
    *) fail "${size}x${size}: identify says '$seen', not a ${size}x${size} picture with alpha" ;;
    esac
    cmp -s "$icon" "$work/${size}x${size}.png" ||
        fail "${size}x${size}: out of date; redraw with make_icon desktop/icons"
done

# ---- the manual page -----------------------------------------------------------------
if [ -f "$manpage" ]; then
    man --warnings -E UTF-8 -l "$manpage" >/dev/null 2>"$work/man.err" || fail "man exited non-zero"
    [ -s "$work/man.err" ] && fail "man --warnings: $(cat "$work/man.err")"
    groff -man -ww -z "$manpage" 2>"$work/groff.err" || fail "groff exited non-zero"
    [ -s "$work/groff.err" ] && fail "groff -ww: $(cat "$work/groff.err")"
    found=$(man --manpath="$prefix/share/man" -w hudwright 2>&1)
    [ "$found" = "$manpage" ] || fail "man does not find the page under the prefix: $found"

    # Every message the program can print on standard error is listed.
    page=$(sed 's/\\-/-/g' "$manpage")
    grep -ohE '"(hudwright: )?cannot [^"%]*' "$src"/shell/*.cpp "$src"/model/*.cpp \
        "$src"/ui/*.cpp "$src"/draw/*.cpp | sed 's/^"//; s/^hudwright: //; s/ *$//' | sort -u >"$work/messages"
    [ -s "$work/messages" ] || fail "found no messages in the sources"
    while read -r message; do
        case $page in
        *"hudwright: $message"*) ;;
        *) fail "the manual page does not list 'hudwright: $message'" ;;
        esac
    done <"$work/messages"
fi

# ---- the installed program ---------------------------------------------------------
# Without a video driver it must say why and end with the status the page gives.
if [ -x "$bin" ]; then
    (cd "$work" && SDL_VIDEODRIVER=no-such-driver "$bin" >"$work/run.out" 2>"$work/run.err")
    status=$?
    [ $status -eq 1 ] || fail "without a display the program ended with $status, not 1"
    grep -q '^hudwright: cannot start SDL: ' "$work/run.err" ||
        fail "without a display it said: $(cat "$work/run.err")"
fi

[ $failed -eq 0 ] && echo "install: all checks passed"
exit $failed
