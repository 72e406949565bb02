// clipboard.h - Ctrl+C: the lines a save would write now (code.txt's bytes,
// format_codes in model/export.h) onto the system's clipboard as text, for
// an emulator's cheat dialog or a cheat cartridge's software; SDL 1.2 has no
// clipboard of its own. The panel's note says COPIED, NO CODES (nothing to
// copy: the clipboard is left as it was) or NO CLIPBOARD, and the first
// failure of a run says why in one line on standard error.
//
// - X11 (classic SDL 1.2 and sdl12-compat alike, on SDL's x11 driver): the
//   program opens a connection of its own to SDL's display, with the libX11
//   that SDL loaded (dlopen), at the first copy only, and a small unmapped
//   window of its own that owns the CLIPBOARD selection, taken at the
//   server's time. The event drain serves its requests (serve_clipboard:
//   nothing at all before the first copy): TARGETS, UTF8_STRING, STRING,
//   TEXT, TIMESTAMP and MULTIPLE. A selection another program takes is
//   simply given up. At the end of the run, after the work is kept, the
//   text is handed to a clipboard manager where one runs (the CLIPBOARD_MANAGER
//   selection's SAVE_TARGETS), waiting at most hand_over_ms for its answer.
//   The connection's loss ends the program as the window's does
//   (display_guard.h).
// - Windows: the text, with CR LF line ends as Windows programs expect, as
//   CF_UNICODETEXT through the clipboard API, owned by SDL's window; Windows
//   keeps it after the program ends.
// - Anywhere else (SDL's dummy driver, a native Wayland session without X):
//   NO CLIPBOARD.
#pragma once

#include "editor/state.h" // the clipboard record, ed.codes.clip

#include <cstddef>
#include <string>

// How long the end of the run waits for a clipboard manager to take the text.
constexpr unsigned hand_over_ms = 2000;

// Ctrl+C: the lines onto the clipboard, with the panel's note.
void copy_codes(editor& ed);
// In every event drain: the connection's requests answered (X11).
void serve_clipboard(clipboard& c);
// At the end of the run: the text handed to a clipboard manager (X11), then
// the connection closed.
void hand_over_clipboard(clipboard& c);

// The text as Windows programs expect it: UTF-16 with CR LF line ends.
std::u16string windows_text(const char* text, size_t length);

// The system's part (clipboard_x11.cpp, clipboard_windows.cpp): ed.codes.clip's
// text onto the clipboard; null, or why it could not be. It takes the editor:
// the connection X11 opens at the first copy keeps the editor's work when it
// is lost (editor/display_guard.h).
const char* put_on_clipboard(editor& ed);

// The connection closed and let go of (nothing where there is none).
void close_clipboard(clipboard& c);
