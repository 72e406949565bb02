// options.cpp - reading the command line and the texts of --help, --version
// and a misuse. The version is the build's (version.h, from CMakeLists.txt);
// the keys' lines are the key table's own (editor/keys.h), and the last line
// says where the manual is: beside the program in a build folder or the
// Windows zip, else the installed manual page.
#include "program/options.h"

#include "editor/keys.h"
#include "editor/window.h"
#include "version.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
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
            } else if (std::strcmp(a, "--bg") == 0 || std::strncmp(a, "--bg=", 5) == 0) {
                const char* file = a[4] == '=' ? a + 5 : i + 1 < argc ? argv[++i] : nullptr;
                if (!file || !*file) return misuse(o, "hudwright: --bg wants a picture file");
                if (o.bg) return misuse(o, "hudwright: one --bg only, not '%s' and '%s'", o.bg, file);
                o.bg = file;
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
const char usage_line[] = "Usage: hudwright [--zoom N] [--bg FILE] [DIR]\n";

// The keys' lines: the names of the rows that share their words, then the
// words, wrapped at the line's width and indented to their column.
constexpr int key_names_width = 22, help_width = 79;

void print_words(FILE* out, const char* words, int column) {
    int at = column;
    while (*words) {
        const char* end = std::strchr(words, ' ');
        const int n     = end ? static_cast<int>(end - words) : static_cast<int>(std::strlen(words));
        if (at > column && at + 1 + n > help_width) {
            std::fprintf(out, "\n%*s", column, "");
            at = column;
        } else if (at > column) {
            std::fputc(' ', out);
            at++;
        }
        std::fprintf(out, "%.*s", n, words);
        at += n;
        words += n;
        while (*words == ' ') words++;
    }
    std::fputc('\n', out);
}

void print_keys(FILE* out) {
    const int column    = 2 + key_names_width + 2;
    const std::size_t n = std::size(key_table);
    for (std::size_t i = 0; i < n;) {
        std::string names;
        std::size_t j = i;
        for (; j < n && std::strcmp(key_table[j].words, key_table[i].words) == 0; j++)
            names += (j > i ? ", " : "") + std::string(label_of(key_table[j]).s);
        if (static_cast<int>(names.size()) > key_names_width)
            std::fprintf(out, "  %s\n%*s", names.c_str(), column, "");
        else
            std::fprintf(out, "  %-*s  ", key_names_width, names.c_str());
        print_words(out, key_table[i].words, column);
        i = j;
    }
    std::fprintf(out, "  %-*s  ", key_names_width, "Escape");
    print_words(out,
                "quit, on any screen (changes not saved go to code.unsaved.txt); while the codes show, only "
                "back to the editor",
                column);
}

#ifndef _WIN32
// The folder the running program is in, or empty where the system does not say.
std::filesystem::path program_folder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path();
}
#endif

} // namespace

std::string manual_place(const std::filesystem::path& program_dir) {
    std::error_code ec;
    if (!program_dir.empty() && std::filesystem::is_regular_file(program_dir / "hudwright.html", ec))
        return "The manual (made from docs/manual.adoc in the sources):\n  " +
               (program_dir / "hudwright.html").string() + "\n  man -l " +
               (program_dir / "hudwright.1").string() + "\n";
    const std::filesystem::path installed =
        program_dir / ".." / "share" / "doc" / "hudwright" / "hudwright.html";
    if (!program_dir.empty() && std::filesystem::is_regular_file(installed, ec))
        return "The manual: man hudwright, or " + installed.lexically_normal().string() + "\n";
    return "The manual: man hudwright\n";
}

void print_help(FILE* out) {
    std::fputs(usage_line, out);
    std::fputs("Edit a console game's HUD on a picture of its screen, save it as cheat codes.\n"
               "\n"
               "  DIR        the folder to work in: code.unsaved.txt (work kept on a quit),\n"
               "             code.txt (the design saved before), basecode.txt and a background\n"
               "             picture (bg.png or bg.bmp, any case; else the newest PNG or BMP\n"
               "             there) are offered from there at the start, and code.txt and\n"
               "             code.cht (the codes as a RetroArch cheat file) are written there\n"
               "             (default: the current folder)\n"
               "  --zoom N   show the 320x320 window N times larger, N from 1 to 4; without it,\n"
               "             the largest zoom whose window fits in 3/4 of the screen's height\n"
               "  --bg FILE  the picture behind the preview (a PNG or BMP of any name), taken\n"
               "             without a question; one larger than 320x240 is scaled to it,\n"
               "             stretched when it is not 4:3 (said so)\n"
               "  --help     print this help and exit\n"
               "  --version  print the version and exit\n"
               "\n"
               "Keys in the editor (while a value is typed, every key but Escape is typing):\n",
               out);
    print_keys(out);
    std::fputs("A drag snaps to other elements' and the preview's edges and centres within 3\n"
               "pixels; hold Shift not to. A second click at one place takes the next element\n"
               "under the pointer. The Hearts' place and the values struck through stay fixed.\n"
               "Typing: click a value field and type hex digits (Backspace takes one back);\n"
               "the value is taken when the field is full; Escape or any click ends the typing.\n"
               "At start: Enter or Space ends the count-down; Y or Enter answers Yes, N No.\n"
               "A code.txt that another program changed since it was read or saved is not\n"
               "replaced (CHANGED ON DISK): save again to replace it. A save that replaces a\n"
               "code.txt this editor neither wrote nor continued keeps it as code.earlier.txt.\n"
               "\n"
               "It needs a display: without DISPLAY or WAYLAND_DISPLAY (and with\n"
               "SDL_VIDEODRIVER unset) it says so and exits with status 1. A misuse exits\n"
               "with status 2.\n",
               out);
#ifdef _WIN32
    std::fputs("The manual: hudwright.html, beside hudwright.exe\n", out);
#else
    std::fputs(manual_place(program_folder()).c_str(), out);
#endif
}

void print_version(FILE* out) {
    std::fputs("hudwright " HUDWRIGHT_VERSION "\n", out);
}

void print_misuse(const options& o, FILE* out) {
    std::fprintf(out, "%s\n", o.problem);
    std::fputs(usage_line, out);
    std::fputs("Try 'hudwright --help' for more.\n", out);
}
