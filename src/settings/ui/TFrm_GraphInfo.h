// The measurement info dialog: the cycle table of one measurement and the
// boxes of its parameters and results with the qualification verdict.
#pragma once

#include "graph/MeasurementParams.h"

#include <QDialog>
#include <QString>

#include <memory>

class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class TLxListViewSearch;

namespace vorn {
class TextTables;
}

namespace Ui {
class TFrm_GraphInfo;
}

// Created, filled and shown for one use. The list must be filled before
// Set_Language: its rows are written under the built-in column captions
// ("Ciklus", "Állapot", "Idő", "Töltésmennyiség"), which the texts replace.
class TFrm_GraphInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_GraphInfo(QWidget *owner);
    ~TFrm_GraphInfo() override;

    // Caption and list column captions.
    void Set_Language(const vorn::TextTables &texts);

    // ---- what the filling code writes into ----
    TLxListViewSearch *Lsv_Lista() const;
    QPlainTextEdit *Mem_params1() const; // parameter labels
    QPlainTextEdit *Mem_params2() const; // parameter values, line by line beside the labels
    QTextEdit *REdt_results1() const;    // result labels, then the verdict
    QTextEdit *REdt_results2() const;    // result values
    QPushButton *Btn_Save() const;

    // Clears the four boxes and shows the parameter and result lines, then
    // (unless there is none) the verdict heading and the verdict in its colour.
    void showOtherParams(const vorn::graph::OtherParams &params, const vorn::TextTables &texts);

    // Adds a line to the result labels box: in the box's plain style, or as
    // the verdict (bold, in its colour, 5 points larger). Text added after the
    // verdict is plain again.
    void addResultLabel(const QString &text);
    void addVerdict(vorn::graph::Verdict verdict, const QString &text);

public slots:
    void Btn_SaveClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setUpList();
    void setUpBoxes();
    // Shares the panel's width out by what each box has to show, so that
    // labels, values and the verdict are seen whole in every language.
    void fitBoxesToText();

    std::unique_ptr<Ui::TFrm_GraphInfo> ui;
};
