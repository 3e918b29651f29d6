// Measures chart drawing: a two-series chart of 1,000,000 points (current
// with per-point colours in runs) into a 1920 x 1080 image, full, zoomed,
// panned and naive; 10,000,000 points; colour runs against one colour; the
// nearest-point lookup; PDF output. Prints the figures, last the summary line.
#include "engines/ChartModel.h"
#include "engines/ChartNearest.h"
#include "engines/ChartRenderer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

using namespace vorn::chart;

namespace {

const QSize kImageSize(1920, 1080);
const QColor kCharge(0xFF, 0x80, 0x00);
const QColor kDischarge(0xFF, 0xFF, 0x00);

struct Bench {
    ChartModel chart;
    ChartSeries *current = nullptr;
    ChartSeries *voltage = nullptr;
};

// A battery run: charge and discharge periods of random length, voltage
// ramps with noise, current steps with noise; sampled once a second and
// shown in minutes.
void fill(Bench &b, int n, bool colourRuns)
{
    b.chart.setChartSize(kImageSize); // as a widget of that size keeps it
    b.chart.setDecimalSeparator(QChar(u','));
    b.chart.setMargins(5, 5, 5, 5);
    b.chart.setBackgroundColor(QColor(0xBF, 0xBA, 0xAC));
    b.current = b.chart.addSeries(ChartAxis::Side::Right);
    b.voltage = b.chart.addSeries(ChartAxis::Side::Left);
    b.current->setLineWidth(3);
    b.voltage->setLineWidth(3);
    b.voltage->setColor(QColor(0, 0, 0x80));
    b.current->setColor(kCharge);
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0.0, 0.02);
    std::uniform_int_distribution<int> runLength(n / 400, n / 40);
    std::vector<double> xs(static_cast<size_t>(n)), vs(xs.size()), is(xs.size());
    std::vector<std::pair<int, bool>> runs;
    bool charging = true;
    double v = 11.5;
    for (int i = 0, left = 0; i < n; ++i, --left) {
        if (left <= 0) {
            charging = !charging;
            left = runLength(rng);
            runs.push_back({i, charging});
        }
        v += (charging ? 1.0 : -1.0) * 2.0 / (n / 100.0) + noise(rng) * 0.01;
        v = std::clamp(v, 10.5, 14.5);
        xs[size_t(i)] = i / 60.0;
        vs[size_t(i)] = v + noise(rng);
        is[size_t(i)] = (charging ? 2.0 : -5.0) + noise(rng) * 5.0;
    }
    b.voltage->add(xs.data(), vs.data(), n);
    b.current->add(xs.data(), is.data(), n);
    if (colourRuns) {
        for (size_t r = 0; r < runs.size(); ++r) {
            const int first = runs[r].first;
            const int last = r + 1 < runs.size() ? runs[r + 1].first - 1 : n - 1;
            b.current->colorRange(xs[size_t(first)], xs[size_t(last)], runs[r].second ? kCharge : kDischarge);
        }
    }
    b.chart.leftAxis()->setRange(9, 16);
    b.chart.rightAxis()->setRange(-7, 4);
    b.chart.bottomAxis()->setRange(0, xs.back() + 0.2);
    b.chart.leftAxis()->setIncrement(0.001);
    b.chart.rightAxis()->setIncrement(0.001);
    b.chart.bottomAxis()->setIncrement(1.0);
    b.chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    b.chart.leftAxis()->setTitle(QStringLiteral("Voltage (V)"));
    b.chart.rightAxis()->setTitle(QStringLiteral("Current (A)"));
    b.chart.bottomAxis()->setTitle(QStringLiteral("Time ( min )"));
}

// Thread CPU time in milliseconds: on a busy machine it shows the cost of
// the work itself, while the wall clock also counts waiting for a core.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double g_lastCpuMs = 0.0; // median CPU time of the last medianMs() call

// Median of `runs` wall-clock timings of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    std::vector<double> cpu;
    QElapsedTimer timer;
    for (int r = 0; r < runs; ++r) {
        const double cpuStart = cpuMs();
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    g_lastCpuMs = cpu[cpu.size() / 2];
    return times[times.size() / 2];
}

double frameMs(Bench &b, QImage &image, int runs, const RenderOptions &options = {})
{
    return medianMs(runs, [&] {
        QPainter painter(&image);
        renderChart(painter, b.chart, kImageSize, {}, options);
    });
}

double zoomedMs(Bench &b, QImage &image, int runs)
{
    const double full = b.chart.bottomAxis()->maximum();
    int frame = 0;
    const double ms = medianMs(runs, [&] {
        // A tenth of the run, panned a little further every frame.
        const double start = full * (0.45 + 0.002 * frame++);
        b.chart.bottomAxis()->setRange(start, start + full / 10.0);
        QPainter painter(&image);
        renderChart(painter, b.chart, kImageSize);
    });
    b.chart.bottomAxis()->setRange(0, full);
    return ms;
}

struct LookupTimes {
    double meanUs = 0.0;
    double p99Us = 0.0; // the slowest are mostly the scheduler's doing
};

LookupTimes nearestLookups(Bench &b, bool outsideVertically)
{
    b.chart.chartLayout();
    if (outsideVertically) // every point above the plot: the worst case
        b.chart.leftAxis()->setRange(0, 5);
    const QRect plot = b.chart.plotRect();
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> column(plot.left() - 20, plot.right() + 20);
    const int lookups = 2000;
    static volatile long checksum = 0; // keeps the lookups from being optimised away
    findNearestPoint(*b.voltage, plot.center().x()); // lays the chart out after the range change
    std::vector<double> us;
    QElapsedTimer timer;
    for (int k = 0; k < lookups; ++k) {
        const int x = column(rng);
        timer.start();
        checksum = checksum + findNearestPoint(*b.voltage, x).index;
        us.push_back(timer.nsecsElapsed() / 1e3);
    }
    LookupTimes times;
    for (double t : us)
        times.meanUs += t / lookups;
    std::sort(us.begin(), us.end());
    times.p99Us = us[us.size() * 99 / 100];
    if (outsideVertically)
        b.chart.leftAxis()->setRange(9, 16);
    return times;
}

void pdfFigures(Bench &b)
{
    for (const QSize size : {QSize(748, 376), kImageSize}) {
        QByteArray bytes;
        const double ms = medianMs(3, [&] {
            bytes.clear();
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Landscape);
            writer.setResolution(300);
            QPainter painter(&writer);
            const QRect page = painter.viewport();
            painter.scale(double(page.width()) / size.width(), double(page.width()) / size.width());
            renderChart(painter, b.chart, size);
        });
        std::printf("PDF of 1000000 points at %dx%d: %.1f ms (thread CPU %.1f ms), %.1f kB\n", size.width(),
                    size.height(), ms, g_lastCpuMs, bytes.size() / 1024.0);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QImage image(kImageSize, QImage::Format_RGB32);
    const int runs = 15;

    Bench million;
    fill(million, 1000000, true);
    QElapsedTimer first;
    first.start();
    frameMs(million, image, 1);
    std::printf("1000000 points, first frame (builds summaries and runs): %.2f ms\n", first.nsecsElapsed() / 1e6);
    const double full = frameMs(million, image, runs);
    const double fullCpu = g_lastCpuMs;
    image.save(QStringLiteral("/tmp/chart_bench_full.png"));
    const double zoomed = zoomedMs(million, image, runs);
    const double zoomedCpu = g_lastCpuMs;
    RenderOptions naiveOptions;
    naiveOptions.reduce = false;
    const double naive = frameMs(million, image, 3, naiveOptions);
    std::printf("1000000 points: full %.2f ms, zoomed/panned %.2f ms, naive %.2f ms (%.1fx)\n", full, zoomed,
                naive, naive / full);
    std::printf("  thread CPU time: full %.2f ms, zoomed/panned %.2f ms, naive %.2f ms\n", fullCpu, zoomedCpu,
                g_lastCpuMs);

    // Frames of the two charts alternate, so that a busy machine slows both
    // alike.
    Bench single;
    fill(single, 1000000, false);
    frameMs(single, image, 1);
    std::vector<double> withRuns, oneColour;
    for (int r = 0; r < runs; ++r) {
        withRuns.push_back(frameMs(million, image, 1));
        oneColour.push_back(frameMs(single, image, 1));
    }
    std::sort(withRuns.begin(), withRuns.end());
    std::sort(oneColour.begin(), oneColour.end());
    const double runsMs = withRuns[withRuns.size() / 2];
    const double singleMs = oneColour[oneColour.size() / 2];
    std::printf("colour runs: %.2f ms with runs, %.2f ms one colour (ratio %.2f)\n", runsMs, singleMs,
                runsMs / singleMs);

    const LookupTimes typical = nearestLookups(million, false);
    const LookupTimes worst = nearestLookups(million, true);
    std::printf("nearest point lookup, 1000000 points: mean %.2f us (99th percentile %.2f us); every point "
                "outside the plot: mean %.2f us (99th percentile %.2f us)\n",
                typical.meanUs, typical.p99Us, worst.meanUs, worst.p99Us);

    pdfFigures(million);

    Bench tenMillion;
    fill(tenMillion, 10000000, true);
    frameMs(tenMillion, image, 1);
    const double full10 = frameMs(tenMillion, image, 9);
    const double full10Cpu = g_lastCpuMs;
    const double zoomed10 = zoomedMs(tenMillion, image, 9);
    std::printf("10000000 points: full %.2f ms, zoomed/panned %.2f ms (thread CPU %.2f / %.2f ms)\n", full10,
                zoomed10, full10Cpu, g_lastCpuMs);

    std::printf("chart 1000000 points: full %.2f ms, zoomed %.2f ms, naive %.2f ms\n", full, zoomed, naive);
    return 0;
}
