// The A–B read-out between two cursors: the arithmetic against hand
// computations, the nearest samples, the panel's texts and its place.
#include "TestTexts.h"

#include "graph/SpanMeasure.h"
#include "graph/SpanReadout.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;
using graphtest::texts;

namespace {

// 4 charging samples at 13 V and 2 A, then 4 discharging at 11 V and 4 A,
// a quarter of an hour apart.
TFile_Datas chargeThenDischarge()
{
    std::vector<TMeres_Datas> data = samples(4, 0, 13.0, 2.0);
    for (const TMeres_Datas &s : samples(0, 4, 11.0, 4.0))
        data.push_back(s);
    return record(std::move(data), 900);
}

} // namespace

TEST(SpanMeasure, AConstantCurrentDischargeOfKnownLengthGivesItsChargeAndEnergyExactly)
{
    // One hour at 30 s: 121 samples. Shown values with the corrections:
    // U = 12 x 1.5 + 0.5 = 18.5 V, I = 2 x 1 - 7 = -5 A, counted as 5 A.
    TFile_Datas r = record(samples(0, 121, 12.0, 2.0), 30);
    r.Ukorr = 1.5;
    r.UOffs = 0.5;
    r.IOffs = -7.0;
    const std::optional<SpanMeasure> span = measureSpanBetween(r, 0.0, 3600.0);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->fromIndex, 0);
    EXPECT_EQ(span->toIndex, 120);
    EXPECT_EQ(span->dt_s, 3600.0);
    EXPECT_EQ(span->du_v, 0.0);
    EXPECT_EQ(span->ahDischarge, 5.0);
    EXPECT_EQ(span->whDischarge, 92.5);
    EXPECT_EQ(span->ahCharge, 0.0);
    EXPECT_EQ(span->whCharge, 0.0);
    EXPECT_EQ(span->ahTotal, 5.0);
    EXPECT_EQ(span->whTotal, 92.5);
    EXPECT_EQ(span->uMean, 18.5);
    EXPECT_EQ(span->uMin, 18.5);
    EXPECT_EQ(span->uMax, 18.5);
}

TEST(SpanMeasure, ARangeAcrossAChargeDischargeChangeCountsEachSideApartAndLeavesOutTheLastSample)
{
    const std::optional<SpanMeasure> span = measureSpan(chargeThenDischarge(), 1, 6);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->dt_s, 4500.0);
    EXPECT_EQ(span->du_v, -2.0);
    // Samples 1, 2, 3 charge at 2 A, samples 4, 5 discharge at 4 A; 0.25 h each.
    EXPECT_EQ(span->ahCharge, 1.5);
    EXPECT_EQ(span->ahDischarge, 2.0);
    EXPECT_EQ(span->ahTotal, 3.5);
    EXPECT_EQ(span->whCharge, 19.5);
    EXPECT_EQ(span->whDischarge, 22.0);
    EXPECT_EQ(span->whTotal, 41.5);
    // Samples 1 .. 6: three at 13 V, three at 11 V.
    EXPECT_EQ(span->uMean, 12.0);
    EXPECT_EQ(span->uMin, 11.0);
    EXPECT_EQ(span->uMax, 13.0);
}

TEST(SpanMeasure, AAfterBIsMeasuredFromBToAAndAEqualToBMovesNothing)
{
    const TFile_Datas r = chargeThenDischarge();
    const std::optional<SpanMeasure> reversed = measureSpanBetween(r, 5400.0, 900.0);
    ASSERT_TRUE(reversed);
    EXPECT_EQ(reversed->fromIndex, 1);
    EXPECT_EQ(reversed->toIndex, 6);
    EXPECT_EQ(reversed->dt_s, 4500.0);
    EXPECT_EQ(reversed->ahTotal, 3.5);

    const std::optional<SpanMeasure> same = measureSpan(r, 5, 5);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->dt_s, 0.0);
    EXPECT_EQ(same->du_v, 0.0);
    EXPECT_EQ(same->ahTotal, 0.0);
    EXPECT_EQ(same->whTotal, 0.0);
    EXPECT_EQ(same->uMean, 11.0);
    EXPECT_EQ(same->uMin, 11.0);
    EXPECT_EQ(same->uMax, 11.0);

    EXPECT_FALSE(measureSpan(record({}, 60), 0, 0));
}

TEST(SpanMeasure, CursorTimesMeetTheNearestSampleTheLowerOnATie)
{
    EXPECT_EQ(nearestSample(10, 60, 89.0), 1);
    EXPECT_EQ(nearestSample(10, 60, 90.0), 1);  // halfway: the lower index
    EXPECT_EQ(nearestSample(10, 60, 91.0), 2);
    EXPECT_EQ(nearestSample(10, 60, -500.0), 0);
    EXPECT_EQ(nearestSample(10, 60, 1e300), 9);
    EXPECT_EQ(nearestSample(10, 0, 500.0), 0);  // every sample at 0
    EXPECT_EQ(nearestSample(0, 60, 0.0), -1);
    EXPECT_EQ(nearestSample(10, 60, std::nan("")), -1);
    // Reading a value needs a sample there: half an interval beyond is too far.
    EXPECT_EQ(sampleAt(10, 60, 569.0), 9);
    EXPECT_EQ(sampleAt(10, 60, 570.0), 9);
    EXPECT_EQ(sampleAt(10, 60, 571.0), -1);
    EXPECT_EQ(sampleAt(10, 60, -30.0), -1);
    EXPECT_EQ(sampleAt(10, 60, -29.0), 0);
}

TEST(SpanReadout, ThePanelShowsBothCursorsAndWhatLiesBetweenInTheWindowsUnit)
{
    const QList<QStringList> rows = spanReadoutRows(chargeThenDischarge(), 6, 1, 1, texts());
    ASSERT_EQ(rows.size(), 8);
    // Cursor A stands after cursor B: each row shows its own cursor.
    EXPECT_EQ(rows[0], (QStringList{u"A"_qs, u"90,00 perc"_qs, u"11,00 V"_qs, u"4,00 A"_qs}));
    EXPECT_EQ(rows[1], (QStringList{u"B"_qs, u"15,00 perc"_qs, u"13,00 V"_qs, u"2,00 A"_qs}));
    EXPECT_EQ(rows[2], (QStringList{u"Δt"_qs, u"75,00 perc"_qs, u"ΔU"_qs, u"-2,00 V"_qs}));
    EXPECT_EQ(rows[3], (QStringList{QString(), u"töltés"_qs, u"kisütés"_qs, u"T163"_qs}));
    EXPECT_EQ(rows[4], (QStringList{u"A·h"_qs, u"1,50"_qs, u"2,00"_qs, u"3,50"_qs}));
    EXPECT_EQ(rows[5], (QStringList{u"W·h"_qs, u"19,50"_qs, u"22,00"_qs, u"41,50"_qs}));
    EXPECT_EQ(rows[7], (QStringList{u"U"_qs, u"12,00 V"_qs, u"11,00 V"_qs, u"13,00 V"_qs}));
    EXPECT_TRUE(spanReadoutText(rows).startsWith(u"A\t90,00 perc\t11,00 V\t4,00 A\nB\t"_qs));

    // Only A placed: B and everything between wait for it.
    const QList<QStringList> one = spanReadoutRows(chargeThenDischarge(), 2, -1, 0, texts());
    EXPECT_EQ(one[0][1], u"1800,00 mp"_qs);
    EXPECT_EQ(one[1], (QStringList{u"B"_qs, u"---"_qs, u"---"_qs, u"---"_qs}));
    EXPECT_EQ(one[4], (QStringList{u"A·h"_qs, u"---"_qs, u"---"_qs, u"---"_qs}));
}

TEST(SpanReadout, ThePanelKeepsClearOfTheCurvesLastSamples)
{
    const QRect plot(50, 20, 500, 300); // x 50..549, y 20..319
    const QSize panel(200, 100);
    // Where the user put it, when that covers nothing.
    EXPECT_EQ(readoutPanelPlace(plot, panel, QPoint(100, 100), {{540, 30}}), QPoint(100, 100));
    // Dragged past the plot's edge: back inside.
    EXPECT_EQ(readoutPanelPlace(plot, panel, QPoint(500, 300), {}), QPoint(350, 220));
    // Over a last sample: the first free corner (top left, then bottom left).
    EXPECT_EQ(readoutPanelPlace(plot, panel, QPoint(100, 100), {{150, 150}}), QPoint(56, 26));
    EXPECT_EQ(readoutPanelPlace(plot, panel, std::nullopt, {{60, 40}}), QPoint(56, 214));
    // The margin counts: a sample just beside the panel is covered too.
    EXPECT_EQ(readoutPanelPlace(plot, panel, QPoint(100, 100), {{305, 150}}), QPoint(56, 26));
}
