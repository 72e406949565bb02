// startup.cpp - the screens between opening the window and the editor: the
// count-down over the splash picture, then a Yes/No prompt for each file
// found: code.unsaved.txt, code.txt and basecode.txt (whose "Yes" imports it;
// none is asked once one before it is taken), and the background picture
// (whose "Yes" makes it the background behind the preview:
// editor/background.cpp, which also says on a note screen why a picture is not
// used).
//
// Enter or Space ends the count-down at once (a click does not); the other
// events of that frame are dropped with it, so that Enter pressed twice in
// quick succession does not answer the first prompt too. A prompt is answered
// by a click on "Yes" or "No", or by the keys Y or Enter (Yes) and N (No).
// Escape or closing the window on any screen clears running and leaves at
// once, and so does an end from outside (a signal, the window destroyed:
// editor/ending.h); every later screen then is skipped. A screen is drawn
// whole and sent when what it shows changed (the count-down's number, another
// prompt) or the window lost its picture (editor/view.h); every frame of it
// pauses screen_delay_ms. A file that is not there skips its prompt; one that
// is there but cannot be read, or is longer than any code file, is said
// (standard error, and a note on the screens); lines of a layout file that
// hold no code are counted on standard error. A layout file is read in
// chunks (files/code_read.h), and between them the events are drained as on
// every screen (import_ended), so that Escape, the window's close or a
// signal ends even a slow import.
#include "editor/startup.h"

#include "draw/rect.h"
#include "draw/text.h"
#include "editor/background.h"
#include "editor/ending.h"
#include "editor/screen.h"
#include "editor/unsaved.h"
#include "editor/view.h"
#include "files/code_read.h" // open_code_file: the existence test of the files
#include "files/kept_file.h"
#include "files/refusals.h"
#include "model/export.h"
#include "model/import.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr SDL_Rect countdown_message = {35, 256, 0, 0};
constexpr SDL_Rect prompt_message    = {35, 128, 0, 0};

bool quits(const SDL_Event& e) {
    return e.type == SDL_QUIT || (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE);
}

// Enter (the keypad's too) or Space: the count-down ends at once.
bool goes_on(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return false;
    const SDLKey k = e.key.keysym.sym;
    return k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE;
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
        const int error = ed.start_file_error[row.file];
        if (!error) continue;
        std::string note = error == error_too_long ? std::string(row.name) + " is too large"
                                                   : std::string("cannot read ") + row.name;
        for (char& c : note) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int w          = glyph_width * static_cast<int>(note.size());
        const SDL_Rect label = {static_cast<Sint16>(at.x == centre_notes ? (320 - w) / 2 : at.x), at.y,
                                static_cast<Uint16>(w), glyph_height};
        SDL_FillRect(ed.screen, const_cast<SDL_Rect*>(&label), SDL_MapRGB(ed.screen->format, 255, 255, 255));
        draw_text(label, note.c_str(), ed.screen, font(ed.pictures, font_digits));
        at.y = static_cast<Sint16>(at.y + glyph_height);
    }
}

void pause(editor& ed) {
    if (ed.screen_delay_ms) SDL_Delay(ed.screen_delay_ms);
}

// The splash picture with the count-down's number.
void draw_countdown(editor& ed, int seconds) {
    clear_window(ed);
    if (SDL_Surface* splash = kept_picture(ed.pictures, pic_splash)) {
        SDL_Rect corner = {0, 0, 0, 0};
        SDL_BlitSurface(splash, nullptr, ed.screen, &corner);
    }
    // Eight spaces move the text to x = 91 without drawing.
    char message[40];
    std::snprintf(message, sizeof message, "        Continuing in %d...", seconds);
    text(ed, countdown_message, message);
    draw_notes(ed, countdown_note_pos);
    show_screen(ed);
}

void draw_prompt(editor& ed, const char* question, const char* below) {
    clear_window(ed);
    text(ed, prompt_message, question);
    if (below) text(ed, {prompt_message.x, Sint16(prompt_message.y + glyph_height), 0, 0}, below);
    text(ed, yes_box, "Yes");
    text(ed, no_box, "No");
    draw_notes(ed, prompt_note_pos);
    show_screen(ed);
}

} // namespace

bool countdown_frame(editor& ed, countdown& c) {
    SDL_Event e;
    bool skipped = false;
    while (SDL_PollEvent(&e)) {
        event_to_editor(ed, e);           // an expose
        if (quits(e)) ed.running = false; // clicks and the other keys are dropped
        skipped = skipped || goes_on(e);
        notice_window_event(ed, e);
    }
    notice_signal(ed);
    if (!ed.running || skipped) return false;

    if (to_show(ed, countdown_view(c.seconds))) draw_countdown(ed, c.seconds);
    pause(ed);

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

bool prompt_frame(editor& ed, const char* question, prompt_answer& choice, const char* below) {
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
        notice_window_event(ed, e);
    }
    notice_signal(ed);
    if (!ed.running) {
        choice = answer_none; // a quit outweighs an answer clicked in the same drain
        return false;
    }

    if (to_show(ed, prompt_view(question, below))) draw_prompt(ed, question, below);
    // After an answer the prompt ends without a pause.
    if (choice != answer_none) return false;
    pause(ed);
    return true;
}

void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice, const char* below) {
    while (choice == answer_none && prompt_frame(ed, question, choice, below)) {
    }
}

void note_screen(editor& ed, std::initializer_list<const char*> lines) {
    SDL_Event e; // what came before the note (a key held on from the prompt) does not end it; a quit does
    while (SDL_PollEvent(&e)) {
        if (quits(e)) ed.running = false;
        notice_window_event(ed, e);
    }
    notice_signal(ed);
    for (int frame = 0; frame < note_frames && ed.running; frame++) {
        if (to_show(ed, prompt_view(*lines.begin()))) { // the note's lines stay while it shows
            clear_window(ed);
            SDL_Rect at = prompt_message;
            for (const char* line : lines) {
                text(ed, at, line);
                at.y = static_cast<Sint16>(at.y + (at.y == prompt_message.y ? 2 : 1) * glyph_height);
            }
            show_screen(ed);
        }
        pause(ed);
        bool seen = false; // a click or a key
        while (SDL_PollEvent(&e)) {
            event_to_editor(ed, e);
            if (quits(e)) ed.running = false;
            seen = seen || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_KEYDOWN;
            notice_window_event(ed, e);
        }
        notice_signal(ed);
        if (seen) return;
    }
}

namespace {

// What the layout file name holds: the codes it gives the game's own layout,
// in code.txt's form (no line: nothing changed). Not there: missing, and
// error 0; there but unreadable: error its errno.
struct file_codes {
    bool missing;
    int error;
    std::string codes;
};

file_codes codes_of(editor& ed, const char* name) {
    file_codes c{true, 0, ""};
    FILE* f = open_code_file(in_folder(ed, name).c_str(), &c.error);
    if (!f) return c;
    c.missing = false;
    std::string bytes;
    c.error = read_code_file(f, bytes, [&] { return import_ended(ed); });
    std::fclose(f);
    layout m{};
    start_layout(m);
    import_base_code(bytes.data(), bytes.size(), m);
    char text[export_capacity];
    c.codes.assign(text, format_codes(m, text, sizeof text));
    return c;
}

} // namespace

bool import_ended(editor& ed) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        event_to_editor(ed, e); // an expose
        if (quits(e)) ed.running = false;
        notice_window_event(ed, e);
    }
    notice_signal(ed);
    return !ed.running;
}

bool kept_work_differs(editor& ed) {
    const file_codes kept = codes_of(ed, unsaved_file);
    if (kept.missing && !kept.error) return false;
    const file_codes saved = codes_of(ed, code_file);
    return kept.error || saved.missing || saved.error || kept.codes != saved.codes;
}

bool saved_design_there(editor& ed) {
    if (ed.unsaved_choice == answer_yes) return false;
    const file_codes saved = codes_of(ed, code_file);
    return saved.error || !saved.codes.empty();
}

bool no_layout_taken(editor& ed) {
    return ed.unsaved_choice != answer_yes && ed.code_choice != answer_yes;
}

namespace {

// What an import read, said on standard error: lines that hold no code.
void say_import(const import_report& r, const char* name) {
    if (r.skipped == 1)
        std::fprintf(stderr, "hudwright: skipped line %ld of %s: it holds no code\n", r.first_skipped, name);
    else if (r.skipped > 1)
        std::fprintf(stderr, "hudwright: skipped %ld lines of %s that hold no code, the first is line %ld\n",
                     r.skipped, name, r.first_skipped);
}

} // namespace

void note_unreadable(editor& ed, start_file file, int error) {
    if (!error || ed.start_file_error[file]) return;
    ed.start_file_error[file] = error;
    std::fprintf(stderr, "hudwright: cannot read %s: %s\n", start_files[file].name, error_text(error));
}

void look_for_start_files(editor& ed) {
    for (const char* kept : {unsaved_file, earlier_file}) recover_leftovers(ed.folder, kept);
    for (const start_file_row& row : start_files) {
        if (row.asked && !row.asked(ed)) continue;
        int error = 0;
        if (FILE* f = open_code_file(in_folder(ed, row.name).c_str(), &error)) std::fclose(f);
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
    if (FILE* f = open_code_file(in_folder(ed, row.name).c_str(), &error)) {
        if (ed.running) yes_no_prompt(ed, row.question, choice);
        std::string bytes;
        if (choice == answer_yes) error = read_code_file(f, bytes, [&] { return import_ended(ed); });
        if (choice == answer_yes && error == 0) {
            say_import(import_base_code(bytes.data(), bytes.size(), ed.model), row.name);
            ed.taken_file = fingerprint_of(in_folder(ed, row.name).c_str());
        } else if (choice == answer_yes) {
            choice = answer_none; // not taken: a quit meanwhile, or a file that failed part-way, is no layout
            if (error == ECANCELED) error = 0;
        }
        std::fclose(f);
    }
    note_unreadable(ed, file, error);
}

void basecode_prompt(editor& ed) {
    layout_prompt(ed, file_basecode);
}

void file_prompts(editor& ed) {
    for (const start_file_row& row : start_files) layout_prompt(ed, row.file);
    background_prompt(ed);
}
