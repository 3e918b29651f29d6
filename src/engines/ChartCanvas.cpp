// Canvas-style drawing on a chart.
#include "ChartCanvas.h"

#include "ChartColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace vorn::chart {

namespace {

int pointsToPixels(int points)
{
    return std::max(1, int(std::lround(points * 96.0 / 72.0)));
}

} // namespace

ChartCanvas::ChartCanvas(QPainter &painter, const QRect &plotRect, bool monochrome)
    : m_painter(painter)
    , m_plotRect(plotRect)
    , m_monochrome(monochrome)
    , m_font(QStringLiteral("Arial"))
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_font.setPixelSize(pointsToPixels(8));
    applyPen();
}

ChartCanvas::~ChartCanvas()
{
    m_painter.restore();
}

QColor ChartCanvas::out(const QColor &color) const
{
    return outputColor(color, m_monochrome);
}

void ChartCanvas::applyPen()
{
    QPen pen(out(m_penColor), m_penWidth, m_penStyle, Qt::SquareCap, Qt::MiterJoin);
    m_painter.setPen(pen);
}

void ChartCanvas::setPen(const QColor &color, int width, Qt::PenStyle style)
{
    m_penColor = color;
    m_penWidth = std::max(1, width);
    m_penStyle = style;
    applyPen();
}

void ChartCanvas::setPenColor(const QColor &color)
{
    setPen(color, m_penWidth, m_penStyle);
}

void ChartCanvas::setPenWidth(int width)
{
    setPen(m_penColor, width, m_penStyle);
}

void ChartCanvas::setPenStyle(Qt::PenStyle style)
{
    setPen(m_penColor, m_penWidth, style);
}

void ChartCanvas::setBrushColor(const QColor &color)
{
    m_brushColor = color;
}

void ChartCanvas::setFont(const QString &family, int pointSize, const QColor &color, bool bold)
{
    m_font = QFont(family);
    m_font.setPixelSize(pointsToPixels(pointSize));
    m_font.setBold(bold);
    m_fontColor = color;
}

void ChartCanvas::setFontColor(const QColor &color)
{
    m_fontColor = color;
}

void ChartCanvas::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

void ChartCanvas::lineTo(int x, int y)
{
    m_painter.drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void ChartCanvas::line(int x1, int y1, int x2, int y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void ChartCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    const QRect area = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
    m_painter.fillRect(area, out(m_brushColor));
    // A pen of width w draws its outline inside the pixels of the area.
    const int inset = m_penWidth / 2;
    const QRect outline = area.adjusted(inset, inset, -(m_penWidth - inset), -(m_penWidth - inset));
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(outline);
    m_painter.restore();
}

void ChartCanvas::textOut(int x, int y, const QString &text)
{
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(out(m_fontColor));
    const QFontMetrics metrics(m_font);
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
    m_painter.restore();
}

int ChartCanvas::textWidth(const QString &text) const
{
    return QFontMetrics(m_font).horizontalAdvance(text);
}

int ChartCanvas::textHeight(const QString &) const
{
    // One line of the font, whatever the text: labels are sized by it.
    return QFontMetrics(m_font).height();
}

void ChartCanvas::sphere(int x, int y, int radius)
{
    radius = std::max(1, radius);
    const QColor base = out(m_brushColor);
    QRadialGradient shade(QPointF(x - radius / 2.0, y - radius / 2.0), radius * 1.5);
    shade.setColorAt(0.0, out(base.lighter(180)));
    shade.setColorAt(1.0, out(base.darker(150)));
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(shade);
    m_painter.drawEllipse(QPointF(x + 0.5, y + 0.5), radius + 0.5, radius + 0.5);
    m_painter.restore();
}

} // namespace vorn::chart
