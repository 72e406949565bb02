// import_fuzz.cpp - libFuzzer target: any bytes as basecode.txt (see
// targets.h for the invariants). A broken invariant aborts with its reason.
#include "targets.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string broken = fuzz::import_one(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
