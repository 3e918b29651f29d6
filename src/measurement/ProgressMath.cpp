// Progress percentages, bar widths and labels.
#include "ProgressMath.h"

#include <cmath>

namespace vorn::measurement {

int roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return int(below) + 1;
    return int(below);
}

std::optional<double> progressPercent(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                                      qint64 Allapot, bool Is_Inc)
{
    if (Max_i == Start_i)
        return std::nullopt;
    const qint64 span = End_Sz - Start_Sz;
    if (Is_Inc)
        return Start_Sz + double(span * Allapot) / double(Max_i - Start_i);
    return Start_Sz + double(span * (Start_i + Max_i - Allapot)) / double(Start_i - Max_i);
}

ProgressStep progressStep(double percent)
{
    ProgressStep step;
    step.percent = percent;
    step.fillWidth = roundHalfEven(percent / 100.0 * kProgressBarWidth);
    step.label = QString::number(roundHalfEven(percent)) + QLatin1StringView(" %");
    return step;
}

std::optional<ProgressStep> Calc_sz(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                                    qint64 Allapot, bool Is_Inc)
{
    const std::optional<double> percent =
        progressPercent(Start_Sz, End_Sz, Start_i, Max_i, Allapot, Is_Inc);
    if (!percent)
        return std::nullopt;
    return progressStep(*percent);
}

} // namespace vorn::measurement
