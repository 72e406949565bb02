// startup.cpp - the screens between opening the window and the editor: the
// count-down over the splash picture, then a Yes/No prompt for basecode.txt
// (whose "Yes" imports it) and one for bg.bmp (whose "Yes" makes it the
// background behind the preview).
//
// A prompt is answered by a click on "Yes" or "No", or by the keys Y or Enter
// (Yes) and N (No). Escape or closing the window on any screen clears running
// and leaves at once, and so does an end from outside (a signal, the window
// destroyed: editor/ending.h); every later screen then is skipped. Each screen redraws whole every
// frame and pauses screen_delay_ms after its flip. Nothing is reported: a
// file that does not open skips its prompt, and a bg.bmp that does not decode
// leaves the built-in background in place.
#include "editor/startup.h"

#include "draw/bmp_input.h"
#include "draw/rect.h"
#include "draw/text.h"
#include "editor/ending.h"
#include "editor/screen.h"
#include "model/file_io.h" // open_regular: the existence test of basecode.txt and bg.bmp
#include "model/import.h"

#include <cstdio>

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

void flip_and_pause(editor& ed, bool pause) {
    show_screen(ed);
    if (pause && ed.screen_delay_ms) SDL_Delay(ed.screen_delay_ms);
}

// bg.bmp as the new background; the built-in one stays when it does not decode.
void load_background(editor& ed) {
    SDL_RWops* rw = SDL_RWFromFile("bg.bmp", "rb");
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
    while (SDL_PollEvent(&e)) {
        if (quits(e)) ed.running = false; // clicks and the rest are dropped
        notice_window_event(ed, e);
    }
    notice_signal(ed);
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
        notice_window_event(ed, e);
    }
    notice_signal(ed);
    if (!ed.running) {
        choice = answer_none; // a quit outweighs an answer clicked in the same drain
        return false;
    }

    clear_window(ed);
    text(ed, prompt_message, question);
    text(ed, yes_box, "Yes");
    text(ed, no_box, "No");
    // The frame after an answer follows without a pause, then the prompt ends.
    flip_and_pause(ed, choice == answer_none);
    return choice == answer_none;
}

void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice) {
    while (choice == answer_none && prompt_frame(ed, question, choice)) {
    }
}

void basecode_prompt(editor& ed) {
    ed.basecode_choice = answer_none;
    // Opened as the existence test even after a quit; the import reads this stream.
    if (FILE* basecode = open_regular("basecode.txt")) {
        if (ed.running) {
            yes_no_prompt(ed, "Basecode.txt found. Use it?", ed.basecode_choice);
            if (ed.basecode_choice == answer_yes) import_base_code(basecode, ed.model);
        }
        std::fclose(basecode);
    }
}

void background_prompt(editor& ed) {
    ed.bg_choice = answer_none;
    if (FILE* bg = open_regular("bg.bmp")) {
        if (ed.running) {
            yes_no_prompt(ed, "Bg.bmp found. Use it?", ed.bg_choice);
            if (ed.bg_choice == answer_yes) load_background(ed);
        }
        std::fclose(bg);
    }
}

void file_prompts(editor& ed) {
    basecode_prompt(ed);
    background_prompt(ed);
}
