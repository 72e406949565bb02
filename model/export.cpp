// export.cpp - the code export: changed values to "81%06X %04X" lines.
#include "model/export.h"

#include "model/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct line_writer {
    char* out;
    size_t cap, len;
    void line(int32_t offset, uint32_t value) {
        if (len >= cap) return;
        int n = std::snprintf(out + len, cap - len, "81%06X %04X\n", static_cast<unsigned>(offset),
                              static_cast<unsigned>(value & 0xFFFFu));
        if (n > 0) len += static_cast<size_t>(n) < cap - len ? static_cast<size_t>(n) : cap - len - 1;
    }
};

} // namespace

size_t format_codes(const layout& m, char* out, size_t cap) {
    if (cap == 0) return 0;
    out[0] = '\0';
    line_writer w{out, cap, 0};
    for (const code_entry& c : code_table) {
        if (c.written && code_value(m, c) != code_home(m, c)) w.line(c.offset, code_value(m, c));
    }
    return w.len;
}

namespace {

bool write_all(int fd, const char* data, size_t len) {
    while (len > 0) {
        ssize_t n = write(fd, data, len);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        len -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool write_beside(const std::string& target, const char* text, size_t len, std::string& temp) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; attempt++) {
        temp = target + ".tmp" + std::to_string(process_id()) + "-" + std::to_string(attempt);
        fd   = create_new_file(temp.c_str());
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return false;
    // Keep the permissions of a file that was there.
    struct stat st;
    if (stat(target.c_str(), &st) == 0) set_mode(fd, st.st_mode & 07777);

    bool ok = write_all(fd, text, len) && flush_to_disk(fd);
    int err = errno;
    ok      = (close(fd) == 0) && ok;
    if (!ok) {
        unlink(temp.c_str());
        errno = err ? err : EIO;
    }
    return ok;
}

bool export_codes(const layout& m, const char* path) {
    char text[export_capacity];
    size_t len = format_codes(m, text, sizeof text);

    // Write a fresh file beside the target, then rename it over the target, so
    // that a failed save never leaves the old file truncated.
    std::string target = link_target(path); // where the bytes really go: a link stays a link
    // A pipe or a device (a link to /dev/null, say) is written into as it is:
    // renaming a file over it would replace the pipe or the device node. The
    // open does not wait for a pipe's reader; without one the save fails.
    // (Fix from the hostile file tests.)
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
        int fd  = open_for_writing(target.c_str());
        bool ok = fd >= 0 && write_all(fd, text, len);
        int err = errno;
        if (fd >= 0) ok = (close(fd) == 0) && ok;
        if (!ok)
            std::fprintf(stderr, "hudwright: cannot save %s: %s\n", path, std::strerror(err ? err : EIO));
        return ok;
    }
    std::string temp;
    if (!write_beside(target, text, len, temp)) {
        std::fprintf(stderr, "hudwright: cannot save %s: %s\n", path, std::strerror(errno));
        return false;
    }
    if (!replace_file(temp.c_str(), target.c_str())) {
        const int err = errno;
        unlink(temp.c_str());
        std::fprintf(stderr, "hudwright: cannot save %s: %s\n", path, std::strerror(err));
        return false;
    }
    return true;
}
