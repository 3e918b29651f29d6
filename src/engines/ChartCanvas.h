// A drawing helper handed to after-draw handlers and overlays: pen, brush and
// font state plus move-to/line-to, rectangles, text and a sphere marker, all
// in chart pixels, on top of a QPainter.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace vorn::chart {

class ChartCanvas
{
public:
    // `plotRect` is the plot rectangle of the chart being drawn; with
    // `monochrome` every colour is drawn as black, white or grey.
    ChartCanvas(QPainter &painter, const QRect &plotRect, bool monochrome);
    ~ChartCanvas();
    ChartCanvas(const ChartCanvas &) = delete;
    ChartCanvas &operator=(const ChartCanvas &) = delete;

    QPainter &painter() { return m_painter; }
    QRect plotRect() const { return m_plotRect; }

    // Pen: colour, width in pixels (at least 1) and style (Qt::DashDotLine
    // for the cursor line). The pen outlines rectangles and draws lines.
    void setPen(const QColor &color, int width = 1, Qt::PenStyle style = Qt::SolidLine);
    void setPenColor(const QColor &color);
    void setPenWidth(int width);
    void setPenStyle(Qt::PenStyle style);
    // Brush: the fill of rectangles and of the sphere marker.
    void setBrushColor(const QColor &color);
    // Font by family name and size in points (at 96 dpi, as on screen).
    void setFont(const QString &family, int pointSize, const QColor &color, bool bold = false);
    void setFontColor(const QColor &color);
    QFont font() const { return m_font; }

    void moveTo(int x, int y);
    void lineTo(int x, int y); // draws from the current position, then moves there
    void line(int x1, int y1, int x2, int y2);
    // Filled with the brush and outlined with the pen, covering the pixels
    // x1 .. x2-1 and y1 .. y2-1.
    void rectangle(int x1, int y1, int x2, int y2);
    // Text with its top-left corner at (x, y), in the font colour.
    void textOut(int x, int y, const QString &text);
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;
    // A shaded ball in the brush colour centred on (x, y); radius 2 is the
    // cursor marker.
    void sphere(int x, int y, int radius);

private:
    QColor out(const QColor &color) const;
    void applyPen();

    QPainter &m_painter;
    QRect m_plotRect;
    bool m_monochrome;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    QColor m_brushColor = Qt::white;
    QFont m_font;
    QColor m_fontColor = Qt::black;
    QPoint m_position;
};

} // namespace vorn::chart
