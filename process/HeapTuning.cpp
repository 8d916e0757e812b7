#include "HeapTuning.h"

#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <unistd.h>
#endif

namespace {
constexpr const char* tunable = "glibc.malloc.hugetlb=1";
} // namespace

void HeapTuning::useHugePages(char** argv) {
#if defined(__linux__) && defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    const char* current = std::getenv("GLIBC_TUNABLES");
    if (current && std::strstr(current, "glibc.malloc.hugetlb") != nullptr) {
        return;
    }
    const std::string value = current && *current ? std::string(current) + ":" + tunable : std::string(tunable);
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) != 0) {
        return;
    }
    execv("/proc/self/exe", argv);
    // Still here: the restart failed; run as we are.
#else
    (void)argv;
#endif
}

void HeapTuning::returnFreedMemory() {
#if defined(__linux__) && defined(__GLIBC__)
    malloc_trim(0);
#endif
}
