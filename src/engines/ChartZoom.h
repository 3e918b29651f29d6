// Mouse zoom and pan of a chart: dragging a rectangle down and to the right
// zooms all three axes to it, a drag the other way undoes the zoom; a drag
// with the pan button shifts the axes.
#pragma once

#include <QPoint>
#include <QRect>

namespace vorn::chart {

class ChartModel;

class ChartZoom
{
public:
    enum class Outcome { None, Zoomed, ZoomUndone };

    // Drags shorter than this (pixels) in either direction do nothing.
    static constexpr int kMinDrag = 4;

    explicit ChartZoom(ChartModel &model);

    bool isZoomEnabled() const { return m_zoomEnabled; }
    void setZoomEnabled(bool enabled);
    bool isPanEnabled() const { return m_panEnabled; }
    void setPanEnabled(bool enabled) { m_panEnabled = enabled; }
    Qt::MouseButton panButton() const { return m_panButton; }
    void setPanButton(Qt::MouseButton button) { m_panButton = button; }

    // Mouse handling in chart pixels. press() returns true when a zoom or pan
    // drag starts; move() returns true when the view or the rubber band
    // changed.
    bool press(QPoint pos, Qt::MouseButton button);
    bool move(QPoint pos);
    Outcome release(QPoint pos, Qt::MouseButton button);
    void cancel();

    // The rectangle being dragged, empty when there is none.
    QRect rubberBand() const;

    // Applies a zoom to the rectangle between two chart pixels (any order)
    // and remembers the view before the first zoom.
    void zoomTo(const QRect &pixels);
    // Returns to the view before the first zoom, if any.
    void undoZoom();
    bool isZoomed() const { return m_hasSaved; }

private:
    enum class Drag { None, Zoom, Pan };
    struct AxisState {
        double minimum = 0.0;
        double maximum = 1.0;
        bool automatic = true;
    };

    void saveView();
    void pan(QPoint from, QPoint to);

    ChartModel &m_model;
    bool m_zoomEnabled = false;
    bool m_panEnabled = false;
    Qt::MouseButton m_panButton = Qt::MiddleButton;
    Drag m_drag = Drag::None;
    QPoint m_start;
    QPoint m_current;
    bool m_hasSaved = false;
    AxisState m_saved[3]; // left, right, bottom
};

} // namespace vorn::chart
