// background.cpp - the background file found, asked for, read, fitted and put
// behind the preview; or, when it cannot be used, said. See background.h.
//
// A file of the folder is checked twice: from its header before the prompt
// (so that a picture of another kind, or too large to read, is not offered,
// and a stretch is said under the question), and whole when "Yes" decodes
// it. Both open it anew; the answer may come much later. The folder is
// listed (files/file_io's regular_files) only when a name is not there in
// lower case. The whole read runs on an SDL thread (std::thread is not there
// in mingw-w64's win32 thread model), which the screen's thread always waits
// for before it goes on: to its end, or stopped at a quit.
#include "editor/background.h"

#include "draw/picture_fit.h"
#include "draw/picture_input.h"
#include "draw/text.h"
#include "editor/screens.h"
#include "files/file_io.h" // open_regular: no waiting on a pipe, no directory or device; regular_files

#include <SDL_thread.h>
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
    const std::string& path = ed.files.bg_path;
    const std::string name  = file_name(path.c_str());
    background_read r       = read_background_shown(ed, path, name, kind_from_bytes);
    if (!ed.run.running) return;
    if (!r.preview) return tell(ed, name, path, r);
    replace_background(ed.pictures, r.preview);
    ed.files.bg_choice = answer_yes;
    say_stretched(path, r);
    if (!stretched(r)) return;
    const char ending[]       = " is used.";
    const std::string heading = drawable(fitted_name(title(name), line_cells - (sizeof ending - 1)) + ending),
                      line    = stretched_line(r.w, r.h) + ".";
    note_screen(ed, {heading.c_str(), line.c_str()});
}

// A read on a thread of its own, and the screen's hold on it. The screen's
// thread makes it and lets go of it only after the thread has ended; the
// thread reads from its own file and its own copy of the built-in
// background, and writes only result before it posts done.
struct reading {
    std::string path;
    kind_from kind;
    SDL_Surface* under     = nullptr; // the built-in background, the thread's own copy
    background_read result = {};      // the thread's, until it has ended
    std::atomic<bool> stop = false;
    SDL_sem* done          = nullptr;
    SDL_Thread* thread     = nullptr;
    bool over              = false; // done was taken: the thread is ending
};

int read_on_thread(void* data) {
    reading& r = *static_cast<reading*>(data);
    r.result   = read_background(r.path, r.under, false, r.kind, &r.stop);
    SDL_SemPost(r.done);
    return 0;
}

bool reading_over(void* data, Uint32 wait_ms) {
    reading& r = *static_cast<reading*>(data);
    if (!r.over) r.over = (wait_ms ? SDL_SemWaitTimeout(r.done, wait_ms) : SDL_SemTryWait(r.done)) == 0;
    return r.over;
}

void stop_reading(void* data) {
    reading& r = *static_cast<reading*>(data);
    r.stop     = true;
    SDL_WaitThread(r.thread, nullptr);
    r.thread = nullptr;
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
                                kind_from from, const std::atomic<bool>* stop) {
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
        if (decoded_picture picture = read_picture(rw, kind, why, stop); picture.surface) {
            r.preview = fit_picture(picture.surface, built_in, preview_width, preview_height, stop);
            free_picture(picture);
            if (!r.preview)
                why = stop && stop->load() ? picture_problem{"stopped", ""}
                                           : picture_problem{"out of memory", SDL_GetError()};
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

std::string reading_line(const std::string& name) {
    const char start[] = "Reading ", ending[] = "...";
    return drawable(start + fitted_name(name, line_cells - (sizeof start - 1) - (sizeof ending - 1)) +
                    ending);
}

background_read read_background_shown(editor& ed, const std::string& path, const std::string& name,
                                      kind_from kind) {
    SDL_Surface* built_in = ed.pictures.background;
    reading r{path, kind};
    r.under  = built_in ? SDL_ConvertSurface(built_in, built_in->format, SDL_SWSURFACE) : nullptr;
    r.done   = SDL_CreateSemaphore(0);
    r.thread = r.done && (r.under || !built_in) ? SDL_CreateThread(read_on_thread, &r) : nullptr;
    if (r.thread) {
        const std::string line = reading_line(name);
        working_screen(ed, line.c_str(), {reading_over, stop_reading, &r});
        if (r.thread) SDL_WaitThread(r.thread, nullptr); // it has posted done
    } else {                                             // no thread to be had: read here
        r.result = read_background(path, built_in, false, kind);
    }
    if (r.under) SDL_FreeSurface(r.under);
    if (r.done) SDL_DestroySemaphore(r.done);
    if (!ed.run.running && r.result.preview) { // ended meanwhile: the picture is not used
        SDL_FreeSurface(r.result.preview);
        r.result.preview = nullptr;
    }
    return r.result;
}

std::string stretched_line(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h) + " - stretched to " + std::to_string(preview_width) +
           "x" + std::to_string(preview_height);
}

void background_prompt(editor& ed) {
    ed.files.bg_choice = answer_none;
    if (!ed.run.running) return;
    if (!ed.files.bg_path.empty()) return take_named(ed);
    std::string name = background_file(ed.files.folder);
    if (name.empty()) name = newest_picture(ed.files.folder);
    if (name.empty()) return;
    const std::string path = in_folder(ed.files, name.c_str());
    background_read r      = read_background(path, nullptr, true);
    if (r.reason.empty()) {
        const std::string question = offer_question(name), below = stretched_line(r.w, r.h);
        yes_no_prompt(ed, question.c_str(), ed.files.bg_choice, stretched(r) ? below.c_str() : nullptr);
        if (ed.files.bg_choice != answer_yes) return;
        r = read_background_shown(ed, path, name);
        if (!ed.run.running) { // a quit outweighs the answer, as on the question itself
            ed.files.bg_choice = answer_none;
            return;
        }
        if (r.preview) {
            replace_background(ed.pictures, r.preview);
            say_stretched(name, r);
            return;
        }
    }
    tell(ed, name, name, r);
}
