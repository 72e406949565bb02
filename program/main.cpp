// main.cpp - the entry point on every system: hands over to SDL_main, the run
// sequence. SDL 1.2 supplies no start-up glue on Linux, and on Windows the
// program does not use SDL's (SDLmain would send standard error to a file
// beside the program); run_program shows it in a message box there instead.
//
// No SDL header and no SDL compile flag may reach this file: on Windows both
// rename main to SDL_main, and this main then became an SDL_main calling
// itself forever, without a warning. The check below stops such a build; the
// test entry_start_failure catches one that got through (it never ends).
#include "program/entry.h"

#ifdef main
#error "main is renamed (SDL_main.h or -Dmain=SDL_main): main.cpp must not see SDL's headers or flags"
#endif

int main(int argc, char* argv[]) {
    return run_program(argc, argv);
}
