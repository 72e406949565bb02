// frame.cpp - one editor frame, in a fixed order: the panel under the
// background (value fields and their texts, an entry's caret, a field whose
// value no save keeps struck through, the X and Y signs, the selector), the
// background, the selected element's size, the background, the grid, the
// colour bar and the Scale signs, the elements in drawing order, the outline
// of the element a press would take, the selected element's outline over
// them, a drag's guides, the save button, the note after a save; then the
// flip.
//
// Element pictures are never kept recoloured or scaled: each is decoded afresh
// from its stream, changed, drawn and freed within the frame (a picture drawn
// unchanged, like the four numbers', is decoded once per frame). A scaled
// picture is made only where it lands inside the screen - the same pixels, at
// the same place, as the whole of it. Where each element goes was decided by
// the update (editor/update.h); nothing here writes the state.
#include "editor/frame.h"

#include "draw/outline.h"
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "editor/code_view.h"
#include "editor/fields.h"
#include "editor/marks.h"
#include "editor/window.h"
#include "editor/state.h"
#include "model/layout.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

void fill(SDL_Surface* screen, SDL_Rect r, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_FillRect(screen, &r, SDL_MapRGB(screen->format, red, green, blue));
}

void text(editor& ed, Sint16 x, Sint16 y, const char* t, font_id f) {
    draw_text(SDL_Rect{x, y, 0, 0}, t, ed.window.screen, font(ed.pictures, f));
}

// ---- elements ------------------------------------------------------------------

// Blits a whole picture with its corner at `at` (a copy: nothing is written back).
void blit(SDL_Surface* p, SDL_Surface* screen, SDL_Rect at) {
    if (p) SDL_UpperBlit(p, nullptr, screen, &at);
}

// Draws what zoom_surface(p, 1, f) blitted at `at` would draw. Only the part
// that lands inside the screen's clip rectangle is scaled, so a picture scaled
// thousands of pixels wide costs no more than the window it is seen in.
void blit_scaled(SDL_Surface* p, float f, SDL_Surface* screen, SDL_Rect at) {
    int w = 0, h = 0;
    if (!p || !zoom_size(p, 1.0f, f, &w, &h)) return;
    blit_area seen = {0, 0, w, h};
    if (!clip_blit(seen, w, h, at, screen->clip_rect)) return;
    SDL_Surface* part = zoom_part(p, 1.0f, f,
                                  SDL_Rect{static_cast<Sint16>(seen.x), static_cast<Sint16>(seen.y),
                                           static_cast<Uint16>(seen.w), static_cast<Uint16>(seen.h)});
    if (!part) return;
    blit(part, screen, at);
    SDL_FreeSurface(part);
}

// A picture drawn unchanged is decoded once per frame and shared; the others
// are decoded for each drawing and freed after it.
struct frame_pictures {
    SDL_Surface* shared[picture_count] = {};
    ~frame_pictures() {
        for (SDL_Surface* p : shared)
            if (p) SDL_FreeSurface(p);
    }
};

void draw_element(editor& ed, frame_pictures& shared, int e) {
    const element_row& row     = element_table[e];
    const element_place& place = ed.design.places[e];
    const SDL_Color& color = ed.design.model.colors[row.color_slot == no_color ? 0 : row.color_slot].value;
    SDL_Surface* screen    = ed.window.screen;
    const bool scaled      = row.rule != rule_own_size;

    if (row.tint == tint_bar) { // the bar lies under the picture at a fixed size, whatever the picture's
        const SDL_Rect& at = place.at;
        if (fits16(at.x + meter_bar.x) && fits16(at.y + meter_bar.y))
            fill(screen,
                 SDL_Rect{static_cast<Sint16>(at.x + meter_bar.x), static_cast<Sint16>(at.y + meter_bar.y),
                          meter_bar.w, meter_bar.h},
                 color.r, color.g, color.b);
    }

    const bool unchanged = !scaled && row.tint != tint_picture;
    SDL_Surface* picture = nullptr;
    if (!unchanged)
        picture = fresh_picture(ed.pictures, row.picture, row.alpha);
    else if (!(picture = shared.shared[row.picture]))
        picture = shared.shared[row.picture] = fresh_picture(ed.pictures, row.picture, row.alpha);
    if (!picture) return;
    if (row.tint == tint_picture) recolor(picture, color.r, color.g, color.b, 255); // white takes the colour

    // The overlay goes over the picture at the corner as the edge holds it.
    SDL_Surface* overlay = nullptr;
    const bool own       = row.overlay != pic_none && is_stream(row.overlay);
    if (row.overlay != pic_none)
        overlay =
            own ? fresh_picture(ed.pictures, row.overlay, true) : kept_picture(ed.pictures, row.overlay);
    if (scaled) {
        blit_scaled(picture, place.factor, screen, place.at);
        blit_scaled(overlay, place.factor, screen, place.held_at);
    } else {
        blit(picture, screen, place.at);
        blit(overlay, screen, place.held_at);
    }
    if (!unchanged) SDL_FreeSurface(picture);
    if (own && overlay) SDL_FreeSurface(overlay);
}

} // namespace

// ---- the selection -------------------------------------------------------------

void draw_selection(const design_state& design, const window_state& window) {
    const int e = design.model.selected;
    if (e < 0 || e >= element_count || !design.places[e].drawn) return;
    const SDL_Rect& at       = design.places[e].at;
    const element_size& s    = design.model.element_sizes[e];
    const SDL_PixelFormat* f = window.screen->format;
    dashed_outline(window.screen, {at.x, at.y, s.w, s.h}, preview_area, SDL_MapRGB(f, 255, 255, 255),
                   SDL_MapRGB(f, 0, 0, 0));
}

// ---- panel -------------------------------------------------------------------

void draw_panel(editor& ed, panel_layer layer) {
    SDL_Surface* s = ed.window.screen;
    if (layer == layer_under_background) fill(s, panel_area, 0, 0, 0);
    for (const panel_row& row : panel_table) {
        if (row.layer != layer) continue;
        switch (row.drawing) {
        case draw_picture: blit_opaque(kept_picture(ed.pictures, row.picture), s, row.at.x, row.at.y); break;
        case draw_sign: text(ed, row.at.x, row.at.y, row.sign, font_labels); break;
        case draw_field: {
            const auto field = static_cast<value_field>(row.argument);
            fill(s, row.at, 255, 255, 255);
            text(ed, row.at.x, row.at.y, field_text(ed.input, ed.design.model, field).s, font_digits);
            if (const int n = caret_place(ed.input, field); n >= 0)
                fill(s,
                     SDL_Rect{static_cast<Sint16>(row.at.x + n * glyph_width + caret_bar.x),
                              static_cast<Sint16>(row.at.y + caret_bar.y), caret_bar.w, caret_bar.h},
                     caret_color.r, caret_color.g, caret_color.b);
            if (field_never_saved(ed.design.model, field))
                fill(s, SDL_Rect{row.at.x, static_cast<Sint16>(row.at.y + strike.y), row.at.w, strike.h},
                     strike_red, 0, 0);
            break;
        }
        }
    }
    for (const panel_label& label : panel_labels)
        if (label.layer == layer)
            text(ed, label.x, label.y, label.text ? label.text : element_table[ed.design.model.selected].name,
                 font_labels);
}

// The panel's note (panel.h), right-aligned in its area; a failed save's
// reason under "NOT SAVED" (or under the reason's own heading).
void draw_panel_note(editor& ed) {
    const panel_note_row& row = panel_notes[ed.note.shown];
    if (!*row.text) return;
    const int right = save_note_area.x + save_note_area.w;
    auto width      = [](const char* t) { return glyph_width * static_cast<int>(std::strlen(t)); };
    if (row.look == look_plain) {
        text(ed, static_cast<Sint16>(right - width(row.text)), save_note_area.y, row.text, font_labels);
        return;
    }
    // dark on white, the spaces between the words included; with a reason,
    // one white block as wide as the longer line, both lines right-aligned
    const save_reason_row& reason = save_reasons[ed.note.reason];
    const char* why               = row.with_reason ? reason.text : "";
    const int lines               = *why ? 2 : 1;
    const char* t[2]              = {row.with_reason && reason.heading ? reason.heading : row.text, why};
    const int w                   = std::max(width(t[0]), width(t[1]));
    const int top                 = lines == 2 ? reason_note_y : save_note_area.y;
    const SDL_Rect at = {static_cast<Sint16>(right - w), static_cast<Sint16>(top), static_cast<Uint16>(w),
                         static_cast<Uint16>(glyph_height * lines)};
    fill(ed.window.screen, at, 255, 255, 255);
    for (int i = 0; i < lines; i++)
        text(ed, static_cast<Sint16>(right - width(t[i])), static_cast<Sint16>(top + glyph_height * i), t[i],
             font_digits);
}

// ---- the frame -------------------------------------------------------------------

void draw_frame(editor& ed) {
    SDL_Surface* s = ed.window.screen;
    if (!s) return;
    draw_panel(ed, layer_under_background);
    draw_size(ed);
    blit_opaque(ed.pictures.background, s, 0, 0);
    draw_grid(ed.window);
    draw_panel(ed, layer_over_background);
    {
        frame_pictures shared;
        for (element_id e : draw_order)
            if (ed.design.places[e].drawn) draw_element(ed, shared, e);
    }
    draw_hover(ed);
    draw_selection(ed.design, ed.window);
    draw_guides(ed.window, ed.input.guides);
    draw_panel(ed, layer_top);
    draw_panel_note(ed);
    draw_codes(ed); // the code view over the preview, when it shows
    show_screen(ed.window);
}
