// A hint to the system about large buffers that are about to be filled.
#pragma once

#include <cstddef>

namespace vorn::measurement::detail {

// Asks the system to back a large fresh buffer with huge pages where it does
// that only on request: filling it for the first time then costs far fewer
// page faults (a 20 MB sample array loads noticeably faster). A hint only:
// nothing changes when it is not taken, and small buffers are left alone.
void preferHugePages(const void *data, std::size_t bytes);

} // namespace vorn::measurement::detail
