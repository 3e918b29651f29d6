// Fonts and text measurement of the report engine: the Windows font names of
// the template resolve to metric-compatible fonts, and text is laid out the
// same way whatever the device it is drawn on.
#pragma once

#include <QFont>

class QPaintDevice;

namespace vorn::report {

// Makes "Arial", "Tahoma" and "Courier New" resolve to the metric-compatible
// Liberation and DejaVu fonts where the original fonts are not installed, so
// text keeps the width the layout was designed for. Needs a QGuiApplication;
// later calls do nothing.
void ensureReportFonts();

// Text is laid out for a reference device of kLayoutScale × 96 dots per
// inch and drawn scaled down by kLayoutScale: a 10 pt font is then 13.33
// template units tall. The high resolution keeps the font engine's whole-
// pixel rounding of ascent and descent from adding up over many lines.
inline constexpr double kLayoutScale = 10.0;
QPaintDevice *textLayoutDevice();

// `font` as the report draws it: no hinting, so glyph advances are the same
// on screen, printer and PDF.
QFont reportFont(const QFont &font);

// Template units (96 per inch) per millimetre.
inline constexpr double kUnitsPerMm = 96.0 / 25.4;

} // namespace vorn::report
