// The report command of the main window (Btn_Cert, Menu_Report).
#pragma once

#include "report/ui/ReportHost.h"

class TFrm_Graph;
class TFrm_Main;

// What the report window gets of the graph window and the main window.
ReportHost reportHostFor(TFrm_Main &main, TFrm_Graph &graph);

// Opens the test report of the active graph window: disables Menu_Report when
// there is none, refuses (Err_List[19]) when an axis limit box of the graph
// window holds no number, else shows the report window modally.
void openReportCommand(TFrm_Main &main);
