// One chart axis: range (fixed or automatic), label increment and format,
// title, visibility, grid, and the conversion between values and pixels.
#pragma once

#include "engines/ChartNumberFormat.h"
#include "engines/ChartTypes.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace vorn::chart {

class ChartAxis
{
public:
    enum class Side { Left, Right, Bottom, Top };

    explicit ChartAxis(Side side);
    ChartAxis(const ChartAxis &) = delete;
    ChartAxis &operator=(const ChartAxis &) = delete;

    Side side() const { return m_side; }
    bool isVertical() const { return m_side == Side::Left || m_side == Side::Right; }

    // Range in axis units (volts, amperes, time units: whatever the series
    // hold). Setting the minimum, the maximum or both fixes the axis (it stops
    // following the data). A reversed pair is swapped: setRange(5, 1) gives
    // [1, 5], and setMinimum(v) with v above the maximum gives [maximum, v].
    // Non-finite values are ignored. min == max is allowed; it is drawn as a
    // range of one unit centred on the value.
    double minimum() const;
    double maximum() const;
    void setMinimum(double value);
    void setMaximum(double value);
    void setRange(double minimum, double maximum);

    // Automatic: the range follows the extremes of the active series bound to
    // the axis (an axis without data shows [0, 1]). Switching it back on
    // re-reads the data at the next layout.
    bool isAutomatic() const { return m_automatic; }
    void setAutomatic(bool automatic);

    // The smallest step between two labels, in axis units; 0 picks a step
    // automatically. Labels never overlap: when they would, the axis takes
    // the smallest multiple of the increment from the series 1, 2, 5, 10,
    // 20, 50, ... that leaves room between them. A range too narrow for two
    // labels at the increment gets an automatic step. Negative or
    // non-finite values count as 0.
    double increment() const { return m_increment; }
    void setIncrement(double increment);

    ChartNumberFormat labelFormat() const { return m_format; }
    void setLabelFormat(const QString &pattern);
    void setDecimalSeparator(QChar separator);
    QFont labelFont() const { return m_labelFont; }
    void setLabelFont(const QFont &font);
    QColor labelColor() const { return m_labelColor; }
    void setLabelColor(const QColor &color);
    bool labelsVisible() const { return m_labelsVisible; }
    void setLabelsVisible(bool visible);

    // Title: drawn beside the labels, turned by 90 degrees on vertical axes.
    // The title font is bold by default.
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QColor titleColor() const { return m_titleColor; }
    void setTitleColor(const QColor &color);
    QFont titleFont() const { return m_titleFont; }
    void setTitleFont(const QFont &font);

    // A hidden axis draws nothing (no line, labels, title or grid) and takes
    // no room, but keeps converting values and pixels.
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    bool isGridVisible() const { return m_gridVisible; }
    void setGridVisible(bool visible);
    QColor gridColor() const { return m_gridColor; }
    void setGridColor(const QColor &color);

    // Pixels, valid after the chart's layout (which these calls bring up to
    // date): start is the left or top end of the axis, end the right or
    // bottom end. The minimum lies at start on horizontal axes and at end on
    // vertical ones. valueToPixel rounds to whole pixels; pixelToValue is
    // its inverse (valueToPixel(pixelToValue(p)) == p for every pixel p).
    int startPixel() const;
    int endPixel() const;
    int valueToPixel(double value) const;
    double valueToPixelF(double value) const;
    double pixelToValue(double pixel) const;
    AxisMapping mapping() const;

    // Used by the chart that owns the axis.
    void setHost(ChartHost *host) { m_host = host; }
    void setPixelSpan(int start, int end);
    void setAutomaticRange(double minimum, double maximum);
    AxisMapping mappingNoLayout() const;

private:
    void notify(ChartChange change);
    void ensureLayout() const;

    Side m_side;
    ChartHost *m_host = nullptr;
    double m_min = 0.0;
    double m_max = 1.0;
    bool m_automatic = true;
    double m_increment = 0.0;
    ChartNumberFormat m_format;
    QFont m_labelFont;
    QColor m_labelColor = Qt::black;
    bool m_labelsVisible = true;
    QString m_title;
    QColor m_titleColor = Qt::black;
    QFont m_titleFont;
    bool m_visible = true;
    bool m_gridVisible = true;
    QColor m_gridColor = QColor(128, 128, 128);
    int m_start = 0;
    int m_end = 100;
};

} // namespace vorn::chart
