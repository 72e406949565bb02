// entry.cpp - run_program: SDL_main, and on Windows standard error shown in a
// message box when no console, file or pipe takes it (see entry.h).
#include "program/entry.h"

#ifdef _WIN32

#include "files/file_io.h"

#include <cstdio>
#include <io.h>
#include <string>
#include <windows.h>

namespace {

// True when standard error leads to a console, a file or a pipe.
bool stderr_is_seen() {
    HANDLE h = GetStdHandle(STD_ERROR_HANDLE);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

// Points stderr at a copy of f's descriptor. A windowed program started
// without standard error has a stderr stream on no descriptor at all (-2).
// Windows' C library gives it one through freopen; Wine's refuses that, so
// there the stream is given the descriptor and made a writing one directly.
bool write_stderr_to(FILE* f) {
    std::fflush(stderr);
    if (_fileno(stderr) >= 0 || std::freopen("NUL", "wb", stderr))
        return _dup2(_fileno(f), _fileno(stderr)) == 0;
#ifdef _UCRT
    return false; // the stream's fields are hidden there
#else
    int fd = _dup(_fileno(f));
    if (fd < 0) return false;
    stderr->_file = fd;
    stderr->_flag = _IOWRT | _IONBF;
    stderr->_ptr = stderr->_base = nullptr;
    stderr->_cnt                 = 0;
    return true;
#endif
}

std::string read_all(FILE* f) {
    std::string text;
    char buf[4096];
    std::fseek(f, 0, SEEK_SET);
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    return text;
}

} // namespace

int run_program(int argc, char* argv[]) {
    if (stderr_is_seen()) return SDL_main(argc, argv);
    FILE* kept = temp_file();
    if (!kept || !write_stderr_to(kept)) {
        if (kept) std::fclose(kept);
        return SDL_main(argc, argv);
    }
    int status = SDL_main(argc, argv);
    std::fflush(stderr);
    std::string text = read_all(kept);
    std::fclose(kept);
    if (!text.empty())
        MessageBoxA(nullptr, text.c_str(), "Hudwright", MB_OK | (status ? MB_ICONERROR : MB_ICONWARNING));
    return status;
}

#else

int run_program(int argc, char* argv[]) {
    return SDL_main(argc, argv);
}

#endif
