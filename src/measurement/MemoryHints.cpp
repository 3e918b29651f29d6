// Huge-page advice for large buffers (Linux; nothing elsewhere).
#include "MemoryHints.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vorn::measurement::detail {

void preferHugePages(const void *data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr uintptr_t kHuge = uintptr_t(2) << 20;
    if (bytes < 2 * kHuge)
        return;
    // Only whole huge pages inside the buffer.
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHuge - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace vorn::measurement::detail
