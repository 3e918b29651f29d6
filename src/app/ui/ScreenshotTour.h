// A tour of the program's windows that saves a screenshot of each, so that the
// program can be seen without a display (tools/screenshot_tour.sh runs it
// under a virtual X server). Off unless VORN_SCREENSHOT_DIR names a folder.
#pragma once

namespace vorn::ui {

// Called once at start-up. When VORN_SCREENSHOT_DIR is set, the tour waits for
// the main window to open the measurement named on the command line, then
// opens menus and windows one by one, saves "NN_name.png" files of the whole
// screen into that folder and ends the program. VORN_SCREENSHOT_SECOND may
// name a second measurement for the tiled windows.
void armScreenshotTour();

} // namespace vorn::ui
