// vornctl export: a measurement file's samples written into a spreadsheet
// workbook, as the program's spreadsheet export writes them.
#include "VornctlCommands.h"
#include "exchange/SampleExport.h"
#include "measurement/MeasurementReader.h"
#include "settings/LanguageTables.h"

namespace vorn::ctl {

int runExport(const QStringList &args)
{
    if (args.size() != 2)
        return kExitUsage;
    const measurement::ReadResult read = measurement::readMeasurementFile(args[0]);
    if (!read.ok()) {
        printRejected(read.error, commandTexts(std::nullopt).value());
        return kExitRejected;
    }
    const exchange::ExportResult result = exchange::exportSamples(read.record, args[1]);
    if (!result.ok()) {
        print(result.reason.toUtf8() + '\n', stderr);
        return kExitRejected;
    }
    return kExitDone;
}

} // namespace vorn::ctl
