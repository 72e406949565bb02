// start_state.cpp - the editor loop's start state. See start_state.h.
#include "editor/start_state.h"

#include "editor/file_names.h"
#include "editor/update.h"
#include "files/file_io.h"

void start_editor_state(editor& ed) {
    ed.model.selected = el_a_button;
    ed.editing        = field_none;
    ed.arrow_run      = false;
    ed.note           = note_none;
    ed.hover          = -1; // until the pointer is seen
    ed.guides         = {};
    ed.cycle          = {};
    // an imported corner beyond the window's edge is held there before
    // anything counts as changed
    place_elements(ed);
    start_history(ed.history, ed.model);
    ed.saved = capture(ed.model);
    // as it was taken at the start (a change since is a change on disk), else as the editor opens
    ed.code_held       = ed.code_choice == answer_yes;
    ed.code_on_disk    = ed.code_held ? ed.taken_file : fingerprint_of(in_folder(ed, code_file).c_str());
    ed.replace_offered = false;
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
}
