// The graph window's info and settings commands.
#include "GraphDialogs.h"

#include "TFrm_GraphInfo.h"
#include "TFrm_SetGraph.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartWidget.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "graph/CycleTable.h"
#include "graph/MeasurementParams.h"
#include "graph/ui/TFrm_Graph.h"

#include <QPointer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>
#include <optional>

namespace {

// Rows by the list's built-in column captions. A failing evaluation says so;
// the rows written until then stay.
void fillCycleList(TFrm_GraphInfo &dialog, const TFile_Datas &record, TFrm_Main &main)
{
    using namespace vorn::graph;
    TLxListViewSearch *list = dialog.Lsv_Lista();
    try {
        for (const CycleSegment &segment : Meresi_Param_Szetvalogatas(record, CycleInfoList)) {
            list->NewRow();
            for (const auto &[caption, text] : cycleListRow(segment, main.texts))
                list->MaxRowEdit(caption, text);
        }
    } catch (const std::exception &) {
        main.Sajat_Dlg(main.texts.Err_List(20), dtError);
    }
}

// The whole number nearest to value; the spin field then keeps it within its
// range (a time step of 0.1 shows as 1, the smallest step the field has).
int nearestWhole(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::llround(std::clamp(value, double(INT_MIN), double(INT_MAX))));
}

// The chart's left, right and bottom margins, when they are all the same.
std::optional<int> commonSideMargin(const vorn::chart::ChartWidget &chart)
{
    const QMargins m = chart.margins();
    if (m.left() == m.right() && m.left() == m.bottom())
        return m.left();
    return std::nullopt;
}

SetGraphValues valuesOf(const TFrm_Graph &graph)
{
    const vorn::chart::ChartWidget &chart = *graph.Main_Chart;
    SetGraphValues values;
    values.Spn_Volt = nearestWhole(chart.leftAxis()->increment() * TFrm_SetGraph::Milli);
    values.Spn_Amper = nearestWhole(chart.rightAxis()->increment() * TFrm_SetGraph::Milli);
    values.Spn_Ido = nearestWhole(chart.bottomAxis()->increment());
    values.Spn_koz = graph.vlepeskoz;
    // A curve counts as shown with its axis.
    values.Chb_Aram = chart.rightAxis()->isVisible();
    values.Chb_Fesz = chart.leftAxis()->isVisible();
    values.Cmb_Grid = chart.bottomAxis()->isGridVisible();
    values.Chb_hatar = graph.Series3->isActive();
    const std::optional<int> margin = commonSideMargin(chart);
    if (margin == TFrm_SetGraph::WideMargin || margin == TFrm_SetGraph::NarrowMargin)
        values.Cmb_Scale = margin == TFrm_SetGraph::WideMargin;
    return values;
}

} // namespace

void bGraphInfoClick(TFrm_Graph &graph)
{
    TFrm_Main &main = graph.mainWindow();
    if (graph.File_Datas.Meres_Datas.empty()) {
        main.Sajat_Dlg(main.texts.Err_List(21), dtError);
        return;
    }
    QPointer<TFrm_GraphInfo> dialog = new TFrm_GraphInfo(&graph);
    // The rows first: they are written under the captions the texts replace.
    fillCycleList(*dialog, graph.File_Datas, main);
    dialog->showOtherParams(vorn::graph::Fill_Other_Params(graph.File_Datas, main.texts),
                            main.texts);
    dialog->Set_Language(main.texts);
    dialog->exec();
    delete dialog.data();
}

void bSetGraphClick(TFrm_Graph &graph)
{
    QPointer<TFrm_Graph> window = &graph;
    QPointer<TFrm_SetGraph> dialog = new TFrm_SetGraph(graph);
    dialog->Set_Language(graph.mainWindow().texts);
    dialog->load(valuesOf(graph));
    dialog->exec();
    delete dialog.data();
    if (window)
        window->Is_Modified = true;
}
