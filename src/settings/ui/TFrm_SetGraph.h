// The graph settings dialog: visible curves, grid, limit lines, the scaling
// fields around the chart, the axis label steps and the marker step of one
// graph window, previewed on the window at once and undone unless saved.
#pragma once

#include <QDialog>
#include <QList>
#include <QMargins>

#include <memory>
#include <optional>
#include <vector>

class QWidget;
class TFrm_Graph;

namespace vorn {
class TextTables;
}

namespace Ui {
class TFrm_SetGraph;
}

// Everything the dialog can change on a graph window, as it stands.
struct GraphDisplay {
    bool voltageActive = true;   // Series1
    bool currentActive = true;   // Series2
    bool upperLimitActive = true; // Series3
    bool lowerLimitActive = true; // Series4
    bool leftAxisVisible = true;
    bool rightAxisVisible = true;
    bool currentBoxTicked = true; // the window's cbA
    bool leftGrid = true;
    bool bottomGrid = true;
    QMargins margins;             // percent of the chart size
    std::vector<bool> scalingFieldsShown; // in scalingFields() order
    double leftStep = 0;          // volts
    double rightStep = 0;         // amperes
    double bottomStep = 0;        // time-axis units
    double topStep = 0;
    int vlepeskoz = 0;

    bool operator==(const GraphDisplay &) const = default;
};

// The controls around the chart that the scaling-fields box shows and hides:
// the six axis-limit and time-range edits, the six arrow pictures and the
// zoom picture.
QList<QWidget *> scalingFields(const TFrm_Graph &graph);

GraphDisplay captureGraphDisplay(const TFrm_Graph &graph);
void restoreGraphDisplay(TFrm_Graph &graph, const GraphDisplay &display);

// What the opener puts into the controls.
struct SetGraphValues {
    int Spn_Volt = 1;   // millivolts, 1..5000
    int Spn_Amper = 1;  // milliamperes, 1..1000
    int Spn_Ido = 1;    // time-axis units, 1..1000
    int Spn_koz = 6;    // 1..10000
    bool Chb_Aram = true;
    bool Chb_Fesz = true;
    bool Chb_hatar = true;
    bool Cmb_Grid = true;
    std::optional<bool> Cmb_Scale; // unset: as designed (ticked)
};

// Created for one use by the window's settings button, which it previews on.
// Closing it any way but Save puts the window back as it was at creation.
class TFrm_SetGraph : public QDialog {
    Q_OBJECT
public:
    // Chart margins (percent) with and without the scaling fields: the
    // fields need the wide ones to sit beside the plot.
    static constexpr int WideMargin = 5;
    static constexpr int NarrowMargin = 1;
    // The voltage and current steps are shown in milli-units.
    static constexpr double Milli = 1000.0;

    explicit TFrm_SetGraph(TFrm_Graph &graph);
    ~TFrm_SetGraph() override;

    void Set_Language(const vorn::TextTables &texts);
    // Puts values into the controls without touching the window.
    void load(const SetGraphValues &values);
    SetGraphValues values() const;

    // The user saved: the preview stays when the dialog closes.
    bool Is_Save = false;

public slots:
    // ---- visible curves, grid and scaling fields ----
    void Chb_AramClick();
    void Chb_FeszClick();
    void Chb_hatarClick();
    void Cmb_GridClick();
    void Cmb_ScaleClick();
    // ---- label steps and marker step ----
    void Spn_VoltChange();
    void Spn_AmperChange();
    void Spn_IdoChange();
    void Spn_kozChange();
    // ---- buttons ----
    // Writes the steps to the settings file and closes; a failed write
    // says so and leaves the dialog open.
    void Btn_SaveClick();
    void Btn_CancelClick();

    // FormClose, whichever way the dialog closes.
    void done(int result) override;

private:
    void connectControls();

    std::unique_ptr<Ui::TFrm_SetGraph> ui;
    TFrm_Graph &m_graph;
    const GraphDisplay m_atOpening;
    bool m_loading = false; // load() is filling the controls: no preview
};
