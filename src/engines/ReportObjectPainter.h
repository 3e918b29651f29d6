// Draws one report object onto a painter whose coordinates are template units.
#pragma once

#include <QPointF>

class QPainter;

namespace vorn::report {

class ReportObject;

// Draws `object` with its geometry taken relative to `origin`: memos as
// clipped multi-line text, pictures by their flags, rich text with its inner
// gaps, shapes as a thin black outline.
void drawReportObject(QPainter &painter, const ReportObject &object, const QPointF &origin);

} // namespace vorn::report
