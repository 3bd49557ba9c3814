#include "state/large_pages.h"

#include <cstdint>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace annals {

void AdviseLargePages(void* at, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    // Only whole pages inside the record are advised; a refusal changes nothing.
    const auto begin = reinterpret_cast<std::uintptr_t>(at);
    const std::uintptr_t page = 4096;
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t last = (begin + bytes) & ~(page - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)at;
    (void)bytes;
#endif
}

void ZeroRecords(void* at, std::size_t bytes) {
    auto* bytesAt = static_cast<unsigned char*>(at);
#if defined(__linux__) && defined(MADV_DONTNEED)
    const auto begin = reinterpret_cast<std::uintptr_t>(at);
    const std::uintptr_t page = 4096;
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t last = (begin + bytes) & ~(page - 1);
    if (last > first && madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED) == 0) {
        std::memset(bytesAt, 0, first - begin);
        std::memset(reinterpret_cast<unsigned char*>(last), 0, begin + bytes - last);
        return;
    }
#endif
    std::memset(bytesAt, 0, bytes);
}

} // namespace annals
