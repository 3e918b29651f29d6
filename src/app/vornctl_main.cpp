// vornctl: the program's file operations for scripts and checks without a
// display. Every subcommand exits 0 when done, 1 when its input is rejected,
// 2 for a usage error.
#include "VornctlCommands.h"
#include "settings/NumberFormat.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <memory>

namespace {

using namespace vorn::ctl;

struct Command {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
    // Commands that draw (fonts, pictures, PDF) need a GUI application; they
    // get Qt's offscreen platform, so no display is needed.
    bool needsGui;
};

const Command kCommands[] = {
    {"info", "vornctl info FILE [--lang NAME] [--no-samples]", runInfo, false},
    {"save", "vornctl save IN OUT", runSave, false},
    {"export", "vornctl export IN.VRN OUT.xlsx", runExport, false},
    {"report", "vornctl report IN.VRN OUT.pdf [--bw] [--legend] [--lang NAME]", runReport, true},
};

int usage(const Command *only = nullptr)
{
    QByteArray text;
    for (const Command &command : kCommands) {
        if (only && only != &command)
            continue;
        text += (text.isEmpty() ? "usage: " : "       ") + QByteArray(command.usage) + '\n';
    }
    print(text, stderr);
    return kExitUsage;
}

const Command *findCommand(const char *name)
{
    for (const Command &command : kCommands)
        if (qstrcmp(command.name, name) == 0)
            return &command;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    const Command *command = argc > 1 ? findCommand(argv[1]) : nullptr;
    if (!command)
        return usage();

    std::unique_ptr<QCoreApplication> app;
    if (command->needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
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
