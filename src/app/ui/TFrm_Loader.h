// The splash window: shown modally while the program initialises (caption,
// language texts, settings), closed by its timer.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;
class TFrm_Main;

namespace vorn { class TextTables; }

class TFrm_Loader : public QDialog {
    Q_OBJECT
public:
    // The timer starts at once: the splash closes about 5 s after start-up.
    explicit TFrm_Loader(TFrm_Main &main);

    // The three labels in the language in use (the main window's Set_Language
    // calls it).
    void applyTexts(const vorn::TextTables &texts);

    // Caption marker, texts, settings: runs when the splash is shown.
    void Inicializalas();

    QLabel *Img_Background = nullptr;
    QLabel *Lbl_Version = nullptr;
    QLabel *Lbl_Label = nullptr;
    QLabel *Lbl_Loading = nullptr;
    QTimer *Timer1 = nullptr;

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override; // FormShow

private:
    void readSettings();
    void closeSoon();

    TFrm_Main &m_main;
};
