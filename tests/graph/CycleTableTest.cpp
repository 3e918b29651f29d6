// Charge and discharge segments: counting, numbering and their texts.
#include "TestTexts.h"

#include "graph/ChartValues.h"
#include "graph/CycleTable.h"

#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;
using graphtest::texts;

namespace {

// 4 charging then 3 discharging samples at 10 s. The currents of the samples
// that open a segment (0 and 4) are 100 A, so counting them would show.
TFile_Datas fourChargeThreeDischarge(int Mint_ido = 10)
{
    TFile_Datas r = record(samples(4, 3), Mint_ido);
    const double currents[] = {100, 3, 6, 9, 100, 2, 4};
    for (std::size_t i = 0; i < 7; ++i)
        r.Meres_Datas[i].Meres_Aram = currents[i];
    return r;
}

// `periods` alternating segments of two samples each, starting with a charge.
TFile_Datas alternating(int periods)
{
    std::vector<TMeres_Datas> data;
    for (int p = 0; p < periods; ++p) {
        data.push_back({1.0, 12.0, p % 2 == 0});
        data.push_back({1.0, 12.0, p % 2 == 0});
    }
    return record(std::move(data), 60);
}

} // namespace

TEST(CycleEvaluation, CountsTheFirstIntervalButNotTheCurrentThatOpensASegment)
{
    const auto rows = Meresi_Param_Szetvalogatas(fourChargeThreeDischarge(), CycleInfoList);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].charge);
    EXPECT_EQ(rows[0].seconds, 40);
    // (3 + 6 + 9) / 4 samples x 40 s
    EXPECT_DOUBLE_EQ(rows[0].ampereHours, 18.0 / 4.0 * (40.0 / 3600.0));
    EXPECT_FALSE(rows[1].charge);
    EXPECT_EQ(rows[1].seconds, 30);
    EXPECT_DOUBLE_EQ(rows[1].ampereHours, 6.0 / 3.0 * (30.0 / 3600.0));
}

TEST(CycleEvaluation, InfoListAndReportNumberCyclesDifferently)
{
    const TFile_Datas r = alternating(4); // charge, discharge, charge, discharge
    std::vector<int> info;
    for (const CycleSegment &s : Meresi_Param_Szetvalogatas(r, CycleInfoList))
        info.push_back(s.number);
    std::vector<int> report;
    for (const CycleSegment &s : Meresi_Param_Szetvalogatas(r, CycleReport))
        report.push_back(s.number);
    EXPECT_EQ(info, (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(report, (std::vector<int>{1, 1, 2, 2}));
}

TEST(CycleEvaluation, NeedsTwoSamplesAndDropsATrailingSingleSample)
{
    EXPECT_TRUE(Meresi_Param_Szetvalogatas(record(samples(1, 0), 10), CycleInfoList).empty());
    // The state change at the last sample closes the charge; the one-sample
    // discharge after it is never closed.
    const auto rows = Meresi_Param_Szetvalogatas(record(samples(3, 1), 10), CycleInfoList);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].charge);
    EXPECT_EQ(rows[0].seconds, 30);
}

TEST(CycleEvaluation, AZeroSamplingIntervalGivesZeroChargeInsteadOfDividingByZero)
{
    const auto rows = Meresi_Param_Szetvalogatas(fourChargeThreeDischarge(0), CycleInfoList);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].seconds, 0);
    EXPECT_EQ(rows[0].ampereHours, 0.0);
    EXPECT_EQ(chargeQuantityText(rows[0].ampereHours), QStringLiteral("0,0 A×h"));
    EXPECT_EQ(reportCycleLine(rows[1], texts()), QStringLiteral("2  kisütés   0,0 A×h"));
}

TEST(CycleTexts, ListRowGoesUnderTheBuiltInCaptions)
{
    const auto rows = Meresi_Param_Szetvalogatas(fourChargeThreeDischarge(), CycleInfoList);
    const auto cells = cycleListRow(rows[0], texts());
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], std::pair(QStringLiteral("Ciklus"), QStringLiteral("1")));
    EXPECT_EQ(cells[1], std::pair(QStringLiteral("Állapot"), QStringLiteral("töltés")));
    EXPECT_EQ(cells[2], std::pair(QStringLiteral("Idő"), QStringLiteral("40 mp")));
    EXPECT_EQ(cells[3], std::pair(QStringLiteral("Töltésmennyiség"), QStringLiteral("0,05 A×h")));
    EXPECT_EQ(cycleListRow(rows[1], texts())[1].second, QStringLiteral("kisütés"));
}

TEST(CycleTexts, ReportLinesHaveTheirExactBlanks)
{
    const auto rows = Meresi_Param_Szetvalogatas(fourChargeThreeDischarge(), CycleReport);
    EXPECT_EQ(reportCycleLine(rows[0], texts()), QStringLiteral("1  töltés 40 mp 0,05 A×h"));
    EXPECT_EQ(reportCycleLine(rows[1], texts()), QStringLiteral("1  kisütés  30 mp 0,02 A×h"));
    EXPECT_EQ(chargeQuantityText(12.5), QStringLiteral("12,5 A×h"));
}

TEST(CycleTexts, ReportResultsKeepTheLast15OfTwentyPeriods)
{
    const ReportCycleLines lines = reportCycleLines(alternating(20), texts());
    ASSERT_EQ(lines.RichEdit1.size(), 20);
    ASSERT_EQ(lines.REdt_results.size(), 15);
    EXPECT_EQ(lines.REdt_results, lines.RichEdit1.mid(5));
    // Period 5 is the charge of report cycle 3, period 6 its discharge, period
    // 20 the discharge of cycle 10.
    EXPECT_TRUE(lines.RichEdit1[4].startsWith(QStringLiteral("3  töltés ")));
    EXPECT_TRUE(lines.REdt_results.first().startsWith(QStringLiteral("3  kisütés  ")));
    EXPECT_TRUE(lines.REdt_results.last().startsWith(QStringLiteral("10  kisütés  ")));

    const ReportCycleLines few = reportCycleLines(alternating(4), texts());
    EXPECT_EQ(few.REdt_results, few.RichEdit1);
}

// The charge and discharge runs the current curve is coloured by: single
// samples are runs of their own, and the progress stride changes nothing.
TEST(ChargeRuns, EveryChangeOfStateStartsARunWhateverTheStride)
{
    std::vector<TMeres_Datas> samples(9);
    for (int i : {0, 1, 3, 7, 8})
        samples[size_t(i)].Is_Toltes = true;
    const std::vector<std::tuple<int, int, bool>> expected{
        {0, 1, true}, {2, 2, false}, {3, 3, true}, {4, 6, false}, {7, 8, true}};
    for (int stride : {1, 2, 4, 100}) {
        std::vector<int> reached;
        const auto runs = vorn::graph::chargeRuns(samples, stride, [&](int at) { reached.push_back(at); });
        ASSERT_EQ(runs.size(), expected.size()) << stride;
        for (size_t r = 0; r < runs.size(); ++r) {
            EXPECT_EQ(std::make_tuple(runs[r].first, runs[r].last, runs[r].charging), expected[r])
                << "stride " << stride << " run " << r;
        }
        EXPECT_EQ(reached.size(), size_t((9 + stride - 1) / stride)) << stride;
    }
    EXPECT_TRUE(vorn::graph::chargeRuns({}, 1).empty());
}
