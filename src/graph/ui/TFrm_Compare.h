// The comparison of measurements: one chart with each measurement's voltage
// curve (and, when asked, its current) aligned at the start of its first
// discharge or at its first sample, a cursor read-out per curve at the same
// time, and under the chart a sortable, searchable table of the
// measurements. The curves read the records where they lie.
#pragma once

#include "CompareHost.h"
#include "TFrm_ComparePick.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;
class QTreeWidgetItem;
class TLxListViewSearch;

namespace vorn::chart {
class ChartCanvas;
class ChartSeries;
class ChartWidget;
}

namespace vorn::graphui {

class CompareMeasurement;
class ReadoutPanel;

class TFrm_Compare : public QWidget {
    Q_OBJECT
public:
    explicit TFrm_Compare(const CompareHost &host);
    ~TFrm_Compare() override;

    // Asks which measurements to compare (the open graph windows and the
    // ones compared now ticked, files may be added), then shows them. False
    // when the user cancelled or chose none.
    bool chooseMeasurements();
    // Shows exactly these measurements; files that cannot be read are named
    // in one message and left out.
    void setMeasurements(const QList<CompareChoice> &choices);

    int measurementCount() const { return int(m_curves.size()); }
    CompareMeasurement *measurement(int index) const { return m_curves[size_t(index)].measurement; }
    vorn::chart::ChartSeries *voltageSeries(int index) const { return m_curves[size_t(index)].voltage; }
    vorn::chart::ChartSeries *currentSeries(int index) const { return m_curves[size_t(index)].current; }
    QColor curveColor(int index) const;
    // The cursor's time in seconds of the comparison's time; none before the
    // mouse first moved over the plot.
    std::optional<double> cursorTime() const { return m_cursorSeconds; }
    void setCursorTime(double seconds);
    // The table row (in its current order) of a measurement.
    int rowOf(int index) const;

    void Set_Language();

    // ---- controls ----
    vorn::chart::ChartWidget *Main_Chart = nullptr;
    TLxListViewSearch *Lsv_Table = nullptr;
    ReadoutPanel *Pnl_Readout = nullptr;
    QPushButton *Btn_Choose = nullptr;
    QCheckBox *Chb_Align = nullptr;
    QCheckBox *Chb_Current = nullptr;
    QComboBox *Cmb_Time = nullptr;
    QToolButton *Btn_Def_Size = nullptr, *Btn_ExportTable = nullptr, *Btn_CopyChart = nullptr,
                *Btn_SaveBmp = nullptr, *Btn_SavePdf = nullptr;

public slots:
    void Btn_ChooseClick();
    void Chb_AlignClick();
    void Chb_CurrentClick();
    void Cmb_TimeChange(int index);
    void Btn_Def_SizeClick();
    void Btn_ExportTableClick();
    void Btn_CopyChartClick();
    void Btn_SaveBmpClick();
    void Btn_SavePdfClick();
    // Brings the row's measurement's graph window to the front, opening
    // the file in a new one when no window shows it.
    void Lsv_TableDblClick(QTreeWidgetItem *item);

private:
    struct Curve {
        CompareMeasurement *measurement = nullptr;
        vorn::chart::ChartSeries *voltage = nullptr;
        vorn::chart::ChartSeries *current = nullptr;
    };

    // Construction.
    QWidget *buildToolRow();
    QToolButton *toolButton(const char *name, const QString &art);
    void buildChart();
    void buildTable();
    void connectHandlers();

    // Measurements and curves.
    CompareMeasurement *measurementFor(const CompareChoice &choice, QStringList &unreadable);
    CompareMeasurement *readFile(const QString &path, QStringList &unreadable);
    CompareMeasurement *adopt(CompareMeasurement *measurement);
    void showCurves();
    void showCurve(int index);
    void fillTable();
    int timeUnit() const;
    void mouseOverChart(QPoint pos);
    void drawCursor(vorn::chart::ChartCanvas &canvas) const;
    void showReadout();
    void placeReadout();

    CompareHost m_host;
    std::vector<Curve> m_curves;
    // Series made so far; those beyond the curves shown stay empty.
    std::vector<std::pair<vorn::chart::ChartSeries *, vorn::chart::ChartSeries *>> m_seriesPool;
    std::optional<double> m_cursorSeconds;
};

} // namespace vorn::graphui
