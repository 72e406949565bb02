# exits.sh - the scenario exits, sourced by run.sh after scenarios.sh: every way a
# run ends that the user did not ask for, on real windows of one X server. Many
# editors run at once, each in a folder of its own (the twins share one) with its
# window at a place of its own, in four waves: in the editor, on the count-down, at
# the base code prompt, and last with the X server itself killed under them. What
# the ends do inside (every signal, the kept file's rules) the in-process tests
# check: exits_test and saving_test. Linux only (signals, X).

declare -A ex_pid ex_at ex_win ex_dir ex_phase ex_prep ex_how ex_status ex_said ex_wave_of
ex_names=() ex_slots=0

# ex_launch NAME: the program started in its folder, its window at its own place.
# Each allocation's stack is taken the quick way: eight programs that unwind every
# allocation the slow way (set for sdl12-compat before 1.2.64's own leaks, see
# cmake/lsan.cmake) take minutes to open their windows; none of these ends reaches
# those leaks (SDL is not quit, or the program ends before the leak check).
ex_launch() {
    local dir="$work/${1%[12]}" # the twins' (twin1, twin2) is twin
    mkdir -p "$dir"
    [ "${ex_phase[$1]}" != prompt ] || printf '812114C6 00C8\n' >"$dir/basecode.txt"
    local x=$((ex_slots % 6 * 320)) y=$((ex_slots / 6 * 320)) leaks=()
    ex_slots=$((ex_slots + 1))
    # The leak checker needs descriptors of its own at the exit (it reads /proc):
    # not for the one that has none left (the program has no leak checker).
    [ "${ex_prep[$1]}" != few ] || leaks=(ASAN_OPTIONS=detect_leaks=0:abort_on_error=1)
    # every signal at its own action, as from a terminal: bash's background jobs ignore SIGINT and SIGQUIT
    (cd "$dir" && exec env --default-signal -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy SDL_VIDEO_WINDOW_POS=$x,$y \
        "${sanitizers[@]/:fast_unwind_on_malloc=0/}" "${leaks[@]}" "$hudwright" --zoom 1) >"$root/$1.log" 2>&1 &
    ex_pid[$1]=$! ex_at[$1]="$x $y" ex_dir[$1]=$dir
}

# ex_found NAME: its window, found by its place.
ex_found() {
    local w X= Y= SCREEN WINDOW
    ! ex_gone "$1" || fail "$1 ended before its window opened: $(cat "$root/$1.log")"
    for w in $(xdotool search --name '^Hudwright$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
        [ "$X $Y" != "${ex_at[$1]}" ] || { ex_win[$1]=$w && return 0; }
    done
    return 1
}
# ex_shows NAME SCREEN: its window shows the editor (the X field white), the prompt
# ("Yes" drawn, black above it) or neither (the count-down): small parts of the shot
# read, many windows being polled at once.
ex_shows() {
    wid=${ex_win[$1]} shot "$1.now" || return 1 # into $root/NAME.now.xwd
    local shot="$root/$1.now.xwd" f=("${x_field_white[@]}") shown=other
    if [ "$(count "$shot" $((f[0] + 1)) $((f[1] + 1)) $((f[2] - 2)) $((f[3] - 2)) FFFFFF)" -gt $(((f[2] - 2) * (f[3] - 2) * 2 / 5)) ]; then
        shown=editor
    elif [ "$(count "$shot" 30 80 21 16 000000)" -lt $((21 * 16)) ] && [ "$(count "$shot" 0 0 320 16 000000)" = 5120 ]; then
        shown=prompt
    fi
    [ "$shown" = "$2" ]
}
# ex_moved NAME: the X field shows another value than before the click.
ex_moved() { wid=${ex_win[$1]} shot "$1.moved" && differs "$root/$1.now.xwd" "${x_field_white[@]}" "$root/$1.moved.xwd"; }
# ex_poll WHAT COMMAND...: poll, at a pace that leaves the machine to the programs.
ex_poll() { poll_pause=0.3 poll "$@"; }

# ex_ready NAME: waits until it shows its phase; in the editor, X + clicked (twice
# for twin2) and seen. A count-down lasts four seconds: it is started here, when
# the others are ready, and ended at once.
ex_ready() {
    [ "${ex_phase[$1]}" != countdown ] || ex_launch "$1"
    ex_poll "the window of $1" ex_found "$1"
    case ${ex_phase[$1]} in
    editor)
        ex_poll "$1 in the editor" ex_shows "$1" editor
        xdotool mousemove --window "${ex_win[$1]}" "${x_plus[@]}" click 1
        [ "$1" != twin2 ] || xdotool click 1
        ex_poll "$1's A Button moved" ex_moved "$1"
        ;;
    prompt) ex_poll "$1 at the prompt" ex_shows "$1" prompt ;;
    countdown)
        ex_shows "$1" other || fail "$1 is past the count-down"
        ex_end "$1"
        ;;
    esac
    [ "${ex_prep[$1]}" != few ] || ex_no_descriptor_left "$1"
    [ "${ex_prep[$1]}" != copied ] || ex_copy "$1"
}

# ex_copy NAME: Ctrl+C in its window (given the focus: SDL2 gives it to the
# window it opened last) opens its clipboard's own connection to the X server:
# one socket more.
ex_sockets() { find "/proc/${ex_pid[$1]}/fd" -lname 'socket:*' 2>/dev/null | wc -l; }
ex_more_sockets() { [ "$(ex_sockets "$1")" -gt "$2" ]; } # ex_more_sockets NAME THAN
ex_copy() {
    local before
    before=$(ex_sockets "$1")
    timeout 10 xdotool windowfocus --sync "${ex_win[$1]}" || true
    xdotool key ctrl+c
    ex_poll "$1's clipboard connection" ex_more_sockets "$1" "$before"
}

# ex_no_descriptor_left NAME: its limit on descriptors set to the lowest number not
# open, so that it can open none.
ex_no_descriptor_left() {
    local low=0 pid=${ex_pid[$1]}
    while [ -e "/proc/$pid/fd/$low" ]; do low=$((low + 1)); done
    prlimit --pid "$pid" --nofile=$low:$low || fail "cannot limit $1's descriptors"
}

# ex_end NAME: ends it its way (lost: nothing here, the X server goes later).
ex_end() {
    case ${ex_how[$1]} in
    destroy) xdotool windowclose "${ex_win[$1]}" ;;
    kill) xdotool windowkill "${ex_win[$1]}" ;;
    lost) ;;
    *) for s in ${ex_how[$1]//,/ }; do kill -s "$s" "${ex_pid[$1]}" && sleep 0.2; done ;;
    esac
}

# ex_check NAME: its status, what it said, what it left.
ex_check() {
    local name=$1 status=0 file=${ex_dir[$1]}/code.unsaved.txt said=${ex_said[$1]//KEPT/unsaved changes written to code.unsaved.txt}
    ex_poll "$name to end" ex_gone "$name"
    wait "${ex_pid[$name]}" 2>/dev/null || status=$? # no word from bash on a signal
    [ "$status" = "${ex_status[$name]}" ] || fail "$name ended with $status, not ${ex_status[$name]}: $(cat "$root/$name.log")"
    [ "$said" = - ] || [ "$(cat "$root/$name.log")" = "hudwright: ${said//|/$'\n'hudwright: }" ] ||
        fail "$name said: $(cat "$root/$name.log")"
    if [ "${ex_phase[$name]}" != editor ]; then
        [ ! -e "$file" ] || fail "$name wrote code.unsaved.txt"
    elif [[ $name != twin* ]]; then
        [ "$(cat "$file")" = "812114C6 00BB" ] || fail "$name kept: $(cat "$file" 2>&1)"
    fi
    ! ls "${ex_dir[$name]}" | grep -q tmp || fail "$name left a temporary file: $(ls "${ex_dir[$name]}")"
}
ex_gone() { ! kill -0 "${ex_pid[$1]}" 2>/dev/null; }

# ex_wave PHASE (or lost): the cases of that phase that end before the X server does
# (lost: those that end with it) started together, made ready, ended (the twins by
# one kill, at the same moment) and checked.
ex_wave() {
    local names=() name
    for name in "${ex_names[@]}"; do [ "${ex_wave_of[$name]}" != "$1" ] || names+=("$name"); done
    for name in "${names[@]}"; do [ "${ex_phase[$name]}" = countdown ] || ex_launch "$name"; done
    for name in "${names[@]}"; do ex_ready "$name"; done
    for name in "${names[@]}"; do [[ $name == twin* || ${ex_phase[$name]} == countdown ]] || ex_end "$name"; done
    if [ -n "${ex_pid[twin1]:-}" ]; then kill -HUP "${ex_pid[twin1]}" "${ex_pid[twin2]}"; fi
    if [ "$1" = lost ]; then kill "$xvfb_pid"; fi
    for name in "${names[@]}"; do ex_check "$name"; done
    ex_pid=() ex_win=()
}

# name, phase (editor: the A Button moved one pixel by X +, the second twin's two;
# prompt: basecode.txt there; countdown), what it has first (few: no descriptor
# left once it is in the editor - the probe's `ulimit -n 17` on classic SDL;
# copied: Ctrl+C pressed, its clipboard's connection open), how it ends (a
# signal; destroy: xdotool windowclose; kill: xdotool windowkill, the server drops
# the client; lost: the X server killed), its status and what it says, the lines
# after "hudwright: " joined by "|" (KEPT: "unsaved changes written to
# code.unsaved.txt"). code.unsaved.txt holds the change after every end in the
# editor and is absent after every other. The twins share a folder and are ended
# by one kill: each keeps the other's file.
scenario_exits() {
    local name phase prep how status said
    while read -r name phase prep how status said; do
        ex_names+=("$name") ex_phase[$name]=$phase ex_prep[$name]=$prep ex_how[$name]=$how ex_status[$name]=$status ex_said[$name]=$said
        ex_wave_of[$name]=$phase
        [ "$how" != lost ] || ex_wave_of[$name]=lost
    done <<'EOF'
hup         editor     -     HUP        129  ended by SIGHUP (Hangup)|KEPT
quit        editor     -     QUIT       131  ended by SIGQUIT (Quit)|KEPT
rt          editor     -     RTMIN+2    164  ended by SIGRTMIN+2 (Real-time signal 2)|KEPT
pipe        editor     -     PIPE,TERM  143  ended by SIGTERM (Terminated)|KEPT
destroyed   editor     -     destroy    1    ended: the window was destroyed from outside|KEPT
killed      editor     -     kill       1    ended: the connection to the display was lost|KEPT
copied-hup  editor     copied HUP       129  ended by SIGHUP (Hangup)|KEPT
copied-kill editor     copied kill      1    ended: the connection to the display was lost|KEPT
twin1       editor     -     HUP        129  -
twin2       editor     -     HUP        129  -
cd-hup      countdown  -     HUP        129  ended by SIGHUP (Hangup)
cd-gone     countdown  -     destroy    1    ended: the window was destroyed from outside
pr-term     prompt     -     TERM       143  ended by SIGTERM (Terminated)
pr-gone     prompt     -     destroy    1    ended: the window was destroyed from outside
lost        editor     few   lost       1    ended: the connection to the display was lost|KEPT
copied-lost editor     copied lost      1    ended: the connection to the display was lost|KEPT
pr-lost     prompt     -     lost       1    ended: the connection to the display was lost
cd-lost     countdown  -     lost       1    ended: the connection to the display was lost
EOF
    screen=1920x1280
    start_x
    ex_wave editor
    # each twin kept the other's file: 00BB and 00BC, either way round
    [ "$(cat "$work/twin/code.unsaved.txt" "$work/twin/code.unsaved.1.txt" | sort | tr '\n' ' ')" = \
        "812114C6 00BB 812114C6 00BC " ] || fail "the twins kept: $(head "$work"/twin/code.unsaved*)"
    ex_wave countdown
    ex_wave prompt
    # the X server killed under an editor with a change, a prompt and a count-down (started last)
    ex_wave lost
}
