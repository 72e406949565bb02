#!/bin/bash
# message_box.sh HUDWRIGHT.EXE - a failed start of the Windows program, started
# as from Explorer (no standard error), is not silent: under Wine, in a private
# X server, `start /wait` runs it with no video driver to be had; a message box
# named Hudwright must show (smaller than the editor's window), Return closes
# it, and the program ends with status 1.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "$1")
fail() { echo "FAIL: $*" >&2; exit 1; }
n=$((600 + RANDOM % 300))
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$! app=""
trap 'kill $xvfb 2>/dev/null || true; [ -z "$app" ] || kill $app 2>/dev/null || true' EXIT
export DISPLAY=":$n"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# the program by its Windows path (the build folder is drive D:)
windows_path=$("$here/tools/windows/wine-run" winepath -w "$exe" 2>/dev/null | tr -d '\r')
SDL_VIDEODRIVER=no-such-driver "$here/tools/windows/wine-run" start /wait "$windows_path" >/dev/null 2>&1 & app=$!
for _ in $(seq 300); do
    wid=$(xdotool search --name '^Hudwright$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    kill -0 $app 2>/dev/null || fail "the program ended without a message box"
    sleep 0.1
done
[ -n "$wid" ] || fail "no message box within 30 s"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -lt 320 ] || [ "$HEIGHT" -lt 320 ] || fail "a window of ${WIDTH}x$HEIGHT, not a message box"
xdotool windowfocus --sync "$wid" key Return
rc=0 && wait $app || rc=$?
app=""
[ $rc = 1 ] || fail "the program ended with $rc, not 1"
echo "PASS: message box of ${WIDTH}x$HEIGHT, status 1"
