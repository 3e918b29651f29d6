// The settings file vorn.ini in the program's folder: chart colours,
// correction values and graph scale steps, with the start-up reading.
#pragma once

#include "ProgramFolder.h"

#include <QColor>
#include <QString>

namespace vorn {

// The eight chart colours of the main window, each as $00BBGGRR (lowest byte
// red). A default-constructed set holds the default colours.
struct ChartColors {
    int _c1 = 0xACBABF; // graph windows: chart background (light warm grey)
    int _c2 = 0xACBABF; // report: chart background
    int _c3 = 0x800000; // graph windows: voltage curve (navy)
    int _c4 = 0x0080FF; // graph windows: current while charging (orange)
    int _c5 = 0x800000; // report: voltage curve
    int _c6 = 0x0080FF; // report: current while charging
    int _c7 = 0x00FFFF; // graph windows: current while discharging (yellow)
    int _c8 = 0x00FFFF; // report: current while discharging

    bool operator==(const ChartColors &) const = default;
};

inline constexpr ChartColors kDefaultColors{};

// $00BBGGRR <-> QColor. The top byte of a stored value is ignored.
QColor colorFromBgr(int bgr);
int bgrFromColor(const QColor &color);

// What the start-up reads. Values that the reading did not reach keep the
// initial values below.
struct StartupSettings : ChartColors {
    QString LastDir;           // an existing folder, else program folder + "DATA/"
    double Fesz_Korr = 1.0;
    double Aram_Korr = 1.0;
    double Fesz_Offs = 0.0;
    double Aram_Offs = 0.0;
    int Delta_M = 10;
    double UMAX = 0.0;         // "Scale"/"UMAX", 0 when not read
    double IMAX = 0.0;         // "Scale"/"IMAX", 0 when not read
    bool ProgressBar = false;  // "Settings"/"ProgressBar" is 1
    // "UMAX" or "IMAX" was no number: the reading stopped there (the splash
    // closes at once); the colours were read before and are in effect.
    bool stoppedEarly = false;
};

// The "Correction" keys as the file holds them, unconverted.
struct CorrectionTexts {
    QString Fesz_Korr;
    QString Aram_Korr;
    QString Fesz_Offs;
    QString Aram_Offs;
    QString Delta_M;
};

struct CorrectionValues {
    double Fesz_Korr = 1.0;
    double Aram_Korr = 1.0;
    double Fesz_Offs = 0.0;
    double Aram_Offs = 0.0;
    int Delta_M = 10;
};

// The graph settings dialog's steps: volts, amperes, time-axis units, and the
// marker spacing.
struct ScaleSteps {
    double Ulept = 0.0;
    double Ilept = 0.0;
    double tlept = 0.0;
    double step = 0.0;
};

// Access to folder + "vorn.ini". Every call opens the file, reads or writes,
// and is done with it. Numbers are read and written with the program's current
// decimal separator. A write returns false when the file cannot be written;
// errorText then names the file and the reason, and the file is unchanged
// (the whole sequence of keys is saved in one step).
class SettingsFile {
public:
    explicit SettingsFile(const QString &folder = programFolder());

    const QString &path() const { return m_path; }

    // The start-up reading, in its order: "Settings"/"LastDir", the five
    // "Correction" keys, "Color" C1 (twice) to C8, "Scale" UMAX and IMAX
    // (strings with defaults "100" and "500", converted as numbers),
    // "Settings"/"ProgressBar".
    StartupSettings readStartup() const;

    // The five "Correction" keys as strings, each with its default given.
    CorrectionTexts readCorrectionTexts(const CorrectionTexts &defaults) const;

    // "Color" C1, C2, C3, C5, C4, C6, C7, C8 in that order, decimal integers.
    bool writeColors(const ChartColors &colors, QString *errorText = nullptr) const;
    // "Correction" Fesz_Korr, Aram_Korr, Fesz_Offs, Aram_Offs (floats), Delta_M.
    bool writeCorrection(const CorrectionValues &values, QString *errorText = nullptr) const;
    // "Scale" Ulept, Ilept, tlept, step, all floats.
    bool writeScale(const ScaleSteps &steps, QString *errorText = nullptr) const;

private:
    QString m_folder;
    QString m_path;
};

} // namespace vorn
