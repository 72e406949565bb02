// options.h - the command line: hudwright [--zoom N] [--bg FILE] [DIR], --help,
// --version.
//
// read_options turns the arguments into a plain record and says what is wrong
// with them; it prints nothing, opens no window and does not change the
// working directory (SDL_main does that with the record). The texts of --help,
// --version and of a misuse are printed by the procedures below.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// What the command line asks for.
enum run_mode {
    mode_run,     // the editor
    mode_help,    // --help: the usage on standard output
    mode_version, // --version: the version on standard output
    mode_misuse,  // an unknown option, a bad zoom, --bg without a FILE or twice, a DIR that is not a folder
};

// The process's exit status.
enum exit_status { exit_ok = 0, exit_failure = 1, exit_misuse = 2 };

struct options {
    run_mode mode;
    int zoom;          // --zoom N (1 to 4), or zoom_fit without the option
    const char* bg;    // --bg FILE: the background picture, taken without a question; or null
    const char* dir;   // the folder to work in (an argument), or null: the current one
    char problem[200]; // mode_misuse: the one line that says what is wrong, "hudwright: ..."
};

// Reads argv[1..argc-1]. --help and --version take effect where they stand;
// a DIR is checked to be a folder (that it can be entered is left to chdir);
// a FILE is not looked at (one that cannot be used is said at start-up).
options read_options(int argc, char* argv[]);

// --help: the usage line, "Usage: hudwright [--zoom N] [--bg FILE] [DIR]", what
// each part does, every row of the key table and where the manual is.
void print_help(FILE* out);
// Where the manual is for a program in program_dir (--help's last line): the
// hudwright.html the build puts beside the program (and its manual page,
// hudwright.1), else the installed manual page, and the HTML of an
// installation whose share/doc/hudwright holds it.
std::string manual_place(const std::filesystem::path& program_dir);
// "hudwright VERSION".
void print_version(FILE* out);
// A misuse: its line, the usage line and where to read more; for standard error.
void print_misuse(const options& o, FILE* out);
