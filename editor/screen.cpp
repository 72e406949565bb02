// screen.cpp - the editor's window: its pixels are the editor's.
#include "editor/screen.h"

void show_screen(editor& ed) {
    if (ed.screen) SDL_Flip(ed.screen);
}

void event_to_editor(const editor&, SDL_Event&) {}

void move_pointer(editor&, int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
}

void resize_screen(editor& ed, int w, int h) {
    ed.screen = SDL_SetVideoMode(w, h, 32, 0);
}
