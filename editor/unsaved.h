// unsaved.h - the save button and its result in the panel, and no work lost on the
// way out: the layout as last saved (or as the editor opened with it) is
// kept, and ending the run with changes since then writes them, in code.txt's
// form, to code.unsaved.txt beside code.txt - never over code.txt itself, nor
// over an earlier code.unsaved.txt (model/kept_file.h). Where that folder
// takes no file (a full disk, a read-only or deleted folder, no descriptor
// left) they go to the same name in the user's state folder, below the
// folder's own path: ~/.local/state/hudwright/home/u/hud/code.unsaved.txt for
// /home/u/hud.
//
// A change counts when code.txt would be written differently: a value the
// game does not keep (the Hearts' place, say) is no saved work.
#pragma once

struct editor;

#include <string>

constexpr const char* code_file    = "code.txt";
constexpr const char* unsaved_file = "code.unsaved.txt";

// How long after a save refused because code.txt changed on disk a second
// save replaces it.
constexpr unsigned replace_window_ms = 5000;

// The save button: writes code.txt in the editor's folder; the panel's note
// says how it went (and why it failed), and a good save is what later changes
// are counted from. A code.txt that another program or editor wrote since this
// one read or wrote it is replaced only by a second save within
// replace_window_ms.
void save_layout(editor& ed);
// Whether code.txt would now be written differently from the last good save
// (or, before one, from the layout the editor opened with). Never before the
// editor has started: the start-up screens change nothing to keep.
bool unsaved_changes(const editor& ed);
// Where the changes not saved of the absolute folder go when that folder
// takes no file: $XDG_STATE_HOME/hudwright/FOLDER, else
// ~/.local/state/hudwright/FOLDER (%LOCALAPPDATA%\hudwright\FOLDER on
// Windows), FOLDER without its root; "" when no state folder is known.
std::string refuge_folder(const std::string& folder);
// On the way out: with unsaved changes, writes code.unsaved.txt beside
// code.txt, else in the refuge folder, and says where in one line on standard
// error. False, after a line saying so, only when it could be written nowhere.
bool keep_unsaved_changes(const editor& ed);
