// Times `vornctl batch --pdf --xlsx` as a whole process over 100 generated
// files of 10,000 samples each, summary included, with one job per core and
// with one job only. Prints seconds in all, milliseconds per file (the target
// is under 100 ms a file), processor time and the machine's load, since other
// work on the machine slows the run down.
#include "../common/GeneratedRun.h"
#include "settings/NumberFormat.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kFiles = 100;
constexpr int kSamples = 10'000;
constexpr int kRuns = 3;

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

bool writeInputs(const QString &folder)
{
    const QByteArray bytes = vorn::bench::generatedRun(kSamples);
    for (int i = 0; i < kFiles; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("BAT%1.VRN").arg(i, 3, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

// One run; false when vornctl did not finish as expected (every file passes).
bool runBatch(const QString &in, const QString &out, const QString &jobs, double &seconds,
              double &cpu)
{
    QProcess process;
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VORN_BIN_DIR "/vornctl"),
                  {QStringLiteral("batch"), QStringLiteral("--pdf"), QStringLiteral("--xlsx"),
                   QStringLiteral("--jobs"), jobs, QStringLiteral("--out"), out, in});
    if (!process.waitForFinished(600'000) || process.exitCode() != 0) {
        std::fprintf(stderr, "vornctl batch failed: %s\n", process.readAllStandardError().constData());
        return false;
    }
    seconds = double(clock.nsecsElapsed()) / 1e9;
    cpu = childCpuSeconds() - cpuBefore;
    return QFile::exists(QDir(out).filePath(QStringLiteral("summary.xlsx")));
}

} // namespace

int main()
{
    vorn::numfmt::useComma();
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    if (!QDir().mkpath(in) || !writeInputs(in))
        return 1;
    const QString cores = QString::number(QThread::idealThreadCount());
    std::printf("%d files of %d samples, --pdf --xlsx, %s cores; load before: %s\n", kFiles,
                kSamples, qPrintable(cores), loadAverage().constData());
    for (const QString &jobs : {cores, QStringLiteral("1")}) {
        for (int run = 0; run < kRuns; ++run) {
            double seconds = 0, cpu = 0;
            const QString out = dir.filePath(QStringLiteral("out%1_%2").arg(jobs).arg(run));
            if (!runBatch(in, out, jobs, seconds, cpu))
                return 1;
            std::printf("--jobs %s run %d: %.2f s in all, %.1f ms a file (target < 100), "
                        "CPU %.2f s; load %s\n",
                        qPrintable(jobs), run + 1, seconds, seconds * 1000 / kFiles, cpu,
                        loadAverage().constData());
        }
    }
    return 0;
}
