// file_io.cpp (POSIX) - the POSIX form of each file operation that differs
// between the systems (see files/file_io.h); the Windows form is
// files/windows/file_io.cpp, and CMake builds one of the two (files/CMakeLists.txt).
#include "files/file_io.h"

#include "files/refusals.h"

#include <dirent.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A path reached through its folder when it is too long for the system's
// calls as a whole (PATH_MAX): the folder opened, the name taken from there;
// else the path as it is. A temporary name beside a code.txt whose path just
// fits is longer than the system takes, and still reachable this way.
struct at_path {
    int dir          = AT_FDCWD;
    const char* name = nullptr;
    explicit at_path(const char* path) : name(path) {
        const size_t length = std::strlen(path);
        const char* slash   = std::strrchr(path, '/');
        if (length < PATH_MAX || !slash || slash == path) return;
        const std::string folder(path, static_cast<size_t>(slash - path));
        const int fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return; // the call then fails on the whole path, as it would have
        dir  = fd;
        name = slash + 1;
    }
    ~at_path() {
        if (dir != AT_FDCWD) close(dir);
    }
    at_path(const at_path&)            = delete;
    at_path& operator=(const at_path&) = delete;
};

name_kind kind_of_mode(mode_t mode) {
    return S_ISREG(mode) ? name_file : S_ISLNK(mode) ? name_link : S_ISDIR(mode) ? name_folder : name_other;
}

bool stat_at(const char* path, struct stat& st, bool follow) {
    const at_path at(path);
    return fstatat(at.dir, at.name, &st, follow ? 0 : AT_SYMLINK_NOFOLLOW) == 0;
}

// The folder of path ("." for a bare name).
std::string folder_of(const char* path) {
    const char* slash = std::strrchr(path, '/');
    if (!slash) return ".";
    return slash == path ? "/" : std::string(path, static_cast<size_t>(slash - path));
}

} // namespace

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
    const at_path at(name);
    int fd = openat(at.dir, at.name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        struct stat there;
        if (error && stat_at(name, there, true) && S_ISREG(there.st_mode)) *error = e;
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

int trusted_target(const char* path, std::string& target) {
    target = path;
    for (int hops = 0; hops < 40; hops++) {
        struct stat st;
        if (!stat_at(target.c_str(), st, false) || !S_ISLNK(st.st_mode)) break;
        if (st.st_uid != geteuid() && st.st_uid != 0) return error_untrusted_link;
        char buf[PATH_MAX];
        const at_path at(target.c_str());
        const ssize_t n = readlinkat(at.dir, at.name, buf, sizeof buf - 1);
        if (n < 0) break;
        buf[n]             = '\0';
        std::string linked = buf;
        if (linked.empty() || linked[0] != '/') {
            size_t slash = target.rfind('/');
            linked = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + linked;
        }
        target = linked;
    }
    return 0;
}

name_kind kind_of(const char* path) {
    struct stat st;
    return stat_at(path, st, false) ? kind_of_mode(st.st_mode) : name_missing;
}

bool facts_of(const char* path, file_facts& facts, bool follow) {
    struct stat st;
    if (!stat_at(path, st, follow)) return false;
    facts = {kind_of_mode(st.st_mode), static_cast<uint64_t>(st.st_size), static_cast<uint64_t>(st.st_ino),
             static_cast<unsigned>(st.st_uid), static_cast<unsigned>(st.st_mode & 07777)};
    return true;
}

unsigned user_id() {
    return static_cast<unsigned>(geteuid());
}

bool may_write(const char* path) {
    struct stat st;
    if (!stat_at(path, st, true) || (st.st_mode & 0222) == 0) return false;
    const at_path at(path);
    return faccessat(at.dir, at.name, W_OK, AT_EACCESS) == 0;
}

bool replace_forbidden(const char* path) {
    struct stat file, folder;
    if (geteuid() == 0 || !stat_at(path, file, false) || stat(folder_of(path).c_str(), &folder) != 0)
        return false;
    return (folder.st_mode & S_ISVTX) && file.st_uid != geteuid() && folder.st_uid != geteuid();
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
    if (!stat_at(path, st, true)) return false;
    ns = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

std::vector<folder_file> regular_files(const std::string& folder) {
    std::vector<folder_file> files;
    DIR* d = opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return files;
    while (const dirent* e = readdir(d)) {
        struct stat st;
        if (stat(file_in(folder, e->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            files.push_back({e->d_name, static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                                            st.st_mtim.tv_nsec}); // as modified_ns
    }
    closedir(d);
    return files;
}

int open_for_writing(const char* path) {
    const at_path at(path);
    return openat(at.dir, at.name, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

int rewrite_in_place(const char* path, const char* data, size_t len) {
    constexpr size_t page = 4096; // the least page of any system: one write of it is never cut by a kill
    const at_path at(path);
    const int fd = openat(at.dir, at.name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat st;
    int err          = fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL;
    const size_t old = err ? 0 : static_cast<size_t>(st.st_size);
    // what the write is to cover of the old text: all of it, unless it is cut to nothing first
    const size_t over = old > page ? 0 : old;
    // the new text, then line ends as far as the old text went
    std::string block(data, len);
    if (block.size() < over) block.append(over - block.size(), '\n');
    rlimit most{};
    if (!err && getrlimit(RLIMIT_FSIZE, &most) == 0 && most.rlim_cur != RLIM_INFINITY &&
        block.size() > most.rlim_cur)
        err = EFBIG; // the limit would cut the write short: the old text stays whole
    if (!err && old > page && ftruncate(fd, 0) != 0) err = errno;
    if (!err) {
        ssize_t n;
        do n = pwrite(fd, block.data(), block.size(), 0);
        while (n < 0 && errno == EINTR);
        err = n < 0 ? errno : static_cast<size_t>(n) != block.size() ? EIO : 0;
    }
    if (!err && ftruncate(fd, static_cast<off_t>(len)) != 0) err = errno;
    if (!err && fsync(fd) != 0) err = errno;
    if (close(fd) != 0 && !err) err = errno;
    return err;
}

int create_new_file(const char* path) {
    const at_path at(path);
    return openat(at.dir, at.name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

void set_mode(int fd, unsigned mode) {
    fchmod(fd, static_cast<mode_t>(mode));
}

bool flush_to_disk(int fd) {
    return fsync(fd) == 0;
}

bool replace_file(const char* from, const char* to) {
    const at_path a(from), b(to);
    return renameat(a.dir, a.name, b.dir, b.name) == 0;
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
    const at_path at(path);
    return linkat(AT_FDCWD, self.c_str(), at.dir, at.name, AT_SYMLINK_FOLLOW) == 0;
}

unsigned long process_id() {
    return static_cast<unsigned long>(getpid());
}

bool move_to_new_name(const char* from, const char* to) {
    const at_path a(from), b(to);
    if (renameat2(a.dir, a.name, b.dir, b.name, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
    // A file system without that rename: a second name that cannot replace
    // anything, then the first one gone; where there are no links either (FAT),
    // a rename when nothing is there.
    if (linkat(a.dir, a.name, b.dir, b.name, 0) == 0) {
        unlinkat(a.dir, a.name, 0); // failing, the file has both names: still there under the new one
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP) return false;
    struct stat st;
    if (fstatat(b.dir, b.name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return renameat(a.dir, a.name, b.dir, b.name) == 0;
}

bool swap_files(const char* a, const char* b) {
    const at_path x(a), y(b);
    return renameat2(x.dir, x.name, y.dir, y.name, RENAME_EXCHANGE) == 0;
}

bool remove_file(const char* path) {
    const at_path at(path);
    return unlinkat(at.dir, at.name, 0) == 0;
}

bool holds_exactly(const char* path, const char* bytes, size_t len) {
    const at_path at(path);
    int fd = openat(at.dir, at.name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
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

std::vector<std::string> user_state_folders() {
    std::vector<std::string> places;
    auto add = [&](const std::string& place) {
        if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
    };
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') add(state); // a relative one is to be ignored
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home               = user ? user->pw_dir : nullptr;
    }
    if (home && home[0] == '/') add(std::string(home) + "/.local/state");
    const char* tmpdir = std::getenv("TMPDIR");
    struct stat var_tmp;
    const std::string temps = tmpdir && tmpdir[0] == '/'                                    ? tmpdir
                              : stat("/var/tmp", &var_tmp) == 0 && S_ISDIR(var_tmp.st_mode) ? "/var/tmp"
                                                                                            : "/tmp";
    add(file_in(temps, ("hudwright-" + std::to_string(geteuid())).c_str()));
    return places;
}

bool make_private_folder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != geteuid() || (st.st_mode & 077) != 0) {
        errno =
            error_not_private; // another's, a link, or open to others: the work would not be the user's alone
        return false;
    }
    return true;
}

std::string plain_without_root(const std::string& path) {
    std::vector<std::string> parts;
    for (size_t from = 0; from <= path.size();) {
        size_t to = path.find('/', from);
        if (to == std::string::npos) to = path.size();
        const std::string part = path.substr(from, to - from);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        from = to + 1;
    }
    std::string plain;
    for (const std::string& part : parts) plain += (plain.empty() ? "" : "/") + part;
    return plain;
}

size_t longest_path() {
    return PATH_MAX;
}

bool make_folders(const std::string& path) {
    for (size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) break;
    }
    struct stat st; // a file of that name is no folder to keep anything in
    if (stat(path.c_str(), &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) return true;
    errno = ENOTDIR;
    return false;
}

bool process_alive(unsigned long id) {
    if (id == 0 || id > static_cast<unsigned long>(INT_MAX)) return false; // no process has it
    return kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}
