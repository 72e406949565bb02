# scenarios.sh - what a user does with Hudwright, one function per scenario,
# sourced by run.sh after the layout file: where the panel's controls
# (save, x_plus, ..., and NAME_box, NAME_white), the prompts' words (yes, no),
# the elements' homes and colours (magic_meter_home, magic_meter_color) and the
# Magic Meter's bar (meter_bar: x, y from its corner, w, h) are.

meter=$magic_meter_color
# meter_box X Y: the box where the Magic Meter's bar stands with its corner at X Y
meter_box() { echo "$(($1 + meter_bar[0])) $(($2 + meter_bar[1]))"; }

# bar COLOUR SHOT: sets bx by bw bh to the box of COLOUR's pixels in the preview.
bar() {
    read -r bx by bw bh <<<"$(bbox "$2" "$1")"
    [ "$bx" != none ] || fail "no pixel of colour $1 in the preview (see $2)"
}
# bar_within COLOUR X Y SHOT: the bar lies within the meter's bar box at X Y, half as wide at least.
bar_within() {
    local w=${meter_bar[2]} h=${meter_bar[3]}
    bar "$1" "$4"
    [ $bx -ge $2 ] && [ $by -ge $3 ] && [ $((bx + bw)) -le $(($2 + w)) ] && [ $((by + bh)) -le $(($3 + h)) ] &&
        [ $bw -ge $((w / 2)) ] || fail "the bar of $1 is at $bx $by $bw $bh, not within $2 $3 $w $h"
}
# bar_moved COLOUR PATTERN SHOT: the bar shows, its "x y" not matching PATTERN.
bar_moved() { [[ $(bbox "$3" "$1") =~ ^([0-9]+\ [0-9]+) ]] && [[ ${BASH_REMATCH[1]} != $2 ]]; }
same() { ! differs "$@"; }
color_field_blank() {
    [ "$(count "$1" "${color_field_white[@]}" FFFFFF)" = $((color_field_white[2] * color_field_white[3])) ]
}
color_field_written() { ! color_field_blank "$1"; }
none_of() { for c in "${@:2}"; do [ "$(count "$1" 0 0 320 240 "$c")" = 0 ] || fail "colour $c shows"; done; }
answer_prompts() { # X Y: both prompts answered with the word at X Y
    wait_screen basecode-prompt && click "$@" && wait_screen bg-prompt && click "$@" && wait_screen editor
}
# grab_meter_and_move DX DY SHOT: presses on the Magic Meter's bar at bx, by (the
# pointer jumps to its centre, px, py), moves the pointer DX DY on and waits until
# SHOT shows the bar moved, the button still held (Wine would merge a quick move
# with the jump or with the next move).
grab_meter_and_move() {
    press $((bx + 2)) $((by + 2))
    poll "the pointer to jump to the meter's centre" pointer_left $((bx + 2)) $((by + 2))
    move $((px + $1)) $((py + $2))
    wait_for "$3" "the meter to follow the pointer" bar_moved $meter "$bx $by"
}
save_and_quit() { click "${save[@]}" && keys Escape && wait_exit; }

# A basecode.txt in the export's own form (the A Button 7 above the top edge, the
# B Button's scale, the Magic Meter moved and coloured 123456); a bg.bmp of two halves.
put_files() {
    printf '%s\n' "812114C6 00C8" "812114C4 FFF9" "81211506 0032" "81211508 0064" "81211240 0300" \
        "81211506 0032" "81211508 0064" "812111A4 0012" "812111A6 0034" "812111A8 0056" >"$work/basecode.txt"
    convert -size 320x240 xc:#FF00FE -fill "#01FE02" -draw "rectangle 160,0 319,239" -type TrueColor BMP3:"$work/bg.bmp"
}

# The untouched window is, pixel for pixel, the same window drawn in-process by
# the same SDL (e2e_home_frame, $HUDWRIGHT_E2E_HOME_FRAME) and, on classic SDL
# 1.2, docs/editor.png (HUDWRIGHT_E2E_UPDATE_DOCS=1 writes it anew; sdl12-compat
# blends 1 to 4 levels apart, so the picture is drawn on classic); a save then
# writes an empty code.txt and nothing else.
scenario_screenshot() {
    local docs="$here/../../docs/editor.png" sdl
    [ -n "$xvfb_pid" ] || start_x # Wine's first program starts its desktop on this display
    sdl=$(cd "$root" && "${runner[@]}" "${HUDWRIGHT_E2E_HOME_FRAME:?the e2e_home_frame program}" home.bmp) ||
        fail "e2e_home_frame could not draw the window"
    sdl=${sdl%$'\r'} # a Windows program ends its lines with CR LF
    launch
    wait_screen editor
    # the first frame draws the panel before its values
    wait_for shot "the panel's values" color_field_written
    wait_for still "a still window" same "$(at shot)" 0 0 320 320
    convert "xwd:$(at still)" -strip "png:$root/editor.png"
    compare -metric AE "bmp:$root/home.bmp" "$root/editor.png" null: 2>"$root/differ" ||
        fail "the window is not the one drawn in-process ($(cat "$root/differ") pixels differ, see $root/editor.png)"
    if [ "$sdl" = classic ]; then
        [ "${HUDWRIGHT_E2E_UPDATE_DOCS:-0}" != 1 ] || cp "$root/editor.png" "$docs"
        compare -metric AE "$docs" "$root/editor.png" null: 2>"$root/differ" ||
            fail "docs/editor.png is not the window ($(cat "$root/differ") pixels differ, see $root/editor.png)"
    fi
    save_and_quit
    expect_code
    [ "$(ls -A "$work")" = code.txt ] || fail "unexpected files: $(ls -A "$work")"
}

# Escape during the count-down: the program ends with status 0 (a prompt would
# wait for an answer) and the directory, with both optional files, stays as it was.
scenario_escape_countdown() {
    put_files
    local before
    before=$(tree_print)
    launch
    wait_screen countdown
    keys Escape
    wait_exit
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# Drag the Magic Meter 40 right and 30 down (a further motion below y 240 is
# ignored), then hold X "+" until it moves, then Y "-" (down). code.txt gives
# the place the screen shows, however many passes the buttons were held.
scenario_drag() {
    launch
    wait_screen editor
    bar $meter "$(at editor)"
    local x0=$bx y0=$by x1 y1
    grab_meter_and_move 40 30 moving
    move $((px + 40)) 241
    release
    wait_for dragged "the meter to follow the pointer" bar_moved $meter "$x0 $y0"
    bar $meter "$(at dragged)"
    x1=$bx y1=$by
    [ "$x1 $y1" = "$((x0 + 40)) $((y0 + 30))" ] || fail "the bar is at $x1 $y1, not $((x0 + 40)) $((y0 + 30))"
    press "${x_plus[@]}"
    wait_for nudged "the meter to move right" bar_moved $meter "$x1 $y1"
    release
    press "${y_minus[@]}"
    wait_for nudged "the meter to move down" bar_moved $meter "* $y1"
    release
    click "${color_field[@]}" # handled after the release: the frame after it shows the bar's last place
    wait_for nudged "the colour field to be emptied" color_field_blank
    bar $meter "$(at nudged)"
    [ $bx -gt $x1 ] && [ $by -gt $y1 ] || fail "X + and Y - moved the bar from $x1 $y1 to $bx $by"
    save_and_quit
    local x y
    x=$(printf %04X $((magic_meter_home[0] + bx - x0))) y=$(printf %04X $((magic_meter_home[1] + by - y0)))
    expect_code "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}

# On a 16-bit display: hold the colour bar 92 px from its left end until the A Button's colour
# changes (to 09F6FF; the blue is the home's), then type the B Button's X (with
# a backspace), its Y on the keypad, its scale and its colour (A and C with Shift).
scenario_typed() {
    depth=16
    launch
    wait_screen editor
    press $((color_bar_box[0] + 92)) "${color_bar[1]}"
    wait_for picked "the A Button to change colour" differs "$(at editor)" "${a_button_home[@]}" 80 80
    release
    click "${selector_plus[@]}"
    click "${x_field[@]}"
    keys 0 0 7 BackSpace 6 4
    click "${y_field[@]}"
    # the keypad's 0, 0, 3, 2: xdotool presses Num Lock for them, which takes no place
    keys KP_0 KP_0 KP_3 KP_2
    click "${scale_field[@]}"
    keys 0 2 0 0
    click "${color_field[@]}"
    keys shift+a 2 shift+c 4 e 6
    save_and_quit
    expect_code "81211230 0064" "81211238 0032" "81211240 0200" "812114D0 0009" "812114D2 00F6" \
        "812111FA 00A2" "812111FC 00C4" "812111FE 00E6"
}

# Both files accepted: the first editor frame shows the imported Magic Meter on
# bg.bmp's two halves, and a save writes basecode.txt back byte for byte.
scenario_accepted() {
    put_files
    launch
    answer_prompts "${yes[@]}"
    local f left right
    f=$(at editor)
    bar_within 123456 $(meter_box 50 100) "$f" # the base code's corner: 0032, 0064
    none_of "$f" $meter
    left=$(count "$f" 0 0 160 240 FF00FE) right=$(count "$f" 160 0 160 240 01FE02)
    [ $((left * 2)) -gt $((160 * 240)) ] && [ $((right * 2)) -gt $((160 * 240)) ] ||
        fail "bg.bmp covers too little of the preview: $left and $right pixels"
    save_and_quit
    cmp -s "$work/basecode.txt" "$work/code.txt" ||
        fail "code.txt is not basecode.txt: $(diff "$work/basecode.txt" "$work/code.txt" || true)"
}

# "No" on both prompts: the built-in layout and background stay; a save writes
# an empty code.txt beside the two files, untouched.
scenario_prompts_no() {
    put_files
    local before
    before=$(tree_print)
    launch
    answer_prompts "${no[@]}"
    none_of "$(at editor)" FF00FE 01FE02 123456
    bar_within $meter $(meter_box "${magic_meter_home[@]}") "$(at editor)"
    save_and_quit
    expect_code
    rm "$work/code.txt"
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# ---- quick clicks, held buttons, saving, keys, undo, no lost work ----------------------

# tap X Y: a press and its release in one xdotool call, as a touchpad tap sends them
tap() { move "$1" "$2" && xdotool mousedown 1 mouseup 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
past() { [ "$(now_ms)" -ge "$1" ]; }
# hold_for MS: lets MS milliseconds pass while the program runs (a poll of the clock)
hold_for() {
    local until=$(($(now_ms) + $1))
    poll "$1 ms to pass" past "$until"
    alive || fail "hudwright ended while a button was held"
}
# a_still_editor NAME: the editor with its values filled in, and still, in shot NAME
a_still_editor() {
    wait_screen editor
    wait_for shown "the panel's values" color_field_written
    wait_for "$1" "a still window" same "$(at shown)" 0 0 320 320
}
fields_changed() { # BEFORE SHOT: both the scale and the colour field show something else
    differs "$1" "${scale_field_white[@]}" "$2" && differs "$1" "${color_field_white[@]}" "$2"
}
note_dark() { [ "$(count "$1" "${save_note[@]}" 000000)" = $((save_note[2] * save_note[3])) ]; }
note_lit() { ! note_dark "$1"; }
# NOT SAVED is dark on white: most of its area is white
note_failed() { [ "$(count "$1" "${save_note[@]}" FFFFFF)" -gt $((save_note[2] * save_note[3] / 2)) ]; }

# Taps, each a press and release in one call: X + moves the A Button one pixel, the
# selector's + shows the B Button's scale and colour at once, Scale + steps its scale once,
# the colour bar picks 92 px from its left end (09F6FF). Saved, Escape leaves nothing else.
scenario_taps() {
    launch
    a_still_editor before
    tap "${x_plus[@]}"
    tap "${selector_plus[@]}"
    wait_for selected "the fields to show the B Button's values" fields_changed "$(at before)"
    tap "${scale_plus[@]}"
    tap $((color_bar_box[0] + 92)) "${color_bar[1]}"
    save_and_quit
    expect_code "812114C6 00BB" "81211240 023E" "812111FA 0009" "812111FC 00F6" "812111FE 00FF"
    [ "$(ls -A "$work")" = code.txt ] || fail "unexpected files: $(ls -A "$work")"
}

# Scale + held for seconds on the B Button: it grows faster and faster and stops at the
# last scale that still draws it (0005), never wrapping past 0000; let go, it stays drawn.
scenario_scale_hold() {
    launch
    a_still_editor before
    click "${selector_plus[@]}"
    press "${scale_plus[@]}"
    hold_for 6000
    release
    wait_for held "the B Button grown over the preview" differs "$(at before)" 0 0 320 240
    save_and_quit
    expect_code "81211240 0005"
}

# A good save: its note shows and is gone within about a second. A failed one
# (code.txt a directory): NOT SAVED stays, seconds later too, until the next press.
scenario_save_note() {
    launch
    a_still_editor before
    note_dark "$(at before)" || fail "a note shows before any save"
    click "${save[@]}"
    wait_for saved "the saved note" note_lit
    local start
    start=$(now_ms)
    wait_for gone "the saved note to go" note_dark
    [ $(($(now_ms) - start)) -lt 3000 ] || fail "the saved note stayed $(($(now_ms) - start)) ms"
    [ -f "$work/code.txt" ] || fail "no code.txt"
    rm "$work/code.txt" && mkdir "$work/code.txt"
    click "${save[@]}"
    wait_for failed "NOT SAVED" note_failed
    hold_for 2000
    wait_for failed "NOT SAVED two seconds on" note_failed
    click 150 "${selector_plus[1]}" # the selector's name: no control
    wait_for gone "NOT SAVED to go" note_dark
    grep -q "hudwright: cannot save code.txt" "$root/app.log" || fail "no line on standard error"
    keys Escape
    wait_exit
    [ "$(ls -A "$work")" = code.txt ] || fail "unexpected files: $(ls -A "$work")"
}

# Both prompts answered by keys (Enter: use basecode.txt; N: not bg.bmp), then the arrow
# keys move the A Button: Right three times, Shift+Down eight pixels, Up one. Then Left
# held for a second and a half repeats: the A Button goes on left by more than 5 pixels.
scenario_keys() {
    put_files
    launch
    wait_screen basecode-prompt
    keys Return
    wait_screen bg-prompt
    keys n
    a_still_editor editor
    bar_within 123456 $(meter_box 50 100) "$(at editor)"
    none_of "$(at editor)" FF00FE 01FE02
    keys Right Right Right shift+Down Up
    click "${save[@]}"
    wait_for saved "the saved note" note_lit
    expect_code "812114C6 00CB" "812114C4 0000" "81211506 0032" "81211508 0064" "81211240 0300" \
        "81211506 0032" "81211508 0064" "812111A4 0012" "812111A6 0034" "812111A8 0056"
    xdotool keydown Left
    hold_for 1500
    xdotool keyup Left
    save_and_quit
    local x
    x=$(awk '$1 == "812114C6" { print $2 }' "$work/code.txt")
    [ -n "$x" ] && [ $((0x$x)) -lt $((0xCB - 5)) ] || fail "Left held moved the A Button from 00CB to ${x:-nowhere}"
}

# A drag of the Magic Meter and a typed y are undone with Ctrl+Z, one step each, and
# redone with Ctrl+Y and Ctrl+Shift+Z; one more Ctrl+Z, and the save has the dragged place.
scenario_undo() {
    launch
    a_still_editor editor
    bar $meter "$(at editor)"
    local x0=$bx y0=$by x1 y1
    grab_meter_and_move 30 20 dragged
    release
    bar $meter "$(at dragged)"
    x1=$bx y1=$by
    click "${y_field[@]}"
    keys 0 0 5 0
    local typed="$x1 $((0x50 + meter_bar[1]))"
    wait_for typed "the typed y" bar_at "$typed"
    keys ctrl+z
    wait_for undone "the typed y undone" bar_at "$x1 $y1"
    keys ctrl+z
    wait_for undone "the drag undone" bar_at "$x0 $y0"
    keys ctrl+z
    keys ctrl+y
    wait_for redone "the drag redone" bar_at "$x1 $y1"
    keys ctrl+shift+z
    wait_for redone "the typed y redone" bar_at "$typed"
    keys ctrl+z
    wait_for undone "the typed y undone again" bar_at "$x1 $y1"
    save_and_quit
    local x y
    x=$(printf %04X $((magic_meter_home[0] + x1 - x0))) y=$(printf %04X $((magic_meter_home[1] + y1 - y0)))
    expect_code "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}
# bar_at "X Y" SHOT: the Magic Meter's bar stands with its corner there (a quarter of
# its box at least in its colour; the places checked lie more than its height apart)
bar_at() {
    local x y
    read -r x y <<<"$1"
    [ "$(count "$2" "$x" "$y" "${meter_bar[2]}" "${meter_bar[3]}" $meter)" -ge $((meter_bar[2] * meter_bar[3] / 4)) ]
}

# Escape with a change not saved writes code.unsaved.txt (and says so); copied to
# basecode.txt and taken with Yes, it is the layout again; Escape with no change since
# writes nothing.
scenario_unsaved() {
    launch
    a_still_editor editor
    keys Right
    keys Escape
    wait_exit
    [ "$(ls -A "$work")" = code.unsaved.txt ] || fail "files after Escape: $(ls -A "$work")"
    [ "$(cat "$work/code.unsaved.txt")" = "812114C6 00BB" ] || fail "code.unsaved.txt: $(cat "$work/code.unsaved.txt")"
    grep -q "unsaved changes written to code.unsaved.txt" "$root/app.log" || fail "nothing said on standard error"
    cp "$work/code.unsaved.txt" "$work/basecode.txt"
    local before
    before=$(tree_print)
    launch
    wait_screen basecode-prompt
    click "${yes[@]}"
    a_still_editor editor
    keys Escape
    wait_exit
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# ---- the window's zoom and the command line -------------------------------------

window_size() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    echo "$WIDTH $HEIGHT"
}
is_size() { [ "$(window_size)" = "$1 $2" ]; }
# magnified SHOT PICTURE: the whole window's shot is PICTURE (320x320) with each
# pixel a zoom x zoom square.
magnified() {
    convert "$2" -sample "$((zoom * 100))%" "png:$root/$1.want.png"
    compare -metric AE "xwd:$(big "$1")" "$root/$1.want.png" null: 2>"$root/differ" ||
        fail "the window is not $2 magnified $zoom times ($(cat "$root/differ") pixels differ)"
}

# --zoom 2 on a screen where the zoom would be 1 without it: a 640x640 window
# showing the untouched window (drawn in-process, as in the screenshot
# scenario) in 2x2 squares. A typed X and a drag of the Magic
# Meter by 40, 30 land where they land at zoom 1. Ctrl+- shows the same picture
# at 320x320, Ctrl+= at 640x640 again, and so does the window hidden and shown.
scenario_zoom() {
    screen=700x700 zoom=2 args=(--zoom 2)
    [ -n "$xvfb_pid" ] || start_x # Wine's first program starts its desktop on this display
    (cd "$root" && "${runner[@]}" "${HUDWRIGHT_E2E_HOME_FRAME:?the e2e_home_frame program}" home.bmp) >/dev/null ||
        fail "e2e_home_frame could not draw the window"
    launch
    poll "a 640x640 window" is_size 640 640
    wait_screen editor
    wait_for shot "the panel's values" color_field_written
    wait_for still "a still window" same "$(at shot)" 0 0 320 320
    magnified still "bmp:$root/home.bmp"
    click "${x_field[@]}"
    keys 0 0 b b # the A Button one pixel right
    bar $meter "$(at still)"
    local x0=$bx y0=$by
    grab_meter_and_move 40 30 dragged
    move $((px + 40)) 241 # below the preview: ignored, as at zoom 1
    release
    wait_for moved "a still window" same "$(at dragged)" 0 0 320 320
    bar $meter "$(at moved)"
    [ "$bx $by" = "$((x0 + 40)) $((y0 + 30))" ] || fail "the bar is at $bx $by, not $((x0 + 40)) $((y0 + 30))"
    magnified moved "xwd:$(at moved)"
    keys ctrl+minus
    zoom=1
    poll "a 320x320 window" is_size 320 320
    wait_for small "the same picture at zoom 1" same "$(at moved)" 0 0 320 320
    move 160 160 # the keys go to the window under the pointer
    keys ctrl+equal
    zoom=2
    poll "a 640x640 window again" is_size 640 640
    wait_for large "the same picture at zoom 2" same "$(at moved)" 0 0 320 320
    magnified large "xwd:$(at moved)"
    # hidden and shown again, the window is drawn anew though the picture did not change
    xdotool windowunmap --sync "$wid"
    xdotool windowmap --sync "$wid"
    # an unmapped window loses the keyboard focus that SDL2 (sdl12-compat) gave it
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    wait_for exposed "the picture after an expose" same "$(at moved)" 0 0 320 320
    save_and_quit
    local x y
    x=$(printf %04X $((magic_meter_home[0] + 40))) y=$(printf %04X $((magic_meter_home[1] + 30)))
    expect_code "812114C6 00BB" "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}

# Without --zoom the window takes the largest zoom whose window fits in three
# quarters of the screen's height: 2 on a 1280x1024 screen (1 on the 320x320
# one of the other scenarios). The prompts' words are clicked in their squares.
scenario_zoom_fit() {
    screen=1280x1024 zoom=2
    put_files
    launch
    poll "a 640x640 window" is_size 640 640
    answer_prompts "${no[@]}"
    none_of "$(at editor)" FF00FE 01FE02 123456
    keys Escape
    wait_exit
}

# hudwright DIR, started in the folder above it with SDL_VIDEODRIVER unset
# (DISPLAY is set: x11; under Wine it stays windib): the prompts offer DIR's
# files, the save writes DIR's code.txt, and nothing is written beside DIR.
scenario_dir() {
    put_files
    mkdir "$work/hud"
    mv "$work/basecode.txt" "$work/bg.bmp" "$work/hud/"
    args=(hud)
    [ ${#runner[@]} -gt 0 ] || video=""
    launch
    answer_prompts "${yes[@]}"
    bar_within 123456 $(meter_box 50 100) "$(at editor)"
    save_and_quit
    cmp -s "$work/hud/basecode.txt" "$work/hud/code.txt" || fail "hud/code.txt is not hud/basecode.txt"
    [ "$(ls -A "$work")" = hud ] || fail "unexpected files beside hud: $(ls -A "$work")"
}

# cli NAME ARGS...: the program run with ARGS in work/ without a display (and
# SDL_VIDEODRIVER unset; under Wine, which needs the X display, with it); its
# status in $status, its output in $root/NAME.out and $root/NAME.err.
cli() {
    local name=$1 display=(-u DISPLAY)
    shift
    [ ${#runner[@]} -eq 0 ] || display=()
    status=0
    (cd "$work" && exec env -u SDL_VIDEODRIVER "${display[@]}" -u WAYLAND_DISPLAY "${sanitizers[@]}" "${runner[@]}" \
        "$hudwright" "$@") >"$root/$name.out" 2>"$root/$name.err" </dev/null || status=$?
    [ ${#runner[@]} -eq 0 ] || sed -i 's/\r$//' "$root/$name.out" "$root/$name.err" # CR LF from Windows
}
usage_line="Usage: hudwright [--zoom N] [DIR]"
# misused NAME PROBLEM ARGS...: status 2, nothing on standard output, and on
# standard error the line PROBLEM, the usage and where to read more.
misused() {
    local name=$1 problem=$2
    shift 2
    cli "$name" "$@"
    [ "$status" = 2 ] || fail "hudwright $* exited with $status, not 2"
    [ ! -s "$root/$name.out" ] || fail "hudwright $* wrote to standard output: $(cat "$root/$name.out")"
    printf '%s\n' "hudwright: $problem" "$usage_line" "Try 'hudwright --help' for more." >"$root/$name.want"
    cmp -s "$root/$name.want" "$root/$name.err" ||
        fail "hudwright $* said: $(diff "$root/$name.want" "$root/$name.err" || true)"
}

# --help and --version on standard output with status 0, without a display;
# every misuse with status 2; and no display: one line and status 1 within a
# second (not on Windows, which has no X display to miss). None of them writes
# a file.
scenario_command_line() {
    [ ${#runner[@]} -eq 0 ] || [ -n "${DISPLAY:-}" ] || start_x # Wine's programs need one
    cli help --help
    [ "$status" = 0 ] && [ ! -s "$root/help.err" ] || fail "--help: status $status, $(cat "$root/help.err")"
    [ "$(head -n 1 "$root/help.out")" = "$usage_line" ] || fail "--help: $(head -n 1 "$root/help.out")"
    for word in --zoom DIR --help --version Ctrl+= Ctrl+- DISPLAY; do
        grep -qF -- "$word" "$root/help.out" || fail "--help does not mention $word"
    done
    cli version --version
    [ "$status" = 0 ] && [ ! -s "$root/version.err" ] && grep -qxE 'hudwright [0-9]+(\.[0-9]+)+' "$root/version.out" &&
        [ "$(wc -l <"$root/version.out")" = 1 ] || fail "--version: status $status, $(cat "$root/version.out")"

    echo text >"$work/notes.txt"
    misused unknown "unknown option '--colour'" --colour
    misused zoom5 "--zoom wants a number from 1 to 4, not '5'" --zoom 5
    misused zoom_none "--zoom wants a number from 1 to 4" --zoom
    misused file "cannot work in notes.txt: not a folder" notes.txt
    misused missing "cannot work in nowhere: No such file or directory" nowhere
    misused two "one folder only, not '.' and '..'" . ..

    if [ ${#runner[@]} -gt 0 ]; then
        [ "$(ls -A "$work")" = notes.txt ] || fail "unexpected files: $(ls -A "$work")"
        return 0
    fi
    local start ms
    start=$(date +%s%N)
    cli none
    ms=$((($(date +%s%N) - start) / 1000000))
    [ "$status" = 1 ] || fail "without a display: status $status"
    [ $ms -lt 1000 ] || fail "without a display it took $ms ms to end"
    [ ! -s "$root/none.out" ] || fail "without a display it wrote to standard output"
    [ "$(cat "$root/none.err")" = "hudwright: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)" ] ||
        fail "without a display it said: $(cat "$root/none.err")"
    [ "$(ls -A "$work")" = notes.txt ] || fail "unexpected files: $(ls -A "$work")"
}
