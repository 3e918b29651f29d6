// Huge-page advice and freshly mapped buffers for large data.
#include "MemoryHints.h"

#include <cstdint>
#include <new>

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

FreshPages::FreshPages(std::size_t size) : m_size(size)
{
    if (size == 0)
        return;
#if defined(__linux__)
    void *pages = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    m_data = static_cast<char *>(pages);
    preferHugePages(m_data, size);
#else
    m_data = new char[size];
#endif
}

FreshPages::~FreshPages()
{
    if (!m_data)
        return;
#if defined(__linux__)
    munmap(m_data, m_size);
#else
    delete[] m_data;
#endif
}

} // namespace vorn::measurement::detail
