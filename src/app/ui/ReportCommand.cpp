// The report command: checks the active graph window and hands the report
// window what it needs of the graph window and the main window.
#include "ReportCommand.h"

#include "TFrm_Main.h"
#include "engines/ChartWidget.h"
#include "graph/ui/TFrm_Graph.h"
#include "report/ui/TFrm_Report.h"
#include "settings/NumberFormat.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace {

bool axisBoxesHoldNumbers(const TFrm_Graph &graph)
{
    for (const QLineEdit *box : {graph.Edt_Min_fesz, graph.Edt_Max_fesz, graph.Edt_Min_Aram, graph.Edt_Max_Aram}) {
        if (!vorn::numfmt::parseFloat(box->text()))
            return false;
    }
    return true;
}

vorn::report::ReportAxes axesOf(vorn::chart::ChartWidget &chart)
{
    vorn::report::ReportAxes axes;
    axes.left = {chart.leftAxis()->minimum(), chart.leftAxis()->maximum()};
    axes.right = {chart.rightAxis()->minimum(), chart.rightAxis()->maximum()};
    axes.bottom = {chart.bottomAxis()->minimum(), chart.bottomAxis()->maximum()};
    axes.leftTitle = chart.leftAxis()->title();
    axes.rightTitle = chart.rightAxis()->title();
    axes.bottomTitle = chart.bottomAxis()->title();
    return axes;
}

} // namespace

ReportHost reportHostFor(TFrm_Main &main, TFrm_Graph &graph)
{
    ReportHost host;
    host.record = &graph.File_Datas;
    host.series = {graph.Series1, graph.Series2, graph.Series3, graph.Series4};
    host.axes = axesOf(*graph.Main_Chart);
    host.timeUnit = graph.Cmb_Time->currentIndex();
    host.timeFrom = graph._tol->text();
    host.timeTo = graph._ig->text();
    host.texts = &main.texts;
    host.colors = {main._c2, main._c5, main._c6, main._c8};
    host.fileDate_report = main.fileDate_report;
    QPointer<TFrm_Graph> window = &graph;
    host.setModified = [window] {
        if (window)
            window->Is_Modified = true;
    };
    host.Sajat_Dlg = [&main](const QString &text, TDialog_Type kind) {
        // Over the report window, which is modal while it is open.
        QWidget *owner = QApplication::activeModalWidget();
        return Sajat_Dlg(owner ? owner : &main, main.texts, text, kind);
    };
    return host;
}

void openReportCommand(TFrm_Main &main)
{
    vorn::numfmt::useComma();
    TFrm_Graph *graph = main.activeGraph();
    if (!graph) {
        main.Menu_Report->setEnabled(false);
        return;
    }
    if (!axisBoxesHoldNumbers(*graph)) {
        main.Sajat_Dlg(main.texts.Err_List(19), dtError);
        return;
    }
    showReportWindow(reportHostFor(main, *graph), &main);
}
