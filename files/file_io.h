// file_io.h - the file operations whose POSIX and Windows forms differ, each
// in one place, so that the rest of the program reads the same everywhere.
//
// Every file is opened in binary mode: on Windows the C library's default text
// mode would write code.txt with CR LF line ends and stop reading a basecode.txt
// at a Ctrl-Z byte; the same bytes as on Linux are wanted. Windows follows no
// symbolic links here, keeps no POSIX permissions and has no named pipes in a
// folder; rename there does not replace a file, so replace_file does it its own
// way. Not for anything else: the formats and the save's sequence of steps are
// the callers' (files/safe_write.cpp, pictures/image_store.cpp,
// editor/startup.cpp, editor/unsaved.cpp). Declared once here, written once
// per system: files/posix/file_io.cpp and files/windows/file_io.cpp, of which
// CMake builds the one for the system built for.
#pragma once

#include <cstdio>
#include <string>

// A new temporary file for reading and writing, removed when it is closed or
// the process ends; nullptr (errno set) when none can be made. It lies in
// TMPDIR when that is set and usable, else in /tmp (the C library's tmpfile()
// ignores TMPDIR); on Windows in the user's temp folder (GetTempPath): the C
// library's tmpfile() makes it in the drive's root, which needs administrator
// rights.
FILE* temp_file();

// name opened for reading when it is a regular file; nullptr when it is
// missing or something else (a directory, a named pipe, a device), found out
// without waiting for a pipe's writer. With error given, *error is 0 then, or
// the errno of a regular file that is there but does not open (no
// permission, too many open files): such a file is not missing.
FILE* open_regular(const char* name, int* error = nullptr);

// The folder to work in, as a path from the root: dir (the current directory
// when null) taken from the directory the program was started from, named as
// the shell names it ($PWD, when that is the same folder) rather than through
// its links resolved. Files are then reached by this path, not through the
// directory the process is in: a folder removed and made again under the same
// name (a sync tool, a checkout) is found again.
std::string folder_path(const char* dir);
// The file name in folder (just name when folder is empty).
std::string file_in(const std::string& folder, const char* name);
// The file name at the end of path: what messages name.
const char* file_name(const char* path);
// When the file at path was last modified, in nanoseconds from any fixed
// point; false when it is not there.
bool modified_ns(const char* path, long long& ns);

// Where a chain of symbolic links from path ends, the links read one by one
// (at most 40); path itself where there is no link, and always on Windows.
std::string link_target(const char* path);

// What a name stands for itself, a link not followed (Windows has none).
enum name_kind { name_missing, name_file, name_link, name_folder, name_other };
name_kind kind_of(const char* path);

// A descriptor for writing into something that is there and is no regular file
// (a pipe, a device): without waiting for a pipe's reader, never becoming the
// process's terminal. -1 with errno set on failure.
int open_for_writing(const char* path);
// A descriptor on a new file made at path, which must not exist yet (mode 0666
// less the umask; not inherited by child processes). -1 with errno set.
int create_new_file(const char* path);
// Gives the file open at fd the permission bits mode (POSIX only).
void set_mode(int fd, unsigned mode);
// Waits until the file's bytes are on the disk. False with errno set.
bool flush_to_disk(int fd);
// Moves the file from over to, replacing a file there in one step. False with
// errno set; then to is as it was.
bool replace_file(const char* from, const char* to);
// Gives the file (or link) at from the name to, never replacing anything
// there: false with errno EEXIST then, or another errno.
bool move_to_new_name(const char* from, const char* to);
// Swaps what the names a and b stand for, in one step. False where the system
// or the file system cannot (always on Windows), errno set.
bool swap_files(const char* a, const char* b);
// Whether path is a regular file, not a link, that holds exactly these bytes.
bool holds_exactly(const char* path, const char* bytes, size_t len);

// Where the user's programs keep their state: $XDG_STATE_HOME (when
// absolute), else ~/.local/state; %LOCALAPPDATA% on Windows. "" when unknown.
std::string user_state_folder();
// An absolute path with its root taken off, to name it below another folder:
// "/home/u/hud" gives "home/u/hud", "C:\Users\u" gives "C\Users\u".
std::string without_root(const std::string& path);
// Makes the folder path and every missing one above it, for the user alone
// (0700). False with errno set.
bool make_folders(const std::string& path);

// Cuts or extends the file open at fd to length bytes. False with errno set.
bool set_length(int fd, long long length);
// A descriptor on a new file in folder that has no name yet and vanishes if
// the process dies before name_new_file gives it one (Linux's O_TMPFILE): a
// save killed midway leaves nothing behind. -1 where the system or the file
// system has no such files (always on Windows).
int create_unnamed_file(const char* folder);
// Gives the file of create_unnamed_file the name path, which must not exist
// yet. False with errno set (EEXIST: the name is taken).
bool name_new_file(int fd, const char* path);
// This process's id, to make file names no other process uses at once.
unsigned long process_id();
// Whether a process with this id runs on this machine (true when unsure).
bool process_alive(unsigned long id);
