// code_read.h - the code files offered at start-up (code.unsaved.txt,
// code.txt, basecode.txt) read whole into memory for the import
// (model/import.h), so that neither a huge file nor a slow one holds the
// program: a file longer than any code file is refused at once, from its
// size, before anything is read (a sparse 1 TiB basecode.txt would take
// hours), and the reading can be ended between its chunks by whoever waits
// for it (the start-up screens: Escape, the window's close, a signal).
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

// The longest code file read: far beyond a real one (a code.txt with every
// value changed is about 1 KiB), short enough to read in a blink.
constexpr uint64_t code_file_limit = 4 << 20;

// path opened for reading as open_regular (files/file_io.h) opens it; a
// regular file longer than code_file_limit is refused before anything is
// read: nullptr, *error error_too_long (files/refusals.h).
FILE* open_code_file(const char* path, int* error = nullptr);
// The bytes of f from where it stands to its end into bytes, a chunk of 64
// KiB at a time; before each chunk after the first, ended() (where given) is
// asked whether to stop. 0; ECANCELED when ended() said so (bytes: what was read);
// error_too_long when the file grew past the limit meanwhile; or the errno
// of a failed read.
int read_code_file(FILE* f, std::string& bytes, const std::function<bool()>& ended = {});
