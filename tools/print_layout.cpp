// print_layout.cpp - writes where things are, from the program's own tables,
// as bash assignments for the end-to-end scenarios (tests/e2e), so that they
// hold no copies of coordinates:
//
//   print_layout [FILE]        (standard output without FILE)
//
//   NAME=(X Y)             a point inside the box where a press counts (its centre)
//   NAME_box=(X0 Y0 X1 Y1) the box, both ends included
//   NAME_white=(X Y W H)   a value field's white area
//
// for every panel control and the prompts' "Yes" and "No", and for every
// element ELEMENT_home=(X Y) and ELEMENT_color=RRGGBB (its home colour), and
// meter_bar=(X Y W H), the Magic Meter's bar from its corner,
// save_note=(X Y W H), where the panel says how a save went, and
// caret_bar=(X Y W H), caret_color=RRGGBB and glyph_width=N: the caret of an
// entry, from the corner of the glyph cell after the places typed,
// code_offsets=(OOOOOO ...) and code_homes=(VVVV ...), every offset code.txt
// can hold, in its order, and the game's own value there;
// fixed_note=(X Y W H), where the note on a value the game keeps fixed
// stands, and hover_color=RRGGBB, guide_color=RRGGBB, the light dashes of the
// hover outline and of a drag's guides.
#include "draw/text.h"
#include "editor/marks.h"
#include "editor/panel.h"
#include "editor/startup.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void box(FILE* out, const std::string& name, int x0, int x1, int y0, int y1) {
    std::fprintf(out, "%s=(%d %d)\n%s_box=(%d %d %d %d)\n", name.c_str(), (x0 + x1) / 2, (y0 + y1) / 2,
                 name.c_str(), x0, y0, x1, y1);
}

// "  C-Down Number " -> c_down_number
std::string identifier(const char* name) {
    std::string id;
    for (const char* c = name; *c; c++) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            id += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        else if (!id.empty() && id.back() != '_')
            id += '_';
    }
    while (!id.empty() && id.back() == '_') id.pop_back();
    return id;
}

} // namespace

int main(int argc, char** argv) {
    FILE* out = argc > 1 ? std::fopen(argv[1], "w") : stdout;
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    // a box as its first and last pixel across and down
    auto box_of = [&](const char* name, const SDL_Rect& r) {
        box(out, name, r.x, r.x + r.w - 1, r.y, r.y + r.h - 1);
    };
    for (const panel_row& row : panel_table) {
        box_of(row.name, row.box);
        if (row.drawing == draw_field) // the white area
            std::fprintf(out, "%s_white=(%d %d %d %d)\n", row.name, row.at.x, row.at.y, row.at.w, row.at.h);
    }
    box_of("yes", yes_box);
    box_of("no", no_box);
    for (const element_row& row : element_table) {
        const std::string id = identifier(row.name);
        std::fprintf(out, "%s_home=(%d %d)\n", id.c_str(), row.home_x, row.home_y);
        if (row.color_slot != no_color) {
            const color_row& c = color_table[row.color_slot];
            std::fprintf(out, "%s_color=%02X%02X%02X\n", id.c_str(), c.r, c.g, c.b);
        }
    }
    std::fprintf(out, "meter_bar=(%d %d %d %d)\n", meter_bar.x, meter_bar.y, meter_bar.w, meter_bar.h);
    std::fprintf(out, "save_note=(%d %d %d %d)\n", save_note_area.x, save_note_area.y, save_note_area.w,
                 save_note_area.h);
    std::fprintf(out, "caret_bar=(%d %d %d %d)\ncaret_color=%02X%02X%02X\nglyph_width=%d\n", caret_bar.x,
                 caret_bar.y, caret_bar.w, caret_bar.h, caret_color.r, caret_color.g, caret_color.b,
                 glyph_width);
    layout home{};
    start_layout(home);
    std::string offsets, homes;
    char item[16];
    for (const code_entry& c : code_table) {
        if (!c.written) continue;
        std::snprintf(item, sizeof item, " %06X", static_cast<unsigned>(c.offset));
        offsets += item;
        std::snprintf(item, sizeof item, " %04X", static_cast<unsigned>(code_home(home, c) & 0xFFFFu));
        homes += item;
    }
    std::fprintf(out, "code_offsets=(%s)\ncode_homes=(%s)\n", offsets.c_str() + 1, homes.c_str() + 1);
    const int fixed_w = glyph_width * static_cast<int>(std::strlen(panel_notes[note_fixed_value].text));
    std::fprintf(out, "fixed_note=(%d %d %d %d)\n", save_note_area.x + save_note_area.w - fixed_w,
                 save_note_area.y, fixed_w, save_note_area.h);
    std::fprintf(out, "hover_color=%02X%02X%02X\nguide_color=%02X%02X%02X\n", hover_light.r, hover_light.g,
                 hover_light.b, guide_light.r, guide_light.g, guide_light.b);
    return std::fclose(out) == 0 ? 0 : 1;
}
