// The graph window's cursor: in marker mode the sample nearest to the mouse
// gets a marker line and its values in the readouts; the arrow keys step the
// marker from sample to sample and the mouse pointer follows.
#include "TFrm_Graph.h"

#include "GraphLook.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartNearest.h"
#include "engines/ChartWidget.h"
#include "graph/Readout.h"
#include "settings/NumberFormat.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

void TFrm_Graph::Btn_MarkClick()
{
    Main_Chart->setZoomEnabled(false);
    Zoom_Img->hide();
    bZoom->setChecked(false);
    m_markerIndex = -1;
    Main_Chart->refresh();
    // The arrow keys step the marker from the moment marker mode begins.
    if (Btn_Mark->isChecked())
        Main_Chart->setFocus(Qt::OtherFocusReason);
    // The marker and the two cursors would share the arrow keys: one at a time.
    if (Btn_Mark->isChecked() && Btn_Span->isChecked()) {
        Btn_Span->setChecked(false);
        Btn_SpanClick();
    }
}

void TFrm_Graph::focusChart()
{
    // A range edit keeps the keys while the user types into it.
    if (!rangeEditHasFocus())
        Main_Chart->setFocus(Qt::OtherFocusReason);
}

bool TFrm_Graph::timeWindowHolds(double value) const
{
    // While an edit holds no number (the user is typing) nothing can be
    // compared: the readouts keep their values.
    const std::optional<double> from = vorn::numfmt::parseFloat(_tol->text());
    const std::optional<double> to = vorn::numfmt::parseFloat(_ig->text());
    return from && to && !(*from > value) && !(*to < value);
}

void TFrm_Graph::Main_ChartMouseMove(int X, int Y)
{
    using vorn::chart::findNearestPoint;
    if (Main_Chart->isZoomEnabled())
        Zoom_Img->move(X + 3, Y + 3);
    if (Btn_Span->isChecked())
        focusChart();
    if (!Btn_Mark->isChecked())
        return;
    focusChart();
    if (Is_Step_Move) {
        Is_Step_Move = false;
        // Only the move that the keyboard step made is swallowed.
        if (Main_Chart->mapToGlobal(QPoint(X, Y)) == m_stepTarget)
            return;
    }
    if (!timeWindowHolds(Main_Chart->bottomAxis()->pixelToValue(X)))
        return;

    const vorn::chart::NearestPoint u = findNearestPoint(*Series1, X);
    const vorn::chart::NearestPoint c = findNearestPoint(*Series2, X);
    int k = -1;
    if (u.found() && c.found())
        k = u.distance > c.distance ? c.index : u.index;
    else if (u.found())
        k = u.index;
    else if (c.found())
        k = c.index;
    if (k < 0) {
        for (QLabel *readout : {which_time, aram_lab, fesz_lab})
            readout->setText(vorn::graph::noReadout());
        Current_Data_Point = -1;
        // The line drawn last stays until the chart is drawn again.
        m_markerIndex = -1;
        return;
    }
    Current_Data_Point = k;
    showSample(k);
}

void TFrm_Graph::showSample(int k)
{
    fesz_lab->setText(vorn::graph::voltageReadout(Series1->yValue(k)));
    aram_lab->setText(vorn::graph::currentReadout(Series2->yValue(k)));
    drawMarker(k);
    showSampleState(k);
    which_time->setText(
        vorn::graph::timeReadout(k, File_Datas.Mint_ido, Cmb_Time->currentIndex()));
}

void TFrm_Graph::showSampleState(int k)
{
    if (k < 0 || size_t(k) >= File_Datas.Meres_Datas.size())
        return;
    const vorn::TextTables &t = m_main.texts;
    const bool charging = File_Datas.Meres_Datas[size_t(k)].Is_Toltes;
    const QString state = charging ? t.Text_List(10) : t.Text_List(9);
    const QColor color = vorn::colorFromBgr(charging ? m_main._c4 : m_main._c7);
    vorn::chart::ChartAxis *right = Main_Chart->rightAxis();
    right->setTitle(t.Text_List(37) + QStringLiteral(" (") + state + u')');
    right->setTitleColor(color);
    vorn::graphui::setTextColor(aram_lab, color);
}

void TFrm_Graph::drawMarker(int k)
{
    // The line is drawn at the end of the chart's next drawing, which the
    // refresh asks for; that drawing also removes the previous line.
    m_markerIndex = k;
    Main_Chart->refresh();
}

void TFrm_Graph::drawMarkerLine(vorn::chart::ChartCanvas &canvas) const
{
    if (m_markerIndex < 0 || m_markerIndex >= Series1->count() || !Btn_Mark->isChecked())
        return;
    const int x = Series1->pixelX(m_markerIndex);
    const QRect plot = canvas.plotRect();
    canvas.setPen(QColor(0xFF, 0xFF, 0xFF), 1, Qt::DashDotLine);
    canvas.moveTo(x, plot.top());
    canvas.lineTo(x, plot.bottom());
}

bool TFrm_Graph::rangeEditHasFocus() const
{
    const QWidget *focused = focusWidget();
    for (const QLineEdit *edit : {Edt_Max_fesz, Edt_Min_fesz, Edt_Max_Aram, Edt_Min_Aram, _tol, _ig}) {
        if (focused == edit)
            return true;
    }
    return false;
}

void TFrm_Graph::Main_ChartKeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    if (!Btn_Mark->isChecked() || rangeEditHasFocus() || Current_Data_Point == -1)
        return;
    int step = 0;
    if (Key == Qt::Key_Left)
        step = -1;
    else if (Key == Qt::Key_Right)
        step = 1;
    else
        return;
    if (Shift & Qt::ControlModifier)
        step *= 5;
    const int last = Series1->count() - 1;
    if (last < 0)
        return;
    // A step past the first or the last sample stops there.
    const int k = std::clamp(Current_Data_Point + step, 0, last);
    Current_Data_Point = k;
    showSample(k);
    movePointerToSample(k);
}

void TFrm_Graph::movePointerToSample(int k)
{
    const QPoint now = QCursor::pos();
    const QPoint target(Main_Chart->mapToGlobal(QPoint(0, 0)).x() + Series1->pixelX(k), now.y());
    // A pointer already there gets no move event, so there is none to swallow.
    Is_Step_Move = target != now;
    if (!Is_Step_Move)
        return;
    m_stepTarget = target;
    QCursor::setPos(target);
}
