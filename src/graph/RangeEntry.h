// What Enter in one of the graph window's range edits does to the texts and
// the axis.
#pragma once

#include "graph/AxisTypes.h"

#include <variant>

namespace vorn::graph {

// Which edit of a pair received Enter: the minimum (voltage or current min,
// time start `_tol`) or the maximum (max, time end `_ig`).
enum class EnteredEdit { Min, Max };

// A pair that does not parse: the edit that received Enter gets `trimmedText`
// and the focus, and the window shows the invalid-number message. The axis
// stays as it was.
struct RangeEntryError {
    EnteredEdit focus = EnteredEdit::Min;
    QString trimmedText;
};

// Enter in a voltage or current edit: the axis range [min edit, max edit] as
// typed; a reversed pair is the chart's to swap.
std::variant<AxisRange, RangeEntryError> valueRangeEnter(const QString &minText,
                                                         const QString &maxText,
                                                         EnteredEdit entered);

// Enter in `_tol` or `_ig`: the new texts of both edits and the time axis range.
struct TimeRangeEntry {
    QString _tol;
    QString _ig;
    AxisRange bottom;
};

// `lastTime` is the time of the last sample in the shown unit. A negative
// start becomes "0", an end past the last sample its nearest whole number,
// a reversed pair is swapped, the axis takes whole units and is at least one
// unit wide, but never reaches past the last sample.
std::variant<TimeRangeEntry, RangeEntryError> timeRangeEnter(const QString &tolText,
                                                             const QString &igText,
                                                             double lastTime,
                                                             EnteredEdit entered);

} // namespace vorn::graph
