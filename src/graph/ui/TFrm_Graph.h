// The graph window: one open measurement, its record and its chart of
// corrected voltage and current against time, with the range edits, the cursor
// readout, the time unit and the window's entry in the main window's Window menu.
#pragma once

#include "graph/AxisMath.h"
#include "graph/ChartValues.h"
#include "graph/RangeEntry.h"
#include "measurement/MeasurementRecord.h"

#include <QMdiSubWindow>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
class TFrm_Main;

namespace vorn::graphui {
class RecordWatch;
class SpanCursors;
}

namespace vorn::chart {
struct EvenSpacing;
class ChartAxis;
class ChartCanvas;
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

    // The chart reads the samples where they lie: whatever changes
    // File_Datas.Meres_Datas fills the chart again (Fill_Child_Diagram).
    TFile_Datas File_Datas;
    int32_t GraphNoID = 0;
    double fmin = 0, fmax = 0, amin = 0, amax = 0;
    int vXTime = 1;
    int vlepeskoz = 0;
    bool Is_Modified = false;
    int Current_Data_Point = 0;
    bool Is_Step_Move = false;

    // One step of a long operation for the progress window: position Allapot
    // of Max_i within the band Start_Sz..End_Sz percent. May be empty.
    using Progress = std::function<void(int Start_Sz, int End_Sz, qint64 Max_i, qint64 Allapot)>;

    void SpeedUp_GraphChart();
    // Fills the voltage and current series from File_Datas (corrected values,
    // charge and discharge runs coloured), then the time unit, the limit lines
    // and the colours. Reports 60..75 % while adding and 75..90 % while colouring.
    void Fill_Child_Diagram(const Progress &progress = {});
    void Set_Chart_Color();
    // Shows the time axis in unit 0 s, 1 min or 2 h.
    void Change_TimeUnit(int ItemIndex);
    void Set_Limit_Lines();
    // The first view after loading: the saved one in LRBZ, else the default.
    // False when a field of the saved view is not a number (the load fails).
    bool SetAxis();
    void Set_New_Graph();
    bool Set_LRBZ();
    void MakeMenu();
    void SetMenu();
    void ChangeMenu();
    void removeMenu();
    void Change_Language();
    // Ends a window whose load failed: no question is asked, and the main
    // window's commands follow the graph windows that remain.
    void discard();

    // The Window-menu entry of this window, null when it has none.
    QAction *menuEntry() const;
    // The sample index whose marker line the chart draws, -1 for none.
    int markerIndex() const { return m_markerIndex; }

    TFrm_Main &mainWindow() const { return m_main; }
    // The file the measurement was read from or last saved to.
    QString filePath;
    // How many integrity warnings its file's reading found (0 for none).
    int integrityWarnings = 0;
    // Readers of File_Datas in place hear of its changes and of its end
    // here; whatever changes the samples or the corrections calls
    // notifyRecordChanged() (filling the chart does).
    vorn::graphui::RecordWatch *recordWatch() const { return m_watch; }
    void notifyRecordChanged();

    // ---- controls (other windows and the dialogs reach them) ----
    QWidget *Main_Panel = nullptr;
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
    QToolButton *Btn_Span = nullptr;   // the two cursors A and B on/off
    QAction *Menu_Span = nullptr;      // the same in the window's menus
    vorn::graphui::SpanCursors *spanCursors() const { return m_span; }
    QLineEdit *Edt_Max_fesz = nullptr, *Edt_Min_fesz = nullptr, *Edt_Max_Aram = nullptr,
              *Edt_Min_Aram = nullptr, *_tol = nullptr, *_ig = nullptr;
    QLabel *lt = nullptr, *lb = nullptr, *rt = nullptr, *rb = nullptr, *bl = nullptr,
           *br = nullptr, *Zoom_Img = nullptr;

public slots:
    // ---- axes, zoom and cut ----
    void Btn_Def_SizeClick();
    void Main_ChartUndoZoom();
    void bZoomClick();
    void Btn_CutClick();
    void Cmb_TimeChange(int index);
    void Edt_Max_feszKeyDown();
    void Edt_Min_feszKeyDown();
    void Edt_Max_AramKeyDown();
    void Edt_Min_AramKeyDown();
    void _tolKeyDown();
    void _igKeyDown();
    void Main_ChartResize();
    // ---- cursor ----
    void Btn_MarkClick();
    void Main_ChartMouseMove(int X, int Y);
    void Main_ChartKeyDown(int Key, Qt::KeyboardModifiers Shift);
    void Btn_SpanClick();
    // ---- panel ----
    void cbAClick();
    void FormActivate();

protected:
    void closeEvent(QCloseEvent *event) override; // FormClose

private:
    // Creation and layout.
    void buildPanel(QWidget *row);
    void layoutPanel(QWidget *row);
    QToolButton *panelButton(QWidget *panel, const char *name, const QString &art, bool toggle);
    void buildChart(QWidget *parent);
    void buildChartEdits();
    void connectHandlers();
    void enableMainCommands();
    void updateCommandsAfterClose(int remaining);

    // Chart filling and colours.
    void addSamplePoints(const Progress &progress);
    // The charge and discharge runs, found once per filling (75..90 %), then
    // coloured as often as the colours change.
    void findCurrentRuns(const Progress &progress);
    void colorCurrentRuns();
    vorn::chart::EvenSpacing sampleTimes(int divisor) const;
    void setSampleTimes(int divisor);

    // Axes.
    static constexpr QSize kRangeEditSize{58, 21}; // as designed; wider for long numbers
    static QFont rangeEditFont();
    bool fitRangeEdit(QLineEdit *edit);
    vorn::graph::ChartExtents currentExtents() const;
    void applyView(const vorn::graph::GraphView &view);
    void setEditTexts(const vorn::graph::RangeEditTexts &texts);
    void Main_ChartAfterDraw(vorn::chart::ChartCanvas *canvas);
    void valueRangeEnter(QLineEdit *minEdit, QLineEdit *maxEdit, vorn::chart::ChartAxis *axis,
                         vorn::graph::EnteredEdit entered);
    void timeRangeEnter(vorn::graph::EnteredEdit entered);
    void rejectRangeEntry(QLineEdit *edit, const QString &trimmedText);

    // Cursor.
    bool timeWindowHolds(double value) const;
    void showSample(int k);
    void showSampleState(int k);
    void drawMarker(int k);
    void drawMarkerLine(vorn::chart::ChartCanvas &canvas) const;
    void movePointerToSample(int k);
    bool rangeEditHasFocus() const;
    // Gives the chart the keyboard focus, so that the arrow keys reach it,
    // unless a range edit has it.
    void focusChart();

    // The two cursors, the window's menus and the chart's pictures.
    void buildSpan();
    void buildChartMenus();
    void spanLanguage();
    void copyChart();
    void saveChartPicture();

    TFrm_Main &m_main;
    vorn::graphui::SpanCursors *m_span = nullptr;
    vorn::graphui::RecordWatch *m_watch = nullptr;
    std::vector<vorn::graph::ChargeRun> m_currentRuns;
    int m_markerIndex = -1;
    QPoint m_stepTarget;  // where a keyboard step put the pointer (screen)
    bool m_closing = false;
};
