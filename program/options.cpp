// options.cpp - reading the command line and the texts of --help, --version
// and a misuse. The version is the build's (version.h, from CMakeLists.txt).
#include "program/options.h"

#include "editor/screen.h"
#include "version.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

options misuse(options o, const char* form, ...) {
    o.mode = mode_misuse;
    std::va_list args;
    va_start(args, form);
    std::vsnprintf(o.problem, sizeof o.problem, form, args);
    va_end(args);
    return o;
}

// "1" to "4", nothing else: no sign, no spaces, no other digits.
bool read_zoom(const char* text, int& zoom) {
    if (std::strlen(text) != 1 || text[0] < '0' + zoom_min || text[0] > '0' + zoom_max) return false;
    zoom = text[0] - '0';
    return true;
}

} // namespace

options read_options(int argc, char* argv[]) {
    options o{};
    o.mode         = mode_run;
    o.zoom         = zoom_fit;
    bool only_dirs = false; // after "--"
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (!only_dirs && a[0] == '-' && a[1] != '\0') {
            if (std::strcmp(a, "--") == 0) {
                only_dirs = true;
            } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
                o.mode = mode_help;
                return o;
            } else if (std::strcmp(a, "--version") == 0) {
                o.mode = mode_version;
                return o;
            } else if (std::strcmp(a, "--zoom") == 0 || std::strncmp(a, "--zoom=", 7) == 0) {
                const char* n = a[6] == '=' ? a + 7 : i + 1 < argc ? argv[++i] : nullptr;
                if (!n) return misuse(o, "hudwright: --zoom wants a number from 1 to 4");
                if (!read_zoom(n, o.zoom))
                    return misuse(o, "hudwright: --zoom wants a number from 1 to 4, not '%s'", n);
            } else {
                return misuse(o, "hudwright: unknown option '%s'", a);
            }
            continue;
        }
        if (o.dir) return misuse(o, "hudwright: one folder only, not '%s' and '%s'", o.dir, a);
        o.dir = a;
    }
    if (o.dir) {
        struct stat st;
        if (stat(o.dir, &st) != 0)
            return misuse(o, "hudwright: cannot work in %s: %s", o.dir, std::strerror(errno));
        if (!S_ISDIR(st.st_mode)) return misuse(o, "hudwright: cannot work in %s: not a folder", o.dir);
    }
    return o;
}

namespace {
const char usage_line[] = "Usage: hudwright [--zoom N] [DIR]\n";
} // namespace

void print_help(FILE* out) {
    std::fputs(usage_line, out);
    std::fputs("Edit a console game's HUD on a picture of its screen and save it as cheat codes.\n"
               "\n"
               "  DIR        the folder to work in: code.unsaved.txt (work kept on a quit),\n"
               "             basecode.txt and a background picture (bg.bmp or bg.png) are\n"
               "             offered from there at the start, and code.txt is written there\n"
               "             (default: the current folder)\n"
               "  --zoom N   show the 320x320 window N times larger, N from 1 to 4; without it,\n"
               "             the largest zoom whose window fits in 3/4 of the screen's height\n"
               "  --help     print this help and exit\n"
               "  --version  print the version and exit\n"
               "\n"
               "Keys in the editor (while a value is typed, every key but Escape is typing):\n"
               "  arrows           move the selected element a pixel; with Shift, eight\n"
               "  Ctrl+arrows      move it with its set (its button, icon and number); a drag\n"
               "                   begun with Ctrl held likewise\n"
               "  R, Shift+R       put the element, or the whole layout, back to the game's own\n"
               "  Tab, Shift+Tab   select the next or previous element\n"
               "  Ctrl+S           save code.txt, as the save button\n"
               "  Ctrl+Z           undo; Ctrl+Y or Ctrl+Shift+Z redo\n"
               "  Ctrl+=, Ctrl+-   zoom the window in or out (in: as far as it fits the screen)\n"
               "  G                show or hide the grid (a line every 8 pixels; the centres)\n"
               "  Escape           quit (changes not saved go to code.unsaved.txt)\n"
               "A drag snaps to other elements' and the preview's edges and centres within 3\n"
               "pixels; hold Shift not to. A second click at one place takes the next element\n"
               "under the pointer. The Hearts' place and the values struck through stay fixed.\n"
               "Typing: click a value field and type hex digits (Backspace takes one back);\n"
               "the value is taken when the field is full; Escape or any click ends the typing.\n"
               "At start: Enter or Space ends the count-down; Y or Enter answers Yes, N No.\n"
               "A code.txt that another program changed since it was read or saved is not\n"
               "replaced (NOT SAVED, CHANGED ON DISK): save again within 5 seconds to replace it.\n"
               "\n"
               "It needs a display: without DISPLAY or WAYLAND_DISPLAY (and with SDL_VIDEODRIVER\n"
               "unset) it says so and exits with status 1. A misuse exits with status 2.\n"
               "Details: man hudwright\n",
               out);
}

void print_version(FILE* out) {
    std::fputs("hudwright " HUDWRIGHT_VERSION "\n", out);
}

void print_misuse(const options& o, FILE* out) {
    std::fprintf(out, "%s\n", o.problem);
    std::fputs(usage_line, out);
    std::fputs("Try 'hudwright --help' for more.\n", out);
}
