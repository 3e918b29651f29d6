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

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
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
    TFrm_Report &openReport()
    {
        report = std::make_unique<TFrm_Report>(reportHostFor(*main, *graph), main.get());
        report->prepareReport();
        report->show();
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
    r.activateWindow();
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

} // namespace
