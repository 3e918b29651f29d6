// Shared set-up of the info and graph settings dialog tests.
#include "graph_dialogs_support.h"

#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Dialog.h"
#include "measurement/MeasurementWriter.h"
#include "settings/IniFile.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"
#include "settings/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace graphdialogs {

TFile_Datas recordOf(int Mint_ido, std::initializer_list<Run> runs)
{
    TFile_Datas record;
    record.Mint_ido = Mint_ido;
    record.MDT = QStringLiteral("2024.05.14 09:30");
    record.Cellaszam = 6;
    record.Kis_Aram = 6;
    record.N_Kapac = 12;
    record.Tolt_ido = 2;
    record.Kis_vegfesz = 10.5;
    record.Minosit_szaz = 80;
    record.Pass_100 = 7200;
    record.Meres_No = 17;
    record.U0 = 12.66;
    record.Mert_kap = 85;
    record.Ukorr = record.Ikorr = 1;
    double volts = 12.0;
    for (const Run &run : runs) {
        for (int i = 0; i < run.samples; ++i) {
            volts += run.charging ? 0.05 : -0.05;
            record.Meres_Datas.push_back({run.amperes, volts, run.charging});
        }
    }
    return record;
}

void GraphDialogTest::SetUp()
{
    ASSERT_TRUE(m_programFolder.isValid());
    ASSERT_TRUE(m_files.isValid());
    m_separator = vorn::numfmt::decimalSeparator();
    const QString language = m_programFolder.filePath(QStringLiteral("Language.ini"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/src/app/resources/Language.ini"),
                            language));
    QFile::setPermissions(language, QFile::ReadOwner | QFile::WriteOwner);
    vorn::setProgramFolder(m_programFolder.path());

    TFrm_Dialog::setTestHook([this](TFrm_Dialog &dialog) {
        messages.append(dialog.Lbl_Uzenet->text());
        dialog.Btn_OK->click();
    });
    main = std::make_unique<TFrm_Main>();
    main->Set_Language();
    main->setColors(vorn::kDefaultColors);
    main->show();
}

void GraphDialogTest::TearDown()
{
    main.reset();
    // Progress windows still waiting for their timer go with the main window.
    QCoreApplication::processEvents();
    TFrm_Dialog::setTestHook({});
    vorn::setProgramFolder(QString());
    vorn::numfmt::setDecimalSeparator(m_separator);
}

void GraphDialogTest::chooseLanguage(const QString &language)
{
    ASSERT_TRUE(vorn::storeLanguageChoice(vorn::programFolder(), language));
    main->Set_Language();
}

TFrm_Graph *GraphDialogTest::open(const TFile_Datas &record)
{
    // Measurement files carry the decimal comma of the graph windows.
    const QChar separator = vorn::numfmt::decimalSeparator();
    vorn::numfmt::useComma();
    const QString path = m_files.filePath(QStringLiteral("run%1.VRN").arg(++m_fileCount));
    EXPECT_TRUE(vorn::measurement::saveMeasurementFile(path, record).ok);
    vorn::numfmt::setDecimalSeparator(separator);

    const qsizetype before = main->graphWindows().size();
    Load_FROM_File(*main, path);
    if (main->graphWindows().size() == before)
        return nullptr;
    return main->graphWindows().last();
}

QString GraphDialogTest::settingsPath() const
{
    return m_programFolder.filePath(QStringLiteral("vorn.ini"));
}

QString GraphDialogTest::setting(const QString &section, const QString &key) const
{
    return vorn::IniFile(settingsPath()).readString(section, key, QStringLiteral("<missing>"));
}

} // namespace graphdialogs
