// The subcommands of vornctl. Each takes the arguments after its name and
// returns the process's exit status: 0 done, 1 input rejected (the reason on
// standard error or in the printed JSON), 2 usage error.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace vorn {
class TextTables;
}

namespace vorn::ctl {

constexpr int kExitDone = 0;
constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;

// Writes the bytes as they are (no conversion) to the stream.
void print(const QByteArray &bytes, FILE *stream = stdout);

// The text tables of the named language section of the program's language
// file, or of the language the program shows when none is named. Null, with
// the reason on standard error, when the named section does not exist (the
// caller then exits with a usage error).
std::optional<TextTables> commandTexts(const std::optional<QString> &language);

// "error N: <Err_List text>" on standard error, for a rejected measurement.
void printRejected(int error, const TextTables &texts);
// A rejected measurement: {"ok": false, "error": N} on standard output and
// its error on standard error, in the program's language; returns
// kExitRejected.
int rejectMeasurement(int error);

int runInfo(const QStringList &args);
int runSave(const QStringList &args);
// Writes the samples of a measurement file into a spreadsheet workbook (.xlsx)
// under the name given, as the program's export does.
int runExport(const QStringList &args);
int runReport(const QStringList &args);
// Works through measurement files and folders: reports, workbooks and a
// summary. Exits 0 when every file passed or had no threshold, 1 when one
// failed, 3 when one was rejected or an output could not be written.
int runBatch(const QStringList &args);
// The A–B read-out between two times (seconds, "." or "," decimals) as JSON.
int runSpan(const QStringList &args);

} // namespace vorn::ctl
