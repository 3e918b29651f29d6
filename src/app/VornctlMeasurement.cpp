// vornctl info and vornctl save: a measurement file read and written exactly as
// the program does.
#include "MeasurementInfo.h"
#include "VornctlCommands.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementWriter.h"
#include "settings/LanguageTables.h"
#include "settings/ProgramFolder.h"

namespace vorn::ctl {

void print(const QByteArray &bytes, FILE *stream)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

std::optional<TextTables> commandTexts(const std::optional<QString> &language)
{
    if (!language)
        return loadLanguage(programFolder());
    TextTables texts = loadLanguageSection(programFolder(), *language);
    if (texts.textList().isEmpty()) {
        print("vornctl: the language file has no language \"" + language->toUtf8() + "\"\n", stderr);
        return std::nullopt;
    }
    return texts;
}

void printRejected(int error, const TextTables &texts)
{
    print("error " + QByteArray::number(error) + ": " + texts.Err_List(error).toUtf8() + '\n', stderr);
}

int rejectMeasurement(int error)
{
    print(info::rejectedJson(error));
    printRejected(error, commandTexts(std::nullopt).value());
    return kExitRejected;
}

int runInfo(const QStringList &args)
{
    QString file;
    std::optional<QString> language = QStringLiteral("Magyar");
    bool withSamples = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-samples"))
            withSamples = false;
        else if (args[i] == QLatin1String("--lang") && i + 1 < args.size())
            language = args[++i];
        else if (args[i].startsWith(QLatin1String("--")) || !file.isEmpty())
            return kExitUsage;
        else
            file = args[i];
    }
    if (file.isEmpty())
        return kExitUsage;
    const std::optional<TextTables> texts = commandTexts(language);
    if (!texts)
        return kExitUsage;

    const measurement::ReadResult result = measurement::readMeasurementFile(file);
    if (!result.ok()) {
        print(info::rejectedJson(result.error));
        printRejected(result.error, *texts);
        return kExitRejected;
    }
    print(info::loadedJson(result.record, result.warnings, *texts, withSamples));
    return kExitDone;
}

int runSave(const QStringList &args)
{
    if (args.size() != 2)
        return kExitUsage;
    const measurement::ReadResult result = measurement::readMeasurementFile(args[0]);
    if (!result.ok())
        return rejectMeasurement(result.error);
    const measurement::SaveResult saved = measurement::saveMeasurementFile(args[1], result.record);
    if (!saved.ok) {
        print(saved.errorText.toUtf8() + '\n', stderr);
        return kExitRejected;
    }
    return kExitDone;
}

} // namespace vorn::ctl
