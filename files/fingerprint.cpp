// fingerprint.cpp - a file's kind, length and bytes' hash (see fingerprint.h).
#include "files/fingerprint.h"

#include "files/file_io.h"

#include <cstdio>

namespace {

// 64-bit FNV-1a, continued from h.
uint64_t hash_bytes(uint64_t h, const unsigned char* p, size_t n) {
    for (size_t i = 0; i < n; i++) h = (h ^ p[i]) * 0x100000001B3ull;
    return h;
}

constexpr uint64_t hash_start = 0xCBF29CE484222325ull;

} // namespace

fingerprint fingerprint_of(const char* path) {
    file_facts there;
    if (!facts_of(path, there)) return {disk_missing, 0, 0};
    if (there.kind != name_file) return {disk_other, 0, 0};
    long long ns            = 0;
    const bool timed        = modified_ns(path, ns);
    const uint64_t id[2]    = {static_cast<uint64_t>(timed ? ns : 0), there.id};
    const uint64_t size     = there.size;
    const fingerprint by_id = {disk_unreadable, size,
                               hash_bytes(hash_start, reinterpret_cast<const unsigned char*>(id), sizeof id)};
    if (size > disk_read_limit) return by_id;
    FILE* f = open_regular(path);
    if (!f) return by_id;
    fingerprint c = {disk_file, 0, hash_start};
    unsigned char buf[4096];
    for (size_t n; c.size <= disk_read_limit && (n = std::fread(buf, 1, sizeof buf, f)) > 0; c.size += n)
        c.hash = hash_bytes(c.hash, buf, n);
    const bool whole = !std::ferror(f) && c.size <= disk_read_limit;
    std::fclose(f);
    return whole ? c : by_id;
}
