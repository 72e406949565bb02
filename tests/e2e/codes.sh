# codes.sh - the code view and the clipboard in a real window, sourced by
# run.sh after scenarios.sh. The clipboard is read by another program, xclip;
# the hand-over at the end by a small clipboard manager of the suite's own
# (clipboard_manager.cpp, Linux only: Windows keeps the text itself); under
# Wine also by a Windows program (read_clipboard.cpp), CR LF and all. The
# view's layout, its paging, its keys and the notes are checked in-process
# (code_view_test).

# clipboard_is FILE [TARGET]: xclip reads FILE's very bytes from CLIPBOARD
# (as UTF8_STRING unless another target is given).
clipboard_is() {
    timeout 10 xclip -o -selection clipboard -t "${2:-UTF8_STRING}" >"$root/clipboard" 2>/dev/null &&
        cmp -s "$root/clipboard" "$1"
}
# shows_page PAGE SHOT: the shot's preview is pixel for pixel the page drawn in-process
# (home_frame pagePAGE.bmp work/code.txt PAGE).
shows_page() { compare -metric AE "bmp:$root/page$1.bmp[320x240+0+0]" "xwd:$2[320x240+0+0]" null: 2>/dev/null; }
# manager ARG: a clipboard manager (clipboard_manager.cpp) ready on the display; its pid in manager_pid.
manager() {
    "${HUDWRIGHT_E2E_CLIPBOARD_MANAGER:?}" "$1" >"$root/manager.out" 2>&1 &
    manager_pid=$!
    poll "the clipboard manager" grep -q ready "$root/manager.out"
}

# A base code that changes every value code.txt holds, taken at the prompt,
# and saved: C shows the first page of code.txt's lines and C again the
# second, each pixel for pixel the view of code.txt's layout drawn in-process;
# C once more goes back to the editor as it was (Escape and the other keys in
# the view: code_view_test). Ctrl+C then puts code.txt's very bytes on the clipboard, which
# xclip reads as UTF8_STRING, STRING and TEXT, TARGETS listing them; another
# program's copy takes the clipboard over, and Ctrl+C takes it back. On Linux
# a clipboard manager runs: Escape hands it the text, which it then holds
# after the program ended; with a manager that never answers the program still
# ends at once after its short wait.
scenario_codes() {
    local linux=1 i
    [ ${#runner[@]} -eq 0 ] || linux=""
    [ -z "$linux" ] || { start_x && manager "$root/managed"; }
    # a basecode.txt that changes every value code.txt can hold by one (a pixel, a step of scale, a level of colour)
    for i in "${!code_offsets[@]}"; do
        printf '81%s %04X\n' "${code_offsets[i]}" $(((0x${code_homes[i]} + 1) & 0xFFFF))
    done >"$work/basecode.txt"
    launch
    wait_screen basecode-prompt && keys Return && a_still_editor before
    keys ctrl+s
    poll "code.txt" test -s "$work/code.txt"
    [ "$(wc -l <"$work/code.txt")" -gt 54 ] || fail "only $(wc -l <"$work/code.txt") lines: one page"
    for page in 1 2; do home_frame "page$page.bmp" work/code.txt $page; done
    after "keys c" page1 "the code view's first page" shows_page 1
    after "keys c" page2 "the code view's second page" shows_page 2
    after "keys c" closed "the editor after the last page" same "$(at before)" 0 0 320 240

    after_poll "keys ctrl+c" "xclip to read code.txt from the clipboard" clipboard_is "$work/code.txt"
    if [ -z "$linux" ]; then # Windows' own text: CR LF (Wine hands X11 programs LF)
        "${runner[@]}" "${HUDWRIGHT_E2E_READ_CLIPBOARD:?}" >"$root/windows-clipboard" || fail "no text on Windows' clipboard"
        sed 's/$/\r/' "$work/code.txt" | cmp -s - "$root/windows-clipboard" || fail "Windows' clipboard is not code.txt with CR LF"
    fi
    for target in STRING TEXT; do clipboard_is "$work/code.txt" $target || fail "the clipboard as $target differs"; done
    xclip -o -selection clipboard -t TARGETS >"$root/targets" || fail "no TARGETS"
    for target in UTF8_STRING STRING TEXT; do grep -qx $target "$root/targets" || fail "TARGETS lacks $target"; done
    printf 'other' >"$root/other"
    xclip -i -quiet -selection clipboard "$root/other" >/dev/null 2>&1 &
    local other=$!
    poll "another program's copy" clipboard_is "$root/other"
    after_poll "keys ctrl+c" "Ctrl+C to take the clipboard back" clipboard_is "$work/code.txt"
    poll "the other program to let go of the clipboard" eval '! kill -0 $other 2>/dev/null'
    quit
    [ -n "$linux" ] || return 0

    poll "the manager to have taken the text" test -s "$root/managed"
    cmp "$root/managed" "$work/code.txt" || fail "the manager got: $(head -n 3 "$root/managed")"
    clipboard_is "$work/code.txt" || fail "the clipboard after the end is not code.txt"
    kill "$manager_pid"
    manager --silent
    launch # code.txt holds the design now: it is offered first, and taken
    wait_screen code-prompt && keys Return && wait_screen editor
    after_poll "keys ctrl+c" "the copy" clipboard_is "$work/code.txt"
    keys Escape
    wait_limit=15 wait_exit # the hand-over waits two seconds at most
}
