// vornctl batch: a day's measurement files at once, each reported and
// exported on request, with a summary of them all and progress on standard
// error.
#include "BatchInputs.h"
#include "BatchRun.h"
#include "VornctlCommands.h"
#include "settings/LanguageTables.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <filesystem>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace vorn::ctl {

namespace {

struct BatchArgs {
    QString outFolder = QStringLiteral(".");
    bool pdf = false;
    bool xlsx = false;
    bool blackWhite = false;
    bool recursive = false;
    int jobs = 0; // 0: one per core
    std::optional<QString> language;
    QStringList paths;
};

// The value after an option, or nothing when it is missing.
std::optional<QString> optionValue(const QStringList &args, qsizetype &i)
{
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

bool applyFlag(BatchArgs &parsed, const QString &arg)
{
    if (arg == QLatin1StringView("--pdf"))
        parsed.pdf = true;
    else if (arg == QLatin1StringView("--xlsx"))
        parsed.xlsx = true;
    else if (arg == QLatin1StringView("--bw"))
        parsed.blackWhite = true;
    else if (arg == QLatin1StringView("--recursive"))
        parsed.recursive = true;
    else
        return false;
    return true;
}

std::optional<BatchArgs> parseBatchArgs(const QStringList &args)
{
    BatchArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (applyFlag(parsed, arg))
            continue;
        if (arg == QLatin1StringView("--out") || arg == QLatin1StringView("--lang")
            || arg == QLatin1StringView("--jobs")) {
            const std::optional<QString> value = optionValue(args, i);
            if (!value || value->isEmpty())
                return std::nullopt;
            if (arg == QLatin1StringView("--out")) {
                parsed.outFolder = *value;
            } else if (arg == QLatin1StringView("--lang")) {
                parsed.language = *value;
            } else {
                bool number = false;
                parsed.jobs = value->toInt(&number);
                if (!number || parsed.jobs < 1)
                    return std::nullopt;
            }
        } else if (arg.startsWith(QLatin1StringView("--"))) {
            return std::nullopt;
        } else {
            parsed.paths.append(arg);
        }
    }
    if (parsed.paths.isEmpty())
        return std::nullopt;
    return parsed;
}

// The row's outcome in a few words, for the progress.
QByteArray outcome(const batch::SummaryRow &row)
{
    if (row.rejected || row.outputFailed)
        return "ERROR " + row.error.toUtf8();
    QByteArray text = row.verdict == graph::Verdict::Pass   ? "PASS"
                      : row.verdict == graph::Verdict::Fail ? "FAIL"
                                                            : "no threshold";
    if (row.warnings > 0)
        text += ", " + QByteArray::number(row.warnings) + " warning(s)";
    return text;
}

// A line per file, or one bar redrawn in place on a terminal.
class ProgressPrinter {
public:
    ProgressPrinter() : m_terminal(isatty(STDERR_FILENO) == 1) {}

    void operator()(int done, int total, const batch::SummaryRow &row)
    {
        const QByteArray counter = '[' + QByteArray::number(done) + '/' + QByteArray::number(total) + ']';
        if (!m_terminal) {
            print(counter + ' ' + row.file.toUtf8() + ": " + outcome(row) + '\n', stderr);
            return;
        }
        // A file that went wrong keeps its line above the bar.
        if (row.rejected || row.outputFailed)
            print("\r\x1b[K" + row.file.toUtf8() + ": " + outcome(row) + '\n', stderr);
        constexpr int kWidth = 30;
        const int filled = total > 0 ? done * kWidth / total : kWidth;
        const QByteArray bar = QByteArray(filled, '#') + QByteArray(kWidth - filled, '-');
        const QByteArray name = QFileInfo(row.file).fileName().toUtf8().left(40);
        print("\r\x1b[K[" + bar + "] " + counter + ' ' + name + (done == total ? "\n" : ""), stderr);
    }

private:
    bool m_terminal;
};

QByteArray closingLine(const std::vector<batch::SummaryRow> &rows, const batch::SummaryFiles &files)
{
    int passed = 0, failed = 0, none = 0, errors = 0;
    for (const batch::SummaryRow &row : rows) {
        if (row.rejected || row.outputFailed)
            ++errors;
        else if (row.verdict == graph::Verdict::Pass)
            ++passed;
        else if (row.verdict == graph::Verdict::Fail)
            ++failed;
        else
            ++none;
    }
    return QByteArray::number(qsizetype(rows.size())) + " file(s): " + QByteArray::number(passed)
           + " passed, " + QByteArray::number(failed) + " failed, " + QByteArray::number(none)
           + " without threshold, " + QByteArray::number(errors) + " with errors; summary in "
           + QDir::toNativeSeparators(files.csvPath).toUtf8() + '\n';
}

batch::BatchOptions optionsFor(const BatchArgs &parsed, const TextTables &texts)
{
    batch::BatchOptions options;
    options.outFolder = parsed.outFolder;
    options.pdf = parsed.pdf;
    options.xlsx = parsed.xlsx;
    options.blackWhite = parsed.blackWhite;
    options.jobs = parsed.jobs > 0 ? parsed.jobs : std::max(QThread::idealThreadCount(), 1);
    options.texts = texts;
    const StartupSettings settings = SettingsFile(programFolder()).readStartup();
    options.colors = {settings._c2, settings._c5, settings._c6, settings._c8};
    // The reproducible-builds convention: a fixed "now" makes two runs write
    // the same reports and workbooks.
    bool given = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    if (given)
        options.now = QDateTime::fromSecsSinceEpoch(epoch);
    return options;
}

} // namespace

int runBatch(const QStringList &args)
{
    const std::optional<BatchArgs> parsed = parseBatchArgs(args);
    if (!parsed)
        return kExitUsage;
    // The language the program shows unless one is named, as `vornctl report`.
    const std::optional<TextTables> texts = commandTexts(parsed->language);
    if (!texts)
        return kExitUsage;
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(parsed->outFolder).toStdString(), made);
    if (made || !QFileInfo(parsed->outFolder).isDir()) {
        const QByteArray reason = made ? QByteArray::fromStdString(made.message()) : "not a folder";
        print(parsed->outFolder.toUtf8() + ": the output folder cannot be made: " + reason + '\n', stderr);
        return batch::kBatchErrors;
    }
    const batch::BatchOptions options = optionsFor(*parsed, *texts);
    const QStringList inputs = batch::collectInputs(parsed->paths, parsed->recursive);
    ProgressPrinter progress;
    const std::vector<batch::SummaryRow> rows = batch::runBatch(inputs, options, std::ref(progress));
    const batch::SummaryFiles summary = batch::writeSummary(rows, options);
    if (!summary.ok()) {
        print(summary.error.toUtf8() + '\n', stderr);
        return batch::kBatchErrors;
    }
    print(closingLine(rows, summary), stderr);
    return batch::batchExitStatus(rows);
}

} // namespace vorn::ctl
