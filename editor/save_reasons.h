// save_reasons.h - why a save failed, in the few words the panel shows after
// "NOT SAVED": one row per reason, found from the system's error number, or
// the editor's own reason (code.txt changed on disk since it was read or
// saved, which a second save replaces: its note says so in place of "NOT
// SAVED"), or the files' own refusals (files/refusals.h). The full reason
// goes to standard error; this is its short form.
#pragma once

#include "files/refusals.h"
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
    reason_untrusted_link,
    reason_read_only_file,
    reason_count
};

struct save_reason_row {
    save_reason reason;
    const char* heading; // the note's first line (null: NOT SAVED)
    const char* text;    // in the window, under it ("" for none)
    int errors[2];       // the error numbers that give it (0: none)
};

// clang-format off
inline constexpr save_reason_row save_reasons[] = {
// reason                   heading            window text          error numbers
{reason_other,              nullptr,           "",                  {0, 0}},
{reason_no_permission,      nullptr,           "NO PERMISSION",     {EACCES, EPERM}},
{reason_disk_full,          nullptr,           "DISK FULL",         {ENOSPC, EDQUOT}},
{reason_is_folder,          nullptr,           "IS A FOLDER",       {EISDIR, 0}},
{reason_read_only,          nullptr,           "READ-ONLY DISK",    {EROFS, 0}},
{reason_no_folder,          nullptr,           "NO FOLDER",         {ENOENT, 0}}, // the folder, since code.txt need not be there
{reason_changed_on_disk,    "CHANGED ON DISK", "SAVE TO REPLACE",   {0, 0}},      // a second save replaces it
{reason_untrusted_link,     nullptr,           "LINK NOT YOURS",    {error_untrusted_link, 0}}, // another user's link on the way
{reason_read_only_file,     nullptr,           "READ-ONLY FILE",    {error_read_only_file, 0}},
};
// clang-format on

static_assert(one_row_each(save_reasons, reason_count, &save_reason_row::reason));

// The reason for a save that failed with this error number.
save_reason reason_of(int error);
