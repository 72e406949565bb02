// window_icon.cpp - the program's icon handed to SDL for the window.
#include "program/window_icon.h"

#include "pictures/icon.h"

namespace {

constexpr int window_icon_side = 32;

} // namespace

std::vector<Uint8> icon_mask(const SDL_Surface* icon) {
    const int pitch = (icon->w + 7) / 8;
    std::vector<Uint8> mask(static_cast<size_t>(pitch) * icon->h, 0);
    for (int y = 0; y < icon->h; y++) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(icon->pixels) + y * icon->pitch);
        for (int x = 0; x < icon->w; x++)
            if ((row[x] & icon->format->Amask) >> icon->format->Ashift >= 128)
                mask[static_cast<size_t>(y) * pitch + x / 8] |= static_cast<Uint8>(0x80 >> (x % 8));
    }
    return mask;
}

void set_window_icon([[maybe_unused]] picture_store& p) {
#ifndef _WIN32
    SDL_Surface* icon = draw_icon(p, window_icon_side);
    if (!icon) return;
    if (SDL_Linked_Version()->patch >= 50) { // sdl12-compat (counting from 1.2.50): keeps the alpha
        SDL_SetAlpha(icon, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
        SDL_WM_SetIcon(icon, nullptr);
    } else {
        SDL_SetAlpha(icon, 0, SDL_ALPHA_OPAQUE); // the colours as they are, not blended onto black
        std::vector<Uint8> mask = icon_mask(icon);
        SDL_WM_SetIcon(icon, mask.data());
    }
    SDL_FreeSurface(icon);
#endif
}
