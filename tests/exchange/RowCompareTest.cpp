// Row comparison by the Tag of the sorted column.
#include "exchange/RowCompare.h"

#include "settings/NumberFormat.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace vorn::exchange;
namespace numfmt = vorn::numfmt;

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// The decimal separator is program-wide: each test sets its own and gives the
// old one back.
class RowCompare : public ::testing::Test {
protected:
    void SetUp() override { m_separator = numfmt::decimalSeparator(); }
    void TearDown() override { numfmt::setDecimalSeparator(m_separator); }

private:
    QChar m_separator;
};

} // namespace

TEST_F(RowCompare, IntegersCompareByValue)
{
    EXPECT_LT(compareCells(s("2"), s("10"), TagInteger), 0);
    EXPECT_GT(compareCells(s("-3"), s("-30"), TagInteger), 0);
    EXPECT_EQ(compareCells(s("7"), s(" 7"), TagInteger), 0);
    // Far apart values whose difference would not fit 32 bits.
    EXPECT_LT(compareCells(s("-2000000000"), s("2000000000"), TagInteger), 0);
    // As text, "2" would come after "10".
    EXPECT_GT(compareCells(s("2"), s("10"), 0), 0);
}

TEST_F(RowCompare, DecimalsFollowTheProgramsSeparator)
{
    numfmt::useComma();
    EXPECT_LT(compareCells(s("2,5"), s("10,25"), TagDecimal), 0);
    EXPECT_GT(compareCells(s("0,75"), s("0,5"), TagDecimal), 0);
    EXPECT_EQ(compareCells(s("1,50"), s("1,5"), TagDecimal), 0);
    // With a comma in force "10.25" does not read as a number and comes first.
    EXPECT_LT(compareCells(s("10.25"), s("2,5"), TagDecimal), 0);

    numfmt::setDecimalSeparator(u'.');
    EXPECT_LT(compareCells(s("2.5"), s("10.25"), TagDecimal), 0);
}

TEST_F(RowCompare, IPv4AddressesCompareAsSigned32BitNumbers)
{
    EXPECT_GT(compareCells(s("10.0.0.2"), s("9.255.255.255"), TagIPv4), 0);
    EXPECT_LT(compareCells(s("10.0.0.2"), s("10.0.0.10"), TagIPv4), 0);
    // 128.0.0.0 and above are negative as signed numbers.
    EXPECT_LT(compareCells(s("200.1.1.1"), s("10.0.0.1"), TagIPv4), 0);
    EXPECT_EQ(parseIPv4(u"1.2.3.4"), qint32(0x01020304));
    EXPECT_EQ(parseIPv4(u"255.255.255.255"), qint32(-1));
    for (const char *bad : {"1.2.3", "1.2.3.4.5", "1.2.3.256", "1.2..4", "a.b.c.d", "1.2.3.+4"})
        EXPECT_FALSE(parseIPv4(s(bad))) << bad;
}

TEST_F(RowCompare, DateTimesCompareByTime)
{
    const QLocale locale = QLocale::system();
    const QDateTime earlier(QDate(2023, 12, 31), QTime(23, 0));
    const QDateTime later(QDate(2024, 1, 2), QTime(10, 0));
    const QString a = locale.toString(earlier, QLocale::ShortFormat);
    const QString b = locale.toString(later, QLocale::ShortFormat);
    EXPECT_LT(compareCells(a, b, TagDateTime), 0) << a.toStdString() << " / " << b.toStdString();
    EXPECT_EQ(compareCells(a, a, TagDateTime), 0);
    EXPECT_GT(compareCells(s("2024-01-02T10:00:00"), s("2023-12-31T23:00:00"), TagDateTime), 0);
    // A date without time is the start of that day.
    EXPECT_LT(compareCells(s("2024-01-02"), s("2024-01-02T00:00:01"), TagDateTime), 0);
}

TEST_F(RowCompare, TextIgnoresLetterCase)
{
    EXPECT_LT(compareCells(s("apple"), s("Banana"), 0), 0);
    EXPECT_GT(compareCells(s("Cherry"), s("banana"), 7), 0);
    EXPECT_EQ(compareCells(s("ÁRAM"), s("áram"), 0), 0);
}

TEST_F(RowCompare, TextsThatAreNoValueComeFirstInOrderOfText)
{
    EXPECT_LT(compareCells(s(""), s("1"), TagInteger), 0);
    EXPECT_GT(compareCells(s("5"), s("n/a"), TagInteger), 0);
    EXPECT_LT(compareCells(s("abc"), s("xyz"), TagInteger), 0);
    EXPECT_LT(compareCells(s("unknown"), s("0.0.0.0"), TagIPv4), 0);
}

TEST_F(RowCompare, DescendingSwapsTheTexts)
{
    EXPECT_LT(compareForSort(s("2"), s("10"), TagInteger, 0), 0);
    EXPECT_GT(compareForSort(s("2"), s("10"), TagInteger, 1), 0);
    EXPECT_EQ(compareForSort(s("4"), s("4"), TagInteger, 1), 0);
}
