// The main window's side of the comparison of measurements: its command in
// the File menu and on the toolbar, and what the comparison may ask of this
// window (the open measurements, a window to the front, a file to open).
#include "TFrm_Main.h"

#include "MainBanner.h"
#include "SaveLoad.h"
#include "app/Artwork.h"
#include "graph/MeasuringTexts.h"
#include "graph/ui/CompareHost.h"
#include "graph/ui/TFrm_Compare.h"
#include "graph/ui/TFrm_Graph.h"

#include <QAction>
#include <QMdiArea>
#include <QToolButton>

void TFrm_Main::createCompareCommand()
{
    Menu_Compare = new QAction(this);
    Menu_Compare->setObjectName(QStringLiteral("Menu_Compare"));
    Menu_Compare->setIcon(vorn::art::icon(QStringLiteral("tb_compare")));
    Btn_Compare = m_banner->Btn_Compare;
    connect(Menu_Compare, &QAction::triggered, this, &TFrm_Main::Menu_CompareClick);
    connect(Btn_Compare, &QToolButton::clicked, this, &TFrm_Main::Menu_CompareClick);
}

void TFrm_Main::applyCompareTexts()
{
    Menu_Compare->setText(texts.Text_List(vorn::graph::kTextCompare));
    Btn_Compare->setToolTip(Menu_Compare->text());
    if (m_compare)
        m_compare->Set_Language();
}

vorn::graphui::TFrm_Compare *TFrm_Main::compareWindow() const
{
    return m_compare;
}

void TFrm_Main::Menu_CompareClick()
{
    const bool opening = !m_compare;
    if (opening)
        m_compare = new vorn::graphui::TFrm_Compare(compareHost());
    if (m_compare->chooseMeasurements()) {
        m_compare->show();
        m_compare->raise();
        m_compare->activateWindow();
    } else if (opening) {
        delete m_compare;
    }
}

vorn::graphui::CompareHost TFrm_Main::compareHost()
{
    vorn::graphui::CompareHost host;
    host.owner = this;
    host.texts = &texts;
    host.openMeasurements = [this] {
        QList<vorn::graphui::CompareOffer> offers;
        for (TFrm_Graph *graph : graphWindows())
            offers.append({graph->windowTitle(), graph->filePath, &graph->File_Datas,
                           graph->recordWatch(), graph, graph->integrityWarnings});
        return offers;
    };
    host.showWindow = [this](QWidget *window) {
        auto *graph = qobject_cast<TFrm_Graph *>(window);
        if (!graph)
            return;
        activateWindow();
        raise();
        if (graph->isMinimized())
            graph->showNormal();
        m_mdi->setActiveSubWindow(graph);
    };
    host.openFile = [this](const QString &path) {
        fileDate_report = fileDateOf(path);
        m_loadFile(*this, path);
    };
    host.Sajat_Dlg = [this](const QString &text, TDialog_Type kind) { return Sajat_Dlg(text, kind); };
    return host;
}
