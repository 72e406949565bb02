// safe_write.cpp - code.txt and code.cht written whole or not at all: a new
// file beside each, renamed over it (see safe_write.h).
#include "files/safe_write.h"

#include "files/file_io.h"
#include "files/refusals.h"
#include "model/export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

bool write_all(int fd, const char* data, size_t len) {
    while (len > 0) {
        ssize_t n = write(fd, data, len);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        data += n;
        len -= static_cast<size_t>(n);
    }
    return true;
}

// The folder part of path, with its separator ("" for a bare name).
std::string folder_part(const std::string& path) {
    return path.substr(0, static_cast<size_t>(file_name(path.c_str()) - path.c_str()));
}

// The folder of path, to list or to make files in ("." for a bare name).
std::string folder_of(const std::string& path) {
    const std::string part = folder_part(path);
    return part.empty() ? "." : part;
}

// The longest name a folder takes (NAME_MAX on POSIX, Windows' too), and the
// most a temporary name adds: ".tmp", a process id, "-" and an attempt.
constexpr size_t longest_name = 255, suffix_room = 4 + 10 + 1 + 2;

// What the temporary files of target are named by: TARGET.tmp, the name cut
// where the whole would be longer than a folder takes.
std::string temporary_prefix(const std::string& target) {
    std::string name = file_name(target.c_str());
    if (name.size() + suffix_room > longest_name) name.resize(longest_name - suffix_room);
    return name + ".tmp";
}

// Whether name is prefix, a process id, "-" and a number: a temporary file of
// a save; its process id in pid.
template <class C>
bool temporary_name(const std::basic_string<C>& name, const std::basic_string<C>& prefix,
                    unsigned long& pid) {
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    size_t i    = prefix.size();
    auto number = [&](unsigned long& v) {
        const size_t from = i;
        for (v = 0; i < name.size() && name[i] >= '0' && name[i] <= '9' && i - from < 10; i++)
            v = v * 10 + static_cast<unsigned long>(name[i] - '0');
        return i > from;
    };
    unsigned long attempt = 0;
    return number(pid) && i < name.size() && name[i++] == '-' && number(attempt) && i == name.size();
}

// Gives a new file its permissions and data, on the disk. False with errno set.
bool fill(int fd, const char* data, size_t len, const file_facts* old) {
    if (old) set_mode(fd, old->mode); // the permissions of the file it replaces
    return write_all(fd, data, len) && flush_to_disk(fd);
}

// data in a new file beside target (TARGET.tmpPID-N), whole and on the disk:
// made without a name and named only when whole where the system can, so that
// nothing is left if the program dies meanwhile; else made under its name.
// The name, or "" with errno set.
std::string new_file_beside(const std::string& target, const char* data, size_t len, const file_facts* old) {
    const std::string base =
        folder_part(target) + temporary_prefix(target) + std::to_string(process_id()) + "-";
    if (int fd = create_unnamed_file(folder_of(target).c_str()); fd >= 0) {
        const bool ok = fill(fd, data, len, old);
        const int err = errno;
        for (int attempt = 0; ok && attempt < 100; attempt++) {
            const std::string temp = base + std::to_string(attempt);
            if (name_new_file(fd, temp.c_str())) {
                close(fd); // the bytes are on the disk already
                return temp;
            }
            if (errno != EEXIST) break; // no /proc: named the other way
        }
        close(fd);
        if (!ok) {
            errno = err;
            return "";
        }
    }
    for (int attempt = 0; attempt < 100; attempt++) {
        const std::string temp = base + std::to_string(attempt);
        const int fd           = create_new_file(temp.c_str());
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return "";
        bool ok       = fill(fd, data, len, old);
        const int err = errno;
        ok            = close(fd) == 0 && ok;
        if (ok) return temp;
        remove_file(temp.c_str());
        errno = err ? err : EIO;
        return "";
    }
    errno = EEXIST;
    return "";
}

// Writes data into what is at path as it is: a pipe or a device. 0 or errno.
int write_into(const std::string& path, const char* data, size_t len) {
    const int fd = open_for_writing(path.c_str());
    if (fd < 0) return errno;
    bool ok       = write_all(fd, data, len);
    const int err = errno;
    ok            = close(fd) == 0 && ok;
    return ok ? 0 : err ? err : EIO;
}

// Removes what saves killed midway left beside target.
void remove_leftovers(const std::string& target) {
    for (const std::string& left : leftovers_of(target)) remove_file(left.c_str());
}

} // namespace

bool write_beside(const std::string& target, const char* text, size_t len, std::string& temp) {
    file_facts old; // the permissions of a file there are kept
    const bool regular = facts_of(target.c_str(), old) && old.kind == name_file;
    temp               = new_file_beside(target, text, len, regular ? &old : nullptr);
    return !temp.empty();
}

std::vector<std::string> leftovers_of(const std::string& target) {
    namespace fs          = std::filesystem;
    const std::string dir = folder_of(target);
    const auto prefix     = fs::path(temporary_prefix(target)).native();
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        unsigned long pid = 0;
        if (!temporary_name(it->path().filename().native(), prefix, pid)) continue;
        const std::string path = folder_part(target) + it->path().filename().string();
        file_facts left;
        if (facts_of(path.c_str(), left, false) && left.kind == name_file && left.owner == user_id() &&
            (pid == process_id() || !process_alive(pid)))
            found.push_back(path);
    }
    return found;
}

namespace {

bool refuse(prepared_file& p, int err) {
    std::fprintf(stderr, "hudwright: cannot save %s: %s\n", p.shown.c_str(), error_text(err));
    p.temp.clear();
    errno = err;
    return false;
}

// The prepared file takes its name (or is written into what is there).
bool commit_file(prepared_file& p) {
    int err = 0;
    switch (p.way) {
    case write_into_special: err = write_into(p.target, p.text.data(), p.text.size()); break;
    case write_in_place: err = rewrite_in_place(p.target.c_str(), p.text.data(), p.text.size()); break;
    case write_by_rename:
        if (replace_file(p.temp.c_str(), p.target.c_str())) break;
        err = errno;
        remove_file(p.temp.c_str());
        break;
    }
    p.temp.clear();
    if (err) return refuse(p, err);
    if (p.way == write_in_place)
        std::fprintf(stderr, "hudwright: wrote %s in place: %s\n", p.shown.c_str(),
                     p.shared ? "its shared folder lets it be written but not replaced"
                              : "its folder takes no new file");
    p.done = true;
    return true;
}

} // namespace

bool prepare_file(const char* path, const char* text, size_t len, prepared_file& p) {
    p       = {};
    p.shown = file_name(path); // messages name the file, not its folder
    p.text.assign(text, len);
    // where the bytes really go: a link stays a link, and one another user
    // made is not followed (it would have the save write the user's own files)
    if (const int refusal = trusted_target(path, p.target)) return refuse(p, refusal);
    file_facts old;
    const bool there   = facts_of(p.target.c_str(), old);
    const bool regular = there && old.kind == name_file;
    if (there && old.kind == name_folder) return refuse(p, EISDIR);
    if (there && !regular) {
        // A pipe or a device (a link to /dev/null, say) is written into as it
        // is when the files take their names: renaming a file over it would
        // replace the pipe or the device node. (Fix from the hostile file tests.)
        p.way = write_into_special;
        return true;
    }
    // A fresh file beside the target, renamed over it: a failed save never
    // leaves the old file truncated.
    remove_leftovers(p.target);
    p.temp = new_file_beside(p.target, text, len, regular ? &old : nullptr);
    if (!p.temp.empty()) {
        if (!regular) return true;
        if (!may_write(p.target.c_str())) {
            discard_file(p);
            return refuse(p, error_read_only_file); // replacing it would undo what its mark says
        }
        if (replace_forbidden(p.target.c_str())) { // another's file in a shared folder: written, not replaced
            discard_file(p);
            p.way    = write_in_place;
            p.shared = true;
        }
        return true;
    }
    const int err = errno;
    // A folder that takes no new file (someone else's, or shared) while the
    // file itself may be written: then it is written in place.
    if ((err == EACCES || err == EPERM) && regular && may_write(p.target.c_str())) {
        p.way = write_in_place;
        return true;
    }
    return refuse(p, err);
}

void discard_file(prepared_file& p) {
    if (!p.temp.empty()) remove_file(p.temp.c_str());
    p.temp.clear();
}

bool commit_files(prepared_file* files, size_t count, bool specials_only) {
    // those most likely to fail first: a pipe without a reader, a full
    // device; then the renames, which fail only where a new file could be made
    // but the name may not be replaced; then the writes in place
    bool ok = true;
    int err = 0;
    for (write_way way : {write_into_special, write_by_rename, write_in_place})
        for (size_t i = 0; i < count; i++) {
            prepared_file& f = files[i];
            if (f.way != way || f.done || (specials_only && way != write_into_special)) continue;
            if (ok && !commit_file(f)) ok = false, err = errno;
            if (!ok) discard_file(f); // after a failure the rest stay as they were
        }
    errno = err;
    return ok;
}

bool export_codes(const layout& m, const char* path) {
    char text[export_capacity];
    const size_t len = format_codes(m, text, sizeof text);
    prepared_file p;
    return prepare_file(path, text, len, p) && commit_files(&p, 1);
}
