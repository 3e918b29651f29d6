// The graph window: one open measurement, its record and its chart of
// corrected voltage and current against time, with the range edits, the cursor
// readout, the time unit and the window's entry in the main window's Window menu.
#pragma once

#include "measurement/MeasurementRecord.h"

#include <QMdiSubWindow>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TFrm_Main;

namespace vorn::chart {
class ChartWidget;
class ChartSeries;
}

class TFrm_Graph : public QMdiSubWindow {
    Q_OBJECT
public:
    // FormCreate: numbers the window, switches the program to the decimal
    // comma and enables the main window's graph commands.
    explicit TFrm_Graph(TFrm_Main &main);
    ~TFrm_Graph() override;

    TFile_Datas File_Datas;
    int32_t GraphNoID = 0;
    double fmin = 0, fmax = 0, amin = 0, amax = 0;
    int vXTime = 1;
    int vlepeskoz = 0;
    bool Is_Modified = false;
    int Current_Data_Point = 0;
    bool Is_Step_Move = false;

    // Progress of a long step, in whole percent of the load (the reader's
    // progress window); may be empty.
    using Progress = std::function<void(int percent)>;

    void SpeedUp_GraphChart();
    void Fill_Child_Diagram(const Progress &progress = {});
    void Set_Chart_Color();
    void Change_TimeUnit(int ItemIndex);
    void Set_Limit_Lines();
    void SetAxis();
    void MakeMenu();
    void SetMenu();
    void ChangeMenu();
    void removeMenu();
    void Change_Language();

    TFrm_Main &mainWindow() const { return m_main; }

    // ---- controls (other windows and the dialogs reach them) ----
    vorn::chart::ChartWidget *Main_Chart = nullptr;
    vorn::chart::ChartSeries *Series1 = nullptr; // voltage, left axis
    vorn::chart::ChartSeries *Series2 = nullptr; // current, right axis
    vorn::chart::ChartSeries *Series3 = nullptr; // upper limit line
    vorn::chart::ChartSeries *Series4 = nullptr; // lower limit line
    QToolButton *Btn_Def_Size = nullptr, *bZoom = nullptr, *Btn_Mark = nullptr,
                *Btn_Cut = nullptr, *bGraphInfo = nullptr, *bSetGraph = nullptr;
    QLabel *Lbl_Time = nullptr, *which_time = nullptr, *Lbl_Amper = nullptr,
           *aram_lab = nullptr, *Lbl_Volt = nullptr, *fesz_lab = nullptr;
    QComboBox *Cmb_Time = nullptr;
    QCheckBox *cbA = nullptr;
    QLineEdit *Edt_Max_fesz = nullptr, *Edt_Min_fesz = nullptr, *Edt_Max_Aram = nullptr,
              *Edt_Min_Aram = nullptr, *_tol = nullptr, *_ig = nullptr;
    QLabel *lt = nullptr, *lb = nullptr, *rt = nullptr, *rb = nullptr, *bl = nullptr,
           *br = nullptr, *Zoom_Img = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override; // FormClose

private:
    TFrm_Main &m_main;
};
