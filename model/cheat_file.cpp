// cheat_file.cpp - code.txt's lines as one RetroArch cheat (cheat_file.h).
#include "model/cheat_file.h"

#include <cstdio>
#include <cstring>

size_t format_cheat(const char* codes, size_t codes_len, char* out, size_t cap) {
    if (cap == 0) return 0;
    size_t len = 0;
    auto add   = [&](const char* text, size_t n) {
        n = n < cap - 1 - len ? n : cap - 1 - len; // cut where out ends, never past it
        std::memcpy(out + len, text, n);
        len += n;
    };
    auto add_text = [&](const char* text) { add(text, std::strlen(text)); };
    if (codes_len == 0) {
        add_text("cheats = 0\n");
    } else {
        add_text("cheats = 1\n\ncheat0_desc = \"");
        add_text(cheat_name);
        add_text("\"\ncheat0_code = \"");
        // the lines joined by "+": each line end but the last becomes one
        for (size_t from = 0; from < codes_len;) {
            const char* end = static_cast<const char*>(std::memchr(codes + from, '\n', codes_len - from));
            const size_t to = end ? static_cast<size_t>(end - codes) : codes_len;
            if (from != 0) add_text("+");
            add(codes + from, to - from);
            from = to + 1;
        }
        add_text("\"\ncheat0_enable = true\n");
    }
    out[len] = '\0';
    return len;
}
