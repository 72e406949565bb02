# scenarios.sh - what a user does with Hudwright, one function per scenario,
# sourced by run.sh after the layout file: where the panel's controls
# (save, x_plus, ..., and NAME_box, NAME_white), the prompts' words (yes, no),
# the elements' homes and colours (magic_meter_home, magic_meter_color) and the
# Magic Meter's bar (meter_bar: x, y from its corner, w, h) are. A scenario
# checks as much as it can on each editor it starts: every start costs seconds.

meter=$magic_meter_color

# bar_moved COLOUR PATTERN SHOT: the bar shows, its "x y" not matching PATTERN.
bar_moved() { [[ $(bbox "$3" "$1") =~ ^([0-9]+\ [0-9]+) ]] && [[ ${BASH_REMATCH[1]} != $2 ]]; }
# bar_at COLOUR X Y SHOT: the Magic Meter's bar stands with its corner there, a
# quarter of its box at least in COLOUR (the places checked lie more than its height apart)
bar_at() { [ "$(count "$4" "$2" "$3" "${meter_bar[2]}" "${meter_bar[3]}" "$1")" -ge $((meter_bar[2] * meter_bar[3] / 4)) ]; }
same() { ! differs "$@"; }
# same_picture A B WHAT: the pictures A and B are the same pixel for pixel, or WHAT is said.
same_picture() { compare -metric AE "$1" "$2" null: 2>"$root/differ" || fail "$3 ($(cat "$root/differ") pixels differ)"; }
color_field_written() { [ "$(count "$1" "${color_field_white[@]}" FFFFFF)" != $((color_field_white[2] * color_field_white[3])) ]; }
# a_still_editor NAME: the editor with its values filled in (the first frame draws
# the panel before them), and still, in shot NAME
a_still_editor() {
    wait_screen editor
    wait_for shown "the panel's values" color_field_written
    wait_for "$1" "a still window" same "$(at shown)" 0 0 320 320
}
# drag_meter SHOT DX DY NAME: presses on the Magic Meter's bar where SHOT shows it
# (x0, y0; the pointer jumps to its centre), moves the pointer DX DY on and waits
# until the bar follows, the button held (Wine would merge a quick move with the
# jump or with the next move); then moves it below the preview (ignored: the bar
# stays) and lets go. Shift is held meanwhile: nothing snaps (snapping: the
# precision scenario). The still window, shot NAME, shows the bar at bx, by: DX DY
# from x0, y0.
drag_meter() {
    read -r x0 y0 _ <<<"$(bbox "$1" $meter)" # the bar's box
    [ "$x0" != none ] || fail "no Magic Meter in the preview (see $1)"
    press $((x0 + 2)) $((y0 + 2))
    poll "the pointer to jump to the meter's centre" pointer_left $((x0 + 2)) $((y0 + 2))
    xdotool keydown shift
    move $((px + $2)) $((py + $3))
    wait_for "$4.moving" "the meter to follow the pointer" bar_moved $meter "$x0 $y0"
    move $((px + $2)) 241
    release
    xdotool keyup shift
    wait_for "$4" "a still window" same "$(at "$4.moving")" 0 0 320 320
    read -r bx by _ <<<"$(bbox "$(at "$4")" $meter)"
    [ "$bx $by" = "$((x0 + $2)) $((y0 + $3))" ] || fail "the bar is at $bx $by, not $((x0 + $2)) $((y0 + $3))"
}
save_seen() { click "${save[@]}" && wait_for saved "the saved note" note_lit; }
save_and_quit() { click "${save[@]}" && quit; }
# home_frame [BMP CODE PAGE]: the untouched window (or the code view of CODE's layout
# at PAGE) drawn in-process by the same SDL (e2e_home_frame) into $root/home.bmp (BMP);
# $sdl says which SDL drew it.
home_frame() {
    [ -n "$xvfb_pid" ] || start_x # Wine's first program starts its desktop on this display
    sdl=$(cd "$root" && env SDL_VIDEODRIVER=dummy "${runner[@]}" "${HUDWRIGHT_E2E_HOME_FRAME:?the e2e_home_frame program}" "${@:-home.bmp}") ||
        fail "e2e_home_frame could not draw ${1:-the window}"
    sdl=${sdl%$'\r'} # a Windows program ends its lines with CR LF
}

# icon_given: the window manager has the program's icon. sdl12-compat gives it
# as _NET_WM_ICON, 32x32, each pixel with its alpha that of the desktop's
# 32x32 icon (the same drawing); classic SDL 1.2 (and Wine) as the icon pixmap
# and mask of WM_HINTS, which X cannot read back from a window.
icon_given() {
    local hints
    if [ "$sdl" = compat ]; then
        hints=$(xprop -id "$wid" -f _NET_WM_ICON 32x ' = $0+\n' _NET_WM_ICON) || return 1
        [[ $hints == *" = "* ]] || return 1
        # shellcheck disable=SC2046 # one word a value
        printf '%08x\n' $(echo "${hints#* = }" | tr -d ,) >"$root/icon.got"
        { printf '%08x\n' 32 32 && convert "$here/../../desktop/icons/32x32.png" -depth 8 txt:- |
            sed -n 's/.* #\([0-9A-F]\{6\}\)\([0-9A-F]\{2\}\) .*/\2\1/p' | tr A-F a-f; } >"$root/icon.want"
        cmp -s "$root/icon.got" "$root/icon.want"
    else
        hints=$(xprop -id "$wid" WM_HINTS) || return 1
        [[ $hints == *"bitmap id # to use for icon"* && $hints == *"bitmap id # of mask for icon"* ]]
    fi
}

# put_files [DIR]: a basecode.txt in the export's own form (the A Button 7 above the
# top edge, the B Button's scale, the Magic Meter moved and coloured 123456) and a
# bg.bmp of two halves, in DIR (default: work/).
put_files() {
    printf '%s\n' "812114C6 00C8" "812114C4 FFF9" "81211506 0032" "81211508 0064" "81211240 0300" \
        "81211506 0032" "81211508 0064" "812111A4 0012" "812111A6 0034" "812111A8 0056" >"${1:-$work}/basecode.txt"
    convert -size 320x240 xc:#FF00FE -fill "#01FE02" -draw "rectangle 160,0 319,239" -type TrueColor BMP3:"${1:-$work}/bg.bmp"
}

# put_screenshot FILE: a 640x480 PNG, an emulator's screenshot as a test can read it: the left half #FF00FE and #0100FE by turns (a 2x2 checkerboard, whose average
# is #8000FE), the right half #01FE02 - scaled down, two halves of 160x240.
put_screenshot() {
    convert -size 2x2 xc:#FF00FE -fill "#0100FE" -draw "point 1,0" -draw "point 0,1" "png:$root/tile.png"
    convert -size 640x480 xc:#01FE02 \( -size 320x480 "tile:$root/tile.png" \) -composite -type TrueColor "PNG24:$1"
}
# noted LINE: the program said LINE on standard error (a shot given after it is not looked at).
noted() { grep -qF "$1" "$root/app.log"; }

# ---- one editor each: home, saving, quick clicks and held buttons; drag and undo; typed values

# tap X Y: a press and its release in one xdotool call, as a touchpad tap sends them
tap() { move "$1" "$2" && xdotool mousedown 1 mouseup 1; }
# type_in X Y KEYS...: a click on the field at X Y, then KEYS typed
type_in() { click "$1" "$2" && keys "${@:3}"; }
note_lit() { [ "$(count "$1" "${save_note[@]}" 000000)" != $((save_note[2] * save_note[3])) ]; }
# NOT SAVED is dark on white: most of its area is white
note_failed() { [ "$(count "$1" "${save_note[@]}" FFFFFF)" -gt $((save_note[2] * save_note[3] / 2)) ]; }
# caret_after FIELD N SHOT: the caret stands in FIELD after N typed places, its bar whole
caret_after() {
    local -n white="${1}_white"
    [ "$(count "$3" $((white[0] + glyph_width * $2 + caret_bar[0])) $((white[1] + caret_bar[1])) "${caret_bar[2]}" \
        "${caret_bar[3]}" "$caret_color")" = $((caret_bar[2] * caret_bar[3])) ]
}

# The window has the program's icon (icon_given). The untouched window is, pixel
# for pixel, the same window drawn in-process by the same SDL and, on classic
# SDL 1.2, docs/editor.png (HUDWRIGHT_E2E_UPDATE_DOCS=1 writes it anew;
# sdl12-compat blends 1 to 4 levels apart, so the picture is drawn on classic).
# Its save writes an empty code.txt and shows its note; a failed save
# (code.txt a directory) shows NOT SAVED and says why on standard error (how long
# each note stays: saving_test). A click on the X field's first column starts an
# entry there: 0 0 typed show a caret after them. Then taps, each a press and
# release in one call: X + ends the entry unfinished and moves the A Button one
# pixel (00BB), and the arrow keys are keys again: Right twice (00BD); the
# selector's + shows the B Button's scale at once, Scale + steps its scale once,
# the colour bar picks 92 px from its left end (09F6FF); Ctrl+S saves. Then
# Scale + held for seconds: the B Button grows faster and faster and stops at the
# last scale that still draws it (0005), never wrapping past 0000. Escape after
# the save leaves nothing but code.txt.
scenario_screenshot() {
    home_frame
    launch
    poll "the window's icon (see $root/icon.*)" icon_given
    a_still_editor still
    same_picture "bmp:$root/home.bmp" "xwd:$(at still)" "the window is not the one drawn in-process (see $(at still))"
    if [ "$sdl" = classic ]; then
        [ "${HUDWRIGHT_E2E_UPDATE_DOCS:-0}" != 1 ] || convert "xwd:$(at still)" -strip "png:$here/../../docs/editor.png"
        same_picture "$here/../../docs/editor.png" "xwd:$(at still)" "docs/editor.png is not the window (see $(at still))"
    fi
    save_seen
    expect_code
    rm "$work/code.txt" && mkdir "$work/code.txt"
    after "click ${save[*]}" failed "NOT SAVED" note_failed
    noted "hudwright: cannot save code.txt" || fail "no line on standard error"
    rmdir "$work/code.txt"
    after "type_in ${x_field_box[0]} ${x_field[1]} 0 0" typing "the caret after 00" caret_after x_field 2
    tap "${x_plus[@]}"
    keys Right Right
    # shellcheck disable=SC2086 # a tap's X Y
    for t in "${selector_plus[*]}" "${scale_plus[*]}" "$((color_bar_box[0] + 92)) ${color_bar[1]}"; do tap $t; done
    after "keys ctrl+s" saved "the saved note" note_lit
    expect_code "812114C6 00BD" "81211240 023E" "812111FA 0009" "812111FC 00F6" "812111FE 00FF"
    press "${scale_plus[@]}"
    sleep 6 # the only sleep: a button held for a time, not a wait for the window
    release
    save_and_quit
    expect_code "812114C6 00BD" "81211240 0005" "812111FA 0009" "812111FC 00F6" "812111FE 00FF"
    only code.cht code.txt
}

# On a 16-bit display: Tab selects the B Button; its X typed (with a backspace),
# its Y on the keypad and its colour (A and C with Shift). Then Tab six times and
# Shift+Tab once select the Rupee Icon, which has no scale: a click on the scale
# field starts no entry, and Left moves the icon one pixel. (A bg.jpg said to be
# a JPEG, and the other reasons: startup_test, hostile_test.)
scenario_typed() {
    depth=16
    launch
    wait_screen editor
    keys Tab
    type_in "${x_field[@]}" 0 0 7 BackSpace 6 4
    # the keypad's 0, 0, 3, 2: xdotool presses Num Lock for them, which takes no place
    type_in "${y_field[@]}" KP_0 KP_0 KP_3 KP_2
    type_in "${color_field[@]}" shift+a 2 shift+c 4 e 6
    keys Tab Tab Tab Tab Tab Tab shift+Tab
    type_in "${scale_field[@]}" Left
    save_and_quit
    expect_code "81211230 0064" "81211238 0032" "810BF3D2 $(printf %04X $((rupee_icon_home[0] - 1)))" \
        "812111FA 00A2" "812111FC 00C4" "812111FE 00E6"
}

# ---- the start-up's files and prompts, keys, no lost work ---------------------------

# Both files accepted, in the folder named on the command line (hudwright hud, started
# beside it with SDL_VIDEODRIVER unset: DISPLAY is set, so x11; under Wine it stays
# windib), the background a 640x480 screenshot, bg.png: the first editor frame shows
# the imported Magic Meter on the screenshot scaled down to the preview (its left half
# the average of its checkerboard) and nothing of it on the panel, which works: a save
# writes hud/basecode.txt back byte for byte as hud/code.txt, and nothing is written
# beside hud.
scenario_accepted() {
    mkdir "$work/hud"
    put_files "$work/hud"
    rm "$work/hud/bg.bmp" # else offered first
    put_screenshot "$work/hud/bg.png"
    args=(hud)
    [ ${#runner[@]} -gt 0 ] || video=""
    launch
    wait_screen basecode-prompt && click "${yes[@]}" && wait_screen bg-prompt && click "${yes[@]}" && wait_screen editor
    # the imported Magic Meter at 0032, 0064, and the screenshot over more than half of each half of the preview
    bar_at 123456 $((50 + meter_bar[0])) $((100 + meter_bar[1])) "$(at editor)" && [ "$(count "$(at editor)" 0 0 160 240 8000FE)" -gt 19200 ] &&
        [ "$(count "$(at editor)" 160 0 160 240 01FE02)" -gt 19200 ] || fail "the imported Magic Meter or bg.png does not show, scaled down"
    for c in 8000FE 01FE02 FF00FE 0100FE; do [ "$(count "$(at editor)" 0 240 320 80 $c)" = 0 ] || fail "colour $c on the panel"; done
    save_and_quit
    diff "$work/hud/basecode.txt" "$work/hud/code.txt" >&2 || fail "code.txt is not basecode.txt"
    only hud
}

# quarters SHOT: each quarter of the preview more than half in its colour of the wide screenshot's
# (drawn unscaled from the corner, the upper left one would fill the preview).
quarters() {
    [ "$(count "$1" 0 0 160 120 FF00FE)" -gt 9600 ] && [ "$(count "$1" 160 0 160 120 01FE02)" -gt 9600 ] &&
        [ "$(count "$1" 0 120 160 120 0100FE)" -gt 9600 ] && [ "$(count "$1" 160 120 160 120 FE8001)" -gt 9600 ]
}
# offered_long SHOT: a prompt whose question reaches the line's right end (x 308 on),
# a line under it (y 144) and nothing lower.
offered_long() {
    [ "$(count "$1" 30 80 21 16 000000)" -lt 336 ] && [ "$(count "$1" 308 128 12 16 000000)" -lt 192 ] &&
        [ "$(count "$1" 0 144 320 16 000000)" -lt 5120 ] && [ "$(count "$1" 0 160 320 160 000000)" = 51200 ]
}

# Screenshots as emulators write them. A bg.PNG (upper case) is offered and, taken,
# shows scaled down (a 640x480 one). Without it, the newest PNG of the folder - an
# 854x480 screenshot under the emulator's own name, beside an older one - is offered
# by its name (too long for the line: shortened in its middle, the question reaching
# the line's end) with a line under the question that says it is stretched; taken, it
# fills the preview stretched, and standard error says so. Then --bg names it from
# the folder the program starts in, DIR another one: taken without a question, the
# same preview. (The words on the screens: startup_test.)
scenario_screenshots() {
    local shot="Legend of Zelda-201207-183512.png"
    put_screenshot "$work/bg.PNG"
    # an 854x480 PNG, an emulator's screenshot of a game stretched to a 16:9 window, in four quarters:
    # #FF00FE, #01FE02 above, #0100FE, #FE8001 below. Stretched to the preview, each fills a quarter
    # of it exactly (427 to 160, 240 to 120).
    convert -size 854x480 xc:#FF00FE -fill "#01FE02" -draw "rectangle 427,0 853,239" -fill "#0100FE" \
        -draw "rectangle 0,240 426,479" -fill "#FE8001" -draw "rectangle 427,240 853,479" -type TrueColor "PNG24:$work/$shot"
    convert -size 640x480 xc:#123456 "$work/Legend of Zelda-201207-183001.png"
    touch -d "2012-12-07 18:30:01" "$work/Legend of Zelda-201207-183001.png"
    launch
    wait_screen bg-prompt && click "${yes[@]}" && wait_screen editor
    [ "$(count "$(at editor)" 0 0 160 240 8000FE)" -gt 19200 ] && [ "$(count "$(at editor)" 160 0 160 240 01FE02)" -gt 19200 ] ||
        fail "bg.PNG does not show, scaled down (see $(at editor))"
    quit
    rm "$work/bg.PNG"
    launch
    wait_for offer "the screenshot offered by its name" offered_long
    click "${yes[@]}" && wait_screen editor
    quarters "$(at editor)" || fail "the screenshot does not fill the preview, stretched (see $(at editor))"
    noted "hudwright: $shot: 854x480 is not 4:3, stretched to 320x240" || fail "no line on standard error"
    quit
    mkdir "$work/hud"
    args=(--bg "$shot" hud)
    launch
    wait_screen editor
    wait_for named "the picture named with --bg, stretched" quarters
    noted "854x480 is not 4:3, stretched to 320x240" || fail "no line on standard error"
    save_and_quit
    [ -f "$work/hud/code.txt" ] || fail "code.txt is not in hud"
}

# countdown_skipped: Space and a shot, again and again for eight seconds after the window
# opened (it takes keys only a moment after it shows, and Space answers no prompt), then
# the shots sorted out: the first prompt was seen less than four seconds (the count-down)
# after the last shot began that did not show the count-down yet, or the last search
# for the window that found none.
countdown_skipped() {
    local i=0 n since=$no_window_at screen
    local -a began ended
    while [ $(($(date +%s%N) - no_window_at)) -lt 8000000000 ]; do
        began[i]=$(date +%s%N)
        keys space
        shot "start$i" || continue
        ended[i]=$(date +%s%N)
        i=$((i + 1))
    done
    for ((n = 0; n < i; n++)); do
        screen=$(screen_of "$(at "start$n")")
        [ "$screen" != basecode-prompt ] || break
        [ "$screen" = countdown ] || since=${began[n]}
    done
    [ $n -lt $i ] || fail "no prompt eight seconds after the window opened (see $(at "start$((i - 1))"))"
    [ $(((ended[n] - since) / 1000000)) -lt 4000 ] ||
        fail "the first prompt came $(((ended[n] - since) / 1000000)) ms after the count-down began"
}

# outline_at "X Y W H" SHOT: the box of the selected element's outline - its black
# dashes, the only pure black of the preview on the built-in background.
outline_at() { [ "$(bbox "$2" 000000)" = "$1" ]; }
# saved_as LINE...: a click on save writes code.txt with exactly these lines
code_is() { [ "$(cat "$work/code.txt" 2>/dev/null)" = "$(printf '%s\n' "$@")" ]; }
saved_as() { click "${save[@]}" && poll "code.txt to hold $*" code_is "$@"; }
hex4() { printf %04X $(($1)); }

# Space on the count-down goes on at once: the first prompt shows sooner than the
# count-down's four seconds could have passed. Both prompts answered by keys, No
# to each (N): the built-in background stays, and code.txt holds the A Button's
# lines only, not basecode.txt's (the prompts' clicks: the accepted scenario).
# The A Button, selected, is outlined where it is drawn, 7 pixels right of and
# below its place. Then the arrow keys move the A Button: Right three times,
# Shift+Down eight pixels, Up one; saved. Ctrl+Left and Ctrl+Shift+Up move it
# with its icon, one pixel left and eight up, and the outline with it; saved. R
# puts the A Button back (the outline at home; saved: the icon's lines alone) and
# Ctrl+Z brings it back again (saved as before; the sets' edges, reset of scales
# and colours: input_test, undo_test). Left held for a second and a half repeats
# (more than 5 pixels), and Escape with that change not saved writes
# code.unsaved.txt in code.txt's form and says so (Escape with no change since a
# save writes nothing: the other scenarios' save_and_quit); basecode.txt and bg.bmp
# stay untouched. Started again, the editor offers code.unsaved.txt first (its
# layout differs from code.txt's); Enter takes it, neither code.txt nor
# basecode.txt is asked about, and a save writes code.unsaved.txt's lines to
# code.txt, keeping the first sitting's code.txt as code.earlier.txt;
# code.unsaved.txt stays. A third sitting is asked "Code.txt found. Continue
# it?" (code.unsaved.txt holds what code.txt holds: not offered); Yes, one
# pixel right and a save give code.txt with the A Button one pixel further and
# every other line as it was, and code.cht those lines as one cheat.
scenario_keys() {
    put_files
    before=$(md5sum "$work/basecode.txt" "$work/bg.bmp")
    launch
    countdown_skipped
    keys n && wait_screen bg-prompt && keys n && wait_screen editor
    for c in FF00FE 01FE02 123456; do [ "$(count "$(at editor)" 0 0 320 240 $c)" = 0 ] || fail "colour $c shows"; done
    local ax=${a_button_home[0]} ay=${a_button_home[1]} ix=${a_button_icon_home[0]} iy=${a_button_icon_home[1]}
    read -r ox oy ow oh <<<"$(bbox "$(at editor)" 000000)" # the outline's box (outline_at)
    [ "$ox $oy" = "$((ax + 7)) $((ay + 7))" ] || fail "the A Button's outline is at $ox $oy"
    local home="$ox $oy $ow $oh" moved="$((ox + 2)) $((oy - 1)) $ow $oh"
    keys Right Right Right shift+Down Up
    save_seen
    expect_code "812114C6 $(hex4 ax+3)" "812114C4 $(hex4 ay+7)"
    after "keys ctrl+Left ctrl+shift+Up" set_moved "the outline moved with the A Button" outline_at "$moved"
    local both=("812114C6 $(hex4 ax+2)" "812114C4 $(hex4 ay-1)" "812114CC $(hex4 ix-1)" "812114CA $(hex4 iy-8)")
    saved_as "${both[@]}"
    after "keys r" reset "the A Button's outline at home" outline_at "$home"
    saved_as "${both[@]:2}"
    after "keys ctrl+z" undone "the A Button's outline back where it was moved" outline_at "$moved"
    saved_as "${both[@]}"
    xdotool keydown Left
    sleep 1.5 # held: the key repeats
    xdotool keyup Left
    quit
    only basecode.txt bg.bmp code.cht code.txt code.unsaved.txt
    noted "unsaved changes written to code.unsaved.txt" || fail "nothing said on standard error"
    x=$(awk '$1 == "812114C6" { print $2 }' "$work/code.unsaved.txt")
    [ -n "$x" ] && [ $((0x$x)) -lt $((ax + 2 - 5)) ] || fail "Left held moved the A Button to ${x:-nowhere}"
    [ "$(grep -v ^812114C6 "$work/code.txt")" = "$(grep -v ^812114C6 "$work/code.unsaved.txt")" ] ||
        fail "code.unsaved.txt: $(cat "$work/code.unsaved.txt")"
    [ "$(md5sum "$work/basecode.txt" "$work/bg.bmp")" = "$before" ] || fail "basecode.txt or bg.bmp changed"
    cp "$work/code.txt" "$root/first.txt"
    launch
    wait_screen unsaved-prompt && keys Return && wait_screen bg-prompt && keys n && wait_screen editor
    save_and_quit
    diff "$work/code.unsaved.txt" "$work/code.txt" >&2 || fail "code.txt is not code.unsaved.txt"
    diff "$root/first.txt" "$work/code.earlier.txt" >&2 || fail "the first sitting's code.txt is not kept"
    only basecode.txt bg.bmp code.cht code.earlier.txt code.txt code.unsaved.txt
    cp "$work/code.txt" "$root/second.txt"
    launch
    wait_screen code-prompt && click "${yes[@]}" && wait_screen bg-prompt && keys n && wait_screen editor
    after "keys Right" nudged "the A Button one pixel right" differs "$(at editor)" 0 0 320 240
    save_and_quit
    x=$(awk '$1 == "812114C6" { print $2 }' "$root/second.txt")
    [ "$(sed "s/^812114C6 $x\$/812114C6 $(hex4 0x$x+1)/" "$root/second.txt")" = "$(cat "$work/code.txt")" ] ||
        fail "code.txt is not the second sitting's with the A Button one pixel right: $(cat "$work/code.txt")"
    grep -qxF "cheat0_code = \"$(paste -sd+ "$work/code.txt")\"" "$work/code.cht" || fail "code.cht: $(cat "$work/code.cht")"
    diff "$root/first.txt" "$work/code.earlier.txt" >&2 || fail "code.earlier.txt changed"
}

# ---- the window's zoom and the command line -------------------------------------

# --zoom 2 on a screen where the zoom would be 1 without it: a 640x640 window
# showing the untouched window (drawn in-process, as in the screenshot scenario)
# in 2x2 squares. A typed X and a drag of the Magic Meter by 40, 30 (Shift held:
# nothing snaps) land where they land at zoom 1, and code.txt gives them (undo
# and redo, the zoom no part of them: undo_test; Ctrl+Z on a real window: the
# keys scenario). Hidden and shown, the window is drawn anew. Ctrl+= leaves the window at 640x640, the
# largest that fits the 760x760 screen with room for a title bar and a panel;
# Ctrl+- makes it 320x320 and Ctrl+= 640x640 again. (The zoom keys' every form and
# the zooms chosen for a screen: window_test.)
scenario_zoom() {
    screen=760x760 zoom=2 args=(--zoom 2)
    home_frame
    launch
    a_still_editor still
    convert "bmp:$root/home.bmp" -sample 200% "png:$root/home.big.png"
    same_picture "xwd:$(big still)" "$root/home.big.png" "the window is not home.bmp magnified twice"
    type_in "${x_field[@]}" 0 0 b b # the A Button one pixel right
    drag_meter "$(at still)" 40 30 moved
    save_seen
    # hidden and shown again, the window is drawn anew though the picture did not change
    xdotool windowunmap --sync "$wid"
    xdotool windowmap --sync "$wid"
    # an unmapped window loses the keyboard focus that SDL2 (sdl12-compat) gave it
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    wait_for exposed "the preview after an expose" same "$(at saved)" 0 0 320 240 # the note may be gone
    move 100 100 # inside the window at zoom 1 too: the keys go where the pointer is
    after_poll "keys ctrl+equal ctrl+minus" "a 320x320 window (Ctrl+= grew it past the screen?)" window_side 320
    after_poll "keys ctrl+equal" "a 640x640 window again" window_side 640
    quit
    x=$(hex4 magic_meter_home[0]+40) y=$(hex4 magic_meter_home[1]+30)
    expect_code "812114C6 00BB" "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}

# window_side N: the window is N x N screen pixels.
window_side() { geometry && [ "$WIDTH $HEIGHT" = "$1 $1" ]; }

# cli STATUS ARGS...: the program run with ARGS in work/ without a display (and
# SDL_VIDEODRIVER unset; under Wine, which needs the X display, with it) ends
# with STATUS; its output in $root/out and $root/err.
cli() {
    local want=$1 status=0 display=(-u DISPLAY)
    shift
    [ ${#runner[@]} -eq 0 ] || display=()
    (cd "$work" && exec env -u SDL_VIDEODRIVER "${display[@]}" -u WAYLAND_DISPLAY "${sanitizers[@]}" "${runner[@]}" \
        "$hudwright" "$@") >"$root/out" 2>"$root/err" </dev/null || status=$?
    [ ${#runner[@]} -eq 0 ] || sed -i 's/\r$//' "$root/out" "$root/err" # CR LF from Windows
    [ "$status" = "$want" ] || fail "hudwright $*: status $status, not $want: $(cat "$root/err")"
}
usage_line="Usage: hudwright [--zoom N] [--bg FILE] [DIR]"
# refused LINE...: the last cli run wrote nothing on standard output and these lines on standard error.
refused() { [ ! -s "$root/out" ] && [ "$(cat "$root/err")" = "$(printf '%s\n' "$@")" ] || fail "it said: $(cat "$root/err")"; }
# misused ARG LINE: the program run with ARG ends with status 2, saying "hudwright: LINE" and how it is used.
misused() { cli 2 "$1" && refused "hudwright: $2" "$usage_line" "Try 'hudwright --help' for more."; }

# --help and --version on standard output with status 0, without a display; a
# misuse and a missing DIR with status 2 (every form of the options: window_test);
# and no display: one line and status 1 (not on Windows, which has no X display to
# miss). None of them writes a file.
scenario_command_line() {
    [ ${#runner[@]} -eq 0 ] || [ -n "${DISPLAY:-}" ] || start_x # Wine's programs need one
    cli 0 --help
    [ ! -s "$root/err" ] && [ "$(head -n 1 "$root/out")" = "$usage_line" ] || fail "--help: $(head -n 1 "$root/out")"
    cli 0 --version
    [ ! -s "$root/err" ] && [[ $(cat "$root/out") =~ ^hudwright\ [0-9]+(\.[0-9]+)+$ ]] || fail "--version: $(cat "$root/out")"
    misused --colour "unknown option '--colour'"
    misused nowhere "cannot work in nowhere: No such file or directory"
    misused --bg "--bg wants a picture file"
    if [ ${#runner[@]} -eq 0 ]; then
        cli 1
        refused "hudwright: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"
    fi
    only
}

# ---- placing with precision -------------------------------------------------------

# box_is COLOUR "X Y W H" SHOT: the preview's pixels of COLOUR have that box.
box_is() { [ "$(bbox "$3" "$1")" = "$2" ]; }
# guide_at down|across N SHOT: a guide's light dashes on column (down) or row (across) N of the preview.
guide_at() {
    if [ "$1" = down ]; then [ "$(count "$3" "$2" 0 1 240 "$guide_color")" -gt 0 ]; else [ "$(count "$3" 0 "$2" 320 1 "$guide_color")" -gt 0 ]; fi
}
no_guide() { [ "$(bbox "$1" "$guide_color")" = none ]; }
fixed_noted() { [ "$(count "$1" "${fixed_note[@]}" 000000)" != $((fixed_note[2] * fixed_note[3])) ]; }
no_note() { ! fixed_noted "$1"; } # neither that note nor SAVED, which stands within it
# has_code LINE...: code.txt holds these lines (among others)
has_code() { local l; for l in "$@"; do grep -qx "$l" "$work/code.txt" 2>/dev/null || return 1; done; }
saved_with() { click "${save[@]}" && poll "code.txt to hold $*" has_code "$@"; }
# drag_to X Y "BOX" X2 Y2 NAME WHAT COMMAND...: presses on X Y and waits until the element taken is
# outlined at BOX (the press is taken and the pointer has jumped to its centre: a move before would
# be undone by the jump), moves the pointer to X2 Y2 with the button held, waits until shot NAME
# shows WHAT (COMMAND, given the shot), and lets go.
drag_to() {
    press "$1" "$2"
    wait_for "$6.pressed" "the press taken" outline_at "$3"
    move "$4" "$5"
    wait_for "$6" "$7" "${@:8}"
    release
}

# In the empty folder, at the game's own layout: the pointer over the C-Left Icon's pixel inside the
# A Button Icon's 48x32 box outlines the icon (24x24 at its home) for the next press, which takes it:
# the selection's outline goes round it. The Rupee Icon dragged until its left is 2 px from the Magic
# Meter's shows the guide on that line meanwhile and lands on it (x 0012); undone, the same drag with
# Shift held shows no guide and lands where it was let go (0014). The Magic Meter dragged a pixel from
# the preview's centre both ways lands centred, (320 - 114) / 2 = 0067 across, 0071 down, both
# guides shown on the way. G shows the grid over the preview and G again takes it away, pixel for
# pixel. The A Button, taken by its circle and moved with its icon by Ctrl+Shift+Up twice, stops where
# the icon meets the top: both at 0000, the set's shape kept. The Hearts, pressed and dragged, and
# then Right, stay at the game's place while the window says so. Escape while a value is typed ends
# the typing: the field shows the value again, the next key moves the element, and the next Escape
# quits. (Lines, distances, ties, sets and fixed values one by one: input_test; the pixels of every
# mark: frame_test.)
scenario_precision() {
    launch
    a_still_editor still
    local ix=${c_left_icon_home[0]} iy=${c_left_icon_home[1]} rx=${rupee_icon_home[0]} ry=${rupee_icon_home[1]}
    local mx=${magic_meter_home[0]} my=${magic_meter_home[1]}
    after "move 231 22" hover "the C-Left Icon's hover outline" box_is "$hover_color" "$((ix - 1)) $((iy - 1)) 26 26"
    after "click 231 22" picked "the C-Left Icon outlined" outline_at "$ix $iy 24 24"

    drag_to $((rx + 8)) $((ry + 8)) "$rx $ry 16 16" $((rx + 2)) $((ry + 8)) snapping "the guide on the Magic Meter's left" guide_at down "$mx"
    wait_for snapped "the Rupee Icon on the Magic Meter's left" outline_at "$mx $ry 16 16"
    saved_with "810BF3D2 $(hex4 mx)"
    after "keys ctrl+z" undone "the Rupee Icon back home" outline_at "$rx $ry 16 16"
    xdotool keydown shift
    drag_to $((rx + 8)) $((ry + 8)) "$rx $ry 16 16" $((rx + 2)) $((ry + 8)) free "the Rupee Icon following, with Shift" outline_at "$((rx - 6)) $ry 16 16"
    xdotool keyup shift
    no_guide "$(at free)" || fail "a guide with Shift held (see $(at free))"
    saved_with "810BF3D2 $(hex4 rx-6)"

    drag_to $((mx + 57)) $((my + 7)) "$mx $my 114 14" $((mx + 57 + 86)) $((my + 7 + 71)) centring "both centre lines' guides" \
        guide_at down 160
    guide_at across 120 "$(at centring)" || fail "no guide on the centre row (see $(at centring))"
    wait_for centred "the Magic Meter centred" outline_at "103 113 114 14"
    saved_with "81211506 0067" "81211508 0071"

    wait_for saved_gone "the saved note gone" no_note # a still window is one without a passing note
    a_still_editor before_grid
    after "keys g" grid "the grid" differs "$(at before_grid)" 0 0 320 240
    after "keys g" no_grid "the grid gone" same "$(at before_grid)" 0 0 320 240 # the note may be gone

    after "click 207 19" a_button "the A Button outlined" outline_at "$((a_button_home[0] + 7)) $((a_button_home[1] + 7)) 29 29"
    after "keys ctrl+shift+Up ctrl+shift+Up" a_set "the A Button at the top" outline_at "$((a_button_home[0] + 7)) 7 29 29"
    saved_with "812114C4 0000" "812114CA 0000"

    drag_to 10 10 "0 0 120 17" 60 80 hearts "the note on the Hearts" fixed_noted
    after "keys Right" hearts_still "the Hearts outlined where the game draws them" outline_at "0 0 120 17"
    no_guide "$(at hearts_still)" || fail "a guide after the drag (see $(at hearts_still))"

    wait_for fixed_gone "the note gone" no_note
    keys Tab # the Map
    a_still_editor map
    after "type_in ${x_field[*]} 0 0" typing "the caret after 00" caret_after x_field 2
    after "keys Escape" typed_away "the Map's x again" same "$(at map)" "${x_field_white[@]}"
    alive || fail "Escape during the typing quit"
    keys Right
    saved_with "812117DE $(hex4 map_home[0]+1)"
    quit
    expect_code "812114C4 0000" "812117DE $(hex4 map_home[0]+1)" "81211506 0067" "81211508 0071" \
        "810BF3D2 $(hex4 rx-6)" "812117DE $(hex4 map_home[0]+1)" "81211506 0067" "81211508 0071" "812114CA 0000"
}
