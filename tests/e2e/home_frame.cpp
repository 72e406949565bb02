// home_frame.cpp - the untouched editor window drawn in this process by the
// SDL 1.2 this program is linked with, on SDL's dummy video driver (run.sh
// sets SDL_VIDEODRIVER=dummy): the reference that e2e_screenshot compares the
// real window with; or, given a code file, the code view of its layout at a
// page, which e2e_codes compares the real view with. Alpha blends round differently on sdl12-compat (SDL2's
// formula, 1 to 4 levels), so the window is compared with a picture drawn by
// the same library; docs/editor.png is drawn on classic SDL 1.2.
//
//   home_frame OUT.bmp     writes the window; prints "classic" or "compat"
//                          (SDL_Linked_Version: sdl12-compat counts from 1.2.50)
//   home_frame OUT.bmp CODES PAGE
//                          the layout CODES holds (read as a base code), with
//                          the code view at PAGE (from 1)
#include "../support.h"
#include "model/import.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef main
#undef main // SDL's header renames it on Windows; this main is the program's own
#endif

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) return 2; // usage: home_frame OUT.bmp [CODES PAGE]
    const SDL_version* v = SDL_Linked_Version();
    editor ed;
    if (!start_editor_headless(ed)) return 1;
    if (argc == 4) {
        std::FILE* codes = std::fopen(argv[2], "rb");
        if (!codes) return 1;
        std::string text;
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, codes)) > 0;) text.append(chunk, n);
        std::fclose(codes);
        import_base_code(text.data(), text.size(), ed.design.model);
        ed.codes.shown = true;
        ed.codes.page  = std::atoi(argv[3]) - 1;
    }
    for (int pass = 0; pass < 3; pass++) editor_pass(ed); // the first draws the panel before its values
    const bool saved = SDL_SaveBMP(ed.window.screen, argv[1]) == 0;
    tear_down(ed);
    std::printf("%s\n", v->major == 1 && v->minor == 2 && v->patch >= 50 ? "compat" : "classic");
    return saved ? 0 : 1;
}
