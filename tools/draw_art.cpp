// draw_art.cpp - draws every built-in picture and writes it as a BMP.
//
//   draw_art <assets folder> [<preview folder>]
//
// Rewrites assets/<name>.bmp for all twenty pictures (the build packs them
// from there). With a preview folder, also writes each picture enlarged (x4,
// small ones x8) over a grey backdrop, for looking at. Not run by the build:
// run it after changing the artwork code and commit the BMPs.
#include "art.h"

#include <cstdio>
#include <string>

namespace {

const struct {
    const char* file;
    picture (*draw)();
} artwork[] = {
    {"button", draw_button},
    {"buttonoverlay", draw_button_overlay},
    {"navi", draw_navi},
    {"bow", draw_bow},
    {"action", draw_action},
    {"99", draw_99},
    {"999", draw_999},
    {"rupee", draw_rupee},
    {"hearts", draw_hearts},
    {"map", draw_map},
    {"magicborder", draw_magic_border},
    {"rupeeoverlay", draw_rupee_overlay},
    {"heartsoverlay", draw_hearts_overlay},
    {"mapoverlay", draw_map_overlay},
    {"bg", draw_background},
    {"characters", draw_characters},
    {"splash", draw_splash},
    {"save", draw_save},
    {"alphabet", draw_alphabet},
    {"colorpicker", draw_color_picker},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: draw_art <assets folder> [<preview folder>]\n");
        return 2;
    }
    std::string dir = argv[1], preview = argc == 3 ? argv[2] : "";
    for (auto& a : artwork) {
        picture p        = a.draw();
        std::string path = dir + "/" + a.file + ".bmp";
        if (!write_whole_file(path, write_bmp(p))) {
            std::fprintf(stderr, "draw_art: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%-28s %3dx%-3d %d bits\n", path.c_str(), p.w, p.h, p.bits);
        if (!preview.empty()) {
            int f = p.w * p.h > 320 * 100 ? 2 : p.w > 64 ? 4 : 8;
            write_whole_file(preview + "/" + a.file + ".bmp", write_bmp(enlarged(p, f)));
        }
    }
    return 0;
}
