// The nearest-point search returns exactly what a plain scan of its rule
// returns, on random data with ties and points outside the plot.
#include "ChartTestSupport.h"

#include "engines/ChartNearest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <random>

using namespace vorn::chart;

namespace {

// The rule, scanned point by point.
NearestPoint bruteForce(const ChartSeries &series, const QRect &plot, int column)
{
    const int count = series.count();
    const VisibleRange visible = series.visibleRange();
    const int first = std::max(visible.first, 0);
    int last = visible.last;
    if (last < 0 || last >= count)
        last = count - 1;
    NearestPoint best;
    int limit = 100;
    for (int t = first; t <= last && count > 0; ++t) {
        const int px = series.pixelX(t);
        const int py = series.pixelY(t);
        if (px < plot.left() || px > plot.right() || py < plot.top() || py > plot.bottom())
            continue;
        const int d = std::abs(column - px);
        if (d < limit) {
            limit = d;
            best = {t, d};
        }
    }
    return best;
}

struct Scenario {
    const char *name;
    int points;
    double xStep;       // mean spacing; 0 repeats x values (ties)
    double outsideRate; // share of points above or below the plot
    double zoomFrom;    // bottom axis as a share of the x span
    double zoomTo;
};

void fillScenario(ChartSeries &series, const Scenario &s, std::mt19937 &rng)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double x = 0.0;
    for (int i = 0; i < s.points; ++i) {
        double y = 2.0 + 6.0 * unit(rng);
        if (unit(rng) < s.outsideRate)
            y = unit(rng) < 0.5 ? -5.0 : 15.0;
        series.add(x, y);
        // Runs of equal x and jumps make many points share one pixel.
        if (s.xStep > 0.0 && unit(rng) < 0.7)
            x += s.xStep * (unit(rng) < 0.1 ? 40.0 : 1.0);
    }
}

class NearestPointMatchesPlainScan : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(NearestPointMatchesPlainScan, ForEveryColumn)
{
    const Scenario s = GetParam();
    std::mt19937 rng(unsigned(s.points) * 31u + unsigned(s.outsideRate * 100));
    ChartModel chart;
    test::plainChart(chart, QSize(500, 300));
    ChartSeries *series = chart.addSeries();
    fillScenario(*series, s, rng);
    const double span = std::max(series->maxX(), 1.0);
    chart.bottomAxis()->setRange(span * s.zoomFrom, span * s.zoomTo);
    const QRect plot = chart.plotRect();
    int found = 0;
    const int stride = s.points > 50000 ? 7 : 1; // keeps the plain scan quick
    for (int column = plot.left() - 120; column <= plot.right() + 120; column += stride) {
        const NearestPoint fast = findNearestPoint(*series, column);
        const NearestPoint slow = bruteForce(*series, plot, column);
        ASSERT_EQ(fast.index, slow.index) << "column " << column;
        ASSERT_EQ(fast.distance, slow.distance) << "column " << column;
        found += fast.found();
    }
    if (s.points > 0 && s.outsideRate < 1.0) {
        EXPECT_GT(found, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RandomData, NearestPointMatchesPlainScan,
    ::testing::Values(Scenario{"Empty", 0, 1.0, 0.0, 0.0, 1.0},
                      Scenario{"OnePoint", 1, 1.0, 0.0, 0.0, 1.0},
                      Scenario{"SparseWithGapsOver100Pixels", 50, 1.0, 0.3, 0.0, 1.0},
                      Scenario{"ManyPointsPerPixel", 5000, 0.01, 0.0, 0.0, 1.0},
                      Scenario{"ManyTiesManyOutside", 5000, 0.01, 0.6, 0.0, 1.0},
                      Scenario{"ZoomedInMostlyOutside", 20000, 0.001, 0.9, 0.2, 0.7},
                      Scenario{"EveryXEqual", 20000, 0.0, 0.5, 0.0, 1.0},
                      Scenario{"AllOutsideNeverFound", 30000, 0.01, 1.0, 0.0, 1.0},
                      Scenario{"WholeBlocksOutsideAreSkipped", 200000, 0.0005, 0.97, 0.1, 0.4}),
    [](const ::testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });

TEST(NearestPoint, HalfwayBetweenTwoPointsTakesTheLowerIndex)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    const int a = chart.bottomAxis()->valueToPixel(2.0);
    s->add(chart.bottomAxis()->pixelToValue(a), 5.0);
    s->add(chart.bottomAxis()->pixelToValue(a + 40), 5.0);
    const NearestPoint p = findNearestPoint(*s, a + 20);
    EXPECT_EQ(p.index, 0);
    EXPECT_EQ(p.distance, 20);
    EXPECT_EQ(findNearestPoint(*s, a + 21).index, 1);
}

TEST(NearestPoint, OnlyCloserThanOneHundredPixelsQualifies)
{
    ChartModel chart;
    test::plainChart(chart, QSize(800, 300));
    ChartSeries *s = chart.addSeries();
    s->add(0.0, 5.0);
    const int x = s->pixelX(0);
    EXPECT_EQ(findNearestPoint(*s, x + 99).index, 0);
    EXPECT_EQ(findNearestPoint(*s, x + 99).distance, 99);
    EXPECT_FALSE(findNearestPoint(*s, x + 100).found());
}

TEST(NearestPoint, UnorderedXUsesThePlainScan)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    for (double x : {8.0, 1.0, 5.0, 5.0, 3.0})
        s->add(x, 5.0);
    ASSERT_FALSE(s->data().isAscending());
    const NearestPoint p = findNearestPoint(*s, s->pixelX(2) + 1);
    EXPECT_EQ(p.index, 2); // 3 ties with it and loses on index
    EXPECT_EQ(p.distance, 1);
}

} // namespace
