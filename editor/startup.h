// startup.h - the count-down screen and the two Yes/No prompts that run before
// the editor, with the basecode.txt import and the background picture
// (editor/background.h), and the note screen that says why a file is not used.
#pragma once

#include "editor/state.h"

#include <initializer_list>

// Where "Yes" and "No" stand and where a click answers: each exactly the size
// of its word in font 1 (3 and 2 cells of 7x16); left and top edges count.
constexpr SDL_Rect yes_box = {30, 80, 21, 16};
constexpr SDL_Rect no_box  = {80, 80, 14, 16};

// The count-down: "Continuing in 4..." down to 1, ten frames a number (the
// first number eleven); Enter or Space ends it at once.
struct countdown {
    int seconds = 4; // the number shown
    int frame   = 0; // frames shown so far
};
// Frames until it reaches 0, Enter or Space is pressed or running is
// cleared; the frames shown.
int countdown_screen(editor& ed);
// One frame of it; false when the screen is over (then without a frame).
bool countdown_frame(editor& ed, countdown& c);

// Shows question until "Yes", "No" or a quit (running cleared).
void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice);
// One frame of it; false when the prompt is over.
bool prompt_frame(editor& ed, const char* question, prompt_answer& choice);

// A note of a few lines where the prompts ask, the second line and those after
// it one line lower: shown note_frames frames (about three seconds) or until
// a click or a key; Escape or closing the window quits, as on every screen.
constexpr int note_frames = 30;
void note_screen(editor& ed, std::initializer_list<const char*> lines);

// The prompts for basecode.txt and the background picture, each only when its
// file is there.
void file_prompts(editor& ed);
void basecode_prompt(editor& ed); // "Yes" imports the file
