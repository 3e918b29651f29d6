// The program's logo for the printed report: in colour as a vector drawing
// (the designed content of the template's picture "Picture1") and as the
// black-and-white bitmap that black-and-white output puts in its place.
#pragma once

#include <QImage>
#include <QPicture>
#include <QSizeF>
#include <QString>

namespace vorn::report {

// The resource path of the program's logo (SVG) inside the engine.
QString appLogoResource();

// An SVG resource drawn as vectors into a picture of `size` template units;
// a null picture when the resource cannot be read.
QPicture svgPicture(const QString &resource, const QSizeF &size);

// The program's logo in black and white (grey levels only, no colour) on
// white: 78 × 78 template units, the artwork filling its top-left 76 × 76 so
// that it shows whole in the 80 × 76 logo frame. The bitmap has three device
// pixels per unit (QImage::devicePixelRatio 3) so that it prints sharp.
QImage blackWhiteAppLogo();

} // namespace vorn::report
