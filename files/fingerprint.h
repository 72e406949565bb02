// fingerprint.h - a file's fingerprint: what it is on the disk now, so that a
// save can tell whether another program or editor wrote it since this one
// last read or wrote it.
//
// A regular file is known by its length and a hash of its bytes (read whole:
// code.txt is small), so that a file written again with the same bytes counts
// as the same; one that cannot be read, or is very large, by its length, its
// modification time (nanoseconds) and its file id. Not for telling what changed.
#pragma once

#include <cstdint>

enum disk_kind {
    disk_missing,    // nothing there
    disk_file,       // a regular file, read whole
    disk_unreadable, // a regular file known by its length, time and id
    disk_other,      // a directory, a pipe, a device
};

struct fingerprint {
    disk_kind kind;
    uint64_t size, hash;
    bool operator==(const fingerprint&) const = default;
};

// Files longer than this are known by their time and id.
constexpr uint64_t disk_read_limit = 1 << 20;

fingerprint fingerprint_of(const char* path);
