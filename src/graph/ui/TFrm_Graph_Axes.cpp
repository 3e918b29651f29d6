// The graph window's axes: the first view, the saved view, the six range
// edits, the default size, zoom, cut, and the placing of the edits on the chart.
#include "TFrm_Graph.h"

#include "GraphLook.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "graph/CutRange.h"
#include "graph/GraphTexts.h"
#include "graph/SavedView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <variant>

namespace {

using vorn::chart::ChartAxis;
using vorn::graph::AxisRange;

AxisRange rangeOf(const ChartAxis *axis)
{
    return {axis->minimum(), axis->maximum()};
}

void setRange(ChartAxis *axis, const AxisRange &range)
{
    axis->setRange(range.min, range.max);
}

void setTextIfChanged(QLineEdit *edit, const QString &text)
{
    // Rewriting an unchanged text would move the cursor of an edit in use.
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

// ---- first view and saved view ----------------------------------------------

bool TFrm_Graph::SetAxis()
{
    bool restored = true;
    if (File_Datas.LRBZ.isEmpty())
        Set_New_Graph();
    else
        restored = Set_LRBZ();
    Zoom_Img->hide();
    return restored;
}

vorn::graph::ChartExtents TFrm_Graph::currentExtents() const
{
    const auto extentOf = [](const vorn::chart::ChartSeries *series) {
        return vorn::graph::SeriesExtent{series->minY(), series->maxY(), series->maxX()};
    };
    return {extentOf(Series1), extentOf(Series2), extentOf(Series3), extentOf(Series4)};
}

void TFrm_Graph::applyView(const vorn::graph::GraphView &view)
{
    fmin = view.defaults.fmin;
    fmax = view.defaults.fmax;
    amin = view.defaults.amin;
    amax = view.defaults.amax;
    setRange(Main_Chart->leftAxis(), view.left);
    setRange(Main_Chart->rightAxis(), view.right);
    setRange(Main_Chart->bottomAxis(), view.bottom);
    Main_Chart->bottomAxis()->setIncrement(view.timeStep);
    setEditTexts(view.edits);
}

void TFrm_Graph::setEditTexts(const vorn::graph::RangeEditTexts &texts)
{
    setTextIfChanged(Edt_Min_fesz, texts.Edt_Min_fesz);
    setTextIfChanged(Edt_Max_fesz, texts.Edt_Max_fesz);
    setTextIfChanged(Edt_Min_Aram, texts.Edt_Min_Aram);
    setTextIfChanged(Edt_Max_Aram, texts.Edt_Max_Aram);
    setTextIfChanged(_tol, texts._tol);
    setTextIfChanged(_ig, texts._ig);
}

void TFrm_Graph::Set_New_Graph()
{
    applyView(vorn::graph::newGraphView(currentExtents()));
}

bool TFrm_Graph::Set_LRBZ()
{
    const vorn::graph::RangeEditTexts shown{Edt_Min_fesz->text(), Edt_Max_fesz->text(),
                                            Edt_Min_Aram->text(), Edt_Max_Aram->text(),
                                            _tol->text(),         _ig->text()};
    const std::optional<vorn::graph::RestoredView> view =
        vorn::graph::parseLRBZ(File_Datas.LRBZ, shown);
    if (!view)
        return false;
    setEditTexts(view->edits);
    setRange(Main_Chart->leftAxis(), view->left);
    setRange(Main_Chart->rightAxis(), view->right);
    setRange(Main_Chart->bottomAxis(), view->bottom);
    return true;
}

void TFrm_Graph::Main_ChartAfterDraw(vorn::chart::ChartCanvas *canvas)
{
    // The edits and the saved view always show the view as last drawn.
    const AxisRange left = rangeOf(Main_Chart->leftAxis());
    const AxisRange right = rangeOf(Main_Chart->rightAxis());
    const AxisRange bottom = rangeOf(Main_Chart->bottomAxis());
    File_Datas.LRBZ = vorn::graph::formatLRBZ(left, right, bottom);
    setEditTexts(vorn::graph::editTextsOf(left, right, bottom));
    drawMarkerLine(*canvas);
}

// ---- default size and zoom --------------------------------------------------

void TFrm_Graph::Btn_Def_SizeClick()
{
    Is_Modified = true;
    applyView(vorn::graph::defaultSizeView(currentExtents()));
    Zoom_Img->hide();
}

void TFrm_Graph::Main_ChartUndoZoom()
{
    Btn_Def_SizeClick();
}

void TFrm_Graph::bZoomClick()
{
    Btn_Mark->setChecked(false);
    m_markerIndex = -1;
    Main_Chart->setZoomEnabled(!Main_Chart->isZoomEnabled());
    bZoom->setChecked(Main_Chart->isZoomEnabled());
    Zoom_Img->setVisible(Main_Chart->isZoomEnabled());
    Main_Chart->refresh();
    Is_Modified = true;
}

// ---- range edits ------------------------------------------------------------

void TFrm_Graph::rejectRangeEntry(QLineEdit *edit, const QString &trimmedText)
{
    // A drawing still due would rewrite the edit while the message is shown.
    Main_Chart->redrawNow();
    edit->setText(trimmedText);
    edit->setFocus();
    m_main.Sajat_Dlg(m_main.texts.Err_List(5), dtError);
}

void TFrm_Graph::valueRangeEnter(QLineEdit *minEdit, QLineEdit *maxEdit, ChartAxis *axis,
                                 vorn::graph::EnteredEdit entered)
{
    using vorn::graph::EnteredEdit;
    const auto result = vorn::graph::valueRangeEnter(minEdit->text(), maxEdit->text(), entered);
    if (const auto *error = std::get_if<vorn::graph::RangeEntryError>(&result)) {
        rejectRangeEntry(error->focus == EnteredEdit::Min ? minEdit : maxEdit, error->trimmedText);
        return;
    }
    setRange(axis, std::get<AxisRange>(result));
}

void TFrm_Graph::Edt_Max_feszKeyDown()
{
    valueRangeEnter(Edt_Min_fesz, Edt_Max_fesz, Main_Chart->leftAxis(),
                    vorn::graph::EnteredEdit::Max);
}

void TFrm_Graph::Edt_Min_feszKeyDown()
{
    valueRangeEnter(Edt_Min_fesz, Edt_Max_fesz, Main_Chart->leftAxis(),
                    vorn::graph::EnteredEdit::Min);
}

void TFrm_Graph::Edt_Max_AramKeyDown()
{
    valueRangeEnter(Edt_Min_Aram, Edt_Max_Aram, Main_Chart->rightAxis(),
                    vorn::graph::EnteredEdit::Max);
}

void TFrm_Graph::Edt_Min_AramKeyDown()
{
    valueRangeEnter(Edt_Min_Aram, Edt_Max_Aram, Main_Chart->rightAxis(),
                    vorn::graph::EnteredEdit::Min);
}

void TFrm_Graph::timeRangeEnter(vorn::graph::EnteredEdit entered)
{
    using vorn::graph::EnteredEdit;
    const auto result =
        vorn::graph::timeRangeEnter(_tol->text(), _ig->text(), Series1->maxX(), entered);
    if (const auto *error = std::get_if<vorn::graph::RangeEntryError>(&result)) {
        rejectRangeEntry(error->focus == EnteredEdit::Min ? _tol : _ig, error->trimmedText);
        return;
    }
    const auto &entry = std::get<vorn::graph::TimeRangeEntry>(result);
    _tol->setText(entry._tol);
    _ig->setText(entry._ig);
    setRange(Main_Chart->bottomAxis(), entry.bottom);
}

void TFrm_Graph::_tolKeyDown()
{
    timeRangeEnter(vorn::graph::EnteredEdit::Min);
}

void TFrm_Graph::_igKeyDown()
{
    timeRangeEnter(vorn::graph::EnteredEdit::Max);
}

// ---- cut --------------------------------------------------------------------

void TFrm_Graph::Btn_CutClick()
{
    using vorn::graph::CutRefusal;
    const auto plan = vorn::graph::planCut(File_Datas.Meres_Datas.size(), File_Datas.Mint_ido,
                                           Cmb_Time->currentIndex(),
                                           rangeOf(Main_Chart->bottomAxis()), _tol->text(),
                                           _ig->text());
    // A cut that cannot be made is explained before the user is asked to
    // agree to losing samples; the measurement stays whole.
    if (const auto *refusal = std::get_if<CutRefusal>(&plan)) {
        if (*refusal == CutRefusal::NoSamplingInterval)
            m_main.Sajat_Dlg(m_main.texts.Text_List(vorn::graph::kTextCutNeedsSamplingInterval),
                             dtInformation);
        else
            m_main.Sajat_Dlg(m_main.texts.Err_List(12), dtError);
        return;
    }
    // Cutting loses samples: only a clear yes goes ahead.
    if (m_main.Sajat_Dlg(m_main.texts.Text_List(131), dtQuestion) != drYes)
        return;
    const vorn::graph::CutPlan *cut = std::get_if<vorn::graph::CutPlan>(&plan);
    vorn::graph::applyCut(File_Datas, *cut);
    showMinimized();
    Fill_Child_Diagram();
    showMaximized();
    _ig->setText(cut->_ig);
    _tol->setText(cut->_tol);
    setRange(Main_Chart->bottomAxis(), cut->bottom);
    Is_Modified = true;
}

// ---- placing the edits ------------------------------------------------------

// A range edit shows its whole number: scrolled, "166666,70" would read as
// "66666,70". It is as wide as the number needs, never narrower than
// designed nor wider than the chart; a number too long even for that gets a
// smaller font. True when its size or font changed.
bool TFrm_Graph::fitRangeEdit(QLineEdit *edit)
{
    const int limit = Main_Chart->width() - 10;
    const vorn::graphui::EditFit fit = vorn::graphui::fitEditToText(
        edit, edit->text(), rangeEditFont(), kRangeEditSize.width(), limit);
    const bool changed = fit.width != edit->width() || fit.font != edit->font();
    if (fit.font != edit->font())
        edit->setFont(fit.font);
    if (fit.width != edit->width())
        edit->setFixedWidth(fit.width);
    return changed;
}

void TFrm_Graph::Main_ChartResize()
{
    for (QLineEdit *edit : {Edt_Max_fesz, Edt_Min_fesz, Edt_Max_Aram, Edt_Min_Aram, _tol, _ig})
        fitRangeEdit(edit);
    const QRect plot = Main_Chart->plotRect(); // lays the chart out first
    const int W = Main_Chart->width();
    const int H = Main_Chart->height();
    const int editWidth = Edt_Max_fesz->width();
    const int editHeight = Edt_Max_fesz->height();

    Edt_Max_fesz->move(5, plot.top() - editHeight / 2);
    lt->move(Edt_Max_fesz->x() + editWidth / 2 - 8, Edt_Max_fesz->y() + editHeight + 1);
    Edt_Min_fesz->move(5, plot.bottom() - Edt_Min_fesz->height() / 2);
    lb->move(lt->x(), Edt_Min_fesz->y() - lb->height() - 1);
    Edt_Max_Aram->move(W - Edt_Max_Aram->width() - 9, Edt_Max_fesz->y());
    rt->move(Edt_Max_Aram->x() + Edt_Max_Aram->width() / 2 - 8, lt->y());
    Edt_Min_Aram->move(W - Edt_Min_Aram->width() - 8, Edt_Min_fesz->y());
    rb->move(rt->x(), lb->y());

    const int bottomRow = H - _tol->height() - 8;
    // Centred on the plot's ends, but a widened edit stays on the chart.
    _tol->move(std::max(0, plot.left() - _tol->width() / 2), bottomRow);
    _ig->move(std::min(plot.right() - _ig->width() / 2, W - _ig->width()), bottomRow);
    bl->move(_tol->x() + _tol->width() + 1, H - _tol->height() - 6);
    br->move(_ig->x() - br->width() - 1, H - _tol->height() - 6);
}
