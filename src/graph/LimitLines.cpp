// The two limit lines of the discharge curve.
#include "graph/LimitLines.h"

#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"

namespace vorn::graph {

namespace {

// Voltage levels of a 12 V battery: 13/12, 31/30 and 113/120 of the nominal
// voltage for the upper line, 1, 11/12 and 5/6 of it for the lower one. Kept as
// the round volts they stand for, so that no rounding residue shows.
constexpr double UpperStart = 13.0;
constexpr double UpperKnee = 12.4;
constexpr double UpperEnd = 11.3;
constexpr double LowerStart = 12.0;
constexpr double LowerKnee = 11.0;
constexpr double LowerEnd = 10.0;

} // namespace

std::optional<std::size_t> firstDischargeIndex(const TFile_Datas &record)
{
    const auto &samples = record.Meres_Datas;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!samples[i].Is_Toltes)
            return i;
    }
    return std::nullopt;
}

qint64 SetKis_Ido_Kezd(const TFile_Datas &record)
{
    const auto index = firstDischargeIndex(record);
    return index ? qint64(*index) * record.Mint_ido : -1;
}

LimitLinePoints limitLines(const TFile_Datas &record, int unit)
{
    const auto divisor = timeUnitDivisor(unit);
    const auto dischargeIndex = firstDischargeIndex(record);
    if (record.tipus != 0 || !divisor || !dischargeIndex)
        return {};
    // Decided on the sample index rather than on a start time of -1, so that a
    // measurement whose start time happens to be -1 (Mint_ido -1) keeps its lines.
    const double K = double(qint64(*dischargeIndex) * record.Mint_ido);
    const qint64 P = record.Pass_100;
    // The product in whole numbers (64 bits: P x q exceeds 32 bits for long
    // runs), the division in reals.
    const double Q = double(P * qint64(record.Minosit_szaz)) / 100.0;
    const double d = *divisor;
    const double t1 = K / d;
    const double t2 = (K + double(P) / 100.0) / d;
    const double t3 = (K + double(P)) / d;
    const double t3Lower = (K + Q) / d;
    LimitLinePoints lines;
    lines.upper = {{t1, UpperStart}, {t2, UpperKnee}, {t3, UpperEnd}, {t3, 0.0}};
    lines.lower = {{t1, LowerStart}, {t2, LowerKnee}, {t3Lower, LowerEnd}, {t3Lower, 0.0}};
    return lines;
}

} // namespace vorn::graph
