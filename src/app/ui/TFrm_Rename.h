// The rename dialog: edits the name of the active measurement (its graph
// window's caption). The caller applies the accepted name.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vorn { class TextTables; }

class TFrm_Rename : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Rename(QWidget *owner);

    // Caption, button captions and the name shown at the start.
    void prepare(const vorn::TextTables &texts, const QString &name);

    QLineEdit *Edt_Name = nullptr;
    QPushButton *Btn_Save = nullptr;
    QPushButton *Btn_Cancel = nullptr;

public slots:
    void Btn_SaveClick();   // accepts the name as typed, even an empty one
    void Btn_CancelClick();
};
