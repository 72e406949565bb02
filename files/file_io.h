// file_io.h - the file operations whose POSIX and Windows forms differ, each
// in one place, so that the rest of the program reads the same everywhere.
//
// Every file is opened in binary mode: on Windows the C library's default text
// mode would write code.txt with CR LF line ends and stop reading a basecode.txt
// at a Ctrl-Z byte; the same bytes as on Linux are wanted. Windows follows no
// symbolic links here, keeps no POSIX permissions or owners and has no named
// pipes in a folder; rename there does not replace a file, so replace_file
// does it its own way. On POSIX a path longer than the system takes (PATH_MAX)
// is reached through its folder, so that a temporary name a few characters
// longer than code.txt's never fails where code.txt would not. Not for
// anything else: the formats and the save's sequence of steps are the
// callers' (files/safe_write.cpp, files/kept_file.cpp, pictures/image_store.cpp,
// editor/startup.cpp, editor/unsaved.cpp). Declared once here, written once
// per system: files/posix/file_io.cpp and files/windows/file_io.cpp, of which
// CMake builds the one for the system built for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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

// A regular file of a folder, and when it was last modified (as modified_ns).
struct folder_file {
    std::string name;
    long long modified_ns;
};
// The regular files in folder ("": the current one), links followed (Windows
// has none: every file that is no folder or device), in the order the system
// lists them; none when the folder cannot be read.
std::vector<folder_file> regular_files(const std::string& folder);

// What a name stands for itself, a link not followed (Windows has none).
enum name_kind { name_missing, name_file, name_link, name_folder, name_other };
name_kind kind_of(const char* path);

// What stands at path, through its links when follow is set: its kind (a
// link only when not followed), length, file id, owner and permission bits
// (Windows: no id, owner 0, and 0666 or 0444). False with errno set when
// nothing is there.
struct file_facts {
    name_kind kind;
    uint64_t size, id;
    unsigned owner, mode;
};
bool facts_of(const char* path, file_facts& facts, bool follow = true);
// The user this process acts for (its effective user id; 0 on Windows).
unsigned user_id();

// Where a chain of symbolic links from path ends, into target (path itself
// where there is no link, and always on Windows), followed only through links
// the user may trust: each one made by the user or by root, as the kernel
// follows links in a shared folder with the sticky bit (/tmp). 0, or
// error_untrusted_link (files/refusals.h) when a link of another user is on
// the way; then target is that link.
int trusted_target(const char* path, std::string& target);

// Whether the user may write the regular file at path: it has a write bit
// for someone, and this user's own permissions allow it (root honours a file
// marked read-only for everyone too). Windows: not marked read-only.
bool may_write(const char* path);
// Whether the folder of path forbids this user to replace it by a rename:
// a folder with the sticky bit (shared, as /tmp) where neither the file nor
// the folder is the user's. Never on Windows.
bool replace_forbidden(const char* path);

// A descriptor for writing into something that is there and is no regular file
// (a pipe, a device): without waiting for a pipe's reader, never becoming the
// process's terminal. -1 with errno set on failure.
int open_for_writing(const char* path);
// Writes the len bytes of data over the regular file at path (no link is
// followed), for a folder that takes no new file: never leaving the file's
// old text mixed with the new. The new text goes over the start of the file
// in one write of at most one page (4 KiB, which a kill cannot cut) with line
// ends after it as far as the old text went, and only then is the file cut to
// its length: killed between the two, it holds the new text and blank lines.
// An old file longer than a page is cut to nothing first, so a kill between
// that and the write leaves it empty. A write the file size limit would cut
// is refused before anything is written (EFBIG). 0, or the errno.
int rewrite_in_place(const char* path, const char* data, size_t len);
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
// Removes the name path (a link itself, not what it names). False with errno set.
bool remove_file(const char* path);
// Whether path is a regular file, not a link, that holds exactly these bytes.
bool holds_exactly(const char* path, const char* bytes, size_t len);

// The places where the user's programs keep their state, most wanted first:
// $XDG_STATE_HOME (when absolute), ~/.local/state, and, always last, the last
// place: a folder of this user's own in the system's temporary folder -
// hudwright-UID in $TMPDIR when that is set, else in /var/tmp (which outlives
// a restart, unlike /tmp on many systems), to be made by make_private_folder.
// On Windows %LOCALAPPDATA%, then hudwright in the user's temp folder. None
// twice; a place not known is left out.
std::vector<std::string> user_state_folders();
// Makes the last place's folder for the user alone (0700), or finds it so: a
// folder, no link, owned by the user, that no one else may enter. False with
// errno set (error_not_private, files/refusals.h: one that is another's, a
// link, or open to others).
bool make_private_folder(const std::string& path);
// An absolute path with its root taken off and made plain - no "." or ".."
// (each taking off the folder before it, never more than there is), no
// doubled separators - to name it below another folder: "/home/u/hud" gives
// "home/u/hud", "/home/u/../../../X/./dd/" gives "X/dd", "C:\Users\u" gives
// "C\Users\u".
std::string plain_without_root(const std::string& path);
// The longest path the system's calls take whole (PATH_MAX, Windows' MAX_PATH).
size_t longest_path();
// Makes the folder path and every missing one above it, for the user alone
// (0700). False with errno set.
bool make_folders(const std::string& path);

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
