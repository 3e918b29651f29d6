// Times the test report of a measurement of 1,000,000 samples: the report
// window opening until its chart is drawn, the PDF written by the window's PDF
// button (and its size), and `vornctl report` on the file as a whole process.
// Runs on the Qt platform of the environment (offscreen without a display).
// Prints milliseconds and kilobytes.
#include "../common/GeneratedRun.h"
#include "app/ui/ReportCommand.h"
#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Dialog.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartWidget.h"
#include "report/ui/TFrm_Report.h"
#include "settings/NumberFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSamples = 1'000'000;
constexpr int kRuns = 5;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The report command's window, from creation until its chart is on screen.
double openWindow(TFrm_Main &main, TFrm_Graph &graph, std::unique_ptr<TFrm_Report> &report)
{
    QElapsedTimer clock;
    clock.start();
    report = std::make_unique<TFrm_Report>(reportHostFor(main, graph), &main);
    report->prepareReport();
    report->show();
    report->JChart->redrawNow();
    return msSince(clock);
}

double writePdf(TFrm_Report &report, const QString &path)
{
    vorn::prompts::setSaveFileHook([path](const vorn::prompts::FileRequest &) { return path; });
    QElapsedTimer clock;
    clock.start();
    report.Btn_PDFClick();
    return msSince(clock);
}

// CPU time (user + system) of the finished child processes so far, ms.
double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall time of the whole process; its CPU time goes to `cpuMs`, which tells
// the work apart from waiting on a busy machine.
double runVornctl(const QString &measurement, const QString &pdf, double *cpuMs)
{
    const double cpuBefore = childCpuMs();
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(QStringLiteral(VORN_BIN_DIR "/vornctl"),
                  {QStringLiteral("report"), measurement, pdf});
    if (!process.waitForFinished(60'000) || process.exitCode() != 0) {
        std::fprintf(stderr, "vornctl report failed: %s\n", process.readAllStandardError().constData());
        std::exit(1);
    }
    const double wall = msSince(clock);
    *cpuMs = childCpuMs() - cpuBefore;
    return wall;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vorn::numfmt::useComma();
    // Any message means something went wrong.
    TFrm_Dialog::setTestHook([](TFrm_Dialog &dialog) {
        std::fprintf(stderr, "message: %s\n", qPrintable(dialog.Lbl_Uzenet->text()));
        std::exit(1);
    });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("million.VRN"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(vorn::bench::generatedRun(kSamples)) <= 0)
        return 1;
    file.close();

    TFrm_Main main;
    main.Set_Language();
    main.setColors(vorn::kDefaultColors);
    main.show();
    Load_FROM_File(main, path);
    TFrm_Graph *graph = main.activeGraph();
    if (!graph)
        return 1;

    std::vector<double> opens, pdfs, ctl, ctlCpu;
    qint64 pdfBytes = 0;
    for (int i = 0; i < kRuns; ++i) {
        std::unique_ptr<TFrm_Report> report;
        opens.push_back(openWindow(main, *graph, report));
        const QString pdf = dir.filePath(QStringLiteral("window%1.pdf").arg(i));
        pdfs.push_back(writePdf(*report, pdf));
        pdfBytes = QFileInfo(pdf).size();
        double cpu = 0;
        ctl.push_back(runVornctl(path, dir.filePath(QStringLiteral("ctl%1.pdf").arg(i)), &cpu));
        ctlCpu.push_back(cpu);
        std::printf("run %d: window %.1f ms, PDF %.1f ms (%.1f kB), vornctl report %.1f ms (CPU %.1f ms)\n",
                    i + 1, opens.back(), pdfs.back(), double(pdfBytes) / 1024, ctl.back(), cpu);
    }
    std::printf("platform %s, %d samples\n", qPrintable(QGuiApplication::platformName()), kSamples);
    std::printf("report window opens: median %.1f ms (target < 300)\n", median(opens));
    std::printf("PDF written: median %.1f ms, %.1f kB (targets < 150 ms, < 300 kB)\n", median(pdfs),
                double(pdfBytes) / 1024);
    std::printf("vornctl report, whole process: median %.1f ms, CPU %.1f ms (target < 600)\n", median(ctl),
                median(ctlCpu));
    return 0;
}
