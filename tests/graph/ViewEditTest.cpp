// The saved view text, the range edits, the readouts and the cut.
#include "TestTexts.h"

#include "graph/CutRange.h"
#include "graph/RangeEntry.h"
#include "graph/Readout.h"
#include "graph/SavedView.h"
#include "graph/TimeUnits.h"

#include <gtest/gtest.h>

using namespace vorn::graph;
using graphtest::record;
using graphtest::samples;

namespace {

const RangeEditTexts startTexts{QString(), QString(), QString(), QString(),
                                QStringLiteral("0"), QStringLiteral("0")};

// 100 samples whose voltage is their original index.
TFile_Datas numberedSamples()
{
    TFile_Datas r = record(samples(50, 50), 60);
    for (std::size_t i = 0; i < r.Meres_Datas.size(); ++i)
        r.Meres_Datas[i].Meres_fesz = double(i);
    return r;
}

} // namespace

TEST(SavedView, RestoresTheExampleAndWritesItBackUnchanged)
{
    const QString text = QStringLiteral("10,00;14,00;-2,00;2,00;5,00;30,00");
    const auto view = parseLRBZ(text, startTexts);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->left, (AxisRange{10, 14}));
    EXPECT_EQ(view->right, (AxisRange{-2, 2}));
    EXPECT_EQ(view->bottom, (AxisRange{5, 30}));
    const RangeEditTexts expected{QStringLiteral("10,00"), QStringLiteral("14,00"), QStringLiteral("-2,00"),
                                  QStringLiteral("2,00"),  QStringLiteral("5,00"),  QStringLiteral("30,00")};
    EXPECT_EQ(view->edits, expected);
    EXPECT_EQ(formatLRBZ(view->left, view->right, view->bottom), text);
    EXPECT_EQ(editTextsOf(view->left, view->right, view->bottom), expected);
}

TEST(SavedView, ReformatsFieldsAndIgnoresFieldsAfterTheSixth)
{
    const auto view = parseLRBZ(QStringLiteral("1;14,005; -2 ;2,5;0;120,2;junk"), startTexts);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->edits.Edt_Min_fesz, QStringLiteral("1,00"));
    EXPECT_EQ(view->edits.Edt_Max_fesz, QStringLiteral("14,01"));
    EXPECT_DOUBLE_EQ(view->left.max, 14.01); // the axis takes what the edit shows
    EXPECT_EQ(view->edits.Edt_Min_Aram, QStringLiteral("-2,00"));
    EXPECT_EQ(view->edits._ig, QStringLiteral("120,20"));
}

TEST(SavedView, AMissingFieldKeepsThePreviousTextWhichMustBeANumber)
{
    const auto view = parseLRBZ(QStringLiteral("0,00;14,00;-5,00;3,00;7,00"), startTexts);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->edits._tol, QStringLiteral("7,00"));
    EXPECT_EQ(view->edits._ig, QStringLiteral("0"));
    EXPECT_EQ(view->bottom, (AxisRange{7, 0}));
    // The voltage edits start empty: a text without them cannot be restored.
    EXPECT_FALSE(parseLRBZ(QStringLiteral("0,00"), startTexts));
}

TEST(SavedView, AFieldThatIsNotANumberFailsTheRestore)
{
    EXPECT_FALSE(parseLRBZ(QStringLiteral("0.00;14,00;-5,00;3,00;0,00;10,00"), startTexts));
    EXPECT_FALSE(parseLRBZ(QStringLiteral("0,00;;-5,00;3,00;0,00;10,00"), startTexts));
    EXPECT_FALSE(parseLRBZ(QStringLiteral("0,00;14,00;-5,00;3,00;0,00;ten"), startTexts));
}

TEST(TimeRangeEnter, WholeUnitsAtLeastOneUnitWide)
{
    const auto result = timeRangeEnter(QStringLiteral("12,5"), QStringLiteral("12,7"), 30, EnteredEdit::Max);
    const auto *entry = std::get_if<TimeRangeEntry>(&result);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->bottom, (AxisRange{12, 13}));
    EXPECT_EQ(entry->_tol, QStringLiteral("12,5"));
    EXPECT_EQ(entry->_ig, QStringLiteral("13"));
}

TEST(TimeRangeEnter, ClampsToTheMeasurementAndSwapsAReversedPair)
{
    const auto past = std::get<TimeRangeEntry>(
        timeRangeEnter(QStringLiteral("-3"), QStringLiteral("40"), 30, EnteredEdit::Max));
    EXPECT_EQ(past._tol, QStringLiteral("0"));
    EXPECT_EQ(past._ig, QStringLiteral("30"));
    EXPECT_EQ(past.bottom, (AxisRange{0, 30}));

    const auto swapped = std::get<TimeRangeEntry>(
        timeRangeEnter(QStringLiteral("20"), QStringLiteral("5,5"), 30, EnteredEdit::Min));
    EXPECT_EQ(swapped._tol, QStringLiteral("5,5"));
    EXPECT_EQ(swapped._ig, QStringLiteral("20"));
    EXPECT_EQ(swapped.bottom, (AxisRange{5, 20}));

    // The end text rounds to the nearest whole unit, the axis stops at the last sample.
    const auto rounded = std::get<TimeRangeEntry>(
        timeRangeEnter(QStringLiteral("0"), QStringLiteral("99"), 29.6, EnteredEdit::Max));
    EXPECT_EQ(rounded._ig, QStringLiteral("30"));
    EXPECT_DOUBLE_EQ(rounded.bottom.max, 29.6);
}

TEST(TimeRangeEnter, APointDoesNotParseAndTheEnteredEditGetsTheFocus)
{
    const auto result = timeRangeEnter(QStringLiteral(" 12.5 "), QStringLiteral("14"), 30, EnteredEdit::Min);
    const auto *error = std::get_if<RangeEntryError>(&result);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->focus, EnteredEdit::Min);
    EXPECT_EQ(error->trimmedText, QStringLiteral("12.5"));
    // Enter in the good edit still fails, and that edit keeps the focus.
    const auto other = std::get<RangeEntryError>(
        timeRangeEnter(QStringLiteral("12.5"), QStringLiteral(" 14 "), 30, EnteredEdit::Max));
    EXPECT_EQ(other.focus, EnteredEdit::Max);
    EXPECT_EQ(other.trimmedText, QStringLiteral("14"));
}

TEST(ValueRangeEnter, TakesThePairAsTypedOrReportsTheEnteredEdit)
{
    EXPECT_EQ(std::get<AxisRange>(valueRangeEnter(QStringLiteral("14"), QStringLiteral("10,5"),
                                                  EnteredEdit::Min)),
              (AxisRange{14, 10.5}));
    const auto error = std::get<RangeEntryError>(
        valueRangeEnter(QStringLiteral("1"), QStringLiteral(" x "), EnteredEdit::Max));
    EXPECT_EQ(error.focus, EnteredEdit::Max);
    EXPECT_EQ(error.trimmedText, QStringLiteral("x"));
}

TEST(Readout, FormatsOfTheThreeReadouts)
{
    EXPECT_EQ(voltageReadout(12.07), QStringLiteral("12,07  V"));
    EXPECT_EQ(currentReadout(-1.5), QStringLiteral("-1,50  A"));
    EXPECT_EQ(timeReadout(7, 30, UnitMinutes), QStringLiteral("3,50"));
    EXPECT_EQ(timeReadout(7, 30, UnitSeconds), QStringLiteral("210,00"));
    EXPECT_EQ(timeReadout(90, 60, UnitHours), QStringLiteral("1,50"));
    EXPECT_EQ(noReadout(), QStringLiteral("---"));
}

TEST(Cut, KeepsTheSamplesInsideTheWindowAndMovesTheViewToZero)
{
    TFile_Datas r = numberedSamples();
    const auto result = planCut(r.Meres_Datas.size(), 60, UnitSeconds, {600, 1800},
                                QStringLiteral("600,00"), QStringLiteral("1800,00"));
    const auto *plan = std::get_if<CutPlan>(&result);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->first, 10u);
    EXPECT_EQ(plan->end, 30u);
    EXPECT_EQ(plan->_tol, QStringLiteral("0"));
    EXPECT_EQ(plan->_ig, QStringLiteral("1200,00"));
    EXPECT_EQ(plan->bottom, (AxisRange{0, 1200}));
    applyCut(r, *plan);
    ASSERT_EQ(r.Meres_Datas.size(), 20u);
    EXPECT_EQ(r.Meres_Datas.front().Meres_fesz, 10);
    EXPECT_EQ(r.Meres_Datas.back().Meres_fesz, 29);
}

TEST(Cut, AViewBeyondTheEndKeepsTheRestAndMinutesConvertToSeconds)
{
    const auto beyond = std::get<CutPlan>(planCut(100, 60, UnitSeconds, {600, 9000},
                                                  QStringLiteral("600,00"), QStringLiteral("9000,00")));
    EXPECT_EQ(beyond.first, 10u);
    EXPECT_EQ(beyond.end, 100u);
    const auto minutes = std::get<CutPlan>(planCut(100, 60, UnitMinutes, {-4, 30},
                                                   QStringLiteral("-4,00"), QStringLiteral("30,00")));
    EXPECT_EQ(minutes.first, 0u);
    EXPECT_EQ(minutes.end, 30u);
    EXPECT_EQ(minutes._ig, QStringLiteral("34,00"));
}

TEST(Cut, IsRefusedBelowTwoSamplesOrWithoutASamplingInterval)
{
    const QString tol = QStringLiteral("600,00");
    EXPECT_EQ(std::get<CutRefusal>(planCut(100, 60, UnitSeconds, {600, 660}, tol, tol)),
              CutRefusal::TooFewSamples);
    EXPECT_EQ(std::get<CutRefusal>(planCut(100, 60, UnitSeconds, {7000, 8000}, tol, tol)),
              CutRefusal::TooFewSamples);
    EXPECT_EQ(std::get<CutPlan>(planCut(100, 60, UnitSeconds, {600, 720}, tol, tol)).end, 12u);
    EXPECT_EQ(std::get<CutRefusal>(planCut(100, 0, UnitSeconds, {0, 100}, tol, tol)),
              CutRefusal::NoSamplingInterval);
}

TEST(Cut, UnreadableEditsFallBackToTheViewWidth)
{
    const auto plan = std::get<CutPlan>(planCut(100, 60, UnitSeconds, {600, 1500},
                                                QStringLiteral("abc"), QStringLiteral("1800,00")));
    EXPECT_EQ(plan._ig, QStringLiteral("900,00"));
}
