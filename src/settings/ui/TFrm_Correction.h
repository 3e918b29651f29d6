// The correction dialog: gain and offset of voltage and current and DeltaM,
// for the active measurement or, with no graph window open, for the values
// kept in the settings file.
#pragma once

#include "settings/SettingsFile.h"

#include <QDialog>
#include <memory>

class TFrm_Graph;
class TFrm_Main;

namespace Ui { class TFrm_Correction; }

// Created for one use and destroyed after it.
class TFrm_Correction : public QDialog {
    Q_OBJECT
public:
    // FormCreate: fills the edits (from the active measurement, else from the
    // settings file) and the texts.
    explicit TFrm_Correction(TFrm_Main &main);
    ~TFrm_Correction() override;

    // The five edits' texts as typed.
    vorn::CorrectionTexts editTexts() const;

public slots:
    // Asks for confirmation, checks the values and applies them; a refused
    // value leaves the dialog open.
    void Btn_OkClick();
    void Btn_CancelClick();

private:
    void FormCreate();
    void setEditTexts(const vorn::CorrectionTexts &texts);
    void applyLanguage();
    // The measurement the dialog works on; null when no graph window is open.
    TFrm_Graph *targetGraph() const;
    void applyToGraph(TFrm_Graph &graph, const vorn::CorrectionValues &values);
    void writeToSettings(const vorn::CorrectionValues &values);

    std::unique_ptr<Ui::TFrm_Correction> ui;
    TFrm_Main &m_main;
};

// Menu_CorrectionClick: the dialog, modal, for one use.
void showCorrectionDialog(TFrm_Main &main);
