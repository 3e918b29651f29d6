// The comparison window: its controls, their layout and texts.
#include "TFrm_Compare.h"

#include "CompareMeasurement.h"
#include "ReadoutPanel.h"
#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "exchange/RowCompare.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "graph/CompareTable.h"
#include "graph/MeasuringTexts.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorn::graphui {

namespace {

constexpr QSize kToolButton(34, 32);
constexpr QSize kToolGlyph(24, 24);

// How each table column sorts (vorn::exchange::ColumnTag); column 0 holds
// the measurement's index and stays hidden.
constexpr int kColumnTags[vorn::graph::CompareColumnCount] = {
    0, vorn::exchange::TagInteger, 0, vorn::exchange::TagInteger, vorn::exchange::TagDecimal,
    vorn::exchange::TagDecimal, vorn::exchange::TagInteger, vorn::exchange::TagInteger, 0,
    vorn::exchange::TagInteger,
};

} // namespace

TFrm_Compare::TFrm_Compare(const CompareHost &host)
    : QWidget(host.owner, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("Frm_Compare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(vorn::art::icon(QStringLiteral("tb_compare")));
    setFont(vorn::ui::tahomaPt(8));
    resize(1100, 760);

    QWidget *tools = buildToolRow();
    buildChart();
    buildTable();
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(Main_Chart);
    split->addWidget(Lsv_Table);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(split, 1);
    connectHandlers();
    Set_Language();
}

TFrm_Compare::~TFrm_Compare() = default;

QToolButton *TFrm_Compare::toolButton(const char *name, const QString &art)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(vorn::art::icon(art));
    button->setIconSize(kToolGlyph);
    button->setFixedSize(kToolButton);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget *TFrm_Compare::buildToolRow()
{
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("Pnl_Tools"));
    row->setAttribute(Qt::WA_StyledBackground);
    row->setStyleSheet(QStringLiteral(
        "#Pnl_Tools { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f5f8fa,"
        " stop:1 #dde5ea); border-bottom: 1px solid #b7c3cb; }"));
    Btn_Choose = new QPushButton(row);
    Btn_Choose->setObjectName(QStringLiteral("Btn_Choose"));
    Chb_Align = new QCheckBox(row);
    Chb_Align->setObjectName(QStringLiteral("Chb_Align"));
    Chb_Align->setChecked(true);
    Chb_Current = new QCheckBox(row);
    Chb_Current->setObjectName(QStringLiteral("Chb_Current"));
    Cmb_Time = new QComboBox(row);
    Cmb_Time->setObjectName(QStringLiteral("Cmb_Time"));
    Cmb_Time->addItems({QString(), QString(), QString()});
    Cmb_Time->setCurrentIndex(vorn::graph::UnitMinutes);
    Btn_Def_Size = toolButton("Btn_Def_Size", QStringLiteral("gb_default_size"));
    Btn_ExportTable = toolButton("Btn_ExportTable", QStringLiteral("menu_excel"));
    Btn_CopyChart = toolButton("Btn_CopyChart", QStringLiteral("rp_clipboard"));
    Btn_SaveBmp = toolButton("Btn_SaveBmp", QStringLiteral("rp_bitmap"));
    Btn_SavePdf = toolButton("Btn_SavePdf", QStringLiteral("rp_pdf"));

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(Btn_Choose);
    layout->addSpacing(12);
    for (QWidget *widget : std::initializer_list<QWidget *>{Chb_Align, Chb_Current, Cmb_Time, Btn_Def_Size})
        layout->addWidget(widget);
    layout->addStretch(1);
    for (QToolButton *button : {Btn_ExportTable, Btn_CopyChart, Btn_SaveBmp, Btn_SavePdf})
        layout->addWidget(button);
    return row;
}

void TFrm_Compare::buildChart()
{
    using vorn::chart::ChartAxis;
    Main_Chart = new vorn::chart::ChartWidget(this);
    Main_Chart->setObjectName(QStringLiteral("Main_Chart"));
    Main_Chart->setMinimumHeight(240);
    Main_Chart->setCursor(Qt::CrossCursor);
    Main_Chart->setDecimalSeparator(vorn::numfmt::decimalSeparator());
    Main_Chart->setBackgroundColor(Qt::white);
    Main_Chart->setLegendVisible(true);
    Main_Chart->setMargins(3, 4, 3, 3);
    Main_Chart->bottomAxis()->setLabelFormat(QStringLiteral("0.##"));
    Main_Chart->rightAxis()->setGridVisible(false);
    Main_Chart->rightAxis()->setVisible(false);
    // Zoom with a left drag (a drag up or left undoes it), pan with the
    // middle button.
    Main_Chart->setZoomEnabled(true);
    Main_Chart->setPanEnabled(true);
    Pnl_Readout = new ReadoutPanel(Main_Chart);
    Pnl_Readout->setObjectName(QStringLiteral("Pnl_Readout"));
    Pnl_Readout->hide();
    Main_Chart->setOverlay([this](vorn::chart::ChartCanvas &canvas) { drawCursor(canvas); });
}

void TFrm_Compare::buildTable()
{
    Lsv_Table = new TLxListViewSearch(this);
    Lsv_Table->setObjectName(QStringLiteral("Lsv_Table"));
    TNewListView *list = Lsv_Table->ListView_SET();
    list->setColumnCount(vorn::graph::CompareColumnCount + 1);
    list->setColumnHidden(0, true);
    for (int c = 0; c < vorn::graph::CompareColumnCount; ++c) {
        list->setColumnTag(c + 1, kColumnTags[c]);
        if (c != vorn::graph::ColFile)
            list->setColumnAlignment(c + 1, Qt::AlignCenter);
    }
    list->header()->setStretchLastSection(true);
    list->setRootIsDecorated(false);
    Lsv_Table->setUse_Sort(true);
}

void TFrm_Compare::connectHandlers()
{
    using vorn::chart::ChartWidget;
    connect(Btn_Choose, &QPushButton::clicked, this, &TFrm_Compare::Btn_ChooseClick);
    connect(Chb_Align, &QCheckBox::clicked, this, &TFrm_Compare::Chb_AlignClick);
    connect(Chb_Current, &QCheckBox::clicked, this, &TFrm_Compare::Chb_CurrentClick);
    connect(Cmb_Time, &QComboBox::activated, this, &TFrm_Compare::Cmb_TimeChange);
    connect(Btn_Def_Size, &QToolButton::clicked, this, &TFrm_Compare::Btn_Def_SizeClick);
    connect(Btn_ExportTable, &QToolButton::clicked, this, &TFrm_Compare::Btn_ExportTableClick);
    connect(Btn_CopyChart, &QToolButton::clicked, this, &TFrm_Compare::Btn_CopyChartClick);
    connect(Btn_SaveBmp, &QToolButton::clicked, this, &TFrm_Compare::Btn_SaveBmpClick);
    connect(Btn_SavePdf, &QToolButton::clicked, this, &TFrm_Compare::Btn_SavePdfClick);
    connect(Main_Chart, &ChartWidget::mouseMoved, this,
            [this](QPoint pos, Qt::MouseButtons buttons) {
                if (buttons == Qt::NoButton)
                    mouseOverChart(pos);
            });
    connect(Main_Chart, &ChartWidget::zoomUndone, this, &TFrm_Compare::Btn_Def_SizeClick);
    // The view may have changed: the read-out keeps clear of the last samples.
    connect(Main_Chart, &ChartWidget::afterDraw, this, [this] {
        if (Pnl_Readout->isVisible())
            placeReadout();
    });
    connect(Lsv_Table->ListView_SET(), &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { Lsv_TableDblClick(item); });
}

void TFrm_Compare::Set_Language()
{
    using namespace vorn::graph;
    const TextTables &t = *m_host.texts;
    setWindowTitle(t.Text_List(kTextCompare));
    Btn_Choose->setText(t.Text_List(kTextCompareChoose));
    Chb_Align->setText(t.Text_List(kTextCompareAlign));
    Chb_Current->setText(t.Text_List(65));
    Btn_Def_Size->setToolTip(t.Text_List(88));
    Btn_ExportTable->setToolTip(t.Text_List(kTextCompareExportTable));
    Btn_CopyChart->setToolTip(t.Text_List(110));
    Btn_SaveBmp->setToolTip(t.Text_List(57));
    Btn_SavePdf->setToolTip(t.Text_List(109));
    Pnl_Readout->setToolTip(t.Text_List(kTextSpanCopyHint));
    const int unit = Cmb_Time->currentIndex();
    Cmb_Time->clear();
    Cmb_Time->addItems({t.Text_List(128), t.Text_List(53), t.Text_List(54)});
    Cmb_Time->setCurrentIndex(unit);

    Main_Chart->leftAxis()->setTitle(t.Text_List(36) + u' ' + t.Text_List(132));
    Main_Chart->rightAxis()->setTitle(t.Text_List(37) + u' ' + t.Text_List(133));
    Main_Chart->bottomAxis()->setTitle(timeAxisTitle(unit, t));
    QStringList captions = compareColumnCaptions(t);
    captions.prepend(QString());
    Lsv_Table->ListView_SET()->setHeaderLabels(captions);
    Lsv_Table->setColumn_Name(captions[ColFile + 1]);
    fillTable();
    showReadout();
}

int TFrm_Compare::timeUnit() const
{
    return vorn::graph::effectiveTimeUnit(Cmb_Time->currentIndex());
}

} // namespace vorn::graphui
