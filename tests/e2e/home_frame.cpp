// home_frame.cpp - the untouched editor window drawn in this process by the
// SDL 1.2 this program is linked with, on SDL's dummy video driver (run.sh
// sets SDL_VIDEODRIVER=dummy): the reference that e2e_screenshot compares the
// real window with. Alpha blends round differently on sdl12-compat (SDL2's
// formula, 1 to 4 levels), so the window is compared with a picture drawn by
// the same library; docs/editor.png is drawn on classic SDL 1.2.
//
//   home_frame OUT.bmp     writes the window; prints "classic" or "compat"
//                          (SDL_Linked_Version: sdl12-compat counts from 1.2.50)
#include "../support.h"

#include <cstdio>

#ifdef main
#undef main // SDL's header renames it on Windows; this main is the program's own
#endif

int main(int argc, char** argv) {
    if (argc != 2) return 2; // usage: home_frame OUT.bmp
    const SDL_version* v = SDL_Linked_Version();
    editor ed;
    if (!start_editor_headless(ed)) return 1;
    for (int pass = 0; pass < 3; pass++) editor_pass(ed); // the first draws the panel before its values
    const bool saved = SDL_SaveBMP(ed.screen, argv[1]) == 0;
    tear_down(ed);
    std::printf("%s\n", v->major == 1 && v->minor == 2 && v->patch >= 50 ? "compat" : "classic");
    return saved ? 0 : 1;
}
