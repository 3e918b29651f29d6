// The spreadsheet export of a million samples against a bare libxlsxwriter
// loop writing the same cells, vornctl export as a whole process against the
// same loop, and the pendrive scan of a stick with 100,000 files.
//
// usage: exchange_bench [samples] [rounds]   (defaults 1000000 and 3)
#include "common/GeneratedRun.h"
#include "exchange/SampleExport.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "measurement/MeasurementReader.h"
#include "settings/LanguageTables.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace vorn;

// The export's cells written straight through libxlsxwriter: sheet names
// known in advance, no layer, no progress.
void bareLoop(const TFile_Datas &record, const QByteArray &path)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    lxw_format *title = workbook_add_format(book);
    format_set_bold(title);
    format_set_pattern(title, LXW_PATTERN_SOLID);
    format_set_bg_color(title, 0x99CCFF);
    const auto n = qint64(record.Meres_Datas.size());
    const qint64 m = record.Mint_ido;
    qint64 first = 0;
    do {
        const qint64 end = std::min<qint64>(first + exchange::kRowsPerSheet, n);
        // (A run ending exactly on a full sheet would get an empty last sheet
        // in the export; the benchmark's runs do not.)
        const QString name = end - first == exchange::kRowsPerSheet
                                 ? exchange::fullSheetName(m, first, end)
                                 : exchange::lastSheetName(m, first, end);
        lxw_worksheet *sheet = workbook_add_worksheet(book, name.toUtf8().constData());
        worksheet_set_column(sheet, 0, 2, 20, nullptr);
        worksheet_set_column(sheet, 3, 3, 30, nullptr);
        const char *titles[] = {"Time (sec)", "Voltage", "Current", "Status"};
        for (lxw_col_t c = 0; c < 4; ++c)
            worksheet_write_string(sheet, 0, c, titles[c], title);
        for (qint64 k = first; k < end; ++k) {
            const auto row = lxw_row_t(k - first + 1);
            const TMeres_Datas &s = record.Meres_Datas[std::size_t(k)];
            worksheet_write_number(sheet, row, 0, double(m * k), nullptr);
            worksheet_write_number(sheet, row, 1, s.Meres_fesz, nullptr);
            worksheet_write_number(sheet, row, 2, s.Meres_Aram, nullptr);
            worksheet_write_string(sheet, row, 3, s.Is_Toltes ? "Charge" : "Discharge", nullptr);
        }
        first = end;
    } while (first < n);
    workbook_close(book);
}

// Processor time (user + system) of this process and its finished children, s.
double cpuSeconds()
{
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime)
           + seconds(children.ru_stime);
}

// Wall-clock and processor time of the work. On a machine shared with other
// work the processor time is the steadier figure.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timed(const std::function<void()> &work)
{
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    clock.start();
    work();
    return {clock.nsecsElapsed() / 1e9, cpuSeconds() - cpuBefore};
}

double seconds(const std::function<void()> &work)
{
    return timed(work).wall;
}

void exportFigures(int samples, int rounds, const QTemporaryDir &dir)
{
    const QString vrn = dir.filePath(QStringLiteral("run.VRN"));
    QFile file(vrn);
    file.open(QIODevice::WriteOnly);
    file.write(bench::generatedRun(samples));
    file.close();
    const measurement::ReadResult read = measurement::readMeasurementFile(vrn);
    if (!read.ok()) {
        std::fprintf(stderr, "cannot read the generated run\n");
        return;
    }
    const QString vornctl = QCoreApplication::applicationDirPath() + QStringLiteral("/vornctl");
    std::vector<Timing> bare, layered, process;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(timed([&] { bareLoop(read.record, QFile::encodeName(dir.filePath(QStringLiteral("bare.xlsx")))); }));
        layered.push_back(timed([&] {
            if (!exchange::exportSamples(read.record, dir.filePath(QStringLiteral("export.xlsx"))).ok())
                std::fprintf(stderr, "export failed\n");
        }));
        process.push_back(timed([&] {
            QProcess::execute(vornctl, {QStringLiteral("export"), vrn, dir.filePath(QStringLiteral("ctl.xlsx"))});
        }));
        std::printf("round %d: bare %.3f s (cpu %.3f), export %.3f s (cpu %.3f), vornctl export %.3f s (cpu %.3f)\n",
                    round + 1, bare.back().wall, bare.back().cpu, layered.back().wall, layered.back().cpu,
                    process.back().wall, process.back().cpu);
    }
    const auto best = [](const std::vector<Timing> &v, double Timing::*field) {
        double least = v.front().*field;
        for (const Timing &t : v)
            least = std::min(least, t.*field);
        return least;
    };
    std::printf("%d samples, best of %d rounds (wall clock | processor time):\n", samples, rounds);
    for (double Timing::*field : {&Timing::wall, &Timing::cpu}) {
        const char *what = field == &Timing::wall ? "wall" : "cpu ";
        std::printf("  %s bare libxlsxwriter loop   %.3f s\n", what, best(bare, field));
        std::printf("  %s exportSamples             %.3f s  (%.2f x bare, goal <= 1.20)\n", what,
                    best(layered, field), best(layered, field) / best(bare, field));
        std::printf("  %s vornctl export (process)  %.3f s  (%.2f x bare, goal <= 1.30)\n", what,
                    best(process, field), best(process, field) / best(bare, field));
    }
    std::printf("  workbook size %.1f MB\n", QFileInfo(dir.filePath(QStringLiteral("export.xlsx"))).size() / 1e6);
}

void pendriveFigures(const QTemporaryDir &dir)
{
    constexpr int kFiles = 100000;
    const QString stick = dir.filePath(QStringLiteral("stick"));
    QDir().mkpath(stick);
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray name = QFile::encodeName(stick + QStringLiteral("/M%1.VRN").arg(i, 6, 10, QLatin1Char('0')));
        ::close(::open(name.constData(), O_WRONLY | O_CREAT, 0644));
    }
    struct Drives : exchange::DriveSource {
        QString root;
        QList<exchange::RemovableDrive> removableDrives() const override { return {{root, false}}; }
    };
    auto drives = std::make_shared<Drives>();
    drives->root = stick;
    QStringList found;
    const double scan = seconds([&] { found = exchange::measurementFilesIn(stick); });
    vorn::TextTables texts;
    exchange::ExchangeHost host;
    host.texts = &texts;
    TFrm_Pendrive window(host);
    window.setDriveSource(drives);
    const double listed = seconds([&] { window.Scan(); });
    std::printf("pendrive: %d files: root folder scan %.3f s (%lld found), scan into the window %.3f s\n",
                kFiles, scan, qlonglong(found.size()), listed);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    numfmt::useComma();
    const int samples = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir dir;
    exportFigures(samples, rounds, dir);
    pendriveFigures(dir);
    return 0;
}
