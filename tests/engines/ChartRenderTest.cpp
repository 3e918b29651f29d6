// What the renderer draws, checked on the pixels of offscreen images.
#include "ChartTestSupport.h"

#include "engines/ChartCanvas.h"
#include "engines/ChartExport.h"
#include "engines/ChartRenderer.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <random>

using namespace vorn::chart;

namespace {

QImage render(ChartModel &chart, const RenderOptions &options = {})
{
    QImage image(chart.chartSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    renderChart(painter, chart, chart.chartSize(), {}, options);
    return image;
}

// Columns of the plot (inset by the line width) whose x lies in [from, to].
QRect columnsOf(ChartModel &chart, double from, double to)
{
    const QRect plot = chart.plotRect();
    const int left = chart.bottomAxis()->valueToPixel(from) + 3;
    const int right = chart.bottomAxis()->valueToPixel(to) - 3;
    return QRect(QPoint(left, plot.top()), QPoint(right, plot.bottom()));
}

TEST(ChartRender, PointColourRunsAppearInTheirColours)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries(ChartAxis::Side::Right);
    s->setLineWidth(3);
    s->setColor(Qt::black);
    for (int i = 0; i <= 30000; ++i)
        s->add(i / 3000.0, 5.0 + 2.0 * ((i / 7) % 2)); // dense zig-zag
    s->colorRange(0.0, 3.0, Qt::red);
    s->colorRange(3.0001, 6.0, Qt::green);
    s->colorRange(6.0001, 10.0, Qt::blue);
    const QImage image = render(chart);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    const QRect parts[] = {columnsOf(chart, 0.0, 3.0), columnsOf(chart, 3.0, 6.0), columnsOf(chart, 6.0, 10.0)};
    for (int part = 0; part < 3; ++part) {
        for (int c = 0; c < 3; ++c) {
            const int n = test::countColor(image, parts[part], colours[c]);
            if (c == part)
                EXPECT_GT(n, parts[part].width() * 10) << "part " << part;
            else
                EXPECT_EQ(n, 0) << "part " << part << " colour " << c;
        }
        EXPECT_EQ(test::countColor(image, parts[part], Qt::black), 0);
    }
}

TEST(ChartRender, MonochromeDrawsOnlyBlackWhiteAndGreys)
{
    ChartModel chart;
    test::plainChart(chart, QSize(500, 320));
    chart.setBackgroundColor(QColor(0xBF, 0xBA, 0xAC));
    chart.setBevelled(true);
    chart.setLegendVisible(true);
    chart.setTitleVisible(true);
    chart.setTitle(QStringLiteral("Chart"));
    chart.leftAxis()->setTitle(QStringLiteral("Voltage"));
    chart.leftAxis()->setTitleColor(QColor(0, 0, 0x80));
    chart.leftAxis()->setGridVisible(true);
    ChartSeries *s = chart.addSeries();
    s->setTitle(QStringLiteral("MaxLimit"));
    s->setColor(Qt::green);
    s->setPointMarksVisible(true);
    s->setLineWidth(3);
    for (int i = 0; i <= 10; ++i)
        s->add(i, i % 3 + 2.0);
    s->colorRange(4.0, 6.0, QColor(0xFF, 0x80, 0x00));
    const QImage coloured = render(chart);
    EXPECT_GT(test::countColor(coloured, Qt::green), 0);
    chart.setMonochrome(true);
    const QImage mono = renderChartImage(chart, chart.chartSize(), [](ChartCanvas &canvas) {
        canvas.setBrushColor(Qt::red);
        canvas.sphere(100, 100, 2);
        canvas.setFont(QStringLiteral("Arial"), 9, Qt::red);
        canvas.textOut(120, 100, QStringLiteral("label"));
    });
    const int coloredPixels = test::countPixels(mono, mono.rect(), [](QRgb p) {
        return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
    });
    EXPECT_EQ(coloredPixels, 0);
    EXPECT_GT(test::countColor(mono, Qt::black), 500);
    EXPECT_GT(test::countColor(mono, Qt::white), 50000);
}

TEST(ChartRender, ASingleSpikeAmongAMillionPointsIsDrawn)
{
    ChartModel chart;
    test::plainChart(chart, QSize(420, 300));
    ChartSeries *s = chart.addSeries();
    s->setColor(Qt::red);
    const int n = 1000000;
    std::vector<double> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n), 2.0);
    for (int i = 0; i < n; ++i)
        xs[size_t(i)] = i * 10.0 / n;
    ys[500001] = 9.0;
    s->add(xs.data(), ys.data(), n);
    const QImage image = render(chart);
    const int x = s->pixelX(500001);
    const int top = s->pixelY(500001);
    // The spike's tip and the flat line around it.
    EXPECT_GT(test::countColor(image, QRect(x - 1, top, 3, 2), Qt::red), 0);
    EXPECT_GT(test::countColor(image, QRect(x - 1, top, 3, s->pixelY(0) - top), Qt::red), s->pixelY(0) - top - 2);
    // Nothing else rises above the line.
    const QRect plot = chart.plotRect();
    const QRect aboveLine(QPoint(plot.left(), plot.top()), QPoint(plot.right(), s->pixelY(0) - 2));
    const QRect spikeStrip(QPoint(x - 1, plot.top()), QPoint(x + 1, aboveLine.bottom()));
    EXPECT_EQ(test::countColor(image, aboveLine, Qt::red), test::countColor(image, spikeStrip, Qt::red));
}

// The reduced drawing covers exactly the pixels of drawing every segment.
TEST(ChartRender, ReducedDrawingMatchesDrawingEverySegment)
{
    for (int width : {1, 3}) {
        ChartModel chart;
        test::plainChart(chart, QSize(600, 360));
        ChartSeries *s = chart.addSeries();
        s->setColor(Qt::red);
        s->setLineWidth(width);
        std::mt19937 rng(9);
        std::normal_distribution<double> noise(0.0, 1.0);
        double y = 5.0;
        for (int i = 0; i < 100000; ++i) {
            y = std::clamp(y + noise(rng) * 0.05, 0.5, 9.5);
            s->add(i / 10000.0, y);
        }
        RenderOptions everySegment;
        everySegment.reduce = false;
        const QImage reduced = render(chart);
        const QImage full = render(chart, everySegment);
        const int drawn = test::countColor(full, Qt::red);
        int differing = 0;
        for (int yy = 0; yy < full.height(); ++yy) {
            for (int xx = 0; xx < full.width(); ++xx)
                differing += (reduced.pixel(xx, yy) == qRgb(255, 0, 0)) != (full.pixel(xx, yy) == qRgb(255, 0, 0));
        }
        EXPECT_GT(drawn, 1000);
        EXPECT_EQ(differing, 0) << "width " << width;
    }
}

TEST(ChartRender, ZoomedLineRunsToThePlotEdges)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    s->setColor(Qt::red);
    s->add(0.0, 0.0);
    s->add(10.0, 10.0);
    chart.bottomAxis()->setRange(4.0, 6.0);
    chart.leftAxis()->setRange(4.0, 6.0);
    const QImage image = render(chart);
    const QRect plot = chart.plotRect();
    EXPECT_GT(test::countColor(image, QRect(plot.left(), plot.bottom() - 3, 3, 4), Qt::red), 0);
    EXPECT_GT(test::countColor(image, QRect(plot.right() - 2, plot.top(), 3, 4), Qt::red), 0);
    // Clipped to the plot: nothing in the margins.
    EXPECT_EQ(test::countColor(image, QRect(0, 0, plot.left(), image.height()), Qt::red), 0);
}

TEST(ChartRender, SquarePointMarksSitOnThePoints)
{
    ChartModel chart;
    test::plainChart(chart);
    ChartSeries *s = chart.addSeries();
    s->setColor(Qt::green);
    s->setPointMarksVisible(true);
    s->add(2.0, 3.0);
    s->add(8.0, 3.0);
    const QImage image = render(chart);
    const QPoint p = s->pixelOf(0);
    const int size = s->pointMarkSize();
    // The mark's inside is filled; above it the line is not drawn.
    EXPECT_EQ(test::countColor(image, QRect(p.x() - size + 1, p.y() - size + 1, 2 * size - 1, 2 * size - 1),
                               Qt::green),
              (2 * size - 1) * (2 * size - 1));
    EXPECT_EQ(test::countColor(image, QRect(p.x() - 2, p.y() - size - 4, 5, 2), Qt::green), 0);
}

TEST(ChartRender, AxisTitlesInTheirColoursAndHiddenAxesDrawNothing)
{
    ChartModel chart;
    test::plainChart(chart, QSize(500, 320));
    chart.leftAxis()->setTitle(QStringLiteral("Voltage (V)"));
    chart.leftAxis()->setTitleColor(QColor(0, 0, 0x80));
    chart.rightAxis()->setTitle(QStringLiteral("Current (A)"));
    chart.rightAxis()->setTitleColor(QColor(0xFF, 0x80, 0x00));
    QImage image = render(chart);
    const QRect plot = chart.plotRect();
    const QRect leftMargin(0, 0, plot.left(), image.height());
    const QRect rightMargin(QPoint(plot.right() + 1, 0), QPoint(image.width() - 1, image.height() - 1));
    EXPECT_GT(test::countColor(image, leftMargin, QColor(0, 0, 0x80)), 20);
    EXPECT_GT(test::countColor(image, rightMargin, QColor(0xFF, 0x80, 0x00)), 20);
    chart.rightAxis()->setVisible(false);
    image = render(chart);
    // Only the last bottom label may reach past the plot; nothing above it.
    const QRect newRight(QPoint(chart.plotRect().right() + 1, 0), QPoint(image.width() - 1, chart.plotRect().bottom()));
    EXPECT_EQ(test::countPixels(image, newRight, [](QRgb p) { return p != qRgb(255, 255, 255); }), 0);
}

TEST(ChartRender, LegendShowsTheActiveSeriesBelowThePlot)
{
    ChartModel chart;
    test::plainChart(chart, QSize(500, 320));
    ChartSeries *max = chart.addSeries();
    max->setTitle(QStringLiteral("MaxLimit"));
    max->setColor(Qt::green);
    ChartSeries *min = chart.addSeries();
    min->setTitle(QStringLiteral("MinLimit"));
    min->setColor(Qt::red);
    const QRect withoutLegend = chart.plotRect();
    chart.setLegendVisible(true);
    const QImage image = render(chart);
    const QRect plot = chart.plotRect();
    EXPECT_LT(plot.bottom(), withoutLegend.bottom());
    const QRect below(QPoint(0, plot.bottom() + 20), QPoint(image.width() - 1, image.height() - 1));
    EXPECT_GT(test::countColor(image, below, Qt::green), 20);
    EXPECT_GT(test::countColor(image, below, Qt::red), 20);
    min->setActive(false);
    EXPECT_EQ(test::countColor(render(chart), below, Qt::red), 0);
}

} // namespace
