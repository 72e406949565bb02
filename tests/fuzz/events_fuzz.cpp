// events_fuzz.cpp - libFuzzer target: any bytes as a stream of key, pointer,
// button, quit and resize events run through editor passes on the dummy video
// driver with every pause off (see targets.h for the invariants). The editor
// is started once; every input begins from the first editor pass's state.
#include "targets.h"

#include <cstdlib>

namespace {
fuzz::editor_session session;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (!session.open()) {
        std::fprintf(stderr, "the editor did not start\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string broken = fuzz::events_one(session, data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
