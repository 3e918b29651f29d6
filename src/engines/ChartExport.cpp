// Raster, BMP, SVG and clipboard output of a chart.
#include "ChartExport.h"

#include "ChartModel.h"
#include "settings/SafeFileWrite.h"

#include <QBuffer>
#include <QImageWriter>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace vorn::chart {

QImage renderChartImage(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderChart(painter, model, size, afterDraw);
    return image;
}

QByteArray renderChartSvg(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    QPainter painter(&generator);
    renderChart(painter, model, size, afterDraw);
    painter.end();
    return bytes;
}

bool saveChartBmp(ChartModel &model, QSize size, const QString &path, const AfterDrawHandler &afterDraw,
                  QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(renderChartImage(model, size, afterDraw))) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    const FileWriteResult written = writeFileSafely(path, bytes);
    if (!written.ok && error)
        *error = written.errorText;
    return written.ok;
}

bool saveChartPdf(ChartModel &model, QSize size, const QString &path, const QString &title,
                  const AfterDrawHandler &afterDraw, QString *error)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter(&pdf);
        const QRect page = painter.viewport();
        const double scale = std::min(page.width() / double(size.width()), page.height() / double(size.height()));
        painter.scale(scale, scale);
        renderChart(painter, model, size, afterDraw);
        if (!painter.end()) {
            if (error)
                *error = QStringLiteral("%1: the PDF document cannot be drawn").arg(path);
            return false;
        }
    }
    const FileWriteResult written = writeFileSafely(path, bytes);
    if (!written.ok && error)
        *error = written.errorText;
    return written.ok;
}

QMimeData *chartMimeData(ChartModel &model, QSize size, const AfterDrawHandler &afterDraw)
{
    auto *mime = new QMimeData;
    mime->setImageData(renderChartImage(model, size, afterDraw));
    mime->setData(QStringLiteral("image/svg+xml"), renderChartSvg(model, size, afterDraw));
    return mime;
}

} // namespace vorn::chart
