// The report's chart: its design (axes, series, look), its colours by charge
// state, its axes and titles, and its points taken from a measurement the way
// a freshly opened graph window shows them.
#pragma once

#include "engines/ChartRenderer.h"
#include "graph/AxisTypes.h"

#include <QColor>
#include <QPicture>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

struct TFile_Datas;
struct TMeres_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::chart {
class ChartModel;
class ChartSeries;
}

namespace vorn::report {

// The chart's size on screen, and so in every output.
inline constexpr QSize kReportChartSize(748, 376);

// The four series in drawing order: current under voltage, then the limit lines.
struct ReportSeries {
    chart::ChartSeries *Series1 = nullptr; // voltage, left axis
    chart::ChartSeries *Series2 = nullptr; // current, right axis, coloured by charge state
    chart::ChartSeries *Series3 = nullptr; // "MaxLimit"
    chart::ChartSeries *Series4 = nullptr; // "MinLimit"
};

// Sets the chart up as designed and adds the four series (the chart must have
// none yet): fixed axes, bottom labels "0.##", bold axis titles, no grid on
// the right axis, top axis hidden, bevelled frame, title and legend hidden.
ReportSeries designReportChart(chart::ChartModel &model);

// The report's colours ($00BBGGRR values of the main window).
struct ReportColors {
    int _c2 = 0; // background
    int _c5 = 0; // voltage line
    int _c6 = 0; // current while charging
    int _c8 = 0; // current while discharging
};

// Set_Chart_Color: background, line and title colours, and the current line
// coloured run by run (a charging run _c6, a discharging one _c8), each run
// as the stretch of time from its first to its last sample.
void setReportChartColors(chart::ChartModel &model, const ReportSeries &series,
                          const std::vector<TMeres_Datas> &samples, const ReportColors &colors);

// The axes of the report chart: ranges and titles of the left, right and
// bottom axis, as the graph window shows them.
struct ReportAxes {
    graph::AxisRange left, right, bottom;
    QString leftTitle, rightTitle, bottomTitle;
};
void setReportAxes(chart::ChartModel &model, const ReportAxes &axes);

// The label increment of the bottom axis for a span s = maximum - minimum:
// up to 0.3 gives 0.01, up to 3 gives 0.1, more gives 1.
double bottomIncrementFor(double span);
void applyBottomIncrement(chart::ChartModel &model);

// What a freshly opened graph window shows for the record: the time unit, the
// saved view when the record holds one, else the default view, and the axis
// titles in the language of `texts`. Nothing when the saved view holds a
// field that is not a number (the graph window rejects such a file).
struct OpeningView {
    int unit = 1;
    ReportAxes axes;
};
std::optional<OpeningView> openingView(const TFile_Datas &record, const TextTables &texts);

// The points the graph window gives its series for the record in `unit`:
// corrected voltage and current against time, and the limit lines.
void fillSeriesFromRecord(const ReportSeries &series, const TFile_Datas &record, int unit);

// The chart as vector drawing at `size`, with what `afterDraw` adds.
QPicture chartPicture(chart::ChartModel &model, QSize size, const chart::AfterDrawHandler &afterDraw);

} // namespace vorn::report
