// background.cpp - the background file found, asked for, read, fitted and put
// behind the preview; or, when it cannot be used, said. See background.h.
//
// A file of the folder is checked twice: from its header before the prompt
// (so that a picture of another kind, or too large to read, is not offered,
// and a stretch is said under the question), and whole when "Yes" decodes
// it. Both open it anew; the answer may come much later. The folder is
// listed (model/file_io's regular_files) only when a name is not there in
// lower case.
#include "editor/background.h"

#include "draw/picture_fit.h"
#include "draw/picture_input.h"
#include "draw/text.h"
#include "editor/startup.h"
#include "files/file_io.h" // open_regular: no waiting on a pipe, no directory or device; regular_files

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// The characters a start-up screen's line holds beside its left margin.
constexpr size_t line_cells = static_cast<size_t>(320 - 35) / glyph_width;

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The kind a name promises, by its ending in any case.
picture_kind kind_of_name(const std::string& name) {
    const std::string n = lower(name);
    auto ends           = [&](const char* e) { return n.ends_with(e); };
    if (ends(".bmp")) return picture_bmp;
    if (ends(".png")) return picture_png;
    if (ends(".jpg") || ends(".jpeg")) return picture_jpeg;
    return picture_unknown;
}

// name with its first letter capital, as the start-up screens write it: "Bg.png".
std::string title(const std::string& name) {
    std::string t = name;
    if (!t.empty()) t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
    return t;
}

// t as the start-up font draws it: characters it has no glyph for become
// spaces, and no more than fits beside the prompts' left margin.
std::string drawable(std::string t) {
    for (char& c : t)
        if (!has_glyph(c)) c = ' ';
    if (t.size() > line_cells) t.resize(line_cells);
    return t;
}

// name for a line on standard error: a control character (a newline, an
// escape that a terminal would obey) as "?".
std::string printable(std::string name) {
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return name;
}

// One line on standard error, naming the file as said, then the note screen,
// naming it by name.
void tell(editor& ed, const std::string& name, const std::string& said, const background_read& r) {
    const bool more = !r.detail.empty();
    std::fprintf(stderr, "hudwright: cannot use %s: %s%s%s%s\n", printable(said).c_str(), r.reason.c_str(),
                 more ? " (" : "", r.detail.c_str(), more ? ")" : "");
    const char ending[]       = " cannot be used.";
    const std::string heading = drawable(fitted_name(title(name), line_cells - (sizeof ending - 1)) + ending),
                      reason  = drawable(r.reason + ".");
    note_screen(ed, {heading.c_str(), reason.c_str(), "The built-in background stays."});
}

bool stretched(const background_read& r) {
    return fit_of(r.w, r.h, preview_width, preview_height) == fit_stretched;
}

// A stretched picture taken: one line on standard error.
void say_stretched(const std::string& said, const background_read& r) {
    if (stretched(r))
        std::fprintf(stderr, "hudwright: %s: %dx%d is not 4:3, stretched to %dx%d\n", printable(said).c_str(),
                     r.w, r.h, preview_width, preview_height);
}

bool regular(const std::string& path) {
    std::error_code ec; // one that cannot be looked at counts as missing
    return std::filesystem::is_regular_file(path, ec);
}

// The picture named with --bg, taken without a question.
void take_named(editor& ed) {
    const std::string& path = ed.bg_path;
    const std::string name  = file_name(path.c_str());
    background_read r       = read_background(path, ed.pictures.background, false, kind_from_bytes);
    if (!r.preview) return tell(ed, name, path, r);
    replace_background(ed.pictures, r.preview);
    ed.bg_choice = answer_yes;
    say_stretched(path, r);
    if (!stretched(r)) return;
    const char ending[]       = " is used.";
    const std::string heading = drawable(fitted_name(title(name), line_cells - (sizeof ending - 1)) + ending),
                      line    = stretched_line(r.w, r.h) + ".";
    note_screen(ed, {heading.c_str(), line.c_str()});
}

} // namespace

std::string background_file(const std::string& folder) {
    std::vector<folder_file> files;
    bool listed = false;
    for (const char* name : background_files) {
        if (regular(file_in(folder, name))) return name;
        if (!listed) files = regular_files(folder), listed = true;
        const folder_file* pick = nullptr;
        for (const folder_file& f : files)
            if (lower(f.name) == name && (!pick || f.name < pick->name)) pick = &f;
        if (pick) return pick->name;
    }
    return "";
}

std::string newest_picture(const std::string& folder) {
    const folder_file* pick              = nullptr;
    const std::vector<folder_file> files = regular_files(folder);
    for (const folder_file& f : files) {
        const picture_kind kind = kind_of_name(f.name);
        if (f.name[0] == '.' || (kind != picture_png && kind != picture_bmp)) continue;
        if (!pick || f.modified_ns > pick->modified_ns ||
            (f.modified_ns == pick->modified_ns && f.name < pick->name))
            pick = &f;
    }
    return pick ? pick->name : "";
}

background_read read_background(const std::string& path, SDL_Surface* built_in, bool header_only,
                                kind_from from) {
    background_read r{};
    errno            = 0;
    const char* name = path.c_str();
    FILE* f          = open_regular(name);
    if (!f) {
        r.reason = errno ? std::strerror(errno) : "it cannot be opened";
        return r;
    }
    std::error_code ec;
    const auto bytes  = std::filesystem::file_size(path, ec);
    SDL_RWops* rw     = nullptr;
    picture_kind kind = kind_of_name(path);
    picture_problem why;
    if (!ec && bytes > static_cast<unsigned long long>(background_file_limit)) {
        why = {"a file of more than 1 GiB", std::to_string(bytes) + " bytes"};
    } else if (!(rw = SDL_RWFromFP(f, 0))) {
        why = {"it cannot be read", SDL_GetError()};
    } else if (from == kind_from_bytes && (kind = picture_kind_of(rw)) == picture_unknown) {
        why = {"not a PNG or BMP picture", ""};
    } else if (claimed_picture_size(rw, kind, &r.w, &r.h, why) && !header_only) {
        if (SDL_Surface* picture = read_picture(rw, kind, why)) {
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

std::string fitted_name(const std::string& name, size_t cells) {
    if (name.size() <= cells) return name;
    if (cells <= 3) return std::string(cells, '.');
    const size_t start = (cells - 3) / 2, end = cells - 3 - start;
    return name.substr(0, start) + "..." + name.substr(name.size() - end);
}

std::string offer_question(const std::string& name) {
    const char ending[] = " found. Use it?";
    return fitted_name(title(name), line_cells - (sizeof ending - 1)) + ending;
}

std::string stretched_line(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h) + " - stretched to " + std::to_string(preview_width) +
           "x" + std::to_string(preview_height);
}

void background_prompt(editor& ed) {
    ed.bg_choice = answer_none;
    if (!ed.running) return;
    if (!ed.bg_path.empty()) return take_named(ed);
    std::string name = background_file(ed.folder);
    if (name.empty()) name = newest_picture(ed.folder);
    if (name.empty()) return;
    const std::string path = in_folder(ed, name.c_str());
    background_read r      = read_background(path, nullptr, true);
    if (r.reason.empty()) {
        const std::string question = offer_question(name), below = stretched_line(r.w, r.h);
        yes_no_prompt(ed, question.c_str(), ed.bg_choice, stretched(r) ? below.c_str() : nullptr);
        if (ed.bg_choice != answer_yes) return;
        r = read_background(path, ed.pictures.background);
        if (r.preview) {
            replace_background(ed.pictures, r.preview);
            say_stretched(name, r);
            return;
        }
    }
    tell(ed, name, name, r);
}
