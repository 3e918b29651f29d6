// The report chart's design, colours, axes and points.
#include "report/ReportChart.h"

#include "engines/ChartModel.h"
#include "engines/ChartSeries.h"
#include "graph/ChartValues.h"
#include "graph/DefaultView.h"
#include "graph/LimitLines.h"
#include "graph/SavedView.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"
#include "settings/SettingsFile.h"

#include <QPainter>

#include <algorithm>

namespace vorn::report {

namespace {

using chart::ChartAxis;
using chart::ChartSeries;

constexpr int kCurveWidth = 3;
constexpr int kLimitMarkSize = 2;
// The smallest label steps of the value axes; the axes widen them until the
// labels have room.
constexpr double kValueIncrement = 0.001;

void setRange(ChartAxis *axis, const graph::AxisRange &range)
{
    axis->setRange(range.min, range.max);
}

ChartSeries *limitSeries(chart::ChartModel &model, const char *title, const QColor &color)
{
    ChartSeries *series = model.addSeries(ChartAxis::Side::Left);
    series->setTitle(QLatin1String(title));
    series->setColor(color);
    series->setPointMarksVisible(true);
    series->setPointMarkSize(kLimitMarkSize);
    return series;
}

void designAxes(chart::ChartModel &model)
{
    model.setDecimalSeparator(numfmt::decimalSeparator());
    for (ChartAxis *axis : {model.leftAxis(), model.rightAxis(), model.bottomAxis(), model.topAxis()})
        axis->setAutomatic(false);
    model.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    model.leftAxis()->setIncrement(kValueIncrement);
    model.rightAxis()->setIncrement(kValueIncrement);
    for (ChartAxis *axis : {model.leftAxis(), model.rightAxis()}) {
        QFont font = axis->titleFont();
        font.setBold(true);
        axis->setTitleFont(font);
    }
    model.rightAxis()->setGridVisible(false);
    model.topAxis()->setVisible(false);
}

} // namespace

ReportSeries designReportChart(chart::ChartModel &model)
{
    model.setTitleVisible(false);
    model.setLegendVisible(false);
    model.setBevelled(true);
    designAxes(model);

    ReportSeries series;
    series.Series2 = model.addSeries(ChartAxis::Side::Right);
    series.Series1 = model.addSeries(ChartAxis::Side::Left);
    for (ChartSeries *curve : {series.Series2, series.Series1})
        curve->setLineWidth(kCurveWidth);
    series.Series3 = limitSeries(model, "MaxLimit", QColor(0x00, 0x80, 0x00));
    series.Series4 = limitSeries(model, "MinLimit", QColor(0xC0, 0x00, 0x00));
    return series;
}

void setReportChartColors(chart::ChartModel &model, const ReportSeries &series,
                          const std::vector<TMeres_Datas> &samples, const ReportColors &colors)
{
    model.setBackgroundColor(colorFromBgr(colors._c2));
    const QColor voltage = colorFromBgr(colors._c5);
    const QColor charge = colorFromBgr(colors._c6);
    const QColor discharge = colorFromBgr(colors._c8);
    series.Series1->setColor(voltage);
    series.Series2->setColor(charge);
    model.leftAxis()->setTitleColor(voltage);
    model.rightAxis()->setTitleColor(charge);

    ChartSeries *current = series.Series2;
    if (samples.empty())
        return;
    const auto closeRun = [&](int first, int last, bool charging) {
        current->colorRange(current->xValue(first), current->xValue(last),
                            charging ? charge : discharge);
    };
    bool charging = samples.front().Is_Toltes;
    int first = 0;
    int last = 0;
    const int n = int(samples.size());
    for (int i = 0; i < n; ++i) {
        if (samples[size_t(i)].Is_Toltes == charging) {
            last = i;
            continue;
        }
        closeRun(first, last, charging);
        charging = !charging;
        first = last = i;
    }
    closeRun(first, last, samples.back().Is_Toltes);
}

void setReportAxes(chart::ChartModel &model, const ReportAxes &axes)
{
    setRange(model.leftAxis(), axes.left);
    setRange(model.rightAxis(), axes.right);
    setRange(model.bottomAxis(), axes.bottom);
    model.leftAxis()->setTitle(axes.leftTitle);
    model.rightAxis()->setTitle(axes.rightTitle);
    model.bottomAxis()->setTitle(axes.bottomTitle);
    applyBottomIncrement(model);
}

double bottomIncrementFor(double span)
{
    if (span <= 0.3)
        return 0.01;
    if (span <= 3)
        return 0.1;
    return 1;
}

void applyBottomIncrement(chart::ChartModel &model)
{
    ChartAxis *bottom = model.bottomAxis();
    bottom->setIncrement(bottomIncrementFor(bottom->maximum() - bottom->minimum()));
}

std::optional<OpeningView> openingView(const TFile_Datas &record, const TextTables &texts)
{
    OpeningView view;
    const graph::DefaultView defaults = graph::defaultView(record);
    view.unit = defaults.unit;
    view.axes.left = defaults.left;
    view.axes.right = defaults.right;
    view.axes.bottom = defaults.bottom;
    if (!record.LRBZ.isEmpty()) {
        // The range edits of a new graph window: value limits empty, time 0 to 0.
        const graph::RangeEditTexts fresh{{}, {}, {}, {}, QStringLiteral("0"), QStringLiteral("0")};
        const std::optional<graph::RestoredView> saved = graph::parseLRBZ(record.LRBZ, fresh);
        if (!saved)
            return std::nullopt;
        view.axes.left = saved->left;
        view.axes.right = saved->right;
        view.axes.bottom = saved->bottom;
    }
    view.axes.leftTitle = texts.Text_List(36) + u' ' + texts.Text_List(132);
    view.axes.rightTitle = texts.Text_List(37) + QStringLiteral(" (") + texts.Text_List(10) + u')';
    view.axes.bottomTitle = graph::timeAxisTitle(view.unit, texts);
    return view;
}

void fillSeriesFromRecord(const ReportSeries &series, const TFile_Datas &record, int unit)
{
    const std::vector<TMeres_Datas> &samples = record.Meres_Datas;
    const int divisor = graph::timeUnitDivisor(unit).value_or(60);
    const int n = int(samples.size());
    series.Series1->clear();
    series.Series2->clear();
    series.Series1->reserve(n);
    series.Series2->reserve(n);
    // Through small buffers that stay in the cache: a million samples would
    // otherwise first fill three large arrays only to copy them.
    constexpr int kChunk = 8192;
    double times[kChunk], volts[kChunk], amperes[kChunk];
    for (int first = 0; first < n; first += kChunk) {
        const int count = std::min(kChunk, n - first);
        for (int j = 0; j < count; ++j) {
            const TMeres_Datas &sample = samples[size_t(first + j)];
            times[j] = graph::sampleTime(first + j, record.Mint_ido, divisor);
            volts[j] = graph::shownVoltage(record, sample);
            amperes[j] = graph::shownCurrent(record, sample);
        }
        series.Series1->add(times, volts, count);
        series.Series2->add(times, amperes, count);
    }
    const graph::LimitLinePoints lines = graph::limitLines(record, unit);
    series.Series3->clear();
    series.Series4->clear();
    for (const QPointF &point : lines.upper)
        series.Series3->add(point.x(), point.y());
    for (const QPointF &point : lines.lower)
        series.Series4->add(point.x(), point.y());
}

QPicture chartPicture(chart::ChartModel &model, QSize size, const chart::AfterDrawHandler &afterDraw)
{
    QPicture picture;
    QPainter painter(&picture);
    chart::renderChart(painter, model, size, afterDraw);
    painter.end();
    return picture;
}

} // namespace vorn::report
