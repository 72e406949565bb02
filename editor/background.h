// background.h - the picture behind the preview: which file of the user's
// folder is offered, or the one named with --bg; its prompt, and the picture
// read and fitted to the preview over the built-in background
// (draw/picture_input, draw/picture_fit). A file that is there but cannot be
// used is said: one line on standard error and a note screen, and the
// built-in background stays. A picture stretched to the preview (not 4:3) is
// said too: a line under the question (on a note screen for --bg), and one
// line on standard error once it is taken.
//
// The files looked for, in this order, each whatever its case (BG.PNG,
// Bg.Bmp, as some emulators and file systems write them); the first one there
// is the one offered and read as the kind its name says. A JPEG is not read
// (draw/stb_image.cpp says why): bg.jpg and bg.jpeg come last, to say so when
// no other is there. Where none of them is there, the newest PNG or BMP of the
// folder - an emulator's screenshot, "Legend of Zelda-201207-183512.png" - is
// offered by its own name; other JPEGs are passed over (a holiday.jpg is no
// reason for a note at every start), and so are hidden files (".x.png",
// the "._x.png" that macOS leaves on a stick). A directory, named pipe or
// device counts as missing; a regular file that cannot be opened (no
// permission, no descriptor left) counts as there.
//
// A picture named with --bg may have any name: it is read as the kind its
// first bytes show, and taken without a question (the user asked for it).
//
// A picture taken is read - decoded and fitted - on a thread of its own
// while the window shows "Reading NAME..." (a start-up screen, editor/
// screens.h): Escape, the window's close and the signals end the run there
// as on every start-up screen, the read stopped (draw/picture_input.h) and
// waited for. The thread owns what it reads from - the file, a copy of the
// built-in background - and writes only its result, which the screen's
// thread takes once the thread has ended; nothing of it outlives the screen.
#pragma once

#include "editor/state.h"

#include <atomic>
#include <string>

// The preview the background fills, from the window's upper left corner.
constexpr int preview_width = 320, preview_height = 240;

inline constexpr const char* background_files[] = {"bg.bmp", "bg.png", "bg.jpg", "bg.jpeg"};

// The largest file read, in bytes: far more than any picture within the size
// limit takes (an 8192x8192 BMP of 32 bits is 256 MiB).
constexpr long long background_file_limit = 1LL << 30;

// Where the kind of a picture is read from.
enum kind_from { kind_from_name, kind_from_bytes };

// What reading a background file gave.
struct background_read {
    SDL_Surface*
        preview;        // 320x240: what the preview shows; null when the file cannot be used (or not decoded)
    int w, h;           // the picture's own size, once its header was read
    std::string reason; // why it cannot be used, short ("" when it can)
    std::string detail; // more for standard error: the system's or the decoder's words ("" when none)
};

// The name, as the folder ("": the working one) spells it, of the first of
// background_files there whatever its case; "" when none is. Where names of
// one kind differ only in case (bg.png and BG.PNG, on a system that keeps
// both), the one in lower case is taken, else the first in byte order
// ("BG.PNG" before "Bg.png"): the same whatever order the folder lists them in.
std::string background_file(const std::string& folder = "");
// The newest PNG or BMP of the folder by its name's ending, whatever its case
// (by modification time; of two as new, the first name in byte order); ""
// when there is none.
std::string newest_picture(const std::string& folder = "");

// The file at path opened and checked from its header - its kind (by the
// name's ending, or by its first bytes), its size - and, unless header_only,
// decoded and fitted over built_in (the caller frees preview). Once *stop is
// set (from another thread) the read gives up soon, with the reason "stopped".
background_read read_background(const std::string& path, SDL_Surface* built_in, bool header_only = false,
                                kind_from kind = kind_from_name, const std::atomic<bool>* stop = nullptr);
// read_background of path over the built-in background on a thread of its
// own, while the window shows "Reading NAME..." (name as the screens name the
// file); no preview, and nothing said, when the run ended meanwhile.
background_read read_background_shown(editor& ed, const std::string& path, const std::string& name,
                                      kind_from kind = kind_from_name);
// The note's line while name is read: "Reading Legend of Z...-183512.png...".
std::string reading_line(const std::string& name);

// At most `cells` characters of name: the whole name when it fits, else its
// start and end with "..." between them, the end the longer by one when they
// differ ("Legend of Z...-183512.png" in 25).
std::string fitted_name(const std::string& name, size_t cells);
// The prompt's question for a file: "Legend of Z...-183512.png found. Use
// it?", its name fitted so that the question fits the prompt's line; the
// name's characters as they are (those the font lacks draw as draw_text draws them).
std::string offer_question(const std::string& name);
// The line that says a w x h picture is stretched: "854x480 - stretched to 320x240".
std::string stretched_line(int w, int h);

// The background prompt: the picture named with --bg (ed.files.bg_path) taken as
// it is; else, when a background file or a screenshot is there (and running
// is set), "Bg.png found. Use it?" - unless its header already rules it out
// - and on "Yes" the picture replaces the background. A file that cannot be
// used is said (standard error, then a note screen); the choice is
// ed.files.bg_choice (answer_yes for a --bg picture taken).
void background_prompt(editor& ed);
