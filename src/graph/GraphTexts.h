// Positions of texts in the language tables that the graph window added to
// the end of the Text table.
#pragma once

namespace vorn::graph {

// Cut refused: the file gives no sampling interval, so the samples have no times.
inline constexpr int kTextCutNeedsSamplingInterval = 179;

} // namespace vorn::graph
