// Times opening a measurement file of 1,000,000 samples (about 20 MB) the way
// the Open command does, until its graph window is maximised and drawn on
// screen: reading, filling, colouring, finishing and the first drawing of the
// chart. Runs on the Qt platform of the environment (offscreen when there is
// no display; run it under xvfb-run for a real X server). Prints milliseconds.
#include "../common/GeneratedRun.h"
#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Dialog.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "graph/ui/TFrm_Graph.h"
#include "measurement/MeasurementReader.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kSamples = 1'000'000;
constexpr int kRuns = 5;

QByteArray generateFile() { return vorn::bench::generatedRun(kSamples); }

void waitFor(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

struct Run {
    double loadMs = 0;   // Load_FROM_File returned: window filled and maximised
    double shownMs = 0;  // the chart drawn for the first time
};

Run openOnce(TFrm_Main &main, const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    Load_FROM_File(main, path);
    Run run;
    run.loadMs = double(clock.nsecsElapsed()) / 1e6;
    TFrm_Graph *graph = main.activeGraph();
    if (!graph || !graph->isMaximized()) {
        std::fprintf(stderr, "the measurement did not open\n");
        std::exit(1);
    }
    // The first drawing of the chart writes the view it shows into LRBZ (the
    // file has none). It may already have happened during the load, whose
    // last progress steps let the window system paint.
    waitFor([&] { return !graph->File_Datas.LRBZ.isEmpty(); });
    run.shownMs = double(clock.nsecsElapsed()) / 1e6;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool writeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(generateFile()) > 0;
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
    const QString path = dir.filePath(QStringLiteral("million.VRN"));
    if (!writeFile(path))
        return 1;

    TFrm_Main main;
    main.Set_Language();
    main.setColors(vorn::kDefaultColors);
    main.showMaximized();
    waitFor([&] { return main.isVisible(); });
    QCoreApplication::processEvents();

    QElapsedTimer readClock;
    readClock.start();
    const auto read = vorn::measurement::readMeasurementFile(path);
    const double readMs = double(readClock.nsecsElapsed()) / 1e6;

    std::vector<double> loads, shown;
    for (int i = 0; i < kRuns; ++i) {
        const Run run = openOnce(main, path);
        std::printf("run %d: window maximised %.1f ms, chart on screen %.1f ms\n", i + 1,
                    run.loadMs, run.shownMs);
        loads.push_back(run.loadMs);
        shown.push_back(run.shownMs);
        main.Btn_CloseClick();
        QCoreApplication::processEvents();
    }
    std::printf("platform %s, %d samples (%.1f MB); reader alone %.1f ms (%zu samples)\n",
                qPrintable(QGuiApplication::platformName()), kSamples,
                double(QFileInfo(path).size()) / 1e6, readMs, read.record.Meres_Datas.size());
    std::printf("open to a drawn maximised window: median %.1f ms, best %.1f ms (load alone %.1f ms)\n",
                median(shown), *std::min_element(shown.begin(), shown.end()), median(loads));
    return 0;
}
