// The values a measurement's chart shows: corrected voltage and current of each
// sample, and the extents of all four series for the axis arithmetic.
#pragma once

#include "graph/AxisMath.h"

#include <functional>
#include <vector>

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

// A charge or discharge run: consecutive samples first..last with the same
// Is_Toltes.
struct ChargeRun {
    int first = 0;
    int last = 0;
    bool charging = false;
};

// The runs of the samples in order. `reached` (may be empty) is told the
// index the walk has reached every `stride` samples, for a progress display.
std::vector<ChargeRun> chargeRuns(const std::vector<TMeres_Datas> &samples, int stride,
                                  const std::function<void(int)> &reached = {});

} // namespace vorn::graph
