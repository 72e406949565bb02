// code_view_test.cpp - the code view and the copy, in-process on SDL's dummy
// driver: the pages' layout for every number of lines, the view read back
// from the screen glyph by glyph against code.txt as a save writes it, the
// keys and presses while it shows, the frames it sends, the notes of a copy
// where there is no clipboard, and the text in Windows' form (on Windows, the
// real clipboard read back). The X11 clipboard itself: e2e_codes.
#include "draw/rect.h"
#include "draw/text.h"
#include "editor/clipboard.h"
#include "editor/code_view.h"
#include "model/export.h"
#include "support.h"

#include <algorithm>
#include <vector>

namespace {

// The glyph cells of font 0 whose rows 0 to 11 (the ink and above it) match
// the screen's at x, y, read as their characters: a blank cell is a space, a
// cell like no glyph '#'.
std::string read_text(editor& ed, int x, int y, int n) {
    static const char glyphs[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-+.?";
    SDL_Surface* f             = font(ed.pictures, font_digits);
    auto rgb                   = [](SDL_Surface* s, int px, int py) {
        Uint8 c[3];
        SDL_GetRGB(pixel_at(s, px, py), s->format, c, c + 1, c + 2);
        return c[0] << 16 | c[1] << 8 | c[2];
    };
    auto matches = [&](int cell, int at) { // cell -1: blank
        for (int row = 0; row < 12; row++)
            for (int col = 0; col < glyph_width; col++)
                if (rgb(ed.window.screen, at + col, y + row) !=
                    (cell < 0 ? 0xFFFFFF : rgb(f, cell * glyph_width + col, row)))
                    return false;
        return true;
    };
    std::string out;
    for (int i = 0; i < n; i++) {
        const int at = x + i * glyph_width;
        char c       = matches(-1, at) ? ' ' : '#';
        for (int g = 0; c == '#' && glyphs[g]; g++)
            if (matches(g, at)) c = glyphs[g];
        out += c;
    }
    return out;
}

struct code_view : editor_test {
    void script(const std::string& s) {
        push_script(s);
        passes(1);
    }
    // Every value code.txt can hold one away from the game's own.
    void change_every_value() {
        for (const code_entry& c : code_table)
            set_code_value(ed.design.model, c, code_home(ed.design.model, c) + 1);
    }
    // The lines the view shows now, read from the screen, each with its line end.
    std::string lines_shown() {
        const code_page p = page_of_codes(code_line_count(ed.design.model), ed.codes.page);
        std::string out;
        for (int i = 0; i < p.count; i++) {
            const SDL_Rect at = code_line_at(p, i);
            out += read_text(ed, at.x, at.y, code_line_chars) + "\n";
        }
        return out;
    }
    std::string header(int from, int n) { return read_text(ed, from, 0, n); }
};

// For every number of lines: each page but the last is full, the pages hold
// every line once and in order, a page's lines go down its columns in reading
// order, as few columns as hold them, of equal length but the last; every
// line's cell lies in the preview below the rule, and no two lines' ink
// (rows 3 to 11 of a cell, 13 glyphs) touches. A page asked for beyond the
// last is the last.
TEST(code_pages, hold_every_line_once_in_order_in_few_columns_apart_within_the_preview) {
    for (int n : {0, 1, 2, 17, 18, 19, 35, 37, 53, 54, 55, 74, 107, 108, 109}) {
        SCOPED_TRACE(n);
        const int pages = page_of_codes(n, 0).pages;
        int next        = 0;
        for (int page = 0; page < pages; page++) {
            const code_page p = page_of_codes(n, page);
            EXPECT_EQ(p.pages, pages);
            EXPECT_EQ(p.first, next) << "page " << page;
            EXPECT_TRUE(page == pages - 1 ? p.count > 0 || n == 0 : p.count == codes_per_page) << page;
            next += p.count;
            std::vector<SDL_Rect> ink;
            std::vector<int> down; // the lines in each column
            for (int i = 0; i < p.count; i++) {
                const SDL_Rect at = code_line_at(p, i), before = code_line_at(p, std::max(i - 1, 0));
                ink.push_back({at.x, Sint16(at.y + 3), Uint16(code_line_chars * glyph_width), 9});
                EXPECT_TRUE(at.x >= 0 && at.x + code_line_chars * glyph_width <= 320 && at.y > code_rule_y &&
                            at.y + glyph_height <= 240)
                    << i;
                EXPECT_TRUE(i == 0 ||
                            (at.x == before.x ? at.y > before.y : at.x > before.x && at.y == code_top))
                    << i;
                if (i == 0 || at.x != before.x) down.push_back(0);
                down.back()++;
            }
            const int used = int(down.size());
            EXPECT_EQ(used, (p.count + code_rows - 1) / code_rows) << "as few columns as hold them";
            for (int c = 0; c + 1 < used; c++) EXPECT_TRUE(down[c] == down[0] && down.back() <= down[0]);
            if (used > 1) { // balanced, not one column full and one short
                EXPECT_GT(down.back(), down[0] - used);
            }
            for (size_t a = 0; a < ink.size(); a++)
                for (size_t b = a + 1; b < ink.size(); b++) {
                    const SDL_Rect &r = ink[a], &s = ink[b];
                    EXPECT_TRUE(r.x + r.w < s.x || s.x + s.w < r.x || r.y + r.h < s.y || s.y + s.h < r.y)
                        << a << " and " << b << " touch";
                }
        }
        EXPECT_EQ(next, n);
        EXPECT_EQ(page_of_codes(n, pages).first, page_of_codes(n, pages - 1).first);
        EXPECT_EQ(page_of_codes(n, -1).first, 0);
    }
}

// The view read back glyph by glyph: its header (the count, the page when
// there are several) and exactly the lines of code.txt as a save writes it,
// page after page, over a white preview with the panel below as it was; C
// after the last page shows the editor again. A picture is sent when the view
// opens, turns its page or closes, and not while it only shows.
TEST_F(code_view, shows_exactly_the_lines_a_save_writes_page_by_page_with_their_count) {
    // clang-format off
    const struct { const char* what; const char* edits; bool every; int pages; } rows[] = {
        {"the game's own layout", "", false, 1},
        {"one value", "Right", false, 1},
        {"a few", "Right Down Tab Shift+Left click:color_bar", false, 1},
        {"every value", "", true, 2},
    };
    // clang-format on
    auto c = [&] { // C, then passes that change nothing
        const Uint32 sent = ed.window.pictures_sent;
        script("c");
        passes(3);
        EXPECT_EQ(ed.window.pictures_sent, sent + 1) << ed.codes.shown << " " << ed.codes.page;
    };
    for (auto& r : rows) {
        SCOPED_TRACE(r.what);
        restart();
        if (r.every) change_every_value();
        script(r.edits);
        script("Ctrl+s");
        passes(1);
        SDL_Surface* editor_frame = copy_of(ed.window.screen);
        const std::string saved   = read_file("code.txt");
        const long n              = std::count(saved.begin(), saved.end(), '\n');
        const std::string head    = n == 0 ? "NO CODES " : n == 1 ? "1 CODE " : std::to_string(n) + " CODES ";
        std::string shown;
        for (int page = 0; page < r.pages; page++) {
            SCOPED_TRACE(page);
            c();
            ASSERT_TRUE(ed.codes.shown);
            EXPECT_EQ(header(code_left, int(head.size())), head);
            const std::string of = r.pages > 1 ? "PAGE " + std::to_string(page + 1) + " OF 2" : "           ";
            EXPECT_EQ(header(code_right - 11 * glyph_width, 11), of);
            EXPECT_EQ(header(code_next_x, 13), page + 1 < r.pages ? "C - NEXT PAGE" : "             ");
            shown += lines_shown();
            if (saved.empty()) {
                EXPECT_EQ(read_text(ed, code_left, code_top, 31), "A SAVE WRITES AN EMPTY CODE.TXT");
            }
            int other = 0; // below the panel's top, nothing changed
            for (int y = 240; y < 320; y++)
                for (int x = 0; x < 320; x++)
                    other += pixel_at(ed.window.screen, x, y) != pixel_at(editor_frame, x, y);
            EXPECT_EQ(other, 0);
        }
        EXPECT_EQ(shown, saved);
        c();
        EXPECT_FALSE(ed.codes.shown);
        EXPECT_TRUE(same_pixels(ed.window.screen, editor_frame)) << "the editor again, as it was";
        SDL_FreeSurface(editor_frame);
    }
}

// While the view shows, C turns its page and closes it after the last; any
// other key or a press closes it and does nothing else - no element moved or
// selected, nothing saved, Escape no quit - but Ctrl+C copies too (here, with
// no clipboard, NO CLIPBOARD); a modifier pressed alone leaves it. Inside an
// entry c is a digit. Opening it lets go of a held button.
TEST_F(code_view, takes_every_key_and_press_while_it_shows) {
    // clang-format off
    const struct { const char* script; bool every; bool shown; int page; panel_note note; } rows[] = {
        // the script; every value changed (two pages); whether the view shows then, at which page; the note
        {"c",                   false, true,  0, note_none},
        {"c c",                 false, false, 0, note_none},
        {"c c",                 true,  true,  1, note_none},
        {"c c c",               true,  false, 0, note_none},
        {"c Shift+c",           true,  true,  1, note_none},
        {"c LCtrl LShift",      false, true,  0, note_none},
        {"c Right",             false, false, 0, note_none},
        {"c Escape",            false, false, 0, note_none},
        {"c Tab",               false, false, 0, note_none},
        {"c Ctrl+s",            false, false, 0, note_none},
        {"c Ctrl+z",            false, false, 0, note_none},
        {"c click:save",        false, false, 0, note_none},
        {"c click@130,100",     false, false, 0, note_none},
        {"c click:x_field 1",   false, false, 0, note_none},
        {"c Ctrl+c",            false, false, 0, note_no_clipboard},
        {"c Ctrl+Shift+c",      true,  false, 0, note_no_clipboard},
        {"click:x_field c",     false, false, 0, note_none},
    };
    // clang-format on
    for (auto& r : rows) {
        SCOPED_TRACE(r.script);
        restart();
        script("Right"); // the A Button one pixel right: one line
        if (r.every) change_every_value();
        passes(1);
        const std::vector<std::string> before = changes(ed.design.model);
        const int selected                    = ed.design.model.selected;
        stderr_of([&] { script(r.script); });
        EXPECT_EQ(ed.codes.shown, r.shown);
        EXPECT_EQ(ed.codes.page, r.page);
        EXPECT_EQ(ed.note.shown, r.note);
        EXPECT_TRUE(ed.run.running);
        EXPECT_EQ(ed.design.model.selected, selected);
        EXPECT_FALSE(std::filesystem::exists("code.txt"));
        if (std::string(r.script) == "click:x_field c")
            EXPECT_EQ(field(field_x), "C") << "in an entry, c is typed";
        else
            EXPECT_EQ(changes(ed.design.model), before);
    }

    restart();
    script("press:scale_plus c");
    ed.clock.now_ms += 3000; // held: hundreds of steps, had it not been let go
    passes(2);
    EXPECT_EQ(ed.design.model.scales[sc_a_button].value, ed.design.model.scales[sc_a_button].home + 1);
}

// Where no clipboard is (the dummy driver): NO CLIPBOARD until the next press,
// and the reason once a run on standard error; nothing to copy: NO CODES for
// a second, nothing said, the clipboard left alone.
TEST_F(code_view, a_copy_without_a_clipboard_or_without_codes_says_so) {
    std::string said = stderr_of([&] { script("Ctrl+c"); });
    EXPECT_TRUE(ed.note.shown == note_no_codes && said.empty()) << said;
    ed.clock.now_ms += panel_notes[note_no_codes].lasts_ms;
    passes(1);
    EXPECT_EQ(ed.note.shown, note_none);
    script("Right");
    said = stderr_of([&] { script("Ctrl+c"); });
    EXPECT_EQ(ed.note.shown, note_no_clipboard);
#ifdef _WIN32
    EXPECT_EQ(said, "hudwright: cannot copy the codes: the program has no window\n");
#else
    EXPECT_EQ(said, "hudwright: cannot copy the codes: the window is on no X11 display\n");
#endif
    ed.clock.now_ms += 60000;
    said = stderr_of([&] { script("Ctrl+Shift+c"); });
    EXPECT_TRUE(ed.note.shown == note_no_clipboard && said.empty()) << "said once a run: " << said;
    script("click@150,300");
    EXPECT_EQ(ed.note.shown, note_none);
}

TEST(windows_text, has_cr_lf_line_ends_and_the_same_characters) {
    // clang-format off
    const struct { std::string text; std::u16string windows; } rows[] = {
        {"", u""},
        {"812114C6 00BB\n", u"812114C6 00BB\r\n"},
        {"812114C6 00BB\n812114C8 FE90\n", u"812114C6 00BB\r\n812114C8 FE90\r\n"},
        {"\n\n", u"\r\n\r\n"},
        {"A\r\nB", u"A\r\nB"}, // already Windows'
    };
    // clang-format on
    for (const auto& r : rows) EXPECT_EQ(windows_text(r.text.data(), r.text.size()), r.windows) << r.text;
}

} // namespace
