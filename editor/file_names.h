// file_names.h - the files of the editor's folder it writes, by name: the
// codes and the RetroArch cheat file a save writes (editor/save.h), the
// earlier code.txt a save keeps aside, the work kept on the way out
// (editor/unsaved.h), and what code.txt held before a write in place, kept in
// the refuge (files/refuge.h). basecode.txt, which the editor only reads, is
// a row of the start-up files (editor/startup.h).
#pragma once

constexpr const char* code_file    = "code.txt";
constexpr const char* cheat_file   = "code.cht";
constexpr const char* earlier_file = "code.earlier.txt";
constexpr const char* unsaved_file = "code.unsaved.txt";
constexpr const char* before_file  = "code.before.txt"; // in the refuge: code.txt before a write in place
