// The correction dialog: what it shows, the confirmation, the checks of the
// typed values, and applying them to the settings file or to the active
// measurement.
#include "dialog_test_support.h"

#include "app/ui/SaveLoad.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartAxis.h"
#include "engines/ChartSeries.h"
#include "engines/ChartWidget.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/ui/TFrm_Correction.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

using dialogtest::Answer;
using dialogtest::DialogTest;

const std::vector<double> kVolts{12.0, 12.5, 13.0, 12.8, 12.2, 11.9};

class CorrectionDialogTest : public DialogTest {
protected:
    std::unique_ptr<TFrm_Correction> create()
    {
        auto dialog = std::make_unique<TFrm_Correction>(main);
        dialog->show();
        return dialog;
    }
    static QLineEdit *edit(const TFrm_Correction &dialog, const char *name)
    {
        return dialog.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    // Types the five values: multiplier and offset of the voltage, of the
    // current, and DeltaM.
    static void type(const TFrm_Correction &dialog, const char *fk, const char *fo, const char *ak,
                     const char *ao, const char *dm)
    {
        edit(dialog, "Edt_fk")->setText(QString::fromUtf8(fk));
        edit(dialog, "Edt_fo")->setText(QString::fromUtf8(fo));
        edit(dialog, "Edt_ak")->setText(QString::fromUtf8(ak));
        edit(dialog, "Edt_ao")->setText(QString::fromUtf8(ao));
        edit(dialog, "Edt_DeltaM")->setText(QString::fromUtf8(dm));
    }
    static QStringList editValues(const TFrm_Correction &dialog)
    {
        QStringList texts;
        for (const char *name : {"Edt_fk", "Edt_fo", "Edt_ak", "Edt_ao", "Edt_DeltaM"})
            texts << edit(dialog, name)->text();
        return texts;
    }
    TFrm_Graph *openMeasurement(const QString &path)
    {
        main.show();
        Load_FROM_File(main, path);
        return main.activeGraph();
    }
    void writeSettings(const char *text) const { writeFile(settingsPath(), QByteArray(text)); }
    QString correction(const char *key) const
    {
        return settingsValue(QStringLiteral("Correction"), QString::fromLatin1(key));
    }
    QString question() const { return main.texts.Text_List(126); }
};

// ---- without a graph window: the settings file ----------------------------------

TEST_F(CorrectionDialogTest, WithoutSettingsTheDefaultsAreShown)
{
    const auto dialog = create();
    EXPECT_EQ(editValues(*dialog), (QStringList{QStringLiteral("1"), QStringLiteral("0"),
                                                QStringLiteral("1"), QStringLiteral("0"),
                                                QStringLiteral("10")}));
}

TEST_F(CorrectionDialogTest, TheSettingsFileTextsAreShownAsTheFileHoldsThem)
{
    vorn::numfmt::setDecimalSeparator(u'.');
    writeSettings("[Correction]\r\nFesz_Korr=1,50\r\nAram_Offs=abc\r\nDelta_M=0x10\r\n");
    const auto dialog = create();
    EXPECT_EQ(editValues(*dialog), (QStringList{QStringLiteral("1,50"), QStringLiteral("0"),
                                                QStringLiteral("1"), QStringLiteral("abc"),
                                                QStringLiteral("0x10")}));
}

TEST_F(CorrectionDialogTest, ConfirmingWritesTheValuesBackWithTheCurrentSeparator)
{
    vorn::numfmt::useComma();
    writeSettings("[Correction]\r\nFesz_Korr=1,50\r\n");
    const auto dialog = create();
    dialog->findChild<QPushButton *>(QStringLiteral("Btn_Ok"))->click();

    ASSERT_EQ(shown().size(), 1u);
    EXPECT_TRUE(shown()[0].question);
    EXPECT_EQ(shown()[0].text, question());
    EXPECT_EQ(settingsKeys(QStringLiteral("Correction")),
              (QStringList{QStringLiteral("Fesz_Korr"), QStringLiteral("Aram_Korr"),
                           QStringLiteral("Fesz_Offs"), QStringLiteral("Aram_Offs"),
                           QStringLiteral("Delta_M")}));
    EXPECT_EQ(correction("Fesz_Korr"), QStringLiteral("1,5"));
    EXPECT_EQ(correction("Delta_M"), QStringLiteral("10"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(CorrectionDialogTest, ACommaValueIsRefusedWhileThePointIsTheSeparator)
{
    vorn::numfmt::setDecimalSeparator(u'.');
    writeSettings("[Correction]\r\nFesz_Korr=1,50\r\n");
    const QByteArray before = fileBytes(settingsPath());
    const auto dialog = create();
    dialog->Btn_OkClick();
    EXPECT_EQ(shownTexts(), (QStringList{question(), main.texts.Err_List(11)}));
    EXPECT_EQ(fileBytes(settingsPath()), before);
    EXPECT_TRUE(dialog->isVisible());
}

struct LimitCase {
    const char *fk, *ak, *dm;
    int error; // Err_List index, 0 when accepted
};

TEST_F(CorrectionDialogTest, MultiplierLimitsAndNumberChecks)
{
    vorn::numfmt::useComma();
    // The finer cases (order of the checks, "-0", empty texts) are the
    // settings core's; here each kind of outcome passes through the dialog.
    const LimitCase cases[] = {
        {"5", "5", "10", 0},  {"5,01", "1", "10", 23},       {"0", "1", "10", 22},
        {"-1", "-3", "10", 0}, {"abc", "1", "10", 11},       {"1", "1", "1,5", 11},
        {" 2,5 ", "\t1 ", " 7 ", 0}, {"1", "1", "65536", 0},
    };
    for (const LimitCase &c : cases) {
        SCOPED_TRACE(std::string(c.fk) + " / " + c.ak + " / " + c.dm);
        QFile::remove(settingsPath());
        clearShown();
        const auto dialog = create();
        type(*dialog, c.fk, "-0,25", c.ak, "3", c.dm);
        dialog->Btn_OkClick();
        if (c.error == 0) {
            EXPECT_EQ(shownTexts(), QStringList{question()});
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(correction("Fesz_Offs"), QStringLiteral("-0,25"));
        } else {
            EXPECT_EQ(shownTexts(), (QStringList{question(), main.texts.Err_List(c.error)}));
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_FALSE(QFile::exists(settingsPath()));
        }
    }
    // The last case: the whole integer goes to the file.
    EXPECT_EQ(correction("Delta_M"), QStringLiteral("65536"));
}

TEST_F(CorrectionDialogTest, OnlyYesGoesOn)
{
    for (Answer refusal : {Answer::No, Answer::CloseBox}) {
        answer = refusal;
        clearShown();
        const auto dialog = create();
        // Not even a wrong value is reported once the question is refused.
        type(*dialog, "abc", "0", "1", "0", "10");
        dialog->Btn_OkClick();
        EXPECT_EQ(shownTexts(), QStringList{question()});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(QFile::exists(settingsPath()));
    }
}

TEST_F(CorrectionDialogTest, AFailedWriteIsReportedAndTheDialogCloses)
{
    blockSettingsFile();
    const auto dialog = create();
    dialog->Btn_OkClick();
    EXPECT_EQ(shownTexts(), (QStringList{question(), main.texts.Err_List(10)}));
    EXPECT_FALSE(dialog->isVisible());
}

// ---- with a graph window: the active measurement --------------------------------

TEST_F(CorrectionDialogTest, TheActiveMeasurementsValuesAreShown)
{
    writeSettings("[Correction]\r\nFesz_Korr=3\r\n");
    TFrm_Graph *graph = openMeasurement(makeMeasurementFile(QStringLiteral("a.VRN"), kVolts));
    ASSERT_NE(graph, nullptr);
    TFile_Datas &record = graph->File_Datas;
    record.Ukorr = 1.25;
    record.UOffs = -0.5;
    record.Ikorr = 0.75;
    record.IOffs = 0.1;
    record.DeltaM = 300;
    const auto dialog = create();
    EXPECT_EQ(editValues(*dialog), (QStringList{QStringLiteral("1,25"), QStringLiteral("-0,5"),
                                                QStringLiteral("0,75"), QStringLiteral("0,1"),
                                                QStringLiteral("300")}));
}

TEST_F(CorrectionDialogTest, ACorrectionRedrawsTheCurvesAndSurvivesSaveAndReopen)
{
    TFrm_Graph *graph = openMeasurement(makeMeasurementFile(QStringLiteral("a.VRN"), kVolts));
    ASSERT_NE(graph, nullptr);
    graph->Main_Chart->leftAxis()->setRange(0, 100);
    const QByteArray settingsBefore = fileBytes(settingsPath());

    const auto dialog = create();
    type(*dialog, " 1,01 ", " -0,05", "-1", "0,5 ", "65536");
    dialog->Btn_OkClick();
    EXPECT_EQ(shownTexts(), QStringList{question()});
    EXPECT_FALSE(dialog->isVisible());

    const TFile_Datas &record = graph->File_Datas;
    EXPECT_EQ(record.Ukorr, 1.01);
    EXPECT_EQ(record.UOffs, -0.05);
    EXPECT_EQ(record.Ikorr, -1.0);
    EXPECT_EQ(record.IOffs, 0.5);
    EXPECT_EQ(record.DeltaM, 0);
    EXPECT_EQ(record.Meres_Datas[0].Meres_fesz, 12.0); // samples stay as stored
    EXPECT_NEAR(graph->Series1->yValue(0), 12.07, 1e-9);
    for (int i = 0; i < int(kVolts.size()); ++i) {
        EXPECT_NEAR(graph->Series1->yValue(i), kVolts[size_t(i)] * 1.01 - 0.05, 1e-9) << i;
        // A negative multiplier mirrors the current.
        EXPECT_NEAR(graph->Series2->yValue(i), 0.5 - record.Meres_Datas[size_t(i)].Meres_Aram, 1e-9);
    }
    EXPECT_TRUE(graph->Main_Chart->leftAxis()->isAutomatic());
    EXPECT_TRUE(graph->Is_Modified);
    EXPECT_EQ(fileBytes(settingsPath()), settingsBefore);

    vorn::prompts::setSaveFileHook([this](const vorn::prompts::FileRequest &) {
        return folder() + QStringLiteral("corrected");
    });
    Save_TO_File(main, *graph);
    TFrm_Graph *reopened = openMeasurement(folder() + QStringLiteral("corrected.VRN"));
    ASSERT_NE(reopened, graph);
    EXPECT_EQ(reopened->File_Datas.Ukorr, 1.01);
    EXPECT_EQ(reopened->File_Datas.UOffs, -0.05);
    EXPECT_EQ(reopened->File_Datas.Ikorr, -1.0);
    EXPECT_EQ(reopened->File_Datas.IOffs, 0.5);
    EXPECT_EQ(reopened->File_Datas.DeltaM, 0);
    EXPECT_NEAR(reopened->Series1->yValue(0), 12.07, 1e-9);
    EXPECT_FALSE(reopened->Is_Modified);
}

TEST_F(CorrectionDialogTest, ARefusedOrUnconfirmedCorrectionLeavesTheMeasurementAlone)
{
    TFrm_Graph *graph = openMeasurement(makeMeasurementFile(QStringLiteral("a.VRN"), kVolts));
    ASSERT_NE(graph, nullptr);
    const double shownBefore = graph->Series1->yValue(2);
    for (Answer reply : {Answer::Yes, Answer::No}) {
        answer = reply;
        const auto dialog = create();
        type(*dialog, reply == Answer::Yes ? "5,01" : "2", "0", "1", "0", "10");
        dialog->Btn_OkClick();
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(shownTexts(), (QStringList{question(), main.texts.Err_List(23), question()}));
    EXPECT_EQ(graph->File_Datas.Ukorr, 1.0);
    EXPECT_EQ(graph->Series1->yValue(2), shownBefore);
    EXPECT_FALSE(graph->Is_Modified);
}

// ---- look -------------------------------------------------------------------------

TEST_F(CorrectionDialogTest, TheTextsFitTheFixedWindowInEveryLanguage)
{
    for (const char *language : {"English", "Magyar", "German"}) {
        main.switchLanguage(QString::fromLatin1(language));
        const auto dialog = create();
        EXPECT_EQ(dialog->size(), QSize(301, 219));
        EXPECT_EQ(dialog->windowTitle(), main.texts.Menu_List(10));
        EXPECT_EQ(dialog->findChild<QGroupBox *>(QStringLiteral("gbCurrent"))->title(),
                  main.texts.Text_List(37) + u' ' + main.texts.Text_List(133));
        for (QLabel *label : dialog->findChildren<QLabel *>())
            EXPECT_GE(label->width(), label->sizeHint().width())
                << language << " " << label->objectName().toStdString();
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            EXPECT_GE(button->width(), button->sizeHint().width())
                << language << " " << button->objectName().toStdString();
        const QString shots = qEnvironmentVariable("VORN_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            dialog->grab().save(shots + QStringLiteral("/correction_%1.png").arg(QLatin1String(language)));
    }
}

} // namespace
