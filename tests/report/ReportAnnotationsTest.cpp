// Labels on the report chart: slots, duplicates, visibility, hit test, drag
// limits, the read-outs and the bottom axis increment.
#include "ReportTestSupport.h"

#include "engines/ChartModel.h"
#include "report/ReportAnnotations.h"
#include "report/ReportChart.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace vorn::report;

namespace {

const QRect kPlot(40, 20, 600, 300);
const QPoint kInside(200, 100);

class LabelsTest : public ::testing::Test {
protected:
    QFontMetrics metrics{QFont(QStringLiteral("Tahoma"), 8)};
    ReportAnnotations labels;
};

TEST_F(LabelsTest, ThirtyFiveSlotsThenTheLowestFreeOneIsReused)
{
    for (int i = 0; i < kLabelSlots; ++i) {
        ASSERT_EQ(labels.canPlace(i, true, kInside, kPlot), PlaceResult::Placed);
        EXPECT_EQ(labels.place(i, true, kInside, QStringLiteral("12,00  V")), i + 1);
    }
    EXPECT_EQ(labels.canPlace(99, true, kInside, kPlot), PlaceResult::NoFreeSlot);

    labels.slot(7).desc = QStringLiteral("old");
    labels.remove(7);
    labels.remove(20);
    EXPECT_EQ(labels.place(99, false, kInside, QStringLiteral("5,00  A")), 7);
    EXPECT_EQ(labels.cmk_pos, 7);
    EXPECT_EQ(labels.slot(7).desc, QStringLiteral("old")) << "a reused slot offers its description";
    EXPECT_FALSE(labels.slot(7).Is_Fesz);
    EXPECT_EQ(labels.slot(7).xl, kInside.x() - 10);
    EXPECT_EQ(labels.slot(7).yl, kInside.y() - 50);
}

TEST_F(LabelsTest, OneLabelOfEachKindPerSample)
{
    labels.place(30, true, kInside, QStringLiteral("V"));
    EXPECT_EQ(labels.canPlace(30, false, kInside, kPlot), PlaceResult::Placed);
    labels.place(30, false, kInside, QStringLiteral("A"));
    EXPECT_EQ(labels.canPlace(30, true, kInside, kPlot), PlaceResult::Duplicate);
    EXPECT_EQ(labels.canPlace(30, false, kInside, kPlot), PlaceResult::Duplicate);
    EXPECT_EQ(labels.canPlace(31, true, kInside, kPlot), PlaceResult::Placed);
}

TEST_F(LabelsTest, NoSampleOrAHiddenPointPlacesNothing)
{
    EXPECT_EQ(labels.canPlace(-1, true, kInside, kPlot), PlaceResult::NoSample);
    // The plot rectangle's edges count as inside.
    EXPECT_EQ(labels.canPlace(1, true, kPlot.bottomRight(), kPlot), PlaceResult::Placed);
    EXPECT_EQ(labels.canPlace(1, true, kPlot.bottomRight() + QPoint(1, 0), kPlot), PlaceResult::NotVisible);
    EXPECT_TRUE(PointInRect(kPlot, kPlot.left(), kPlot.top()));
    EXPECT_FALSE(PointInRect(kPlot, kPlot.left(), kPlot.top() - 1));
}

TEST_F(LabelsTest, HitTestFindsTheFirstLabelAndHoldsStillDuringADrag)
{
    labels.place(1, true, QPoint(110, 150), QStringLiteral("12,00  V"));
    labels.place(2, true, QPoint(110, 150), QStringLiteral("13,00  V"));
    const QRect box = labels.labelBox(1, metrics);
    EXPECT_EQ(box.topLeft(), QPoint(100, 100));
    EXPECT_EQ(box.bottom(), 100 + metrics.height() + 17);

    labels.Check_MouseOnCimke(box.bottomRight(), metrics);
    EXPECT_TRUE(labels.megvan);
    EXPECT_EQ(labels.cmk_pos, 1);
    labels.Check_MouseOnCimke(box.bottomRight() + QPoint(1, 0), metrics);
    EXPECT_FALSE(labels.megvan);
    EXPECT_EQ(labels.cmk_pos, 1) << "a miss keeps the current label";

    labels.melyikfog = 2;
    labels.Check_MouseOnCimke(box.center(), metrics);
    EXPECT_FALSE(labels.megvan);
}

TEST_F(LabelsTest, DraggingStopsAtTheChartsEdges)
{
    const QSize chart(748, 376);
    labels.place(1, true, kInside, QStringLiteral("12,00  V"));
    labels.slot(1).desc = QStringLiteral("a rather long description");
    labels.melyikfog = 1;
    labels.dragTo(QPoint(0, 0), chart, metrics);
    EXPECT_EQ(QPoint(labels.slot(1).xl, labels.slot(1).yl), QPoint(5, 5));
    labels.dragTo(QPoint(2000, 2000), chart, metrics);
    EXPECT_EQ(labels.slot(1).yl, chart.height() - 32);
    EXPECT_EQ(labels.slot(1).xl, chart.width() - 10 - metrics.horizontalAdvance(labels.slot(1).desc));
    labels.dragTo(QPoint(300, 200), chart, metrics);
    EXPECT_EQ(QPoint(labels.slot(1).xl, labels.slot(1).yl), QPoint(290, 190));

    labels.endDrag();
    EXPECT_EQ(labels.melyikfog, 0);
    EXPECT_FALSE(labels.megvan);
}

TEST(LabelReadouts, EqualDistancesFollowTheVoltagePoint)
{
    using vorn::chart::NearestPoint;
    EXPECT_EQ(chooseSample(NearestPoint{4, 3}, NearestPoint{9, 3}), 4);
    EXPECT_EQ(chooseSample(NearestPoint{4, 3}, NearestPoint{9, 2}), 9);
    EXPECT_EQ(chooseSample(NearestPoint{}, NearestPoint{9, 50}), 9);
    EXPECT_EQ(chooseSample(NearestPoint{}, NearestPoint{}), -1);
}

TEST(LabelReadouts, TimeOfASampleInTheGraphsUnit)
{
    EXPECT_EQ(sampleTimeText(30, 10, 0), QStringLiteral("300,00"));
    EXPECT_EQ(sampleTimeText(30, 10, 1), QStringLiteral("5,00"));
    EXPECT_EQ(sampleTimeText(30, 10, 2), QStringLiteral("0,08"));
    EXPECT_FALSE(sampleTimeText(30, 10, 3).has_value());
}

TEST(BottomIncrement, FollowsTheSpanOfTheTimeAxis)
{
    EXPECT_EQ(bottomIncrementFor(0.3), 0.01);
    EXPECT_EQ(bottomIncrementFor(0.31), 0.1);
    EXPECT_EQ(bottomIncrementFor(3), 0.1);
    EXPECT_EQ(bottomIncrementFor(3.01), 1);

    vorn::chart::ChartModel chart;
    chart.bottomAxis()->setRange(10, 12.5);
    applyBottomIncrement(chart);
    EXPECT_EQ(chart.bottomAxis()->increment(), 0.1);
}

} // namespace
