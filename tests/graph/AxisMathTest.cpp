// Default axis ranges, time label step, time-unit conversion and the default
// view of a record.
#include "TestTexts.h"

#include "graph/AxisMath.h"
#include "graph/ChartValues.h"
#include "graph/DefaultView.h"
#include "graph/TimeUnits.h"

#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;

namespace {

// Voltages spread evenly from `low` to `high` over `count` samples.
TFile_Datas voltageRamp(double low, double high, int charging, int discharging)
{
    TFile_Datas r = record(samples(charging, discharging), 60);
    const int count = charging + discharging;
    for (int i = 0; i < count; ++i)
        r.Meres_Datas[i].Meres_fesz = low + (high - low) * i / (count - 1);
    return r;
}

SeriesExtent ys(double minY, double maxY, double maxX = 0) { return {minY, maxY, maxX}; }

} // namespace

TEST(Nearest, RoundsHalvesToEven)
{
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(1.5), 2);
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(-2.5), -2);
    EXPECT_EQ(Nearest(13.71), 14);
    EXPECT_EQ(Nearest(-5.6), -6);
}

TEST(DefaultRanges, VoltageAxisReachesDownToTheLowerLimitLine)
{
    // 11.2..13.2 V with limit lines: the lower line ends at 0 V, Nearest(13.71)
    // is 14 and the upper line's 13 V stays below it.
    const TFile_Datas r = voltageRamp(11.2, 13.2, 30, 30);
    const DefaultRanges d = defaultRanges(chartExtents(r, UnitMinutes));
    EXPECT_EQ(d.fmin, 0);
    EXPECT_EQ(d.fmax, 14);
}

TEST(DefaultRanges, WithoutLimitLinesTheEmptySeriesStillPullsTheMinimumToZero)
{
    TFile_Datas r = voltageRamp(20.3, 27.1, 30, 30);
    r.tipus = 1;
    const DefaultRanges d = defaultRanges(chartExtents(r, UnitMinutes));
    EXPECT_EQ(d.fmin, 0);
    EXPECT_EQ(d.fmax, 28);
}

TEST(DefaultRanges, UpperLimitLineAboveTheDataRaisesTheMaximum)
{
    const ChartExtents chart{ys(1, 11.2), ys(0, 1), ys(0, 13.0), ys(0, 12)};
    EXPECT_EQ(defaultRanges(chart).fmax, 13);
}

TEST(DefaultRanges, CurrentAxisOnFirstDisplayAndAfterDefaultSize)
{
    const ChartExtents chart{ys(11, 13, 10), ys(-5.3, 2.2, 10), {}, {}};
    const GraphView fresh = newGraphView(chart);
    EXPECT_EQ(fresh.right, (AxisRange{-5, 3}));
    const GraphView sized = defaultSizeView(chart);
    EXPECT_EQ(sized.right, (AxisRange{-6, 4}));
    // The edits show the default current range, not the widened axis.
    EXPECT_EQ(sized.edits.Edt_Min_Aram, QStringLiteral("-5,00"));
    EXPECT_EQ(sized.edits.Edt_Max_Aram, QStringLiteral("3,00"));
}

TEST(NewGraphView, NinetySamplesAtOneMinute)
{
    const TFile_Datas r = voltageRamp(11.2, 13.2, 45, 45);
    const GraphView v = newGraphView(chartExtents(r, UnitMinutes));
    EXPECT_DOUBLE_EQ(v.bottom.min, 0);
    EXPECT_DOUBLE_EQ(v.bottom.max, 89.2);
    EXPECT_EQ(v.timeStep, 1);
    EXPECT_EQ(v.left, (AxisRange{0, 14}));
    const RangeEditTexts expected{QStringLiteral("0,00"), QStringLiteral("14,00"), QStringLiteral("1,00"),
                                  QStringLiteral("2,00"), QStringLiteral("0"),     QStringLiteral("89")};
    EXPECT_EQ(v.edits, expected);
}

TEST(NewGraphView, ShortRunsInHoursGetFinerTimeLabels)
{
    // 15 x 60 s = 0.25 h, 18 x 60 s = 0.3 h
    const GraphView quarter = newGraphView(chartExtents(record(samples(16, 0), 60), UnitHours));
    EXPECT_DOUBLE_EQ(quarter.bottom.max, 0.45);
    EXPECT_EQ(quarter.timeStep, 0.01);
    const GraphView longer = newGraphView(chartExtents(record(samples(19, 0), 60), UnitHours));
    EXPECT_DOUBLE_EQ(longer.bottom.max, 0.5);
    EXPECT_EQ(longer.timeStep, 0.1);
    EXPECT_EQ(timeLabelStep({0, 5}), 1);
    EXPECT_EQ(timeLabelStep({2, 6.9}), 0.1);
}

TEST(DefaultSizeView, TimeAxisCoversTheLimitLinesToo)
{
    // Samples end at 1.65 h; the upper limit line drops at 0.5 + 10 = 10.5 h.
    const TFile_Datas r = record(samples(30, 70), 60);
    const GraphView v = defaultSizeView(chartExtents(r, UnitHours));
    EXPECT_DOUBLE_EQ(v.bottom.max, 10.7);
    EXPECT_EQ(v.timeStep, 1);
    EXPECT_DOUBLE_EQ(newGraphView(chartExtents(r, UnitHours)).bottom.max, 99.0 / 60.0 + 0.2);
}

TEST(TimeUnitChange, GrowingSetsTheMaximumFirst)
{
    const BottomRangeChange toSeconds = convertBottomRange({2, 10}, UnitMinutes, UnitSeconds);
    EXPECT_EQ(toSeconds.range, (AxisRange{120, 600}));
    EXPECT_TRUE(toSeconds.maxFirst);
    const BottomRangeChange toMinutes = convertBottomRange({2, 10}, UnitHours, UnitMinutes);
    EXPECT_EQ(toMinutes.range, (AxisRange{120, 600}));
    EXPECT_TRUE(toMinutes.maxFirst);
    const BottomRangeChange toHours = convertBottomRange({1800, 9000}, UnitSeconds, UnitHours);
    EXPECT_EQ(toHours.range, (AxisRange{0.5, 2.5}));
    EXPECT_FALSE(toHours.maxFirst);
    EXPECT_EQ(convertBottomRange({3, 7}, UnitMinutes, UnitMinutes).range, (AxisRange{3, 7}));
    EXPECT_EQ(convertBottomRange({3, 7}, 5, UnitSeconds).range, (AxisRange{3, 7}));
}

TEST(TimeUnitChange, SampleTimesFollowTheUnit)
{
    EXPECT_DOUBLE_EQ(sampleTime(99, 60, 1), 5940);
    EXPECT_DOUBLE_EQ(sampleTime(99, 60, 60), 99);
    // 1,000,000 samples x 3600 s exceeds 32 bits
    EXPECT_DOUBLE_EQ(sampleTime(1'000'000, 3600, 3600), 1'000'000);
}

TEST(DefaultView, UsesCorrectedValuesInTheSavedUnit)
{
    TFile_Datas r = record(samples(10, 10, 12.0, 2.0), 60);
    r.tipus = 1;
    r.Ukorr = 1.01;
    r.UOffs = -0.05; // 12 V shows as 12.07 V
    r.Ikorr = 1.0;
    r.IOffs = 1.5;   // 2 A shows as 3.5 A
    r.Last_Time_Me = UnitSeconds;
    const DefaultView v = defaultView(r);
    EXPECT_EQ(v.unit, UnitSeconds);
    EXPECT_EQ(v.left, (AxisRange{0, 13}));  // Nearest(12.07 + 0.51)
    EXPECT_EQ(v.right, (AxisRange{3, 4}));  // Trunc(3.5), Nearest(4.01)
    EXPECT_DOUBLE_EQ(v.bottom.max, 19 * 60 + 0.2);
    EXPECT_EQ(v.timeStep, 1);
    EXPECT_DOUBLE_EQ(shownVoltage(r, r.Meres_Datas[0]), 12.07);
}

TEST(DefaultView, ADamagedSavedUnitFallsBackToMinutes)
{
    EXPECT_EQ(effectiveTimeUnit(0), 0);
    EXPECT_EQ(effectiveTimeUnit(2), 2);
    EXPECT_EQ(effectiveTimeUnit(3), 1);
    EXPECT_EQ(effectiveTimeUnit(-1), 1);
    TFile_Datas r = record(samples(10, 0), 60);
    r.Last_Time_Me = 7;
    const DefaultView v = defaultView(r);
    EXPECT_EQ(v.unit, UnitMinutes);
    EXPECT_DOUBLE_EQ(v.bottom.max, 9.2);
}
