// screens.cpp - the start-up screens' one loop, its drain of events and the
// screens' drawing. See screens.h.
#include "editor/screens.h"

#include "draw/rect.h"
#include "draw/text.h"
#include "editor/ending.h"
#include "editor/window.h"
#include "editor/view.h"
#include "files/refusals.h" // error_too_long

#include <algorithm>
#include <cctype>
#include <cstdio>
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

// The answer an event gives (answer_none: none): any button on "Yes" or
// "No", the wheel too; Y or Enter, N.
prompt_answer answer_of(const SDL_Event& e) {
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        if (inside(yes_box, e.button.x, e.button.y)) return answer_yes;
        if (inside(no_box, e.button.x, e.button.y)) return answer_no;
    } else if (e.type == SDL_KEYDOWN) {
        const SDLKey k = e.key.keysym.sym;
        if (k == SDLK_y || k == SDLK_RETURN || k == SDLK_KP_ENTER) return answer_yes;
        if (k == SDLK_n) return answer_no;
    }
    return answer_none;
}

// ---- drawing: changes nothing but the screen ---------------------------------------

void clear_window(const window_state& window) {
    SDL_Rect whole = {0, 0, 320, 320};
    SDL_FillRect(window.screen, &whole, 0);
}

void text(editor& ed, SDL_Rect at, const char* t) {
    draw_text(at, t, ed.window.screen, font(ed.pictures, font_labels));
}

// The notes of start-up files that cannot be read, one line each from `at`
// down (x centre_notes: each centred in the window).
void draw_notes(editor& ed, SDL_Rect at) {
    for (const unreadable_file& file : ed.files.unreadable) {
        if (!file.name) continue;
        std::string note = file.error == error_too_long ? std::string(file.name) + " is too large"
                                                        : std::string("cannot read ") + file.name;
        for (char& c : note) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int w          = glyph_width * static_cast<int>(note.size());
        const SDL_Rect label = {static_cast<Sint16>(at.x == centre_notes ? (320 - w) / 2 : at.x), at.y,
                                static_cast<Uint16>(w), glyph_height};
        SDL_FillRect(ed.window.screen, const_cast<SDL_Rect*>(&label),
                     SDL_MapRGB(ed.window.screen->format, 255, 255, 255));
        draw_text(label, note.c_str(), ed.window.screen, font(ed.pictures, font_digits));
        at.y = static_cast<Sint16>(at.y + glyph_height);
    }
}

// The splash picture with the count-down's number.
void draw_countdown(editor& ed, int seconds) {
    clear_window(ed.window);
    if (SDL_Surface* splash = kept_picture(ed.pictures, pic_splash)) {
        SDL_Rect corner = {0, 0, 0, 0};
        SDL_BlitSurface(splash, nullptr, ed.window.screen, &corner);
    }
    // Eight spaces move the text to x = 91 without drawing.
    char message[40];
    std::snprintf(message, sizeof message, "        Continuing in %d...", seconds);
    text(ed, countdown_message, message);
    draw_notes(ed, countdown_note_pos);
}

void draw_question(editor& ed, const char* question, const char* below) {
    clear_window(ed.window);
    text(ed, prompt_message, question);
    if (below) text(ed, {prompt_message.x, Sint16(prompt_message.y + glyph_height), 0, 0}, below);
    text(ed, yes_box, "Yes");
    text(ed, no_box, "No");
    draw_notes(ed, prompt_note_pos);
}

void draw_note(editor& ed, const char* const (&lines)[note_lines]) {
    clear_window(ed.window);
    SDL_Rect at = prompt_message;
    for (const char* line : lines) {
        if (!line) break;
        text(ed, at, line);
        at.y = static_cast<Sint16>(at.y + (at.y == prompt_message.y ? 2 : 1) * glyph_height);
    }
}

// What the screen shows: a note's lines stay while it shows, so its first
// one tells it from another.
view_record view_of(const start_screen& s) {
    switch (s.kind) {
    case screen_countdown: return countdown_view(s.count.seconds);
    case screen_question: return prompt_view(s.lines[0], s.lines[1]);
    case screen_note:
    case screen_working: break;
    }
    return prompt_view(s.lines[0]);
}

void draw_screen(editor& ed, const start_screen& s) {
    switch (s.kind) {
    case screen_countdown: draw_countdown(ed, s.count.seconds); break;
    case screen_question: draw_question(ed, s.lines[0], s.lines[1]); break;
    case screen_note:
    case screen_working: draw_note(ed, s.lines); break;
    }
    show_screen(ed.window);
}

// ---- what each screen takes from a drain, and its frame -----------------------------------

// Whether s is over after this drain, before its frame is drawn.
bool over_before_frame(start_screen& s, const screen_input& in) {
    switch (s.kind) {
    case screen_countdown: return in.go_on;
    case screen_question:
        if (in.answer != answer_none) *s.choice = in.answer; // drawn once, then over
        return false;
    case screen_note: return (s.frames > 0 && in.key_or_click) || s.frames == note_frames;
    case screen_working: return s.frames > 0 && s.work.over(s.work.work, 0); // shown once at least
    }
    return true;
}

// The pause after s's frame; false when s is over without one.
bool pause_after_frame(const clock_state& clock, start_screen& s) {
    switch (s.kind) {
    case screen_question:
        if (*s.choice != answer_none) return false;
        break;
    case screen_working: s.work.over(s.work.work, clock.screen_delay_ms); return true;
    case screen_countdown:
    case screen_note: break;
    }
    if (clock.screen_delay_ms) SDL_Delay(clock.screen_delay_ms);
    return true;
}

// After the pause: the count-down's "4" shows for frames 0-10, then 3, 2 and
// 1 for ten frames each; false when it reaches 0.
bool step(start_screen& s) {
    s.frames++;
    if (s.kind != screen_countdown) return true;
    countdown& c = s.count;
    if (c.frame % 10 == 0 && c.frame != 0) c.seconds--;
    c.frame++;
    return c.seconds != 0;
}

// The run is ending: what the screen waited for is let go of.
void leave(start_screen& s) {
    switch (s.kind) {
    case screen_question:
        *s.choice = answer_none;
        break; // a quit outweighs an answer clicked in the same drain
    case screen_working: s.work.stop(s.work.work); break;
    case screen_countdown:
    case screen_note: break;
    }
}

} // namespace

start_screen countdown_state() {
    start_screen s{};
    s.kind  = screen_countdown;
    s.count = countdown{};
    return s;
}

start_screen question_state(const char* question, prompt_answer& choice, const char* below) {
    start_screen s{};
    s.kind     = screen_question;
    s.lines[0] = question;
    s.lines[1] = below;
    s.choice   = &choice;
    return s;
}

start_screen note_state(std::initializer_list<const char*> lines) {
    start_screen s{};
    s.kind = screen_note;
    std::copy_n(lines.begin(), std::min<size_t>(lines.size(), note_lines), s.lines);
    return s;
}

start_screen working_state(const char* line, screen_work work) {
    start_screen s{};
    s.kind     = screen_working;
    s.lines[0] = line;
    s.work     = work;
    return s;
}

screen_input drain_screen_events(editor& ed) {
    screen_input in{false, false, answer_none};
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        event_to_editor(ed.window, e); // an expose; a click's place
        if (quits(e)) {
            ed.run.running = false;
        } else if (const prompt_answer a = answer_of(e); a != answer_none) {
            in.answer = a;
        }
        in.go_on        = in.go_on || goes_on(e);
        in.key_or_click = in.key_or_click || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_KEYDOWN;
        notice_window_event(ed.run, e);
    }
    notice_signal(ed.run);
    return in;
}

bool screen_frame(editor& ed, start_screen& s) {
    const screen_input in = drain_screen_events(ed);
    if (!ed.run.running) {
        leave(s);
        return false;
    }
    if (over_before_frame(s, in)) return false;
    if (to_show(ed.window, view_of(s))) draw_screen(ed, s);
    return pause_after_frame(ed.clock, s) && step(s);
}

void run_screen(editor& ed, start_screen& s) {
    while (screen_frame(ed, s)) {
    }
}

int countdown_screen(editor& ed) {
    start_screen s = countdown_state();
    run_screen(ed, s);
    return s.count.frame;
}

bool countdown_frame(editor& ed, countdown& c) {
    start_screen s = countdown_state();
    s.count        = c;
    const bool on  = screen_frame(ed, s);
    c              = s.count;
    return on;
}

void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice, const char* below) {
    if (choice != answer_none) return;
    start_screen s = question_state(question, choice, below);
    run_screen(ed, s);
}

bool prompt_frame(editor& ed, const char* question, prompt_answer& choice, const char* below) {
    start_screen s = question_state(question, choice, below);
    return screen_frame(ed, s);
}

void note_screen(editor& ed, std::initializer_list<const char*> lines) {
    start_screen s = note_state(lines);
    run_screen(ed, s);
}

void working_screen(editor& ed, const char* line, screen_work work) {
    start_screen s = working_state(line, work);
    run_screen(ed, s);
}
