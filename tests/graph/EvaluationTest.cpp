// Seconds as text, limit lines, parameter lines and the verdict.
#include "TestTexts.h"

#include "graph/LimitLines.h"
#include "graph/MeasurementParams.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"

#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;
using graphtest::texts;

namespace {

std::vector<QPointF> points(std::initializer_list<QPointF> list) { return list; }

void expectPoints(const std::vector<QPointF> &actual, const std::vector<QPointF> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(actual[i].x(), expected[i].x()) << "point " << i;
        EXPECT_DOUBLE_EQ(actual[i].y(), expected[i].y()) << "point " << i;
    }
}

} // namespace

TEST(GenSec2StrTime, LeavesOutZeroPartsAndJoinsTheRestWithBlanks)
{
    EXPECT_EQ(GenSec2StrTime(0, texts()), QString());
    EXPECT_EQ(GenSec2StrTime(59, texts()), QStringLiteral("59 mp"));
    EXPECT_EQ(GenSec2StrTime(3600, texts()), QStringLiteral("1 óra"));
    EXPECT_EQ(GenSec2StrTime(3725, texts()), QStringLiteral("1 óra 2 perc 5 mp"));
    EXPECT_EQ(GenSec2StrTime(7260, texts()), QStringLiteral("2 óra 1 perc"));
}

TEST(TimeAxisTitle, NamesTheUnitInBlanksAndBrackets)
{
    EXPECT_EQ(timeAxisTitle(UnitSeconds, texts()), QStringLiteral("T69 ( mp )"));
    EXPECT_EQ(timeAxisTitle(UnitMinutes, texts()), QStringLiteral("T69 ( perc )"));
    EXPECT_EQ(timeAxisTitle(UnitHours, texts()), QStringLiteral("T69 ( óra )"));
}

TEST(DischargeStart, IsTheTimeOfTheFirstDischargingSample)
{
    EXPECT_EQ(SetKis_Ido_Kezd(record(samples(60, 40), 60)), 3600);
    EXPECT_EQ(SetKis_Ido_Kezd(record(samples(0, 5), 60)), 0);
    EXPECT_EQ(SetKis_Ido_Kezd(record(samples(5, 0), 60)), -1);
}

TEST(LimitLines, ExampleInSecondsAndInHours)
{
    const TFile_Datas r = record(samples(60, 40), 60); // Pass_100 36000, threshold 80
    const LimitLinePoints s = limitLines(r, UnitSeconds);
    expectPoints(s.upper, points({{3600, 13}, {3960, 12.4}, {39600, 11.3}, {39600, 0}}));
    expectPoints(s.lower, points({{3600, 12}, {3960, 11}, {32400, 10}, {32400, 0}}));
    const LimitLinePoints h = limitLines(r, UnitHours);
    expectPoints(h.upper, points({{1, 13}, {1.1, 12.4}, {11, 11.3}, {11, 0}}));
    expectPoints(h.lower, points({{1, 12}, {1.1, 11}, {9, 10}, {9, 0}}));
    const LimitLinePoints m = limitLines(r, UnitMinutes);
    EXPECT_DOUBLE_EQ(m.lower[2].x(), 540);
}

TEST(LimitLines, StartAtZeroWhenTheRunDischargesFromTheFirstSample)
{
    const LimitLinePoints s = limitLines(record(samples(0, 10), 60), UnitSeconds);
    ASSERT_EQ(s.upper.size(), 4u);
    EXPECT_DOUBLE_EQ(s.upper[0].x(), 0);
    EXPECT_DOUBLE_EQ(s.lower[0].x(), 0);
}

TEST(LimitLines, AreEmptyWithoutDischargeForOtherTypesAndUnknownUnits)
{
    const TFile_Datas charging = record(samples(10, 0), 60);
    EXPECT_TRUE(limitLines(charging, UnitSeconds).upper.empty());
    TFile_Datas noVerdict = record(samples(5, 5), 60);
    noVerdict.tipus = 1;
    EXPECT_TRUE(limitLines(noVerdict, UnitSeconds).lower.empty());
    const TFile_Datas normal = record(samples(5, 5), 60);
    EXPECT_TRUE(limitLines(normal, 3).upper.empty());
    EXPECT_TRUE(limitLines(normal, -1).lower.empty());
}

TEST(LimitLines, LongRunsDoNotOverflowTheThresholdProduct)
{
    TFile_Datas r = record(samples(0, 10), 60);
    r.Pass_100 = 100'000'000; // x 80 exceeds 32 bits
    const LimitLinePoints s = limitLines(r, UnitSeconds);
    EXPECT_DOUBLE_EQ(s.lower[2].x(), 80'000'000.0);
    r.Pass_100 = 1001;
    r.Minosit_szaz = 50; // 500.5: the division is not truncated
    EXPECT_DOUBLE_EQ(limitLines(r, UnitSeconds).lower[2].x(), 500.5);
}

TEST(Verdict, PassesOnlyAboveTheThreshold)
{
    TFile_Datas r = record(samples(1, 1), 60);
    r.Mert_kap = 85;
    r.Minosit_szaz = 80;
    EXPECT_EQ(qualificationVerdict(r), Verdict::Pass);
    EXPECT_EQ(verdictTextIndex(Verdict::Pass), 139);
    EXPECT_EQ(verdictText(Verdict::Pass, texts()), QStringLiteral("T139"));
    r.Mert_kap = 80;
    EXPECT_EQ(qualificationVerdict(r), Verdict::Fail);
    EXPECT_EQ(verdictText(Verdict::Fail, texts()), QStringLiteral("T140"));
    r.Minosit_szaz = -1;
    EXPECT_EQ(qualificationVerdict(r), Verdict::None);
    EXPECT_EQ(verdictTextIndex(Verdict::None), -1);
    EXPECT_TRUE(verdictText(Verdict::None, texts()).isEmpty());
}

TEST(ParameterLines, InfoDialogListsEveryReportedParameterWithItsUnit)
{
    const OtherParams p = Fill_Other_Params(record(samples(1, 1), 60), texts());
    EXPECT_EQ(p.params.labels, (QStringList{QStringLiteral("T127"), QStringLiteral("T31"),
                                            QStringLiteral("T136"), QStringLiteral("T143"),
                                            QStringLiteral("T144"), QStringLiteral("T151"),
                                            QStringLiteral("T152")}));
    EXPECT_EQ(p.params.values,
              (QStringList{QStringLiteral("60 mp"), QStringLiteral("2,5 A"), QStringLiteral("100 Ah"),
                           QStringLiteral("14 óra"), QStringLiteral("10,5 V"), QStringLiteral("80 %"),
                           QStringLiteral("10 óra")}));
    EXPECT_EQ(p.results.labels,
              (QStringList{QStringLiteral("T135"), QStringLiteral("T146"), QStringLiteral("T137")}));
    EXPECT_EQ(p.results.values,
              (QStringList{QStringLiteral("7"), QStringLiteral("12,75 V"), QStringLiteral("85 %")}));
    EXPECT_EQ(p.verdict, Verdict::Pass);
}

TEST(ParameterLines, AnUnreportedValueLeavesOutItsLineInBothBoxes)
{
    TFile_Datas r = record(samples(1, 1), 60);
    r.Kis_Aram = -1;
    r.U0 = -1;
    r.Meres_No = -1;
    const OtherParams p = Fill_Other_Params(r, texts());
    ASSERT_EQ(p.params.labels.size(), 6);
    ASSERT_EQ(p.params.values.size(), 6);
    EXPECT_EQ(p.params.labels[1], QStringLiteral("T136"));
    EXPECT_EQ(p.params.values[1], QStringLiteral("100 Ah"));
    // The info dialog always shows the measurement number, even -1.
    EXPECT_EQ(p.results.labels, (QStringList{QStringLiteral("T135"), QStringLiteral("T137")}));
    EXPECT_EQ(p.results.values, (QStringList{QStringLiteral("-1"), QStringLiteral("85 %")}));
}

TEST(ReportLines, JoinLabelAndValueAndAddTheDeviceIdentifiers)
{
    TFile_Datas r = record(samples(1, 1), 60);
    r.N_Kapac = -1;
    r.sorszam = QStringLiteral("SN-42");
    const QStringList params = reportParameterLines(r, texts());
    EXPECT_EQ(params, (QStringList{QStringLiteral("T127 60 mp"), QStringLiteral("T31 2,5 A"),
                                   QStringLiteral("T143 14 óra"), QStringLiteral("T144 10,5 V"),
                                   QStringLiteral("T151 80 %"), QStringLiteral("T152 10 óra"),
                                   QStringLiteral("T177 SN-42")}));
    EXPECT_EQ(reportResultLines(r, texts()),
              (QStringList{QStringLiteral(" "), QStringLiteral("T135 7"), QStringLiteral("T146 12,75 V"),
                           QStringLiteral("T137 85 %"), QStringLiteral("T138")}));
}

TEST(ReportLines, LeaveOutAMissingMeasurementNumberAndTheVerdictHeading)
{
    TFile_Datas r = record(samples(1, 1), 60);
    r.Meres_No = -1;
    r.Minosit_szaz = -1;
    r.prog_verzio = QStringLiteral("v2.1");
    EXPECT_EQ(reportResultLines(r, texts()),
              (QStringList{QStringLiteral(" "), QStringLiteral("T146 12,75 V"), QStringLiteral("T137 85 %")}));
    EXPECT_EQ(reportParameterLines(r, texts()).last(), QStringLiteral("T178 v2.1"));
}
