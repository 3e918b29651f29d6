// The report window driven offscreen through a real main window and graph
// window: the command, the filling and the write-back, labels placed with the
// mouse, the outputs, and the PDF the window writes against vornctl's.
#include "../../graph/ui/GraphWindowTestSupport.h"
#include "../ReportTestSupport.h"

#include "app/ui/ReportCommand.h"
#include "app/ui/UserPrompts.h"
#include "measurement/MeasurementReader.h"
#include "report/ReportBuild.h"
#include "report/ReportDataFiles.h"
#include "report/ui/TFrm_Report.h"
#include "settings/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using graphtest::waitUntil;
using vorn::report::ReportDataFiles;

class ReportWindowTest : public graphtest::GraphWindowTest {
protected:
    void SetUp() override
    {
        GraphWindowTest::SetUp();
        TFile_Datas record = reporttest::periodRecord(6);
        record.MVN = QStringLiteral("Kovács Anna");
        graph = open(writeFile(QStringLiteral("run.VRN"), record));
        ASSERT_NE(graph, nullptr);
        drawn(graph);
    }
    void TearDown() override
    {
        report.reset();
        TFrm_Report::setPreviewHook({});
        GraphWindowTest::TearDown();
    }

    // The report window as the command builds it, shown without its modal loop.
    TFrm_Report &openReport(const std::function<void(ReportHost &)> &change = {})
    {
        ReportHost host = reportHostFor(*main, *graph);
        if (change)
            change(host);
        report = std::make_unique<TFrm_Report>(host, main.get());
        report->prepareReport();
        report->show();
        QApplication::setActiveWindow(report.get());
        EXPECT_TRUE(waitUntil([this] { return report->isActiveWindow(); }));
        report->JChart->redrawNow();
        return *report;
    }
    ReportDataFiles data() const { return ReportDataFiles(vorn::programFolder() + QStringLiteral("DATA")); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent event(type, at, report->JChart->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(report->JChart, &event);
    }
    static void type(const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }
    QPoint sampleAt(int i, bool voltage = true) const
    {
        return (voltage ? report->series.Series1 : report->series.Series2)->pixelOf(i);
    }

    TFrm_Graph *graph = nullptr;
    std::unique_ptr<TFrm_Report> report;
};

TEST_F(ReportWindowTest, CommandShowsTheReportAndClosingWritesItBack)
{
    QString shownName;
    QString shownVerdict;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<TFrm_Report *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        shownName = window->Edt_Name->text();
        shownVerdict = window->REdt_results->document()->lastBlock().text();
        window->Edt_Locate->setText(QStringLiteral("Lab 2"));
        window->Mem_Megjegyzes->setPlainText(QStringLiteral("one\ntwo"));
        window->close();
    });
    main->Btn_CertClick();
    EXPECT_EQ(shownName, QStringLiteral("Kovács Anna"));
    EXPECT_EQ(shownVerdict, main->texts.Text_List(139));
    EXPECT_TRUE(graph->Is_Modified);
    EXPECT_EQ(graph->File_Datas.MH, QStringLiteral("Lab 2"));
    EXPECT_EQ(graph->File_Datas.Megj, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(data().readIdentification(),
              (QStringList{QStringLiteral("Kovács Anna"), QStringLiteral("Lab 2"), QString(),
                           QStringLiteral("2024.05.14 09:30")}));
    EXPECT_FALSE(data().readCompany().isEmpty());
}

TEST_F(ReportWindowTest, AnAxisBoxWithoutANumberRefusesTheReport)
{
    graph->Edt_Max_Aram->setText(QStringLiteral("x"));
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto *window = qobject_cast<TFrm_Report *>(QApplication::activeModalWidget())) {
            opened = true;
            window->close();
        }
    });
    main->Btn_CertClick();
    EXPECT_FALSE(opened);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().text, main->texts.Err_List(19));
    EXPECT_FALSE(graph->Is_Modified);
}

TEST_F(ReportWindowTest, WithoutAGraphWindowTheCommandOnlyDisablesItself)
{
    graph->Is_Modified = false;
    main->Btn_CloseClick();
    main->Menu_Report->setEnabled(true);
    main->Btn_CertClick();
    EXPECT_FALSE(main->Menu_Report->isEnabled());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ReportWindowTest, ChartFollowsTheGraphWindow)
{
    TFrm_Report &r = openReport();
    EXPECT_EQ(r.series.Series1->count(), graph->Series1->count());
    EXPECT_TRUE(r.series.Series1->sharesPoints());
    EXPECT_EQ(r.JChart->bottomAxis()->maximum(), graph->Main_Chart->bottomAxis()->maximum());
    EXPECT_EQ(r.JChart->leftAxis()->title(), graph->Main_Chart->leftAxis()->title());
    // The report's colours are its own: discharge runs in _c8, not the graph's _c7.
    EXPECT_EQ(r.series.Series2->pointColor(r.series.Series2->count() - 1), vorn::colorFromBgr(main->_c8));
}

TEST_F(ReportWindowTest, LabelsArePlacedDescribedRefusedAndDeleted)
{
    TFrm_Report &r = openReport();
    const QPoint at = sampleAt(5);
    mouse(QEvent::MouseMove, at, Qt::NoButton);
    EXPECT_EQ(r.Current_Data_Point, 5);
    EXPECT_EQ(r.Lbl_Fesz->text(), QStringLiteral("13,10  V"));
    mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    ASSERT_TRUE(r.labels.slot(1).aktiv);
    EXPECT_EQ(r.labels.slot(1).lab, QStringLiteral("13,10  V"));

    // The description popup has the focus: typing and Enter store it.
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("F_Edit"));
    type(QStringLiteral("ok"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &enter);
    EXPECT_EQ(r.labels.slot(1).desc, QStringLiteral("ok"));

    // A second voltage label on the same sample is refused.
    mouse(QEvent::MouseMove, at, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first().text, main->texts.Err_List(24));
    EXPECT_EQ(r.labels.activeCount(), 1);

    // Over the label, a right click asks; "Yes" deletes it.
    const QPoint onLabel(r.labels.slot(1).xl + 2, r.labels.slot(1).yl + 2);
    mouse(QEvent::MouseMove, onLabel, Qt::NoButton);
    ASSERT_TRUE(r.labels.megvan);
    graph->Is_Modified = false;
    answer({drYes});
    mouse(QEvent::MouseButtonPress, onLabel, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(r.labels.activeCount(), 0);
    EXPECT_TRUE(graph->Is_Modified);
}

TEST_F(ReportWindowTest, NoSampleUnderTheCursorPlacesNothing)
{
    TFrm_Report &r = openReport([](ReportHost &host) { host.timeTo = QStringLiteral("1000"); });
    // The samples crowd at the left edge; the middle of the plot has none near.
    r.JChart->bottomAxis()->setRange(0, 1000);
    const QPoint middle = r.JChart->plotRect().center();
    mouse(QEvent::MouseMove, middle, Qt::NoButton);
    EXPECT_EQ(r.Current_Data_Point, -1);
    EXPECT_EQ(r.Lbl_Ido->text(), QStringLiteral("---"));
    mouse(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(r.labels.activeCount(), 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ReportWindowTest, TimeLimitsThatAreNoNumbersLeaveTheMouseAlone)
{
    TFrm_Report &r = openReport([](ReportHost &host) { host.timeFrom = QStringLiteral("x"); });
    mouse(QEvent::MouseMove, sampleAt(3), Qt::NoButton);
    EXPECT_EQ(r.Current_Data_Point, 0);
    EXPECT_EQ(r.Lbl_Fesz->text(), QStringLiteral("0 V"));
}

TEST_F(ReportWindowTest, WindowPdfIsTheOneVornctlWrites)
{
    QImage logo(90, 40, QImage::Format_RGB32);
    logo.fill(QColor(30, 90, 200));
    ASSERT_TRUE(data().writeLogo(logo));
    ASSERT_TRUE(data().writeIdentification({QStringLiteral("Default"), QStringLiteral("Lab"), QString(), QString()}));
    TFrm_Report &r = openReport();
    saveAnswer = filePath(QStringLiteral("window.report.pdf"));
    r.Btn_PDFClick();
    const QString windowPdf = filePath(QStringLiteral("window.pdf"));
    ASSERT_TRUE(QFile::exists(windowPdf)) << "cut at the file name's first dot";

    vorn::measurement::ReadResult fresh = vorn::measurement::readMeasurementFile(filePath(QStringLiteral("run.VRN")));
    ASSERT_TRUE(fresh.ok());
    vorn::report::RecordReportOptions options;
    options.colors = {main->_c2, main->_c5, main->_c6, main->_c8};
    options.fileDate = main->fileDate_report;
    const QString ctlPdf = filePath(QStringLiteral("ctl.pdf"));
    ASSERT_TRUE(vorn::report::writeRecordReport(fresh.record, main->texts, data(), options, ctlPdf).ok());

    // Only the date line ("VORN " and the time of printing) may differ.
    const auto withoutDate = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("VORN [^\n]*")));
    };
    EXPECT_EQ(withoutDate(reporttest::pdfText(windowPdf)), withoutDate(reporttest::pdfText(ctlPdf)));
    QImage a = reporttest::pdfPage(windowPdf, 1);
    QImage b = reporttest::pdfPage(ctlPdf, 1);
    ASSERT_EQ(a.size(), b.size());
    const QRect dateLine(a.width() / 2, 0, a.width() / 2, a.height() / 12);
    for (QImage *page : {&a, &b}) {
        QPainter painter(page);
        painter.fillRect(dateLine, Qt::white);
    }
    EXPECT_EQ(a, b);
}

TEST_F(ReportWindowTest, PreviewShowsTheReportInBlackAndWhiteThenTheColoursReturn)
{
    TFrm_Report &r = openReport();
    r.Chb_black->setChecked(true);
    int pages = 0;
    bool monochromeWhileShown = false;
    TFrm_Report::setPreviewHook([&](QPrintPreviewDialog &preview) {
        auto *widget = preview.findChild<QPrintPreviewWidget *>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        pages = widget->pageCount();
        monochromeWhileShown = r.JChart->isMonochrome();
        // The preview offers the PDF too.
        saveAnswer = filePath(QStringLiteral("from_preview"));
        preview.findChild<QAction *>(QStringLiteral("PreviewPdf"))->trigger();
    });
    r.Btn_PrintClick();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(monochromeWhileShown);
    EXPECT_FALSE(r.JChart->isMonochrome());
    EXPECT_EQ(r.JChart->backgroundColor(), vorn::colorFromBgr(main->_c2));
    EXPECT_EQ(reporttest::pdfPages(filePath(QStringLiteral("from_preview.pdf"))), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ReportWindowTest, PdfThatCannotBeWrittenIsReportedAndTheChartRestored)
{
    TFrm_Report &r = openReport();
    r.Chb_black->setChecked(true);
    saveAnswer = filePath(QStringLiteral("missing/folder/r.pdf"));
    r.Btn_PDFClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().text.startsWith(main->texts.Err_List(14)));
    EXPECT_TRUE(messages.first().text.contains(QStringLiteral("missing"))) << messages.first().text.toStdString();
    EXPECT_FALSE(r.JChart->isMonochrome());
}

TEST_F(ReportWindowTest, LogoIsImportedIntoTheDataFolderAndDeleted)
{
    QImage picture(60, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString png = filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(picture.save(png));
    TFrm_Report &r = openReport();
    // A left click on the logo's placeholder opens the logo menu too.
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, r.Lbl_Logo1->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(r.Lbl_Logo1, &press);
    EXPECT_TRUE(r.logo_popup->isVisible());
    r.logo_popup->hide();
    vorn::prompts::setOpenFileHook([png](const vorn::prompts::FileRequest &) { return png; });
    r.Logo01Click();
    EXPECT_TRUE(graph->File_Datas.Use_Kep);
    EXPECT_EQ(graph->File_Datas.Kep.image().size(), QSize(60, 30));
    EXPECT_EQ(data().readLogo().size(), QSize(60, 30));
    EXPECT_FALSE(r.Lbl_Logo1->isVisibleTo(&r));

    r.Logo02Click();
    EXPECT_FALSE(graph->File_Datas.Use_Kep);
    EXPECT_TRUE(data().readLogo().isNull());
    EXPECT_TRUE(r.Lbl_Logo1->isVisibleTo(&r));
}

TEST_F(ReportWindowTest, CompanyToolbarUnfoldsAndFormatsTheSelection)
{
    TFrm_Report &r = openReport();
    const int boxTop = r.Mem_cegparams->y();
    EXPECT_EQ(r.Pan_felugro_ceg->y(), boxTop - 16);
    r.Img_UpClick();
    EXPECT_EQ(r.Pan_felugro_ceg->geometry(), QRect(r.Mem_cegparams->x() + 5, boxTop - 54, 400, 54));
    EXPECT_TRUE(r.Img_Down->isVisibleTo(&r));

    r.Mem_cegparams->setPlainText(QStringLiteral("Acme Ltd."));
    r.Mem_cegparams->selectAll();
    // The button flips the selection's own style, whatever its state was.
    const bool wasBold = r.Mem_cegparams->currentCharFormat().fontWeight() > QFont::Normal;
    for (const bool bold : {!wasBold, wasBold}) {
        r.Btn_Bold->click();
        EXPECT_EQ(r.Mem_cegparams->textCursor().charFormat().fontWeight() > QFont::Normal, bold);
        EXPECT_EQ(r.Btn_Bold->isChecked(), bold);
    }
    r.Btn_Right->click();
    EXPECT_EQ(r.Mem_cegparams->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    r.Img_DownClick();
    EXPECT_EQ(r.Pan_felugro_ceg->geometry(), QRect(r.Mem_cegparams->x() + 5, boxTop - 17, 400, 24));
}

TEST_F(ReportWindowTest, ChartGoesToABitmapFileAndTheClipboard)
{
    TFrm_Report &r = openReport();
    saveAnswer = filePath(QStringLiteral("chart.bmp"));
    r.SpeedButton3Click();
    EXPECT_EQ(QImage(filePath(QStringLiteral("chart.bmp.BMP"))).size(), vorn::report::kReportChartSize);
    r.SpeedButton4Click();
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(clip, nullptr);
    EXPECT_TRUE(clip->hasImage());
    EXPECT_TRUE(clip->hasFormat(QStringLiteral("image/svg+xml")));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0).text, main->texts.Text_List(56));
    EXPECT_EQ(messages.at(1).text, main->texts.Text_List(55));
}

} // namespace
