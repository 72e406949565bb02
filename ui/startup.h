// startup.h - the count-down screen and the two Yes/No prompts that run before
// the editor, with the basecode.txt import and the bg.bmp background.
#pragma once

#include "shell/editor.h"

// The count-down: frames until it reaches 0 or running is cleared.
void countdown_screen(editor& ed);
// One frame of it; false when the screen is over.
bool countdown_frame(editor& ed);

// Shows question until "Yes" (choice 1), "No" (2) or a quit (running cleared).
void yes_no_prompt(editor& ed, const char* question, Uint8& choice);
// One frame of it; false when the prompt is over.
bool prompt_frame(editor& ed, const char* question, Uint8& choice);

// The prompts for basecode.txt and bg.bmp, each only when its file opens.
void file_prompts(editor& ed);
void basecode_prompt(editor& ed);   // "Yes" imports the file
void background_prompt(editor& ed); // "Yes" makes bg.bmp the background
