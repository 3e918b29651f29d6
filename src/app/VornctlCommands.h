// The subcommands of vornctl. Each takes the arguments after its name and
// returns the process's exit status: 0 done, 1 input rejected (the reason on
// standard error or in the printed JSON), 2 usage error.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdio>

namespace vorn::ctl {

constexpr int kExitDone = 0;
constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;

// Writes the bytes as they are (no conversion) to the stream.
void print(const QByteArray &bytes, FILE *stream = stdout);

int runInfo(const QStringList &args);
int runSave(const QStringList &args);
// Writes the samples of a measurement file into a spreadsheet workbook (.xlsx)
// under the name given, as the program's export does.
int runExport(const QStringList &args);
int runReport(const QStringList &args);
// The A–B read-out between two times (seconds, "." or "," decimals) as JSON.
int runSpan(const QStringList &args);

} // namespace vorn::ctl
