// clipboard.cpp - Ctrl+C and its note, the hand-over at the end, and the
// text in Windows' form; the system's part is clipboard_x11.cpp's or
// clipboard_windows.cpp's (see clipboard.h).
#include "editor/clipboard.h"
#include "editor/state.h"

#include <cstdio>
#include <cstring>

void copy_codes(editor& ed) {
    clipboard& c = ed.codes.clip;
    char text[export_capacity];
    const size_t n = format_codes(ed.design.model, text, sizeof text);
    if (n == 0) { // an empty text would only wipe out what the clipboard holds
        show_note(ed.note, note_no_codes, ed.clock.now_ms);
        return;
    }
    std::memcpy(c.text, text, n + 1);
    c.length        = n;
    const char* why = put_on_clipboard(ed);
    show_note(ed.note, why ? note_no_clipboard : note_copied, ed.clock.now_ms);
    if (why && !c.said) {
        std::fprintf(stderr, "hudwright: cannot copy the codes: %s\n", why);
        c.said = true;
    }
}

std::u16string windows_text(const char* text, size_t length) {
    std::u16string w;
    w.reserve(length + length / 8);
    for (size_t i = 0; i < length; i++) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) w += u'\r';
        w += static_cast<char16_t>(static_cast<unsigned char>(text[i])); // ASCII: the same code
    }
    return w;
}
