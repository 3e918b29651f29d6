// Where tiled child windows go: rows of wide windows or columns of tall ones.
#pragma once

#include <QList>
#include <QRect>

namespace vorn::ui {

// Rectangles for count windows that share area without gaps or overlap.
// Qt::Horizontal stacks wide windows one above the other, Qt::Vertical puts
// tall windows side by side; from four windows on they form a grid whose
// lines (columns for Horizontal, rows for Vertical) hold the extra windows in
// the last lines. The first rectangle is the top-left one.
QList<QRect> tileRects(const QRect &area, int count, Qt::Orientation orientation);

} // namespace vorn::ui
