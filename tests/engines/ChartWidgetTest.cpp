// The chart widget: zoom and its undo, panning, event signals, the frame
// cache with after-draw, and the overlay.
#include "ChartTestSupport.h"

#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vorn::chart;

namespace {

void mouse(QWidget &w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Qt::MouseButtons buttons = button;
    if (type == QEvent::MouseButtonRelease)
        buttons = Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), button, buttons, modifiers);
    QCoreApplication::sendEvent(&w, &event);
}

void drag(QWidget &w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(w, QEvent::MouseButtonPress, from, button);
    mouse(w, QEvent::MouseMove, (from + to) / 2, button);
    mouse(w, QEvent::MouseMove, to, button);
    mouse(w, QEvent::MouseButtonRelease, to, button);
}

class ChartWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widget.resize(500, 320);
        test::plainChart(widget, widget.size());
        widget.rightAxis()->setRange(-5.0, 5.0);
    }

    ChartWidget widget;
};

TEST_F(ChartWidgetTest, DragDownRightZoomsAllThreeAxesToTheRectangle)
{
    widget.setZoomEnabled(true);
    QSignalSpy zoomed(&widget, &ChartWidget::zoomed);
    const QRect plot = widget.plotRect();
    const QPoint from = plot.topLeft() + QPoint(50, 40);
    const QPoint to = from + QPoint(120, 80);
    const double expected[] = {widget.bottomAxis()->pixelToValue(from.x()), widget.bottomAxis()->pixelToValue(to.x()),
                               widget.leftAxis()->pixelToValue(to.y()), widget.leftAxis()->pixelToValue(from.y()),
                               widget.rightAxis()->pixelToValue(to.y()), widget.rightAxis()->pixelToValue(from.y())};
    drag(widget, from, to);
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->minimum(), expected[0]);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->maximum(), expected[1]);
    EXPECT_DOUBLE_EQ(widget.leftAxis()->minimum(), expected[2]);
    EXPECT_DOUBLE_EQ(widget.leftAxis()->maximum(), expected[3]);
    EXPECT_DOUBLE_EQ(widget.rightAxis()->minimum(), expected[4]);
    EXPECT_DOUBLE_EQ(widget.rightAxis()->maximum(), expected[5]);
}

TEST_F(ChartWidgetTest, OppositeDragUndoesTheZoomAndSaysSo)
{
    widget.setZoomEnabled(true);
    QSignalSpy undone(&widget, &ChartWidget::zoomUndone);
    const QPoint centre = widget.plotRect().center();
    drag(widget, centre - QPoint(60, 40), centre + QPoint(60, 40));
    drag(widget, centre - QPoint(20, 20), centre + QPoint(30, 30)); // zoom deeper
    ASSERT_LT(widget.bottomAxis()->maximum() - widget.bottomAxis()->minimum(), 5.0);
    drag(widget, centre + QPoint(40, 30), centre - QPoint(40, 30));
    EXPECT_EQ(undone.count(), 1);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->minimum(), 0.0);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->maximum(), 10.0);
    EXPECT_DOUBLE_EQ(widget.leftAxis()->maximum(), 10.0);
    EXPECT_DOUBLE_EQ(widget.rightAxis()->minimum(), -5.0);
    // A drag up and right also counts as the opposite direction.
    drag(widget, centre, centre + QPoint(40, -30));
    EXPECT_EQ(undone.count(), 2);
}

TEST_F(ChartWidgetTest, WithoutZoomModeDragsChangeNothing)
{
    QSignalSpy zoomed(&widget, &ChartWidget::zoomed);
    const QPoint centre = widget.plotRect().center();
    drag(widget, centre - QPoint(60, 40), centre + QPoint(60, 40));
    widget.setZoomEnabled(true);
    drag(widget, centre, centre + QPoint(2, 2)); // a click, not a drag
    EXPECT_EQ(zoomed.count(), 0);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->maximum(), 10.0);
}

TEST_F(ChartWidgetTest, MiddleButtonPansWhenEnabled)
{
    const QPoint centre = widget.plotRect().center();
    drag(widget, centre, centre + QPoint(50, 0), Qt::MiddleButton);
    EXPECT_DOUBLE_EQ(widget.bottomAxis()->minimum(), 0.0);
    widget.setPanEnabled(true);
    const double perPixel = 10.0 / (widget.plotRect().width() - 1);
    drag(widget, centre, centre + QPoint(50, 0), Qt::MiddleButton);
    EXPECT_NEAR(widget.bottomAxis()->minimum(), -50 * perPixel, 1e-9);
    EXPECT_NEAR(widget.bottomAxis()->maximum(), 10.0 - 50 * perPixel, 1e-9);
    EXPECT_DOUBLE_EQ(widget.leftAxis()->minimum(), 0.0);
    drag(widget, centre, centre + QPoint(0, -20), Qt::MiddleButton);
    EXPECT_LT(widget.leftAxis()->minimum(), 0.0); // dragged up: the values move down
    EXPECT_LT(widget.rightAxis()->minimum(), -5.0);
    EXPECT_NEAR(widget.leftAxis()->maximum() - widget.leftAxis()->minimum(), 10.0, 1e-9);
}

TEST_F(ChartWidgetTest, MouseAndKeyEventsCarryChartPixelsButtonsAndModifiers)
{
    QSignalSpy down(&widget, &ChartWidget::mouseDown);
    QSignalSpy moved(&widget, &ChartWidget::mouseMoved);
    QSignalSpy up(&widget, &ChartWidget::mouseUp);
    QSignalSpy doubled(&widget, &ChartWidget::doubleClicked);
    QSignalSpy keys(&widget, &ChartWidget::keyDown);
    mouse(widget, QEvent::MouseButtonPress, QPoint(33, 44), Qt::RightButton, Qt::ShiftModifier);
    mouse(widget, QEvent::MouseMove, QPoint(35, 46), Qt::RightButton);
    mouse(widget, QEvent::MouseButtonRelease, QPoint(36, 47), Qt::RightButton);
    mouse(widget, QEvent::MouseButtonDblClick, QPoint(36, 47), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toPoint(), QPoint(33, 44));
    EXPECT_EQ(down[0][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(down[0][3].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved[0][0].toPoint(), QPoint(35, 46));
    EXPECT_EQ(moved[0][1].value<Qt::MouseButtons>(), Qt::RightButton);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(up[0][0].toPoint(), QPoint(36, 47));
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled[0][2].value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier);
    QCoreApplication::sendEvent(&widget, &key);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_Right));
    EXPECT_TRUE(keys[0][1].value<Qt::KeyboardModifiers>() & Qt::ControlModifier);
}

TEST_F(ChartWidgetTest, ResizeLaysOutAgainAndReportsTheSize)
{
    QSignalSpy resized(&widget, &ChartWidget::resized);
    widget.show();
    const QRect before = widget.plotRect();
    widget.resize(800, 500);
    QCoreApplication::processEvents();
    ASSERT_GE(resized.count(), 1);
    EXPECT_EQ(resized.last()[0].toSize(), QSize(800, 500));
    EXPECT_GT(widget.plotRect().width(), before.width());
    EXPECT_EQ(widget.bottomAxis()->endPixel(), widget.plotRect().right());
}

TEST_F(ChartWidgetTest, AfterDrawRunsOncePerRenderingAndCursorOverlaysAreCheap)
{
    int afterDraws = 0;
    QObject::connect(&widget, &ChartWidget::afterDraw, [&](ChartCanvas *canvas) {
        ++afterDraws;
        EXPECT_EQ(canvas->plotRect(), widget.plotRect());
    });
    widget.grab();
    EXPECT_EQ(afterDraws, 1);
    widget.setOverlay([&](ChartCanvas &canvas) {
        canvas.setPen(Qt::red, 1, Qt::DashDotLine);
        canvas.line(200, canvas.plotRect().top(), 200, canvas.plotRect().bottom());
    });
    const QImage withLine = widget.grab().toImage();
    EXPECT_EQ(afterDraws, 1); // the cached frame was reused
    const int dashes = test::countColor(withLine, QRect(200, 0, 1, 320), Qt::red);
    EXPECT_GT(dashes, widget.plotRect().height() / 3);
    EXPECT_LT(dashes, widget.plotRect().height()); // dash-dot leaves gaps
    widget.refresh();
    widget.grab();
    EXPECT_EQ(afterDraws, 2);
    widget.leftAxis()->setTitle(QStringLiteral("Voltage"));
    widget.grab();
    EXPECT_EQ(afterDraws, 3);
    widget.clearOverlay();
    EXPECT_EQ(test::countColor(widget.grab().toImage(), Qt::red), 0);
}

TEST(ChartCanvasTest, ShapesTextAndSphereLandWhereAsked)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ChartCanvas canvas(painter, QRect(10, 10, 180, 80), false);
        canvas.setBrushColor(QColor(128, 128, 128));
        canvas.setPen(QColor(128, 128, 128));
        canvas.rectangle(20, 20, 40, 30); // pixels 20..39 x 20..29
        canvas.setFont(QStringLiteral("Arial"), 8, Qt::blue);
        EXPECT_GT(canvas.textWidth(QStringLiteral("12,60  V")), 20);
        EXPECT_GT(canvas.textHeight(QStringLiteral("x")), 8);
        canvas.textOut(60, 20, QStringLiteral("12,60  V"));
        canvas.setBrushColor(Qt::red);
        canvas.sphere(150, 50, 2);
    }
    EXPECT_EQ(test::countColor(image, QColor(128, 128, 128)), 200);
    EXPECT_EQ(test::countColor(image, QRect(19, 19, 22, 12), QColor(128, 128, 128)), 200);
    const int blue = test::countPixels(image, QRect(60, 20, 60, 15), [](QRgb p) {
        return qBlue(p) > 150 && qRed(p) < 100;
    });
    EXPECT_GT(blue, 10);
    const int sphere = test::countPixels(image, QRect(146, 46, 9, 9), [](QRgb p) {
        return qRed(p) > 100 && qGreen(p) < 200;
    });
    EXPECT_GE(sphere, 9);
    EXPECT_EQ(test::countPixels(image, QRect(0, 40, 140, 60), [](QRgb p) { return p != qRgb(255, 255, 255); }), 0);
}

} // namespace
