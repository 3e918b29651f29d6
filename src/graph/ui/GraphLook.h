// Small helpers for the look of the graph window's readouts.
#pragma once

#include <QColor>

class QLabel;

namespace vorn::graphui {

// A readout value: bold text in a small framed box.
void styleReadout(QLabel *label);
// The colour of a readout's text. The box behind it turns dark for a light
// colour (a yellow curve colour stays readable) and light for a dark one.
void setTextColor(QLabel *label, const QColor &color);

} // namespace vorn::graphui
