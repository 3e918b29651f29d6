// Cutting a measurement to the time window on screen.
#include "graph/CutRange.h"

#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"
#include "settings/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace vorn::graph {

namespace {

// Trunc(seconds / T) limited to 0..count; done in reals so that a far-away
// view cannot overflow an integer.
std::size_t sampleIndexAt(double seconds, qint32 T, std::size_t count)
{
    const double index = std::trunc(seconds / T);
    if (!(index > 0))
        return 0;
    return index >= double(count) ? count : std::size_t(index);
}

double viewWidth(const AxisRange &view, const QString &oldTol, const QString &oldIg)
{
    const auto tol = numfmt::parseFloat(oldTol);
    const auto ig = numfmt::parseFloat(oldIg);
    if (tol && ig)
        return *ig - *tol;
    return view.max - view.min;
}

} // namespace

std::variant<CutPlan, CutRefusal> planCut(std::size_t sampleCount, qint32 Mint_ido, int unit,
                                          const AxisRange &view, const QString &oldTol,
                                          const QString &oldIg)
{
    if (Mint_ido <= 0)
        return CutRefusal::NoSamplingInterval;
    const double divisor = *timeUnitDivisor(effectiveTimeUnit(unit));
    CutPlan plan;
    plan.first = sampleIndexAt(view.min * divisor, Mint_ido, sampleCount);
    plan.end = sampleIndexAt(view.max * divisor, Mint_ido, sampleCount);
    if (plan.end < plan.first + MinimumSamples)
        return CutRefusal::TooFewSamples;
    const double width = viewWidth(view, oldTol, oldIg);
    plan._tol = QStringLiteral("0");
    plan._ig = numfmt::formatFixed2(width);
    plan.bottom = {0, width};
    return plan;
}

void applyCut(TFile_Datas &record, const CutPlan &plan)
{
    auto &samples = record.Meres_Datas;
    const std::size_t end = std::min(plan.end, samples.size());
    const std::size_t first = std::min(plan.first, end);
    samples.erase(samples.begin() + std::ptrdiff_t(end), samples.end());
    samples.erase(samples.begin(), samples.begin() + std::ptrdiff_t(first));
}

} // namespace vorn::graph
