// The progress window of a long operation (loading a measurement, exporting
// to a spreadsheet): a picture bar revealed from the left and a percentage.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vorn { class TextTables; }

class TFrm_LoadGraph : public QDialog {
    Q_OBJECT
public:
    // texts: the main window's tables, read each time a mode is prepared.
    TFrm_LoadGraph(QWidget *owner, const vorn::TextTables &texts);

    // Load mode: the load bar, caption Text_List[167].
    void Set_Calc_G();
    // Export mode: the export bar and the spreadsheet icon, caption Text_List[13].
    void Set_Calc_E();

    // One step of a phase covering Start_Sz..End_Sz percent (see ProgressMath).
    // The bar and the label change, and the window gets the chance to repaint,
    // only when the shown percentage or bar width changes, so that a step per
    // sample costs next to nothing. False when Max_i equals Start_i: that step
    // cannot be computed and the calling operation fails.
    bool Calc_sz(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i, qint64 Allapot,
                 bool Is_Inc);
    // The same for the export bar.
    bool Calc_sz_E(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i, qint64 Allapot,
                   bool Is_Inc);

    QLabel *Image1 = nullptr;
    QLabel *Img_Gr_gray = nullptr;
    QLabel *Img_Gr = nullptr;
    QLabel *Img_Ex_Bg = nullptr;
    QLabel *Img_Ex = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Img_Excel = nullptr;
    QLabel *Img_Gr_Bg = nullptr;
    QPushButton *Btn_Cancel = nullptr;

public slots:
    // Only hides the window: the operation goes on.
    void Btn_CancelClick();

private:
    QLabel *picture(const QString &name, QPoint position);
    void resetBar(QLabel *fill);
    bool advance(QLabel *fill, int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                 qint64 Allapot, bool Is_Inc);

    const vorn::TextTables &m_texts;
    int m_shownWidth = -1;
    int m_shownPercent = -1;
};
