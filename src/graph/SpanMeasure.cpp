// The A–B arithmetic over the samples between two cursors.
#include "graph/SpanMeasure.h"

#include "graph/ChartValues.h"
#include "measurement/MeasurementRecord.h"

#include <algorithm>
#include <cmath>

namespace vorn::graph {

namespace {

// The nearest whole sample position to `seconds`, unclamped, as a real
// number (so that far-off times do not overflow); ties go to the lower one.
double nearestPosition(qint32 Mint_ido, double seconds)
{
    if (Mint_ido == 0)
        return 0.0;
    const double lower = std::floor(seconds / Mint_ido);
    const double toLower = std::fabs(seconds - lower * Mint_ido);
    const double toUpper = std::fabs((lower + 1) * Mint_ido - seconds);
    return toUpper < toLower ? lower + 1 : lower;
}

// The sums are formed over the samples first and scaled once at the end, so
// that evenly spaced whole values give whole results (2 A for an hour is
// exactly 2 A·h), as a hand computation does.
struct Sums {
    double ampsCharge = 0, ampsDischarge = 0;
    double wattsCharge = 0, wattsDischarge = 0;
};

Sums flowSums(const TFile_Datas &record, qint64 a, qint64 b)
{
    Sums sums;
    for (qint64 k = a; k < b; ++k) {
        const TMeres_Datas &sample = record.Meres_Datas[size_t(k)];
        const double amps = std::fabs(shownCurrent(record, sample));
        const double watts = shownVoltage(record, sample) * amps;
        (sample.Is_Toltes ? sums.ampsCharge : sums.ampsDischarge) += amps;
        (sample.Is_Toltes ? sums.wattsCharge : sums.wattsDischarge) += watts;
    }
    return sums;
}

void addVoltageStatistics(const TFile_Datas &record, SpanMeasure &span)
{
    const qint64 a = span.fromIndex;
    const qint64 b = span.toIndex;
    double sum = 0;
    span.uMin = span.uMax = shownVoltage(record, record.Meres_Datas[size_t(a)]);
    for (qint64 k = a; k <= b; ++k) {
        const double u = shownVoltage(record, record.Meres_Datas[size_t(k)]);
        sum += u;
        span.uMin = std::min(span.uMin, u);
        span.uMax = std::max(span.uMax, u);
    }
    span.uMean = sum / double(b - a + 1);
}

} // namespace

qint64 nearestSample(qint64 count, qint32 Mint_ido, double seconds)
{
    if (count < 1 || !std::isfinite(seconds))
        return -1;
    const double position = std::clamp(nearestPosition(Mint_ido, seconds), 0.0, double(count - 1));
    return qint64(position);
}

qint64 sampleAt(qint64 count, qint32 Mint_ido, double seconds)
{
    if (count < 1 || !std::isfinite(seconds))
        return -1;
    const double position = nearestPosition(Mint_ido, seconds);
    return position < 0 || position > double(count - 1) ? -1 : qint64(position);
}

std::optional<SpanMeasure> measureSpan(const TFile_Datas &record, qint64 a, qint64 b)
{
    const qint64 count = qint64(record.Meres_Datas.size());
    if (count < 1)
        return std::nullopt;
    a = std::clamp<qint64>(a, 0, count - 1);
    b = std::clamp<qint64>(b, 0, count - 1);
    if (a > b)
        std::swap(a, b);

    SpanMeasure span;
    span.fromIndex = a;
    span.toIndex = b;
    span.dt_s = double((b - a) * qint64(record.Mint_ido));
    span.du_v = shownVoltage(record, record.Meres_Datas[size_t(b)])
              - shownVoltage(record, record.Meres_Datas[size_t(a)]);
    const Sums sums = flowSums(record, a, b);
    const auto hours = [&](double sum) { return sum * record.Mint_ido / 3600.0; };
    span.ahCharge = hours(sums.ampsCharge);
    span.ahDischarge = hours(sums.ampsDischarge);
    span.ahTotal = hours(sums.ampsCharge + sums.ampsDischarge);
    span.whCharge = hours(sums.wattsCharge);
    span.whDischarge = hours(sums.wattsDischarge);
    span.whTotal = hours(sums.wattsCharge + sums.wattsDischarge);
    addVoltageStatistics(record, span);
    return span;
}

std::optional<SpanMeasure> measureSpanBetween(const TFile_Datas &record, double fromSeconds,
                                              double toSeconds)
{
    const qint64 count = qint64(record.Meres_Datas.size());
    const qint64 a = nearestSample(count, record.Mint_ido, fromSeconds);
    const qint64 b = nearestSample(count, record.Mint_ido, toSeconds);
    if (a < 0 || b < 0)
        return std::nullopt;
    return measureSpan(record, a, b);
}

} // namespace vorn::graph
