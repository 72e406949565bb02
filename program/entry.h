// entry.h - what main needs, declared without SDL's headers: on Windows
// SDL_main.h renames main to SDL_main, and main.cpp must see no such rename.
// Not for anything else; the run sequence itself is run.h's.
#pragma once

// The run sequence (program/run.cpp), with C linkage as SDL names it.
extern "C" int SDL_main(int argc, char* argv[]);

// Runs SDL_main and returns its status. On Windows, when standard error leads
// nowhere (a program started from Explorer has no console), what SDL_main
// writes there is kept in a temporary file and shown in a message box once it
// returns, so that a failed start is not silent. Elsewhere just SDL_main.
int run_program(int argc, char* argv[]);
