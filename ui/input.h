// input.h - the editor's input side: the event drain with its press, drag,
// release and typed entry, and the two held-button steps.
#pragma once

#include "shell/editor.h"

// Drains every pending event and handles each in arrival order.
void poll_editor_events(editor& ed);
