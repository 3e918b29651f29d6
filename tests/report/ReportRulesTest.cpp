// The printed report's arithmetic: extra pages, the PDF name and MakeGrey.
#include "ReportTestSupport.h"

#include "report/ReportRules.h"

#include <gtest/gtest.h>

using namespace vorn::report;

namespace {

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QString::number(i));
    return lines;
}

TEST(DetailPages, SixteenLinesNeedNoExtraPage)
{
    const DetailPages pages = detailPages(numbered(16));
    EXPECT_FALSE(pages.page2);
    EXPECT_FALSE(pages.page3);
    EXPECT_TRUE(pages.Memo2.isEmpty());
}

TEST(DetailPages, SeventeenLinesGoToTheLeftColumnOfPageTwo)
{
    const DetailPages pages = detailPages(numbered(17));
    EXPECT_TRUE(pages.page2);
    EXPECT_FALSE(pages.page3);
    EXPECT_EQ(pages.Memo2, numbered(17));
    EXPECT_TRUE(pages.Memo3.isEmpty());
}

TEST(DetailPages, PageThreeOnlyOnceBothColumnsOfPageTwoAreFull)
{
    const DetailPages full = detailPages(numbered(158));
    EXPECT_FALSE(full.page3);
    EXPECT_EQ(full.Memo3.last(), QStringLiteral("158"));

    const DetailPages over = detailPages(numbered(159));
    EXPECT_TRUE(over.page3);
    EXPECT_EQ(over.Memo5, QStringList{QStringLiteral("159")});
}

TEST(DetailPages, TwoHundredLinesFillPageTwoAndStartPageThree)
{
    const DetailPages pages = detailPages(numbered(200));
    EXPECT_EQ(pages.Memo2.first(), QStringLiteral("1"));
    EXPECT_EQ(pages.Memo2.last(), QStringLiteral("79"));
    EXPECT_EQ(pages.Memo3.first(), QStringLiteral("80"));
    EXPECT_EQ(pages.Memo3.last(), QStringLiteral("158"));
    EXPECT_EQ(pages.Memo5.first(), QStringLiteral("159"));
    EXPECT_EQ(pages.Memo5.last(), QStringLiteral("200"));
    EXPECT_TRUE(pages.Memo6.isEmpty());
}

TEST(DetailPages, LinesAfterThe316thAreLeftOut)
{
    const DetailPages pages = detailPages(numbered(400));
    EXPECT_EQ(pages.Memo6.first(), QStringLiteral("238"));
    EXPECT_EQ(pages.Memo6.last(), QStringLiteral("316"));
}

TEST(ResultsBox, HeightFollowsTheLineCount)
{
    EXPECT_DOUBLE_EQ(resultsBoxHeight(4), 67);
    // With a verdict the last line prints in its own box.
    EXPECT_DOUBLE_EQ(resultsBoxHeightWithoutVerdict(4), 47);
}

TEST(ResultsBox, LinesThatWouldLeaveTheirFrameGetCloser)
{
    EXPECT_DOUBLE_EQ(fittingLinePitch(10, 29, 284), kLinePitch);
    // 15 periods, the summary and the verdict: 21 lines in the results frame.
    EXPECT_DOUBLE_EQ(fittingLinePitch(21, 29, 281), 12);
    EXPECT_DOUBLE_EQ(fittingLinePitch(100, 0, 100), kLinePitch / 2);
}

TEST(PdfName, CutAtTheFirstDotOfTheFileNameOnly)
{
    EXPECT_EQ(pdfFileName(QStringLiteral("/tmp/r1.pdf")), QStringLiteral("/tmp/r1.pdf"));
    EXPECT_EQ(pdfFileName(QStringLiteral("/tmp/r1")), QStringLiteral("/tmp/r1.pdf"));
    EXPECT_EQ(pdfFileName(QStringLiteral("/tmp/r1.final.PDF")), QStringLiteral("/tmp/r1.pdf"));
    // A dot in a folder name does not count.
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/anna.kovacs/r1.pdf")),
              QStringLiteral("/home/anna.kovacs/r1.pdf"));
    EXPECT_EQ(pdfFileName(QStringLiteral("/home/anna.kovacs/r1")), QStringLiteral("/home/anna.kovacs/r1.pdf"));
}

TEST(MakeGrey, TakesTheUnweightedMeanAndKeepsTheFourthByte)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(31, 20, 10, 200));
    image.setPixel(1, 0, qRgba(255, 255, 254, 255));
    MakeGrey(image);
    EXPECT_EQ(image.pixel(0, 0), qRgba(20, 20, 20, 200));  // 61 div 3
    EXPECT_EQ(image.pixel(1, 0), qRgba(254, 254, 254, 255)); // 764 div 3

    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(90, 0, 0)});
    indexed.setPixel(0, 0, 0);
    MakeGrey(indexed);
    EXPECT_EQ(indexed.depth(), 32);
    EXPECT_EQ(indexed.pixel(0, 0), qRgb(30, 30, 30));
}

} // namespace
