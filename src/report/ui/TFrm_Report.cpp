// The report window: creation and layout of its controls, its language texts,
// and the report command's steps that build and show it.
#include "TFrm_Report.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "report/ReportBuild.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>

namespace {

using vorn::ui::tahomaPt;

constexpr QSize kClientSize(812, 662);
constexpr int kTopBarHeight = 55;
constexpr int kBottomBarHeight = 54;
// The report body inside the scrolling area (content coordinates).
constexpr QSize kBodySize(780, 1110);
constexpr QSize kOutputButton(40, 40);
constexpr int kLabelsLeft = 2;

QLabel *label(QWidget *parent, const char *name, const QRect &geometry, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(alignment);
    return l;
}

QLineEdit *edit(QWidget *parent, const char *name, const QRect &geometry, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->setMaxLength(maxLength);
    return e;
}

// A read-out: a caption and a value in a sunken box.
QLabel *readout(QWidget *parent, const char *name, const char *caption, QLabel **captionLabel, int x,
                const QString &start)
{
    *captionLabel = label(parent, caption, QRect(x, 8, 90, 14), tahomaPt(8, true));
    QLabel *value = label(parent, name, QRect(x, 24, 90, 22), tahomaPt(9, true), Qt::AlignCenter);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setText(start);
    return value;
}

QFont sectionFont()
{
    QFont font = tahomaPt(10, true);
    font.setUnderline(true);
    return font;
}

} // namespace

TFrm_Report::TFrm_Report(const ReportHost &host, QWidget *parent)
    : QDialog(parent), m_host(host), m_files(host.dataFolder)
{
    setObjectName(QStringLiteral("Frm_Report"));
    setModal(true);
    setFont(tahomaPt(8));
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    buildTopBar();
    buildBody();
    buildBottomBar();
    buildLogoMenu();
    connectHandlers();

    // FormCreate.
    prepareCompanyEditor();
    Edt_dateTime_report->setText(vorn::report::fileDateText(m_host.fileDate_report));
}

TFrm_Report::~TFrm_Report() = default;

void TFrm_Report::buildTopBar()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kClientSize.width(), kTopBarHeight);
    Panel1->setAttribute(Qt::WA_StyledBackground);
    Panel1->setStyleSheet(QStringLiteral(
        "#Panel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f5f8fa,"
        " stop:1 #dde5ea); border-bottom: 1px solid #b7c3cb; }"));

    Grb_Cimke = new QGroupBox(Panel1);
    Grb_Cimke->setObjectName(QStringLiteral("Grb_Cimke"));
    Grb_Cimke->setGeometry(8, 2, 250, 48);
    Rdb_Fesz = new QRadioButton(Grb_Cimke);
    Rdb_Fesz->setObjectName(QStringLiteral("Rdb_Fesz"));
    Rdb_Fesz->setGeometry(12, 20, 110, 20);
    Rdb_Fesz->setChecked(true);
    Rdb_Aram = new QRadioButton(Grb_Cimke);
    Rdb_Aram->setObjectName(QStringLiteral("Rdb_Aram"));
    Rdb_Aram->setGeometry(128, 20, 110, 20);

    Lbl_Fesz = readout(Panel1, "Lbl_Fesz", "Lbl_CFesz", &Lbl_CFesz, 300, QStringLiteral("0 V"));
    Lbl_Aram = readout(Panel1, "Lbl_Aram", "Lbl_CAram", &Lbl_CAram, 410, QStringLiteral("0 A"));
    Lbl_Ido = readout(Panel1, "Lbl_Ido", "Lbl_CIdo", &Lbl_CIdo, 520, QStringLiteral("0"));
}

void TFrm_Report::buildBody()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(0, kTopBarHeight, kClientSize.width(),
                            kClientSize.height() - kTopBarHeight - kBottomBarHeight);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    auto *body = new QWidget;
    body->setObjectName(QStringLiteral("ReportBody"));
    body->setFixedSize(kBodySize);
    body->setAutoFillBackground(true);
    body->setPalette(palette());

    buildLogoFrame(body);
    buildCompanyEditor(body);
    buildIdentification(body);
    buildChart(body);
    buildLists(body);
    ScrollBox1->setWidget(body);

    // Collects every period line for the extra pages; never shown.
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->hide();
}

void TFrm_Report::buildLogoFrame(QWidget *body)
{
    Panel3 = new QFrame(body);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(32, 57, 252, 122);
    Panel3->setFrameShape(QFrame::Box);
    Panel3->setFrameShadow(QFrame::Sunken);
    Panel3->setCursor(Qt::PointingHandCursor);
    Panel3->setContextMenuPolicy(Qt::CustomContextMenu);
    Img_Kep = label(Panel3, "Img_Kep", QRect(4, 4, 244, 114), font(), Qt::AlignCenter);
    Lbl_Logo1 = label(Panel3, "Lbl_Logo1", QRect(96, 32, 80, 20), tahomaPt(14, true));
    Lbl_Logo1->setText(QStringLiteral("LOGO"));
    Lbl_Logo2 = label(Panel3, "Lbl_Logo2", QRect(61, 57, 140, 16), tahomaPt(9));
    Lbl_Logo2->setText(QStringLiteral("250x120 Pixel"));
    for (QLabel *placeholder : {Lbl_Logo1, Lbl_Logo2})
        placeholder->setStyleSheet(QStringLiteral("color: #8a9aa3;"));
}

void TFrm_Report::buildIdentification(QWidget *body)
{
    using vorn::report::kDateMaxLength;
    using vorn::report::kNameMaxLength;
    const QFont bold = tahomaPt(10, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // The labels end where they were designed to; they reach further left so
    // that a wider substitute font or a longer language text still shows whole.
    const auto caption = [&](const char *name, int designedLeft, int top, int width) {
        const int end = designedLeft + width;
        return label(body, name, QRect(kLabelsLeft, top, end - kLabelsLeft, 20), bold, right);
    };
    Lbl_MVN = caption("Lbl_MVN", 24, 186, 197);
    Edt_Name = edit(body, "Edt_Name", QRect(224, 184, 345, 24), kNameMaxLength);
    Lbl_MH = caption("Lbl_MH", 30, 210, 191);
    Edt_Locate = edit(body, "Edt_Locate", QRect(224, 208, 345, 24), kNameMaxLength);
    Lbl_MHM = caption("Lbl_MHM", 21, 234, 200);
    Edt_Hardvare = edit(body, "Edt_Hardvare", QRect(224, 232, 345, 24), kNameMaxLength);
    Lbl_datetime_report = caption("Lbl_datetime_report", 19, 258, 199);
    Edt_dateTime_report = edit(body, "Edt_dateTime_report", QRect(224, 256, 169, 24), kDateMaxLength);
    Lbl_MD = caption("Lbl_MD", 19, 281, 199);
    Edt_DateTime = edit(body, "Edt_DateTime", QRect(224, 278, 169, 24), kDateMaxLength);
}

void TFrm_Report::buildChart(QWidget *body)
{
    JChart = new vorn::chart::ChartWidget(body);
    JChart->setObjectName(QStringLiteral("JChart"));
    JChart->setGeometry(QRect(QPoint(16, 305), vorn::report::kReportChartSize));
    JChart->setZoomEnabled(false);
    JChart->setPanEnabled(true);
    JChart->setPanButton(Qt::MiddleButton);
    JChart->setMouseTracking(true);
    series = vorn::report::designReportChart(*JChart);
}

void TFrm_Report::buildLists(QWidget *body)
{
    Lbl_Params = label(body, "Lbl_Params", QRect(30, 693, 347, 20), sectionFont());
    Mem_params = new QPlainTextEdit(body);
    Mem_params->setObjectName(QStringLiteral("Mem_params"));
    Mem_params->setGeometry(30, 715, 347, 170);
    Mem_params->setReadOnly(true);

    Lbl_Results = label(body, "Lbl_Results", QRect(416, 693, 337, 20), sectionFont());
    REdt_results = new QTextEdit(body);
    REdt_results->setObjectName(QStringLiteral("REdt_results"));
    REdt_results->setGeometry(415, 715, 337, 379);
    REdt_results->setReadOnly(true);
    REdt_results->setLineWrapMode(QTextEdit::NoWrap);
    REdt_results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    REdt_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Lbl_Comment = label(body, "Lbl_Comment", QRect(30, 902, 347, 20), sectionFont());
    Mem_Megjegyzes = new QPlainTextEdit(body);
    Mem_Megjegyzes->setObjectName(QStringLiteral("Mem_Megjegyzes"));
    Mem_Megjegyzes->setGeometry(30, 924, 347, 170);
}

void TFrm_Report::buildBottomBar()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, kClientSize.height() - kBottomBarHeight, kClientSize.width(), kBottomBarHeight);
    Panel2->setAttribute(Qt::WA_StyledBackground);
    Panel2->setStyleSheet(QStringLiteral(
        "#Panel2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f5f8fa,"
        " stop:1 #dde5ea); border-top: 1px solid #b7c3cb; }"
        "QToolButton { border: 1px solid transparent; border-radius: 4px; }"
        "QToolButton:hover { border-color: #8fb3c4; background: #eef6fa; }"));
    const auto button = [this](const char *name, const char *art, int x) {
        auto *b = new QToolButton(Panel2);
        b->setObjectName(QLatin1String(name));
        b->setIcon(vorn::art::icon(QLatin1String(art)));
        b->setIconSize(QSize(28, 28));
        b->setGeometry(QRect(QPoint(x, 7), kOutputButton));
        b->setAutoRaise(true);
        return b;
    };
    Btn_Print = button("Btn_Print", "rp_print", 12);
    SpeedButton3 = button("SpeedButton3", "rp_bitmap", 58);
    Btn_PDF = button("Btn_PDF", "rp_pdf", 104);
    SpeedButton4 = button("SpeedButton4", "rp_clipboard", 150);
    Chb_jel = new QCheckBox(Panel2);
    Chb_jel->setObjectName(QStringLiteral("Chb_jel"));
    Chb_jel->setGeometry(230, 17, 180, 20);
    Chb_black = new QCheckBox(Panel2);
    Chb_black->setObjectName(QStringLiteral("Chb_black"));
    Chb_black->setGeometry(420, 17, 200, 20);
}

void TFrm_Report::buildLogoMenu()
{
    logo_popup = new QMenu(this);
    logo_popup->setObjectName(QStringLiteral("logo_popup"));
    Logo01 = logo_popup->addAction(QString());
    Logo01->setObjectName(QStringLiteral("Logo01"));
    Logo02 = logo_popup->addAction(QString());
    Logo02->setObjectName(QStringLiteral("Logo02"));
    logo_popup->addSeparator();
    Logo03 = logo_popup->addAction(QString());
    Logo03->setObjectName(QStringLiteral("Logo03"));
}

void TFrm_Report::connectHandlers()
{
    using vorn::chart::ChartWidget;
    connect(Panel3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { logo_popup->popup(Panel3->mapToGlobal(at)); });
    // The frame's hand cursor and tooltip invite a click: a left click opens
    // the same menu as the right one.
    Panel3->installEventFilter(this);
    connect(Logo01, &QAction::triggered, this, &TFrm_Report::Logo01Click);
    connect(Logo02, &QAction::triggered, this, &TFrm_Report::Logo02Click);
    connect(JChart, &ChartWidget::afterDraw, this, &TFrm_Report::JChartAfterDraw);
    JChart->setOverlay([this](vorn::chart::ChartCanvas &canvas) { drawCursor(canvas); });
    JChart->installEventFilter(this);
    connect(JChart, &ChartWidget::mouseMoved, this,
            [this](QPoint pos, Qt::MouseButtons buttons) { JChartMouseMove(pos, buttons); });
    connect(JChart, &ChartWidget::mouseDown, this,
            [this](QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
                JChartMouseDown(pos, button, buttons);
            });
    connect(JChart, &ChartWidget::mouseUp, this, &TFrm_Report::JChartMouseUp);
    connect(JChart, &ChartWidget::doubleClicked, this, &TFrm_Report::JChartDblClick);
    connect(Btn_Print, &QToolButton::clicked, this, &TFrm_Report::Btn_PrintClick);
    connect(SpeedButton3, &QToolButton::clicked, this, &TFrm_Report::SpeedButton3Click);
    connect(Btn_PDF, &QToolButton::clicked, this, &TFrm_Report::Btn_PDFClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TFrm_Report::SpeedButton4Click);
    connect(Chb_jel, &QCheckBox::clicked, this, &TFrm_Report::Chb_jelClick);
}

void TFrm_Report::Set_Language()
{
    using vorn::AddColonToLast;
    const vorn::TextTables &t = *m_host.texts;
    setWindowTitle(t.Menu_List(8));
    Rdb_Fesz->setText(t.Text_List(36));
    Lbl_CFesz->setText(t.Text_List(36));
    Rdb_Aram->setText(t.Text_List(37));
    Lbl_CAram->setText(t.Text_List(37));
    vorn::report::setReportSeriesTitles(series, t);
    Lbl_CIdo->setText(t.Text_List(69));
    Lbl_MVN->setText(AddColonToLast(t.Text_List(101)));
    Lbl_MH->setText(AddColonToLast(t.Text_List(102)));
    Lbl_MHM->setText(AddColonToLast(t.Text_List(103)));
    Lbl_MD->setText(AddColonToLast(t.Text_List(104)));
    Lbl_datetime_report->setText(AddColonToLast(t.Text_List(176)));
    Lbl_Params->setText(vorn::report::paramsHeading(t));
    Lbl_Results->setText(vorn::report::resultsHeading(t));
    Lbl_Comment->setText(vorn::report::commentHeading(t));
    Chb_jel->setText(t.Text_List(106));
    Chb_black->setText(t.Text_List(107));
    Logo01->setText(t.Menu_List(22));
    Logo02->setText(t.Menu_List(23));
    Logo03->setText(t.Text_List(41));
    Lbl_Betu->setText(t.Text_List(168));
    Lbl_Meret->setText(t.Text_List(169));
    Lbl_Stilus->setText(t.Text_List(170));
    Lbl_Igazit->setText(t.Text_List(171));
    Lbl_Szin->setText(t.Text_List(172));
    Lbl_File->setText(t.Menu_List(0));
    // Tooltips of the output buttons and the company block's file buttons.
    Btn_Print->setToolTip(t.Text_List(108));
    SpeedButton3->setToolTip(t.Text_List(57));
    Btn_PDF->setToolTip(t.Text_List(109));
    SpeedButton4->setToolTip(t.Text_List(110));
    Btn_Load->setToolTip(t.Text_List(117));
    Btn_save->setToolTip(t.Text_List(116));
    Panel3->setToolTip(t.Text_List(120));
}

void TFrm_Report::prepareReport()
{
    // The report's series show the graph window's points; their colours and
    // titles are the report's own.
    vorn::chart::ChartSeries *own[4] = {series.Series1, series.Series2, series.Series3, series.Series4};
    for (int i = 0; i < 4; ++i) {
        if (m_host.series[size_t(i)])
            own[i]->sharePointsOf(*m_host.series[size_t(i)]);
    }
    Set_Chart_Color();
    Fill_Values();
    Set_Language();
    vorn::report::setReportAxes(*JChart, m_host.axes);
    if (m_host.setModified)
        m_host.setModified();
}

void showReportWindow(const ReportHost &host, QWidget *parent)
{
    auto *report = new TFrm_Report(host, parent);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = report->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        report->move(frame.topLeft());
    }
    report->prepareReport();
    report->exec();
    delete report;
}
