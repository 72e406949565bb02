// code_read.cpp - a code file read with a limit and a way out (code_read.h).
#include "files/code_read.h"

#include "files/file_io.h"
#include "files/refusals.h"

#include <cerrno>

FILE* open_code_file(const char* path, int* error) {
    FILE* f = open_regular(path, error);
    file_facts there;
    if (f && facts_of(path, there) && there.size > code_file_limit) {
        std::fclose(f);
        if (error) *error = error_too_long;
        return nullptr;
    }
    return f;
}

int read_code_file(FILE* f, std::string& bytes, const std::function<bool()>& ended) {
    constexpr size_t chunk = 64 << 10;
    bytes.clear();
    for (bool first = true;; first = false) {
        if (!first && ended && ended()) return ECANCELED;
        const size_t had = bytes.size();
        bytes.resize(had + chunk);
        const size_t n = std::fread(bytes.data() + had, 1, chunk, f);
        bytes.resize(had + n);
        if (bytes.size() > code_file_limit) return error_too_long; // grown since it was opened
        if (n < chunk) return std::ferror(f) ? (errno ? errno : EIO) : 0;
    }
}
