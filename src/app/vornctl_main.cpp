// vornctl: the program's file operations for scripts and checks without a
// display. Every subcommand exits 0 when done, 1 when its input is rejected,
// 2 for a usage error.
#include "VornctlCommands.h"
#include "settings/NumberFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <memory>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace vorn::ctl;

struct Command {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
    // Commands that draw (fonts, pictures, PDF) need a GUI application; they
    // get Qt's offscreen platform, so no display is needed.
    bool needsGui;
    // One line for `vornctl --help`.
    const char *summary = nullptr;
};

// One subcommand per line: name, usage, function, needs a GUI, summary.
const Command kCommands[] = {
    {"info", "vornctl info FILE [--lang NAME] [--no-samples]", runInfo, false, "print a measurement file's record, samples and evaluation as JSON"},
    {"save", "vornctl save IN OUT", runSave, false, "read a measurement file and write it again through the program's writer"},
    {"export", "vornctl export IN.VRN OUT.xlsx", runExport, false, "write a measurement's samples into a spreadsheet workbook (.xlsx)"},
    {"report", "vornctl report IN.VRN OUT.pdf [--bw] [--legend] [--lang NAME]", runReport, true, "write a measurement's test report as PDF"},
    {"batch", "vornctl batch [--out DIR] [--pdf] [--xlsx] [--bw] [--lang NAME] [--jobs N] [--recursive] PATH...", runBatch, true, "reports, workbooks and a summary of many measurement files (exit 0 all passed, 1 one failed, 3 one rejected)"},
    {"span", "vornctl span FILE FROM_S TO_S", runSpan, false, "print the charge, energy and voltage between two times (seconds) as JSON"},
};

int usage(const Command *only = nullptr)
{
    QByteArray text;
    for (const Command &command : kCommands) {
        if (only && only != &command)
            continue;
        text += (text.isEmpty() ? "usage: " : "       ") + QByteArray(command.usage) + '\n';
    }
    if (!only)
        text += "       vornctl --help\n";
    print(text, stderr);
    return kExitUsage;
}

bool asksForHelp(const char *arg)
{
    return qstrcmp(arg, "--help") == 0 || qstrcmp(arg, "-h") == 0;
}

// `vornctl --help`: every subcommand with its one line.
int overview()
{
    QByteArray text = "usage: vornctl SUBCOMMAND [ARGUMENTS]\n"
                      "       vornctl SUBCOMMAND --help\n\nsubcommands:\n";
    size_t width = 0;
    for (const Command &command : kCommands)
        width = std::max(width, size_t(qstrlen(command.name)));
    for (const Command &command : kCommands)
        text += "  " + QByteArray(command.name).leftJustified(qsizetype(width) + 3)
                + QByteArray(command.summary ? command.summary : command.usage) + '\n';
    text += "\nexit status: 0 done, 1 input rejected, 2 usage error"
            " (batch: 0 all passed, 1 one failed, 3 one rejected)\n";
    print(text);
    return kExitDone;
}

// `vornctl SUBCOMMAND --help`: its usage and what it does.
int commandHelp(const Command &command)
{
    QByteArray text = "usage: " + QByteArray(command.usage) + '\n';
    if (command.summary)
        text += QByteArray(command.summary) + '\n';
    print(text);
    return kExitDone;
}

const Command *findCommand(const char *name)
{
    for (const Command &command : kCommands)
        if (qstrcmp(command.name, name) == 0)
            return &command;
    return nullptr;
}

// Without XDG_RUNTIME_DIR (cron, a root shell) Qt's GUI start-up warns on
// standard error and falls back to its own folder; scripts read our standard
// error, so that folder is named here instead, created as Qt would.
void useQuietRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
    if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST)
        qputenv("XDG_RUNTIME_DIR", folder);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && (asksForHelp(argv[1]) || qstrcmp(argv[1], "help") == 0))
        return argc > 2 && findCommand(argv[2]) ? commandHelp(*findCommand(argv[2])) : overview();
    const Command *command = argc > 1 ? findCommand(argv[1]) : nullptr;
    if (!command)
        return usage();
    if (std::any_of(argv + 2, argv + argc, asksForHelp))
        return commandHelp(*command);

    std::unique_ptr<QCoreApplication> app;
    if (command->needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        useQuietRuntimeFolder();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The program reads and writes measurement files once a graph window
    // exists, that is with the decimal comma.
    vorn::numfmt::useComma();

    QStringList args = QCoreApplication::arguments().mid(2);
    const int status = command->run(args);
    return status == kExitUsage ? usage(command) : status;
}
