// The program's own pictures: SVG files compiled into the resource "/art",
// turned into icons and pixmaps that stay crisp at any screen scale.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vorn::art {

// Resource path of a picture, ":/art/<name>.svg".
QString resourcePath(const QString &name);

// Every picture the program ships, including the greyed "_off" variants of
// the toolbar glyphs, in a fixed order.
const QStringList &allNames();

// The logical size (device-independent pixels) a picture is drawn for; an
// invalid QSize for a name that is not one of allNames().
QSize intendedSize(const QString &name);

// An icon rendered from the SVG at whatever size and scale it is asked for.
// When "<name>_off" exists it is the disabled state; otherwise Qt greys the
// normal picture itself.
QIcon icon(const QString &name);

// The picture rendered at logicalSize (device-independent pixels) for the
// given device pixel ratio, which the pixmap carries; a ratio of 0 or less
// means the application's. The picture is stretched to fill logicalSize.
// A null pixmap for an unknown name or an empty size.
QPixmap pixmap(const QString &name, QSize logicalSize, qreal devicePixelRatio = 0.0);

} // namespace vorn::art
