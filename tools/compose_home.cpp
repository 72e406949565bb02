// compose_home.cpp - draws what the editor window shows with every value at
// its home, for looking at the artwork in place. Not part of the program;
// build the compose_home target.
//
//   compose_home <out folder>
//
// Writes home.bmp (the editor window as it opens), recoloured.bmp (the same
// with other colours in every slot, to see that the overlays' shading suits
// any colour a user picks), countdown.bmp (the first count-down frame) and
// prompt.bmp (the bg.bmp prompt). Everything is drawn by the editor itself, on
// SDL's dummy video driver.
#include "editor/frame.h"
#include "editor/start_state.h"
#include "editor/screens.h"
#include "editor/update.h"
#include "program/run.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool save(SDL_Surface* s, const std::string& path) {
    bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    if (!ok) std::fprintf(stderr, "compose_home: cannot write %s\n", path.c_str());
    return ok;
}

void editor_frame(editor& ed) {
    update_editor(ed);
    draw_frame(ed);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: compose_home <out folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    editor ed;
    if (!start_up(ed)) return 1;
    ed.clock.frame_delay_ms = ed.clock.screen_delay_ms = 0;

    countdown c;
    countdown_frame(ed, c); // the first count-down frame
    bool ok              = save(ed.window.screen, dir + "/countdown.bmp");
    prompt_answer answer = answer_none;
    prompt_frame(ed, "Bg.bmp found. Use it?", answer);
    ok = save(ed.window.screen, dir + "/prompt.bmp") && ok;

    start_editor_state(ed);
    editor_frame(ed); // the first frame fills the value texts
    editor_frame(ed);
    ok = save(ed.window.screen, dir + "/home.bmp") && ok;

    const Uint8 others[color_count][3] = {{220, 40, 40},   {250, 220, 60}, {60, 200, 255},  {0, 160, 255},
                                          {255, 255, 255}, {230, 30, 60},  {255, 160, 200}, {70, 90, 255}};
    for (int k = 0; k < color_count; k++)
        ed.design.model.colors[k].value = SDL_Color{others[k][0], others[k][1], others[k][2], 0};
    editor_frame(ed);
    ok = save(ed.window.screen, dir + "/recoloured.bmp") && ok;

    tear_down(ed);
    return ok ? 0 : 1;
}
