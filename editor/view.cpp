// view.cpp - the records of what the screens show, and the comparison that
// decides whether a picture is drawn.
#include "editor/view.h"

#include "editor/fields.h"
#include "editor/marks.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

view_record editor_view(const editor& ed) {
    view_record v{};
    v.kind     = view_editor;
    v.values   = capture(ed.design.model);
    v.selected = ed.design.model.selected;
    std::copy(std::begin(ed.design.places), std::end(ed.design.places), v.places);
    for (int f = field_none + 1; f < field_count; f++)
        std::memcpy(v.fields[f], field_text(ed.input, ed.design.model, static_cast<value_field>(f)).s,
                    sizeof v.fields[f]); // zero-padded
    v.editing = ed.input.editing;
    v.caret = caret_place(ed.input, ed.input.editing); // a key that is no digit takes a place and shows none
    v.note  = ed.note.shown;
    v.note_reason = ed.note.reason;
    v.codes_shown = ed.codes.shown;
    v.code_page   = ed.codes.page;
    v.hover       = ed.input.hover;
    v.guides      = ed.input.guides;
    v.grid        = ed.window.grid;
    std::memcpy(v.size_text, size_text(ed.design).s, sizeof v.size_text);
    return v;
}

view_record countdown_view(int countdown) {
    view_record v{};
    v.kind      = view_countdown;
    v.countdown = countdown;
    return v;
}

view_record prompt_view(const char* question, const char* below) {
    view_record v{};
    v.kind = view_prompt;
    std::snprintf(v.question, sizeof v.question, "%s", question); // the words, not where they are kept
    std::snprintf(v.below, sizeof v.below, "%s", below ? below : "");
    return v;
}

bool to_show(window_state& window, const view_record& v) {
    if (v == window.on_screen && !window.repaint) return false;
    window.on_screen = v;
    return true;
}
