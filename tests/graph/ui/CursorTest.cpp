// The graph window's cursor readout and keyboard stepping, and what the chart
// shows: the colour runs of the current curve and the marker line.
#include "GraphWindowTestSupport.h"

#include "measurement/ui/TFrm_LoadGraph.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QToolButton>

namespace graphtest {
namespace {

class Cursor : public GraphWindowTest {
protected:
    // 40 samples at 30 s, charging for the first 20; shown in minutes.
    TFrm_Graph *openRun()
    {
        TFile_Datas record = sampleRecord(40, 30, 20);
        record.Ukorr = 1.01;
        record.UOffs = -0.05;
        graph = open(writeFile(QStringLiteral("run.VRN"), record));
        EXPECT_NE(graph, nullptr);
        drawn(graph);
        graph->Btn_Mark->click();
        return graph;
    }
    // The mouse over the chart at the pixel column of sample k, mid-height.
    void moveTo(int x)
    {
        const QPoint at(x, graph->Main_Chart->plotRect().center().y());
        QMouseEvent event(QEvent::MouseMove, QPointF(at), graph->Main_Chart->mapToGlobal(QPointF(at)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(graph->Main_Chart, &event);
    }
    void moveToSample(int k) { moveTo(graph->Series1->pixelX(k)); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(graph->Main_Chart, &press);
    }
    // A key as the user presses it: to the widget that has the focus.
    void pressOnFocus(int key)
    {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(focused, &press);
    }
    void activate(TFrm_Graph *window)
    {
        main->activateWindow();
        ASSERT_TRUE(waitUntil([&] { return main->isActiveWindow(); }));
        main->mdiArea()->setActiveSubWindow(window);
        QCoreApplication::processEvents();
    }
    QColor color(int bgr) const { return vorn::colorFromBgr(bgr); }

    TFrm_Graph *graph = nullptr;
};

TEST_F(Cursor, TheSampleUnderTheMouseShowsItsValuesTimeAndState)
{
    openRun();
    moveToSample(7);
    EXPECT_EQ(graph->Current_Data_Point, 7);
    EXPECT_EQ(graph->markerIndex(), 7);
    // 12.07 V stored, x 1.01 - 0.05 = 12.1407 V shown; minutes of 30 s samples.
    EXPECT_EQ(graph->fesz_lab->text(), u"12,14  V");
    EXPECT_EQ(graph->aram_lab->text(), u"2,50  A");
    EXPECT_EQ(graph->which_time->text(), u"3,50");
    const QString current = main->texts.Text_List(37);
    EXPECT_EQ(graph->Main_Chart->rightAxis()->title(),
              current + QStringLiteral(" (") + main->texts.Text_List(10) + u')');
    EXPECT_EQ(graph->Main_Chart->rightAxis()->titleColor(), color(main->_c4));
    EXPECT_EQ(graph->aram_lab->palette().color(QPalette::WindowText), color(main->_c4));

    moveToSample(30);
    EXPECT_EQ(graph->Current_Data_Point, 30);
    EXPECT_EQ(graph->aram_lab->text(), u"5,00  A");
    EXPECT_EQ(graph->Main_Chart->rightAxis()->title(),
              current + QStringLiteral(" (") + main->texts.Text_List(9) + u')');
    EXPECT_EQ(graph->Main_Chart->rightAxis()->titleColor(), color(main->_c7));
    EXPECT_EQ(graph->aram_lab->palette().color(QPalette::WindowText), color(main->_c7));
}

TEST_F(Cursor, APointerFarFromEverySampleShowsDashes)
{
    openRun();
    graph->Main_Chart->bottomAxis()->setRange(0, 100); // samples end at 19.5
    drawn(graph);
    moveToSample(5);
    moveTo(graph->Main_Chart->bottomAxis()->valueToPixel(80));
    EXPECT_EQ(graph->Current_Data_Point, -1);
    for (const QLabel *readout : {graph->fesz_lab, graph->aram_lab, graph->which_time})
        EXPECT_EQ(readout->text(), u"---");
    // The arrow keys wait for the mouse to find a sample again.
    key(Qt::Key_Right);
    EXPECT_EQ(graph->Current_Data_Point, -1);
}

TEST_F(Cursor, ReadoutsKeepTheirValuesOutsideTheTimeWindowAndWhileItIsBeingTyped)
{
    openRun();
    moveToSample(10);
    graph->_tol->setText(QStringLiteral("5,"));
    graph->_ig->setText(QStringLiteral("1x"));
    moveToSample(12);
    EXPECT_EQ(graph->Current_Data_Point, 10);
    EXPECT_EQ(graph->which_time->text(), u"5,00");

    graph->_tol->setText(QStringLiteral("8"));
    graph->_ig->setText(QStringLiteral("19"));
    moveToSample(12); // 6 minutes: before the window
    EXPECT_EQ(graph->Current_Data_Point, 10);
    moveToSample(20);
    EXPECT_EQ(graph->Current_Data_Point, 20);
}

TEST_F(Cursor, NothingFollowsTheMouseOutsideMarkerMode)
{
    openRun();
    graph->Btn_Mark->click();
    ASSERT_FALSE(graph->Btn_Mark->isChecked());
    moveToSample(9);
    EXPECT_EQ(graph->Current_Data_Point, 0);
    EXPECT_EQ(graph->fesz_lab->text(), u"0V");
    EXPECT_EQ(graph->markerIndex(), -1);
}

TEST_F(Cursor, ArrowKeysStepTheMarkerAndStopAtTheEnds)
{
    openRun();
    moveToSample(10);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(graph->Current_Data_Point, 15);
    EXPECT_EQ(graph->markerIndex(), 15);
    EXPECT_EQ(graph->which_time->text(), u"7,50");
    key(Qt::Key_Left);
    EXPECT_EQ(graph->Current_Data_Point, 14);

    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(graph->Current_Data_Point, 39);
    EXPECT_EQ(graph->Main_Chart->rightAxis()->title().contains(main->texts.Text_List(9)), true);
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(graph->Current_Data_Point, 0);
    key(Qt::Key_Up);
    EXPECT_EQ(graph->Current_Data_Point, 0);
}

TEST_F(Cursor, AKeyStepMovesThePointerAndOnlyThatMoveIsSwallowed)
{
    openRun();
    // The progress window of the load stays a moment and may lie under the
    // pointer; the pointer's moves must reach the chart.
    ASSERT_TRUE(waitUntil([&] { return !main->findChild<TFrm_LoadGraph *>(); }, 3000));
    QCursor::setPos(graph->Main_Chart->mapToGlobal(graph->Main_Chart->plotRect().center()));
    QCoreApplication::processEvents();
    moveToSample(10);
    const int y = QCursor::pos().y();

    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(graph->Is_Step_Move);
    EXPECT_EQ(QCursor::pos(),
              QPoint(graph->Main_Chart->mapToGlobal(QPoint(0, 0)).x() + graph->Series1->pixelX(15), y));
    // What the pointer's move would change shows whether it was swallowed.
    graph->fesz_lab->setText(QStringLiteral("kept"));
    ASSERT_TRUE(waitUntil([&] { return !graph->Is_Step_Move; }, 2000));
    EXPECT_EQ(graph->fesz_lab->text(), u"kept");
    EXPECT_EQ(graph->Current_Data_Point, 15);

    moveToSample(17);
    EXPECT_EQ(graph->Current_Data_Point, 17);
    EXPECT_NE(graph->fesz_lab->text(), u"kept");
}

TEST_F(Cursor, ArrowKeysReachTheChartWhenTheWindowIsActiveAndNoEditIsInUse)
{
    graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(40, 30, 20)));
    ASSERT_NE(graph, nullptr);
    activate(graph);
    // A fresh window: from the first sample on, before any mouse movement.
    graph->Btn_Mark->setChecked(true);
    pressOnFocus(Qt::Key_Right);
    pressOnFocus(Qt::Key_Right);
    EXPECT_EQ(graph->Current_Data_Point, 2);

    // Back from another window with the focus last left in the panel.
    TFrm_Graph *other = open(writeFile(QStringLiteral("other.VRN"), sampleRecord(40, 30, 20)));
    ASSERT_NE(other, nullptr);
    graph->Cmb_Time->setFocus(Qt::TabFocusReason);
    activate(other);
    activate(graph);
    pressOnFocus(Qt::Key_Right);
    EXPECT_EQ(graph->Current_Data_Point, 3);

    // Marker mode switched on anew.
    graph->Cmb_Time->setFocus(Qt::TabFocusReason);
    graph->Btn_Mark->click();
    graph->Btn_Mark->click();
    pressOnFocus(Qt::Key_Right);
    EXPECT_EQ(graph->Current_Data_Point, 4);

    // The mouse over the chart leaves the keys with a range edit being typed into.
    graph->_ig->setFocus();
    moveToSample(10);
    pressOnFocus(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), graph->_ig);
    EXPECT_EQ(graph->Current_Data_Point, 10);
    // Otherwise the chart takes the keys when the mouse moves over it.
    graph->Cmb_Time->setFocus(Qt::TabFocusReason);
    moveToSample(12);
    pressOnFocus(Qt::Key_Right);
    EXPECT_EQ(graph->Current_Data_Point, 13);
}

TEST_F(Cursor, KeysDoNothingWhileARangeEditHasTheFocus)
{
    openRun();
    moveToSample(10);
    graph->_ig->setFocus();
    graph->Main_ChartKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(graph->Current_Data_Point, 10);
}

// ---- what is drawn ------------------------------------------------------------

TEST_F(Cursor, TheMarkerIsAWhiteDashDotLineAcrossThePlot)
{
    openRun();
    moveToSample(25);
    const QImage image = graph->Main_Chart->grab().toImage();
    const QRect plot = graph->Main_Chart->plotRect();
    const int x = graph->Series1->pixelX(25);
    const auto whiteIn = [&](int column) {
        int white = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            white += image.pixelColor(column, y) == QColor(Qt::white);
        return white;
    };
    // Dashes and dots cover most of the column, with gaps between them.
    EXPECT_GT(whiteIn(x), plot.height() / 2);
    EXPECT_LT(whiteIn(x), plot.height() - 5);
    EXPECT_LT(whiteIn(x + 3), 5);

    // Leaving marker mode removes it at the next drawing.
    graph->Btn_Mark->click();
    const QImage after = graph->Main_Chart->grab().toImage();
    int white = 0;
    for (int y = plot.top(); y <= plot.bottom(); ++y)
        white += after.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_LT(white, 5);
}

TEST_F(Cursor, TheCurrentCurveTakesTheChargeAndDischargeColoursRunByRun)
{
    // Runs of charge and discharge, among them single samples (10, 11, 12):
    // each gets its own colour.
    TFile_Datas record = sampleRecord(60, 60, 0);
    for (int i = 0; i < 60; ++i) {
        TMeres_Datas &sample = record.Meres_Datas[size_t(i)];
        sample.Is_Toltes = i < 10 || i == 11 || (i > 12 && i < 20) || i >= 40;
        sample.Meres_Aram = sample.Is_Toltes ? 2.5 : 5.0;
    }
    graph = open(writeFile(QStringLiteral("runs.VRN"), record));
    ASSERT_NE(graph, nullptr);
    const QColor charge = color(main->_c4);
    const QColor discharge = color(main->_c7);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(graph->Series2->pointColor(i), record.Meres_Datas[size_t(i)].Is_Toltes ? charge : discharge)
            << "sample " << i;

    // On screen: the 3-pixel current line in the middle of a long run.
    const QImage image = graph->Main_Chart->grab().toImage();
    const auto colourAt = [&](int k) {
        return image.pixelColor(graph->Series2->pixelX(k), graph->Series2->pixelY(k));
    };
    EXPECT_EQ(colourAt(5), charge);
    EXPECT_EQ(colourAt(30), discharge);
    EXPECT_EQ(colourAt(50), charge);
    EXPECT_EQ(graph->Main_Chart->backgroundColor(), color(main->_c1));
    EXPECT_EQ(graph->Series1->color(), color(main->_c3));
}

TEST_F(Cursor, UntickingTheCurrentBoxHidesTheCurrentCurveButKeepsItsAxis)
{
    openRun();
    graph->cbA->click();
    EXPECT_FALSE(graph->Series2->isActive());
    EXPECT_TRUE(graph->Main_Chart->rightAxis()->isVisible());
    EXPECT_FALSE(graph->Main_Chart->rightAxis()->title().isEmpty());
    const QImage image = graph->Main_Chart->grab().toImage();
    EXPECT_NE(image.pixelColor(graph->Series2->pixelX(30), graph->Series2->pixelY(30)),
              color(main->_c7));
    graph->cbA->click();
    EXPECT_TRUE(graph->Series2->isActive());
}

} // namespace
} // namespace graphtest
