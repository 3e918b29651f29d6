// The chart widget: shows a ChartModel, keeps the drawn chart in a frame
// cache, handles zoom and pan with the mouse, and reports mouse, key,
// resize, zoom and after-draw events as signals.
#pragma once

#include "engines/ChartModel.h"
#include "engines/ChartRenderer.h"
#include "engines/ChartZoom.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace vorn::chart {

class ChartCanvas;

// Axes, series and look come from ChartModel (leftAxis(), addSeries(),
// setBackgroundColor(), plotRect(), ...). All positions are chart pixels:
// widget coordinates, origin at the top-left corner.
//
// Drawing: the chart is rendered into a cached frame whenever its content
// or look changed, and afterDraw runs at the end of every such rendering.
// refresh() and redrawNow() force a new rendering (and so afterDraw); a
// plain QWidget::update() or repaint() only shows the cached frame with the
// overlay, which makes cursor lines cheap at any number of points. A chart
// whose series share the points of another chart's series does not hear of
// changes made there: call refresh() after them.
class ChartWidget : public QWidget, public ChartModel
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget *parent = nullptr);
    ~ChartWidget() override;

    // --- Zoom and pan --- In zoom mode a left-button drag down and to the
    // right zooms the left, right and bottom axes to the rectangle (they
    // become fixed); a drag up or to the left undoes the zoom (back to the
    // view before the first zoom) and emits zoomUndone(). Drags shorter than
    // ChartZoom::kMinDrag pixels do nothing. With panning on, dragging with
    // the pan button (middle by default) shifts the three axes.
    bool isZoomEnabled() const { return m_zoom.isZoomEnabled(); }
    void setZoomEnabled(bool enabled);
    bool isPanEnabled() const { return m_zoom.isPanEnabled(); }
    void setPanEnabled(bool enabled) { m_zoom.setPanEnabled(enabled); }
    void setPanButton(Qt::MouseButton button) { m_zoom.setPanButton(button); }
    void zoomTo(const QRect &pixels);
    void undoZoom(); // emits zoomUndone()

    // --- Redrawing ---
    void refresh();   // render again at the next paint
    void redrawNow(); // render again and paint before returning

    // --- Overlay --- Drawn over the cached frame at every paint, until
    // replaced or cleared; not part of any output. For cursor lines.
    using OverlayPainter = std::function<void(ChartCanvas &)>;
    void setOverlay(OverlayPainter overlay);
    void clearOverlay();

    // --- Output --- The chart with what afterDraw adds, never the overlay.
    // drawChart lays the chart out at `size` chart pixels at the painter's
    // origin; drawChartInto draws it at its on-screen size scaled into
    // `target`. On vector devices (PDF, printer, SVG, QPicture) the result is
    // vector drawing with lines reduced per column.
    void drawChart(QPainter &painter, QSize size);
    void drawChartInto(QPainter &painter, const QRectF &target);
    QImage toImage();                // on-screen size
    QByteArray toSvg();              // on-screen size
    bool saveToBmp(const QString &path, QString *error = nullptr);
    void copyToClipboard();          // image plus SVG

Q_SIGNALS:
    // At the end of every rendering, on screen and in every output; the
    // canvas draws on the chart with its plot rectangle and layout current.
    void afterDraw(vorn::chart::ChartCanvas *canvas);
    void mouseDown(QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers);
    void mouseMoved(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseUp(QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers);
    void doubleClicked(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Ctrl is (modifiers & Qt::ControlModifier).
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void resized(QSize size);
    void zoomed();
    void zoomUndone();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void onChartChanged(ChartChange change) override;
    // Keeps the layout size equal to the widget size, also while the widget
    // is hidden and gets no resize events.
    void ensureLayout() override;

private:
    void renderFrame();
    AfterDrawHandler afterDrawHandler();
    void paintRubberBand(QPainter &painter);

    ChartZoom m_zoom;
    QImage m_frame;
    bool m_frameValid = false;
    OverlayPainter m_overlay;
};

} // namespace vorn::chart
