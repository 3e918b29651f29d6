// The graph window's two dialog commands: the measurement info dialog and the
// graph settings dialog, each created, filled, shown modally and freed.
#pragma once

class TFrm_Graph;

// Shows the cycle table, the parameters, the results and the verdict of the
// window's measurement. A measurement without samples gets Err_List[21]
// instead of the dialog.
void bGraphInfoClick(TFrm_Graph &graph);

// Shows the graph settings of the window, previewed on it while the dialog is
// open. Afterwards the window counts as modified, whatever the user chose.
void bSetGraphClick(TFrm_Graph &graph);
