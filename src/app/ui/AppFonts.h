// The fonts of the windows' design, each with the nearest installed
// substitutes for machines that lack the original family.
#pragma once

#include <QFont>

namespace vorn::ui {

// Tahoma (body text of the dialogs and the default font of the main window).
QFont tahomaPx(int pixelSize, bool bold = false);
QFont tahomaPt(qreal pointSize, bool bold = false);
// Arial Narrow (banner title and clock).
QFont arialNarrowPx(int pixelSize, bool bold = false);
// Courier New (the progress window's percentage).
QFont courierNewPx(int pixelSize, bool bold = false);
// Arno Pro Caption (tooltips).
QFont arnoProCaptionPt(qreal pointSize, bool bold = false);

} // namespace vorn::ui
