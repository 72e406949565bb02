// frame.cpp - one editor frame (interim: the held-button steps and pacing).
#include "ui/frame.h"

#include "ui/color_bar.h"
#include "ui/input.h"

void draw_frame(editor& ed) {
    color_pick_step(ed);
    nudge_step(ed);
    scale_step(ed);
    if (!ed.screen) return;
    SDL_FillRect(ed.screen, &ed.panel_rect, 0x000000);
    SDL_Flip(ed.screen);
    if (ed.running && ed.scale_dir == 0 && ed.frame_delay_ms) SDL_Delay(ed.frame_delay_ms);
}
