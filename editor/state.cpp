// state.cpp - the panel's note set, and the editor's files reached through its folder.
#include "editor/state.h"

#include "files/file_io.h"

void show_note(panel_note_state& note, panel_note n, Uint32 now_ms) {
    note.shown    = n;
    note.since_ms = now_ms;
}

void show_note(panel_note_state& note, panel_note n, Uint32 now_ms, save_reason why) {
    show_note(note, n, now_ms);
    note.reason = why;
}

std::string in_folder(const files_state& files, const char* name) {
    return file_in(files.folder, name);
}
