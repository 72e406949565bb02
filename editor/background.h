// background.h - the picture behind the preview from the user's folder: which
// file is offered, its prompt, and the picture read and fitted to the preview
// over the built-in background (draw/picture_input, draw/picture_fit). A file
// that is there but cannot be used is said: one line on standard error and a
// note screen, and the built-in background stays.
//
// The files looked for, in this order; the first one there is the one offered
// and read as the kind its name says. A JPEG is not read (draw/stb_image.cpp
// says why): bg.jpg and bg.jpeg come last, to say so when no other is there.
// A directory, named pipe or device of such a name counts as missing; a
// regular file that cannot be opened (no permission, no descriptor left)
// counts as there.
#pragma once

#include "editor/state.h"

#include <string>

// The preview the background fills, from the window's upper left corner.
constexpr int preview_width = 320, preview_height = 240;

inline constexpr const char* background_files[] = {"bg.bmp", "bg.png", "bg.jpg", "bg.jpeg"};

// The largest file read, in bytes: far more than any picture within the size
// limit takes (an 8192x8192 BMP of 32 bits is 256 MiB).
constexpr long long background_file_limit = 1LL << 30;

// What reading a background file gave.
struct background_read {
    SDL_Surface*
        preview;        // 320x240: what the preview shows; null when the file cannot be used (or not decoded)
    int w, h;           // the picture's own size, once its header was read
    std::string reason; // why it cannot be used, short ("" when it can)
    std::string detail; // more for standard error: the system's or the decoder's words ("" when none)
};

// The first of background_files that is there in folder ("": the working
// one), or nullptr.
const char* background_file(const std::string& folder = "");

// The file at path opened and checked from its header - its kind (by the
// name's ending), its size - and, unless header_only, decoded and fitted over
// built_in (the caller frees preview).
background_read read_background(const std::string& path, SDL_Surface* built_in, bool header_only = false);

// The background prompt: when a background file is there (and running is
// set), "Bg.png found. Use it?" - unless its header already rules it out -
// and on "Yes" the picture replaces the background. A file that cannot be
// used is said (standard error, then a note screen); the choice is ed.bg_choice.
void background_prompt(editor& ed);
