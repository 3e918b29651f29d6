// The two limit lines that a discharge curve is judged against.
#pragma once

#include <QPointF>
#include <cstddef>
#include <optional>
#include <vector>

struct TFile_Datas;

namespace vorn::graph {

// Points of the upper ("MaxLimit") and lower ("MinLimit") line: x is a time
// in the requested unit, y a voltage. Each has four points or none.
struct LimitLinePoints {
    std::vector<QPointF> upper;
    std::vector<QPointF> lower;
};

// Index of the first discharging sample; nothing when every sample charges.
std::optional<std::size_t> firstDischargeIndex(const TFile_Datas &record);

// The discharge start in seconds: i x Mint_ido for the first discharging
// sample i, or -1 when every sample is charging.
qint64 SetKis_Ido_Kezd(const TFile_Datas &record);

// The limit lines in the time unit `unit` (0 s, 1 min, 2 h). Both are empty for
// any other unit, for a measurement with tipus != 0 and for one that never
// discharges. The voltage levels always refer to a 12 V battery.
LimitLinePoints limitLines(const TFile_Datas &record, int unit);

} // namespace vorn::graph
