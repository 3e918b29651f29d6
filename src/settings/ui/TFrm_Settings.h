// The settings dialog: the eight chart colours (graph windows and report) and
// the language of the user interface.
#pragma once

#include "settings/SettingsFile.h"

#include <QDialog>
#include <memory>

class QAbstractButton;
class QFrame;
class TFrm_Main;

namespace Ui { class TFrm_Settings; }

// Lives as long as the program. Colours are edited in the swatches and take
// effect only through Save; a language chosen in the list takes effect at once.
// The dialog follows the main window's languageChanged() by itself.
class TFrm_Settings : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Settings(TFrm_Main &main);
    ~TFrm_Settings() override;

    // Fills the swatches from the main window's _c1 .. _c8.
    void loadColors();
    // Selects the language in use in Cmb_Lang (not a user change) and applies
    // the texts of the language in use.
    void Change_Language();

    // The colours the swatches show, by main-window field.
    vorn::ChartColors swatchColors() const;
    void setSwatchColors(const vorn::ChartColors &colors);

public slots:
    // ---- colours ----
    // Shared by the eight swatch buttons: Btn_X_Y edits the swatch Pan_X_Y.
    void Btn_F_HClick(QAbstractButton *Sender);
    void Btn_Set_DefClick();
    // ---- closing ----
    void Btn_SaveClick();
    void Btn_CancelClick();
    // ---- language ----
    void Cmb_LangChange(int index);

private:
    void connectHandlers();
    void selectLanguage(const QString &name);
    QFrame *swatch(const QString &name) const;

    std::unique_ptr<Ui::TFrm_Settings> ui;
    TFrm_Main &m_main;
    // Set while the dialog itself changes the language list, so that the
    // change is not taken for the user's choice.
    bool m_loading = false;
};

// Menu_SettingClick: fills the swatches from the main window, shows the dialog
// modally, then re-colours the active graph window, if any.
void showSettingsDialog(TFrm_Main &main, TFrm_Settings &dialog);
