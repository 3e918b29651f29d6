// Times opening measurement files of 10,000,000 samples (about 200 MB, one
// run) and 1,000,000 samples (about 20 MB, five runs) the way the Open command
// does, until the graph window is maximised and drawn on screen: reading,
// filling, colouring, finishing and the first drawing of the chart. Prints
// milliseconds and the memory one open window holds (the growth of the
// process's resident size over the empty program, per sample). Runs on the Qt
// platform of the environment (offscreen when there is no display; run it
// under xvfb-run for a real X server). `open_bench 1000000` runs one size only.
#include "../common/GeneratedRun.h"
#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Dialog.h"
#include "app/ui/TFrm_Main.h"
#include "graph/ui/TFrm_Graph.h"
#include "measurement/MeasurementReader.h"
#include "settings/NumberFormat.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <ctime>
#include <malloc.h>
#include <unistd.h>

namespace {

struct Size {
    int samples;
    int runs;
};
constexpr Size kSizes[] = {{10'000'000, 1}, {1'000'000, 5}};

void waitFor(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

// Resident size of the process in bytes.
double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

double msSince(const QElapsedTimer &clock) { return double(clock.nsecsElapsed()) / 1e6; }

// Processor time of the whole process (every thread, user and system) in
// milliseconds: on a busy machine it shows the cost of the work itself,
// while the wall clock also counts waiting for a core.
double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Run {
    double loadMs = 0;  // Load_FROM_File returned: window filled and maximised
    double shownMs = 0; // the chart drawn for the first time
    double cpuMs = 0;   // processor time until then
    double bytesPerSample = 0;
};

Run openOnce(TFrm_Main &main, const QString &path, int samples, double emptyResident)
{
    QElapsedTimer clock;
    const double cpuStart = processCpuMs();
    clock.start();
    Load_FROM_File(main, path);
    Run run;
    run.loadMs = msSince(clock);
    TFrm_Graph *graph = main.activeGraph();
    if (!graph || !graph->isMaximized()) {
        std::fprintf(stderr, "the measurement did not open\n");
        std::exit(1);
    }
    // The first drawing of the chart writes the view it shows into LRBZ (the
    // file has none). It may already have happened during the load, whose
    // last progress steps let the window system paint.
    waitFor([&] { return !graph->File_Datas.LRBZ.isEmpty(); });
    run.shownMs = msSince(clock);
    run.cpuMs = processCpuMs() - cpuStart;
    run.bytesPerSample = (residentBytes() - emptyResident) / samples;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool writeFile(const QString &path, int samples)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(vorn::bench::generatedRun(samples)) > 0;
}

// Closes the window and lets the deferred deletions run.
void closeWindow(TFrm_Main &main)
{
    main.Btn_CloseClick();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void benchSize(TFrm_Main &main, const QDir &dir, const Size &size)
{
    const QString path = dir.filePath(QStringLiteral("run%1.VRN").arg(size.samples));
    if (!writeFile(path, size.samples))
        std::exit(1);
    std::vector<double> shown;
    std::vector<double> loads;
    std::vector<double> cpu;
    double bytesPerSample = 0;
    for (int i = 0; i < size.runs; ++i) {
        // Memory the allocator keeps from earlier steps (the generated file,
        // a closed window) goes back to the system first: the growth is then
        // what the open window holds, with whatever the open leaves behind.
        malloc_trim(0);
        const double emptyResident = residentBytes();
        const Run run = openOnce(main, path, size.samples, emptyResident);
        std::printf("  run %d: window maximised %.1f ms, chart on screen %.1f ms (processor "
                    "%.1f ms), %.1f bytes a sample\n",
                    i + 1, run.loadMs, run.shownMs, run.cpuMs, run.bytesPerSample);
        if (i == 0)
            bytesPerSample = run.bytesPerSample;
        loads.push_back(run.loadMs);
        shown.push_back(run.shownMs);
        cpu.push_back(run.cpuMs);
        closeWindow(main);
    }
    QElapsedTimer readClock;
    readClock.start();
    const size_t read = vorn::measurement::readMeasurementFile(path).record.Meres_Datas.size();
    const double readMs = msSince(readClock);
    const double megabytes = double(QFileInfo(path).size()) / 1e6;
    QFile::remove(path);
    std::printf("%d samples (%.1f MB): reader alone %.1f ms (%zu samples)\n", size.samples,
                megabytes, readMs, read);
    std::printf("open %d samples to a drawn maximised window: median %.1f ms, best %.1f ms "
                "(load alone %.1f ms, processor %.1f ms); one open window %.1f bytes a sample\n",
                size.samples, median(shown), *std::min_element(shown.begin(), shown.end()),
                median(loads), median(cpu), bytesPerSample);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vorn::numfmt::useComma();
    // Any message means the file did not open as it should.
    TFrm_Dialog::setTestHook([](TFrm_Dialog &dialog) {
        std::fprintf(stderr, "message: %s\n", qPrintable(dialog.Lbl_Uzenet->text()));
        std::exit(1);
    });
    QTemporaryDir dir;
    const int only = argc > 1 ? QByteArray(argv[1]).toInt() : 0;

    TFrm_Main main;
    main.Set_Language();
    main.setColors(vorn::kDefaultColors);
    main.showMaximized();
    waitFor([&] { return main.isVisible(); });
    QCoreApplication::processEvents();

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    for (const Size &size : kSizes) {
        if (only == 0 || only == size.samples)
            benchSize(main, QDir(dir.path()), size);
    }
    return 0;
}
