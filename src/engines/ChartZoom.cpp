// Rubber-band zoom, undo by reverse drag, and panning.
#include "ChartZoom.h"

#include "ChartModel.h"

#include <array>

namespace vorn::chart {

namespace {

// The axes a zoom or pan changes, in the order of ChartZoom::m_saved.
std::array<ChartAxis *, 3> zoomAxes(ChartModel &model)
{
    return {model.leftAxis(), model.rightAxis(), model.bottomAxis()};
}

} // namespace

ChartZoom::ChartZoom(ChartModel &model)
    : m_model(model)
{
}

void ChartZoom::setZoomEnabled(bool enabled)
{
    m_zoomEnabled = enabled;
    if (!enabled && m_drag == Drag::Zoom)
        cancel();
}

bool ChartZoom::press(QPoint pos, Qt::MouseButton button)
{
    if (m_drag != Drag::None)
        return false;
    if (m_panEnabled && button == m_panButton) {
        m_drag = Drag::Pan;
    } else if (m_zoomEnabled && button == Qt::LeftButton && m_model.plotRect().contains(pos)) {
        m_drag = Drag::Zoom;
    } else {
        return false;
    }
    m_start = m_current = pos;
    return true;
}

bool ChartZoom::move(QPoint pos)
{
    if (m_drag == Drag::None || pos == m_current)
        return false;
    if (m_drag == Drag::Pan)
        pan(m_current, pos);
    m_current = pos;
    return true;
}

ChartZoom::Outcome ChartZoom::release(QPoint pos, Qt::MouseButton button)
{
    const Drag drag = m_drag;
    if (drag == Drag::None)
        return Outcome::None;
    if ((drag == Drag::Pan && button != m_panButton) || (drag == Drag::Zoom && button != Qt::LeftButton))
        return Outcome::None;
    move(pos);
    m_drag = Drag::None;
    if (drag == Drag::Pan)
        return Outcome::None;
    const QPoint delta = m_current - m_start;
    if (delta.x() >= kMinDrag && delta.y() >= kMinDrag) {
        zoomTo(QRect(m_start, m_current));
        return Outcome::Zoomed;
    }
    if (delta.x() <= -kMinDrag || delta.y() <= -kMinDrag) {
        undoZoom();
        return Outcome::ZoomUndone;
    }
    return Outcome::None;
}

void ChartZoom::cancel()
{
    m_drag = Drag::None;
}

QRect ChartZoom::rubberBand() const
{
    if (m_drag != Drag::Zoom)
        return {};
    return QRect(m_start, m_current).normalized();
}

void ChartZoom::saveView()
{
    if (m_hasSaved)
        return;
    const auto axes = zoomAxes(m_model);
    for (int i = 0; i < 3; ++i)
        m_saved[i] = {axes[i]->minimum(), axes[i]->maximum(), axes[i]->isAutomatic()};
    m_hasSaved = true;
}

void ChartZoom::zoomTo(const QRect &pixels)
{
    const QRect area = pixels.normalized().intersected(m_model.plotRect());
    if (area.width() < 2 || area.height() < 2)
        return;
    saveView();
    const auto axes = zoomAxes(m_model);
    // Convert everything first: each setRange changes the layout.
    double ranges[3][2];
    for (int i = 0; i < 3; ++i) {
        const bool vertical = axes[i]->isVertical();
        ranges[i][0] = axes[i]->pixelToValue(vertical ? area.top() : area.left());
        ranges[i][1] = axes[i]->pixelToValue(vertical ? area.bottom() : area.right());
    }
    for (int i = 0; i < 3; ++i)
        axes[i]->setRange(ranges[i][0], ranges[i][1]);
}

void ChartZoom::undoZoom()
{
    if (!m_hasSaved)
        return;
    const auto axes = zoomAxes(m_model);
    for (int i = 0; i < 3; ++i) {
        axes[i]->setRange(m_saved[i].minimum, m_saved[i].maximum);
        if (m_saved[i].automatic)
            axes[i]->setAutomatic(true);
    }
    m_hasSaved = false;
}

void ChartZoom::pan(QPoint from, QPoint to)
{
    const auto axes = zoomAxes(m_model);
    double ranges[3][2];
    for (int i = 0; i < 3; ++i) {
        const bool vertical = axes[i]->isVertical();
        const double shift = axes[i]->pixelToValue(vertical ? from.y() : from.x())
                             - axes[i]->pixelToValue(vertical ? to.y() : to.x());
        ranges[i][0] = axes[i]->minimum() + shift;
        ranges[i][1] = axes[i]->maximum() + shift;
    }
    for (int i = 0; i < 3; ++i)
        axes[i]->setRange(ranges[i][0], ranges[i][1]);
}

} // namespace vorn::chart
