// Opening a measurement file into a new graph window and saving the active
// one: the windows' side of the measurement reader and writer.
#pragma once

#include <QString>

class TFrm_Main;
class TFrm_Graph;

// Reads FileName into a new, maximised graph window, with the progress window
// on screen; on failure shows the reader's message and leaves no window.
// Only on the user-interface thread, never while another load runs.
void Load_FROM_File(TFrm_Main &main, const QString &FileName);

// Asks for a file name (proposing the window's caption), confirms an
// overwrite, and writes ChildForm's measurement safely: a failed save leaves
// the existing file as it was and says why.
void Save_TO_File(TFrm_Main &main, TFrm_Graph &ChildForm);
