// refusals.h - the saves' own reasons for refusing a file, numbered beyond
// the system's error numbers so that they travel as errno does (a failed
// call sets errno to one of them) and are found by the save reasons' table
// (editor/save_reasons.h) as the system's are; error_text words them as
// strerror words the others, for the lines on standard error.
#pragma once

// A symbolic link on the way that another user made (not followed).
constexpr int error_untrusted_link = 0x10001;
// A file the user may not write, or marked read-only for everyone (not replaced).
constexpr int error_read_only_file = 0x10002;

// A folder for the user's kept work that is not the user's own alone.
constexpr int error_not_private = 0x10003;

// A code file longer than any code file is (files/code_read.h).
constexpr int error_too_long = 0x10004;

// strerror(error), or the words of a refusal above.
const char* error_text(int error);
