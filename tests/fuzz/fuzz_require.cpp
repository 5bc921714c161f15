#include <cstdio>
#include <cstdlib>

#include "fuzz_target.h"

namespace quillan::fuzz {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace quillan::fuzz
