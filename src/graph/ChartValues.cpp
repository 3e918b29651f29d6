// Values of a measurement's chart.
#include "graph/ChartValues.h"

#include "graph/LimitLines.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"

#include <algorithm>

namespace vorn::graph {

namespace {

// The largest time of the sample series: the first or the last sample's,
// whichever is later (a negative interval runs the times backwards).
double lastSampleTime(const TFile_Datas &record, int divisor)
{
    const qint64 last = qint64(record.Meres_Datas.size()) - 1;
    return std::max(sampleTime(0, record.Mint_ido, divisor),
                    sampleTime(last, record.Mint_ido, divisor));
}

} // namespace

double shownVoltage(const TFile_Datas &record, const TMeres_Datas &sample)
{
    return sample.Meres_fesz * record.Ukorr + record.UOffs;
}

double shownCurrent(const TFile_Datas &record, const TMeres_Datas &sample)
{
    return sample.Meres_Aram * record.Ikorr + record.IOffs;
}

ChartExtents chartExtents(const TFile_Datas &record, int unit)
{
    ChartExtents chart;
    const auto &samples = record.Meres_Datas;
    const auto divisor = timeUnitDivisor(unit);
    if (!samples.empty() && divisor) {
        const double first = shownVoltage(record, samples.front());
        const double firstCurrent = shownCurrent(record, samples.front());
        chart.Series1 = {first, first, lastSampleTime(record, *divisor)};
        chart.Series2 = {firstCurrent, firstCurrent, chart.Series1.maxX};
        for (const TMeres_Datas &s : samples) {
            const double u = shownVoltage(record, s);
            const double i = shownCurrent(record, s);
            chart.Series1.minY = std::min(chart.Series1.minY, u);
            chart.Series1.maxY = std::max(chart.Series1.maxY, u);
            chart.Series2.minY = std::min(chart.Series2.minY, i);
            chart.Series2.maxY = std::max(chart.Series2.maxY, i);
        }
    }
    const LimitLinePoints lines = limitLines(record, unit);
    chart.Series3 = seriesExtent(lines.upper);
    chart.Series4 = seriesExtent(lines.lower);
    return chart;
}

std::vector<ChargeRun> chargeRuns(const std::vector<TMeres_Datas> &samples, int stride,
                                  const std::function<void(int)> &reached)
{
    std::vector<ChargeRun> runs;
    const int n = int(samples.size());
    if (n == 0)
        return runs;
    stride = std::max(stride, 1);
    ChargeRun run{0, 0, samples.front().Is_Toltes};
    // The walk itself is a plain comparison per sample; `reached` is told
    // between stretches.
    for (int from = 0; from < n; from += stride) {
        if (reached)
            reached(from);
        for (int i = from, to = std::min(n, from + stride); i < to; ++i) {
            if (samples[size_t(i)].Is_Toltes != run.charging) {
                run.last = i - 1;
                runs.push_back(run);
                run = {i, i, !run.charging};
            }
        }
    }
    run.last = n - 1;
    runs.push_back(run);
    return runs;
}

} // namespace vorn::graph
