// The graph window's axes: the first view and a saved one, the range edits
// with good and bad input, time units, default size and zoom, cut, and where
// the edits stand on the chart.
#include "GraphWindowTestSupport.h"

#include "graph/ChartValues.h"
#include "graph/GraphTexts.h"
#include "graph/TimeUnits.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace graphtest {
namespace {

using vorn::chart::ChartAxis;

std::pair<double, double> rangeOf(const ChartAxis *axis)
{
    return {axis->minimum(), axis->maximum()};
}

void pressEnter(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
}

void pickUnit(TFrm_Graph *graph, int unit)
{
    graph->Cmb_Time->setCurrentIndex(unit);
    emit graph->Cmb_Time->activated(unit);
}

// 90 samples at 60 s between 11.2 and 13.2 V, charging for the first ten,
// with limit lines (tipus 0, discharge from sample 10).
TFile_Datas limitLineRecord()
{
    TFile_Datas record = sampleRecord(90, 60, 10);
    for (int i = 0; i < 90; ++i)
        record.Meres_Datas[size_t(i)].Meres_fesz = 13.2 - 2.0 * i / 89;
    record.Pass_100 = 3600;
    record.Minosit_szaz = 80;
    return record;
}

using Axes = GraphWindowTest;

TEST_F(Axes, AMeasurementOpensWithTheDefaultViewInMinutes)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), limitLineRecord()));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->Cmb_Time->currentIndex(), 1);
    EXPECT_EQ(graph->vXTime, 1);
    EXPECT_EQ(graph->Series3->count(), 4) << "the limit lines exist";
    // The lower limit line reaches 0 V; Nearest(13.2 + 0.51) = 14.
    EXPECT_EQ(rangeOf(graph->Main_Chart->leftAxis()), std::make_pair(0.0, 14.0));
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(2.0, 6.0));
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(0.0, 89.2));
    EXPECT_EQ(graph->Main_Chart->bottomAxis()->increment(), 1.0);
    EXPECT_DOUBLE_EQ(graph->fmax, 14.0);
    EXPECT_DOUBLE_EQ(graph->amin, 2.0);

    drawn(graph);
    EXPECT_EQ(graph->File_Datas.LRBZ, u"0,00;14,00;2,00;6,00;0,00;89,20");
    EXPECT_EQ(graph->Edt_Max_fesz->text(), u"14,00");
    EXPECT_EQ(graph->Edt_Min_Aram->text(), u"2,00");
    EXPECT_EQ(graph->_ig->text(), u"89,20");
    EXPECT_FALSE(graph->Is_Modified);
}

TEST_F(Axes, ASavedViewIsRestoredIntoTheAxesAndTheEdits)
{
    TFile_Datas record = sampleRecord(40, 60, 10);
    record.LRBZ = QStringLiteral("10,00;14,00;-2,00;2,00;5,00;30,00");
    TFrm_Graph *graph = open(writeFile(QStringLiteral("view.VRN"), record));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(rangeOf(graph->Main_Chart->leftAxis()), std::make_pair(10.0, 14.0));
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(-2.0, 2.0));
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(5.0, 30.0));
    const QStringList edits{graph->Edt_Min_fesz->text(), graph->Edt_Max_fesz->text(),
                            graph->Edt_Min_Aram->text(), graph->Edt_Max_Aram->text(),
                            graph->_tol->text(), graph->_ig->text()};
    EXPECT_EQ(edits.join(u';'), record.LRBZ);
}

TEST_F(Axes, ASavedViewIsRestoredAlsoBesideAMaximisedWindow)
{
    // The new window is activated beside a maximised one before its view is
    // restored; no drawing may overwrite the saved view meanwhile.
    TFrm_Graph *first = open(writeFile(QStringLiteral("first.VRN"), sampleRecord(40, 60, 10)));
    ASSERT_TRUE(first->isMaximized());
    TFile_Datas record = sampleRecord(40, 60, 10);
    record.LRBZ = QStringLiteral("10,00;14,00;-2,00;2,00;5,00;30,00");
    TFrm_Graph *graph = open(writeFile(QStringLiteral("view.VRN"), record));
    ASSERT_NE(graph, nullptr);
    drawn(graph);
    EXPECT_EQ(graph->File_Datas.LRBZ, record.LRBZ);
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(5.0, 30.0));
}

TEST_F(Axes, EnterInAValueEditSetsItsAxisAndABadNumberKeepsTheFocus)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(40, 60, 10)));
    graph->Edt_Min_fesz->setText(QStringLiteral("11"));
    pressEnter(graph->Edt_Max_fesz, QStringLiteral("15,5"));
    EXPECT_EQ(rangeOf(graph->Main_Chart->leftAxis()), std::make_pair(11.0, 15.5));

    // A reversed pair is the chart's to swap.
    graph->Edt_Max_Aram->setText(QStringLiteral("1"));
    pressEnter(graph->Edt_Min_Aram, QStringLiteral("4"));
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(1.0, 4.0));
    EXPECT_TRUE(messages.isEmpty());

    pressEnter(graph->Edt_Min_Aram, QStringLiteral("  2.5 "));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].kind, dtError);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(5));
    EXPECT_EQ(graph->Edt_Min_Aram->text(), u"2.5");
    EXPECT_EQ(graph->focusWidget(), graph->Edt_Min_Aram);
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(1.0, 4.0));
}

TEST_F(Axes, EnterInTheTimeEditsTakesWholeUnitsWithinTheMeasurement)
{
    // 31 samples at 60 s: 30 minutes.
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(31, 60, 10)));
    graph->_tol->setText(QStringLiteral("12,5"));
    pressEnter(graph->_ig, QStringLiteral("12,7"));
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(12.0, 13.0));
    EXPECT_EQ(graph->_ig->text(), u"13");

    graph->_tol->setText(QStringLiteral("-3"));
    pressEnter(graph->_ig, QStringLiteral("40"));
    EXPECT_EQ(graph->_tol->text(), u"0");
    EXPECT_EQ(graph->_ig->text(), u"30");
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(0.0, 30.0));

    pressEnter(graph->_tol, QStringLiteral(" 1.5"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(5));
    EXPECT_EQ(graph->_tol->text(), u"1.5");
    EXPECT_EQ(graph->focusWidget(), graph->_tol);
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(0.0, 30.0));
}

TEST_F(Axes, ChangingTheTimeUnitMovesThePointsTheRangeTheTitleAndTheLimitLines)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), limitLineRecord()));
    graph->Main_Chart->bottomAxis()->setRange(10, 30);
    const double limitStart = graph->Series3->xValue(0);

    pickUnit(graph, 0);
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(600.0, 1800.0));
    EXPECT_EQ(graph->Main_Chart->bottomAxis()->title(),
              main->texts.Text_List(69) + QStringLiteral(" ( ") + main->texts.Text_List(128)
                  + QStringLiteral(" )"));
    EXPECT_EQ(graph->Series1->xValue(89), 89 * 60.0);
    EXPECT_EQ(graph->Series2->xValue(89), 89 * 60.0);
    EXPECT_DOUBLE_EQ(graph->Series3->xValue(0), limitStart * 60);
    EXPECT_EQ(graph->File_Datas.Last_Time_Me, 0);
    EXPECT_EQ(graph->vXTime, 0);

    pickUnit(graph, 2);
    EXPECT_DOUBLE_EQ(graph->Main_Chart->bottomAxis()->minimum(), 600.0 / 3600);
    EXPECT_DOUBLE_EQ(graph->Main_Chart->bottomAxis()->maximum(), 1800.0 / 3600);
    EXPECT_DOUBLE_EQ(graph->Series1->xValue(89), 89 * 60.0 / 3600);
    EXPECT_TRUE(graph->Main_Chart->bottomAxis()->title().contains(main->texts.Text_List(54)));
    EXPECT_EQ(graph->File_Datas.Last_Time_Me, 2);
}

// The curves read the samples where they lie: each point is the corrected
// sample at its time in the unit shown, as if written point by point, and a
// write changes the curve, never the stored sample.
TEST_F(Axes, TheCurvesShowTheCorrectedSamplesAtTheirTimesAndKeepWrittenValues)
{
    TFile_Datas record = sampleRecord(30, 45, 10);
    record.Ukorr = 1.01;
    record.UOffs = -0.05;
    record.Ikorr = 0.98;
    record.IOffs = 0.1;
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), record));
    ASSERT_NE(graph, nullptr);
    const TFile_Datas &shown = graph->File_Datas;
    const auto expectPoints = [&](int divisor) {
        for (int i = 0; i < 30; ++i) {
            const TMeres_Datas &sample = shown.Meres_Datas[size_t(i)];
            EXPECT_EQ(graph->Series1->xValue(i), vorn::graph::sampleTime(i, 45, divisor)) << i;
            EXPECT_EQ(graph->Series2->xValue(i), vorn::graph::sampleTime(i, 45, divisor)) << i;
            EXPECT_EQ(graph->Series1->yValue(i), vorn::graph::shownVoltage(shown, sample)) << i;
            EXPECT_EQ(graph->Series2->yValue(i), vorn::graph::shownCurrent(shown, sample)) << i;
        }
    };
    expectPoints(60);
    const double stored = shown.Meres_Datas[4].Meres_fesz;
    graph->Series1->setYValue(4, 20.0);
    graph->Series2->setXValue(7, 1000.0);
    EXPECT_EQ(graph->Series1->yValue(4), 20.0);
    EXPECT_EQ(graph->Series2->xValue(7), 1000.0);
    EXPECT_EQ(graph->Series1->xValue(7), vorn::graph::sampleTime(7, 45, 60));
    EXPECT_EQ(shown.Meres_Datas[4].Meres_fesz, stored);
    pickUnit(graph, 0); // every time rewritten in seconds
    EXPECT_EQ(graph->Series2->xValue(7), 7 * 45.0);
    EXPECT_EQ(graph->Series1->yValue(4), 20.0);
    graph->Fill_Child_Diagram(); // the samples again
    expectPoints(1);
}

TEST_F(Axes, ASavedTimeUnitOutsideTheListFallsBackToMinutes)
{
    TFile_Datas record = sampleRecord(20, 30, 10);
    record.Last_Time_Me = 7;
    TFrm_Graph *graph = open(writeFile(QStringLiteral("odd.VRN"), record));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->Cmb_Time->currentIndex(), 1);
    EXPECT_EQ(graph->File_Datas.Last_Time_Me, 1);
    EXPECT_EQ(graph->vXTime, 1);
    EXPECT_DOUBLE_EQ(graph->Series1->xValue(19), 19 * 0.5);
    EXPECT_TRUE(graph->Main_Chart->bottomAxis()->title().contains(main->texts.Text_List(53)));
}

TEST_F(Axes, DefaultSizeWidensTheCurrentAxisAndAnUndoneZoomReturnsToIt)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(40, 60, 10)));
    graph->Btn_Def_SizeClick();
    EXPECT_TRUE(graph->Is_Modified);
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(1.0, 7.0));
    EXPECT_DOUBLE_EQ(graph->Main_Chart->bottomAxis()->maximum(), 39 + 0.2);

    graph->Btn_Mark->setChecked(true);
    graph->bZoomClick();
    EXPECT_TRUE(graph->Main_Chart->isZoomEnabled());
    EXPECT_TRUE(graph->bZoom->isChecked());
    EXPECT_FALSE(graph->Btn_Mark->isChecked());
    EXPECT_TRUE(graph->Zoom_Img->isVisibleTo(graph));

    const QRect plot = graph->Main_Chart->plotRect();
    graph->Main_Chart->zoomTo(QRect(plot.center(), plot.bottomRight()));
    EXPECT_LT(graph->Main_Chart->bottomAxis()->maximum() - graph->Main_Chart->bottomAxis()->minimum(),
              30);
    // Dragging up and to the left undoes the zoom.
    const auto mouse = [&](QEvent::Type type, QPoint at) {
        QMouseEvent event(type, QPointF(at), graph->Main_Chart->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(graph->Main_Chart, &event);
    };
    mouse(QEvent::MouseButtonPress, plot.center());
    mouse(QEvent::MouseMove, plot.center() - QPoint(60, 60));
    mouse(QEvent::MouseButtonRelease, plot.center() - QPoint(60, 60));
    EXPECT_EQ(rangeOf(graph->Main_Chart->rightAxis()), std::make_pair(1.0, 7.0));
    EXPECT_DOUBLE_EQ(graph->Main_Chart->bottomAxis()->maximum(), 39.2);
    EXPECT_EQ(graph->Main_Chart->bottomAxis()->minimum(), 0);
}

// ---- cut --------------------------------------------------------------------

TEST_F(Axes, CutKeepsTheSamplesOfTheTimeWindowOnScreen)
{
    const TFile_Datas record = sampleRecord(100, 60, 15);
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), record));
    pickUnit(graph, 0);
    graph->Main_Chart->bottomAxis()->setRange(600, 1800);
    drawn(graph);
    answer({drYes});
    graph->Btn_CutClick();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Text_List(131));
    ASSERT_EQ(graph->File_Datas.Meres_Datas.size(), 20u);
    EXPECT_EQ(graph->File_Datas.Meres_Datas.front().Meres_fesz, record.Meres_Datas[10].Meres_fesz);
    EXPECT_EQ(graph->File_Datas.Meres_Datas.back().Meres_fesz, record.Meres_Datas[29].Meres_fesz);
    EXPECT_EQ(graph->Series1->count(), 20);
    EXPECT_EQ(graph->Series1->xValue(0), 0);
    EXPECT_EQ(rangeOf(graph->Main_Chart->bottomAxis()), std::make_pair(0.0, 1200.0));
    EXPECT_EQ(graph->_tol->text(), u"0");
    EXPECT_EQ(graph->_ig->text(), u"1200,00");
    EXPECT_TRUE(graph->Is_Modified);
    EXPECT_TRUE(graph->isMaximized());
}

TEST_F(Axes, ACutThatCannotBeMadeIsExplainedAndADeclinedOneChangesNothing)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(100, 60, 15)));
    pickUnit(graph, 0);
    graph->Main_Chart->bottomAxis()->setRange(600, 700);
    drawn(graph);
    answer({drNo, drOk});
    graph->Btn_CutClick(); // would keep one sample: told so, not asked
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(12));
    EXPECT_EQ(messages[0].kind, dtError);
    graph->Main_Chart->bottomAxis()->setRange(600, 1800);
    drawn(graph);
    graph->Btn_CutClick();
    graph->Btn_CutClick(); // closed with the close box: not a yes
    EXPECT_EQ(messages.size(), 3);
    EXPECT_EQ(graph->File_Datas.Meres_Datas.size(), 100u);
    EXPECT_EQ(graph->Series1->count(), 100);
    EXPECT_FALSE(graph->Is_Modified);

    // A file without a sampling interval has no times to cut by.
    TFrm_Graph *untimed = open(writeFile(QStringLiteral("untimed.VRN"), sampleRecord(100, 0, 15)));
    ASSERT_NE(untimed, nullptr);
    untimed->Btn_CutClick();
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages[3].text, main->texts.Text_List(vorn::graph::kTextCutNeedsSamplingInterval));
    EXPECT_EQ(untimed->File_Datas.Meres_Datas.size(), 100u);
    EXPECT_FALSE(untimed->Is_Modified);
}

// ---- placing the edits ------------------------------------------------------

TEST_F(Axes, TheRangeEditsStandAtTheCornersOfThePlotAfterAResize)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(40, 60, 10)));
    graph->showNormal();
    graph->resize(700, 450);
    QCoreApplication::processEvents();
    const QRect plot = graph->Main_Chart->plotRect();
    const int W = graph->Main_Chart->width();
    const int H = graph->Main_Chart->height();
    const int h = graph->Edt_Max_fesz->height();
    const int w = graph->Edt_Max_fesz->width();
    EXPECT_EQ(graph->Edt_Max_fesz->pos(), QPoint(5, plot.top() - h / 2));
    EXPECT_EQ(graph->Edt_Min_fesz->pos(), QPoint(5, plot.bottom() - h / 2));
    EXPECT_EQ(graph->Edt_Max_Aram->pos(), QPoint(W - w - 9, plot.top() - h / 2));
    EXPECT_EQ(graph->Edt_Min_Aram->pos(), QPoint(W - w - 8, plot.bottom() - h / 2));
    EXPECT_EQ(graph->_tol->pos(), QPoint(plot.left() - w / 2, H - h - 8));
    EXPECT_EQ(graph->_ig->pos(), QPoint(plot.right() - w / 2, H - h - 8));
    EXPECT_EQ(graph->lt->pos(), QPoint(5 + w / 2 - 8, plot.top() - h / 2 + h + 1));
    EXPECT_EQ(graph->lb->pos(), QPoint(graph->lt->x(), plot.bottom() - h / 2 - graph->lb->height() - 1));
    EXPECT_EQ(graph->rt->pos(), QPoint(W - w - 9 + w / 2 - 8, graph->lt->y()));
    EXPECT_EQ(graph->bl->pos(), QPoint(plot.left() - w / 2 + w + 1, H - h - 6));
    EXPECT_EQ(graph->br->pos(), QPoint(plot.right() - w / 2 - graph->br->width() - 1, H - h - 6));
}

// The number is not scrolled: the distance from its first to its last
// character, with the edit scrolled to each end, is the text's own width.
bool showsWholeText(QLineEdit *edit)
{
    const auto cursorX = [edit] {
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    edit->setCursorPosition(0);
    const int first = cursorX();
    edit->end(false);
    const int last = cursorX();
    return last - first == edit->fontMetrics().horizontalAdvance(edit->text()) && first >= 0
           && last < edit->width();
}

TEST_F(Axes, EveryRangeEditShowsItsWholeNumber)
{
    // Three samples 5,000,000 s apart, shown in minutes: the time axis ends
    // at 166666,87.
    TFrm_Graph *graph = open(writeFile(QStringLiteral("long.VRN"), sampleRecord(3, 5000000, 1)));
    ASSERT_NE(graph, nullptr);
    ASSERT_TRUE(waitUntil([&] { return graph->_ig->text() == u"166666,87"; }));
    pressEnter(graph->Edt_Max_fesz, QStringLiteral("123456789012,00"));
    pressEnter(graph->Edt_Min_Aram, QStringLiteral("-98765432109876543210,00"));
    graph->Main_Chart->redrawNow();
    QCoreApplication::processEvents();
    const int W = graph->Main_Chart->width();
    for (QLineEdit *edit : {graph->Edt_Max_fesz, graph->Edt_Min_fesz, graph->Edt_Max_Aram,
                            graph->Edt_Min_Aram, graph->_tol, graph->_ig}) {
        EXPECT_TRUE(showsWholeText(edit)) << edit->objectName().toStdString() << " "
                                          << edit->text().toStdString();
        EXPECT_GE(edit->x(), 0) << edit->objectName().toStdString();
        EXPECT_LE(edit->x() + edit->width(), W) << edit->objectName().toStdString();
    }
    EXPECT_EQ(graph->Edt_Max_fesz->text(), u"123456789012,00");
    // A short number again: the designed width.
    pressEnter(graph->Edt_Max_fesz, QStringLiteral("14,00"));
    graph->Main_Chart->redrawNow();
    EXPECT_EQ(graph->Edt_Max_fesz->width(), graph->Edt_Min_fesz->width());
}

} // namespace
} // namespace graphtest
