// startup.h - the count-down screen and the two Yes/No prompts that run before
// the editor, with the basecode.txt import and the bg.bmp background.
#pragma once

#include "shell/editor.h"

void countdown_screen(editor& ed);
// Shows question until "Yes" (choice 1), "No" (2) or a quit (running cleared).
void yes_no_prompt(editor& ed, const char* question, Uint8& choice);
// The prompts for basecode.txt and bg.bmp, each only when its file opens.
void file_prompts(editor& ed);
