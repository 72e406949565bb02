// file_io.cpp - the POSIX and the Windows form of each file operation that
// differs between them (see file_io.h). Each function is written twice, once
// per system, in the two halves below.
#include "model/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32

#include <direct.h>
#include <io.h>
#include <windows.h>

namespace {

// The errno of a failed Windows call, for the messages that strerror words.
int errno_of(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_WRITE_PROTECT: return EROFS;
    default: return EIO;
    }
}

} // namespace

FILE* temp_file() {
    wchar_t dir[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, dir);
    if (n == 0 || n > MAX_PATH) {
        errno = ENOENT;
        return nullptr;
    }
    // A name of this process and this moment, made new or tried again: two
    // processes never share a file, and none is left behind after a crash
    // (the system removes a delete-on-close file when its last handle goes).
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; attempt++) {
        std::wstring name = std::wstring(dir) + L"hudwright-" + std::to_wstring(GetCurrentProcessId()) +
                            L"-" + std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(attempt) + L".tmp";
        h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (h == INVALID_HANDLE_VALUE) {
        errno = errno_of(GetLastError());
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return nullptr;
    }
    FILE* f = _fdopen(fd, "w+b");
    if (!f) _close(fd);
    return f;
}

FILE* open_regular(const char* name, int* error) {
    if (error) *error = 0;
    int fd = _open(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) { // a directory does not open either
        const int e = errno;
        struct _stat64 there;
        if (error && _stat64(name, &there) == 0 && (there.st_mode & _S_IFMT) == _S_IFREG) *error = e;
        return nullptr;
    }
    struct _stat64 st;
    if (_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return nullptr;
    }
    FILE* f = _fdopen(fd, "rb");
    if (!f) _close(fd);
    return f;
}

std::string link_target(const char* path) {
    return path;
}

name_kind kind_of(const char* path) {
    struct _stat64 st;
    if (_stat64(path, &st) != 0) return name_missing;
    const int type = st.st_mode & _S_IFMT;
    return type == _S_IFREG ? name_file : type == _S_IFDIR ? name_folder : name_other;
}

std::string folder_path(const char* dir) {
    const bool absolute = dir && (dir[0] == '\\' || dir[0] == '/' ||
                                  (dir[0] && dir[1] == ':' && (dir[2] == '\\' || dir[2] == '/')));
    if (absolute) return dir;
    char here[MAX_PATH + 1];
    if (!_getcwd(here, sizeof here)) return dir ? dir : ".";
    std::string folder = here;
    if (!dir || !*dir || std::strcmp(dir, ".") == 0) return folder;
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder + dir;
}

std::string file_in(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return folder + (last == '\\' || last == '/' ? "" : "\\") + name;
}

const char* file_name(const char* path) {
    const char* name = path;
    for (const char* c = path; *c; c++)
        if (*c == '/' || *c == '\\' || *c == ':') name = c + 1;
    return name;
}

bool modified_ns(const char* path, long long& ns) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
    ULARGE_INTEGER t;
    t.LowPart  = data.ftLastWriteTime.dwLowDateTime;
    t.HighPart = data.ftLastWriteTime.dwHighDateTime;
    ns         = static_cast<long long>(t.QuadPart) * 100; // counted in 100 ns since 1601
    return true;
}

std::vector<folder_file> regular_files(const std::string& folder) {
    std::vector<folder_file> files;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(file_in(folder, "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return files;
    do {
        // a name the system's code page cannot spell comes with "?", which no name holds: not openable
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE) ||
            std::strchr(found.cFileName, '?'))
            continue;
        ULARGE_INTEGER t;
        t.LowPart  = found.ftLastWriteTime.dwLowDateTime;
        t.HighPart = found.ftLastWriteTime.dwHighDateTime;
        files.push_back({found.cFileName, static_cast<long long>(t.QuadPart) * 100}); // as modified_ns
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return files;
}

bool same_file(const char* a, const char* b) {
    BY_HANDLE_FILE_INFORMATION info[2];
    const char* names[2] = {a, b};
    for (int i = 0; i < 2; i++) {
        HANDLE h = CreateFileA(names[i], 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const bool known = GetFileInformationByHandle(h, &info[i]);
        CloseHandle(h);
        if (!known) return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

int open_for_writing(const char* path) {
    return _open(path, _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}

int create_new_file(const char* path) {
    return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

void set_mode(int, unsigned) {}

bool flush_to_disk(int fd) {
    return _commit(fd) == 0;
}

bool replace_file(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    errno = errno_of(GetLastError());
    return false;
}

bool set_length(int fd, long long length) {
    const errno_t e = _chsize_s(fd, length);
    if (e != 0) errno = e;
    return e == 0;
}

int create_unnamed_file(const char*) {
    errno = ENOSYS; // Windows' delete-on-close files cannot be given a name afterwards
    return -1;
}

bool name_new_file(int, const char*) {
    errno = ENOSYS;
    return false;
}

unsigned long process_id() {
    return GetCurrentProcessId();
}

bool move_to_new_name(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_WRITE_THROUGH)) return true; // without REPLACE_EXISTING
    errno = errno_of(GetLastError());
    return false;
}

bool swap_files(const char*, const char*) {
    errno = ENOSYS;
    return false;
}

bool holds_exactly(const char* path, const char* bytes, size_t len) {
    FILE* f = open_regular(path);
    if (!f) return false;
    std::string text;
    char buf[4096];
    for (size_t n; text.size() <= len && (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    std::fclose(f);
    return text.size() == len && text.compare(0, len, bytes, len) == 0;
}

std::string user_state_folder() {
    const char* local = std::getenv("LOCALAPPDATA");
    return local && local[0] ? local : "";
}

std::string without_root(const std::string& path) {
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') rest.erase(1, 1); // C:\x: C\x
    const size_t start = rest.find_first_not_of("\\/");       // \\server\share: server\share
    return start == std::string::npos ? "" : rest.substr(start);
}

bool make_folders(const std::string& path) {
    for (size_t at = path.find_first_of("\\/", 1);; at = path.find_first_of("\\/", at + 1)) {
        const std::string part = path.substr(0, at);
        if (!part.empty() && part.back() != ':' && _mkdir(part.c_str()) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) return true;
    }
}

bool process_alive(unsigned long id) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!h) return GetLastError() != ERROR_INVALID_PARAMETER; // no such process
    const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return running;
}

#else // POSIX

#include <csignal>
#include <dirent.h>
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
        fd     = open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
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

#endif
