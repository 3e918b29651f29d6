// Texts of the cursor readouts of the graph window.
#pragma once

#include <QString>
#include <QtGlobal>

namespace vorn::graph {

// "#0.00" + "  V", e.g. "12,07  V".
QString voltageReadout(double volts);
// "#0.00" + "  A".
QString currentReadout(double amperes);
// Time of sample k: k x (Mint_ido / divisor of `unit`) in "#0.00"; a unit
// other than 0, 1, 2 counts as minutes.
QString timeReadout(qint64 k, qint32 Mint_ido, int unit);
// What all three readouts show when no sample is near the pointer.
QString noReadout();

} // namespace vorn::graph
