// Texts of the cursor readouts.
#include "graph/Readout.h"

#include "graph/TimeUnits.h"
#include "settings/NumberFormat.h"

namespace vorn::graph {

QString voltageReadout(double volts)
{
    return numfmt::formatFixed2(volts) + QStringLiteral("  V");
}

QString currentReadout(double amperes)
{
    return numfmt::formatFixed2(amperes) + QStringLiteral("  A");
}

QString timeReadout(qint64 k, qint32 Mint_ido, int unit)
{
    const int divisor = *timeUnitDivisor(effectiveTimeUnit(unit));
    return numfmt::formatFixed2(double(k) * (double(Mint_ido) / divisor));
}

QString noReadout()
{
    return QStringLiteral("---");
}

} // namespace vorn::graph
