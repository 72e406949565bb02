// file_io.cpp (POSIX) - the POSIX form of each file operation that differs
// between the systems (see files/file_io.h); the Windows form is
// files/windows/file_io.cpp, and CMake builds one of the two (files/CMakeLists.txt).
#include "files/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

FILE* temp_file() {
    // TMPDIR first, then the system's folder; a file without a name where the
    // file system has them, else one named and removed at once.
    const char* tmpdir           = std::getenv("TMPDIR");
    const std::string folders[2] = {tmpdir && *tmpdir ? tmpdir : "", P_tmpdir};
    int error                    = ENOENT;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        int fd = -1;
#ifdef O_TMPFILE
        fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
#endif
        if (fd < 0) {
            std::string name = folder + "/hudwright-XXXXXX";
            fd               = mkstemp(name.data());
            if (fd >= 0) {
                unlink(name.c_str());
                fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
        }
        if (fd < 0) {
            error = errno;
            continue;
        }
        if (FILE* f = fdopen(fd, "w+b")) return f;
        error = errno;
        close(fd);
    }
    errno = error;
    return nullptr;
}

FILE* open_regular(const char* name, int* error) {
    if (error) *error = 0;
    int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        struct stat there;
        if (error && stat(name, &there) == 0 && S_ISREG(there.st_mode)) *error = e;
        return nullptr;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* f = fdopen(fd, "rb");
    if (!f) close(fd);
    return f;
}

std::string link_target(const char* path) {
    std::string target = path;
    for (int hops = 0; hops < 40; hops++) {
        char buf[PATH_MAX];
        ssize_t n = readlink(target.c_str(), buf, sizeof buf - 1);
        if (n < 0) break;
        buf[n]             = '\0';
        std::string linked = buf;
        if (linked.empty() || linked[0] != '/') {
            size_t slash = target.rfind('/');
            linked = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + linked;
        }
        target = linked;
    }
    return target;
}

name_kind kind_of(const char* path) {
    struct stat st;
    if (lstat(path, &st) != 0) return name_missing;
    return S_ISREG(st.st_mode)   ? name_file
           : S_ISLNK(st.st_mode) ? name_link
           : S_ISDIR(st.st_mode) ? name_folder
                                 : name_other;
}

bool same_file(const char* a, const char* b) {
    struct stat sa, sb;
    return stat(a, &sa) == 0 && stat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string folder_path(const char* dir) {
    if (dir && dir[0] == '/') return dir;
    std::string here;
    const char* pwd = std::getenv("PWD");
    if (pwd && pwd[0] == '/' && same_file(pwd, ".")) {
        here = pwd;
    } else {
        char buf[PATH_MAX];
        if (getcwd(buf, sizeof buf)) here = buf;
    }
    if (here.empty()) return dir ? dir : "."; // the current directory is gone: names from it, as they come
    if (!dir || !*dir || std::strcmp(dir, ".") == 0) return here;
    if (here.back() != '/') here += '/';
    return here + dir;
}

std::string file_in(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    return folder + (folder.back() == '/' ? "" : "/") + name;
}

const char* file_name(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

bool modified_ns(const char* path, long long& ns) {
    struct stat st;
    if (stat(path, &st) != 0) return false;
    ns = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

int open_for_writing(const char* path) {
    return open(path, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

int create_new_file(const char* path) {
    return open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

void set_mode(int fd, unsigned mode) {
    fchmod(fd, static_cast<mode_t>(mode));
}

bool flush_to_disk(int fd) {
    return fsync(fd) == 0;
}

bool replace_file(const char* from, const char* to) {
    return std::rename(from, to) == 0;
}

bool set_length(int fd, long long length) {
    return ftruncate(fd, static_cast<off_t>(length)) == 0;
}

int create_unnamed_file(const char* folder) {
#ifdef O_TMPFILE
    return open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

bool name_new_file(int fd, const char* path) {
    // linkat with AT_EMPTY_PATH needs a privilege; the descriptor's name in
    // /proc does not
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW) == 0;
}

unsigned long process_id() {
    return static_cast<unsigned long>(getpid());
}

bool move_to_new_name(const char* from, const char* to) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
    // A file system without that rename: a second name that cannot replace
    // anything, then the first one gone; where there are no links either (FAT),
    // a rename when nothing is there.
    if (link(from, to) == 0) {
        unlink(from); // failing, the file has both names: still there under the new one
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP) return false;
    struct stat st;
    if (lstat(to, &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from, to) == 0;
}

bool swap_files(const char* a, const char* b) {
    return renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE) == 0;
}

bool holds_exactly(const char* path, const char* bytes, size_t len) {
    int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    bool same = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == static_cast<off_t>(len);
    std::string text;
    char buf[4096];
    for (ssize_t n; same && text.size() <= len && (n = read(fd, buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<size_t>(n));
    close(fd);
    return same && text.size() == len && text.compare(0, len, bytes, len) == 0;
}

std::string user_state_folder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') return state; // a relative one is to be ignored
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home               = user ? user->pw_dir : nullptr;
    }
    return home && home[0] == '/' ? std::string(home) + "/.local/state" : "";
}

std::string without_root(const std::string& path) {
    const size_t start = path.find_first_not_of('/');
    return start == std::string::npos ? "" : path.substr(start);
}

bool make_folders(const std::string& path) {
    for (size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) return true;
    }
}

bool process_alive(unsigned long id) {
    if (id == 0 || id > static_cast<unsigned long>(INT_MAX)) return false; // no process has it
    return kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}
