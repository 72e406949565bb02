// refuge.cpp - the refuges of a folder, and making one (refuge.h).
#include "files/refuge.h"

#include "files/file_io.h"

#include <cstdint>
#include <cstdio>

namespace {

// Room left in a refuge's path for the names kept there and their
// temporary names (code.unsaved.1000.txt.tmp4294967295-99).
constexpr size_t name_room = 64;

// 64-bit FNV-1a of the path, as 16 hexadecimal digits.
std::string hash_name(const std::string& path) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : path) h = (h ^ c) * 0x100000001B3ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(h));
    return text;
}

} // namespace

std::vector<refuge> refuges_of(const std::string& folder) {
    const std::string below              = plain_without_root(folder);
    const std::vector<std::string> bases = user_state_folders();
    std::vector<refuge> refuges;
    for (size_t i = 0; i < bases.size(); i++) {
        const std::string top = file_in(bases[i], "hudwright");
        std::string path      = below.empty() ? top : file_in(top, below.c_str());
        if (path.size() + name_room >= longest_path())
            path = file_in(file_in(top, "long"), hash_name(below).c_str());
        refuges.push_back({path, bases[i], i + 1 == bases.size()});
    }
    return refuges;
}

bool make_refuge(const refuge& r) {
    if (r.last_place && !make_private_folder(r.base)) return false;
    return make_folders(r.folder);
}
