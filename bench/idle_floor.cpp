// idle_floor.cpp - the floor of an idle editor, for bench/idle: a bare SDL 1.2
// window of the editor's size at a zoom (320 x 320 times it), with only SDL's
// video started as the editor starts it, shown once black, then polling its
// events every 45 ms as the editor's loop does and drawing nothing. Whatever
// an idle editor costs beyond this is the editor's own.
//
//   hudwright_idle_floor [ZOOM]   # ZOOM 1 to 4 (default 1); ends at a quit or Escape
//
// Not: a benchmark of its own (bench/idle measures it beside the editor).
// Linux only (no SDL start-up glue there), as the benchmarks are.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const int zoom = argc > 1 ? std::atoi(argv[1]) : 1;
    if (zoom < 1 || zoom > 4) {
        std::fprintf(stderr, "usage: hudwright_idle_floor [ZOOM 1-4]\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "hudwright_idle_floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* window = SDL_SetVideoMode(320 * zoom, 320 * zoom, 32, 0);
    if (!window) {
        std::fprintf(stderr, "hudwright_idle_floor: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_WM_SetCaption("Hudwright floor", nullptr);
    SDL_FillRect(window, nullptr, 0);
    SDL_Flip(window);
    for (bool running = true; running;) {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (e.type == SDL_QUIT || (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE))
                running = false;
        SDL_Delay(45);
    }
    SDL_Quit();
    return 0;
}
