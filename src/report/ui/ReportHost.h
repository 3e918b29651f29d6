// What the report window takes from the graph window and the main window: the
// measurement, the chart's series, axes and time texts, the text tables, the
// report colours, the file time, the DATA folder, and the two calls back
// (mark the measurement modified, show a message). The report window knows
// nothing else of those windows.
#pragma once

#include "app/ui/TFrm_Dialog.h"
#include "report/ReportChart.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::chart {
class ChartSeries;
}

struct ReportHost {
    // The active graph window's measurement; the report writes the
    // identification fields, the comment and the logo back into it.
    TFile_Datas *record = nullptr;
    // Its chart's Series1 to Series4 (voltage, current, upper and lower limit
    // line): the report's series show their points.
    std::array<const vorn::chart::ChartSeries *, 4> series{};
    // Ranges and titles of its chart's left, right and bottom axes.
    vorn::report::ReportAxes axes;
    int timeUnit = 1;        // its time-unit box: 0 s, 1 min, 2 h
    QString timeFrom;        // its time-range edits _tol and _ig
    QString timeTo;

    const vorn::TextTables *texts = nullptr;
    vorn::report::ReportColors colors;
    int32_t fileDate_report = 0;  // packed DOS time of the file opened last
    QString dataFolder;           // empty: "DATA" beside the program

    std::function<void()> setModified;
    std::function<TDialog_Result(const QString &, TDialog_Type)> Sajat_Dlg;
};
