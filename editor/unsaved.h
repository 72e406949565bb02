// unsaved.h - the save button and its result in the panel, and no work lost on the
// way out: the layout as last saved (or as the editor opened with it) is
// kept, and quitting with changes since then writes them, in code.txt's form,
// to code.unsaved.txt beside code.txt - never over code.txt itself.
//
// A change counts when code.txt would be written differently: a value the
// game does not keep (the Hearts' place, say) is no saved work.
#pragma once

struct editor;

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
// (or, before one, from the layout the editor opened with).
bool unsaved_changes(const editor& ed);
// On the way out: with unsaved changes, writes code.unsaved.txt (as safely as
// a save) and says so in one line on standard error. False only when that
// file could not be written.
bool keep_unsaved_changes(const editor& ed);
