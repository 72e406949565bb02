// state.cpp - the editor loop's start state.
#include "editor/state.h"

#include "editor/update.h"

void start_editor_state(editor& ed) {
    ed.model.selected = el_a_button;
    ed.editing        = field_none;
    ed.arrow_run      = false;
    ed.note           = note_none;
    // an imported corner beyond the window's edge is held there before
    // anything counts as changed
    place_elements(ed);
    start_history(ed.history, ed.model);
    ed.saved = capture(ed.model);
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
}
