// refusals.cpp - the words of the saves' own refusals (refusals.h).
#include "files/refusals.h"

#include <cstring>

const char* error_text(int error) {
    switch (error) {
    case error_untrusted_link: return "it is a link that another user made, which is not followed";
    case error_read_only_file: return "it is read-only";
    case error_not_private: return "it is not the user's own folder alone";
    case error_too_long: return "a file of more than 4 MiB, longer than any code file";
    default: return std::strerror(error);
    }
}
