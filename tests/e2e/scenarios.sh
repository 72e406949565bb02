# scenarios.sh - what a user does with Hudwright, one function per scenario,
# each checked through code.txt and the pixels of the window. Sourced by
# run.sh after lib.sh; every scenario starts from an empty working directory.
#
# Only the window's fixed layout is assumed: the panel's controls, the prompt
# words and the Magic Meter's 100x8 bar, filled with its colour slot at 7, 3
# from its corner (home 18, 42; colour 00C800). The pictures may change.

# ---- the window's controls (centres of their hit boxes) ------------------------

save=(288 304)
scale_minus=(11 280)
scale_plus=(67 280)
x_plus=(161 280)
y_minus=(233 280)
color_field=(220 256)
scale_field=(92 280)
x_field=(190 280)
y_field=(290 280)
selector_plus=(137 304)
selector_name=(60 304) # between the two sign boxes: ends edit modes, nothing else
yes=(40 88)
no=(86 88)

meter_home=(18 42)
meter_color=00C800

# ---- checks on shots -----------------------------------------------------------

# bar COLOR SHOT: sets bx by bw bh to the box of the pixels of COLOR in the
# preview; fails when there are none.
bar() {
    local b
    b=$(probe "$2" bbox 0 0 320 240 "$1")
    [ "$b" != none ] || fail "no pixel of colour $1 in the preview (see $2)"
    read -r bx by bw bh <<<"$b"
}

# bar_moved COLOR X Y SHOT: the bar of COLOR starts at neither X nor Y any more.
bar_moved() {
    local b x y
    b=$(probe "$4" bbox 0 0 320 240 "$1")
    [ "$b" != none ] || return 1
    read -r x y _ <<<"$b"
    [ "$x" != "$2" ] || [ "$y" != "$3" ]
}

# region_changed BEFORE X Y W H SHOT: some pixel of the region differs.
region_changed() { [ "$(probe "$6" diff "$1" "$2" "$3" "$4" "$5")" != 0 ]; }

# The colour field is blank (its text was emptied) or shows some text.
color_field_blank() { [ "$(probe "$1" count 200 248 42 16 white)" = 672 ]; }
color_field_written() { ! color_field_blank "$1"; }

hex4() { printf '%04X' "$1"; }

# Waits for the editor, then for a frame drawn after every event sent so far:
# the colour field is emptied by a press on it, which the program handles only
# after everything queued before it. Leaves the colour field in edit mode.
settle() {
    click "${color_field[@]}"
    wait_for "$1" "the colour field to be emptied" color_field_blank
}

save_and_quit() {
    click "${save[@]}"
    keys Escape
    wait_exit 0
}

# ---- scenarios -----------------------------------------------------------------

# Start, wait out the count-down, save without touching anything: code.txt is
# created and empty.
scenario_untouched() {
    launch
    wait_screen editor
    save_and_quit
    expect_code
    [ "$(cd "$work" && ls -A)" = code.txt ] || fail "unexpected files: $(ls -A "$work")"
}

# Escape while the count-down runs: no prompt or editor ever shows, the
# program ends with 0 and the directory is as it was, although both optional
# files are there.
scenario_escape_countdown() {
    printf '81211506 0032\n' >"$work/basecode.txt"
    make_bmp "$work/bg.bmp" 320 240 FF00FE
    local before
    before=$(tree_print)
    launch
    wait_screen countdown
    keys Escape
    while alive; do
        try_shot after || break
        case $(probe "$(at after)" screen) in
        basecode-prompt | bg-prompt | editor) fail "a later screen showed after Escape" ;;
        esac
        sleep 0.05
    done
    wait_exit 0
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# Drag the Magic Meter 40 right and 30 down; a further motion below y 240 is
# ignored. The bar follows on screen, and code.txt holds its new corner in
# both position sections. Then a drag from the A Button's corner moves the
# A Button Icon.
scenario_drag() {
    launch
    wait_screen editor
    bar $meter_color "$(at editor)"
    local x0=$bx y0=$by
    press $((x0 + 2)) $((y0 + 2))
    wait_pointer_moved_from $((x0 + 2)) $((y0 + 2)) # picked: the pointer jumps to the centre
    local cx=$px cy=$py
    [ $cx -gt $x0 ] && [ $cy -gt $y0 ] || fail "the pointer went to $cx $cy, not to the meter's centre"
    move $((cx + 40)) $((cy + 30))
    move $((cx + 40)) 241
    release
    wait_for dragged "the meter to follow the pointer" bar_moved $meter_color $x0 $y0
    bar $meter_color "$(at dragged)"
    [ "$bx $by" = "$((x0 + 40)) $((y0 + 30))" ] || fail "the bar is at $bx $by, expected $((x0 + 40)) $((y0 + 30))"
    # The A Button's corner (186, 9) is the A Button Icon's too; the icon is
    # tested first and is the one picked.
    press 186 9
    wait_pointer_moved_from 186 9
    move $((px + 10)) $((py + 10))
    release
    save_and_quit
    local x y
    x=$(hex4 $((meter_home[0] + 40)))
    y=$(hex4 $((meter_home[1] + 30)))
    expect_code "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y" "812114CC 00C4" "812114CA 0013"
}

# Pick the Magic Meter, hold X "+" until it moves, then Y "-" (which moves it
# down). However many passes the buttons were held, code.txt gives exactly the
# place the screen shows.
scenario_nudge() {
    launch
    wait_screen editor
    bar $meter_color "$(at editor)"
    local x0=$bx y0=$by
    click $((x0 + 2)) $((y0 + 2))
    wait_pointer_moved_from $((x0 + 2)) $((y0 + 2))
    press "${x_plus[@]}"
    wait_for nudged "the meter to move right" bar_moved $meter_color $x0 $y0
    release
    settle after_x
    bar $meter_color "$(at after_x)"
    local kx=$((bx - x0))
    [ $kx -gt 0 ] && [ "$by" = "$y0" ] || fail "X + moved the bar from $x0 $y0 to $bx $by"
    press "${y_minus[@]}"
    wait_for nudged "the meter to move down" bar_moved $meter_color $bx $y0
    release
    keys 1 # a visible mark after the release: the blank colour field shows "1"
    wait_for after_y "the typed 1 to show" color_field_written
    bar $meter_color "$(at after_y)"
    local ky=$((by - y0))
    [ $ky -gt 0 ] && [ "$bx" = "$((x0 + kx))" ] || fail "Y - moved the bar to $bx $by"
    note "nudged $kx right and $ky down"
    click "${selector_name[@]}" # ends the colour entry unfinished: no colour change
    save_and_quit
    local x y
    x=$(hex4 $((meter_home[0] + kx)))
    y=$(hex4 $((meter_home[1] + ky)))
    expect_code "81211506 $x" "81211508 $y" "81211506 $x" "81211508 $y"
}

# Select the B Button and type its X (with a backspace), its Y on the keypad,
# its scale and its colour (letters in lower case).
scenario_typed() {
    launch
    wait_screen editor
    click "${selector_plus[@]}"
    click "${x_field[@]}"
    keys 0 0 7 BackSpace 6 4
    click "${y_field[@]}"
    # The keypad's 0, 0, 3, 2 as its keys send them with NumLock off (xdotool
    # would press NumLock first to reach KP_0, and that key takes a position).
    keys KP_Insert KP_Insert KP_Next KP_Down
    click "${scale_field[@]}"
    keys 0 2 0 0
    click "${color_field[@]}"
    keys a 2 c 4 e 6
    save_and_quit
    expect_code "81211230 0064" "81211238 0032" "81211240 0200" \
        "812111FA 00A2" "812111FC 00C4" "812111FE 00E6"
}

# Hold a button on the colour bar at x 100 until the A Button changes colour:
# 09F6FF. The blue channel equals the home's and is not written.
scenario_colorbar() {
    launch
    wait_screen editor
    press 100 256
    wait_for picked "the A Button to change colour" region_changed "$(at editor)" 186 9 80 80
    release
    save_and_quit
    expect_code "812114D0 0009" "812114D2 00F6"
}

# Select the B Button and hold scale "+" until it grows: its scale word goes
# down from 575 (023F), and only that line is written.
scenario_rescale() {
    launch
    wait_screen editor
    click "${selector_plus[@]}"
    settle selected
    press "${scale_plus[@]}"
    wait_for grown "the B Button to grow" region_changed "$(at selected)" 150 10 90 90
    release
    click "${selector_name[@]}"
    save_and_quit
    [ -f "$work/code.txt" ] || fail "no code.txt"
    local line
    line=$(cat "$work/code.txt")
    [[ $line =~ ^81211240\ ([0-9A-F]{4})$ ]] || fail "code.txt is not one B Button scale line: $line"
    local v=$((16#${BASH_REMATCH[1]}))
    [ $v -lt 575 ] && [ $v -gt 0 ] || fail "scale $v after holding +"
    note "scale 575 -> $v"
}

# A basecode.txt in the export's own form, accepted: the first editor frame
# shows the Magic Meter moved and recoloured, and a save writes the file back
# byte for byte.
scenario_basecode() {
    cat >"$work/basecode.txt" <<'EOF'
812114C6 00C8
81211506 0032
81211508 0064
81211506 0032
81211508 0064
812111A4 0012
812111A6 0034
812111A8 0056
EOF
    launch
    wait_screen basecode-prompt
    click "${yes[@]}"
    wait_screen editor
    bar 123456 "$(at editor)"
    [ $bx -ge 57 ] && [ $by -ge 103 ] && [ $((bx + bw)) -le 157 ] && [ $((by + bh)) -le 111 ] && [ $bw -ge 50 ] ||
        fail "the imported meter's bar is at $bx $by $bw $bh, not within 57 103 100 8"
    [ "$(probe "$(at editor)" count 0 0 320 240 $meter_color)" = 0 ] || fail "the home colour still shows"
    save_and_quit
    cmp -s "$work/basecode.txt" "$work/code.txt" || fail "code.txt does not reproduce basecode.txt:
$(diff "$work/basecode.txt" "$work/code.txt" || true)"
}

# A bg.bmp accepted (with no basecode.txt the background prompt comes right
# after the count-down) is what the preview shows behind the elements.
scenario_background() {
    make_bmp "$work/bg.bmp" 320 240 FF00FE 01FE02
    launch
    wait_screen bg-prompt
    click "${yes[@]}"
    wait_screen editor
    local f
    f=$(at editor)
    [ "$(probe "$f" pixel 100 120)" = FF00FE ] || fail "left half of the preview: $(probe "$f" pixel 100 120)"
    [ "$(probe "$f" pixel 250 120)" = 01FE02 ] || fail "right half of the preview: $(probe "$f" pixel 250 120)"
    local left right
    left=$(probe "$f" count 0 0 160 240 FF00FE)
    right=$(probe "$f" count 160 0 160 240 01FE02)
    [ $((left * 2)) -gt $((160 * 240)) ] && [ $((right * 2)) -gt $((160 * 240)) ] ||
        fail "the picture covers too little of the preview: $left and $right pixels"
    save_and_quit
    expect_code
}

# "No" on both prompts: the built-in layout and background stay, nothing is
# imported, and the two files are left alone.
scenario_prompts_no() {
    printf '81211506 0032\n81211508 0064\n812111A4 0012\n812111A6 0034\n812111A8 0056\n' >"$work/basecode.txt"
    make_bmp "$work/bg.bmp" 320 240 FF00FE 01FE02
    local before
    before=$(tree_print)
    launch
    wait_screen basecode-prompt
    click "${no[@]}"
    wait_screen bg-prompt
    click "${no[@]}"
    wait_screen editor
    local f
    f=$(at editor)
    [ "$(probe "$f" count 0 0 320 240 FF00FE)" = 0 ] && [ "$(probe "$f" count 0 0 320 240 01FE02)" = 0 ] ||
        fail "the picture from bg.bmp shows"
    [ "$(probe "$f" count 0 0 320 240 123456)" = 0 ] || fail "the imported colour shows"
    bar $meter_color "$f"
    [ $bx -ge 25 ] && [ $by -ge 45 ] && [ $((bx + bw)) -le 125 ] && [ $((by + bh)) -le 53 ] ||
        fail "the meter's bar is at $bx $by $bw $bh, not at its home"
    save_and_quit
    expect_code
    rm "$work/code.txt"
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# A basecode.txt of random bytes and a bg.bmp that is no picture, both
# accepted: the editor runs, saves well-formed lines, quits with 0 and leaves
# both files as they were.
scenario_hostile_files() {
    awk 'BEGIN { srand(7); for (i = 0; i < 65536; i++) printf "%c", int(rand() * 256) }' </dev/null \
        >"$work/basecode.txt"
    printf 'BM this is not a picture\n' >"$work/bg.bmp"
    local before
    before=$(tree_print)
    launch
    wait_screen basecode-prompt
    click "${yes[@]}"
    wait_screen bg-prompt
    click "${yes[@]}"
    wait_screen editor
    save_and_quit
    [ -f "$work/code.txt" ] || fail "no code.txt"
    if grep -v -E -q '^81[0-9A-F]{6} [0-9A-F]{4}$' "$work/code.txt"; then
        fail "malformed line in code.txt: $(grep -v -E -m1 '^81[0-9A-F]{6} [0-9A-F]{4}$' "$work/code.txt")"
    fi
    rm "$work/code.txt"
    [ "$(tree_print)" = "$before" ] || fail "an input file changed"
}

# An unprivileged user saves in a directory that is not writable: the save
# fails quietly, the program goes on and quits with 0, and the old code.txt
# is untouched.
scenario_readonly_dir() {
    printf 'old codes\n' >"$work/code.txt"
    chmod 555 "$work"
    local before
    before=$(tree_print)
    launch setpriv --reuid=65534 --regid=65534 --clear-groups --
    wait_screen editor
    click "${x_field[@]}"
    keys 0 0 6 4
    click "${save[@]}"
    click "${save[@]}"
    keys Escape
    wait_exit 0
    [ "$(tree_print)" = "$before" ] || fail "the read-only directory changed"
}

# code.txt is a symbolic link: the save writes the file it names and the link
# stays a link.
scenario_symlink() {
    mkdir "$work/keep"
    printf 'old codes\n' >"$work/keep/real.txt"
    ln -s keep/real.txt "$work/code.txt"
    launch
    wait_screen editor
    click "${y_field[@]}"
    keys 0 0 1 4
    save_and_quit
    [ -L "$work/code.txt" ] || fail "code.txt is no longer a link"
    [ "$(cat "$work/keep/real.txt")" = "812114C4 0014" ] || fail "the linked file holds: $(cat "$work/keep/real.txt")"
}

# Closing the window on the base code prompt: no import, no background prompt,
# the program ends with 0 and the directory is as it was.
scenario_close_prompt() {
    printf '81211506 0032\n' >"$work/basecode.txt"
    make_bmp "$work/bg.bmp" 320 240 FF00FE
    local before
    before=$(tree_print)
    launch
    wait_screen basecode-prompt
    close_window
    while alive; do
        try_shot after || break
        case $(probe "$(at after)" screen) in
        bg-prompt | editor) fail "a later screen showed after the window was closed" ;;
        esac
        sleep 0.05
    done
    wait_exit 0
    [ "$(tree_print)" = "$before" ] || fail "the working directory changed"
}

# Closing the window in the editor after an edit and amid an unfinished entry:
# the program ends with 0 and writes nothing on the way out.
scenario_close_editor() {
    launch
    wait_screen editor
    click "${x_field[@]}"
    keys 0 0 6 4
    click "${y_field[@]}"
    keys 0 0
    settle edited
    close_window
    wait_exit 0
    [ -z "$(ls -A "$work")" ] || fail "files were written: $(ls -A "$work")"
}

# basecode.txt a named pipe, bg.bmp a link to an endless device, code.txt a
# pipe nobody reads: no prompt shows (they are not files to read), the save
# fails without waiting, and all three stay what they were.
scenario_special_files() {
    mkfifo "$work/basecode.txt" "$work/code.txt"
    ln -s /dev/zero "$work/bg.bmp"
    launch
    wait_screen editor
    click "${x_field[@]}"
    keys 0 0 6 4
    save_and_quit
    [ -p "$work/basecode.txt" ] && [ -p "$work/code.txt" ] && [ -L "$work/bg.bmp" ] ||
        fail "a special file was replaced: $(ls -l "$work")"
    [ "$(ls -A "$work" | wc -l)" = 3 ] || fail "files were left behind: $(ls -A "$work")"
}

# On a 16-bit and on an 8-bit (palette) display the program draws through its
# own 32-bit surface: the editor shows, a drag and a typed value give their
# lines. Colours are rounded there, so the checks use only white and the file.
scenario_shallow_displays() {
    local depth
    for depth in 16 8; do
        restart_x $depth
        rm -f "$work/code.txt"
        launch
        wait_screen editor
        click "${selector_plus[@]}"
        click "${x_field[@]}"
        keys 0 0 6 4
        save_and_quit
        expect_code "81211230 0064"
        note "depth $depth: editor shown, typed X saved"
    done
}

# Edit, save, start again with the saved code.txt as basecode.txt, accept it
# and save at once: the same file, a negative coordinate included.
scenario_round_trip() {
    launch
    wait_screen editor
    click "${y_field[@]}"
    keys f f f 9 # the A Button 7 above the top edge
    settle typed # so that the move is not taken for the colour change below
    press 100 256
    wait_for picked "the A Button to change colour" region_changed "$(at typed)" 186 0 80 80
    release
    click "${selector_plus[@]}"
    click "${scale_field[@]}"
    keys 0 3 0 0
    save_and_quit
    expect_code "812114C4 FFF9" "81211240 0300" "812114D0 0009" "812114D2 00F6"
    mv "$work/code.txt" "$work/basecode.txt"
    cp "$work/basecode.txt" "$root/first.txt"
    launch
    wait_screen basecode-prompt
    click "${yes[@]}"
    wait_screen editor
    save_and_quit
    cmp -s "$root/first.txt" "$work/code.txt" || fail "the second save differs:
$(diff "$root/first.txt" "$work/code.txt" || true)"
}

# The window as the user's guide shows it (docs/editor.png): the editor at the
# game's own layout, A Button selected, its values in the panel. The picture
# in docs must be this window pixel for pixel; with HUDWRIGHT_E2E_UPDATE_DOCS=1
# the scenario writes it anew instead (`HUDWRIGHT_E2E_UPDATE_DOCS=1 ./test -R
# e2e_screenshot` after changing the artwork or the panel).
scenario_screenshot() {
    local docs
    docs=$(cd "$here/../../docs" && pwd)/editor.png
    launch
    wait_screen editor
    # The first frame draws the panel before its values are filled in; wait
    # for the colour field's text, then for two shots in a row to agree.
    wait_for screenshot "the panel's values" color_field_written
    wait_for screenshot_again "a still window" same_as "$(at screenshot)"
    convert "xwd:$(at screenshot_again)" -strip "png:$root/editor.png" || fail "could not convert the screenshot"
    if [ "${HUDWRIGHT_E2E_UPDATE_DOCS:-0}" = 1 ]; then
        cp "$root/editor.png" "$docs" || fail "could not write $docs"
        note "wrote $docs"
    else
        [ -f "$docs" ] || fail "no $docs"
        local differ
        differ=$(compare -metric AE "$docs" "$root/editor.png" null: 2>&1) || true
        [ "$differ" = 0 ] || fail "docs/editor.png is not the window ($differ pixels differ); see $root/editor.png, \
rewrite it with HUDWRIGHT_E2E_UPDATE_DOCS=1 ./test -R e2e_screenshot"
    fi
    keys Escape
    wait_exit 0
}

# same_as BEFORE SHOT: the two shots agree in every pixel of the window.
same_as() { [ "$(probe "$2" diff "$1" 0 0 320 320)" = 0 ]; }
