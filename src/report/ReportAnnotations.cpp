// Report chart labels: slots, hit test, placing, dragging, drawing, read-outs.
#include "report/ReportAnnotations.h"

#include "engines/ChartCanvas.h"
#include "engines/ChartSeries.h"
#include "settings/NumberFormat.h"

#include <QFontMetrics>

#include <algorithm>

namespace vorn::report {

namespace {

// Offsets of a new label from its point, and of a dragged label from the mouse.
constexpr int kPlaceLeft = 10;
constexpr int kPlaceAbove = 50;
constexpr int kDragOffset = 10;
// How close to the chart's edges a dragged label may come.
constexpr int kEdgeMin = 5;
constexpr int kBottomRoom = 32;
constexpr int kRightRoom = 10;
// The box below the label's first line (second line and frame).
constexpr int kBoxExtra = 17;

const QColor kShadow(128, 128, 128);

} // namespace

bool PointInRect(const QRect &rect, int x, int y)
{
    return rect.left() <= x && x <= rect.right() && rect.top() <= y && y <= rect.bottom();
}

int ReportAnnotations::activeCount() const
{
    return int(std::count_if(m_slots.begin(), m_slots.end(), [](const ccc &c) { return c.aktiv; }));
}

int ReportAnnotations::textWidth(int index, const QFontMetrics &metrics) const
{
    const ccc &c = slot(index);
    return std::max(metrics.horizontalAdvance(c.desc), metrics.horizontalAdvance(c.lab));
}

QRect ReportAnnotations::labelBox(int index, const QFontMetrics &metrics) const
{
    const ccc &c = slot(index);
    const int height = metrics.height();
    // QRect's right and bottom are inclusive, as the hit test wants them.
    return QRect(QPoint(c.xl, c.yl), QPoint(c.xl + textWidth(index, metrics), c.yl + height + kBoxExtra));
}

void ReportAnnotations::Check_MouseOnCimke(QPoint mouse, const QFontMetrics &metrics)
{
    if (melyikfog != 0)
        return;
    for (int i = 1; i <= kLabelSlots; ++i) {
        if (slot(i).aktiv && PointInRect(labelBox(i, metrics), mouse.x(), mouse.y())) {
            megvan = true;
            cmk_pos = i;
            return;
        }
    }
    megvan = false;
}

PlaceResult ReportAnnotations::canPlace(int dataPoint, bool voltage, QPoint pixel,
                                        const QRect &plotRect) const
{
    if (dataPoint < 0)
        return PlaceResult::NoSample;
    for (const ccc &c : m_slots) {
        if (c.aktiv && c.Meas_Index == dataPoint && c.Is_Fesz == voltage)
            return PlaceResult::Duplicate;
    }
    if (!PointInRect(plotRect, pixel.x(), pixel.y()))
        return PlaceResult::NotVisible;
    if (activeCount() == kLabelSlots)
        return PlaceResult::NoFreeSlot;
    return PlaceResult::Placed;
}

int ReportAnnotations::place(int dataPoint, bool voltage, QPoint pixel, const QString &lab)
{
    for (int i = 1; i <= kLabelSlots; ++i) {
        ccc &c = slot(i);
        if (c.aktiv)
            continue;
        cmk_pos = i;
        c.Meas_Index = dataPoint;
        c.aktiv = true;
        c.lab = lab;
        c.Is_Fesz = voltage;
        c.xl = pixel.x() - kPlaceLeft;
        c.yl = pixel.y() - kPlaceAbove;
        return i;
    }
    return 0;
}

void ReportAnnotations::dragTo(QPoint mouse, QSize chartSize, const QFontMetrics &metrics)
{
    if (melyikfog < 1 || melyikfog > kLabelSlots)
        return;
    ccc &c = slot(melyikfog);
    c.xl = mouse.x() - kDragOffset;
    c.yl = mouse.y() - kDragOffset;
    c.yl = std::max(c.yl, kEdgeMin);
    c.xl = std::max(c.xl, kEdgeMin);
    c.yl = std::min(c.yl, chartSize.height() - kBottomRoom);
    c.xl = std::min(c.xl, chartSize.width() - kRightRoom - textWidth(melyikfog, metrics));
}

void ReportAnnotations::endDrag()
{
    melyikfog = 0;
    megvan = false;
}

void drawAnnotations(chart::ChartCanvas &canvas, const ReportAnnotations &labels,
                     const chart::ChartSeries &voltage, const chart::ChartSeries &current)
{
    for (int i = 1; i <= kLabelSlots; ++i) {
        const ccc &c = labels.slot(i);
        if (!c.aktiv)
            continue;
        const bool hovered = labels.megvan && i == labels.cmk_pos;
        canvas.setFont(QStringLiteral("Arial"), hovered ? 9 : 8, hovered ? QColor(255, 0, 0) : Qt::black);
        const chart::ChartSeries &series = c.Is_Fesz ? voltage : current;
        const QPoint point = series.pixelOf(c.Meas_Index);

        canvas.setPen(Qt::black);
        canvas.line(point.x(), point.y(), c.xl + canvas.textWidth(c.lab) / 2, c.yl + 5);

        const bool labWider = canvas.textWidth(c.lab) > canvas.textWidth(c.desc);
        const QString &sizing = labWider ? c.lab : c.desc;
        const int w = canvas.textWidth(sizing);
        const int h = canvas.textHeight(sizing);
        canvas.setBrushColor(kShadow);
        canvas.setPen(kShadow);
        canvas.rectangle(c.xl + 1, c.yl + 1, c.xl + w + 11, c.yl + h + 20);
        canvas.setBrushColor(Qt::white);
        canvas.setPen(Qt::black);
        canvas.rectangle(c.xl - 2, c.yl - 2, c.xl + w + 8, c.yl + h + 17);

        canvas.textOut(c.xl, c.yl, u' ' + c.lab + u' ');
        canvas.textOut(c.xl, c.yl + 15, u' ' + c.desc + u' ');
    }
}

int chooseSample(const chart::NearestPoint &voltage, const chart::NearestPoint &current)
{
    if (voltage.found() && current.found())
        return voltage.distance <= current.distance ? voltage.index : current.index;
    if (voltage.found())
        return voltage.index;
    return current.found() ? current.index : -1;
}

std::optional<QString> sampleTimeText(int i, int Mint_ido, int unit)
{
    switch (unit) {
    case 0: return numfmt::formatFixed2(double(qint64(i) * Mint_ido));
    case 1: return numfmt::formatFixed2(i * (Mint_ido / 60.0));
    case 2: return numfmt::formatFixed2(i * (Mint_ido / 3600.0));
    default: return std::nullopt;
    }
}

} // namespace vorn::report
