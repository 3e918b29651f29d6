// Chart output as a raster image, a BMP file, an SVG document and clipboard
// content.
#pragma once

#include "engines/ChartRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QMimeData;

namespace vorn::chart {

class ChartModel;

// The chart drawn at `size` chart pixels into an opaque image.
QImage renderChartImage(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw = {});

// The chart as an SVG document (vector drawing, reduced lines).
QByteArray renderChartSvg(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw = {});

// Writes the chart as a Windows bitmap of `size` pixels to `path`, replacing
// the file only when the whole bitmap was written. On failure returns false
// and sets `error` to a text naming the path and the reason.
bool saveChartBmp(ChartModel &model, QSize size, const QString &path,
                  const AfterDrawHandler &afterDraw = {}, QString *error = nullptr);

// Writes the chart as a one-page PDF document (A4 landscape, the chart of
// `size` chart pixels scaled to fill the page with its proportions kept, in
// vector drawing) to `path`, replacing the file only when the whole document
// was written. `title` goes into the document's information. On failure
// returns false and sets `error` to a text naming the path and the reason.
bool saveChartPdf(ChartModel &model, QSize size, const QString &path, const QString &title,
                  const AfterDrawHandler &afterDraw = {}, QString *error = nullptr);

// Clipboard content: the image, plus the SVG document as the vector form
// (MIME type "image/svg+xml").
QMimeData *chartMimeData(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw = {});

} // namespace vorn::chart
