// The axis ranges saved with a measurement: six "#0.00" numbers joined by ";"
// (voltage min, max, current min, max, time start, end).
#pragma once

#include "graph/AxisTypes.h"

#include <optional>

namespace vorn::graph {

// The saved-view text of a drawn view, with the current decimal separator.
QString formatLRBZ(const AxisRange &left, const AxisRange &right, const AxisRange &bottom);

// The range edits as they show a drawn view: each limit in "#0.00".
RangeEditTexts editTextsOf(const AxisRange &left, const AxisRange &right, const AxisRange &bottom);

// A saved view restored into the range edits and the three axes.
struct RestoredView {
    RangeEditTexts edits;
    AxisRange left;
    AxisRange right;
    AxisRange bottom;
};

// Restores a saved view. Fields 1 to 6 go to the voltage min, max, current
// min, max, time start and end edits, each re-formatted as "#0.00"; fields
// after the sixth are ignored. A missing field leaves that edit's `previous`
// text, which is then read like the others. Nothing when a text read is not a
// number: the load that restores the view fails.
std::optional<RestoredView> parseLRBZ(const QString &LRBZ, const RangeEditTexts &previous);

} // namespace vorn::graph
