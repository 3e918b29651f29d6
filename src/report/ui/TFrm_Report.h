// The report window: an editable preview of the test report of one
// measurement (logo, company block, identification lines, the chart with the
// user's labels, parameters, results with the verdict, comment), and the
// buttons that print it, save it as PDF and export its chart.
#pragma once

#include "report/ReportAnnotations.h"
#include "report/ReportChart.h"
#include "report/ReportDataFiles.h"
#include "report/ReportFields.h"
#include "report/ReportFilling.h"
#include "report/ui/ReportHost.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrintPreviewDialog;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;
class QWidget;

namespace vorn::chart {
class ChartCanvas;
class ChartWidget;
class ChartSeries;
}

class TFrm_Report : public QDialog {
    Q_OBJECT
public:
    // FormCreate: builds the window, prepares the company-block editor and
    // shows the file time of the measurement.
    TFrm_Report(const ReportHost &host, QWidget *parent = nullptr);
    ~TFrm_Report() override;

    // Steps 4 to 7 of the report command: the series bound to the graph
    // window's, Set_Chart_Color, Fill_Values, Set_Language, the axes, and the
    // measurement marked modified.
    void prepareReport();
    void Set_Chart_Color();
    void Fill_Values();
    void Set_Language();

    // The verdict as Fill_Values computed it: true = PASS.
    bool Is_Accepted = false;
    vorn::report::ReportAnnotations labels;  // cmk, cmk_pos, megvan, melyikfog
    int Current_Data_Point = 0;
    bool EgerDown = false;
    QPoint oldPos;

    // Tests answer the print preview through this hook: when set it is
    // called with the preview instead of showing it, and the preview is
    // closed when it returns.
    using PreviewHook = std::function<void(QPrintPreviewDialog &)>;
    static void setPreviewHook(PreviewHook hook);

    // What the printed report shows now (also what the PDF holds).
    vorn::report::ReportContent reportContent() const;

    // ---- controls ----
    QWidget *Panel1 = nullptr, *Panel2 = nullptr;
    QGroupBox *Grb_Cimke = nullptr;
    QRadioButton *Rdb_Fesz = nullptr, *Rdb_Aram = nullptr;
    QLabel *Lbl_CFesz = nullptr, *Lbl_Fesz = nullptr, *Lbl_CAram = nullptr, *Lbl_Aram = nullptr,
           *Lbl_CIdo = nullptr, *Lbl_Ido = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *Img_Kep = nullptr, *Lbl_Logo1 = nullptr, *Lbl_Logo2 = nullptr;
    QTextEdit *Mem_cegparams = nullptr;
    QWidget *Pan_felugro_ceg = nullptr;
    QLabel *Img_hatter = nullptr, *Img_Up = nullptr, *Img_Down = nullptr;
    QLabel *Lbl_Betu = nullptr, *Lbl_Meret = nullptr, *Lbl_Stilus = nullptr, *Lbl_Igazit = nullptr,
           *Lbl_Szin = nullptr, *Lbl_File = nullptr;
    QComboBox *Cmb_Font = nullptr;
    QSpinBox *Spn_Size = nullptr;
    QToolButton *Btn_Bold = nullptr, *Btn_Italic = nullptr, *Btn_Under = nullptr, *Btn_Left = nullptr,
                *Btn_Center = nullptr, *Btn_Right = nullptr, *Btn_Load = nullptr, *Btn_save = nullptr;
    QFrame *Pan_Szin = nullptr;
    QLabel *Lbl_MVN = nullptr, *Lbl_MH = nullptr, *Lbl_MHM = nullptr, *Lbl_datetime_report = nullptr,
           *Lbl_MD = nullptr;
    QLineEdit *Edt_Name = nullptr, *Edt_Locate = nullptr, *Edt_Hardvare = nullptr,
              *Edt_dateTime_report = nullptr, *Edt_DateTime = nullptr;
    vorn::chart::ChartWidget *JChart = nullptr;
    vorn::report::ReportSeries series;  // Series1 .. Series4
    QLabel *Lbl_Params = nullptr, *Lbl_Results = nullptr, *Lbl_Comment = nullptr;
    QPlainTextEdit *Mem_params = nullptr, *Mem_Megjegyzes = nullptr;
    QTextEdit *REdt_results = nullptr, *RichEdit1 = nullptr;
    QToolButton *Btn_Print = nullptr, *SpeedButton3 = nullptr, *Btn_PDF = nullptr,
                *SpeedButton4 = nullptr;
    QCheckBox *Chb_jel = nullptr, *Chb_black = nullptr;
    QMenu *logo_popup = nullptr;
    QAction *Logo01 = nullptr, *Logo02 = nullptr, *Logo03 = nullptr;

public slots:
    // ---- logo ----
    void Logo01Click();
    void Logo02Click();
    // ---- company block ----
    void Img_UpClick();
    void Img_DownClick();
    void Cmb_FontChange();
    void Spn_SizeChange();
    void Btn_BoldClick();
    void Btn_ItalicClick();
    void Btn_UnderClick();
    void Btn_LeftClick();
    void Btn_CenterClick();
    void Btn_RightClick();
    void Pan_SzinClick();
    void Mem_cegparamsSelectionChange();
    void Btn_LoadClick();
    void Btn_saveClick();
    // ---- annotations ----
    void JChartMouseMove(QPoint pos, Qt::MouseButtons buttons);
    void JChartMouseDown(QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons);
    void JChartMouseUp();
    void JChartDblClick();
    void Create_felugro();
    void Drop_felugro();
    void Chb_jelClick();
    // ---- output ----
    void Btn_PrintClick();
    void Btn_PDFClick();
    void SpeedButton3Click();
    void SpeedButton4Click();

protected:
    void done(int result) override;           // FormClose, however the window closes
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Creation and layout (TFrm_Report.cpp).
    void buildTopBar();
    void buildBody();
    void buildLogoFrame(QWidget *body);
    void buildIdentification(QWidget *body);
    void buildLists(QWidget *body);
    void buildChart(QWidget *body);
    void buildBottomBar();
    void buildLogoMenu();
    void connectHandlers();
    // Company-block editor (TFrm_Report_Company.cpp).
    void buildCompanyEditor(QWidget *body);
    void buildCompanyToolbar();
    void buildCompanyControls(QWidget *bar);
    void prepareCompanyEditor();
    void mergeCompanyFormat(const QTextCharFormat &format);
    void setCompanyAlignment(Qt::Alignment alignment);
    // Filling and closing (TFrm_Report_Fill.cpp).
    void showLogo(const QImage &logo);
    void showResults(const QStringList &lines, vorn::graph::Verdict verdict);
    void FormClose();
    void reportFailure(const QString &text);
    // Annotations (TFrm_Report_Labels.cpp).
    void JChartAfterDraw(vorn::chart::ChartCanvas *canvas);
    void drawCursor(vorn::chart::ChartCanvas &canvas) const;
    void placeLabel();
    void showReadouts(int i);
    void Panel_MouseDown(QWidget *panel);
    void Panel_MouseMove(QWidget *panel);
    void Panel_MouseUp(QWidget *panel);
    QWidget *popup() const;
    void buildPopupContent(QWidget *panel, const vorn::report::ccc &label);
    bool isPopupHandle(QObject *watched) const;
    bool popupKey(QObject *watched, const QKeyEvent *key);
    // Output (TFrm_Report_Output.cpp).
    bool makeReport(vorn::report::ReportTemplate &report, QString *error);
    void restoreChart();
    void showPreview(vorn::report::ReportTemplate &report);
    bool exportPdf(const QString &chosen, vorn::report::ReportTemplate &report);

    ReportHost m_host;
    vorn::report::ReportDataFiles m_files;
    QImage m_logo;             // the picture the logo frame shows
    int m_cursorSample = -1;   // sample whose cursor line is drawn, -1: none
    bool m_closed = false;
    bool m_syncingToolbar = false;
};

// The report command after its checks: builds the window for `host`, runs
// steps 4 to 7 and shows it modally; it is destroyed when it closes.
void showReportWindow(const ReportHost &host, QWidget *parent);
