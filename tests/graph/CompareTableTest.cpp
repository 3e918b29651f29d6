// Measurements side by side: where each curve's time 0 lies, what a common
// cursor time meets on each curve, and the rows of the table.
#include "TestTexts.h"

#include "graph/CompareTable.h"

#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;
using graphtest::texts;

TEST(CompareAlignment, TimeZeroLiesAtTheFirstDischargeOrAtTheFirstSample)
{
    const TFile_Datas r = record(samples(10, 5), 60);
    EXPECT_EQ(firstDischargeSample(r), 10);
    EXPECT_EQ(alignmentOrigin(r, CompareAlignment::FirstDischarge), 10);
    EXPECT_EQ(alignmentOrigin(r, CompareAlignment::FirstSample), 0);
    // A run that never discharges keeps its first sample at 0.
    const TFile_Datas charging = record(samples(6, 0), 60);
    EXPECT_EQ(firstDischargeSample(charging), -1);
    EXPECT_EQ(alignmentOrigin(charging, CompareAlignment::FirstDischarge), 0);

    // A common cursor time, read on a curve whose origin is sample 10.
    EXPECT_EQ(sampleAtCompareTime(r, 10, 0.0), 10);
    EXPECT_EQ(sampleAtCompareTime(r, 10, -600.0), 0);
    EXPECT_EQ(sampleAtCompareTime(r, 10, 240.0), 14);
    EXPECT_EQ(sampleAtCompareTime(r, 10, -631.0), -1);
    EXPECT_EQ(sampleAtCompareTime(r, 10, 271.0), -1);
}

TEST(CompareTable, ARowSumsTheDischargeSegmentsAndLeavesUnreportedValuesEmpty)
{
    // Charge, discharge, charge, discharge: 3, 2, 2, 3 samples at 60 s.
    std::vector<TMeres_Datas> data;
    for (int i = 0; i < 10; ++i)
        data.push_back({i >= 3 && i < 5 ? 6.0 : 3.0, 12.0, i < 3 || (i >= 5 && i < 7)});
    TFile_Datas r = record(std::move(data), 60);
    r.Meres_No = 17;
    r.MDT = u"14.05. 09:30"_qs;
    r.Mert_kap = 85;
    r.Minosit_szaz = 80;
    const CompareRow row = compareRow(r, u"run.VRN"_qs, 2);
    // The cycle evaluation's discharge segments: 2 x 60 s and 3 x 60 s; the
    // sample that opens a segment counts by its interval, not its current.
    EXPECT_EQ(row.dischargeSeconds, 300);
    EXPECT_DOUBLE_EQ(row.dischargeAh, 6.0 / 2 * (120.0 / 3600) + 6.0 / 3 * (180.0 / 3600));
    EXPECT_EQ(row.verdict, Verdict::Pass);
    EXPECT_EQ(compareRowTexts(row, texts()),
              (QStringList{u"run.VRN"_qs, u"17"_qs, u"14.05. 09:30"_qs, u"10"_qs, u"0,08"_qs,
                           u"0,2"_qs, u"85"_qs, u"80"_qs, u"T139"_qs, u"2"_qs}));

    r.Meres_No = -1;
    r.Mert_kap = -1;
    r.Minosit_szaz = -1;
    const QStringList unreported = compareRowTexts(compareRow(r, u"run.VRN"_qs, 0), texts());
    EXPECT_EQ(unreported[ColNumber], QString());
    EXPECT_EQ(unreported[ColMeasured], QString());
    EXPECT_EQ(unreported[ColThreshold], QString());
    EXPECT_EQ(unreported[ColVerdict], QString());
}

TEST(CompareTable, CaptionsAreTheInfoDialogsLabelsWithTheirUnits)
{
    const QStringList captions = compareColumnCaptions(texts());
    ASSERT_EQ(captions.size(), CompareColumnCount);
    EXPECT_EQ(captions[ColFile], u"T160"_qs);
    EXPECT_EQ(captions[ColDischargeTime], u"T141 (h)"_qs);
    EXPECT_EQ(captions[ColDischargeAh], u"T148 (A×h)"_qs);
    EXPECT_EQ(captions[ColMeasured], u"T137 (%)"_qs);
}
