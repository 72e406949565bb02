// file_io.cpp (Windows) - the Windows form of each file operation that differs
// between the systems (see files/file_io.h); the POSIX form is
// files/posix/file_io.cpp, and CMake builds one of the two (files/CMakeLists.txt).
#include "files/file_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

int trusted_target(const char* path, std::string& target) {
    target = path; // no links here
    return 0;
}

name_kind kind_of(const char* path) {
    struct _stat64 st;
    if (_stat64(path, &st) != 0) return name_missing;
    const int type = st.st_mode & _S_IFMT;
    return type == _S_IFREG ? name_file : type == _S_IFDIR ? name_folder : name_other;
}

bool facts_of(const char* path, file_facts& facts, bool) {
    struct _stat64 st;
    if (_stat64(path, &st) != 0) return false;
    const int type = st.st_mode & _S_IFMT;
    facts          = {type == _S_IFREG   ? name_file
                      : type == _S_IFDIR ? name_folder
                                         : name_other,
             static_cast<uint64_t>(st.st_size), 0, 0, (st.st_mode & _S_IWRITE) ? 0666u : 0444u};
    return true;
}

unsigned user_id() {
    return 0;
}

bool may_write(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY) &&
           _access(path, 2) == 0;
}

bool replace_forbidden(const char*) {
    return false;
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

int rewrite_in_place(const char* path, const char* data, size_t len) {
    // As on POSIX, the new text and line ends as far as the old text went,
    // then the cut; Windows makes no promise that a write is not cut short.
    constexpr long long page = 4096;
    const int fd             = _open(path, _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return errno;
    const long long old = _lseeki64(fd, 0, SEEK_END);
    int err             = old < 0 ? errno : 0;
    std::string block(data, len);
    if (!err && old <= page && static_cast<long long>(block.size()) < old)
        block.append(static_cast<size_t>(old) - block.size(), '\n');
    if (!err && old > page) err = _chsize_s(fd, 0);
    if (!err && _lseeki64(fd, 0, SEEK_SET) != 0) err = errno;
    if (!err &&
        _write(fd, block.data(), static_cast<unsigned>(block.size())) != static_cast<int>(block.size()))
        err = errno ? errno : EIO;
    if (!err) err = _chsize_s(fd, static_cast<long long>(len));
    if (!err && _commit(fd) != 0) err = errno;
    if (_close(fd) != 0 && !err) err = errno;
    return err;
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

bool remove_file(const char* path) {
    if (DeleteFileA(path)) return true;
    errno = errno_of(GetLastError());
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

std::vector<std::string> user_state_folders() {
    std::vector<std::string> places;
    const char* local = std::getenv("LOCALAPPDATA");
    if (local && local[0]) places.push_back(local);
    char temp[MAX_PATH + 1];
    const DWORD n = GetTempPathA(MAX_PATH + 1, temp);
    if (n > 0 && n <= MAX_PATH) {
        const std::string last = file_in(temp, "hudwright");
        if (std::find(places.begin(), places.end(), last) == places.end()) places.push_back(last);
    }
    return places;
}

bool make_private_folder(const std::string& path) {
    return make_folders(path); // the user's temp folder is the user's alone already
}

std::string plain_without_root(const std::string& path) {
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') rest.erase(1, 1); // C:\x: C\x (\\server\share: server\share)
    std::vector<std::string> parts;
    for (size_t from = 0; from <= rest.size();) {
        size_t to = rest.find_first_of("\\/", from);
        if (to == std::string::npos) to = rest.size();
        const std::string part = rest.substr(from, to - from);
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back(); // never past the drive
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        from = to + 1;
    }
    std::string plain;
    for (const std::string& part : parts) plain += (plain.empty() ? "" : "\\") + part;
    return plain;
}

size_t longest_path() {
    return MAX_PATH;
}

bool make_folders(const std::string& path) {
    for (size_t at = path.find_first_of("\\/", 1);; at = path.find_first_of("\\/", at + 1)) {
        const std::string part = path.substr(0, at);
        if (!part.empty() && part.back() != ':' && _mkdir(part.c_str()) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) break;
    }
    struct _stat64 st; // a file of that name is no folder to keep anything in
    if (_stat64(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & _S_IFMT) == _S_IFDIR) return true;
    errno = ENOTDIR;
    return false;
}

bool process_alive(unsigned long id) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!h) return GetLastError() != ERROR_INVALID_PARAMETER; // no such process
    const bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return running;
}
