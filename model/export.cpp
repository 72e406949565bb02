// export.cpp - the code export: changed values to "81%06X %04X" lines.
#include "model/export.h"

#include <cstdio>

namespace {

struct line_writer {
    char* out;
    size_t cap, len;
    void line(int32_t offset, uint32_t value) {
        if (len >= cap) return;
        int n = std::snprintf(out + len, cap - len, "81%06X %04X\n", static_cast<unsigned>(offset),
                              static_cast<unsigned>(value & 0xFFFFu));
        if (n > 0) len += static_cast<size_t>(n) < cap - len ? static_cast<size_t>(n) : cap - len - 1;
    }
};

} // namespace

size_t format_codes(const layout& m, char* out, size_t cap) {
    if (cap == 0) return 0;
    out[0] = '\0';
    line_writer w{out, cap, 0};
    for (const code_entry& c : code_table) {
        if (c.written && code_value(m, c) != code_home(m, c)) w.line(c.offset, code_value(m, c));
    }
    return w.len;
}
