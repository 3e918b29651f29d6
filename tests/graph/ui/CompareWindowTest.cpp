// The comparison of measurements, driven from the main window's command:
// choosing windows and files, the aligned curves that read the records in
// place, the table and its double-click, the cursor read-out, a graph window
// closing or being cut while compared, and the exports.
#include "GraphWindowTestSupport.h"

#include "app/ui/UserPrompts.h"
#include "engines/ChartSeries.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "graph/CompareTable.h"
#include "graph/MeasuringTexts.h"
#include "graph/ui/CompareMeasurement.h"
#include "graph/ui/ReadoutPanel.h"
#include "graph/ui/TFrm_Compare.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QListWidget>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace graphtest {
namespace {

using vorn::graphui::TFrm_Compare;
using vorn::graphui::TFrm_ComparePick;

class Compare : public GraphWindowTest {
protected:
    void TearDown() override
    {
        TFrm_ComparePick::setTestHook({});
        GraphWindowTest::TearDown();
    }
    // a: 40 samples at 30 s, discharging from sample 20, 85 % of an 80 %
    // threshold; b: 30 samples at 60 s, discharging from sample 10, 70 %.
    void openTwo()
    {
        TFile_Datas a = sampleRecord(40, 30, 20);
        a.Meres_No = 7;
        a.Mert_kap = 85;
        a.Minosit_szaz = 80;
        TFile_Datas b = sampleRecord(30, 60, 10);
        b.Meres_No = 8;
        b.Mert_kap = 70;
        b.Minosit_szaz = 80;
        graphA = open(writeFile(QStringLiteral("a.VRN"), a));
        graphB = open(writeFile(QStringLiteral("b.VRN"), b));
        ASSERT_TRUE(graphA && graphB);
    }
    // Runs the command with the picker answered by `answer`, then OK.
    TFrm_Compare *compareThrough(std::function<void(TFrm_ComparePick &)> answer = {})
    {
        TFrm_ComparePick::setTestHook([answer](TFrm_ComparePick &pick) {
            if (answer)
                answer(pick);
            pick.Btn_Ok->click();
        });
        main->Btn_Compare->click();
        return main->compareWindow();
    }
    QStringList row(TFrm_Compare *compare, int index) const
    {
        const QTreeWidgetItem *item =
            compare->Lsv_Table->ListView_SET()->topLevelItem(compare->rowOf(index));
        QStringList cells;
        for (int c = 1; c <= vorn::graph::CompareColumnCount; ++c)
            cells << item->text(c);
        return cells;
    }
    void doubleClickRow(TFrm_Compare *compare, int index)
    {
        TNewListView *list = compare->Lsv_Table->ListView_SET();
        const QRect cell = list->visualItemRect(list->topLevelItem(compare->rowOf(index)));
        // A double click as the window system delivers it: a click, then
        // the second press as a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    TFrm_Graph *graphA = nullptr;
    TFrm_Graph *graphB = nullptr;
};

TEST_F(Compare, TheCommandOffersTheOpenWindowsAddsFilesAndAlignsTheCurves)
{
    openTwo();
    const QString c = writeFile(QStringLiteral("c.VRN"), sampleRecord(20, 30, 0));
    QStringList offered;
    vorn::prompts::setOpenFilesHook([&](const vorn::prompts::FileRequest &) {
        // One new file, and one already open (ticked, not listed twice).
        return QStringList{c, filePath(QStringLiteral("a.VRN"))};
    });
    TFrm_Compare *compare = compareThrough([&](TFrm_ComparePick &pick) {
        for (int i = 0; i < pick.Lst_Choices->count(); ++i)
            offered << pick.Lst_Choices->item(i)->text();
        pick.Lst_Choices->item(0)->setCheckState(Qt::Unchecked);
        pick.Btn_AddFiles->click();
    });
    EXPECT_EQ(offered, (QStringList{u"a.VRN"_qs, u"b.VRN"_qs}));
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->isVisible());
    ASSERT_EQ(compare->measurementCount(), 3);
    EXPECT_EQ(compare->measurement(0)->window(), graphA);
    EXPECT_EQ(compare->measurement(1)->window(), graphB);
    EXPECT_EQ(compare->measurement(2)->window(), nullptr);
    EXPECT_EQ(compare->voltageSeries(2)->title(), u"c.VRN"_qs);
    // The open windows' curves read their records in place.
    EXPECT_EQ(&compare->measurement(0)->record(), &graphA->File_Datas);
    EXPECT_TRUE(compare->voltageSeries(0)->data().readsInPlace());

    // Minutes, aligned at the first discharge: a's sample 20 (10 min) lies at 0.
    EXPECT_EQ(compare->voltageSeries(0)->xValue(20), 0.0);
    EXPECT_EQ(compare->voltageSeries(0)->xValue(0), -10.0);
    EXPECT_EQ(compare->voltageSeries(1)->xValue(10), 0.0);
    EXPECT_EQ(compare->voltageSeries(2)->xValue(0), 0.0); // discharging from the start
    EXPECT_FALSE(compare->currentSeries(0)->isActive());
    compare->Chb_Align->click();
    EXPECT_EQ(compare->voltageSeries(0)->xValue(0), 0.0);
    EXPECT_EQ(compare->voltageSeries(0)->xValue(20), 10.0);
    compare->Chb_Current->click();
    EXPECT_TRUE(compare->currentSeries(1)->isActive());
    EXPECT_EQ(compare->currentSeries(1)->yValue(15), 5.0);

    // A language switch reaches the open comparison.
    main->switchLanguage(QStringLiteral("German"));
    EXPECT_EQ(compare->windowTitle(), main->texts.Text_List(vorn::graph::kTextCompare));
    EXPECT_EQ(compare->Lsv_Table->ListView_SET()->headerItem()->text(vorn::graph::ColFile + 1),
              main->texts.Text_List(160));
}

TEST_F(Compare, NothingChosenOpensNoWindow)
{
    openTwo();
    TFrm_Compare *compare = compareThrough([](TFrm_ComparePick &pick) {
        for (int i = 0; i < pick.Lst_Choices->count(); ++i)
            pick.Lst_Choices->item(i)->setCheckState(Qt::Unchecked);
    });
    EXPECT_EQ(compare, nullptr);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last().text, main->texts.Text_List(vorn::graph::kTextCompareNothingChosen));
}

TEST_F(Compare, TheTableSortsAndADoubleClickBringsTheWindowForwardOrOpensTheFile)
{
    openTwo();
    // c's file is cut short before its "<EOF>": its row counts that warning.
    const QString c = writeFile(QStringLiteral("c.VRN"), sampleRecord(20, 30, 0));
    QFile cut(c);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.readAll().lastIndexOf("<EOF>")));
    cut.close();
    vorn::prompts::setOpenFilesHook([&](const vorn::prompts::FileRequest &) { return QStringList{c}; });
    TFrm_Compare *compare = compareThrough([](TFrm_ComparePick &pick) { pick.Btn_AddFiles->click(); });
    ASSERT_EQ(compare->measurementCount(), 3);
    // a: 20 discharge samples at 30 s = 600 s; the cycle evaluation's mean
    // current 19 x 5 A / 20 (the sample that opens the segment counts by its
    // interval only) over 1/6 h = 0.79 A×h. Its one warning: the file's
    // tester verdict (FAIL) differs from 85 % of an 80 % threshold.
    EXPECT_EQ(row(compare, 0), (QStringList{u"a.VRN"_qs, u"7"_qs, u"2024.05.14 09:30"_qs, u"40"_qs,
                                            u"0,17"_qs, u"0,79"_qs, u"85"_qs, u"80"_qs,
                                            main->texts.Text_List(139), u"1"_qs}));
    EXPECT_EQ(row(compare, 2)[vorn::graph::ColWarnings], u"1"_qs);
    const QTreeWidgetItem *first = compare->Lsv_Table->ListView_SET()->topLevelItem(compare->rowOf(1));
    EXPECT_EQ(first->foreground(vorn::graph::ColVerdict + 1).color(), QColor(0xFF, 0x00, 0x00));

    // Sorted by the number of samples: 20 (c), 30 (b), 40 (a).
    compare->Lsv_Table->LsvColumnClick(vorn::graph::ColSamples + 1);
    EXPECT_EQ(compare->rowOf(2), 0);
    EXPECT_EQ(compare->rowOf(1), 1);
    EXPECT_EQ(compare->rowOf(0), 2);

    compare->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    doubleClickRow(compare, 0);
    EXPECT_EQ(main->activeGraph(), graphA);
    doubleClickRow(compare, 1);
    EXPECT_EQ(main->activeGraph(), graphB);
    // c has no window: it opens in one, whose record the curve reads from now on.
    doubleClickRow(compare, 2);
    ASSERT_EQ(main->graphWindows().size(), 3);
    TFrm_Graph *opened = main->graphWindows().last();
    EXPECT_EQ(compare->measurement(2)->window(), opened);
    EXPECT_EQ(&compare->measurement(2)->record(), &opened->File_Datas);
    EXPECT_EQ(main->activeGraph(), opened);
    EXPECT_EQ(row(compare, 2)[vorn::graph::ColWarnings], u"1"_qs);
}

TEST_F(Compare, AClosedGraphWindowHandsItsRecordOverAndACutIsFollowed)
{
    openTwo();
    TFrm_Compare *compare = compareThrough();
    ASSERT_EQ(compare->measurementCount(), 2);
    const double before = compare->voltageSeries(0)->yValue(5);
    main->mdiArea()->setActiveSubWindow(graphA);
    main->Btn_CloseClick();
    ASSERT_EQ(main->graphWindows().size(), 1);
    EXPECT_EQ(compare->measurement(0)->window(), nullptr);
    EXPECT_EQ(compare->measurement(0)->record().Meres_Datas.size(), 40u);
    EXPECT_EQ(compare->voltageSeries(0)->yValue(5), before);
    EXPECT_FALSE(compare->Main_Chart->grab().isNull());

    // b cut to samples 10 .. 29 (seconds view [600, 1800]): the curve follows.
    graphB->Cmb_Time->setCurrentIndex(0);
    graphB->Cmb_TimeChange(0);
    graphB->Main_Chart->bottomAxis()->setRange(600, 1800);
    drawn(graphB);
    answer({drYes});
    graphB->Btn_CutClick();
    EXPECT_EQ(compare->voltageSeries(1)->count(), 20);
    EXPECT_EQ(compare->voltageSeries(1)->yValue(0), graphB->Series1->yValue(0));
    EXPECT_EQ(row(compare, 1)[vorn::graph::ColSamples], u"20"_qs);
}

TEST_F(Compare, TheCursorReadsEveryCurveAtTheSameTime)
{
    openTwo();
    TFrm_Compare *compare = compareThrough();
    compare->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    // 5 minutes after the first discharge: a's sample 30, b's sample 15.
    const QPoint at(compare->Main_Chart->bottomAxis()->valueToPixel(5.0),
                    compare->Main_Chart->plotRect().center().y());
    QTest::mouseMove(compare->windowHandle(), compare->Main_Chart->mapTo(compare, at));
    ASSERT_TRUE(compare->cursorTime().has_value());
    const double secondsPerPixel = 60.0 / compare->Main_Chart->bottomAxis()->mapping().scale;
    EXPECT_NEAR(*compare->cursorTime(), 300.0, secondsPerPixel);
    compare->setCursorTime(300.0);
    const QList<QStringList> rows = compare->Pnl_Readout->rows();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0][1], u"5,00 min"_qs);
    EXPECT_EQ(rows[2], (QStringList{u"a.VRN"_qs, u"12,40 V"_qs, u"5,00 A"_qs}));
    EXPECT_EQ(rows[3], (QStringList{u"b.VRN"_qs, u"12,45 V"_qs, u"5,00 A"_qs}));
    // Past the end of a (10 minutes of discharge): a has nothing to show.
    compare->setCursorTime(900.0);
    EXPECT_EQ(compare->Pnl_Readout->rows()[2][1], u"---"_qs);
    EXPECT_EQ(compare->Pnl_Readout->rows()[3][1], u"12,35 V"_qs);
}

TEST_F(Compare, TheTableGoesIntoAWorkbookAndTheChartOntoTheClipboardABitmapAndAPdf)
{
    openTwo();
    TFrm_Compare *compare = compareThrough();
    compare->show();
    saveAnswer = filePath(QStringLiteral("table"));
    compare->Btn_ExportTable->click();
    EXPECT_EQ(messages.last().text, main->texts.Text_List(18));
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import json, openpyxl, sys\n"
                                 "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                                 "print(json.dumps([[c.value for c in r] for r in ws.iter_rows()]))"),
                  filePath(QStringLiteral("table.xlsx"))});
    ASSERT_TRUE(python.waitForFinished(30000));
    const QJsonArray sheet = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    ASSERT_EQ(sheet.size(), 3) << python.readAllStandardError().constData();
    EXPECT_EQ(sheet[0].toArray()[0].toString(), main->texts.Text_List(160));
    const QJsonArray a = sheet[1].toArray();
    EXPECT_EQ(a[0].toString(), u"a.VRN"_qs);
    EXPECT_EQ(a[1].toDouble(), 7.0);
    EXPECT_EQ(a[3].toDouble(), 40.0);
    EXPECT_NEAR(a[5].toDouble(), 95.0 / 20 * 600 / 3600, 1e-12);
    EXPECT_EQ(a[8].toString(), main->texts.Text_List(139));

    compare->Btn_CopyChart->click();
    EXPECT_EQ(QApplication::clipboard()->image().size(), compare->Main_Chart->size());
    saveAnswer = filePath(QStringLiteral("chart"));
    compare->Btn_SaveBmp->click();
    EXPECT_EQ(QImage(filePath(QStringLiteral("chart.bmp"))).size(), compare->Main_Chart->size());
    compare->Btn_SavePdf->click();
    EXPECT_EQ(messages.last().text, main->texts.Text_List(115));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {filePath(QStringLiteral("chart.pdf"))});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QByteArray pdf = info.readAllStandardOutput().simplified();
    EXPECT_TRUE(pdf.contains("Pages: 1 ")) << pdf.constData();
    EXPECT_TRUE(pdf.contains("842 x 595 pts (A4)")) << pdf.constData();
    // Vector drawing: the legend's file names are text.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {filePath(QStringLiteral("chart.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QByteArray words = text.readAllStandardOutput();
    EXPECT_TRUE(words.contains("a.VRN") && words.contains("b.VRN")) << words.constData();
}

} // namespace
} // namespace graphtest
