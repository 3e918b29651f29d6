// The comparison of twenty measurements of a million samples each, as if
// they were open in twenty graph windows: how long the window takes to open
// (choice, curves, table, first drawing) and to draw its chart again, and
// how much memory it takes beside the records it reads.
#include "../common/GeneratedRun.h"

#include "engines/ChartWidget.h"
#include "graph/ui/CompareHost.h"
#include "graph/ui/RecordWatch.h"
#include "graph/ui/TFrm_Compare.h"
#include "measurement/MeasurementReader.h"
#include "settings/LanguageTables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kMeasurements = 20;
constexpr int kSamples = 1'000'000;
constexpr int kRedraws = 20;

// Resident memory of the process, MB.
double residentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024.0 * 1024.0) : 0;
}

vorn::TextTables benchTexts()
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines.append(QStringLiteral("Text%1=T%1").arg(i));
    vorn::TextTables texts;
    texts.loadSectionLines(lines);
    return texts;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vorn::numfmt::useComma();

    // Twenty records in memory, as twenty graph windows hold them.
    const vorn::measurement::ReadResult read = vorn::measurement::readMeasurement(vorn::bench::generatedRun(kSamples));
    if (!read.ok()) {
        std::fprintf(stderr, "compare_bench: the generated run does not read (error %d)\n", read.error);
        return 1;
    }
    std::vector<std::unique_ptr<TFile_Datas>> records;
    std::vector<std::unique_ptr<vorn::graphui::RecordWatch>> watches;
    QList<vorn::graphui::CompareOffer> offers;
    for (int i = 0; i < kMeasurements; ++i) {
        records.push_back(std::make_unique<TFile_Datas>(read.record));
        // Apart on the chart, by their voltage offsets: the samples are the same.
        records.back()->UOffs = -0.1 * i;
        watches.push_back(std::make_unique<vorn::graphui::RecordWatch>());
        offers.append({QStringLiteral("run%1.VRN").arg(i + 1), QString(), records.back().get(),
                       watches.back().get(), nullptr});
    }
    const vorn::TextTables texts = benchTexts();
    vorn::graphui::CompareHost host;
    host.texts = &texts;
    host.openMeasurements = [&] { return offers; };
    host.showWindow = [](QWidget *) {};
    host.openFile = [](const QString &) {};
    host.Sajat_Dlg = [](const QString &, TDialog_Type) { return drOk; };
    const double before = residentMB();

    QElapsedTimer clock;
    clock.start();
    auto *compare = new vorn::graphui::TFrm_Compare(host);
    QList<vorn::graphui::CompareChoice> choices;
    for (const vorn::graphui::CompareOffer &offer : offers)
        choices.append({offer, nullptr, {}});
    compare->setMeasurements(choices);
    compare->resize(1400, 900);
    compare->show();
    // On the screen and drawn once.
    while (!compare->windowHandle() || !compare->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    compare->Main_Chart->redrawNow();
    const double openMs = clock.nsecsElapsed() / 1e6;
    const double afterOpen = residentMB();

    // Full redraws: the whole view, then a zoomed one, as a pan or zoom asks.
    std::vector<double> redraws;
    vorn::chart::ChartAxis *bottom = compare->Main_Chart->bottomAxis();
    for (int i = 0; i < kRedraws; ++i) {
        if (i == kRedraws / 2)
            bottom->setRange(bottom->minimum() / 4, bottom->maximum() / 4);
        clock.restart();
        compare->Main_Chart->redrawNow();
        redraws.push_back(clock.nsecsElapsed() / 1e6);
        if (!compare->Main_Chart->isVisible())
            return 1;
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("compare %d x %d samples: open %.0f ms, redraw %.1f ms\n", kMeasurements, kSamples, openMs,
                redraws[redraws.size() / 2]);
    std::printf("slowest redraw %.1f ms; memory beside the records: %.0f MB (the records: %.0f MB)\n",
                redraws.back(), afterOpen - before,
                double(kMeasurements) * kSamples * sizeof(TMeres_Datas) / (1024.0 * 1024.0));
    if (argc > 1)
        compare->grab().save(QString::fromLocal8Bit(argv[1])); // a look at what was drawn
    delete compare;
    return 0;
}
