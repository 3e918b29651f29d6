// The values a measurement's chart shows: corrected voltage and current of each
// sample, and the extents of all four series for the axis arithmetic.
#pragma once

#include "graph/AxisMath.h"

struct TFile_Datas;
struct TMeres_Datas;

namespace vorn::graph {

// Shown voltage: Meres_fesz x Ukorr + UOffs, volts.
double shownVoltage(const TFile_Datas &record, const TMeres_Datas &sample);
// Shown current: Meres_Aram x Ikorr + IOffs, amperes.
double shownCurrent(const TFile_Datas &record, const TMeres_Datas &sample);

// Extents of the voltage and current series (corrected values, times in
// `unit`) and of the limit lines in the same unit, without building the
// series. `unit` is 0 s, 1 min or 2 h.
ChartExtents chartExtents(const TFile_Datas &record, int unit);

} // namespace vorn::graph
