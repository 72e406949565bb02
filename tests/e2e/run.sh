#!/bin/bash
# run.sh SCENARIO HUDWRIGHT LAYOUT - one scenario of scenarios.sh: the real
# program in a fresh directory and a private X server, driven by xdotool,
# checked through code.txt and xwd dumps. Every wait polls what the window
# shows; none sleeps. LAYOUT is what tools/print_layout writes: where the
# controls and the elements are. A Windows build (HUDWRIGHT ends in .exe) runs
# under Wine (tools/windows/wine-run) on SDL's windib driver.
#
# A scenario may set, before it launches: args (the program's arguments; it
# starts in work/), screen (the X screen, WxH; default 320x320 - 400x400 under
# Wine - where the window opens at zoom 1), zoom (the window's zoom: moves are
# given and shots taken in the editor's own 320x320 pixels; a shot of the whole
# window is kept as NAME.big.xwd) and video (SDL_VIDEODRIVER; empty: unset).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 3 ] || { echo "usage: $0 SCENARIO HUDWRIGHT LAYOUT" >&2; exit 2; }
hudwright=$(realpath "$2")
# shellcheck source=/dev/null
. "$3"
runner=() video=x11 screen=320x320 scratch=/tmp
# Wine places the window at 3,22: a larger screen holds it whole. The scratch
# folder lies beside the program, in the build folder that Wine maps as D:.
case $hudwright in *.exe) runner=("$here/../../tools/windows/wine-run") video=windib screen=400x400 scratch=$(dirname "$hudwright") ;; esac
root=$(mktemp -d "$scratch/hudwright-e2e-$1.XXXXXX") # logs and shots; the program runs in work/
work="$root/work"
mkdir "$work"
xvfb_pid="" app_pid="" wid="" depth=24 keep=${HUDWRIGHT_E2E_KEEP:-}
args=() zoom=1
# how every run of the program reports (and ends on) what the sanitizers find
sanitizers=(ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/../lsan/x11.supp:print_suppressions=0}")
wait_limit=${HUDWRIGHT_E2E_TIMEOUT:-60} # seconds for any one wait

cleanup() {
    if [ -n "$app_pid" ]; then kill -KILL "$app_pid" 2>/dev/null || true; fi
    local p # every other program a scenario started (exits.sh starts many)
    for p in $(jobs -p); do [ "$p" = "$xvfb_pid" ] || kill -KILL "$p" 2>/dev/null || true; done
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    [ -n "$keep" ] || rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    printf 'FAIL: %s\nscratch kept in %s\n' "$*" "$root" >&2
    [ ! -s "$root/app.log" ] || { echo "---- program output ----" && tail -n 60 "$root/app.log"; } >&2
    keep=1
    exit 1
}

# poll WHAT COMMAND...: runs COMMAND every 50 ms (poll_pause seconds) until it succeeds.
poll() {
    local what=$1 deadline=$((SECONDS + wait_limit))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "waited for $what"
        sleep "${poll_pause:-0.05}"
    done
}

# A private X server of $depth bits on a display chosen here (-displayfd's search
# unlinks the sockets of servers beside it), serialised among scenarios by flock.
x_up_or_ended() { ! kill -0 "$xvfb_pid" 2>/dev/null || xdotool getdisplaygeometry >/dev/null 2>&1; }
start_x() {
    exec 9>/tmp/hudwright-e2e-x.lock
    flock 9
    for n in $(shuf -i 200-999 -n 100); do # a server that cannot listen there ends; another display is tried
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # -noreset: a program connecting while the server resets (when its last client left) fails
        Xvfb ":$n" -screen 0 "${screen}x$depth" -nolisten tcp -noreset >"$root/xvfb.log" 2>&1 9>&- &
        xvfb_pid=$!
        export DISPLAY=":$n"
        poll "an X server on $DISPLAY" x_up_or_ended
        kill -0 $xvfb_pid 2>/dev/null && exec 9>&- && return 0
    done
    fail "no X server would start: $(cat "$root/xvfb.log")"
}

alive() { [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; }
gone() { ! alive; }
# no_window_at: when (date +%s%N) the last search began that found no window.
found_window() {
    alive || fail "hudwright ended before its window opened"
    local began
    began=$(date +%s%N)
    wid=$(xdotool search --name '^Hudwright$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] || { no_window_at=$began && return 1; }
}

# Starts the program in $work, its output in $root/app.log.
launch() {
    [ -n "$xvfb_pid" ] || start_x
    no_window_at=$(date +%s%N)
    (cd "$work" && exec env -u SDL_VIDEODRIVER ${video:+SDL_VIDEODRIVER="$video"} SDL_AUDIODRIVER=dummy SDL_VIDEO_WINDOW_POS=0,0 \
        "${sanitizers[@]}" "${runner[@]}" "$hudwright" "${args[@]}") >"$root/app.log" 2>&1 &
    app_pid=$!
    poll "a window named Hudwright" found_window
    move 160 160 # no window manager: the focus follows the pointer
}

# Waits for the program to end with status 0 and no sanitizer report.
wait_exit() {
    poll "hudwright to end" gone
    wait "$app_pid" || fail "hudwright exited with $?"
    app_pid="" # a sanitizer's report ends the program with a failure status (halt_on_error, abort_on_error)
}

at() { echo "$root/$1.xwd"; }
big() { echo "$root/$1.big.xwd"; }
# NAME: the window into $(at NAME), in the editor's pixels (one of each zoom x zoom square)
shot() {
    timeout 20 xwd -silent -id "$wid" -out "$(big "$1")" 2>/dev/null || return 1
    [ "$zoom" = 1 ] && mv "$(big "$1")" "$(at "$1")" || convert "xwd:$(big "$1")" -sample '320x320!' "xwd:$(at "$1")"
}
shot_then() {
    alive || fail "hudwright ended while a screenshot was wanted"
    shot "$1" && "${@:2}" "$(at "$1")"
}
# wait_for NAME WHAT COMMAND...: shoots until COMMAND, given the shot, succeeds.
wait_for() { poll "$2 (see $(at "$1"))" shot_then "$1" "${@:3}"; }
# after "DOING" NAME WHAT COMMAND...: DOING (its words split, none quoted) done, then wait_for NAME WHAT COMMAND...;
# after_poll "DOING" WHAT COMMAND...: then poll WHAT COMMAND...
# shellcheck disable=SC2086
after() { $1 && wait_for "${@:2}"; }
# shellcheck disable=SC2086
after_poll() { $1 && poll "${@:2}"; }
is_screen() { [ "$(screen_of "$2")" = "$1" ]; }
wait_screen() { wait_for "$1" "the $1 screen" is_screen "$1"; }

# A shot's pixels as "X,Y: (R,G,B)  #RRGGBB ...", the region X Y W H only if given.
pixels() { convert "xwd:$1${5:+[$4x$5+$2+$3]}" -depth 8 txt:-; }
# count SHOT X Y W H RRGGBB: the region's pixels of that colour.
count() { pixels "$@" | grep -c " #$6 " || true; }
# bbox SHOT RRGGBB: "x y w h" of the preview's pixels of that colour, or "none".
bbox() {
    pixels "$1" 0 0 320 240 | awk -v c="#$2" '$3 == c { split($1, p, /[,:]/); if (!n++) { x0 = x1 = p[1]; y0 = p[2] }
        x0 = p[1] < x0 ? p[1] : x0; x1 = p[1] > x1 ? p[1] : x1; y1 = p[2] }
        END { print n ? x0 " " y0 " " x1 - x0 + 1 " " y1 - y0 + 1 : "none" }'
}
# differs OTHER X Y W H SHOT: some pixel of the region differs between the shots.
differs() {
    compare -metric AE "xwd:$1[$4x$5+$2+$3]" "xwd:$6[$4x$5+$2+$3]" null: 2>/dev/null && return 1
    [ $? = 1 ] || fail "compare could not read $1 and $6"
}
# The screen a shot shows: the editor's X, Y and scale fields are white (within
# a pixel of their edges); the prompts are black but for "Yes", "No" and the
# question at y 128 (the base-code one reaches x 224, the code.txt one x 231,
# the code.unsaved.txt one x 252); the count-down's picture fills the upper
# 320x240 without a black pixel.
screen_of() {
    pixels "$1" | awk -v f="${x_field_white[*]} ${y_field_white[*]} ${scale_field_white[*]}" 'function r(x0, y0, w, h) {
        return x >= x0 && x < x0 + w && y >= y0 && y < y0 + h }
    BEGIN { n = split(f, b, " ") }
    NR > 1 { split($1, p, /[,:]/); x = p[1]; y = p[2]; split($2, c, /[(),]/)
        for (i = 1; i < n && c[2] >= 248 && c[3] >= 248 && c[4] >= 248; i += 4) # white, also on a 16-bit display
            white[i] += r(b[i] + 1, b[i + 1] + 1, b[i + 2] - 2, b[i + 3] - 2)
        if ($3 != "#000000") { yes += r(30, 80, 21, 16); no += r(80, 80, 14, 16); long += r(190, 128, 40, 16)
            code += r(224, 128, 8, 16); longer += r(232, 128, 20, 16)
            stray += r(0, 0, 320, 80) + r(0, 96, 320, 32) + r(0, 144, 320, 176) } else black += r(0, 0, 320, 240) }
    END { m = (b[3] - 2) * (b[4] - 2) * 0.4
        if (white[1] >= m && white[5] >= m && white[9] >= m) print "editor"
        else if (yes && no && !stray) print longer ? "unsaved-prompt" : code ? "code-prompt" : long ? "basecode-prompt" : "bg-prompt"
        else if (black < 320 * 240 / 100) print "countdown"
        else print "other" }'
}

# move X Y: the pointer to the editor's pixel X Y (the middle of its square)
move() { xdotool mousemove --window "$wid" $(($1 * zoom + zoom / 2)) $(($2 * zoom + zoom / 2)); }
press() { move "$1" "$2" && xdotool mousedown 1; }
release() { xdotool mouseup 1; }
click() { press "$1" "$2" && release; }
keys() { xdotool key --delay 30 "$@"; }

# geometry: X Y WIDTH HEIGHT SCREEN WINDOW set to the window's (globals unless the caller's locals).
geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
# pointer_left X Y: the program warped the pointer away from X Y to px, py.
pointer_left() {
    local X Y SCREEN WINDOW rx ry
    eval "$(xdotool getmouselocation --shell)"
    rx=$X ry=$Y
    geometry
    px=$(((rx - X) / zoom)) py=$(((ry - Y) / zoom))
    [ "$px $py" != "$1 $2" ]
}

# code.txt holds exactly these lines (none: it is empty).
expect_code() { printf '%s\n' "$@" | sed '/^$/d' | diff -u - "$work/code.txt" >&2 || fail "code.txt differs"; }

# only NAME...: the working directory holds these and nothing else
only() { [ "$(ls -A "$work")" = "$(printf '%s\n' "$@")" ] || fail "unexpected files: $(ls -A "$work")"; }
quit() { keys Escape && wait_exit; }

# shellcheck source=scenarios.sh
. "$here/scenarios.sh"
# shellcheck source=exits.sh
. "$here/exits.sh"
# shellcheck source=codes.sh
. "$here/codes.sh"
declare -F "scenario_$1" >/dev/null || { echo "no scenario $1" >&2; exit 2; }
"scenario_$1"
echo "PASS: $1"
