// Everything a chart is made of, without a window: four axes, the series,
// the look (background, title, legend, margins, frame, monochrome) and the
// layout at the chart's size. ChartWidget shows a ChartModel on screen; the
// renderer draws one into any QPainter.
#pragma once

#include "engines/ChartAxis.h"
#include "engines/ChartLayout.h"
#include "engines/ChartSeries.h"
#include "engines/ChartTypes.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

namespace vorn::chart {

class ChartModel : public ChartHost
{
public:
    ChartModel();
    virtual ~ChartModel();
    ChartModel(const ChartModel &) = delete;
    ChartModel &operator=(const ChartModel &) = delete;

    // --- Axes --- The top axis is hidden by default; while automatic it
    // shows the bottom axis range.
    ChartAxis *leftAxis() { return &m_left; }
    ChartAxis *rightAxis() { return &m_right; }
    ChartAxis *bottomAxis() { return &m_bottom; }
    ChartAxis *topAxis() { return &m_top; }
    const ChartAxis *leftAxis() const { return &m_left; }
    const ChartAxis *rightAxis() const { return &m_right; }
    const ChartAxis *bottomAxis() const { return &m_bottom; }
    const ChartAxis *topAxis() const { return &m_top; }
    ChartAxis *axis(ChartAxis::Side side);
    // The decimal separator of every axis label (the program uses ",").
    void setDecimalSeparator(QChar separator);

    // --- Series --- Drawn in the order they were added (the first lies
    // underneath). The chart owns them.
    ChartSeries *addSeries(ChartAxis::Side verticalAxis = ChartAxis::Side::Left);
    int seriesCount() const { return int(m_series.size()); }
    ChartSeries *series(int index) { return m_series[size_t(index)].get(); }
    const ChartSeries *series(int index) const { return m_series[size_t(index)].get(); }

    // --- Look ---
    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool isTitleVisible() const { return m_titleVisible; }
    void setTitleVisible(bool visible);
    QFont titleFont() const { return m_titleFont; }
    // The legend lists the titles of the active series below the plot.
    bool isLegendVisible() const { return m_legendVisible; }
    void setLegendVisible(bool visible);
    QFont legendFont() const { return m_legendFont; }
    // Margins in percent: left and right of the chart width, top and bottom
    // of its height (5 on a 951-pixel-wide chart leaves 48 pixels).
    QMargins margins() const { return m_margins; }
    void setMargins(const QMargins &percent);
    void setMargins(int left, int top, int right, int bottom) { setMargins(QMargins(left, top, right, bottom)); }
    // A raised bevelled frame around the whole chart.
    bool isBevelled() const { return m_bevelled; }
    void setBevelled(bool bevelled);
    // Everything in black and white on white: lines and texts black, greys
    // kept grey, whatever the colours set.
    bool isMonochrome() const { return m_monochrome; }
    void setMonochrome(bool monochrome);

    // --- Geometry --- The size the chart is laid out for (the widget keeps
    // it equal to its own size). The plot rectangle has inclusive edges: the
    // bottom axis minimum lies on its left column, the maximum on its right.
    QSize chartSize() const { return m_size; }
    void setChartSize(QSize size);
    QRect plotRect();
    const ChartLayoutResult &chartLayout();

    void ensureLayout() override;
    void chartChanged(ChartChange change) override;

    // Lays the chart out at another size for the lifetime of the scope (to
    // draw it at that size), then returns to the chart's own size.
    class SizeScope
    {
    public:
        SizeScope(ChartModel &model, QSize size);
        ~SizeScope();
        SizeScope(const SizeScope &) = delete;
        SizeScope &operator=(const SizeScope &) = delete;

    private:
        ChartModel &m_model;
        QSize m_saved;
    };

protected:
    // Called after every change of the chart's content or look.
    virtual void onChartChanged(ChartChange) {}
    // True while a SizeScope lays the chart out at another size.
    bool isInSizeScope() const { return m_sizeScopes > 0; }

private:
    void updateAutomaticRanges();
    std::pair<double, double> dataRange(const ChartAxis &axis) const;
    void changed(ChartChange change) { chartChanged(change); }

    ChartAxis m_left{ChartAxis::Side::Left};
    ChartAxis m_right{ChartAxis::Side::Right};
    ChartAxis m_bottom{ChartAxis::Side::Bottom};
    ChartAxis m_top{ChartAxis::Side::Top};
    std::vector<std::unique_ptr<ChartSeries>> m_series;
    QColor m_background = Qt::white;
    QString m_title;
    bool m_titleVisible = false;
    QFont m_titleFont;
    bool m_legendVisible = false;
    QFont m_legendFont;
    QMargins m_margins{3, 4, 3, 4};
    bool m_bevelled = false;
    bool m_monochrome = false;
    QSize m_size{400, 250};
    ChartLayoutResult m_layout;
    bool m_layoutDirty = true;
    bool m_rangesDirty = true;
    bool m_inLayout = false;
    int m_sizeScopes = 0;
};

} // namespace vorn::chart
