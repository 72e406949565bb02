// target.cpp - the libFuzzer entry of each fuzz target (see targets.h for
// their invariants): FUZZ_EVENTS builds the editor's events, FUZZ_PICTURE the
// background picture, else the import.
// A broken invariant aborts with its reason.
#include "targets.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef FUZZ_EVENTS
    static fuzz::editor_session session; // started once (headless); every input begins from its first pass
    if (!session.ok) std::abort();
    std::string broken = fuzz::events_one(session, {reinterpret_cast<const char*>(data), size});
#elif defined(FUZZ_PICTURE)
    std::string broken = fuzz::picture_one({reinterpret_cast<const char*>(data), size});
#else
    std::string broken = fuzz::import_one({reinterpret_cast<const char*>(data), size});
#endif
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
