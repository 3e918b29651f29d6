// Time units of the graph's time axis.
#include "graph/TimeUnits.h"

namespace vorn::graph {

std::optional<int> timeUnitDivisor(int unit)
{
    switch (unit) {
    case UnitSeconds: return 1;
    case UnitMinutes: return 60;
    case UnitHours: return 3600;
    default: return std::nullopt;
    }
}

int effectiveTimeUnit(int Last_Time_Me)
{
    return timeUnitDivisor(Last_Time_Me) ? Last_Time_Me : int(UnitMinutes);
}

double sampleTime(qint64 index, qint32 Mint_ido, int divisor)
{
    return double(index * qint64(Mint_ido)) / divisor;
}

} // namespace vorn::graph
