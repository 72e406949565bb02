// input.h - the editor's input side: the event drain with its press, drag,
// release, typed entry, arrow keys, undo and redo. It reads the editor's
// clock (now_ms) first. It changes the model and the panel state; the
// held-button repeats and everything drawn follow in the update and the frame.
#pragma once

struct editor;

// Drains every pending event and handles each in arrival order.
void poll_editor_events(editor& ed);
