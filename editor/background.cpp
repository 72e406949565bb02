// background.cpp - the background file found, asked for, read, fitted and put
// behind the preview; or, when it cannot be used, said. See background.h.
//
// The file is checked twice: from its header before the prompt (so that a
// picture of another kind, or too large to read, is not offered), and whole
// when "Yes" decodes it. Both open it anew; the answer may come much later.
#include "editor/background.h"

#include "draw/picture_fit.h"
#include "draw/picture_input.h"
#include "draw/text.h"
#include "editor/startup.h"
#include "files/file_io.h" // open_regular: no waiting on a pipe, no directory or device

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// The kind a name promises, by its ending.
picture_kind kind_of_name(const char* name) {
    const std::string n = name;
    auto ends           = [&](const char* e) { return n.ends_with(e); };
    if (ends(".bmp")) return picture_bmp;
    if (ends(".png")) return picture_png;
    if (ends(".jpg") || ends(".jpeg")) return picture_jpeg;
    return picture_unknown;
}

// name with its first letter capital, as the start-up screens write it: "Bg.png".
std::string title(const char* name) {
    std::string t = name;
    if (!t.empty()) t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
    return t;
}

// t as the start-up font draws it: characters it has no glyph for become
// spaces, and no more than fits beside the prompts' left margin.
std::string drawable(std::string t) {
    for (char& c : t)
        if (!has_glyph(c)) c = ' ';
    const size_t fits = static_cast<size_t>(320 - 35) / glyph_width;
    if (t.size() > fits) t.resize(fits);
    return t;
}

// One line on standard error, then the note screen.
void tell(editor& ed, const char* name, const background_read& r) {
    const bool more = !r.detail.empty();
    std::fprintf(stderr, "hudwright: cannot use %s: %s%s%s%s\n", name, r.reason.c_str(), more ? " (" : "",
                 r.detail.c_str(), more ? ")" : "");
    const std::string heading = drawable(title(name) + " cannot be used."), reason = drawable(r.reason + ".");
    note_screen(ed, {heading.c_str(), reason.c_str(), "The built-in background stays."});
}

} // namespace

const char* background_file(const std::string& folder) {
    for (const char* name : background_files) {
        std::error_code ec; // one that cannot be looked at counts as missing
        if (std::filesystem::is_regular_file(file_in(folder, name), ec)) return name;
    }
    return nullptr;
}

background_read read_background(const std::string& path, SDL_Surface* built_in, bool header_only) {
    background_read r{};
    errno            = 0;
    const char* name = path.c_str();
    FILE* f          = open_regular(name);
    if (!f) {
        r.reason = errno ? std::strerror(errno) : "it cannot be opened";
        return r;
    }
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(name, ec);
    SDL_RWops* rw    = nullptr;
    picture_problem why;
    if (!ec && bytes > static_cast<unsigned long long>(background_file_limit)) {
        why = {"a file of more than 1 GiB", std::to_string(bytes) + " bytes"};
    } else if (!(rw = SDL_RWFromFP(f, 0))) {
        why = {"it cannot be read", SDL_GetError()};
    } else if (claimed_picture_size(rw, kind_of_name(name), &r.w, &r.h, why) && !header_only) {
        if (SDL_Surface* picture = read_picture(rw, kind_of_name(name), why)) {
            r.preview = fit_picture(picture, built_in, preview_width, preview_height);
            SDL_FreeSurface(picture);
            if (!r.preview) why = {"out of memory", SDL_GetError()};
        }
    }
    if (rw) SDL_RWclose(rw); // the file stays open: closed here
    std::fclose(f);
    if (!r.preview) {
        r.reason = why.reason;
        r.detail = why.detail;
    }
    return r;
}

void background_prompt(editor& ed) {
    ed.bg_choice     = answer_none;
    const char* name = background_file(ed.folder);
    if (!name || !ed.running) return;
    const std::string path = in_folder(ed, name);
    background_read r      = read_background(path, nullptr, true);
    if (r.reason.empty()) {
        const std::string question = title(name) + " found. Use it?";
        yes_no_prompt(ed, question.c_str(), ed.bg_choice);
        if (ed.bg_choice != answer_yes) return;
        r = read_background(path, ed.pictures.background);
        if (r.preview) {
            replace_background(ed.pictures, r.preview);
            return;
        }
    }
    tell(ed, name, r);
}
