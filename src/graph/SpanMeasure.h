// What happened between two times of a measurement: the A–B read-out of the
// graph window's two cursors and of `vornctl span`, computed the same way
// for both from the samples as the chart shows them.
#pragma once

#include <QtGlobal>

#include <optional>

struct TFile_Datas;

namespace vorn::graph {

// The sample nearest to `seconds` on a run of `count` samples spaced
// Mint_ido seconds apart (sample k at k x Mint_ido): the lower index on a
// tie, clamped to 0 .. count-1. With Mint_ido = 0 every sample lies at 0 and
// sample 0 is taken. -1 when there are no samples or `seconds` is not finite.
qint64 nearestSample(qint64 count, qint32 Mint_ido, double seconds);

// The same, but -1 when `seconds` lies more than half an interval before the
// first sample or after the last one (nothing there to read).
qint64 sampleAt(qint64 count, qint32 Mint_ido, double seconds);

// The read-out of the samples a..b (a <= b). Voltage U and current I are the
// chart's values (Meres_fesz x Ukorr + UOffs, Meres_Aram x Ikorr + IOffs).
struct SpanMeasure {
    qint64 fromIndex = 0;   // a
    qint64 toIndex = 0;     // b
    double dt_s = 0;        // (b - a) x Mint_ido
    double du_v = 0;        // U(b) - U(a)
    // Every sample k with a <= k < b moves |I(k)| x Mint_ido / 3600 A·h and
    // U(k) x |I(k)| x Mint_ido / 3600 W·h, counted by its Is_Toltes as
    // charge or discharge, and in the total.
    double ahCharge = 0, ahDischarge = 0, ahTotal = 0;
    double whCharge = 0, whDischarge = 0, whTotal = 0;
    // Over a <= k <= b.
    double uMean = 0, uMin = 0, uMax = 0;
};

// Between samples `a` and `b` (swapped when a > b; each clamped to the
// samples). Nothing for a measurement without samples.
std::optional<SpanMeasure> measureSpan(const TFile_Datas &record, qint64 a, qint64 b);

// Between the samples nearest to two times in seconds.
std::optional<SpanMeasure> measureSpanBetween(const TFile_Datas &record, double fromSeconds,
                                              double toSeconds);

} // namespace vorn::graph
