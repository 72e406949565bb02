// save_reasons.h - why a save failed, in the few words the panel shows after
// "NOT SAVED": one row per reason, found from the system's error number, or
// the editor's own reason (code.txt changed on disk since it was read or
// saved). The full reason goes to standard error; this is its short form.
#pragma once

#include "model/table_check.h"

#include <cerrno>

#ifndef EDQUOT // Windows has no disk quotas of this kind
#define EDQUOT ENOSPC
#endif

enum save_reason {
    reason_other, // the window says only NOT SAVED
    reason_no_permission,
    reason_disk_full,
    reason_is_folder,
    reason_read_only,
    reason_no_folder,
    reason_changed_on_disk,
    reason_count
};

struct save_reason_row {
    save_reason reason;
    const char* text; // in the window, under NOT SAVED ("" for none)
    int errors[2];    // the error numbers that give it (0: none)
};

// clang-format off
inline constexpr save_reason_row save_reasons[] = {
// reason                   window text          error numbers
{reason_other,              "",                  {0, 0}},
{reason_no_permission,      "NO PERMISSION",     {EACCES, EPERM}},
{reason_disk_full,          "DISK FULL",         {ENOSPC, EDQUOT}},
{reason_is_folder,          "IS A FOLDER",       {EISDIR, 0}},
{reason_read_only,          "READ-ONLY DISK",    {EROFS, 0}},
{reason_no_folder,          "NO FOLDER",         {ENOENT, 0}}, // the folder, since code.txt need not be there
{reason_changed_on_disk,    "CHANGED ON DISK",   {0, 0}},
};
// clang-format on

static_assert(one_row_each(save_reasons, reason_count, &save_reason_row::reason));

// The reason for a save that failed with this error number.
save_reason reason_of(int error);
