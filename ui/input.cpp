// input.cpp - the editor's event drain.
#include "ui/input.h"

void poll_editor_events(editor& ed) {
    while (SDL_PollEvent(&ed.event)) {
        switch (ed.event.type) {
        case SDL_KEYDOWN:
            if (ed.event.key.keysym.sym == SDLK_ESCAPE) ed.running = 0;
            break;
        case SDL_QUIT: ed.running = 0; break;
        case SDL_VIDEORESIZE:
            ed.screen = SDL_SetVideoMode(ed.event.resize.w, ed.event.resize.h, 32, 0);
            break;
        default: break;
        }
    }
}
