// The view a freshly opened graph window shows for a measurement.
#pragma once

#include "graph/AxisTypes.h"

struct TFile_Datas;

namespace vorn::graph {

struct DefaultView {
    int unit = 1;       // time unit shown: 0 s, 1 min, 2 h
    AxisRange left;     // voltage, [fmin, fmax]
    AxisRange right;    // current, [amin, amax]
    AxisRange bottom;   // time, [0, m]
    double timeStep = 1;
};

// The default ranges computed for the record's corrected values and limit
// lines in the unit the window opens in (the saved unit, minutes when the saved
// one is not valid). A saved view in LRBZ is not consulted.
DefaultView defaultView(const TFile_Datas &record);

} // namespace vorn::graph
