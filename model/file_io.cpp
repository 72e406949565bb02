// file_io.cpp - the POSIX and the Windows form of each file operation that
// differs between them (see file_io.h). Each function is written twice, once
// per system, in the two halves below.
#include "model/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

FILE* open_regular(const char* name) {
    int fd = _open(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return nullptr; // a directory does not open either
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

std::string current_folder() {
    char buf[MAX_PATH * 4];
    return _getcwd(buf, sizeof buf) ? buf : "";
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

#else // POSIX

#include <pwd.h>
#include <unistd.h>

FILE* temp_file() {
    return std::tmpfile();
}

FILE* open_regular(const char* name) {
    int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
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

std::string current_folder() {
    char buf[PATH_MAX];
    return getcwd(buf, sizeof buf) ? buf : "";
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

#endif
