// The graph window's two cursors A and B, driven through the real mouse and
// focus paths: placing, dragging, stepping, the read-out panel and its copy,
// and the chart's pictures.
#include "GraphWindowTestSupport.h"

#include "graph/MeasuringTexts.h"
#include "graph/ui/ReadoutPanel.h"
#include "graph/ui/SpanCursors.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace graphtest {
namespace {

using vorn::graphui::SpanCursors;

const QColor kColorA(0xD0, 0x20, 0xC0);

class Span : public GraphWindowTest {
protected:
    // 40 samples at 30 s, charging for the first 20; shown in minutes; the
    // window active and the cursors on.
    void openRun()
    {
        graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(40, 30, 20)));
        ASSERT_NE(graph, nullptr);
        main->activateWindow();
        ASSERT_TRUE(waitUntil([&] { return main->isActiveWindow(); }));
        main->mdiArea()->setActiveSubWindow(graph);
        drawn(graph);
        graph->Btn_Span->click();
        span = graph->spanCursors();
    }
    QPoint atSample(int k) const
    {
        return {graph->Series1->pixelX(k), graph->Main_Chart->plotRect().center().y()};
    }
    // The mouse through the window system, as the user's hand moves it:
    // a press gives the focus the way a real click does.
    void click(int k) { click(graph->Main_Chart, atSample(k)); }
    void click(QWidget *target, QPoint at)
    {
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }
    void drag(int from, int to) { drag(graph->Main_Chart, atSample(from), atSample(to)); }
    void drag(QWidget *target, QPoint from, QPoint to)
    {
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        QTest::mouseMove(target, to);
        QTest::mouseRelease(target, Qt::LeftButton, {}, to);
    }
    // A key as the user presses it: to the widget that has the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(focused, &event);
    }
    int columnsOf(const QImage &image, const QColor &color) const
    {
        const QRect plot = graph->Main_Chart->plotRect();
        int count = 0;
        for (int x = plot.left(); x <= plot.right(); ++x)
            count += image.pixelColor(x, plot.center().y()) == color;
        return count;
    }

    TFrm_Graph *graph = nullptr;
    SpanCursors *span = nullptr;
};

TEST_F(Span, ClicksPlaceAThenBAndADragMovesTheNearerOne)
{
    openRun();
    EXPECT_TRUE(graph->Menu_Span->isChecked());
    EXPECT_TRUE(span->panel()->isVisible());
    click(5);
    EXPECT_EQ(span->cursorA(), 5);
    EXPECT_EQ(span->cursorB(), -1);
    click(30);
    EXPECT_EQ(span->cursorB(), 30);
    drag(28, 34);
    EXPECT_EQ(span->cursorA(), 5);
    EXPECT_EQ(span->cursorB(), 34);
    drag(7, 2);
    EXPECT_EQ(span->cursorA(), 2);

    // The panel reads the window's unit (minutes) and the chart's values.
    const QList<QStringList> rows = span->panel()->rows();
    EXPECT_EQ(rows[0], (QStringList{u"A"_qs, u"1,00 min"_qs, u"12,02 V"_qs, u"2,50 A"_qs}));
    EXPECT_EQ(rows[2][1], u"16,00 min"_qs);
    graph->Cmb_Time->setCurrentIndex(0);
    graph->Cmb_TimeChange(0);
    drawn(graph);
    EXPECT_EQ(span->panel()->rows()[0][1], u"60,00 s"_qs);

    // In zoom mode the left button zooms: no cursor moves.
    graph->bZoom->click();
    EXPECT_TRUE(graph->Btn_Span->isChecked());
    click(20);
    EXPECT_EQ(span->cursorA(), 2);
    EXPECT_EQ(span->cursorB(), 34);
}

TEST_F(Span, TheArrowKeysStepTheCursorMovedLastThroughTheFocusPath)
{
    openRun();
    click(10);
    click(20);
    press(Qt::Key_Left);
    EXPECT_EQ(span->cursorB(), 19);
    press(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(span->cursorB(), 24);
    drag(11, 12);
    press(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(span->cursorA(), 7);

    // The keys come back to the chart when the cursors are switched on anew
    // with the focus elsewhere, and stop at the last sample.
    graph->Cmb_Time->setFocus(Qt::TabFocusReason);
    graph->Btn_Span->click();
    graph->Btn_Span->click();
    for (int i = 0; i < 10; ++i)
        press(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(span->cursorA(), 39);
    EXPECT_EQ(span->cursorB(), 24);

    // A cut renumbers the samples: the cursors are lifted, the keys wait.
    graph->Main_Chart->bottomAxis()->setRange(5, 15);
    drawn(graph);
    answer({drYes});
    graph->Btn_CutClick();
    EXPECT_EQ(span->cursorA(), -1);
    EXPECT_EQ(span->cursorB(), -1);
    // The mouse over the chart gives it the keys again.
    QTest::mouseMove(graph->windowHandle() ? graph->windowHandle() : main->windowHandle(),
                     graph->Main_Chart->mapTo(main.get(), atSample(5)));
    EXPECT_EQ(QApplication::focusWidget(), graph->Main_Chart);
    press(Qt::Key_Right);
    EXPECT_EQ(span->cursorA(), -1);
}

TEST_F(Span, TheMarkerAndTheCursorsTakeTurnsAndTheMenuEntryFollowsTheButton)
{
    openRun();
    graph->Btn_Mark->click();
    EXPECT_FALSE(graph->Btn_Span->isChecked());
    EXPECT_FALSE(graph->Menu_Span->isChecked());
    EXPECT_FALSE(span->panel()->isVisible());
    // The window's menus hold the entry; choosing it switches the cursors on.
    EXPECT_TRUE(graph->Main_Chart->actions().contains(graph->Menu_Span));
    EXPECT_TRUE(graph->systemMenu()->actions().contains(graph->Menu_Span));
    EXPECT_EQ(graph->Menu_Span->text(), main->texts.Text_List(vorn::graph::kTextSpanCursors));
    graph->Menu_Span->trigger();
    EXPECT_TRUE(graph->Btn_Span->isChecked());
    EXPECT_FALSE(graph->Btn_Mark->isChecked());
    EXPECT_TRUE(span->isShown());
    EXPECT_FALSE(graph->Is_Modified);
}

TEST_F(Span, CtrlCInThePanelCopiesTheReadOutWithTheDecimalComma)
{
    openRun();
    click(4);
    click(24);
    vorn::graphui::ReadoutPanel *panel = span->panel();
    click(panel, QPoint(4, 4));
    // The press is the panel's: no cursor moved.
    EXPECT_EQ(span->cursorA(), 4);
    EXPECT_EQ(span->cursorB(), 24);
    EXPECT_EQ(QApplication::focusWidget(), panel);
    QApplication::clipboard()->clear();
    press(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(u"A\t2,00 min\t12,04 V\t2,50 A\nB\t12,00 min\t"_qs)) << copied.toStdString();
    EXPECT_TRUE(copied.contains(u"Δt\t10,00 min\tΔU\t"_qs));
}

TEST_F(Span, ThePanelNeverCoversTheCurvesLastSamples)
{
    openRun();
    vorn::graphui::ReadoutPanel *panel = span->panel();
    const QPoint last = graph->Series1->pixelOf(39);
    EXPECT_FALSE(panel->geometry().contains(last));
    // Dragged to a free spot, it stays there.
    const QPoint grab(4, 4);
    const QPoint before = panel->pos();
    drag(panel, grab, grab + QPoint(120, 40));
    EXPECT_EQ(panel->pos(), before + QPoint(120, 40));
    // Dropped over the last voltage sample, it moves to a free corner.
    const QPoint onLast = panel->mapFromParent(last - QPoint(panel->width() / 2, panel->height() / 2)) + grab;
    drag(panel, grab, onLast);
    EXPECT_FALSE(panel->geometry().adjusted(-6, -6, 6, 6).contains(last));
    EXPECT_TRUE(graph->Main_Chart->plotRect().contains(panel->geometry()));
}

TEST_F(Span, TheChartsPicturesShowTheCursorsOnlyWhileTheyAreOn)
{
    openRun();
    click(10);
    click(30);
    QAction *copy = graph->findChild<QAction *>(QStringLiteral("Menu_CopyChart"));
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(messages.last().text, main->texts.Text_List(55));
    EXPECT_EQ(columnsOf(QApplication::clipboard()->image(), kColorA), 2);

    graph->Btn_Span->click();
    copy->trigger();
    EXPECT_EQ(columnsOf(QApplication::clipboard()->image(), kColorA), 0);
    // Switched on again, they stand where they were.
    graph->Btn_Span->click();
    EXPECT_EQ(span->cursorA(), 10);
    saveAnswer = filePath(QStringLiteral("chart"));
    graph->findChild<QAction *>(QStringLiteral("Menu_SaveChart"))->trigger();
    EXPECT_EQ(messages.last().text, main->texts.Text_List(56));
    EXPECT_EQ(columnsOf(QImage(filePath(QStringLiteral("chart.bmp"))), kColorA), 2);
}

} // namespace
} // namespace graphtest
