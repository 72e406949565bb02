// frame.cpp - one editor frame.
#include "ui/frame.h"

void draw_frame(editor& ed) {
    if (!ed.screen) return;
    SDL_FillRect(ed.screen, &ed.panel_rect, 0x000000);
    SDL_Flip(ed.screen);
    if (ed.running && ed.scale_dir == 0 && ed.frame_delay_ms) SDL_Delay(ed.frame_delay_ms);
}
