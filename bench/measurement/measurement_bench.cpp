// Times the measurement reader and writer on a generated file of 1,000,000
// samples (about 20 MB): parsing from memory, loading from disk, formatting
// and saving. Prints milliseconds and MB/s; the first run of each step is
// shown apart, since it also pays for touching fresh memory.
#include "../common/GeneratedRun.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementWriter.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <time.h>

namespace {

using namespace vorn::measurement;

constexpr int kSamples = 1'000'000;
constexpr int kRuns = 7;

QByteArray generateFile() { return vorn::bench::generatedRun(kSamples); }

struct Timing {
    double firstMs = 0;
    double bestMs = 1e300;
    double bestCpuMs = 1e300; // this thread's processor time: less disturbed by other load
};

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Timing timeIt(const std::function<void()> &step)
{
    Timing t;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        const double cpuStart = cpuMs();
        timer.start();
        step();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (run == 0)
            t.firstMs = ms;
        t.bestMs = std::min(t.bestMs, ms);
        t.bestCpuMs = std::min(t.bestCpuMs, cpuMs() - cpuStart);
    }
    return t;
}

void print(const char *what, const Timing &t, qsizetype bytes)
{
    const double mb = double(bytes) / 1e6;
    const auto rate = [mb](double ms) { return mb / (ms / 1e3); };
    std::printf("%-22s first %7.1f ms %5.0f MB/s | best %7.1f ms %5.0f MB/s | cpu %7.1f ms "
                "%5.0f MB/s\n",
                what, t.firstMs, rate(t.firstMs), t.bestMs, rate(t.bestMs), t.bestCpuMs,
                rate(t.bestCpuMs));
}

} // namespace

int main()
{
    vorn::numfmt::useComma();
    vorn::codepage::setAnsiCodePage("windows-1250");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.VRN"));
    const QByteArray bytes = generateFile();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("file: %d samples, %.1f MB, %d runs per step\n", kSamples,
                double(bytes.size()) / 1e6, kRuns);

    // Each run's result is released before the next, as a closed window
    // releases its record, so later runs reuse memory the first one touched.
    bool allRead = true;
    const auto check = [&](const ReadResult &r) {
        allRead = allRead && r.ok() && r.record.Meres_Datas.size() == size_t(kSamples);
    };
    print("parse (memory)", timeIt([&] { check(readMeasurement(bytes)); }),
          bytes.size());
    print("load (file)",
          timeIt([&] { check(readMeasurementFile(path)); }), bytes.size());
    if (!allRead) {
        std::printf("reading failed\n");
        return 1;
    }
    const ReadResult parsed = readMeasurement(bytes);

    QByteArray written;
    print("format (memory)",
          timeIt([&] { written = writeMeasurement(parsed.record); }), bytes.size());
    const QString out = dir.filePath(QStringLiteral("saved.VRN"));
    SaveResult saved;
    print("save (file)",
          timeIt([&] { saved = saveMeasurementFile(out, parsed.record); }), written.size());
    if (!saved.ok || readMeasurement(written).record.Meres_Datas.size() != size_t(kSamples)) {
        std::printf("write-back failed: %s\n", qPrintable(saved.errorText));
        return 1;
    }
    return 0;
}
