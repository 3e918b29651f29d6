// Small helpers for the look of the graph window's readouts.
#pragma once

#include <QColor>

class QLabel;

namespace vorn::graphui {

// A readout value: bold text on a chip of the chart's background colour, so
// that it shows the same colours as the curves it belongs to.
void styleReadout(QLabel *label);
void setReadoutBackground(QLabel *label, const QColor &background);
// The colour of a label's text.
void setTextColor(QLabel *label, const QColor &color);
QColor textColor(const QLabel *label);

} // namespace vorn::graphui
