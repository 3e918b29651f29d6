// Opaque drawing straight into the pixels of a 32-bit raster image: filled
// rectangles and one-pixel lines, clipped to a rectangle.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <optional>

class QPainter;

namespace vorn::chart {

// A reduced series is thousands of strokes a few pixels long; through the
// painter each costs far more than its pixels. This draws the same aliased
// shapes: a rectangle covers its QRect, a line runs from one end pixel to
// the other, both included, one pixel per step along its longer direction
// (Bresenham: a sloped line may step sideways a pixel earlier or later than
// the painter's), whichever way round its ends are given.
class PixelWriter
{
public:
    // A writer for the image the painter draws on, in device pixels, when
    // writing there directly gives what the painter would: a 32-bit image
    // not shared with another, a transform that only moves by whole pixels,
    // plain opaque drawing. `clip` is in the painter's coordinates.
    static std::optional<PixelWriter> forPainter(QPainter &painter, const QRect &clip);

    void setColor(QRgb color) { m_color = color | 0xFF000000u; }
    void fillRect(const QRect &rect);
    void line(QPoint a, QPoint b);

private:
    PixelWriter(uchar *bits, qsizetype bytesPerLine, const QRect &clip)
        : m_bits(bits), m_bytesPerLine(bytesPerLine), m_clip(clip)
    {
    }
    QRgb *row(int y) const { return reinterpret_cast<QRgb *>(m_bits + y * m_bytesPerLine); }
    template<typename Inside>
    void trace(QPoint a, QPoint b, Inside inside);

    uchar *m_bits;
    qsizetype m_bytesPerLine;
    QRect m_clip; // device pixels, inside the image
    QRgb m_color = 0xFF000000u;
};

} // namespace vorn::chart
