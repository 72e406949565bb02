// view.h - whether a picture is drawn: every screen (the count-down, the
// prompts, the editor's pass) makes the record of what its picture would show
// (view_record, state.h), and draws and sends the picture only when that
// record differs from the one of the picture shown last, or when the window
// has lost its picture (ed.window.repaint, editor/window.h). An editor left alone
// then sends nothing, and a pass still polls, updates and pauses as always.
//
// Not here: the drawing itself (editor/frame, editor/startup), which changes
// no state; the bookkeeping of what was shown stays with the caller:
//
//   update_editor(ed);
//   if (to_show(ed.window, editor_view(ed))) draw_frame(ed);
#pragma once

#include "editor/state.h"

// What the editor's frame shows after the update: the layout's values, the
// selection, the elements' places, the value fields' texts, the save note,
// and the marks for placing (editor/marks.h).
view_record editor_view(const editor& ed);
// The count-down showing its number; a prompt showing its question and the
// line under it (null: none).
view_record countdown_view(int countdown);
view_record prompt_view(const char* question, const char* below = nullptr);

// True when a picture with the record v is to be drawn and shown: v differs
// from the record of the picture shown last, or window.repaint is set. v then is
// that record.
bool to_show(window_state& window, const view_record& v);
