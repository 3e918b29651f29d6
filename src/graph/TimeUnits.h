// Time units of the graph's time axis and the chart time of a sample.
#pragma once

#include <QtGlobal>
#include <optional>

namespace vorn::graph {

// Index of a time unit as the unit list and the measurement file hold it.
enum TimeUnit : int { UnitSeconds = 0, UnitMinutes = 1, UnitHours = 2 };

// Seconds per unit: 1, 60 or 3600; nothing for any other index.
std::optional<int> timeUnitDivisor(int unit);

// The unit a window shows for a saved unit: 0, 1 and 2 stand as they are;
// anything else (a damaged file) falls back to minutes, the unit a new
// measurement opens in.
int effectiveTimeUnit(int Last_Time_Me);

// Chart x of sample `index`: index x Mint_ido seconds divided by the unit's
// divisor (the product is formed in 64 bits, the division in reals).
double sampleTime(qint64 index, qint32 Mint_ido, int divisor);

} // namespace vorn::graph
