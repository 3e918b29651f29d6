// Stand-ins for the graph window and the measurement reader and writer while
// they are not part of the build: the shell's tests need their symbols to
// link, and none of these tests opens a graph window.
#include "app/ui/SaveLoad.h"
#include "graph/ui/TFrm_Graph.h"

#ifdef VORN_STUB_GRAPH_WINDOW
TFrm_Graph::TFrm_Graph(TFrm_Main &main) : m_main(main) {}
TFrm_Graph::~TFrm_Graph() = default;
void TFrm_Graph::SpeedUp_GraphChart() {}
void TFrm_Graph::Fill_Child_Diagram(const Progress &) {}
void TFrm_Graph::Change_TimeUnit(int) {}
void TFrm_Graph::Set_Limit_Lines() {}
void TFrm_Graph::SetAxis() {}
void TFrm_Graph::MakeMenu() {}
void TFrm_Graph::removeMenu() {}
void TFrm_Graph::SetMenu() {}
void TFrm_Graph::ChangeMenu() {}
void TFrm_Graph::Change_Language() {}
void TFrm_Graph::Set_Chart_Color() {}
void TFrm_Graph::closeEvent(QCloseEvent *event) { QMdiSubWindow::closeEvent(event); }
#endif

#ifdef VORN_STUB_SAVE_LOAD
void Load_FROM_File(TFrm_Main &, const QString &) {}
void Save_TO_File(TFrm_Main &, TFrm_Graph &) {}
#endif
