// vornctl report: the test report of a measurement as PDF, the same file the
// report window's PDF button writes for the measurement opened fresh.
#include "VornctlCommands.h"
#include "measurement/DosDateTime.h"
#include "measurement/MeasurementReader.h"
#include "report/ReportBuild.h"
#include "report/ReportDataFiles.h"
#include "settings/LanguageTables.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"

#include <optional>

namespace vorn::ctl {

namespace {

struct ReportArgs {
    QString input;
    QString output;
    bool blackWhite = false;
    bool legend = false;
    std::optional<QString> language;
};

std::optional<ReportArgs> parseReportArgs(const QStringList &args)
{
    ReportArgs parsed;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--bw"))
            parsed.blackWhite = true;
        else if (arg == QLatin1String("--legend"))
            parsed.legend = true;
        else if (arg == QLatin1String("--lang") && i + 1 < args.size())
            parsed.language = args[++i];
        else if (arg.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            files.append(arg);
    }
    if (files.size() != 2)
        return std::nullopt;
    parsed.input = files[0];
    parsed.output = files[1];
    return parsed;
}

} // namespace

int runReport(const QStringList &args)
{
    const std::optional<ReportArgs> parsed = parseReportArgs(args);
    if (!parsed)
        return kExitUsage;
    const std::optional<TextTables> named = commandTexts(parsed->language);
    if (!named)
        return kExitUsage;
    const TextTables &texts = *named;
    measurement::ReadResult read = measurement::readMeasurementFile(parsed->input);
    if (!read.ok()) {
        printRejected(read.error, texts);
        return kExitRejected;
    }
    const StartupSettings settings = SettingsFile(programFolder()).readStartup();
    report::RecordReportOptions options;
    options.blackWhite = parsed->blackWhite;
    options.legend = parsed->legend;
    options.colors = {settings._c2, settings._c5, settings._c6, settings._c8};
    options.fileDate = measurement::dosFileDateTime(parsed->input);
    const report::RecordReportResult result = report::writeRecordReport(
        std::move(read.record), texts, report::ReportDataFiles(), options, parsed->output);
    if (result.rejectedError != 0) {
        printRejected(result.rejectedError, texts);
        return kExitRejected;
    }
    if (!result.ok()) {
        print(result.error.toUtf8() + '\n', stderr);
        return kExitRejected;
    }
    return kExitDone;
}

} // namespace vorn::ctl
