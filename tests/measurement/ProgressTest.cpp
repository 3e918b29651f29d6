// The progress arithmetic and the percentages a load reports.
#include "MeasurementTestSupport.h"

#include "measurement/ProgressMath.h"

namespace vorn::measurement::test {
namespace {

TEST(ProgressMath, LoadOfHundredLinesRisesFromThirtyToSixty)
{
    const auto first = Calc_sz(30, 60, 0, 100, 0, true);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->label, u"30 %");
    EXPECT_DOUBLE_EQ(*progressPercent(30, 60, 0, 100, 1, true), 30.3);
    EXPECT_DOUBLE_EQ(*progressPercent(30, 60, 0, 100, 99, true), 59.7);
    EXPECT_EQ(Calc_sz(30, 60, 0, 100, 100, true)->label, u"60 %");
}

TEST(ProgressMath, ExportOfElevenSamplesShowsTensOfPercent)
{
    for (int k = 0; k <= 10; ++k) {
        const auto step = Calc_sz_E(0, 100, 0, 10, k, true);
        ASSERT_TRUE(step);
        EXPECT_EQ(step->label, QString::number(10 * k) + QLatin1StringView(" %"));
        EXPECT_EQ(step->fillWidth, roundHalfEven(385 * k / 10.0));
    }
    EXPECT_EQ(Calc_sz_E(0, 100, 0, 10, 10, true)->fillWidth, kProgressBarWidth);
}

TEST(ProgressMath, CountingDownRunsFromStartToEnd)
{
    EXPECT_DOUBLE_EQ(*progressPercent(0, 15, 1000, 0, 1000, false), 0.0);
    EXPECT_DOUBLE_EQ(*progressPercent(0, 15, 1000, 0, 500, false), 7.5);
    EXPECT_DOUBLE_EQ(*progressPercent(0, 15, 1000, 0, 0, false), 15.0);
}

TEST(ProgressMath, EqualBoundsAreAnErrorTheCallerSees)
{
    EXPECT_FALSE(Calc_sz(0, 15, 0, 0, 0, false));
    EXPECT_FALSE(Calc_sz_E(0, 100, 5, 5, 1, true));
}

TEST(ProgressMath, WidthAndLabelRoundHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(59.7), 60);
    EXPECT_EQ(progressStep(50).fillWidth, 192);  // 192.5
    EXPECT_EQ(progressStep(62.5).label, u"62 %");
    EXPECT_EQ(progressStep(63.5).label, u"64 %");
    EXPECT_EQ(progressStep(0).fillWidth, 0);
}

TEST(ProgressMath, LargeCountsDoNotOverflow)
{
    const qint64 size = 3'000'000'000LL;
    EXPECT_DOUBLE_EQ(*progressPercent(15, 30, 0, size, size / 2, true), 22.5);
}

class ReaderProgress : public MeasurementTest {
protected:
    std::vector<double> percents(const QByteArray &bytes)
    {
        std::vector<double> seen;
        EXPECT_TRUE(readMeasurement(bytes, [&](double p) { seen.push_back(p); }).ok());
        return seen;
    }
};

TEST_F(ReaderProgress, EveryWholePercentOnceFromZeroToSixty)
{
    QByteArray bytes = vrn({u"<MEAS>"});
    for (int i = 0; i < 99; ++i)
        bytes += QByteArray::number(i) + "\t12,00\t-1,00\r\n";
    const std::vector<double> seen = percents(bytes); // 100 lines
    std::vector<int> shown;
    for (double p : seen)
        shown.push_back(roundHalfEven(p));
    std::vector<int> expected = {0, 15};
    for (int p = 30; p <= 60; ++p)
        expected.push_back(p);
    EXPECT_EQ(shown, expected);
    EXPECT_DOUBLE_EQ(seen[2], 30.0); // after the first line
    EXPECT_DOUBLE_EQ(seen.back(), 59.7); // the last line; 60 shows the same whole number
}

TEST_F(ReaderProgress, PictureSearchReportsItsTwoPhases)
{
    const std::vector<double> seen = percents(dataFile("logo_picture.VRN"));
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[0], 0.0);
    EXPECT_EQ(seen[1], 15.0);
    EXPECT_EQ(seen[2], 30.0);
    EXPECT_EQ(roundHalfEven(seen.back()), 60);
}

} // namespace
} // namespace vorn::measurement::test
