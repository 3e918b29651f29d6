// The correction dialog: showing, checking and applying corrections.
#include "TFrm_Correction.h"
#include "ui_TFrm_Correction.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartAxis.h"
#include "engines/ChartSeries.h"
#include "engines/ChartWidget.h"
#include "graph/ChartValues.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/CorrectionValues.h"

#include <algorithm>

namespace {

// Writes the corrected values of the stored samples into the curves; the x
// values and the samples stay as they are.
void redrawCorrected(TFrm_Graph &graph)
{
    const TFile_Datas &record = graph.File_Datas;
    const int samples = int(record.Meres_Datas.size());
    vorn::chart::ChartSeries &voltage = *graph.Series1;
    for (int i = 0, n = std::min(voltage.count(), samples); i < n; ++i)
        voltage.setYValue(i, vorn::graph::shownVoltage(record, record.Meres_Datas[size_t(i)]));
    vorn::chart::ChartSeries &current = *graph.Series2;
    for (int i = 0, n = std::min(current.count(), samples); i < n; ++i)
        current.setYValue(i, vorn::graph::shownCurrent(record, record.Meres_Datas[size_t(i)]));
}

} // namespace

TFrm_Correction::TFrm_Correction(TFrm_Main &main)
    : QDialog(&main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TFrm_Correction>()), m_main(main)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Frm_Correction"));
    setFixedSize(301, 219);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(vorn::ui::tahomaPt(9));
    for (QPushButton *button : {ui->Btn_Ok, ui->Btn_Cancel})
        button->setFont(vorn::ui::tahomaPt(9, true));
    ui->Btn_Ok->setIcon(vorn::art::icon(QStringLiteral("btn_ok")));
    ui->Btn_Cancel->setIcon(vorn::art::icon(QStringLiteral("btn_cancel")));
    connect(ui->Btn_Ok, &QPushButton::clicked, this, &TFrm_Correction::Btn_OkClick);
    connect(ui->Btn_Cancel, &QPushButton::clicked, this, &TFrm_Correction::Btn_CancelClick);
    FormCreate();
}

TFrm_Correction::~TFrm_Correction() = default;

// ---- showing ------------------------------------------------------------------

void TFrm_Correction::FormCreate()
{
    setEditTexts(vorn::correctionTexts(Def_File_Datas.Ukorr, Def_File_Datas.Ikorr,
                                       Def_File_Datas.UOffs, Def_File_Datas.IOffs,
                                       Def_File_Datas.DeltaM));
    if (const TFrm_Graph *graph = targetGraph()) {
        const TFile_Datas &record = graph->File_Datas;
        setEditTexts(vorn::correctionTexts(record.Ukorr, record.Ikorr, record.UOffs,
                                           record.IOffs, record.DeltaM));
    } else {
        // Shown exactly as the file holds them, whatever their separator.
        setEditTexts(vorn::SettingsFile().readCorrectionTexts(editTexts()));
    }
    applyLanguage();
}

vorn::CorrectionTexts TFrm_Correction::editTexts() const
{
    return {ui->Edt_fk->text(), ui->Edt_ak->text(), ui->Edt_fo->text(), ui->Edt_ao->text(),
            ui->Edt_DeltaM->text()};
}

void TFrm_Correction::setEditTexts(const vorn::CorrectionTexts &texts)
{
    ui->Edt_fk->setText(texts.Fesz_Korr);
    ui->Edt_ak->setText(texts.Aram_Korr);
    ui->Edt_fo->setText(texts.Fesz_Offs);
    ui->Edt_ao->setText(texts.Aram_Offs);
    ui->Edt_DeltaM->setText(texts.Delta_M);
}

void TFrm_Correction::applyLanguage()
{
    const vorn::TextTables &t = m_main.texts;
    setWindowTitle(t.Menu_List(10));
    ui->gbVoltage->setTitle(t.Text_List(36) + u' ' + t.Text_List(132));
    ui->gbCurrent->setTitle(t.Text_List(37) + u' ' + t.Text_List(133));
    ui->Label2->setText(t.Text_List(38));
    ui->Label3->setText(t.Text_List(38));
    ui->Label5->setText(t.Text_List(39));
    ui->Label6->setText(t.Text_List(39));
    ui->Btn_Ok->setText(t.Text_List(40));
    ui->Btn_Cancel->setText(t.Text_List(41));
}

// ---- applying -----------------------------------------------------------------

TFrm_Graph *TFrm_Correction::targetGraph() const
{
    if (TFrm_Graph *active = m_main.activeGraph())
        return active;
    // Windows are open but none is current (rare): take the newest one rather
    // than writing the settings file behind the user's back.
    const QList<TFrm_Graph *> graphs = m_main.graphWindows();
    return graphs.isEmpty() ? nullptr : graphs.last();
}

void TFrm_Correction::Btn_OkClick()
{
    const vorn::TextTables &t = m_main.texts;
    if (m_main.Sajat_Dlg(t.Text_List(126), dtQuestion) != drYes)
        return;
    const vorn::CorrectionCheck check = vorn::checkCorrectionTexts(editTexts());
    if (!check.ok()) {
        m_main.Sajat_Dlg(t.Err_List(int(check.fault)), dtError);
        return;
    }
    // The mode is decided again: a graph window may have closed meanwhile.
    if (TFrm_Graph *graph = targetGraph())
        applyToGraph(*graph, check.values);
    else
        writeToSettings(check.values);
    accept();
}

void TFrm_Correction::applyToGraph(TFrm_Graph &graph, const vorn::CorrectionValues &values)
{
    TFile_Datas &record = graph.File_Datas;
    record.Ukorr = values.Fesz_Korr;
    record.Ikorr = values.Aram_Korr;
    record.UOffs = values.Fesz_Offs;
    record.IOffs = values.Aram_Offs;
    record.DeltaM = vorn::deltaMWord(values.Delta_M);
    redrawCorrected(graph);
    graph.Set_Chart_Color();
    graph.Main_Chart->leftAxis()->setAutomatic(true);
    graph.Main_Chart->refresh();
    graph.notifyRecordChanged();
    graph.Is_Modified = true;
}

void TFrm_Correction::writeToSettings(const vorn::CorrectionValues &values)
{
    if (!vorn::SettingsFile().writeCorrection(values))
        m_main.Sajat_Dlg(m_main.texts.Err_List(10), dtError);
}

void TFrm_Correction::Btn_CancelClick()
{
    reject();
}

void showCorrectionDialog(TFrm_Main &main)
{
    TFrm_Correction dialog(main);
    dialog.exec();
}
