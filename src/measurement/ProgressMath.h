// The arithmetic of the progress window: a position within a phase of a long
// operation as a percentage of the whole, a bar width and a label.
#pragma once

#include <QString>
#include <optional>

namespace vorn::measurement {

// Width of the progress window's fill picture when full, pixels.
inline constexpr int kProgressBarWidth = 385;

struct ProgressStep {
    double percent = 0; // 0..100
    int fillWidth = 0;  // pixels of the fill picture shown, 0..kProgressBarWidth
    QString label;      // the whole percentage and " %", e.g. "23 %"
};

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

// The phase covers Start_Sz..End_Sz percent; Allapot is the counter.
// Counting up (Is_Inc, Start_i = 0, Max_i the final count):
//   Start_Sz + (End_Sz - Start_Sz) * Allapot / (Max_i - Start_i).
// Counting down (from Start_i to Max_i = 0):
//   Start_Sz + (End_Sz - Start_Sz) * (Start_i + Max_i - Allapot) / (Start_i - Max_i).
// Products in integers (64 bits, so a large file cannot overflow them), the
// division in floating point. Nothing when Max_i == Start_i: that division
// fails, and so does the operation that asked for the step.
std::optional<double> progressPercent(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                                      qint64 Allapot, bool Is_Inc);

// The percentage shown: fill width round(percent / 100 x 385), label
// round(percent) + " %", both rounded halves to even.
ProgressStep progressStep(double percent);

// The load bar's update (percentage, width, label); nothing when Max_i == Start_i.
std::optional<ProgressStep> Calc_sz(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                                    qint64 Allapot, bool Is_Inc);

// The export bar's update: the same arithmetic, for the export picture.
inline std::optional<ProgressStep> Calc_sz_E(int Start_Sz, int End_Sz, qint64 Start_i,
                                             qint64 Max_i, qint64 Allapot, bool Is_Inc)
{
    return Calc_sz(Start_Sz, End_Sz, Start_i, Max_i, Allapot, Is_Inc);
}

} // namespace vorn::measurement
