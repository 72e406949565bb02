// screens.h - the start-up screens, between opening the window and the
// editor: the count-down over the splash picture, a Yes/No question, a note
// of a few lines, and a note shown while work goes on beside it (a picture
// read on a thread of its own: editor/background.h). Which files are asked
// about is editor/startup.h's, the background picture editor/background.h's.
//
// Every screen is a state of one record, start_screen, and one loop runs them
// all. A frame drains the events (drain_screen_events), where every way a
// screen ends is handled once for all of them: Escape or the window's close
// clear running, and so does an end from outside - a signal, the window
// destroyed (editor/ending.h); the screen then ends at once, and every later
// one is skipped. Then the screen takes what it waits for, is drawn whole and
// sent when what it shows changed or the window lost its picture
// (editor/view.h), and the frame pauses screen_delay_ms. What each waits for:
//
// - the count-down: "Continuing in 4..." down to 1, ten frames a number (the
//   first eleven); Enter or Space ends it at once, a click does not. The
//   other events of that frame are dropped with it, so that Enter pressed
//   twice in quick succession does not answer the first question too;
// - a question: a click on "Yes" or "No", or the keys Y or Enter (Yes) and N
//   (No); a quit outweighs an answer in the same drain. After an answer it
//   ends without a pause;
// - a note: note_frames frames (about three seconds), or a click or a key -
//   not one that came before it (a key held on from a question);
// - a note beside work: one frame at least, then until the work is over,
//   waiting on it in place of the pause. A quit tells the work to stop and
//   waits until it has.
//
// A file offered at start-up that is there but cannot be read is noted on the
// count-down and the questions (ed.files.unreadable), one line each.
#pragma once

#include "editor/state.h"

#include <initializer_list>

// Where "Yes" and "No" stand and where a click answers: each exactly the size
// of its word in font 1 (3 and 2 cells of 7x16); left and top edges count.
constexpr SDL_Rect yes_box = {30, 80, 21, 16};
constexpr SDL_Rect no_box  = {80, 80, 14, 16};

// The notes of files that cannot be read, dark on white, one line each
// (CANNOT READ BASECODE.TXT, or BASECODE.TXT IS TOO LARGE) from these places
// down: centred under the count-down, left under a question.
constexpr Sint16 centre_notes         = -1;
constexpr SDL_Rect countdown_note_pos = {centre_notes, 280, 0, 0};
constexpr SDL_Rect prompt_note_pos    = {35, 160, 0, 0};

// The lines a note holds, the second one and those after it one line lower.
constexpr int note_lines = 3;
// The frames a note shows unless a click or a key ends it.
constexpr int note_frames = 30;

enum screen_kind { screen_countdown, screen_question, screen_note, screen_working };

// The count-down's number and the frames it has shown.
struct countdown {
    int seconds = 4;
    int frame   = 0;
};

// Work that goes on beside a note: over() waits at most wait_ms for it to
// end and says whether it has; stop() tells it to, and returns once it has.
struct screen_work {
    bool (*over)(void* work, Uint32 wait_ms);
    void (*stop)(void* work);
    void* work;
};

// One start-up screen and what it has come to.
struct start_screen {
    screen_kind kind;
    countdown count;               // the count-down
    const char* lines[note_lines]; // a question and the line under it, or a note's lines (null: none)
    prompt_answer* choice;         // where a question's answer goes
    int frames;                    // the frames a note has shown
    screen_work work;              // what a note beside work waits on
};

start_screen countdown_state();
start_screen question_state(const char* question, prompt_answer& choice, const char* below = nullptr);
start_screen note_state(std::initializer_list<const char*> lines);
start_screen working_state(const char* line, screen_work work);

// What one drain of a start-up screen's events brought, after every way to
// end was seen to (running cleared).
struct screen_input {
    bool go_on;           // Enter, the keypad's Enter or Space was pressed
    bool key_or_click;    // a key or a mouse button was pressed
    prompt_answer answer; // the last answer pressed: a click on Yes or No, Y or Enter, N
};
// Every pending event: mapped to the editor's pixels (an expose noted,
// editor/window.h), Escape or the window's close clearing running, a
// destroyed window or a caught signal ending the run (editor/ending.h). The
// drain of every start-up screen, and of work at start-up that polls between
// its parts; such work goes on only while ed.run.running.
screen_input drain_screen_events(editor& ed);

// One frame of s; false when it is over: at once after the drain (a quit, a
// count-down ended by a key, a note ended or its time up, the work over), or
// after a question's frame that brought its answer.
bool screen_frame(editor& ed, start_screen& s);
// Frames of s until it is over.
void run_screen(editor& ed, start_screen& s);

// The count-down until it reaches 0, Enter or Space is pressed or running is
// cleared; the frames shown. One frame of it (false when it is over).
int countdown_screen(editor& ed);
bool countdown_frame(editor& ed, countdown& c);

// Shows question (and the line below under it, unless null) until "Yes", "No"
// or a quit; choice is left answer_none by a quit. One frame of it.
void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice, const char* below = nullptr);
bool prompt_frame(editor& ed, const char* question, prompt_answer& choice, const char* below = nullptr);

// A note of up to note_lines lines where the questions ask.
void note_screen(editor& ed, std::initializer_list<const char*> lines);
// A note of one line until work is over; a quit stops it.
void working_screen(editor& ed, const char* line, screen_work work);
