// main.cpp - the entry point. On Linux SDL 1.2 supplies no start-up glue, so
// main hands straight over to SDL_main.
#include "program/run.h"

int main(int argc, char* argv[]) {
    return SDL_main(argc, argv);
}
