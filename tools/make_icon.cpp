// make_icon.cpp - writes the program's icon (pictures/icon.h, the drawing the
// window's icon is too) as files: the desktop icons, committed in
// desktop/icons and checked by the install test, and the Windows icon that
// the Windows build puts into hudwright.exe. Not part of the program.
//
//   make_icon <out folder>      writes 32x32.png, 48x48.png and 128x128.png
//   make_icon --ico <file>      writes a Windows icon of 16 to 256 pixels
//
// The same pictures always give the same bytes.
#include "bmp.h"
#include "ico.h"
#include "png.h"

#include "pictures/icon.h"
#include "pictures/picture_store.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int desktop_sides[] = {32, 48, 128};
// Windows' icon sizes at 100 % to 200 %: 16, 20, 24, 32 (the small one) and
// 32, 40, 48, 64 (the large one); 256 for Explorer's largest view.
constexpr int windows_sides[] = {16, 20, 24, 32, 40, 48, 64, 256};

bool drawn(picture_store& p, int side, picture& out) {
    SDL_Surface* s = draw_icon(p, side);
    if (!s) return false;
    out = picture(side, side, 32);
    for (int y = 0; y < side; y++)
        std::memcpy(&out.at(0, y), static_cast<const Uint8*>(s->pixels) + y * s->pitch,
                    side * sizeof(uint32_t));
    SDL_FreeSurface(s);
    return true;
}

bool write(const std::string& path, const std::vector<unsigned char>& bytes) {
    if (write_whole_file(path, bytes)) return true;
    std::fprintf(stderr, "make_icon: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    bool ico = argc == 3 && std::strcmp(argv[1], "--ico") == 0;
    if (argc != 2 && !ico) {
        std::fprintf(stderr, "usage: make_icon <out folder> | make_icon --ico <file>\n");
        return 2;
    }
    picture_store store{};
    bool ok = unpack_pictures(store);
    std::vector<picture> pictures;
    for (int side : ico ? std::vector<int>(std::begin(windows_sides), std::end(windows_sides))
                        : std::vector<int>(std::begin(desktop_sides), std::end(desktop_sides))) {
        if (!ok) break;
        pictures.emplace_back();
        ok = drawn(store, side, pictures.back());
    }
    free_pictures(store);
    if (!ok) {
        std::fprintf(stderr, "make_icon: cannot draw the icon from the built-in pictures\n");
        return 1;
    }
    if (ico) return write(argv[2], write_ico(pictures)) ? 0 : 1;
    for (const picture& p : pictures)
        ok = write(std::string(argv[1]) + "/" + std::to_string(p.w) + "x" + std::to_string(p.h) + ".png",
                   write_png(p)) &&
             ok;
    return ok ? 0 : 1;
}
