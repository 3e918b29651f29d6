// Direct pixel writing for the series lines.
#include "ChartPixelWriter.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorn::chart {

std::optional<PixelWriter> PixelWriter::forPainter(QPainter &painter, const QRect &clip)
{
    QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto *image = static_cast<QImage *>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    // A shared image would be copied by bits(), away from the painter.
    if (image->isNull() || !image->isDetached())
        return std::nullopt;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || transform.dx() != std::trunc(transform.dx())
        || transform.dy() != std::trunc(transform.dy()))
        return std::nullopt;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver || painter.opacity() != 1.0)
        return std::nullopt;
    const QRect deviceClip =
        clip.translated(int(transform.dx()), int(transform.dy())).intersected(image->rect());
    return PixelWriter(image->bits(), image->bytesPerLine(), deviceClip);
}

void PixelWriter::fillRect(const QRect &rect)
{
    const QRect r = rect.intersected(m_clip);
    if (r.isEmpty())
        return;
    const int width = r.width();
    const qsizetype step = m_bytesPerLine / qsizetype(sizeof(QRgb));
    QRgb *p = row(r.top()) + r.left();
    // Mostly the bars of a reduced line, a few pixels wide: such rows are
    // written without a loop of their own.
    for (int rows = r.height(); rows > 0; --rows, p += step) {
        switch (width) {
        case 4: p[3] = m_color; [[fallthrough]];
        case 3: p[2] = m_color; [[fallthrough]];
        case 2: p[1] = m_color; [[fallthrough]];
        case 1: p[0] = m_color; break;
        default: std::fill_n(p, width, m_color);
        }
    }
}

void PixelWriter::line(QPoint a, QPoint b)
{
    // Drawn from the left end (from the top end when steep), so that a line
    // covers the same pixels whichever way round it is given.
    const bool steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
    if (steep ? b.y() < a.y() : b.x() < a.x())
        std::swap(a, b);
    const QRect bounds = QRect(a, b).normalized();
    if (!bounds.intersects(m_clip))
        return;
    if (m_clip.contains(bounds))
        trace(a, b, [](int, int) { return true; });
    else
        trace(a, b, [this](int x, int y) { return m_clip.contains(x, y); });
}

template<typename Inside>
void PixelWriter::trace(QPoint a, QPoint b, Inside inside)
{
    // Bresenham from a to b, both ends included.
    const int dx = std::abs(b.x() - a.x());
    const int dy = std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int x = a.x();
    int y = a.y();
    int error = dx - dy;
    for (;;) {
        if (inside(x, y))
            row(y)[x] = m_color;
        if (x == b.x() && y == b.y())
            return;
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
}

} // namespace vorn::chart
