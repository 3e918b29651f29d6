// The About box: program title, version and the maker's web address.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TFrm_Main;

class TFrm_About : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_About(TFrm_Main &main);

    QLabel *Image1 = nullptr;
    QLabel *Lbl_Label = nullptr;
    QLabel *Lbl_Version = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *Btn_Close = nullptr;

public slots:
    void Btn_CloseClick();

protected:
    void showEvent(QShowEvent *event) override; // FormShow: the texts

private:
    TFrm_Main &m_main;
};
