// A text table for the graph tests: every Text_List index holds "T<index>",
// except the state and unit words, which hold real words.
#pragma once

#include "settings/LanguageTables.h"

namespace graphtest {

// Text_List[9] "kisütés", [10] "töltés", [53] "perc", [54] "óra", [128] "mp".
const vorn::TextTables &texts();

} // namespace graphtest

#include "measurement/MeasurementRecord.h"

namespace graphtest {

// `charging` charging samples followed by `discharging` discharging ones, all
// at `volts` and `amperes`.
std::vector<TMeres_Datas> samples(int charging, int discharging, double volts = 12.0,
                                  double amperes = 1.0);

// A record of type 0 with these samples and sampling interval, every optional
// parameter reported.
TFile_Datas record(std::vector<TMeres_Datas> data, int Mint_ido);

} // namespace graphtest
