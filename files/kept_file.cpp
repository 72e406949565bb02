// kept_file.cpp - kept work written without replacing another's content.
#include "files/kept_file.h"

#include "files/code_read.h"
#include "files/file_io.h"
#include "files/safe_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

keep_result refused(const std::string& shown, const char* why) {
    std::fprintf(stderr, "hudwright: cannot save %s: %s\n", shown.c_str(), why);
    return keep_failed;
}

// Whether what stands at path is the regular file replaceable says.
bool is_replaceable(const std::string& path, const fingerprint* replaceable) {
    return replaceable && kind_of(path.c_str()) == name_file && fingerprint_of(path.c_str()) == *replaceable;
}

// What stood at the name, now at `earlier`, under the first free numbered
// name beside target; "" when none could be had (it stays at `earlier`).
std::string put_aside(const std::string& earlier, const std::string& target) {
    for (int n = 1; n <= 1000; n++) {
        const std::string aside = numbered_name(target, n);
        if (move_to_new_name(earlier.c_str(), aside.c_str())) return aside;
        if (errno != EEXIST) break;
    }
    return "";
}

// Ours, at temp, takes the name target. What stood there goes to `earlier`
// in the same step, or, where two names cannot be swapped, first aside
// (`aside`) - unless it may be replaced. False with errno set; temp is then
// removed.
bool take_name(const std::string& temp, const std::string& target, std::string& earlier, std::string& aside,
               const fingerprint* replaceable) {
    if (move_to_new_name(temp.c_str(), target.c_str())) return true;
    if (errno == EEXIST && swap_files(temp.c_str(), target.c_str())) {
        earlier = temp;
        return true;
    }
    int err = errno;
    if ((err == EEXIST || err == ENOSYS || err == EINVAL || err == ENOTSUP) &&
        is_replaceable(target, replaceable)) {
        if (replace_file(temp.c_str(), target.c_str())) return true;
        err = errno;
    } else if (err == EEXIST || err == ENOSYS || err == EINVAL || err == ENOTSUP) {
        aside = put_aside(target, target);
        err   = errno;
        if (!aside.empty() && replace_file(temp.c_str(), target.c_str())) return true;
        if (!aside.empty()) err = errno;
    }
    remove_file(temp.c_str());
    errno = err;
    return false;
}

} // namespace

std::string numbered_name(const std::string& path, int n) {
    const size_t name = path.find_last_of("/\\") + 1; // 0 without a folder
    size_t dot        = path.rfind('.');
    if (dot == std::string::npos || dot <= name) dot = path.size();
    return path.substr(0, dot) + "." + std::to_string(n) + path.substr(dot);
}

keep_result keep_file(const std::string& folder, const char* name, const char* text, size_t len,
                      bool whole_paths, const fingerprint* replaceable) {
    const std::string target = file_in(folder, name);
    auto shown               = [&](const std::string& path) {
        return whole_paths ? path : std::string(file_name(path.c_str()));
    };
    const name_kind there = kind_of(target.c_str());
    if (there == name_folder) return refused(shown(target), std::strerror(EISDIR));
    if (there == name_other) return refused(shown(target), "it is no regular file");
    // the same text kept before is not written again
    if (there == name_file && holds_exactly(target.c_str(), text, len)) return keep_there;
    std::string temp, earlier, aside; // earlier: where what stood at the name went
    if (!write_beside(target, text, len, temp)) return refused(shown(target), std::strerror(errno));
    const bool taken = take_name(temp, target, earlier, aside, replaceable);
    const int err    = errno;
    if (!aside.empty())
        std::fprintf(stderr, "hudwright: the earlier %s kept as %s\n", shown(target).c_str(),
                     shown(aside).c_str());
    if (!taken) return refused(shown(target), std::strerror(err));
    // what another editor's quit wrote a moment before may be these very
    // changes; the file that may be replaced is not kept either
    if (!earlier.empty() &&
        (holds_exactly(earlier.c_str(), text, len) || is_replaceable(earlier, replaceable))) {
        remove_file(earlier.c_str());
    } else if (!earlier.empty()) {
        aside = put_aside(earlier, target);
        std::fprintf(stderr, "hudwright: the earlier %s kept as %s\n", shown(target).c_str(),
                     shown(aside.empty() ? earlier : aside).c_str());
    }
    return keep_written;
}

void recover_leftovers(const std::string& folder, const char* name) {
    const std::string target = file_in(folder, name);
    for (const std::string& left : leftovers_of(target)) {
        // a kept file is small: one too long for a code file is kept aside unread
        std::string text;
        bool same = false;
        if (FILE* f = open_code_file(left.c_str())) {
            same = read_code_file(f, text) == 0 && holds_exactly(target.c_str(), text.data(), text.size());
            std::fclose(f);
        }
        if (same) {
            remove_file(left.c_str()); // the very work the name holds
            continue;
        }
        std::string kept = target;
        if (!move_to_new_name(left.c_str(), target.c_str()))
            kept = errno == EEXIST ? put_aside(left, target) : "";
        if (!kept.empty())
            std::fprintf(stderr, "hudwright: %s, left by an end cut short, kept as %s\n",
                         file_name(left.c_str()), file_name(kept.c_str()));
    }
}
