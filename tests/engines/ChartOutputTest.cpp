// Vector output (QPicture, PDF, SVG), BMP files and clipboard content hold
// the same chart as the screen.
#include "ChartTestSupport.h"

#include "engines/ChartCanvas.h"
#include "engines/ChartExport.h"
#include "engines/ChartWidget.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace vorn::chart;

namespace {

// A chart with a voltage line and a current line in three colour runs.
void runChart(ChartModel &chart, int points)
{
    test::plainChart(chart, QSize(748, 376));
    chart.setBackgroundColor(QColor(0xBF, 0xBA, 0xAC));
    ChartSeries *current = chart.addSeries(ChartAxis::Side::Right);
    ChartSeries *voltage = chart.addSeries(ChartAxis::Side::Left);
    current->setLineWidth(3);
    voltage->setLineWidth(3);
    voltage->setColor(QColor(0, 0, 0x80));
    std::vector<double> xs(static_cast<size_t>(points)), vs(xs.size()), is(xs.size());
    for (int i = 0; i < points; ++i) {
        const double t = i * 10.0 / points;
        xs[size_t(i)] = t;
        vs[size_t(i)] = 5.0 + 3.0 * std::sin(t) + 0.3 * std::sin(i * 0.37);
        is[size_t(i)] = t < 3.0 || t > 7.0 ? 8.0 : 2.0;
    }
    voltage->add(xs.data(), vs.data(), points);
    current->add(xs.data(), is.data(), points);
    current->colorRange(0.0, 3.0, QColor(0xFF, 0x80, 0x00));
    current->colorRange(3.0, 7.0, QColor(0xFF, 0xFF, 0x00));
    current->colorRange(7.0, 10.0, QColor(0xFF, 0x80, 0x00));
}

QRect boundsOf(const QImage &image, const QColor &color)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (color.rgb() & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

void expectSameBounds(const QRect &a, const QRect &b, int tolerance)
{
    EXPECT_NEAR(a.left(), b.left(), tolerance);
    EXPECT_NEAR(a.right(), b.right(), tolerance);
    EXPECT_NEAR(a.top(), b.top(), tolerance);
    EXPECT_NEAR(a.bottom(), b.bottom(), tolerance);
}

TEST(ChartOutput, QPictureHoldsTheSameChart)
{
    ChartModel chart;
    runChart(chart, 200000);
    const QImage direct = renderChartImage(chart, chart.chartSize());
    QPicture picture;
    {
        QPainter painter(&picture);
        renderChart(painter, chart, chart.chartSize());
    }
    QImage replayed(chart.chartSize(), QImage::Format_RGB32);
    replayed.fill(Qt::white);
    {
        QPainter painter(&replayed);
        painter.drawPicture(0, 0, picture);
    }
    for (const QColor &c : {QColor(0, 0, 0x80), QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0xFF, 0x00)}) {
        SCOPED_TRACE(c.name().toStdString());
        const QRect a = boundsOf(direct, c);
        ASSERT_FALSE(a.isEmpty());
        // Vector lines get round caps: they may reach a pixel further.
        expectSameBounds(a, boundsOf(replayed, c), 3);
    }
    // The background and the axis labels are the same.
    EXPECT_NEAR(test::countColor(replayed, QColor(0xBF, 0xBA, 0xAC)),
                test::countColor(direct, QColor(0xBF, 0xBA, 0xAC)), direct.width() * direct.height() / 50);
    // Vector output is reduced too: a 200,000-point chart stays small.
    EXPECT_LT(picture.size(), 400 * 1024);
}

TEST(ChartOutput, PdfOfAMillionPointsIsSmallAndShowsTheChart)
{
    ChartModel chart;
    runChart(chart, 1000000);
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        QPainter painter(&writer);
        const double scale = painter.viewport().width() / 748.0;
        painter.scale(scale, scale);
        renderChart(painter, chart, chart.chartSize());
    }
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_LT(pdf.size(), 200 * 1024);
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm not installed: the PDF content is not rasterised";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("chart.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                                 QStringLiteral("-singlefile"), file.fileName(), dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    const auto near = [](QRgb p, int r, int g, int b) {
        return std::abs(qRed(p) - r) < 40 && std::abs(qGreen(p) - g) < 40 && std::abs(qBlue(p) - b) < 40;
    };
    EXPECT_GT(test::countPixels(page, page.rect(), [&](QRgb p) { return near(p, 0xFF, 0xFF, 0x00); }), 20);
    EXPECT_GT(test::countPixels(page, page.rect(), [&](QRgb p) { return near(p, 0xFF, 0x80, 0x00); }), 20);
    EXPECT_GT(test::countPixels(page, page.rect(), [&](QRgb p) { return near(p, 0x00, 0x00, 0x80); }), 20);
}

TEST(ChartOutput, SvgIsVectorAndReduced)
{
    ChartModel chart;
    runChart(chart, 1000000);
    const QByteArray svg = renderChartSvg(chart, chart.chartSize());
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("<polyline") || svg.contains("<path"));
    EXPECT_TRUE(svg.contains("#ffff00") || svg.contains("#FFFF00"));
    EXPECT_LT(svg.size(), 2 * 1024 * 1024);
}

TEST(ChartOutput, BmpHasTheOnScreenSizeAndFailuresNameThePath)
{
    ChartWidget widget;
    widget.resize(320, 200);
    runChart(widget, 1000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.BMP"));
    QString error;
    ASSERT_TRUE(widget.saveToBmp(path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    const QImage image(path, "BMP");
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_GT(test::countColor(image, QColor(0xFF, 0xFF, 0x00)), 0);
    const QString bad = dir.filePath(QStringLiteral("missing/folder/chart.BMP"));
    EXPECT_FALSE(widget.saveToBmp(bad, &error));
    EXPECT_TRUE(error.contains(bad));
}

TEST(ChartOutput, ClipboardGetsTheImageAndTheSvgWithAfterDrawButNoOverlay)
{
    ChartWidget widget;
    widget.resize(320, 200);
    test::plainChart(widget, widget.size());
    QObject::connect(&widget, &ChartWidget::afterDraw, [](ChartCanvas *canvas) {
        canvas->setBrushColor(Qt::magenta);
        canvas->setPen(Qt::magenta);
        canvas->rectangle(10, 10, 30, 30);
    });
    widget.setOverlay([](ChartCanvas &canvas) {
        canvas.setBrushColor(Qt::cyan);
        canvas.setPen(Qt::cyan);
        canvas.rectangle(50, 10, 70, 30);
    });
    widget.copyToClipboard();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    ASSERT_TRUE(mime->hasImage());
    const QImage image = qvariant_cast<QImage>(mime->imageData());
    EXPECT_EQ(image.size(), QSize(320, 200));
    EXPECT_EQ(test::countColor(image, Qt::magenta), 400);
    EXPECT_EQ(test::countColor(image, Qt::cyan), 0);
    EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    // The overlay is on screen only.
    EXPECT_EQ(test::countColor(widget.grab().toImage(), Qt::cyan), 400);
}

} // namespace
