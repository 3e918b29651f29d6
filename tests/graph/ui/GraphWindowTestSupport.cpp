// Shared fixture of the graph window tests.
#include "GraphWindowTestSupport.h"

#include "app/ui/UserPrompts.h"
#include "measurement/MeasurementWriter.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>

#include "engines/ChartWidget.h"

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace graphtest {

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    // A timer wakes the loop up regularly, so that conditions that change
    // without an event of their own are seen as well.
    QTimer tick;
    tick.start(5);
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    return done();
}

TFile_Datas sampleRecord(int n, int Mint_ido, int chargeSamples)
{
    TFile_Datas record;
    record.Mint_ido = Mint_ido;
    record.MDT = QStringLiteral("2024.05.14 09:30");
    for (int i = 0; i < n; ++i) {
        const bool charging = i < chargeSamples;
        const double volts = charging ? 12.0 + 0.01 * i : 12.5 - 0.01 * (i - chargeSamples);
        record.Meres_Datas.push_back({charging ? 2.5 : 5.0, volts, charging});
    }
    return record;
}

void GraphWindowTest::SetUp()
{
    ASSERT_TRUE(m_programFolder.isValid());
    ASSERT_TRUE(folder.isValid());
    const QString language = m_programFolder.path() + QStringLiteral("/Language.ini");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/src/app/resources/Language.ini"),
                            language));
    QFile::setPermissions(language, QFile::ReadOwner | QFile::WriteOwner);
    vorn::setProgramFolder(m_programFolder.path());
    ASSERT_TRUE(vorn::storeLanguageChoice(vorn::programFolder(), QStringLiteral("English")));
    // The program works with the decimal comma once a graph window exists;
    // the files written here use it from the start.
    vorn::numfmt::useComma();

    TFrm_Dialog::setTestHook([this](TFrm_Dialog &dialog) { answerDialog(dialog); });
    vorn::prompts::setSaveFileHook([this](const vorn::prompts::FileRequest &request) {
        proposedNames.append(request.proposedName);
        saveTitles.append(request.title);
        return saveAnswer;
    });

    main = std::make_unique<TFrm_Main>();
    main->Set_Language();
    main->setColors(vorn::kDefaultColors);
    main->setBaseCaption(QStringLiteral("-= VORN =- (ver 5.0.0.9)"));
    main->show();
    TFrm_MainTestAccess::setActiveForm(*main, [this] { return main.get(); });
}

void GraphWindowTest::TearDown()
{
    main.reset();
    // Progress windows still waiting for their timer go with the main window.
    QCoreApplication::processEvents();
    TFrm_Dialog::setTestHook({});
    vorn::prompts::clearHooks();
    vorn::setProgramFolder(QString());
    EXPECT_TRUE(answers.isEmpty()) << answers.size() << " answers were not asked for";
}

void GraphWindowTest::answerDialog(TFrm_Dialog &dialog)
{
    const Message message{dialog.Lbl_Uzenet->text(),
                          dialog.Btn_Yes->isVisible() ? dtQuestion
                          : dialog.windowTitle() == main->texts.Text_List(34) ? dtError
                                                                               : dtInformation};
    messages.append(message);
    if (onMessage)
        onMessage(message);
    if (message.kind != dtQuestion) {
        dialog.Btn_OK->click();
        return;
    }
    EXPECT_FALSE(answers.isEmpty()) << "unexpected question: " << message.text.toStdString();
    const TDialog_Result result = answers.isEmpty() ? drNo : answers.takeFirst();
    if (result == drYes)
        dialog.Btn_Yes->click();
    else if (result == drNo)
        dialog.Btn_No->click();
    else
        dialog.close();
}

QString GraphWindowTest::filePath(const QString &name) const
{
    return folder.filePath(name);
}

QString GraphWindowTest::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

QString GraphWindowTest::writeFile(const QString &name, const TFile_Datas &record)
{
    return writeBytes(name, vorn::measurement::writeMeasurement(record));
}

TFrm_Graph *GraphWindowTest::open(const QString &path)
{
    vorn::prompts::setOpenFileHook([path](const vorn::prompts::FileRequest &) { return path; });
    const int before = int(main->graphWindows().size());
    main->Btn_OpenClick();
    if (main->graphWindows().size() == before)
        return nullptr;
    return main->graphWindows().last();
}

void GraphWindowTest::drawn(TFrm_Graph *graph)
{
    graph->Main_Chart->redrawNow();
    QCoreApplication::processEvents();
}

void GraphWindowTest::answer(std::initializer_list<TDialog_Result> results)
{
    answers.append(QList<TDialog_Result>(results));
}

} // namespace graphtest
