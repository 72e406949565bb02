# lib.sh - the end-to-end driver's tools: a private X server, the real
# hudwright binary in a fresh working directory, mouse and keyboard through
# xdotool, screenshots through xwd, and waits that poll for
# what the window shows instead of sleeping.
#
# Sourced by run.sh; every scenario runs in its own shell with its own
# display. It does not know what a scenario checks.

root=""      # the scenario's scratch directory: work/, logs, shots
work=""      # the program's working directory
display=""   # the private X server's display number
xvfb_pid=""  # our X server
app_pid=""   # our hudwright
wid=""       # the Hudwright window

wait_limit=${HUDWRIGHT_E2E_TIMEOUT:-60} # seconds for any one wait

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$root" ] && [ -s "$root/app.log" ]; then
        echo "---- program output ----" >&2
        tail -n 60 "$root/app.log" >&2
    fi
    [ -n "$root" ] && echo "scratch kept in $root" >&2
    keep_root=1
    exit 1
}

note() { echo "  $*"; }

# ---- the X server and the program ---------------------------------------------

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill -KILL "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [ -n "$root" ] && [ "${keep_root:-0}" = 0 ] && [ -z "${HUDWRIGHT_E2E_KEEP:-}" ]; then rm -rf "$root"; fi
}

# Makes the scratch directory and starts a private X server.
start_x() {
    root=$(mktemp -d "/tmp/hudwright-e2e-$1.XXXXXX")
    chmod 755 "$root"
    work="$root/work"
    mkdir "$work"
    trap cleanup EXIT
    trap 'exit 1' INT TERM
    start_one_x || fail "no X server would start: $(cat "$root/xvfb.log")"
}

# Replaces the X server by one whose screen has DEPTH bits per pixel.
restart_x() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xdepth=$1
    start_one_x || fail "no X server of depth $1: $(cat "$root/xvfb.log")"
}

# The display number is chosen here, not with Xvfb -displayfd: a server that
# searches for a free number binds (and on failure unlinks) the sockets of the
# displays it passes, which broke servers of scenarios running beside it. A
# number whose lock file or socket exists is skipped; a server given an
# explicit number checks its lock file before touching any socket. The choice
# and the start are serialised among scenarios with flock.
xdepth=24
start_one_x() {
    local n tries=0
    exec 9>"/tmp/hudwright-e2e-x.lock"
    flock 9
    n=$((200 + RANDOM % 400))
    while [ $tries -lt 200 ]; do
        tries=$((tries + 1))
        n=$((n + 1))
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # -noreset: a server resets when its last client leaves (our own check
        # below), and a program connecting during the reset fails to start.
        Xvfb ":$n" -screen 0 "320x320x$xdepth" -nolisten tcp -noreset >"$root/xvfb.log" 2>&1 &
        xvfb_pid=$!
        display=$n
        export DISPLAY=":$n"
        local deadline=$((SECONDS + wait_limit))
        while kill -0 "$xvfb_pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
            if xdotool getdisplaygeometry >/dev/null 2>&1; then
                flock -u 9
                exec 9>&-
                return 0
            fi
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    flock -u 9
    exec 9>&-
    return 1
}

# Starts the program in $work (optionally through a command prefix such as
# setpriv) and waits for its window. Its output goes to $root/app.log, outside
# the working directory, so the directory holds only what the program writes.
launch() {
    (cd "$work" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
        LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$@" "$hudwright") >"$root/app.log" 2>&1 &
    app_pid=$!
    local deadline=$((SECONDS + wait_limit))
    while :; do
        wid=$(xdotool search --name '^Hudwright$' 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        kill -0 "$app_pid" 2>/dev/null || fail "hudwright ended before its window opened"
        [ $SECONDS -lt $deadline ] || fail "no window named Hudwright"
        sleep 0.05
    done
    # No window manager runs: the focus follows the pointer, so keep it inside.
    move 160 160
}

# Waits for the program to end and checks its exit status.
wait_exit() {
    local want=${1:-0} deadline=$((SECONDS + wait_limit))
    while kill -0 "$app_pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "hudwright did not end"
        sleep 0.05
    done
    local rc=0
    wait "$app_pid" || rc=$?
    app_pid=""
    [ "$rc" = "$want" ] || fail "hudwright exited with $rc, expected $want"
    if grep -q -e 'Sanitizer' -e 'runtime error' "$root/app.log"; then fail "sanitizer report"; fi
}

alive() { [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; }

# ---- screenshots ---------------------------------------------------------------

# shot NAME dumps the window into $(at NAME) (xwd fails at once when the
# window is gone). It fails only when the program has gone; try_shot NAME
# returns 1 then instead.
at() { echo "$root/$1.xwd"; }
try_shot() {
    until timeout 20 xwd -silent -id "$wid" -out "$root/$1.xwd" 2>/dev/null; do
        alive || return 1
        sleep 0.05
    done
}
shot() { try_shot "$1" || fail "hudwright ended while a screenshot was wanted"; }

probe() { "$probe_bin" "$@"; }

# Polls screenshots until the screen is NAME (see probe.cpp); the last shot is
# left in $(at NAME).
wait_screen() {
    local want=$1 deadline=$((SECONDS + ${2:-$wait_limit})) got
    while :; do
        shot "$want"
        got=$(probe "$(at "$want")" screen)
        [ "$got" = "$want" ] && return 0
        [ $SECONDS -lt $deadline ] || fail "waited for the $want screen, it shows $got (see $(at "$want"))"
        sleep 0.05
    done
}

# wait_for NAME WHAT COMMAND...: polls screenshots until COMMAND, run with the
# shot's path appended, succeeds; the last shot is left in $(at NAME).
wait_for() {
    local name=$1 what=$2
    shift 2
    local deadline=$((SECONDS + wait_limit))
    while :; do
        shot "$name"
        "$@" "$(at "$name")" && return 0
        [ $SECONDS -lt $deadline ] || fail "waited for $what (see $(at "$name"))"
        sleep 0.05
    done
}

# ---- mouse and keyboard --------------------------------------------------------

move() { xdotool mousemove --window "$wid" "$1" "$2"; }
press() { move "$1" "$2" && xdotool mousedown "${3:-1}"; }
release() { xdotool mouseup "${1:-1}"; }
click() { press "$1" "$2" "${3:-1}" && release "${3:-1}"; }
keys() { xdotool key --delay 30 "$@"; }
# The window manager's close button.
close_window() { "$close_bin" "$wid" || fail "could not ask the window to close"; }

# Sets px, py to the pointer in window coordinates.
px=0
py=0
pointer() {
    local X Y SCREEN WINDOW rx ry
    eval "$(xdotool getmouselocation --shell)"
    rx=$X ry=$Y
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    px=$((rx - X)) py=$((ry - Y))
}

# Waits until the pointer has left (x, y) - the program warped it - and leaves
# its new place in px, py.
wait_pointer_moved_from() {
    local deadline=$((SECONDS + wait_limit))
    while :; do
        pointer
        [ "$px $py" != "$1 $2" ] && return 0
        alive || fail "hudwright ended while the pointer was awaited"
        [ $SECONDS -lt $deadline ] || fail "the pointer stayed at $1 $2"
        sleep 0.05
    done
}

# ---- files ---------------------------------------------------------------------

# code.txt must hold exactly these lines (none: it exists and is empty).
expect_code() {
    local f="$work/code.txt"
    [ -f "$f" ] || fail "no code.txt was written"
    if [ $# -eq 0 ]; then
        [ ! -s "$f" ] || fail "code.txt should be empty, holds: $(head -c 200 "$f")"
        return 0
    fi
    printf '%s\n' "$@" >"$root/expected.txt"
    cmp -s "$root/expected.txt" "$f" || fail "code.txt differs:
$(diff -u "$root/expected.txt" "$f" || true)"
}

# A fingerprint of the working directory: names, types, sizes, contents.
tree_print() {
    (cd "$work" && find . -mindepth 1 -printf '%p %y %s\n' | sort && find . -type f -exec md5sum {} + | sort)
}

# ---- pictures ------------------------------------------------------------------

# Writes a 24-bit BMP of W x H in colour RRGGBB, with an optional second colour
# on its right half, to PATH.
make_bmp() {
    local path=$1 w=$2 h=$3 left=$4 right=${5:-$4}
    convert -size "${w}x${h}" "xc:#$left" -fill "#$right" -draw "rectangle $((w / 2)),0 $((w - 1)),$((h - 1))" \
        -type TrueColor "BMP3:$path"
}
