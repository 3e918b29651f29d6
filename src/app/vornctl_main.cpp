// vornctl: reads and writes measurement files exactly as the program does,
// for scripts and checks without a display.
//   vornctl info FILE [--lang NAME] [--no-samples]
//   vornctl save IN OUT
// Exit status: 0 the file loads (and, for save, is written), 1 the reader
// rejects it or the save fails, 2 a usage error.
#include "MeasurementInfo.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementWriter.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"
#include "settings/ProgramFolder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kExitLoaded = 0;
constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;

void print(const QByteArray &bytes, FILE *stream = stdout)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usage()
{
    print("usage: vornctl info FILE [--lang NAME] [--no-samples]\n"
          "       vornctl save IN OUT\n",
          stderr);
    return kExitUsage;
}

int runInfo(const QStringList &args)
{
    QString file;
    QString language = QStringLiteral("Magyar");
    bool withSamples = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-samples"))
            withSamples = false;
        else if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            language = args[++i];
        else if (args[i].startsWith(QLatin1String("--")) || !file.isEmpty())
            return usage();
        else
            file = args[i];
    }
    if (file.isEmpty())
        return usage();

    const vorn::measurement::ReadResult result = vorn::measurement::readMeasurementFile(file);
    if (!result.ok()) {
        print(vorn::info::rejectedJson(result.error));
        return kExitRejected;
    }
    const vorn::TextTables texts = vorn::loadLanguageSection(vorn::programFolder(), language);
    print(vorn::info::loadedJson(result.record, texts, withSamples));
    return kExitLoaded;
}

int runSave(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    const vorn::measurement::ReadResult result = vorn::measurement::readMeasurementFile(args[0]);
    if (!result.ok()) {
        print(vorn::info::rejectedJson(result.error));
        return kExitRejected;
    }
    const vorn::measurement::SaveResult saved =
        vorn::measurement::saveMeasurementFile(args[1], result.record);
    if (!saved.ok) {
        print(saved.errorText.toUtf8() + '\n', stderr);
        return kExitRejected;
    }
    return kExitLoaded;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The program reads and writes measurement files once a graph window
    // exists, that is with the decimal comma.
    vorn::numfmt::useComma();

    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("info"))
        return runInfo(args);
    if (command == QLatin1String("save"))
        return runSave(args);
    return usage();
}
