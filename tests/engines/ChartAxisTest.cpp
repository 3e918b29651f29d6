// Axis ranges, value/pixel conversion, label formats and label spacing.
#include "ChartTestSupport.h"

#include "engines/ChartNumberFormat.h"
#include "engines/ChartTicks.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vorn::chart;

namespace {

TEST(ChartNumberFormat, TwoOptionalDecimalsDropTrailingZeros)
{
    const ChartNumberFormat format(QStringLiteral("0.##"), QChar(u','));
    EXPECT_EQ(format.format(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(format.format(2.0), QStringLiteral("2"));
    EXPECT_EQ(format.format(12.3456), QStringLiteral("12,35"));
    EXPECT_EQ(format.format(0.126), QStringLiteral("0,13"));
    EXPECT_EQ(format.format(-3.999), QStringLiteral("-4"));
    EXPECT_EQ(format.format(1000.0), QStringLiteral("1000"));
    EXPECT_DOUBLE_EQ(format.resolution(), 0.01);
}

TEST(ChartNumberFormat, FixedDecimalsAndNoNegativeZero)
{
    const ChartNumberFormat fixed(QStringLiteral("#0.00"), QChar(u','));
    EXPECT_EQ(fixed.format(3.0), QStringLiteral("3,00"));
    EXPECT_EQ(fixed.format(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(fixed.format(0.1 + 0.2), QStringLiteral("0,30"));
    const ChartNumberFormat whole(QStringLiteral("0"));
    EXPECT_EQ(whole.format(-0.4), QStringLiteral("0"));
    EXPECT_EQ(whole.format(41.6), QStringLiteral("42"));
    EXPECT_EQ(whole.format(std::numeric_limits<double>::quiet_NaN()), QString());
}

TEST(ChartAxisRange, ReversedPairIsSwappedAndFixesTheAxis)
{
    ChartModel chart;
    ChartAxis *axis = chart.leftAxis();
    EXPECT_TRUE(axis->isAutomatic());
    axis->setRange(5.0, 1.0);
    EXPECT_FALSE(axis->isAutomatic());
    EXPECT_DOUBLE_EQ(axis->minimum(), 1.0);
    EXPECT_DOUBLE_EQ(axis->maximum(), 5.0);
    axis->setMinimum(7.0); // above the maximum: the pair is swapped
    EXPECT_DOUBLE_EQ(axis->minimum(), 5.0);
    EXPECT_DOUBLE_EQ(axis->maximum(), 7.0);
    axis->setMaximum(2.0);
    EXPECT_DOUBLE_EQ(axis->minimum(), 2.0);
    EXPECT_DOUBLE_EQ(axis->maximum(), 5.0);
    axis->setRange(std::numeric_limits<double>::infinity(), 3.0);
    axis->setMinimum(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(axis->minimum(), 2.0);
    EXPECT_DOUBLE_EQ(axis->maximum(), 5.0);
}

TEST(ChartAxisRange, AutomaticFollowsActiveSeriesOfItsAxisOnly)
{
    ChartModel chart;
    ChartSeries *left = chart.addSeries(ChartAxis::Side::Left);
    ChartSeries *right = chart.addSeries(ChartAxis::Side::Right);
    left->add(2.0, -1.0);
    left->add(4.0, 3.0);
    right->add(1.0, 100.0);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->minimum(), -1.0);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->maximum(), 3.0);
    EXPECT_DOUBLE_EQ(chart.bottomAxis()->minimum(), 1.0);
    EXPECT_DOUBLE_EQ(chart.bottomAxis()->maximum(), 4.0);
    chart.leftAxis()->setRange(0.0, 1.0);
    left->add(5.0, 50.0);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->maximum(), 1.0); // fixed now
    chart.leftAxis()->setAutomatic(true);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->maximum(), 50.0);
    left->setActive(false);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->minimum(), 0.0); // no data: [0, 1]
    EXPECT_DOUBLE_EQ(chart.leftAxis()->maximum(), 1.0);
}

TEST(ChartAxisPixels, PixelToValueAndBackAreInverseOnEveryAxis)
{
    ChartModel chart;
    test::plainChart(chart, QSize(640, 400));
    chart.bottomAxis()->setRange(-3.7, 1234.5);
    chart.leftAxis()->setRange(11.2, 13.9);
    chart.rightAxis()->setRange(-5.3, 2.2);
    for (ChartAxis *axis : {chart.bottomAxis(), chart.leftAxis(), chart.rightAxis()}) {
        const int start = axis->startPixel();
        const int end = axis->endPixel();
        ASSERT_LT(start + 100, end);
        for (int p = start; p <= end; ++p)
            ASSERT_EQ(axis->valueToPixel(axis->pixelToValue(p)), p);
        const double halfPixel = (axis->maximum() - axis->minimum()) / (end - start) / 2.0;
        for (double v = axis->minimum(); v <= axis->maximum(); v += (axis->maximum() - axis->minimum()) / 97.0)
            ASSERT_NEAR(axis->pixelToValue(axis->valueToPixel(v)), v, halfPixel + 1e-12);
    }
    const QRect plot = chart.plotRect();
    EXPECT_EQ(chart.bottomAxis()->valueToPixel(-3.7), plot.left());
    EXPECT_EQ(chart.bottomAxis()->valueToPixel(1234.5), plot.right());
    EXPECT_EQ(chart.leftAxis()->valueToPixel(11.2), plot.bottom());
    EXPECT_EQ(chart.leftAxis()->valueToPixel(13.9), plot.top());
}

TEST(ChartAxisPixels, EqualMinimumAndMaximumStillConvert)
{
    ChartModel chart;
    test::plainChart(chart);
    chart.leftAxis()->setRange(4.0, 4.0);
    const QRect plot = chart.plotRect();
    EXPECT_EQ(chart.leftAxis()->valueToPixel(4.0), (plot.top() + plot.bottom() + 1) / 2);
    EXPECT_TRUE(std::isfinite(chart.leftAxis()->pixelToValue(plot.top())));
}

TEST(ChartLayout, MarginsArePercentOfTheChartSize)
{
    ChartModel chart;
    test::plainChart(chart, QSize(1000, 500));
    chart.rightAxis()->setVisible(false);
    chart.setMargins(5, 5, 5, 5);
    const QRect wide = chart.plotRect();
    EXPECT_GE(wide.left(), 50);
    EXPECT_LE(wide.right(), 949);
    EXPECT_GE(wide.top(), 25);
    EXPECT_LE(wide.bottom(), 474);
    chart.setMargins(1, 1, 1, 1);
    const QRect narrow = chart.plotRect();
    EXPECT_EQ(narrow.right(), 989);
    EXPECT_LT(narrow.left(), wide.left());
}

// Label rectangles of one axis, as the axis painter places them.
std::vector<QRectF> labelRects(const AxisTicks &ticks, bool vertical)
{
    std::vector<QRectF> rects;
    for (const AxisTick &tick : ticks.ticks) {
        if (vertical)
            rects.emplace_back(0.0, tick.pixel - ticks.textHeight / 2.0, tick.width, ticks.textHeight);
        else
            rects.emplace_back(tick.pixel - tick.width / 2.0, 0.0, tick.width, ticks.textHeight);
    }
    return rects;
}

TEST(ChartAxisLabels, NeverOverlapAtAnyIncrement)
{
    ChartModel chart;
    test::plainChart(chart, QSize(700, 450));
    chart.setDecimalSeparator(QChar(u','));
    chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    const double increments[] = {0.0, 1e-9, 0.001, 0.01, 0.1, 0.25, 1.0, 7.0, 1000.0, 1e12};
    const std::pair<double, double> ranges[] = {{0, 1}, {0, 89.2}, {-5.3, 2.2}, {0, 1e6}, {12.0, 12.004},
                                                {-1e9, 1e9}, {0.0, 0.45}};
    for (ChartAxis *axis : {chart.bottomAxis(), chart.leftAxis()}) {
        for (double increment : increments) {
            for (auto [lo, hi] : ranges) {
                axis->setIncrement(increment);
                axis->setRange(lo, hi);
                const AxisTicks &ticks = chart.chartLayout().axes[size_t(axis->side())].ticks;
                const auto rects = labelRects(ticks, axis->isVertical());
                for (size_t i = 1; i < rects.size(); ++i) {
                    ASSERT_FALSE(rects[i - 1].intersects(rects[i]))
                        << "increment " << increment << " range " << lo << ".." << hi << " label "
                        << ticks.ticks[i].text.toStdString();
                }
                if (increment > 0.0 && hi - lo >= 2.0 * increment) {
                    const double multiple = ticks.step / increment;
                    EXPECT_GE(multiple, 1.0 - 1e-9);
                }
            }
        }
    }
}

TEST(ChartAxisLabels, IncrementIsTheStepWhenLabelsFit)
{
    ChartModel chart;
    test::plainChart(chart, QSize(900, 450));
    chart.setDecimalSeparator(QChar(u','));
    chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    chart.bottomAxis()->setIncrement(1.0);
    chart.bottomAxis()->setRange(0.0, 10.0);
    const AxisTicks &ticks = chart.chartLayout().axes[size_t(ChartAxis::Side::Bottom)].ticks;
    ASSERT_EQ(ticks.ticks.size(), 11u);
    EXPECT_DOUBLE_EQ(ticks.step, 1.0);
    EXPECT_EQ(ticks.ticks.front().text, QStringLiteral("0"));
    EXPECT_EQ(ticks.ticks.back().text, QStringLiteral("10"));
    chart.bottomAxis()->setIncrement(0.25);
    chart.bottomAxis()->setRange(0.0, 1.0);
    const AxisTicks &quarter = chart.chartLayout().axes[size_t(ChartAxis::Side::Bottom)].ticks;
    ASSERT_EQ(quarter.ticks.size(), 5u);
    EXPECT_EQ(quarter.ticks[1].text, QStringLiteral("0,25"));
}

TEST(ChartAxisLabels, RangeNarrowerThanTheIncrementStillGetsLabels)
{
    ChartModel chart;
    test::plainChart(chart, QSize(900, 450));
    chart.setDecimalSeparator(QChar(u','));
    chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    chart.bottomAxis()->setIncrement(1.0);
    chart.bottomAxis()->setRange(12.5, 12.7); // zoomed into one time unit
    const AxisTicks &ticks = chart.chartLayout().axes[size_t(ChartAxis::Side::Bottom)].ticks;
    ASSERT_GE(ticks.ticks.size(), 2u);
    EXPECT_LT(ticks.step, 1.0);
    EXPECT_EQ(ticks.ticks.front().text.left(3), QStringLiteral("12,"));
}

TEST(ChartAxisLabels, StepNeverFinerThanTheFormatShows)
{
    ChartModel chart;
    test::plainChart(chart, QSize(2000, 450));
    chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    chart.bottomAxis()->setIncrement(0.001);
    chart.bottomAxis()->setRange(0.0, 0.05);
    const AxisTicks &ticks = chart.chartLayout().axes[size_t(ChartAxis::Side::Bottom)].ticks;
    ASSERT_GT(ticks.ticks.size(), 1u);
    EXPECT_GE(ticks.step, 0.01 - 1e-12);
    for (size_t i = 1; i < ticks.ticks.size(); ++i)
        EXPECT_NE(ticks.ticks[i].text, ticks.ticks[i - 1].text);
}

} // namespace
