// The progress window: its two modes, the percentage and bar of a load and of
// an export, repainting only on a visible change, and cancel.
#include "measurement/ui/TFrm_LoadGraph.h"
#include "shell_test_support.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    vorn::TextTables texts = shelltest::namedTexts();
    TFrm_LoadGraph window{nullptr, texts};

    // Counts how often the window lets pending events through: each call
    // posts one event, which runs only when events are processed.
    int processedDuring(const std::function<void()> &step)
    {
        int processed = 0;
        QMetaObject::invokeMethod(&window, [&processed] { ++processed; }, Qt::QueuedConnection);
        step();
        const int result = processed;
        QCoreApplication::processEvents(); // drain what the step left
        return result;
    }
};

TEST_F(ProgressWindowTest, LoadModeShowsTheLoadBarAndItsTexts)
{
    window.Set_Calc_G();
    window.show();
    EXPECT_EQ(window.size(), QSize(485, 154));
    EXPECT_TRUE(window.Img_Gr->isVisible());
    EXPECT_TRUE(window.Img_Gr_gray->isVisible());
    EXPECT_TRUE(window.Img_Gr_Bg->isVisible());
    EXPECT_FALSE(window.Img_Ex->isVisible());
    EXPECT_FALSE(window.Img_Ex_Bg->isVisible());
    EXPECT_FALSE(window.Img_Excel->isVisible());
    EXPECT_EQ(window.Img_Gr->pos(), QPoint(56, 23));
    EXPECT_EQ(window.Img_Gr->width(), 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("T167"));
    EXPECT_EQ(window.Btn_Cancel->text(), QStringLiteral("T41"));
    EXPECT_EQ(window.Label1->geometry(), QRect(73, 57, 325, 23));
}

TEST_F(ProgressWindowTest, AHundredLineLoadRunsFromThirtyToSixtyPercent)
{
    window.Set_Calc_G();
    ASSERT_TRUE(window.Calc_sz(30, 60, 0, 100, 0, true));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("30 %"));
    EXPECT_EQ(window.Img_Gr->width(), 116); // 115.5 rounds to even
    ASSERT_TRUE(window.Calc_sz(30, 60, 0, 100, 50, true));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("45 %"));
    ASSERT_TRUE(window.Calc_sz(30, 60, 0, 100, 100, true));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("60 %"));
    EXPECT_EQ(window.Img_Gr->width(), 231);
}

TEST_F(ProgressWindowTest, ExportModeShowsTheExportBarAndRunsInTenths)
{
    window.Set_Calc_E();
    window.show();
    EXPECT_TRUE(window.Img_Ex->isVisible());
    EXPECT_TRUE(window.Img_Excel->isVisible());
    EXPECT_FALSE(window.Img_Gr->isVisible());
    EXPECT_EQ(window.Img_Excel->geometry(), QRect(379, 32, 48, 48));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("T13"));
    QStringList shown;
    for (int sample = 0; sample <= 10; ++sample) {
        ASSERT_TRUE(window.Calc_sz_E(0, 100, 0, 10, sample, true));
        shown << window.Label1->text();
    }
    EXPECT_EQ(shown.first(), QStringLiteral("0 %"));
    EXPECT_EQ(shown.at(3), QStringLiteral("30 %"));
    EXPECT_EQ(shown.last(), QStringLiteral("100 %"));
    EXPECT_EQ(window.Img_Ex->width(), 385);
}

TEST_F(ProgressWindowTest, CountingDownMapsTheCounterOntoThePhase)
{
    window.Set_Calc_G();
    // The backward picture search: from position 1000 down to 0 over 0..15 %.
    ASSERT_TRUE(window.Calc_sz(0, 15, 1000, 0, 1000, false));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("0 %"));
    ASSERT_TRUE(window.Calc_sz(0, 15, 1000, 0, 0, false));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("15 %"));
}

TEST_F(ProgressWindowTest, EventsAreProcessedOnlyWhenWhatIsShownChanges)
{
    window.Set_Calc_G();
    window.show();
    // A million-line load: most lines do not move the bar by a pixel.
    EXPECT_EQ(processedDuring([this] { window.Calc_sz(30, 60, 0, 1000000, 0, true); }), 1);
    EXPECT_EQ(processedDuring([this] { window.Calc_sz(30, 60, 0, 1000000, 1, true); }), 0);
    EXPECT_EQ(processedDuring([this] { window.Calc_sz(30, 60, 0, 1000000, 500000, true); }), 1);
}

TEST_F(ProgressWindowTest, AStepOverAnEmptyRangeFailsAndChangesNothing)
{
    window.Set_Calc_G();
    ASSERT_TRUE(window.Calc_sz(30, 60, 0, 100, 50, true));
    EXPECT_FALSE(window.Calc_sz(30, 60, 0, 0, 0, true));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("45 %"));
}

TEST_F(ProgressWindowTest, CancelOnlyHidesTheWindowAndLaterStepsStillCount)
{
    window.Set_Calc_G();
    window.show();
    window.Btn_Cancel->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(window.Calc_sz(30, 60, 0, 100, 100, true));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("60 %"));
}

TEST_F(ProgressWindowTest, PreparingAgainStartsTheBarFromZero)
{
    window.Set_Calc_G();
    window.Calc_sz(0, 100, 0, 10, 10, true);
    window.Set_Calc_E();
    EXPECT_EQ(window.Img_Ex->width(), 0);
    EXPECT_EQ(window.Label1->text(), QStringLiteral("0 %"));
    // Reaching the same end again on the fresh bar is shown again.
    window.Set_Calc_G();
    EXPECT_EQ(processedDuring([this] { window.Calc_sz(0, 100, 0, 10, 10, true); }), 1);
    EXPECT_EQ(window.Img_Gr->width(), 385);
}

} // namespace
