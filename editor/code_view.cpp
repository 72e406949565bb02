// code_view.cpp - the code view's pages and its drawing (see code_view.h).
#include "editor/code_view.h"

#include "draw/text.h"
#include "editor/panel.h"
#include "model/export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The export's lines are all code_line_chars long and end in a line end.
constexpr int line_bytes = code_line_chars + 1;

void text(editor& ed, int x, int y, const char* t) {
    draw_text(SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0}, t, ed.window.screen,
              font(ed.pictures, font_digits));
}

} // namespace

code_page page_of_codes(int n, int page) {
    code_page p{};
    p.pages        = std::max(1, (n + codes_per_page - 1) / codes_per_page);
    page           = std::clamp(page, 0, p.pages - 1);
    p.first        = page * codes_per_page;
    p.count        = std::clamp(n - p.first, 0, codes_per_page);
    const int cols = std::max(1, (p.count + code_rows - 1) / code_rows);
    p.rows         = (p.count + cols - 1) / cols;
    return p;
}

SDL_Rect code_line_at(const code_page& p, int i) {
    const int rows = std::max(1, p.rows);
    return {static_cast<Sint16>(code_left + i / rows * code_column_pitch),
            static_cast<Sint16>(code_top + i % rows * code_pitch), 0, 0};
}

int code_line_count(const layout& m) {
    char codes[export_capacity];
    return static_cast<int>(format_codes(m, codes, sizeof codes) / line_bytes);
}

void show_codes(codes_state& codes, const layout& m) {
    if (!codes.shown) {
        codes.shown = true;
        codes.page  = 0;
    } else if (++codes.page >= page_of_codes(code_line_count(m), 0).pages) {
        hide_codes(codes);
    }
}

void hide_codes(codes_state& codes) {
    codes.shown = false;
    codes.page  = 0;
}

void draw_codes(editor& ed) {
    if (!ed.codes.shown || !ed.window.screen) return;
    char codes[export_capacity];
    const int n         = static_cast<int>(format_codes(ed.design.model, codes, sizeof codes) / line_bytes);
    const code_page p   = page_of_codes(n, ed.codes.page);
    SDL_Surface* s      = ed.window.screen;
    SDL_Rect area       = preview_area;
    const Uint32 ground = SDL_MapRGB(s->format, 255, 255, 255);
    SDL_FillRect(s, &area, ground);

    char head[32];
    if (n == 0)
        std::snprintf(head, sizeof head, "NO CODES");
    else
        std::snprintf(head, sizeof head, "%d CODE%s", n, n == 1 ? "" : "S");
    text(ed, code_left, 0, head);
    if (p.pages > 1) {
        const int page = std::clamp(ed.codes.page, 0, p.pages - 1);
        std::snprintf(head, sizeof head, "PAGE %d OF %d", page + 1, p.pages);
        text(ed, code_right - glyph_width * static_cast<int>(std::strlen(head)), 0, head);
        if (page + 1 < p.pages) text(ed, code_next_x, 0, code_next);
    }
    SDL_Rect rule = {code_left, code_rule_y, code_right - code_left, 1};
    SDL_FillRect(s, &rule, SDL_MapRGB(s->format, caret_color.r, caret_color.g, caret_color.b));
    if (n == 0) {
        text(ed, code_left, code_top, "A SAVE WRITES AN EMPTY CODE.TXT");
        return;
    }
    // down each column, top to bottom: each cell's blank top rows over the
    // blank bottom rows of the one above
    for (int i = 0; i < p.count; i++) {
        char line[code_line_chars + 1] = {};
        std::memcpy(line, codes + (p.first + i) * line_bytes, code_line_chars);
        const SDL_Rect at = code_line_at(p, i);
        text(ed, at.x, at.y, line);
    }
}
