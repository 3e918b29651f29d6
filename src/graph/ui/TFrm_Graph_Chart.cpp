// The graph window's chart content: the voltage and current series from the
// measurement, the colours of the charge and discharge runs, the time unit and
// the limit lines.
#include "TFrm_Graph.h"

#include "GraphLook.h"
#include "SpanCursors.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartWidget.h"
#include "graph/ChartValues.h"
#include "graph/LimitLines.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace {

using vorn::colorFromBgr;

// Progress is reported about this many times per band of 15 %: once per
// whole percent, as the reader does. Every step the progress window shows
// is a redraw (and a round trip to the display server), which at finer
// steps costs more than the work it reports on.
constexpr qint64 kProgressStepsPerBand = 15;

qint64 progressStride(qint64 count)
{
    return std::max<qint64>(1, count / kProgressStepsPerBand);
}

} // namespace

void TFrm_Graph::Fill_Child_Diagram(const Progress &progress)
{
    Series1->clear();
    Series2->clear();
    addSamplePoints(progress);
    findCurrentRuns(progress);
    colorCurrentRuns();

    // A damaged file may name a unit the list does not have: minutes then.
    const int unit = vorn::graph::effectiveTimeUnit(File_Datas.Last_Time_Me);
    Cmb_Time->setCurrentIndex(unit);
    Change_TimeUnit(unit);
    Set_Limit_Lines();
    Set_Chart_Color();

    const int last = Series1->count() - 1;
    if (Current_Data_Point > last)
        Current_Data_Point = last;
    m_markerIndex = -1;
    m_span->samplesChanged();
    notifyRecordChanged();
}

void TFrm_Graph::addSamplePoints(const Progress &progress)
{
    using vorn::chart::ColumnView;
    // The series read the samples where they lie, corrected as they are
    // read (Meres_fesz x Ukorr + UOffs, Meres_Aram x Ikorr + IOffs), at the
    // times of the unit the window will show: nothing is copied, and setting
    // the unit afterwards finds nothing to move. Whatever changes the samples
    // fills the chart again (cut does).
    const std::vector<TMeres_Datas> &samples = File_Datas.Meres_Datas;
    const int n = int(samples.size());
    const int unit = vorn::graph::effectiveTimeUnit(File_Datas.Last_Time_Me);
    const vorn::chart::EvenSpacing times = sampleTimes(*vorn::graph::timeUnitDivisor(unit));
    const auto column = [&](const double TMeres_Datas::*field, double gain, double offset) {
        const double *value = n > 0 ? &(samples.front().*field) : nullptr;
        return ColumnView{value, std::ptrdiff_t(sizeof(TMeres_Datas)), gain, offset};
    };
    Series1->showColumns(n, times, column(&TMeres_Datas::Meres_fesz, File_Datas.Ukorr, File_Datas.UOffs));
    if (progress)
        progress(60, 75, n - 1, (n - 1) / 2);
    Series2->showColumns(n, times, column(&TMeres_Datas::Meres_Aram, File_Datas.Ikorr, File_Datas.IOffs));
    if (progress)
        progress(60, 75, n - 1, n - 1);
}

vorn::chart::EvenSpacing TFrm_Graph::sampleTimes(int divisor) const
{
    // Sample k at k x Mint_ido seconds in the unit: the same values as
    // vorn::graph::sampleTime().
    return {File_Datas.Mint_ido, double(divisor)};
}

void TFrm_Graph::findCurrentRuns(const Progress &progress)
{
    const int n = int(File_Datas.Meres_Datas.size());
    m_currentRuns = vorn::graph::chargeRuns(File_Datas.Meres_Datas, int(progressStride(n)), [&](int at) {
        if (progress)
            progress(75, 90, n - 1, at);
    });
    if (progress)
        progress(75, 90, n - 1, n - 1);
}

void TFrm_Graph::colorCurrentRuns()
{
    const int n = int(File_Datas.Meres_Datas.size());
    if (n == 0 || Series2->count() != n)
        return;
    // The runs found when the chart was filled, unless the samples have
    // changed since.
    if (m_currentRuns.empty() || m_currentRuns.back().last != n - 1)
        findCurrentRuns({});
    const QColor charge = colorFromBgr(m_main._c4);
    const QColor discharge = colorFromBgr(m_main._c7);
    // Each run is coloured as one stretch of time, first to last sample.
    for (const vorn::graph::ChargeRun &run : m_currentRuns) {
        Series2->colorRange(Series2->xValue(run.first), Series2->xValue(run.last),
                            run.charging ? charge : discharge);
    }
}

void TFrm_Graph::Set_Chart_Color()
{
    using vorn::graphui::setTextColor;
    Main_Chart->setBackgroundColor(colorFromBgr(m_main._c1));

    const QColor voltage = colorFromBgr(m_main._c3);
    Series1->setColor(voltage);
    Main_Chart->leftAxis()->setTitleColor(voltage);
    setTextColor(fesz_lab, voltage);

    const QColor charge = colorFromBgr(m_main._c4);
    Main_Chart->rightAxis()->setTitleColor(charge);
    setTextColor(aram_lab, charge);
    colorCurrentRuns();
}

void TFrm_Graph::setSampleTimes(int divisor)
{
    const vorn::chart::EvenSpacing times = sampleTimes(divisor);
    Series1->setEvenSpacing(times);
    Series2->setEvenSpacing(times);
}

void TFrm_Graph::Change_TimeUnit(int ItemIndex)
{
    using namespace vorn::graph;
    const std::optional<int> divisor = timeUnitDivisor(ItemIndex);
    if (!divisor)
        return;
    setSampleTimes(*divisor);
    Main_Chart->bottomAxis()->setTitle(timeAxisTitle(ItemIndex, m_main.texts));

    vorn::chart::ChartAxis *bottom = Main_Chart->bottomAxis();
    const AxisRange shown{bottom->minimum(), bottom->maximum()};
    const BottomRangeChange change = convertBottomRange(shown, File_Datas.Last_Time_Me, ItemIndex);
    if (change.range != shown) {
        // In this order the range never turns inside out on the way.
        if (change.maxFirst) {
            bottom->setMaximum(change.range.max);
            bottom->setMinimum(change.range.min);
        } else {
            bottom->setMinimum(change.range.min);
            bottom->setMaximum(change.range.max);
        }
    }
    Set_Limit_Lines();
    File_Datas.Last_Time_Me = vXTime = Cmb_Time->currentIndex();
    Main_Chart->refresh();
}

void TFrm_Graph::Cmb_TimeChange(int index)
{
    Change_TimeUnit(index);
}

void TFrm_Graph::Set_Limit_Lines()
{
    Series3->clear();
    Series4->clear();
    const vorn::graph::LimitLinePoints lines =
        vorn::graph::limitLines(File_Datas, Cmb_Time->currentIndex());
    for (const QPointF &point : lines.upper)
        Series3->add(point.x(), point.y());
    for (const QPointF &point : lines.lower)
        Series4->add(point.x(), point.y());
}
