// startup.h - the count-down screen and the two Yes/No prompts that run before
// the editor, with the basecode.txt import and the bg.bmp background.
#pragma once

#include "editor/state.h"

// Where "Yes" and "No" stand and where a click answers: each exactly the size
// of its word in font 1 (3 and 2 cells of 7x16); left and top edges count.
constexpr SDL_Rect yes_box = {30, 80, 21, 16};
constexpr SDL_Rect no_box  = {80, 80, 14, 16};

// The count-down: "Continuing in 4..." down to 1, ten frames a number (the
// first number eleven).
struct countdown {
    int seconds = 4; // the number shown
    int frame   = 0; // frames shown so far
};
// Frames until it reaches 0 or running is cleared; the frames shown.
int countdown_screen(editor& ed);
// One frame of it; false when the screen is over.
bool countdown_frame(editor& ed, countdown& c);

// Shows question until "Yes", "No" or a quit (running cleared).
void yes_no_prompt(editor& ed, const char* question, prompt_answer& choice);
// One frame of it; false when the prompt is over.
bool prompt_frame(editor& ed, const char* question, prompt_answer& choice);

// The prompts for basecode.txt and bg.bmp, each only when its file opens.
void file_prompts(editor& ed);
void basecode_prompt(editor& ed);   // "Yes" imports the file
void background_prompt(editor& ed); // "Yes" makes bg.bmp the background
