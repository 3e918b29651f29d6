// Large buffers: huge-page advice, and fresh pages that go back to the system
// whole when freed (Linux; the plain heap elsewhere).
#pragma once

#include <cstddef>

namespace vorn::measurement::detail {

// Asks the system to back a large fresh buffer with huge pages where it does
// that only on request: filling it for the first time then costs far fewer
// page faults (a 20 MB sample array loads noticeably faster). A hint only:
// nothing changes when it is not taken, and small buffers are left alone.
void preferHugePages(const void *data, std::size_t bytes);

// A buffer of fresh pages mapped for it alone, unmapped when it goes. A file
// read into one leaves nothing behind after its load: a heap block of that
// size may stay with the allocator for reuse, and a window that keeps only
// the samples would look twice as large. Its bytes start unspecified. Throws
// std::bad_alloc when the system has no room.
class FreshPages {
public:
    explicit FreshPages(std::size_t size);
    ~FreshPages();
    FreshPages(const FreshPages &) = delete;
    FreshPages &operator=(const FreshPages &) = delete;

    char *data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    char *m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace vorn::measurement::detail
