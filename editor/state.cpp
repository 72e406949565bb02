// state.cpp - the editor's files, reached through its folder.
#include "editor/state.h"

#include "files/file_io.h"

std::string in_folder(const editor& ed, const char* name) {
    return file_in(ed.files.folder, name);
}
