// The index arithmetic of cutting a measurement down to the time window on
// screen.
#pragma once

#include "graph/AxisTypes.h"

#include <cstddef>
#include <variant>

struct TFile_Datas;

namespace vorn::graph {

// Why a cut is refused; the measurement stays as it is.
enum class CutRefusal {
    NoSamplingInterval, // Mint_ido is 0 or less: sample times say nothing
    TooFewSamples,      // the window would keep fewer than 2 samples
};

// The samples to keep, [first, end), and the view after the cut.
struct CutPlan {
    std::size_t first = 0;
    std::size_t end = 0;
    QString _tol;       // "0"
    QString _ig;        // old width in "#0.00"
    AxisRange bottom;   // [0, old width]
};

// Fewest samples a measurement may keep.
inline constexpr std::size_t MinimumSamples = 2;

// With T = Mint_ido and the shown time range `view` in `unit`, converted to
// seconds: keeps s <= i < e for s = Trunc(lo / T), e = Trunc(hi / T), clamped
// to the samples that exist. The new width is the old `_ig` minus the old
// `_tol` as the edits read; when either edit does not hold a number, the
// width of `view` stands in.
std::variant<CutPlan, CutRefusal> planCut(std::size_t sampleCount, qint32 Mint_ido, int unit,
                                          const AxisRange &view, const QString &oldTol,
                                          const QString &oldIg);

// Shortens the record's samples to those the plan keeps, in their order.
void applyCut(TFile_Datas &record, const CutPlan &plan);

} // namespace vorn::graph
