// Measures chart drawing: a two-series chart of 1,000,000 points (current
// with per-point colours in runs) into a 1920 x 1080 image, full, zoomed,
// panned and naive; 10,000,000 points; colour runs against one colour; the
// nearest-point lookup; PDF output; and the same frames with the points read
// in place from an array of records at evenly spaced times, as the graph
// window shows a measurement. Prints the figures, last the summary lines.
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

// One sample as a measurement holds it.
struct Record {
    double current;
    double voltage;
    bool charging;
};

struct Bench {
    ChartModel chart;
    ChartSeries *current = nullptr;
    ChartSeries *voltage = nullptr;
    std::vector<Record> records; // what the series read in place, if they do
};

// A battery run sampled once a second, shown in minutes: charge and
// discharge periods of random length, voltage ramps and current steps with
// noise.
struct Run {
    std::vector<double> time, voltage, current;
    std::vector<std::pair<int, bool>> periods; // first index, charging
};

Run makeRun(int n)
{
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0.0, 0.02);
    std::uniform_int_distribution<int> periodLength(n / 400, n / 40);
    Run run;
    run.time.resize(static_cast<size_t>(n));
    run.voltage.resize(run.time.size());
    run.current.resize(run.time.size());
    bool charging = true;
    double v = 11.5;
    for (int i = 0, left = 0; i < n; ++i, --left) {
        if (left <= 0) {
            charging = !charging;
            left = periodLength(rng);
            run.periods.push_back({i, charging});
        }
        v = std::clamp(v + (charging ? 1.0 : -1.0) * 2.0 / (n / 100.0) + noise(rng) * 0.01, 10.5, 14.5);
        run.time[size_t(i)] = i / 60.0;
        run.voltage[size_t(i)] = v + noise(rng);
        run.current[size_t(i)] = (charging ? 2.0 : -5.0) + noise(rng) * 5.0;
    }
    return run;
}

// The graph window's set-up: margins 5, fixed ranges, label steps, titles.
void setUpChart(Bench &b)
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
    b.chart.leftAxis()->setRange(9, 16);
    b.chart.rightAxis()->setRange(-7, 4);
    b.chart.leftAxis()->setIncrement(0.001);
    b.chart.rightAxis()->setIncrement(0.001);
    b.chart.bottomAxis()->setIncrement(1.0);
    b.chart.bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    b.chart.leftAxis()->setTitle(QStringLiteral("Voltage (V)"));
    b.chart.rightAxis()->setTitle(QStringLiteral("Current (A)"));
    b.chart.bottomAxis()->setTitle(QStringLiteral("Time ( min )"));
}

enum class Points { Added, InPlace };

void fill(Bench &b, int n, bool colourRuns, Points points = Points::Added)
{
    setUpChart(b);
    const Run run = makeRun(n);
    if (points == Points::Added) {
        b.voltage->add(run.time.data(), run.voltage.data(), n);
        b.current->add(run.time.data(), run.current.data(), n);
    } else {
        // Sampled once a second, shown in minutes: x = i x 1 / 60.
        b.records.resize(size_t(n));
        for (size_t i = 0; i < b.records.size(); ++i)
            b.records[i] = {run.current[i], run.voltage[i], false};
        const EvenSpacing minutes{1, 60.0};
        const auto stride = std::ptrdiff_t(sizeof(Record));
        b.voltage->showColumns(n, minutes, ColumnView{&b.records[0].voltage, stride, 1.0, 0.0});
        b.current->showColumns(n, minutes, ColumnView{&b.records[0].current, stride, 1.0, 0.0});
    }
    b.chart.bottomAxis()->setRange(0, run.time.back() + 0.2);
    if (!colourRuns)
        return;
    for (size_t p = 0; p < run.periods.size(); ++p) {
        const int first = run.periods[p].first;
        const int last = p + 1 < run.periods.size() ? run.periods[p + 1].first - 1 : n - 1;
        b.current->colorRange(run.time[size_t(first)], run.time[size_t(last)],
                              run.periods[p].second ? kCharge : kDischarge);
    }
}

// Thread CPU time in milliseconds: on a busy machine it shows the cost of
// the work itself, while the wall clock also counts waiting for a core.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing {
    double wallMs = 0.0; // median
    double cpuMs = 0.0;  // median
};

Timing median(int runs, const std::function<void()> &work)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    QElapsedTimer timer;
    for (int r = 0; r < runs; ++r) {
        const double cpuStart = cpuMs();
        timer.start();
        work();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

Timing frames(Bench &b, QImage &image, int runs, const RenderOptions &options = {})
{
    return median(runs, [&] {
        QPainter painter(&image);
        renderChart(painter, b.chart, kImageSize, {}, options);
    });
}

// A tenth of the run, panned a little further every frame.
Timing zoomedFrames(Bench &b, QImage &image, int runs)
{
    const double full = b.chart.bottomAxis()->maximum();
    int frame = 0;
    const Timing t = median(runs, [&] {
        const double start = full * (0.45 + 0.002 * frame++);
        b.chart.bottomAxis()->setRange(start, start + full / 10.0);
        QPainter painter(&image);
        renderChart(painter, b.chart, kImageSize);
    });
    b.chart.bottomAxis()->setRange(0, full);
    return t;
}

// Frames of the two charts alternate, so that a busy machine slows both
// alike; returns the median wall times of each.
std::pair<double, double> alternatingFrames(Bench &a, Bench &b, QImage &image, int runs)
{
    std::vector<double> first, second;
    for (int r = 0; r < runs; ++r) {
        first.push_back(frames(a, image, 1).wallMs);
        second.push_back(frames(b, image, 1).wallMs);
    }
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());
    return {first[first.size() / 2], second[second.size() / 2]};
}

struct LookupTimes {
    double meanUs = 0.0;
    double p99Us = 0.0; // the slowest are mostly the scheduler's doing
};

LookupTimes nearestLookups(Bench &b, bool outsideVertically)
{
    if (outsideVertically) // every point above the plot: the worst case
        b.chart.leftAxis()->setRange(0, 5);
    const QRect plot = b.chart.plotRect();
    findNearestPoint(*b.voltage, plot.center().x()); // lays the chart out after the range change
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> column(plot.left() - 20, plot.right() + 20);
    static volatile long checksum = 0; // keeps the lookups from being optimised away
    std::vector<double> us;
    QElapsedTimer timer;
    for (int k = 0; k < 2000; ++k) {
        const int x = column(rng);
        timer.start();
        checksum = checksum + findNearestPoint(*b.voltage, x).index;
        us.push_back(timer.nsecsElapsed() / 1e3);
    }
    if (outsideVertically)
        b.chart.leftAxis()->setRange(9, 16);
    LookupTimes times;
    for (double t : us)
        times.meanUs += t / double(us.size());
    std::sort(us.begin(), us.end());
    times.p99Us = us[us.size() * 99 / 100];
    return times;
}

// The chart laid out at `size` and scaled onto an A4 page, as the report
// puts it there.
void printPdfFigures(Bench &b)
{
    for (const QSize size : {QSize(748, 376), kImageSize}) {
        QByteArray bytes;
        const Timing t = median(3, [&] {
            bytes.clear();
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Landscape);
            writer.setResolution(300);
            QPainter painter(&writer);
            const double scale = double(painter.viewport().width()) / size.width();
            painter.scale(scale, scale);
            renderChart(painter, b.chart, size);
        });
        std::printf("PDF of 1000000 points at %dx%d: %.1f ms (thread CPU %.1f ms), %.1f kB\n", size.width(),
                    size.height(), t.wallMs, t.cpuMs, bytes.size() / 1024.0);
    }
}

void printLookupFigures(Bench &b, const char *what = "")
{
    const LookupTimes typical = nearestLookups(b, false);
    const LookupTimes worst = nearestLookups(b, true);
    std::printf("nearest point lookup, 1000000 points%s: mean %.2f us (99th percentile %.2f us); every point "
                "outside the plot: mean %.2f us (99th percentile %.2f us)\n",
                what, typical.meanUs, typical.p99Us, worst.meanUs, worst.p99Us);
}

void printColourRunFigures(Bench &withRuns, QImage &image, int runs)
{
    Bench single;
    fill(single, 1000000, false);
    frames(single, image, 1);
    const auto [runsMs, singleMs] = alternatingFrames(withRuns, single, image, runs);
    std::printf("colour runs: %.2f ms with runs, %.2f ms one colour (ratio %.2f)\n", runsMs, singleMs,
                runsMs / singleMs);
}

Timing tenMillion(QImage &image, Points points, Timing &zoomed)
{
    Bench tenMillion;
    fill(tenMillion, 10000000, true, points);
    frames(tenMillion, image, 1);
    const Timing full = frames(tenMillion, image, 9);
    zoomed = zoomedFrames(tenMillion, image, 9);
    return full;
}

void printTenMillionFigures(QImage &image, Points points, const char *what)
{
    Timing zoomed;
    const Timing full = tenMillion(image, points, zoomed);
    std::printf("10000000 points%s: full %.2f ms, zoomed/panned %.2f ms (thread CPU %.2f / %.2f ms)\n", what,
                full.wallMs, zoomed.wallMs, full.cpuMs, zoomed.cpuMs);
}

// The graph window's way: points read in place, evenly spaced.
void printInPlaceFigures(QImage &image, int runs)
{
    Bench million;
    fill(million, 1000000, true, Points::InPlace);
    frames(million, image, 1);
    const Timing full = frames(million, image, runs);
    const Timing zoomed = zoomedFrames(million, image, runs);
    std::printf("1000000 points read in place: full %.2f ms, zoomed/panned %.2f ms (thread CPU %.2f / %.2f ms)\n",
                full.wallMs, zoomed.wallMs, full.cpuMs, zoomed.cpuMs);
    printLookupFigures(million, " read in place");
    printTenMillionFigures(image, Points::InPlace, " read in place");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QImage image(kImageSize, QImage::Format_RGB32);
    const int runs = 15;

    Bench million;
    fill(million, 1000000, true);
    const Timing first = frames(million, image, 1);
    std::printf("1000000 points, first frame (builds summaries and runs): %.2f ms\n", first.wallMs);
    const Timing full = frames(million, image, runs);
    image.save(QStringLiteral("/tmp/chart_bench_full.png"));
    const Timing zoomed = zoomedFrames(million, image, runs);
    RenderOptions everySegment;
    everySegment.reduce = false;
    const Timing naive = frames(million, image, 3, everySegment);
    std::printf("1000000 points: full %.2f ms, zoomed/panned %.2f ms, naive %.2f ms (%.1fx)\n", full.wallMs,
                zoomed.wallMs, naive.wallMs, naive.wallMs / full.wallMs);
    std::printf("  thread CPU time: full %.2f ms, zoomed/panned %.2f ms, naive %.2f ms\n", full.cpuMs, zoomed.cpuMs,
                naive.cpuMs);
    printColourRunFigures(million, image, runs);
    printLookupFigures(million);
    printPdfFigures(million);
    printTenMillionFigures(image, Points::Added, "");
    printInPlaceFigures(image, runs);
    std::printf("chart 1000000 points: full %.2f ms, zoomed %.2f ms, naive %.2f ms\n", full.wallMs, zoomed.wallMs,
                naive.wallMs);
    return 0;
}
