// The report chart's labels: read-outs and cursor line under the mouse,
// placing, dragging, deleting and describing labels, and their drawing.
#include "TFrm_Report.h"

#include "app/ui/AppFonts.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartNearest.h"
#include "engines/ChartWidget.h"
#include "graph/Readout.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include <cmath>

namespace {

using vorn::ui::tahomaPt;

constexpr QSize kPopupSize(210, 137);
const QColor kPopupBackground(0xD7, 0xE4, 0xF2);  // inactive caption gradient
constexpr int kMarkerRadius = 2;

// Half of a length, rounded to the nearest integer with ties to even.
int halfRoundedEven(int length)
{
    return int(std::nearbyint(length / 2.0));
}

} // namespace

// ---- mouse over the chart -------------------------------------------------------

void TFrm_Report::JChartMouseMove(QPoint pos, Qt::MouseButtons buttons)
{
    // Time limits that are no numbers leave nothing to compare: the handler
    // does nothing at all.
    const std::optional<double> from = vorn::numfmt::parseFloat(m_host.timeFrom);
    const std::optional<double> to = vorn::numfmt::parseFloat(m_host.timeTo);
    if (!from || !to)
        return;
    const bool wasOver = labels.megvan;
    const int wasHit = labels.cmk_pos;
    labels.Check_MouseOnCimke(pos, fontMetrics());
    if (labels.megvan != wasOver || (labels.megvan && labels.cmk_pos != wasHit))
        JChart->refresh(); // the label under the mouse is drawn in red

    const double v = JChart->bottomAxis()->pixelToValue(pos.x());
    if (v < *from || v > *to)
        return;
    const int i = vorn::report::chooseSample(vorn::chart::findNearestPoint(*series.Series1, pos.x()),
                                             vorn::chart::findNearestPoint(*series.Series2, pos.x()));
    Current_Data_Point = i;
    if (i < 0) {
        for (QLabel *readout : {Lbl_Fesz, Lbl_Aram, Lbl_Ido})
            readout->setText(vorn::graph::noReadout());
        return;
    }
    showReadouts(i);

    if (labels.megvan && (buttons & Qt::LeftButton) && labels.melyikfog != 0) {
        JChart->setCursor(Qt::SizeAllCursor);
        labels.dragTo(pos, JChart->size(), fontMetrics());
        JChart->refresh();
    }
}

void TFrm_Report::showReadouts(int i)
{
    Lbl_Fesz->setText(vorn::graph::voltageReadout(series.Series1->yValue(i)));
    Lbl_Aram->setText(vorn::graph::currentReadout(series.Series2->yValue(i)));
    m_cursorSample = i;
    JChart->update();
    if (const std::optional<QString> time =
            vorn::report::sampleTimeText(i, m_host.record->Mint_ido, m_host.timeUnit))
        Lbl_Ido->setText(*time);
}

void TFrm_Report::drawCursor(vorn::chart::ChartCanvas &canvas) const
{
    const int i = m_cursorSample;
    if (i < 0 || i >= series.Series1->count())
        return;
    const QRect plot = canvas.plotRect();
    const QPoint voltage = series.Series1->pixelOf(i);
    canvas.setPen(Qt::white, 1, Qt::DashDotLine);
    canvas.line(voltage.x(), plot.top(), voltage.x(), plot.bottom());
    canvas.setBrushColor(Qt::white);
    if (Rdb_Fesz->isChecked() && vorn::report::PointInRect(plot, voltage.x(), voltage.y()))
        canvas.sphere(voltage.x(), voltage.y(), kMarkerRadius);
    else if (Rdb_Aram->isChecked())
        canvas.sphere(series.Series2->pixelX(i), series.Series2->pixelY(i), kMarkerRadius);
}

// ---- buttons on the chart -------------------------------------------------------

void TFrm_Report::JChartMouseDown(QPoint, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (labels.megvan && (buttons & Qt::LeftButton))
        labels.melyikfog = labels.cmk_pos;
    if (button != Qt::RightButton)
        return;
    if (labels.megvan) {
        if (m_host.Sajat_Dlg(m_host.texts->Text_List(52), dtQuestion) == drYes) {
            labels.remove(labels.cmk_pos);
            if (m_host.setModified)
                m_host.setModified();
        }
        JChart->refresh();
        return;
    }
    placeLabel();
}

void TFrm_Report::placeLabel()
{
    using vorn::report::PlaceResult;
    const bool voltage = Rdb_Fesz->isChecked();
    const vorn::chart::ChartSeries &on = voltage ? *series.Series1 : *series.Series2;
    const QPoint pixel = on.pixelOf(Current_Data_Point);
    switch (labels.canPlace(Current_Data_Point, voltage, pixel, JChart->plotRect())) {
    case PlaceResult::NoSample:
    case PlaceResult::NoFreeSlot:
        return;
    case PlaceResult::Duplicate:
        m_host.Sajat_Dlg(m_host.texts->Err_List(24), dtError);
        return;
    case PlaceResult::NotVisible:
        vorn::prompts::plainMessage(QStringLiteral("Adott pontra nem tehető, mert nem látszik"));
        return;
    case PlaceResult::Placed:
        break;
    }
    labels.place(Current_Data_Point, voltage, pixel, voltage ? Lbl_Fesz->text() : Lbl_Aram->text());
    Create_felugro();
}

void TFrm_Report::JChartMouseUp()
{
    labels.endDrag();
    JChart->unsetCursor();
}

void TFrm_Report::JChartDblClick()
{
    if (labels.megvan)
        Create_felugro();
}

void TFrm_Report::JChartAfterDraw(vorn::chart::ChartCanvas *canvas)
{
    vorn::report::drawAnnotations(*canvas, labels, *series.Series1, *series.Series2);
    vorn::report::applyBottomIncrement(*JChart);
}

void TFrm_Report::Chb_jelClick()
{
    JChart->setLegendVisible(Chb_jel->isChecked());
}

// ---- the description popup ------------------------------------------------------

QWidget *TFrm_Report::popup() const
{
    return findChild<QFrame *>(QStringLiteral("F_Panel"), Qt::FindDirectChildrenOnly);
}

void TFrm_Report::Create_felugro()
{
    delete popup();
    const vorn::report::ccc &label = labels.slot(labels.cmk_pos);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("F_Panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette background = panel->palette();
    background.setColor(QPalette::Window, kPopupBackground);
    panel->setPalette(background);
    const QRect chart = JChart->geometry();
    panel->setGeometry(QRect(QPoint(chart.left() + halfRoundedEven(chart.width()),
                                    chart.top() + halfRoundedEven(chart.height())),
                             kPopupSize));
    buildPopupContent(panel, label);
    panel->show();
    panel->raise();
    panel->findChild<QLineEdit *>()->setFocus();
}

void TFrm_Report::buildPopupContent(QWidget *panel, const vorn::report::ccc &label)
{
    auto *title = new QLabel(label.lab, panel);
    title->setObjectName(QStringLiteral("F_Label1"));
    title->setGeometry(0, 9, 210, 16);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(tahomaPt(10, true));
    title->setStyleSheet(QStringLiteral("color: blue;"));
    auto *caption = new QLabel(m_host.texts->Text_List(58), panel);
    caption->setObjectName(QStringLiteral("F_Label2"));
    caption->setGeometry(8, 48, 193, 15);
    caption->setFont(tahomaPt(8, true));
    auto *description = new QLineEdit(label.desc, panel);
    description->setObjectName(QStringLiteral("F_Edit"));
    description->setGeometry(8, 67, 193, 21);
    description->setMaxLength(vorn::report::kDescriptionMaxLength);
    QFont bold = font();
    bold.setBold(true);
    description->setFont(bold);
    auto *save = new QPushButton(m_host.texts->Menu_List(5), panel);
    save->setObjectName(QStringLiteral("F_Button"));
    save->setGeometry(64, 102, 75, 25);
    save->setFont(tahomaPt(8, true));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TFrm_Report::Drop_felugro);

    for (QWidget *handle : std::initializer_list<QWidget *>{panel, title, caption, description})
        handle->installEventFilter(this);
}

void TFrm_Report::Drop_felugro()
{
    QWidget *panel = popup();
    if (!panel)
        return;
    if (auto *description = panel->findChild<QLineEdit *>(QStringLiteral("F_Edit")))
        labels.slot(labels.cmk_pos).desc = description->text();
    // The button that called is a child of the panel: it goes once the click is over.
    panel->setObjectName(QString());
    panel->hide();
    panel->deleteLater();
    JChart->refresh();
}

void TFrm_Report::Panel_MouseDown(QWidget *panel)
{
    panel->raise();
    EgerDown = true;
    panel->grabMouse();
    oldPos = QCursor::pos();
}

void TFrm_Report::Panel_MouseMove(QWidget *panel)
{
    if (!EgerDown)
        return;
    panel->setCursor(Qt::SizeAllCursor);
    const QPoint now = QCursor::pos();
    panel->move(panel->pos() + now - oldPos);
    oldPos = now;
}

void TFrm_Report::Panel_MouseUp(QWidget *panel)
{
    panel->unsetCursor();
    panel->releaseMouse();
    EgerDown = false;
}

bool TFrm_Report::isPopupHandle(QObject *watched) const
{
    const QWidget *panel = popup();
    return panel && (watched == panel || (watched->parent() == panel && qobject_cast<QLabel *>(watched)));
}

bool TFrm_Report::popupKey(QObject *watched, const QKeyEvent *key)
{
    QWidget *panel = popup();
    if (!panel || watched != panel->findChild<QLineEdit *>())
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        panel->findChild<QPushButton *>()->click();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        panel->hide();
        return true;
    }
    return false;
}

bool TFrm_Report::eventFilter(QObject *watched, QEvent *event)
{
    const auto leftButton = [event] { return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton; };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!leftButton())
            break;
        if (watched == Img_Up)
            Img_UpClick();
        else if (watched == Img_Down)
            Img_DownClick();
        else if (watched == Pan_Szin)
            Pan_SzinClick();
        else if (watched == Panel3)
            logo_popup->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        else if (isPopupHandle(watched))
            Panel_MouseDown(popup());
        break;
    case QEvent::MouseMove:
        if (EgerDown && popup())
            Panel_MouseMove(popup());
        break;
    case QEvent::MouseButtonRelease:
        if (leftButton() && EgerDown && popup())
            Panel_MouseUp(popup());
        break;
    case QEvent::KeyPress:
        if (popupKey(watched, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::Leave:
        // A label is no longer under the mouse once it left the chart, so it
        // does not go to the printer in its hover colour.
        if (watched == JChart && labels.megvan && labels.melyikfog == 0) {
            labels.megvan = false;
            JChart->refresh();
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrm_Report::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the dialog and lose the labels: the window closes
    // by its close box only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
