// golden_frame_test.cpp - the editor's frame against a straightforward
// rendering of the same frame, pixel for pixel (all four bytes of every
// screen pixel) and in the positions and sizes it writes back.
//
// The straightforward rendering decodes every picture from its temporary file
// (which picture each stream holds is pictures_test's), recolours it byte by
// byte, scales the whole picture by the sampling rule and blits it whole; its
// once-loaded pictures and fonts are freshly loaded and never converted. So
// whatever draw_frame does to be quick - decoding from memory, pictures kept in
// the screen's format, scaling only what can be seen - must come out the same.
#include "assets/pictures.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "support.h"
#include "ui/frame.h"
#include "ui/startup.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// ---- the straightforward frame -----------------------------------------------------

SDL_Surface* plain_decode(image_stream& s, bool alpha) {
    std::fseek(s.file, 0, SEEK_SET);
    SDL_Surface* p = SDL_LoadBMP_RW(s.rw, 0);
    if (p && alpha) enable_pixel_alpha(p);
    return p;
}

void plain_recolor(SDL_Surface* p, const SDL_Color& c) {
    const unsigned factor[4] = {c.b, c.g, c.r, 255};
    Uint8* bytes             = static_cast<Uint8*>(p->pixels);
    for (int i = 0; i < p->w * p->h * 4; i++) bytes[i] = static_cast<Uint8>(0u - bytes[i] * factor[i % 4]);
}

// Every row i, column j samples (trunc(j / f), trunc(i / f)); nullptr for a
// size of 0 or above 4096.
SDL_Surface* plain_zoom(SDL_Surface* p, float f) {
    double w = std::trunc(p->w * static_cast<double>(f)), h = std::trunc(p->h * static_cast<double>(f));
    if (!(w >= 1 && h >= 1 && w <= 4096 && h <= 4096)) return nullptr;
    const SDL_PixelFormat* fm = p->format;
    SDL_Surface* z            = SDL_CreateRGBSurface(p->flags, static_cast<int>(w), static_cast<int>(h),
                                                     fm->BitsPerPixel, fm->Rmask, fm->Gmask, fm->Bmask, fm->Amask);
    std::vector<int> columns(z->w);
    int* sx = columns.data();
    for (int j = 0; j < z->w; j++) sx[j] = static_cast<int>(j / static_cast<double>(f));
    for (int i = 0; i < z->h; i++) {
        const Uint32* from = reinterpret_cast<const Uint32*>(
            static_cast<Uint8*>(p->pixels) + static_cast<int>(i / static_cast<double>(f)) * p->pitch);
        Uint32* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(z->pixels) + i * z->pitch);
        for (int j = 0; j < z->w; j++) to[j] = from[sx[j]];
    }
    return z;
}

// The once-loaded pictures and fonts, freshly loaded and never converted.
struct plain_pictures {
    SDL_Surface* rupee_overlay  = with_alpha(load_image(bRUPEEOVERLAY, bRUPEEOVERLAY_size));
    SDL_Surface* hearts_overlay = with_alpha(load_image(bHEARTSOVERLAY, bHEARTSOVERLAY_size));
    SDL_Surface* map_overlay    = with_alpha(load_image(bMAPOVERLAY, bMAPOVERLAY_size));
    SDL_Surface* color_picker   = load_image(bCOLORPICKER, bCOLORPICKER_size);
    SDL_Surface* save_button    = load_image(bSAVE, bSAVE_size);
    SDL_Surface* fonts[2]       = {load_image(bCHARACTERS, bCHARACTERS_size),
                                   load_image(bALPHABET, bALPHABET_size)};
    SDL_Surface* background     = load_image(bBG, bBG_size); // unless a test loads its own
    static SDL_Surface* with_alpha(SDL_Surface* p) {
        enable_pixel_alpha(p);
        return p;
    }
    ~plain_pictures() {
        for (SDL_Surface* p : {rupee_overlay, hearts_overlay, map_overlay, color_picker, save_button,
                               fonts[0], fonts[1], background})
            SDL_FreeSurface(p);
    }
};

void fill(SDL_Surface* to, SDL_Rect r, Uint32 v) { // by value: SDL clips the rectangle in place
    SDL_FillRect(to, &r, v);
}

// Steps 1 to 8 and 12 to 17 of the frame, as plainly as they can be done,
// decoding the editor's streams from their files; the held-button steps are
// idle in these tests.
void plain_frame(plain_pictures& pics, editor& ed, layout& m, SDL_Surface* to) {
    SDL_Surface* kept_fonts[2] = {font[0], font[1]};
    font[0]                    = pics.fonts[0];
    font[1]                    = pics.fonts[1];
    fill(to, ed.panel_rect, 0);
    fill(to, ed.color_field, 0xFFFFFF);
    fill(to, ed.scale_field, 0xFFFFFF);
    drawtext(ed.color_field, ed.color_text, to, 0);
    drawtext(ed.scale_field, ed.scale_text, to, 0);
    SDL_Rect xv = ed.x_control, yv = ed.y_control;
    xv.x = static_cast<Sint16>(xv.x + 43);
    yv.x = static_cast<Sint16>(yv.x + 43);
    drawtext(ed.x_control, "- X +", to, 1);
    fill(to, xv, 0xFFFFFF);
    drawtext(xv, ed.x_text, to, 0);
    drawtext(ed.y_control, "- Y +", to, 1);
    fill(to, yv, 0xFFFFFF);
    drawtext(yv, ed.y_text, to, 0);
    const char* name = m.element_names[m.selected];
    drawtext(ed.selector_pos, "-", to, 1);
    drawtext(SDL_Rect{22, 296, 0, 0}, name, to, 1);
    drawtext(SDL_Rect{static_cast<Sint16>(29 + 7 * std::strlen(name)), 296, 0, 0}, "+", to, 1);
    SDL_Rect origin = {0, 0, 0, 0}, bar = ed.color_bar_pos;
    SDL_UpperBlit(pics.background, nullptr, to, &origin);
    SDL_UpperBlit(pics.color_picker, nullptr, to, &bar);
    drawtext(ed.scale_label_pos, "- Scale +", to, 1);

    for (int e = 0; e <= 5; e++) {
        float f = element_factor(m, e);
        if (!(f > 0)) continue;
        SDL_Surface *face = plain_decode(ed.streams[s_button], true),
                    *over = plain_decode(ed.streams[s_buttonoverlay], true);
        plain_recolor(face, m.colors[color_slot_of(e)].value);
        SDL_Surface *bf = plain_zoom(face, f), *bo = plain_zoom(over, f);
        if (bf && bo) {
            m.element_sizes[e] = {bf->w, bf->h};
            SDL_Rect& pos      = m.elements[e].pos;
            int in             = e == 0 ? 7 : 0;
            pos.x              = static_cast<Sint16>(pos.x + in);
            pos.y              = static_cast<Sint16>(pos.y + in);
            SDL_UpperBlit(bf, nullptr, to, &pos);
            SDL_UpperBlit(bo, nullptr, to, &pos);
            pos.x = static_cast<Sint16>(pos.x - in);
            pos.y = static_cast<Sint16>(pos.y - in);
        }
        for (SDL_Surface* p : {face, over, bf, bo})
            if (p) SDL_FreeSurface(p);
    }
    const stream_id icons[] = {s_action, s_bow, s_navi, s_bow, s_bow, s_bow};
    for (int e = 11; e <= 16; e++) {
        float f = element_factor(m, e);
        if (!(f > 0)) continue;
        SDL_Surface* icon  = plain_decode(ed.streams[icons[e - 11]], true);
        SDL_Surface* drawn = e == 13 ? icon : plain_zoom(icon, f);
        if (drawn) {
            m.element_sizes[e] = {drawn->w, drawn->h};
            SDL_UpperBlit(drawn, nullptr, to, &m.elements[e].pos);
            if (drawn != icon) SDL_FreeSurface(drawn);
        }
        SDL_FreeSurface(icon);
    }
    SDL_Surface* number = plain_decode(ed.streams[s_99], false);
    for (int e = 17; e <= 20; e++) {
        m.element_sizes[e] = {number->w, number->h};
        SDL_UpperBlit(number, nullptr, to, &m.elements[e].pos);
    }
    SDL_FreeSurface(number);
    const stream_id status[]     = {s_rupee, s_999, s_hearts, s_map};
    SDL_Surface* const overlay[] = {pics.rupee_overlay, nullptr, pics.hearts_overlay, pics.map_overlay};
    for (int e = 6; e <= 9; e++) {
        SDL_Surface* p = plain_decode(ed.streams[status[e - 6]], true);
        if (e != 7) plain_recolor(p, m.colors[color_slot_of(e)].value);
        SDL_UpperBlit(p, nullptr, to, &m.elements[e].pos);
        if (overlay[e - 6]) SDL_UpperBlit(overlay[e - 6], nullptr, to, &m.elements[e].pos);
        m.element_sizes[e] = {p->w, p->h};
        SDL_FreeSurface(p);
    }
    SDL_Rect& mp       = m.elements[10].pos;
    const SDL_Color& c = m.colors[7].value;
    fill(to, SDL_Rect{static_cast<Sint16>(mp.x + 7), static_cast<Sint16>(mp.y + 3), 100, 8},
         static_cast<Uint32>(c.r << 16 | c.g << 8 | c.b));
    SDL_Surface* border = plain_decode(ed.streams[s_magicborder], true);
    SDL_UpperBlit(border, nullptr, to, &mp);
    m.element_sizes[10] = {border->w, border->h};
    SDL_FreeSurface(border);
    SDL_Rect save = ed.save_button_pos;
    SDL_UpperBlit(pics.save_button, nullptr, to, &save);
    font[0] = kept_fonts[0];
    font[1] = kept_fonts[1];
}

// ---- the comparison -------------------------------------------------------------------

struct golden : editor_test {
    plain_pictures pics;
    void SetUp() override {
        editor_test::SetUp();
        draw_frame(ed); // fills the value texts; the held-button steps are idle after it
        ASSERT_EQ(ed.picking_color | ed.scale_button | ed.nudge | ed.scale_dir, 0);
    }

    // draw_frame and the plain frame from the same screen and layout.
    void same_frame(const char* what) {
        SCOPED_TRACE(what);
        SDL_Surface* s     = ed.screen;
        SDL_Surface* plain = SDL_ConvertSurface(s, s->format, SDL_SWSURFACE); // the screen as it is
        layout m           = ed.model;
        plain_frame(pics, ed, m, plain);
        draw_frame(ed);
        for (int i = 0; i < s->w * s->h; i++)
            if (pixel_at(s, i % s->w, i / s->w) != pixel_at(plain, i % s->w, i / s->w)) {
                ADD_FAILURE() << "first differing pixel at " << i % s->w << "," << i / s->w;
                break;
            }
        EXPECT_EQ(std::memcmp(ed.model.elements, m.elements, sizeof m.elements), 0)
            << "positions written back";
        EXPECT_EQ(std::memcmp(ed.model.element_sizes, m.element_sizes, sizeof m.element_sizes), 0) << "sizes";
        SDL_FreeSurface(plain);
    }

    void use_background(SDL_Surface* bmp) {
        SDL_SaveBMP(bmp, "bg.bmp");
        SDL_FreeSurface(bmp);
        push_press(35, 85); // "Yes"
        background_prompt(ed);
        ASSERT_EQ(bgchoice, 1);
        SDL_FreeSurface(pics.background);
        pics.background = SDL_LoadBMP("bg.bmp");
    }
};

// Every scaled element at the largest size the four-digit scale field allows.
void largest(layout& m) {
    for (int k : {1, 2, 3, 4, 5, 7, 9, 10, 11}) m.scales[k].value = 5; // 32 px by 527/5: 3372
    m.scales[0].value  = 0xFFFB;                                       // 527/6: 2810
    m.scales[6].value  = 95;                                           // the A Button Icon by 32.125
    m.scales[12].value = 1;
}

TEST_F(golden, the_home_layout_and_edited_ones) {
    same_frame("home");
    same_frame("home again");

    layout& m = ed.model;
    for (int k = 0; k < color_count; k++)
        m.colors[k].value = {Uint8(37 * k + 3), Uint8(255 - 29 * k), Uint8(91 * k), 0};
    m.scales[1].value  = 0x40;   // 263 px
    m.scales[2].value  = 0x200;  // small
    m.scales[3].value  = 0x11;   // 992 px
    m.scales[0].value  = 0xFF00; // the A Button by 527/382
    m.scales[7].value  = 0x30;
    m.scales[6].value  = 0x90; // a = 3, b = 9
    m.scales[12].value = 0x10;
    pos(0)             = {-20, -30, 0, 0};   // held at -7 after the first frame
    pos(1)             = {-200, 100, 0, 0};  // mostly left of the window
    pos(3)             = {250, 180, 0, 0};   // over the right edge and into the panel
    pos(4)             = {-700, -700, 0, 0}; // wholly outside, corner held at 0
    pos(12)            = {300, -40, 0, 0};
    pos(9)             = {290, 230, 0, 0};
    pos(8)             = {-50, 2, 0, 0};
    m.selected         = 9;
    same_frame("edited");
    same_frame("edited, positions written back");
    same_frame("edited, once more");
}

TEST_F(golden, every_element_at_its_largest_drawn_size) {
    largest(ed.model);
    const struct {
        int e;
        Sint16 x, y;
    } places[] = {
        {1, -3300, 0},     {2, 0, -3300}, {3, 319, 319},  {4, -3371, 100}, {5, 100, -3371},
        {11, -1400, -900}, {14, 200, 50}, {15, -3372, 0}, {16, 0, 320},
    };
    for (auto& p : places) pos(p.e) = {p.x, p.y, 0, 0};
    // at and over the edges, corners held at 0; the A Button and the B Button
    // Icon at home, over the right and bottom edges
    same_frame("largest");
}

TEST_F(golden, backgrounds_from_bg_bmp) {
    // smaller than the preview: the rest keeps what earlier frames drew
    SDL_Surface* small = SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 60, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 100; x++) {
            Uint8* p = static_cast<Uint8*>(small->pixels) + y * small->pitch + 3 * x;
            p[0] = Uint8(x * 2), p[1] = Uint8(y * 4), p[2] = Uint8(x ^ y);
        }
    use_background(small);
    pos(6) = {40, 30, 0, 0};
    same_frame("a small 24-bit background");
    pos(6) = {150, 150, 0, 0};
    same_frame("the same, moved on");

    // 8 bits with a palette, taller than the preview: it covers the panel texts
    SDL_Surface* tall = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 300, 8, 0, 0, 0, 0);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++) colours[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
    SDL_SetColors(tall, colours, 0, 256);
    for (int y = 0; y < 300; y++)
        for (int x = 0; x < 320; x++) static_cast<Uint8*>(tall->pixels)[y * tall->pitch + x] = Uint8(x + y);
    use_background(tall);
    same_frame("a tall 8-bit background");
}

} // namespace
