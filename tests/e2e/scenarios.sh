# scenarios.sh - what a user does with Hudwright, one function per scenario,
# sourced by run.sh. Assumed: the panel's controls, the prompt words, and the
# Magic Meter's 100x8 bar at 7, 3 from its corner (home 18, 42; colour 00C800).

save=(288 304) x_plus=(161 280) y_minus=(233 280) color_field=(220 256) scale_field=(92 280)
x_field=(190 280) y_field=(290 280) selector_plus=(137 304) yes=(40 88) no=(86 88)
meter=00C800

# bar COLOUR SHOT: sets bx by bw bh to the box of COLOUR's pixels in the preview.
bar() {
    read -r bx by bw bh <<<"$(bbox "$2" "$1")"
    [ "$bx" != none ] || fail "no pixel of colour $1 in the preview (see $2)"
}
# bar_within COLOUR X Y SHOT: the bar lies within the 100x8 box at X Y, half as wide at least.
bar_within() {
    bar "$1" "$4"
    [ $bx -ge $2 ] && [ $by -ge $3 ] && [ $((bx + bw)) -le $(($2 + 100)) ] && [ $((by + bh)) -le $(($3 + 8)) ] &&
        [ $bw -ge 50 ] || fail "the bar of $1 is at $bx $by $bw $bh, not within $2 $3 100 8"
}
# bar_moved COLOUR PATTERN SHOT: the bar shows, its "x y" not matching PATTERN.
bar_moved() { [[ $(bbox "$3" "$1") =~ ^([0-9]+\ [0-9]+) ]] && [[ ${BASH_REMATCH[1]} != $2 ]]; }
same() { ! differs "$@"; }
color_field_blank() { [ "$(count "$1" 200 248 42 16 FFFFFF)" = 672 ]; }
color_field_written() { ! color_field_blank "$1"; }
none_of() { for c in "${@:2}"; do [ "$(count "$1" 0 0 320 240 "$c")" = 0 ] || fail "colour $c shows"; done; }
answer_prompts() { # X Y: both prompts answered with the word at X Y
    wait_screen basecode-prompt && click "$@" && wait_screen bg-prompt && click "$@" && wait_screen editor
}
save_and_quit() { click "${save[@]}" && keys Escape && wait_exit; }

# A basecode.txt in the export's own form (the A Button 7 above the top edge, the
# B Button's scale, the Magic Meter moved and coloured 123456); a bg.bmp of two halves.
put_files() {
    printf '%s\n' "812114C6 00C8" "812114C4 FFF9" "81211506 0032" "81211508 0064" "81211240 0300" \
        "81211506 0032" "81211508 0064" "812111A4 0012" "812111A6 0034" "812111A8 0056" >"$work/basecode.txt"
    convert -size 320x240 xc:#FF00FE -fill "#01FE02" -draw "rectangle 160,0 319,239" -type TrueColor BMP3:"$work/bg.bmp"
}

# The untouched window is docs/editor.png pixel for pixel (HUDWRIGHT_E2E_UPDATE_DOCS=1
# writes it anew); a save then writes an empty code.txt and nothing else.
scenario_screenshot() {
    local docs="$here/../../docs/editor.png"
    launch
    wait_screen editor
    # the first frame draws the panel before its values
    wait_for shot "the panel's values" color_field_written
    wait_for still "a still window" same "$(at shot)" 0 0 320 320
    convert "xwd:$(at still)" -strip "png:$root/editor.png"
    [ "${HUDWRIGHT_E2E_UPDATE_DOCS:-0}" != 1 ] || cp "$root/editor.png" "$docs"
    compare -metric AE "$docs" "$root/editor.png" null: 2>"$root/differ" ||
        fail "docs/editor.png is not the window ($(cat "$root/differ") pixels differ, see $root/editor.png)"
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
    press $((x0 + 2)) $((y0 + 2))
    poll "the pointer to jump to the meter's centre" pointer_left $((x0 + 2)) $((y0 + 2))
    move $((px + 40)) $((py + 30))
    # shown there before the next move (Wine would merge the two moves into one)
    wait_for moving "the meter to follow the pointer" bar_moved $meter "$x0 $y0"
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
    x=$(printf %04X $((18 + bx - x0))) y=$(printf %04X $((42 + by - y0)))
    expect_code "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}

# On a 16-bit display: hold the colour bar at x 100 until the A Button's colour
# changes (to 09F6FF; the blue is the home's), then type the B Button's X (with
# a backspace), its Y on the keypad, its scale and its colour (in lower case).
scenario_typed() {
    depth=16
    launch
    wait_screen editor
    press 100 256
    wait_for picked "the A Button to change colour" differs "$(at editor)" 186 9 80 80
    release
    click "${selector_plus[@]}"
    click "${x_field[@]}"
    keys 0 0 7 BackSpace 6 4
    click "${y_field[@]}"
    # the keypad's 0, 0, 3, 2 with NumLock off (xdotool's NumLock would take a place)
    keys KP_Insert KP_Insert KP_Next KP_Down
    click "${scale_field[@]}"
    keys 0 2 0 0
    click "${color_field[@]}"
    keys a 2 c 4 e 6
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
    bar_within 123456 57 103 "$f"
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
    bar_within $meter 25 45 "$(at editor)"
    save_and_quit
    expect_code
    rm "$work/code.txt"
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}
