// The list view's search, protected-column list and header sort state.
#include "exchange/ListViewLogic.h"

#include <gtest/gtest.h>

using namespace vorn::exchange;

namespace {

const QStringList Names{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("beta2")};

std::vector<int> filledSlots(const ProtectedColumns &columns)
{
    std::vector<int> filled;
    for (int column : columns) {
        if (column != -1)
            filled.push_back(column);
    }
    return filled;
}

} // namespace

TEST(ListSearch, FindsTheFirstRowThatBeginsWithTheTextIgnoringCase)
{
    EXPECT_EQ(findSearchHit(Names, QStringLiteral("b")), 1);
    EXPECT_EQ(findSearchHit(Names, QStringLiteral("BETA2")), 2);
    EXPECT_EQ(findSearchHit(Names, QStringLiteral("bx")), -1);
    // Longer than every cell: nothing begins with it.
    EXPECT_EQ(findSearchHit(Names, QStringLiteral("alphabet")), -1);
}

TEST(ListSearch, EmptyTextMatchesTheFirstRowButNotAnEmptyList)
{
    EXPECT_EQ(findSearchHit(Names, QString()), 0);
    EXPECT_EQ(findSearchHit({}, QString()), -1);
    EXPECT_EQ(findSearchHit({}, QStringLiteral("a")), -1);
}

TEST(ListSearch, DoubleAcuteLettersAlsoFindTheirTildeLookAlikes)
{
    const QStringList rows{QStringLiteral("Kerék"), QStringLiteral("Kõrös"), QStringLiteral("Tũzoltó")};
    EXPECT_EQ(findSearchHit(rows, QStringLiteral("kő")), 1);
    EXPECT_EQ(findSearchHit(rows, QStringLiteral("KŐ")), 1);
    EXPECT_EQ(findSearchHit(rows, QStringLiteral("tű")), 2);
    EXPECT_EQ(findSearchHit(rows, QStringLiteral("TŰZ")), 2);
    // The replacement is one way: a tilde in the search text finds no "ő".
    EXPECT_EQ(findSearchHit({QStringLiteral("Kőris")}, QStringLiteral("kõ")), -1);
}

TEST(ListSearch, CandidatesAreLowerCaseWithOneLookAlikeEach)
{
    const QStringList candidates = searchCandidates(QStringLiteral("ŐrŰ"));
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], QStringLiteral("őrű"));
    EXPECT_EQ(candidates[1], QStringLiteral("õrű"));
    EXPECT_EQ(candidates[2], QStringLiteral("őrũ"));
}

TEST(ColumnResizeText, FillsTheSlotsInOrder)
{
    ColumnResizeParse parsed = parseColumnResize(u"0;");
    EXPECT_FALSE(parsed.tooMany);
    EXPECT_EQ(filledSlots(parsed.C_R_A), std::vector<int>{0});
    EXPECT_EQ(parsed.C_R_A[1], -1);

    parsed = parseColumnResize(u"0;3;12;999;");
    EXPECT_EQ(filledSlots(parsed.C_R_A), (std::vector<int>{0, 3, 12, 999}));
    EXPECT_TRUE(isProtectedColumn(parsed.C_R_A, 12));
    EXPECT_FALSE(isProtectedColumn(parsed.C_R_A, 1));
    EXPECT_FALSE(isProtectedColumn(parsed.C_R_A, -1));
}

TEST(ColumnResizeText, SkipsPiecesThatAreNoColumnNumber)
{
    // Blanks are allowed; letters, four digits, signs, empty pieces and a
    // last number without its ";" are not column numbers.
    const ColumnResizeParse parsed = parseColumnResize(u" 4 ;x;1234;-1;;7;9");
    EXPECT_FALSE(parsed.tooMany);
    EXPECT_EQ(filledSlots(parsed.C_R_A), (std::vector<int>{4, 7}));
    EXPECT_EQ(filledSlots(parseColumnResize(u"").C_R_A), std::vector<int>{});
}

TEST(ColumnResizeText, TwentyNumbersFitAndTheTwentyFirstIsReported)
{
    QString text;
    for (int column = 0; column < 20; ++column)
        text += QString::number(column) + u';';
    ColumnResizeParse parsed = parseColumnResize(text);
    EXPECT_FALSE(parsed.tooMany);
    EXPECT_EQ(parsed.C_R_A[19], 19);

    parsed = parseColumnResize(text + QStringLiteral("20;21;"));
    EXPECT_TRUE(parsed.tooMany);
    EXPECT_EQ(filledSlots(parsed.C_R_A).size(), 20u);
    EXPECT_TRUE(isProtectedColumn(parsed.C_R_A, 19));
    EXPECT_FALSE(isProtectedColumn(parsed.C_R_A, 20));
}

TEST(ColumnResizeText, MessageHasItsTwoLinesSeparatedByACarriageReturn)
{
    EXPECT_EQ(tooManyColumnsText(),
              QStringLiteral("Csak 20 elem vihető fel!\rKérlek váloztasd meg 20-ra, vagy bőviteni kell a komponenst"));
}

TEST(HeaderSort, ThreeClicksOnOneColumnAlternateDirectionAndImage)
{
    SortState state;
    std::vector<int> directions;
    std::vector<int> images;
    for (int click = 0; click < 3; ++click) {
        state.click(2);
        directions.push_back(state.SortDir);
        images.push_back(state.headerImage(2));
    }
    EXPECT_EQ(directions, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(images, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(state.ColumnToSort, 2);
    EXPECT_EQ(state.headerImage(0), NoHeaderImage);
}

TEST(HeaderSort, AnotherColumnStartsAscendingAndClearsTheOldImage)
{
    SortState state;
    state.click(1);
    state.click(1); // descending, image 1
    state.click(3);
    EXPECT_EQ(state.SortDir, 0);
    EXPECT_EQ(state.headerImage(3), 0);
    EXPECT_EQ(state.headerImage(1), NoHeaderImage);
    state.click(1); // back again: no image before, so ascending with image 0
    EXPECT_EQ(state.SortDir, 0);
    EXPECT_EQ(state.headerImage(1), 0);
    EXPECT_EQ(state.headerImage(3), NoHeaderImage);
}

TEST(HeaderSort, FirstClickOnTheCaptionColumnSortsAscending)
{
    SortState state;
    state.click(0);
    EXPECT_EQ(state.SortDir, 0);
    EXPECT_EQ(state.headerImage(0), 0);
    EXPECT_EQ(state.LastSorted, 0);
}
