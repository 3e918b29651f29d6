// The graph window: creation and layout of its controls, its language texts,
// the current-curve check box, and what closing it does to the main window.
#include "TFrm_Graph.h"

#include "GraphLook.h"
#include "RecordWatch.h"
#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "graph/TimeText.h"
#include "settings/NumberFormat.h"
#include "settings/ui/GraphDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using vorn::chart::ChartAxis;

// Design size of the window's client area.
constexpr QSize kClientSize(951, 583);
constexpr int kPanelHeight = 49;
constexpr QSize kPanelButton(38, 38);
constexpr QSize kPanelGlyph(24, 24);

QLabel *panelLabel(QWidget *panel, const char *name, bool bold, int minWidth = 0)
{
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    label->setFont(vorn::ui::tahomaPt(9, bold));
    label->setMinimumWidth(minWidth);
    return label;
}

QLabel *arrowPicture(QWidget *parent, const char *name, const QString &art)
{
    auto *arrow = new QLabel(parent);
    arrow->setObjectName(QLatin1String(name));
    const QSize size = vorn::art::intendedSize(art);
    arrow->setPixmap(vorn::art::pixmap(art, size));
    arrow->resize(size);
    arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    return arrow;
}

// The button panel: its row keeps its natural width, so a narrow window cuts
// the row off at the right instead of squeezing its controls together.
class PanelStrip : public QWidget {
public:
    explicit PanelStrip(QWidget *parent) : QWidget(parent) {}
    void setRow(QWidget *row) { m_row = row; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (m_row)
            m_row->setGeometry(0, 0, std::max(m_row->sizeHint().width(), width()), height());
    }

private:
    QWidget *m_row = nullptr;
};

} // namespace

TFrm_Graph::TFrm_Graph(TFrm_Main &main) : QMdiSubWindow(nullptr), m_main(main)
{
    setObjectName(QStringLiteral("Frm_Graph"));
    setWindowIcon(vorn::art::icon(QStringLiteral("app_logo")));
    setFont(vorn::ui::tahomaPt(8));

    // FormCreate.
    vorn::numfmt::useComma();
    GraphNoID = m_main.GraphNo;
    ++m_main.GraphNo;
    m_watch = new vorn::graphui::RecordWatch(this);

    auto *content = new QWidget(this);
    auto *panel = new PanelStrip(content);
    Main_Panel = panel;
    Main_Panel->setObjectName(QStringLiteral("Main_Panel"));
    auto *row = new QWidget(panel);
    panel->setRow(row);
    buildPanel(row);
    buildChart(content);
    buildChartEdits();
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Main_Panel);
    layout->addWidget(Main_Chart, 1);
    setWidget(content);
    content->resize(kClientSize);
    adjustSize();
    move(0, 0);

    connectHandlers();
    buildSpan();
    enableMainCommands();
    File_Datas.LRBZ.clear();
}

TFrm_Graph::~TFrm_Graph()
{
    // Whoever still reads the record keeps it: moved, not copied.
    if (m_watch->hasReaders())
        emit m_watch->released(std::make_shared<const TFile_Datas>(std::move(File_Datas)));
}

void TFrm_Graph::notifyRecordChanged()
{
    emit m_watch->changed();
}

void TFrm_Graph::buildPanel(QWidget *row)
{
    Main_Panel->setFixedHeight(kPanelHeight);
    Main_Panel->setAttribute(Qt::WA_StyledBackground);
    Main_Panel->setStyleSheet(QStringLiteral(
        "#Main_Panel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f5f8fa,"
        " stop:1 #dde5ea); border-bottom: 1px solid #b7c3cb; }"
        "QToolButton { border: 1px solid transparent; border-radius: 4px; }"
        "QToolButton:hover { border-color: #8fb3c4; background: #eef6fa; }"
        "QToolButton:checked { border-color: #015a77; background: #cfe6ef; }"));
    Btn_Def_Size = panelButton(row, "Btn_Def_Size", QStringLiteral("gb_default_size"), false);
    bZoom = panelButton(row, "bZoom", QStringLiteral("gb_zoom"), true);
    Btn_Mark = panelButton(row, "Btn_Mark", QStringLiteral("gb_mark"), true);
    Btn_Span = panelButton(row, "Btn_Span", QStringLiteral("gb_span"), true);
    Btn_Cut = panelButton(row, "Btn_Cut", QStringLiteral("gb_cut"), false);
    bGraphInfo = panelButton(row, "bGraphInfo", QStringLiteral("gb_info"), false);
    bSetGraph = panelButton(row, "bSetGraph", QStringLiteral("gb_settings"), false);

    Lbl_Time = panelLabel(row, "Lbl_Time", false);
    which_time = panelLabel(row, "which_time", true, 64);
    Cmb_Time = new QComboBox(row);
    Cmb_Time->setObjectName(QStringLiteral("Cmb_Time"));
    Cmb_Time->addItems({QString(), QString(), QString()});
    Cmb_Time->setMinimumWidth(64);
    // Picking a unit with the mouse leaves the keys with the chart.
    Cmb_Time->setFocusPolicy(Qt::TabFocus);
    Lbl_Amper = panelLabel(row, "Lbl_Amper", false);
    aram_lab = panelLabel(row, "aram_lab", true, 72);
    aram_lab->setText(QStringLiteral("0A"));
    cbA = new QCheckBox(row);
    cbA->setObjectName(QStringLiteral("cbA"));
    cbA->setChecked(true);
    cbA->setFocusPolicy(Qt::TabFocus);
    Lbl_Volt = panelLabel(row, "Lbl_Volt", false);
    fesz_lab = panelLabel(row, "fesz_lab", true, 72);
    fesz_lab->setText(QStringLiteral("0V"));
    for (QLabel *readout : {which_time, aram_lab, fesz_lab})
        vorn::graphui::styleReadout(readout);
    layoutPanel(row);
}

void TFrm_Graph::layoutPanel(QWidget *row)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 4, 10, 4);
    layout->setSpacing(3);
    for (QToolButton *button : {Btn_Def_Size, bZoom, Btn_Mark, Btn_Span, Btn_Cut})
        layout->addWidget(button);
    layout->addSpacing(10);
    layout->addWidget(bGraphInfo);
    layout->addWidget(bSetGraph);
    layout->addSpacing(24);
    const std::initializer_list<QWidget *> readouts = {Lbl_Time, which_time, Cmb_Time,
                                                       nullptr,  Lbl_Amper,  aram_lab,
                                                       cbA,      nullptr,    Lbl_Volt,
                                                       fesz_lab};
    for (QWidget *widget : readouts) {
        if (widget)
            layout->addWidget(widget);
        else
            layout->addSpacing(22);
    }
    layout->addStretch(1);
}

QToolButton *TFrm_Graph::panelButton(QWidget *panel, const char *name, const QString &art,
                                     bool toggle)
{
    auto *button = new QToolButton(panel);
    button->setObjectName(QLatin1String(name));
    button->setIcon(vorn::art::icon(art));
    button->setIconSize(kPanelGlyph);
    button->setFixedSize(kPanelButton);
    button->setCheckable(toggle);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TFrm_Graph::buildChart(QWidget *parent)
{
    Main_Chart = new vorn::chart::ChartWidget(parent);
    Main_Chart->setObjectName(QStringLiteral("Main_Chart"));
    Main_Chart->setCursor(Qt::CrossCursor);
    Main_Chart->setDecimalSeparator(vorn::numfmt::decimalSeparator());
    Main_Chart->setMargins(5, 5, 5, 5);
    Main_Chart->bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    Main_Chart->bottomAxis()->setIncrement(1.0);
    Main_Chart->leftAxis()->setIncrement(0.001);
    Main_Chart->rightAxis()->setIncrement(0.001);
    Main_Chart->rightAxis()->setGridVisible(false);

    // Drawing order: the first series lies underneath.
    Series2 = Main_Chart->addSeries(ChartAxis::Side::Right);
    Series1 = Main_Chart->addSeries(ChartAxis::Side::Left);
    for (vorn::chart::ChartSeries *series : {Series2, Series1})
        series->setLineWidth(3);
    Series3 = Main_Chart->addSeries(ChartAxis::Side::Left);
    Series3->setTitle(QStringLiteral("MaxLimit"));
    Series3->setColor(QColor(0x00, 0x80, 0x00));
    Series4 = Main_Chart->addSeries(ChartAxis::Side::Left);
    Series4->setTitle(QStringLiteral("MinLimit"));
    Series4->setColor(QColor(0xC0, 0x00, 0x00));
    for (vorn::chart::ChartSeries *series : {Series3, Series4}) {
        series->setPointMarksVisible(true);
        series->setPointMarkSize(2);
    }
    SpeedUp_GraphChart();
}

void TFrm_Graph::buildChartEdits()
{
    const auto makeEdit = [this](const char *name) {
        auto *edit = new QLineEdit(Main_Chart);
        edit->setObjectName(QLatin1String(name));
        edit->setFixedSize(kRangeEditSize);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFont(rangeEditFont());
        edit->setCursor(Qt::IBeamCursor);
        return edit;
    };
    Edt_Max_fesz = makeEdit("Edt_Max_fesz");
    Edt_Min_fesz = makeEdit("Edt_Min_fesz");
    Edt_Max_Aram = makeEdit("Edt_Max_Aram");
    Edt_Min_Aram = makeEdit("Edt_Min_Aram");
    _tol = makeEdit("_tol");
    _ig = makeEdit("_ig");
    _tol->setText(QStringLiteral("0"));
    _ig->setText(QStringLiteral("0"));

    lt = arrowPicture(Main_Chart, "lt", QStringLiteral("arrow_up"));
    lb = arrowPicture(Main_Chart, "lb", QStringLiteral("arrow_down"));
    rt = arrowPicture(Main_Chart, "rt", QStringLiteral("arrow_up"));
    rb = arrowPicture(Main_Chart, "rb", QStringLiteral("arrow_down"));
    bl = arrowPicture(Main_Chart, "bl", QStringLiteral("arrow_left"));
    br = arrowPicture(Main_Chart, "br", QStringLiteral("arrow_right"));

    Zoom_Img = arrowPicture(Main_Chart, "Zoom_Img", QStringLiteral("zoom_cursor"));
    Zoom_Img->hide();
}

QFont TFrm_Graph::rangeEditFont()
{
    return vorn::ui::tahomaPt(8);
}

void TFrm_Graph::connectHandlers()
{
    using vorn::chart::ChartWidget;
    connect(Btn_Def_Size, &QToolButton::clicked, this, &TFrm_Graph::Btn_Def_SizeClick);
    connect(bZoom, &QToolButton::clicked, this, &TFrm_Graph::bZoomClick);
    connect(Btn_Mark, &QToolButton::clicked, this, &TFrm_Graph::Btn_MarkClick);
    connect(Btn_Cut, &QToolButton::clicked, this, &TFrm_Graph::Btn_CutClick);
    // bGraphInfo and bSetGraph open dialogs that are not part of this window.
    connect(bGraphInfo, &QToolButton::clicked, this, [this] { bGraphInfoClick(*this); });
    connect(bSetGraph, &QToolButton::clicked, this, [this] { bSetGraphClick(*this); });
    connect(Cmb_Time, &QComboBox::activated, this, &TFrm_Graph::Cmb_TimeChange);
    connect(cbA, &QCheckBox::clicked, this, &TFrm_Graph::cbAClick);

    connect(Edt_Max_fesz, &QLineEdit::returnPressed, this, &TFrm_Graph::Edt_Max_feszKeyDown);
    connect(Edt_Min_fesz, &QLineEdit::returnPressed, this, &TFrm_Graph::Edt_Min_feszKeyDown);
    connect(Edt_Max_Aram, &QLineEdit::returnPressed, this, &TFrm_Graph::Edt_Max_AramKeyDown);
    connect(Edt_Min_Aram, &QLineEdit::returnPressed, this, &TFrm_Graph::Edt_Min_AramKeyDown);
    connect(_tol, &QLineEdit::returnPressed, this, &TFrm_Graph::_tolKeyDown);
    connect(_ig, &QLineEdit::returnPressed, this, &TFrm_Graph::_igKeyDown);
    for (QLineEdit *edit : {Edt_Max_fesz, Edt_Min_fesz, Edt_Max_Aram, Edt_Min_Aram, _tol, _ig}) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            if (fitRangeEdit(edit))
                Main_ChartResize();
        });
    }

    connect(Main_Chart, &ChartWidget::afterDraw, this, &TFrm_Graph::Main_ChartAfterDraw);
    connect(Main_Chart, &ChartWidget::resized, this, &TFrm_Graph::Main_ChartResize);
    connect(Main_Chart, &ChartWidget::zoomUndone, this, &TFrm_Graph::Main_ChartUndoZoom);
    connect(Main_Chart, &ChartWidget::mouseMoved, this,
            [this](QPoint pos) { Main_ChartMouseMove(pos.x(), pos.y()); });
    connect(Main_Chart, &ChartWidget::keyDown, this, &TFrm_Graph::Main_ChartKeyDown);
    connect(m_main.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window == this)
            FormActivate();
    });
}

void TFrm_Graph::enableMainCommands()
{
    for (QToolButton *button : {m_main.Btn_Cert, m_main.Btn_Save, m_main.Btn_Close})
        button->setEnabled(true);
    for (QAction *action : {m_main.Menu_Close, m_main.Menu_Report, m_main.Menu_Save,
                            m_main.Menu_Exp_Excel, m_main.Menu_Rename})
        action->setEnabled(true);
    m_main.Fmenu_Window->setEnabled(true);
}

void TFrm_Graph::SpeedUp_GraphChart()
{
    // The chart is always flat; a title and a legend would only cost room.
    Main_Chart->setTitleVisible(false);
    Main_Chart->setLegendVisible(false);
}

void TFrm_Graph::cbAClick()
{
    Series2->setActive(cbA->isChecked());
}

void TFrm_Graph::FormActivate()
{
    SetMenu();
    focusChart();
}

// ---- language ---------------------------------------------------------------

void TFrm_Graph::Change_Language()
{
    const vorn::TextTables &t = m_main.texts;
    Lbl_Time->setText(t.Text_List(69) + u':');
    Lbl_Amper->setText(t.Text_List(37) + u':');
    Lbl_Volt->setText(t.Text_List(36) + u':');
    bSetGraph->setToolTip(t.Text_List(59));
    bGraphInfo->setToolTip(t.Text_List(71));
    Btn_Cut->setToolTip(t.Menu_List(24));
    Btn_Mark->setToolTip(t.Text_List(85));
    bZoom->setToolTip(t.Text_List(87));
    Btn_Def_Size->setToolTip(t.Text_List(88));
    Edt_Max_fesz->setToolTip(t.Text_List(89));
    Edt_Min_fesz->setToolTip(t.Text_List(90));
    Edt_Max_Aram->setToolTip(t.Text_List(91));
    Edt_Min_Aram->setToolTip(t.Text_List(92));
    _ig->setToolTip(t.Text_List(93));
    _tol->setToolTip(t.Text_List(94));

    Main_Chart->leftAxis()->setTitle(t.Text_List(36) + u' ' + t.Text_List(132));
    Main_Chart->rightAxis()->setTitle(t.Text_List(37) + QStringLiteral(" (") + t.Text_List(10)
                                      + u')');
    Main_Chart->bottomAxis()->setTitle(vorn::graph::timeAxisTitle(vXTime, t));

    const int selected = Cmb_Time->currentIndex();
    const QSignalBlocker quiet(Cmb_Time);
    Cmb_Time->clear();
    Cmb_Time->addItems({t.Text_List(128), t.Text_List(53), t.Text_List(54)});
    Cmb_Time->setCurrentIndex(selected);
    spanLanguage();
}

// ---- closing ----------------------------------------------------------------

void TFrm_Graph::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    m_closing = true;
    if (Is_Modified) {
        const vorn::TextTables &t = m_main.texts;
        const QString question = t.Text_List(19) + QStringLiteral(" \"") + windowTitle().toUpper()
                                 + QStringLiteral("\" ") + t.Text_List(20);
        if (m_main.Sajat_Dlg(question, dtQuestion) == drYes) {
            // The save button saves the active window, normally this one.
            if (m_main.activeGraph() == this)
                m_main.Btn_SaveClick();
            else
                Save_TO_File(m_main, *this);
        }
    }
    const int remaining = int(m_main.graphWindows().size()) - 1;
    showNormal();
    removeMenu();
    updateCommandsAfterClose(remaining);
    QMdiSubWindow::closeEvent(event);
    deleteLater();
}

void TFrm_Graph::discard()
{
    m_closing = true;
    removeMenu();
    int remaining = 0;
    for (const TFrm_Graph *graph : m_main.graphWindows())
        remaining += graph != this;
    updateCommandsAfterClose(remaining);
    delete this;
}

void TFrm_Graph::updateCommandsAfterClose(int remaining)
{
    const bool others = remaining > 0;
    for (QToolButton *button : {m_main.Btn_Save, m_main.Btn_Cert})
        button->setEnabled(others);
    for (QAction *action : {m_main.Menu_Report, m_main.Menu_Save, m_main.Menu_Exp_Excel,
                            m_main.Menu_Rename})
        action->setEnabled(others);
    if (m_main.Fmenu_Window->actions().size() <= 7) {
        m_main.Btn_Close->setEnabled(false);
        m_main.Fmenu_Window->setEnabled(false);
        m_main.Menu_Close->setEnabled(false);
    }
}
