// start_state.cpp - the editor loop's start state. See start_state.h.
#include "editor/start_state.h"

#include "editor/file_names.h"
#include "editor/update.h"
#include "files/file_io.h"

void start_editor_state(editor& ed) {
    ed.design.model.selected = el_a_button;
    ed.input.editing         = field_none;
    ed.input.arrow_run       = false;
    ed.note.shown            = note_none;
    ed.input.hover           = -1; // until the pointer is seen
    ed.input.guides          = {};
    ed.input.cycle           = {};
    // an imported corner beyond the window's edge is held there before
    // anything counts as changed
    place_elements(ed);
    start_history(ed.design.history, ed.design.model);
    ed.design.saved = capture(ed.design.model);
    // as it was taken at the start (a change since is a change on disk), else as the editor opens
    ed.files.code_held = ed.files.code_choice == answer_yes;
    ed.files.code_on_disk =
        ed.files.code_held ? ed.files.taken_file : fingerprint_of(in_folder(ed.files, code_file).c_str());
    ed.files.replace_offered = false;
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
}
