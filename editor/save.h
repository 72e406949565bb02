// save.h - the save button (and Ctrl+S): code.txt and code.cht
// (model/cheat_file.h) written together in the editor's folder, both or
// neither, and its result in the panel's note. No work is lost on the way:
// a code.txt that another program or editor wrote since this one read or
// wrote it is replaced only by a second save, as long as it stays as it was
// when the first was refused; the first save to replace a code.txt this
// editor neither wrote nor started from keeps that file's other content as
// code.earlier.txt; and what code.txt holds is kept in the refuge
// (files/refuge.h) as code.before.txt before it is written in place.
//
// Not here: the work kept on the way out (editor/unsaved.h), the files'
// safe writing (files/safe_write.h), the texts (model/export.h).
#pragma once

struct editor;

// Writes code.txt and code.cht; the panel's note says how it went (and why
// it failed), and a good save is what later changes are counted from.
void save_layout(editor& ed);
