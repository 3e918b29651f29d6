// The two cursors of the graph window and their read-out panel.
#include "SpanCursors.h"

#include "ReadoutPanel.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "graph/SpanReadout.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace vorn::graphui {

namespace {

// Apart from the program's default curve colours (navy, orange, yellow).
const QColor kColorA(0xD0, 0x20, 0xC0);
const QColor kColorB(0x00, 0xA8, 0xE8);

} // namespace

SpanCursors::SpanCursors(const Source &source, QObject *parent)
    : QObject(parent), m_source(source), m_panel(new ReadoutPanel(source.chart))
{
    m_panel->setObjectName(QStringLiteral("SpanPanel"));
    m_panel->hide();
    connect(m_panel, &ReadoutPanel::moved, this, &SpanCursors::placePanel);
}

void SpanCursors::setShown(bool shown)
{
    m_shown = shown;
    m_dragging = Which::None;
    m_panel->setVisible(shown);
    refresh();
}

qint64 SpanCursors::sampleAtPixel(int x) const
{
    const int unit = vorn::graph::effectiveTimeUnit(m_source.timeUnit());
    const double seconds =
        m_source.chart->bottomAxis()->pixelToValue(x) * *vorn::graph::timeUnitDivisor(unit);
    const TFile_Datas &record = *m_source.record;
    return vorn::graph::nearestSample(qint64(record.Meres_Datas.size()), record.Mint_ido, seconds);
}

void SpanCursors::moveCursor(Which which, qint64 sample)
{
    if (sample < 0)
        return;
    cursor(which) = sample;
    m_last = which;
    refresh();
}

void SpanCursors::mouseDown(QPoint pos, Qt::MouseButton button)
{
    if (!m_shown || button != Qt::LeftButton || m_source.chart->isZoomEnabled()
        || !m_source.chart->plotRect().contains(pos))
        return;
    Which which = Which::A;
    if (m_a >= 0 && m_b < 0) {
        which = Which::B;
    } else if (m_a >= 0 && m_b >= 0) {
        // The nearer one on screen; A when both are as near.
        const auto distance = [&](qint64 k) { return std::abs(m_source.voltage->pixelX(int(k)) - pos.x()); };
        which = distance(m_b) < distance(m_a) ? Which::B : Which::A;
    }
    m_dragging = which;
    moveCursor(which, sampleAtPixel(pos.x()));
}

void SpanCursors::mouseMoved(QPoint pos, Qt::MouseButtons buttons)
{
    if (m_dragging == Which::None || !(buttons & Qt::LeftButton))
        return;
    const QRect plot = m_source.chart->plotRect();
    moveCursor(m_dragging, sampleAtPixel(std::clamp(pos.x(), plot.left(), plot.right())));
}

void SpanCursors::mouseUp(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_dragging = Which::None;
}

bool SpanCursors::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_shown || m_last == Which::None || (key != Qt::Key_Left && key != Qt::Key_Right))
        return false;
    const qint64 last = qint64(m_source.record->Meres_Datas.size()) - 1;
    const qint64 step = (key == Qt::Key_Left ? -1 : 1) * (modifiers & Qt::ControlModifier ? 5 : 1);
    // A step past the first or the last sample stops there.
    moveCursor(m_last, std::clamp<qint64>(cursor(m_last) + step, 0, last));
    return true;
}

void SpanCursors::drawLine(vorn::chart::ChartCanvas &canvas, qint64 sample, const QString &letter,
                           const QColor &color) const
{
    if (sample < 0 || sample >= m_source.voltage->count())
        return;
    const QRect plot = canvas.plotRect();
    const int x = m_source.voltage->pixelX(int(sample));
    if (x < plot.left() || x > plot.right())
        return;
    canvas.setPen(color, 2, Qt::SolidLine);
    canvas.line(x, plot.top(), x, plot.bottom());
    canvas.setFont(QStringLiteral("Tahoma"), 8, Qt::black, true);
    const int w = canvas.textWidth(letter) + 6;
    const int h = canvas.textHeight(letter) + 2;
    canvas.setBrushColor(color);
    canvas.setPen(color, 1);
    canvas.rectangle(x - w / 2, plot.top(), x - w / 2 + w, plot.top() + h);
    canvas.textOut(x - w / 2 + 3, plot.top() + 1, letter);
}

void SpanCursors::drawCursors(vorn::chart::ChartCanvas &canvas) const
{
    if (!m_shown)
        return;
    drawLine(canvas, m_a, QStringLiteral("A"), kColorA);
    drawLine(canvas, m_b, QStringLiteral("B"), kColorB);
}

void SpanCursors::chartDrawn(vorn::chart::ChartCanvas &canvas)
{
    if (!m_shown)
        return;
    if (!m_drawingPicture) {
        // The unit, the corrections or the view may have changed.
        updatePanel();
        return;
    }
    drawCursors(canvas);
    m_panel->render(&canvas.painter(), m_panel->pos());
}

void SpanCursors::copyChartToClipboard()
{
    m_drawingPicture = true;
    m_source.chart->copyToClipboard();
    m_drawingPicture = false;
}

bool SpanCursors::saveChartBmp(const QString &path, QString *error)
{
    m_drawingPicture = true;
    const bool saved = m_source.chart->saveToBmp(path, error);
    m_drawingPicture = false;
    return saved;
}

void SpanCursors::samplesChanged()
{
    m_a = m_b = -1;
    m_last = m_dragging = Which::None;
    refresh();
}

void SpanCursors::refresh()
{
    if (!m_shown)
        return;
    updatePanel();
    // Only the overlay changes: the chart is not drawn again.
    m_source.chart->update();
}

void SpanCursors::updatePanel()
{
    m_panel->setRows(vorn::graph::spanReadoutRows(*m_source.record, m_a, m_b, m_source.timeUnit(),
                                                  *m_source.texts));
    placePanel();
}

void SpanCursors::placePanel()
{
    std::vector<QPoint> lastSamples;
    const QRect plot = m_source.chart->plotRect();
    for (const vorn::chart::ChartSeries *series : {m_source.voltage, m_source.current}) {
        const QPoint at = series->pixelOf(series->count() - 1);
        if (series->isActive() && series->count() > 0 && plot.contains(at))
            lastSamples.push_back(at);
    }
    m_panel->place(plot, lastSamples);
}

} // namespace vorn::graphui
