// compose_home.cpp - draws what the editor window shows with every value at
// its home, straight from the built-in pictures, for looking at the artwork
// in place. Not part of the program; build the compose_home target.
//
//   compose_home <out folder>
//
// Writes home.bmp (the editor window: panel, background, colour bar, the 21
// elements recoloured and scaled by their home values, save button),
// recoloured.bmp (the same with other colours in every slot), countdown.bmp (the first count-down frame) and
// prompt.bmp (the bg.bmp prompt). The elements are drawn in the editor's own order, with the program's own
// image store, recolouring, scaling and text.
#include "draw/surface_ops.h"
#include "draw/text.h"
#include "shell/image_store.h"
#include "shell/pictures.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

SDL_Surface* window() {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 320, 32, 0xFF0000, 0xFF00, 0xFF, 0);
}

void blit(SDL_Surface* s, SDL_Surface* to, int x, int y) {
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(s, nullptr, to, &at);
}

void fill(SDL_Surface* to, int x, int y, int w, int h, Uint32 v) {
    SDL_Rect r{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
               static_cast<Uint16>(h)};
    SDL_FillRect(to, &r, v);
}

void text(SDL_Surface* to, int x, int y, const char* t, int f) {
    drawtext(SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0}, t, to, static_cast<Uint8>(f));
}

// The home scale factor of a scaled element.
float factor(const layout& m, int e) {
    if (e == 0) {
        Uint32 d = 65535u - static_cast<Uint32>(m.scales[0].value);
        return 527.0f / static_cast<float>(d + d / 2);
    }
    if (e == 11) {
        Uint32 n = static_cast<Uint32>(m.scales[6].value);
        Uint32 a = n / 48, b = n / static_cast<Uint32>(m.scales[12].value);
        return static_cast<float>((b * (32.125 / static_cast<float>(a))) / 95.0);
    }
    return 527.0f / static_cast<float>(static_cast<Uint32>(m.scales[scale_slot_of(e)].value));
}

SDL_Surface* decode(editor& ed, stream_id s) {
    return enable_pixel_alpha(decode_stream(ed.streams[s]));
}

void draw_elements(editor& ed, SDL_Surface* to) {
    layout& m = ed.model;
    for (int e = 0; e <= 5; e++) {
        SDL_Surface *face = decode(ed, s_button), *shine = decode(ed, s_buttonoverlay);
        SDL_Color c = m.colors[color_slot_of(e)].value;
        recolor(face, c.r, c.g, c.b, 255);
        float f         = factor(m, e);
        SDL_Surface *zf = zoom_surface(face, 1.0f, f), *zs = zoom_surface(shine, 1.0f, f);
        int x = m.elements[e].pos.x + (e == 0 ? 7 : 0), y = m.elements[e].pos.y + (e == 0 ? 7 : 0);
        blit(zf, to, x, y);
        blit(zs, to, x, y);
        for (SDL_Surface* s : {face, shine, zf, zs}) SDL_FreeSurface(s);
    }
    for (int e = 11; e <= 16; e++) {
        SDL_Surface* icon = decode(ed, e == 11 ? s_action : e == 13 ? s_navi : s_bow);
        SDL_Surface* z    = e == 13 ? nullptr : zoom_surface(icon, 1.0f, factor(m, e));
        blit(z ? z : icon, to, m.elements[e].pos.x, m.elements[e].pos.y);
        SDL_FreeSurface(icon);
        if (z) SDL_FreeSurface(z);
    }
    SDL_Surface* number = decode_stream(ed.streams[s_99]);
    for (int e = 17; e <= 20; e++) blit(number, to, m.elements[e].pos.x, m.elements[e].pos.y);
    SDL_FreeSurface(number);
    const struct {
        int e;
        stream_id s;
        SDL_Surface* overlay;
    } status[] = {{6, s_rupee, ed.rupee_overlay},
                  {7, s_999, nullptr},
                  {8, s_hearts, ed.hearts_overlay},
                  {9, s_map, ed.map_overlay}};
    for (auto& st : status) {
        SDL_Surface* p = decode(ed, st.s);
        if (st.e != 7) {
            SDL_Color c = m.colors[color_slot_of(st.e)].value;
            recolor(p, c.r, c.g, c.b, 255);
        }
        blit(p, to, m.elements[st.e].pos.x, m.elements[st.e].pos.y);
        if (st.overlay) blit(st.overlay, to, m.elements[st.e].pos.x, m.elements[st.e].pos.y);
        SDL_FreeSurface(p);
    }
    SDL_Color magic = m.colors[7].value;
    fill(to, m.elements[10].pos.x + 7, m.elements[10].pos.y + 3, 100, 8,
         magic.r << 16 | magic.g << 8 | magic.b);
    SDL_Surface* border = decode(ed, s_magicborder);
    blit(border, to, m.elements[10].pos.x, m.elements[10].pos.y);
    SDL_FreeSurface(border);
}

bool save(SDL_Surface* s, const std::string& path) {
    bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    if (!ok) std::fprintf(stderr, "compose_home: cannot write %s\n", path.c_str());
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: compose_home <out folder>\n");
        return 2;
    }
    std::string dir = argv[1];
    editor ed;
    std::memset(&ed, 0, sizeof ed);
    Uint32 start = SDL_GetTicks();
    if (!unpack_pictures(ed) || !load_pictures(ed)) {
        std::fprintf(stderr, "compose_home: cannot unpack the built-in pictures\n");
        return 1;
    }
    std::printf("pictures unpacked and loaded in %u ms\n", SDL_GetTicks() - start);
    start_layout(ed.model);

    // the editor window, A Button selected
    SDL_Surface* w = window();
    fill(w, 0, 240, 320, 80, 0x000000);
    fill(w, 200, 248, 42, 16, 0xFFFFFF);
    fill(w, 78, 272, 28, 16, 0xFFFFFF);
    text(w, 200, 248, "5A5AFF", 0);
    text(w, 78, 272, "FE84", 0);
    text(w, 130, 272, "- X +", 1);
    fill(w, 173, 272, 28, 16, 0xFFFFFF);
    text(w, 173, 272, "00BA", 0);
    text(w, 230, 272, "- Y +", 1);
    fill(w, 273, 272, 28, 16, 0xFFFFFF);
    text(w, 273, 272, "0009", 0);
    text(w, 8, 296, "-", 1);
    text(w, 22, 296, ed.model.element_names[0], 1);
    text(w, 134, 296, "+", 1);
    blit(ed.background, w, 0, 0);
    blit(ed.color_picker, w, 8, 248);
    text(w, 8, 272, "- Scale +", 1);
    draw_elements(ed, w);
    blit(ed.save_button, w, 276, 292);
    bool ok = save(w, dir + "/home.bmp");

    // the preview again with other colours in every slot, to see that the
    // shading of the overlays suits any colour a user picks
    const Uint8 others[color_count][3] = {{220, 40, 40},   {250, 220, 60}, {60, 200, 255},  {0, 160, 255},
                                          {255, 255, 255}, {230, 30, 60},  {255, 160, 200}, {70, 90, 255}};
    for (int k = 0; k < color_count; k++)
        ed.model.colors[k].value = SDL_Color{others[k][0], others[k][1], others[k][2], 0};
    blit(ed.background, w, 0, 0);
    draw_elements(ed, w);
    ok = save(w, dir + "/recoloured.bmp") && ok;

    // the first count-down frame and the background prompt
    fill(w, 0, 0, 320, 320, 0);
    blit(ed.splash, w, 0, 0);
    text(w, 35, 256, "        Continuing in 4...", 1);
    ok = save(w, dir + "/countdown.bmp") && ok;
    fill(w, 0, 0, 320, 320, 0);
    text(w, 35, 128, "Bg.bmp found. Use it?", 1);
    text(w, 30, 80, "Yes", 1);
    text(w, 80, 80, "No", 1);
    ok = save(w, dir + "/prompt.bmp") && ok;
    SDL_FreeSurface(w);

    for (auto& s : ed.streams) close_stream(s);
    for (SDL_Surface* s : {ed.background, ed.rupee_overlay, ed.hearts_overlay, ed.map_overlay, ed.splash,
                           ed.save_button, ed.color_picker, font[0], font[1]})
        SDL_FreeSurface(s);
    return ok ? 0 : 1;
}
