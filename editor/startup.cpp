// startup.cpp - the screens between opening the window and the editor: the
// count-down over the splash picture, then a Yes/No prompt for each file
// found: code.unsaved.txt and basecode.txt (whose "Yes" imports it; the
// second is not asked once the first is taken), and bg.bmp (whose "Yes"
// makes it the background behind the preview).
//
// A prompt is answered by a click on "Yes" or "No", or by the keys Y or Enter
// (Yes) and N (No). Escape or closing the window on any screen clears running
// and leaves at once; every later screen then is skipped. Each screen redraws
// whole every frame and pauses screen_delay_ms after its flip. A file that is
// not there skips its prompt; one that is there but cannot be read is said
// (standard error, and a note on the screens); lines of a layout file that
// hold no code are counted on standard error; a bg.bmp that does not decode
// leaves the built-in background in place.
#include "editor/startup.h"

#include "draw/bmp_input.h"
#include "draw/rect.h"
#include "draw/text.h"
#include "editor/screen.h"
#include "model/file_io.h" // open_regular: the existence test of the files
#include "model/import.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr SDL_Rect countdown_message = {35, 256, 0, 0};
constexpr SDL_Rect prompt_message    = {35, 128, 0, 0};

bool quits(const SDL_Event& e) {
    return e.type == SDL_QUIT || (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE);
}

void clear_window(editor& ed) {
    SDL_Rect window = {0, 0, 320, 320};
    SDL_FillRect(ed.screen, &window, 0);
}

void text(editor& ed, SDL_Rect at, const char* t) {
    draw_text(at, t, ed.screen, font(ed.pictures, font_labels));
}

// The notes of start-up files that cannot be read, one line each from `at`
// down (x centre_notes: each centred in the window).
void draw_notes(editor& ed, SDL_Rect at) {
    for (const start_file_row& row : start_files) {
        if (!ed.start_file_error[row.file]) continue;
        char note[64] = "CANNOT READ ";
        for (size_t i = std::strlen(note), k = 0; row.name[k] && i + 1 < sizeof note; i++, k++)
            note[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(row.name[k])));
        const int w          = glyph_width * static_cast<int>(std::strlen(note));
        const SDL_Rect label = {static_cast<Sint16>(at.x == centre_notes ? (320 - w) / 2 : at.x), at.y,
                                static_cast<Uint16>(w), glyph_height};
        SDL_FillRect(ed.screen, const_cast<SDL_Rect*>(&label), SDL_MapRGB(ed.screen->format, 255, 255, 255));
        draw_text(label, note, ed.screen, font(ed.pictures, font_digits));
        at.y = static_cast<Sint16>(at.y + glyph_height);
    }
}

void flip_and_pause(editor& ed, bool pause) {
    show_screen(ed);
    if (pause && ed.screen_delay_ms) SDL_Delay(ed.screen_delay_ms);
}

// bg.bmp as the new background; the built-in one stays when it does not decode.
void load_background(editor& ed) {
    SDL_RWops* rw = SDL_RWFromFile(in_folder(ed, "bg.bmp").c_str(), "rb");
    if (!rw) return;
    // A header that claims more pixels than the file holds is refused before
    // SDL allocates for them; the fourth bytes of a 32-bit picture are never
    // its alpha: a background has nothing behind it.
    if (!bmp_fits_its_file(rw)) {
        SDL_RWclose(rw);
        return;
    }
    SDL_Surface* picture = without_alpha(SDL_LoadBMP_RW(rw, 1)); // closes rw
    if (!picture) return;
    // SDL decodes some depths (48 or 64 bits) that no blit can draw; such a
    // picture would leave the preview without any background.
    if (picture->format->BytesPerPixel < 1 || picture->format->BytesPerPixel > 4) {
        SDL_FreeSurface(picture);
        return;
    }
    replace_background(ed.pictures, picture);
}

} // namespace

bool countdown_frame(editor& ed, countdown& c) {
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (quits(e)) ed.running = false; // clicks and the rest are dropped
    if (!ed.running) return false;

    clear_window(ed);
    if (SDL_Surface* splash = kept_picture(ed.pictures, pic_splash)) {
        SDL_Rect corner = {0, 0, 0, 0};
        SDL_BlitSurface(splash, nullptr, ed.screen, &corner);
    }
    // Eight spaces move the text to x = 91 without drawing.
    char message[40];
    std::snprintf(message, sizeof message, "        Continuing in %d...", c.seconds);
    text(ed, countdown_message, message);
    draw_notes(ed, countdown_note_pos);
    flip_and_pause(ed, true);

    // "4" shows for frames 0-10, then 3, 2 and 1 for ten frames each.
    if (c.frame % 10 == 0 && c.frame != 0) c.seconds--;
    c.frame++;
    return c.seconds != 0;
}

int countdown_screen(editor& ed) {
    countdown c;
    while (c.seconds != 0 && countdown_frame(ed, c)) {
    }
    return c.frame;
}

bool prompt_frame(editor& ed, const char* question, prompt_answer& choice) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        event_to_editor(ed, e);
        if (e.type == SDL_MOUSEBUTTONDOWN) { // any button, the wheel too
            if (inside(yes_box, e.button.x, e.button.y))
                choice = answer_yes;
            else if (inside(no_box, e.button.x, e.button.y))
                choice = answer_no;
        } else if (quits(e)) {
            ed.running = false;
        } else if (e.type == SDL_KEYDOWN) { // Y or Enter: "Yes"; N: "No"
            const SDLKey k = e.key.keysym.sym;
            if (k == SDLK_y || k == SDLK_RETURN || k == SDLK_KP_ENTER)
                choice = answer_yes;
            else if (k == SDLK_n)
                choice = answer_no;
        }
    }
    if (!ed.running) {
        choice = answer_none; // a quit outweighs an answer clicked in the same drain
        return false;
    }

    clear_window(ed);
    text(ed, prompt_message, question);
    text(ed, yes_box, "Yes");
    text(ed, no_box, "No");
    draw_notes(ed, prompt_note_pos);
    // The frame after an answer follows without a pause, then the prompt ends.
    flip_and_pause(ed, choice == answer_none);
    return choice == answer_none;
}

void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice) {
    while (choice == answer_none && prompt_frame(ed, question, choice)) {
    }
}

bool kept_work_is_newer(const editor& ed) {
    long long kept = 0, saved = 0;
    return modified_ns(in_folder(ed, unsaved_file).c_str(), kept) &&
           (!modified_ns(in_folder(ed, code_file).c_str(), saved) || kept > saved);
}

bool kept_work_not_taken(const editor& ed) {
    return ed.unsaved_choice != answer_yes;
}

namespace {

// What an import read, said on standard error: lines that hold no code, a
// failed read.
void say_import(const import_report& r, const char* name) {
    if (r.skipped == 1)
        std::fprintf(stderr, "hudwright: skipped line %ld of %s: it holds no code\n", r.first_skipped, name);
    else if (r.skipped > 1)
        std::fprintf(stderr, "hudwright: skipped %ld lines of %s that hold no code, the first is line %ld\n",
                     r.skipped, name, r.first_skipped);
    if (r.error) std::fprintf(stderr, "hudwright: cannot read %s: %s\n", name, std::strerror(r.error));
}

} // namespace

void note_unreadable(editor& ed, start_file file, int error) {
    if (!error || ed.start_file_error[file]) return;
    ed.start_file_error[file] = error;
    std::fprintf(stderr, "hudwright: cannot read %s: %s\n", start_files[file].name, std::strerror(error));
}

void look_for_start_files(editor& ed) {
    for (const start_file_row& row : start_files) {
        if (row.asked && !row.asked(ed)) continue;
        int error = 0;
        if (FILE* f = open_regular(in_folder(ed, row.name).c_str(), &error)) std::fclose(f);
        note_unreadable(ed, row.file, error);
    }
}

void layout_prompt(editor& ed, start_file file) {
    const start_file_row& row = start_files[file];
    prompt_answer& choice     = ed.*row.choice;
    choice                    = answer_none;
    if (row.asked && !row.asked(ed)) return;
    // Opened as the existence test even after a quit; the import reads this stream.
    int error = 0;
    if (FILE* f = open_regular(in_folder(ed, row.name).c_str(), &error)) {
        if (ed.running) {
            yes_no_prompt(ed, row.question, choice);
            if (choice == answer_yes) say_import(import_base_code(f, ed.model), row.name);
        }
        std::fclose(f);
    }
    note_unreadable(ed, file, error);
}

void basecode_prompt(editor& ed) {
    layout_prompt(ed, file_basecode);
}

void background_prompt(editor& ed) {
    ed.bg_choice = answer_none;
    if (FILE* bg = open_regular(in_folder(ed, "bg.bmp").c_str())) {
        if (ed.running) {
            yes_no_prompt(ed, "Bg.bmp found. Use it?", ed.bg_choice);
            if (ed.bg_choice == answer_yes) load_background(ed);
        }
        std::fclose(bg);
    }
}

void file_prompts(editor& ed) {
    for (const start_file_row& row : start_files) layout_prompt(ed, row.file);
    background_prompt(ed);
}
