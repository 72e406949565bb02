// save_reasons.cpp - a failed save's error number to its reason (save_reasons.h).
#include "editor/save_reasons.h"

save_reason reason_of(int error) {
    for (const save_reason_row& row : save_reasons)
        for (int e : row.errors)
            if (e != 0 && e == error) return row.reason;
    return reason_other;
}
