// Series points, extremes, colours, shared storage, visible ranges and the
// summaries behind the fast paths.
#include "ChartTestSupport.h"

#include "engines/ChartDecimator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vorn::chart;

namespace {

TEST(ChartSeriesPoints, EmptySeriesReportsZeroAndOutOfRangeIsHarmless)
{
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    EXPECT_EQ(s->count(), 0);
    EXPECT_DOUBLE_EQ(s->minY(), 0.0);
    EXPECT_DOUBLE_EQ(s->maxY(), 0.0);
    EXPECT_DOUBLE_EQ(s->maxX(), 0.0);
    EXPECT_DOUBLE_EQ(s->yValue(3), 0.0);
    s->setXValue(0, 5.0);
    EXPECT_EQ(s->count(), 0);
    EXPECT_EQ(s->pixelX(0), -1);
}

TEST(ChartSeriesPoints, AddReadWriteAndExtremes)
{
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    EXPECT_EQ(s->add(0.0, 12.0), 0);
    EXPECT_EQ(s->add(1.0, 11.2), 1);
    EXPECT_EQ(s->add(2.0, 13.2), 2);
    EXPECT_EQ(s->count(), 3);
    EXPECT_DOUBLE_EQ(s->minY(), 11.2);
    EXPECT_DOUBLE_EQ(s->maxY(), 13.2);
    EXPECT_DOUBLE_EQ(s->maxX(), 2.0);
    s->setXValue(2, 120.0);
    s->setYValue(1, -1.0);
    EXPECT_DOUBLE_EQ(s->maxX(), 120.0);
    EXPECT_DOUBLE_EQ(s->minY(), -1.0);
    s->clear();
    EXPECT_EQ(s->count(), 0);
}

TEST(ChartSeriesPoints, RewritingAllXInPlaceKeepsTheAscendingFastPath)
{
    // A change of time unit rewrites x point by point; in between, the
    // series is briefly not ascending.
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    for (int i = 0; i < 1000; ++i)
        s->add(i / 60.0, 1.0);
    for (int i = 0; i < 1000; ++i)
        s->setXValue(i, i * 1.0);
    EXPECT_TRUE(s->data().isAscending());
    s->setXValue(10, 2000.0);
    EXPECT_FALSE(s->data().isAscending());
    EXPECT_DOUBLE_EQ(s->maxX(), 2000.0);
}

TEST(ChartSeriesColors, ColorRangeColoursPointsWithXInTheClosedInterval)
{
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    s->setColor(Qt::blue);
    for (int i = 0; i < 10; ++i)
        s->add(i * 0.5, 1.0);
    EXPECT_EQ(s->colorRange(1.0, 2.0, Qt::red), 3); // x = 1.0, 1.5, 2.0
    EXPECT_EQ(s->pointColor(1), QColor(Qt::blue));
    EXPECT_EQ(s->pointColor(2), QColor(Qt::red));
    EXPECT_EQ(s->pointColor(4), QColor(Qt::red));
    EXPECT_EQ(s->pointColor(5), QColor(Qt::blue));
    EXPECT_EQ(s->colorRange(3.0, 2.5, Qt::green), 2); // reversed pair
    const auto &runs = s->colorRuns().runs(s->count());
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[1].start, 2);
    EXPECT_EQ(runs[1].end, 4);
    EXPECT_EQ(runs[2].start, 5);
    EXPECT_EQ(runs[2].end, 6);
    EXPECT_EQ(runs[3].color, 0u); // the rest keeps the series colour
}

TEST(ChartSeriesColors, ColorRangeOnUnorderedX)
{
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    for (double x : {5.0, 1.0, 3.0, 2.0, 9.0})
        s->add(x, 0.0);
    EXPECT_EQ(s->colorRange(2.0, 5.0, Qt::red), 3);
    EXPECT_EQ(s->pointColor(1), s->color());
    EXPECT_EQ(s->pointColor(3), QColor(Qt::red));
}

TEST(ChartSeriesColors, ColouringInsideARunSplitsItAndAnInvalidColourGivesTheSeriesColourBack)
{
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    s->setColor(Qt::blue);
    for (int i = 0; i < 10; ++i)
        s->add(i, 1.0);
    s->colorRange(0.0, 9.0, Qt::red);
    s->setPointColor(4, Qt::green);
    s->colorRange(6.0, 7.0, QColor());
    const auto &runs = s->colorRuns().runs(s->count());
    const std::vector<std::pair<int, QColor>> expected{
        {0, Qt::red}, {4, Qt::green}, {5, Qt::red}, {6, Qt::blue}, {8, Qt::red}};
    ASSERT_EQ(runs.size(), expected.size());
    for (size_t r = 0; r < runs.size(); ++r) {
        EXPECT_EQ(runs[r].start, expected[r].first) << r;
        EXPECT_EQ(s->pointColor(runs[r].start), expected[r].second) << r;
    }
    s->colorRange(4.0, 4.0, Qt::red); // the run is whole again
    EXPECT_EQ(s->colorRuns().runs(s->count()).front().end, 5);
}

// Points shown in place (evenly spaced x, y read from records and
// corrected) answer every read as the same points added would, and a write
// changes that value of the series only.
TEST(ChartSeriesInPlace, PointsReadInPlaceAnswerLikeAddedOnes)
{
    struct Sample {
        double amps;
        double volts;
        bool charging;
    };
    std::vector<Sample> samples{{2.5, 12.0, true}, {5.0, 12.6, false}, {5.0, 11.1, false}, {2.5, 13.3, true}};
    ChartModel chart;
    ChartSeries *s = chart.addSeries();
    s->showColumns(4, EvenSpacing{30, 60.0}, ColumnView{&samples[0].volts, sizeof(Sample), 1.01, -0.05});
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s->xValue(i), double(i * 30) / 60.0) << i;
        EXPECT_EQ(s->yValue(i), samples[size_t(i)].volts * 1.01 + -0.05) << i;
    }
    EXPECT_EQ(s->maxY(), 13.3 * 1.01 - 0.05);
    EXPECT_EQ(s->minY(), 11.1 * 1.01 - 0.05);
    EXPECT_EQ(s->maxX(), 1.5);
    EXPECT_EQ(s->colorRange(0.5, 1.0, Qt::red), 2);

    ChartModel report;
    ChartSeries *shared = report.addSeries();
    shared->sharePointsOf(*s);
    s->setXValue(1, 9.0);
    s->setYValue(2, 1.0);
    EXPECT_EQ(samples[2].volts, 11.1) << "the records stay as they are";
    EXPECT_EQ(shared->xValue(1), 9.0);
    EXPECT_EQ(shared->xValue(2), 1.0);
    EXPECT_EQ(shared->yValue(2), 1.0);
    EXPECT_EQ(shared->yValue(3), 13.3 * 1.01 - 0.05);
    EXPECT_EQ(s->maxX(), 9.0);
    EXPECT_FALSE(s->data().isAscending());

    s->setEvenSpacing(EvenSpacing{30, 1.0}); // every x by the rule again
    EXPECT_EQ(s->xValue(1), 30.0);
    EXPECT_TRUE(s->data().isAscending());
    EXPECT_EQ(s->add(200.0, 5.0), 4);
    EXPECT_EQ(s->xValue(3), 90.0);
    EXPECT_EQ(s->yValue(4), 5.0);
    EXPECT_EQ(s->maxY(), 13.3 * 1.01 - 0.05);
}

TEST(ChartSeriesInPlace, ANegativeSpacingRunsBackwards)
{
    std::vector<double> values{1.0, 2.0, 3.0, 4.0};
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    s->showColumns(4, EvenSpacing{-10, 1.0}, ColumnView{values.data()});
    EXPECT_FALSE(s->data().isAscending());
    EXPECT_EQ(s->minX(), -30.0);
    EXPECT_EQ(s->maxX(), 0.0);
    chart.bottomAxis()->setRange(-25.0, -5.0);
    EXPECT_EQ(s->visibleRange().first, 1);
    EXPECT_EQ(s->visibleRange().last, 2);
    EXPECT_EQ(s->colorRange(-20.0, -30.0, Qt::red), 2);
    EXPECT_EQ(s->pointColor(3), QColor(Qt::red));
}

TEST(ChartSeriesSharing, SharedPointsFollowTheSourceWithOwnColours)
{
    ChartModel graph;
    ChartModel report;
    ChartSeries *source = graph.addSeries();
    ChartSeries *copy = report.addSeries();
    source->add(0.0, 1.0);
    source->add(1.0, 2.0);
    copy->sharePointsOf(*source);
    EXPECT_TRUE(copy->sharesPoints());
    EXPECT_EQ(&copy->data(), &source->data());
    source->add(2.0, 3.0);
    EXPECT_EQ(copy->count(), 3);
    copy->setPointColor(0, Qt::red);
    EXPECT_EQ(source->pointColor(0), source->color());
    // Writing through the sharing series gives it its own copy.
    copy->setYValue(0, 99.0);
    EXPECT_FALSE(copy->sharesPoints());
    EXPECT_DOUBLE_EQ(source->yValue(0), 1.0);
    EXPECT_DOUBLE_EQ(copy->yValue(0), 99.0);
}

TEST(ChartSeriesSharing, ClearOfASharingSeriesLeavesTheSourceAlone)
{
    ChartModel graph;
    ChartModel report;
    ChartSeries *source = graph.addSeries();
    ChartSeries *copy = report.addSeries();
    source->add(0.0, 1.0);
    copy->sharePointsOf(*source);
    copy->clear();
    EXPECT_EQ(copy->count(), 0);
    EXPECT_EQ(source->count(), 1);
}

TEST(ChartSeriesVisible, IndexRangeOfPointsInsideTheBottomAxis)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    for (int i = 0; i < 100; ++i)
        s->add(i * 0.25, 0.0);
    chart.bottomAxis()->setRange(2.0, 5.1);
    VisibleRange r = s->visibleRange();
    EXPECT_EQ(r.first, 8);
    EXPECT_EQ(r.last, 20);
    chart.bottomAxis()->setRange(100.0, 200.0);
    r = s->visibleRange();
    EXPECT_TRUE(r.isEmpty());
    EXPECT_EQ(r.first, 100);
    // The slower path for x that is not ascending gives the same indices.
    ChartSeries *u = chart.addSeries();
    for (double x : {9.0, 3.0, 4.0, 1.0, 4.5})
        u->add(x, 0.0);
    chart.bottomAxis()->setRange(2.0, 5.0);
    r = u->visibleRange();
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 4);
}

TEST(ChartSeriesData, RangeExtremesMatchAPlainScan)
{
    ChartSeriesData data;
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    const int n = 3 * ChartSeriesData::kGroupSize + 77;
    for (int i = 0; i < n; ++i)
        data.append(i, value(rng));
    std::uniform_int_distribution<int> index(0, n - 1);
    for (int k = 0; k < 2000; ++k) {
        int a = index(rng);
        int b = index(rng);
        if (a > b)
            std::swap(a, b);
        if (k % 3 == 0) // now and then change a value so summaries must follow
            data.setY(index(rng), value(rng) * 2.0);
        double lo = data.y(a);
        double hi = lo;
        for (int i = a; i <= b; ++i) {
            lo = std::min(lo, data.y(i));
            hi = std::max(hi, data.y(i));
        }
        const auto range = data.yRange(a, b);
        ASSERT_EQ(range.first, lo) << a << ".." << b;
        ASSERT_EQ(range.second, hi) << a << ".." << b;
    }
}

// Every extreme survives the reduction: per column, the vertices span
// exactly the values of the points in it.
TEST(ChartDecimation, EveryColumnKeepsItsExtremes)
{
    ChartModel chart;
    test::plainChart(chart, QSize(500, 300));
    ChartSeries *s = chart.addSeries();
    std::mt19937 rng(5);
    std::normal_distribution<double> noise(0.0, 1.0);
    const int n = 200000;
    double y = 5.0;
    for (int i = 0; i < n; ++i) {
        y += noise(rng) * 0.01;
        s->add(i * 10.0 / n, y + (i == 123457 ? 4.0 : 0.0));
    }
    const DecimationGrid grid{chart.bottomAxis()->mapping(), chart.leftAxis()->mapping(), 1.0, true};
    QPolygonF reduced;
    appendReducedPolyline(reduced, s->data(), 0, n - 1, grid);
    EXPECT_LT(reduced.size(), 4 * chart.plotRect().width() + 8);
    double lowest = 1e9, highest = -1e9;
    for (const QPointF &p : reduced) {
        lowest = std::min(lowest, p.y());
        highest = std::max(highest, p.y());
    }
    EXPECT_DOUBLE_EQ(highest, grid.yMap.toPixelF(s->minY()));
    EXPECT_DOUBLE_EQ(lowest, grid.yMap.toPixelF(s->maxY())); // the spike
}

} // namespace
