// The graph settings dialog: live preview on the graph window, saving the
// steps, and undoing the preview on every other way of closing.
#include "TFrm_SetGraph.h"
#include "ui_TFrm_SetGraph.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "app/ui/TFrm_Main.h"
#include "engines/ChartWidget.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

using vorn::chart::ChartWidget;

// Wide enough for the largest value, 10000.
constexpr int kSpinWidth = 68;

// A bold red caption over the group's controls in the usual look.
void emphasiseTitle(QGroupBox *group)
{
    // Set explicitly, so that the children do not take the title's look.
    QFont childFont = group->font();
    childFont.setBold(false);
    QPalette childPalette = group->palette();
    childPalette.setColor(QPalette::WindowText, childPalette.color(QPalette::WindowText));
    QFont titleFont = childFont;
    titleFont.setBold(true);
    QPalette titlePalette = childPalette;
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    group->setFont(titleFont);
    group->setPalette(titlePalette);
    for (QWidget *child : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        child->setFont(childFont);
        child->setPalette(childPalette);
    }
}

void setSideMargins(ChartWidget *chart, int percent)
{
    QMargins margins = chart->margins();
    margins.setLeft(percent);
    margins.setRight(percent);
    margins.setBottom(percent);
    chart->setMargins(margins);
}

void setCurrentShown(TFrm_Graph &graph, bool shown)
{
    graph.Series2->setActive(shown);
    graph.Main_Chart->rightAxis()->setVisible(shown);
    graph.cbA->setChecked(shown);
}

void setScalingShown(TFrm_Graph &graph, bool shown)
{
    setSideMargins(graph.Main_Chart,
                   shown ? TFrm_SetGraph::WideMargin : TFrm_SetGraph::NarrowMargin);
    for (QWidget *field : scalingFields(graph))
        field->setVisible(shown);
    // The zoom picture follows the mouse in zoom mode only; out of it, it
    // would stand alone somewhere on the chart.
    graph.Zoom_Img->setVisible(shown && graph.Main_Chart->isZoomEnabled());
    // The fields are placed by the plot, which the margins moved.
    graph.Main_ChartResize();
}

} // namespace

// ---- the window's display -------------------------------------------------------

QList<QWidget *> scalingFields(const TFrm_Graph &graph)
{
    return {graph.Edt_Max_fesz, graph.Edt_Min_fesz, graph.Edt_Max_Aram, graph.Edt_Min_Aram,
            graph._tol,         graph._ig,          graph.lt,           graph.lb,
            graph.rt,           graph.rb,           graph.bl,           graph.br,
            graph.Zoom_Img};
}

GraphDisplay captureGraphDisplay(const TFrm_Graph &graph)
{
    const ChartWidget *chart = graph.Main_Chart;
    GraphDisplay display;
    display.voltageActive = graph.Series1->isActive();
    display.currentActive = graph.Series2->isActive();
    display.upperLimitActive = graph.Series3->isActive();
    display.lowerLimitActive = graph.Series4->isActive();
    display.leftAxisVisible = chart->leftAxis()->isVisible();
    display.rightAxisVisible = chart->rightAxis()->isVisible();
    display.currentBoxTicked = graph.cbA->isChecked();
    display.leftGrid = chart->leftAxis()->isGridVisible();
    display.bottomGrid = chart->bottomAxis()->isGridVisible();
    display.margins = chart->margins();
    for (const QWidget *field : scalingFields(graph))
        display.scalingFieldsShown.push_back(field->isVisibleTo(field->parentWidget()));
    display.leftStep = chart->leftAxis()->increment();
    display.rightStep = chart->rightAxis()->increment();
    display.bottomStep = chart->bottomAxis()->increment();
    display.topStep = chart->topAxis()->increment();
    display.vlepeskoz = graph.vlepeskoz;
    return display;
}

void restoreGraphDisplay(TFrm_Graph &graph, const GraphDisplay &display)
{
    ChartWidget *chart = graph.Main_Chart;
    graph.Series1->setActive(display.voltageActive);
    graph.Series2->setActive(display.currentActive);
    graph.Series3->setActive(display.upperLimitActive);
    graph.Series4->setActive(display.lowerLimitActive);
    chart->leftAxis()->setVisible(display.leftAxisVisible);
    chart->rightAxis()->setVisible(display.rightAxisVisible);
    graph.cbA->setChecked(display.currentBoxTicked);
    chart->leftAxis()->setGridVisible(display.leftGrid);
    chart->bottomAxis()->setGridVisible(display.bottomGrid);
    chart->setMargins(display.margins);
    const QList<QWidget *> fields = scalingFields(graph);
    for (qsizetype i = 0; i < fields.size() && size_t(i) < display.scalingFieldsShown.size(); ++i)
        fields[i]->setVisible(display.scalingFieldsShown[size_t(i)]);
    chart->leftAxis()->setIncrement(display.leftStep);
    chart->rightAxis()->setIncrement(display.rightStep);
    chart->bottomAxis()->setIncrement(display.bottomStep);
    chart->topAxis()->setIncrement(display.topStep);
    graph.vlepeskoz = display.vlepeskoz;
    graph.Main_ChartResize();
}

// ---- the dialog -----------------------------------------------------------------

TFrm_SetGraph::TFrm_SetGraph(TFrm_Graph &graph)
    : QDialog(&graph, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFrm_SetGraph>()), m_graph(graph),
      m_atOpening(captureGraphDisplay(graph))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Frm_SetGraph"));
    setFixedSize(502, 239);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(vorn::ui::tahomaPt(8));
    emphasiseTitle(ui->Grb_Visible);
    for (QSpinBox *field : {ui->Spn_Volt, ui->Spn_Amper, ui->Spn_Ido, ui->Spn_koz}) {
        field->setFixedWidth(kSpinWidth);
        field->setAlignment(Qt::AlignRight);
    }
    for (QPushButton *button : {ui->Btn_Save, ui->Btn_Cancel})
        button->setFont(vorn::ui::tahomaPt(9, true));
    ui->Btn_Save->setIcon(vorn::art::icon(QStringLiteral("btn_ok")));
    ui->Btn_Cancel->setIcon(vorn::art::icon(QStringLiteral("btn_cancel")));
    connectControls();
}

TFrm_SetGraph::~TFrm_SetGraph() = default;

void TFrm_SetGraph::connectControls()
{
    connect(ui->Chb_Aram, &QCheckBox::toggled, this, &TFrm_SetGraph::Chb_AramClick);
    connect(ui->Chb_Fesz, &QCheckBox::toggled, this, &TFrm_SetGraph::Chb_FeszClick);
    connect(ui->Chb_hatar, &QCheckBox::toggled, this, &TFrm_SetGraph::Chb_hatarClick);
    connect(ui->Cmb_Grid, &QCheckBox::toggled, this, &TFrm_SetGraph::Cmb_GridClick);
    connect(ui->Cmb_Scale, &QCheckBox::toggled, this, &TFrm_SetGraph::Cmb_ScaleClick);
    connect(ui->Spn_Volt, &QSpinBox::valueChanged, this, &TFrm_SetGraph::Spn_VoltChange);
    connect(ui->Spn_Amper, &QSpinBox::valueChanged, this, &TFrm_SetGraph::Spn_AmperChange);
    connect(ui->Spn_Ido, &QSpinBox::valueChanged, this, &TFrm_SetGraph::Spn_IdoChange);
    connect(ui->Spn_koz, &QSpinBox::valueChanged, this, &TFrm_SetGraph::Spn_kozChange);
    connect(ui->Btn_Save, &QPushButton::clicked, this, &TFrm_SetGraph::Btn_SaveClick);
    connect(ui->Btn_Cancel, &QPushButton::clicked, this, &TFrm_SetGraph::Btn_CancelClick);
}

void TFrm_SetGraph::Set_Language(const vorn::TextTables &t)
{
    setWindowTitle(t.Text_List(59));
    ui->Grb_Visible->setTitle(t.Text_List(61));
    ui->Chb_Aram->setText(t.Text_List(65));
    ui->Chb_Fesz->setText(t.Text_List(66));
    ui->Chb_hatar->setText(t.Text_List(173));
    ui->Grb_Other->setTitle(t.Text_List(62));
    ui->Cmb_Scale->setText(t.Text_List(67));
    ui->Cmb_Grid->setText(t.Text_List(68));
    ui->Grb_Scale->setTitle(t.Text_List(63));
    ui->Lbl_Volt->setText(t.Text_List(36) + QStringLiteral(" (mV)"));
    ui->Lbl_Amper->setText(t.Text_List(37) + QStringLiteral(" (mA)"));
    // Minutes, whatever unit the time axis shows.
    ui->Lbl_Ido->setText(t.Text_List(69) + QStringLiteral(" (") + t.Text_List(53) + u')');
    ui->Grb_Marker->setTitle(t.Text_List(64));
    ui->Lbl_Koz->setText(t.Text_List(70));
    ui->Btn_Save->setText(t.Text_List(40));
    ui->Btn_Cancel->setText(t.Text_List(41));
}

void TFrm_SetGraph::load(const SetGraphValues &values)
{
    const bool wasLoading = std::exchange(m_loading, true);
    ui->Spn_Volt->setValue(values.Spn_Volt);
    ui->Spn_Amper->setValue(values.Spn_Amper);
    ui->Spn_Ido->setValue(values.Spn_Ido);
    ui->Spn_koz->setValue(values.Spn_koz);
    ui->Chb_Aram->setChecked(values.Chb_Aram);
    ui->Chb_Fesz->setChecked(values.Chb_Fesz);
    ui->Chb_hatar->setChecked(values.Chb_hatar);
    ui->Cmb_Grid->setChecked(values.Cmb_Grid);
    if (values.Cmb_Scale)
        ui->Cmb_Scale->setChecked(*values.Cmb_Scale);
    m_loading = wasLoading;
}

SetGraphValues TFrm_SetGraph::values() const
{
    return {ui->Spn_Volt->value(),    ui->Spn_Amper->value(),    ui->Spn_Ido->value(),
            ui->Spn_koz->value(),     ui->Chb_Aram->isChecked(), ui->Chb_Fesz->isChecked(),
            ui->Chb_hatar->isChecked(), ui->Cmb_Grid->isChecked(), ui->Cmb_Scale->isChecked()};
}

// ---- visible curves, grid and scaling fields --------------------------------------

void TFrm_SetGraph::Chb_AramClick()
{
    if (!m_loading)
        setCurrentShown(m_graph, ui->Chb_Aram->isChecked());
}

void TFrm_SetGraph::Chb_FeszClick()
{
    if (m_loading)
        return;
    const bool shown = ui->Chb_Fesz->isChecked();
    m_graph.Series1->setActive(shown);
    m_graph.Main_Chart->leftAxis()->setVisible(shown);
}

void TFrm_SetGraph::Chb_hatarClick()
{
    if (m_loading)
        return;
    const bool shown = ui->Chb_hatar->isChecked();
    m_graph.Series3->setActive(shown);
    m_graph.Series4->setActive(shown);
}

void TFrm_SetGraph::Cmb_GridClick()
{
    if (m_loading)
        return;
    const bool shown = ui->Cmb_Grid->isChecked();
    m_graph.Main_Chart->leftAxis()->setGridVisible(shown);
    m_graph.Main_Chart->bottomAxis()->setGridVisible(shown);
}

void TFrm_SetGraph::Cmb_ScaleClick()
{
    if (!m_loading)
        setScalingShown(m_graph, ui->Cmb_Scale->isChecked());
}

// ---- label steps and marker step --------------------------------------------------
// A spin field only reports a value it holds: while the user has emptied it,
// nothing changes.

void TFrm_SetGraph::Spn_VoltChange()
{
    if (!m_loading)
        m_graph.Main_Chart->leftAxis()->setIncrement(ui->Spn_Volt->value() / Milli);
}

void TFrm_SetGraph::Spn_AmperChange()
{
    if (!m_loading)
        m_graph.Main_Chart->rightAxis()->setIncrement(ui->Spn_Amper->value() / Milli);
}

void TFrm_SetGraph::Spn_IdoChange()
{
    if (m_loading)
        return;
    const double step = ui->Spn_Ido->value();
    m_graph.Main_Chart->bottomAxis()->setIncrement(step);
    m_graph.Main_Chart->topAxis()->setIncrement(step);
}

void TFrm_SetGraph::Spn_kozChange()
{
    if (!m_loading)
        m_graph.vlepeskoz = ui->Spn_koz->value();
}

// ---- buttons and closing ----------------------------------------------------------

void TFrm_SetGraph::Btn_SaveClick()
{
    const ChartWidget *chart = m_graph.Main_Chart;
    const vorn::ScaleSteps steps{chart->leftAxis()->increment(), chart->rightAxis()->increment(),
                                 chart->bottomAxis()->increment(), double(ui->Spn_koz->value())};
    QString error;
    if (!vorn::SettingsFile().writeScale(steps, &error)) {
        TFrm_Main &main = m_graph.mainWindow();
        main.Sajat_Dlg(main.texts.Err_List(10) + u'\n' + error, dtError);
        return;
    }
    Is_Save = true;
    accept();
}

void TFrm_SetGraph::Btn_CancelClick()
{
    reject();
}

void TFrm_SetGraph::done(int result)
{
    if (!Is_Save)
        restoreGraphDisplay(m_graph, m_atOpening);
    QDialog::done(result);
}
