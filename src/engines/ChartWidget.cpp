// The chart widget: frame cache, overlay, mouse zoom/pan and event signals.
#include "ChartWidget.h"

#include "ChartCanvas.h"
#include "ChartExport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace vorn::chart {

ChartWidget::ChartWidget(QWidget *parent)
    : QWidget(parent)
    , m_zoom(*this)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setChartSize(size());
}

ChartWidget::~ChartWidget() = default;

void ChartWidget::setZoomEnabled(bool enabled)
{
    m_zoom.setZoomEnabled(enabled);
    update();
}

void ChartWidget::zoomTo(const QRect &pixels)
{
    m_zoom.zoomTo(pixels);
    Q_EMIT zoomed();
}

void ChartWidget::undoZoom()
{
    m_zoom.undoZoom();
    Q_EMIT zoomUndone();
}

void ChartWidget::refresh()
{
    m_frameValid = false;
    update();
}

void ChartWidget::redrawNow()
{
    m_frameValid = false;
    repaint();
}

void ChartWidget::setOverlay(OverlayPainter overlay)
{
    m_overlay = std::move(overlay);
    update();
}

void ChartWidget::clearOverlay()
{
    if (!m_overlay)
        return;
    m_overlay = nullptr;
    update();
}

AfterDrawHandler ChartWidget::afterDrawHandler()
{
    return [this](ChartCanvas &canvas) { Q_EMIT afterDraw(&canvas); };
}

void ChartWidget::onChartChanged(ChartChange)
{
    // Called for every point added: keep it to a flag test when the frame
    // is already stale.
    if (m_frameValid) {
        m_frameValid = false;
        update();
    }
}

void ChartWidget::ensureLayout()
{
    if (chartSize() != size() && !isInSizeScope())
        setChartSize(size());
    ChartModel::ensureLayout();
}

void ChartWidget::renderFrame()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_frame.size() != pixels)
        m_frame = QImage(pixels, QImage::Format_RGB32);
    m_frame.setDevicePixelRatio(ratio);
    // Valid before drawing: a change made by an after-draw handler marks it
    // stale again and asks for another paint.
    m_frameValid = true;
    QPainter painter(&m_frame);
    renderChart(painter, *this, size(), afterDrawHandler());
}

void ChartWidget::paintRubberBand(QPainter &painter)
{
    const QRect band = m_zoom.rubberBand();
    if (band.isEmpty())
        return;
    painter.setPen(QPen(isMonochrome() ? Qt::black : Qt::white, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    if (!m_frameValid || m_frame.deviceIndependentSize().toSize() != size())
        renderFrame();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_frame);
    paintRubberBand(painter);
    if (m_overlay) {
        ChartCanvas canvas(painter, plotRect(), isMonochrome());
        m_overlay(canvas);
    }
}

void ChartWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Qt repeats resize events of the same size (grabbing a hidden widget
    // does): only a new size lays out and renders again.
    setChartSize(size());
    if (event->size() != event->oldSize())
        Q_EMIT resized(size());
}

void ChartWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseDown(pos, event->button(), event->buttons(), event->modifiers());
    if (m_zoom.press(pos, event->button()))
        update();
}

void ChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_zoom.move(pos))
        update();
    Q_EMIT mouseMoved(pos, event->buttons(), event->modifiers());
}

void ChartWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const ChartZoom::Outcome outcome = m_zoom.release(pos, event->button());
    update();
    if (outcome == ChartZoom::Outcome::Zoomed)
        Q_EMIT zoomed();
    else if (outcome == ChartZoom::Outcome::ZoomUndone)
        Q_EMIT zoomUndone();
    Q_EMIT mouseUp(pos, event->button(), event->buttons(), event->modifiers());
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT doubleClicked(event->position().toPoint(), event->button(), event->modifiers());
}

void ChartWidget::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(event->key(), event->modifiers());
    event->accept();
}

void ChartWidget::drawChart(QPainter &painter, QSize size)
{
    renderChart(painter, *this, size, afterDrawHandler());
}

void ChartWidget::drawChartInto(QPainter &painter, const QRectF &target)
{
    const QSize own = size();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / own.width(), target.height() / own.height());
    drawChart(painter, own);
    painter.restore();
}

QImage ChartWidget::toImage()
{
    return renderChartImage(*this, size(), afterDrawHandler());
}

QByteArray ChartWidget::toSvg()
{
    return renderChartSvg(*this, size(), afterDrawHandler());
}

bool ChartWidget::saveToBmp(const QString &path, QString *error)
{
    return saveChartBmp(*this, size(), path, afterDrawHandler(), error);
}

void ChartWidget::copyToClipboard()
{
    QGuiApplication::clipboard()->setMimeData(chartMimeData(*this, size(), afterDrawHandler()));
}

} // namespace vorn::chart
