// Indices of the language-table entries that the report window added.
#pragma once

namespace vorn::report {

// Err_List: a file chosen to be read (a company block) cannot be read.
inline constexpr int kErrFileUnreadable = 32;

} // namespace vorn::report
