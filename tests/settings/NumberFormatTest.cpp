// Number formats and parsing with the program-wide decimal separator.
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

using namespace vorn::numfmt;
using namespace Qt::StringLiterals;
using vorn::test::SeparatorScope;

namespace {

TEST(FormatFixed2, RoundsHalfAwayFromZeroOnTheFifteenDigitForm)
{
    // 2.675, 0.005 and 1.005 are stored a little below the tie.
    EXPECT_EQ(formatFixed2(2.675, u','), u"2,68"_s);
    EXPECT_EQ(formatFixed2(0.005, u','), u"0,01"_s);
    EXPECT_EQ(formatFixed2(1.005, u','), u"1,01"_s);
    EXPECT_EQ(formatFixed2(-1.005, u','), u"-1,01"_s);
    EXPECT_EQ(formatFixed2(12.345, u','), u"12,35"_s);
    EXPECT_EQ(formatFixed2(0.125, u','), u"0,13"_s);
    EXPECT_EQ(formatFixed2(-0.125, u','), u"-0,13"_s);
    EXPECT_EQ(formatFixed2(2.674999, u','), u"2,67"_s);
    EXPECT_EQ(formatFixed2(0.994999, u','), u"0,99"_s);
    EXPECT_EQ(formatFixed2(9.995, u','), u"10,00"_s);
}

TEST(FormatFixed2, ZeroAndNegativeValuesThatRoundToZeroHaveNoSign)
{
    EXPECT_EQ(formatFixed2(0.0, u','), u"0,00"_s);
    EXPECT_EQ(formatFixed2(-0.0, u','), u"0,00"_s);
    EXPECT_EQ(formatFixed2(-0.004, u','), u"0,00"_s);
    EXPECT_EQ(formatFixed2(-0.005, u','), u"-0,01"_s);
    EXPECT_EQ(formatFixed2(1e-300, u','), u"0,00"_s);
}

TEST(FormatFixed2, BigValuesKeepAllIntegerDigits)
{
    EXPECT_EQ(formatFixed2(999999999.995, u','), u"1000000000,00"_s);
    EXPECT_EQ(formatFixed2(123456789.125, u','), u"123456789,13"_s);
    EXPECT_EQ(formatFixed2(1e20, u','), u"100000000000000000000,00"_s);
    EXPECT_EQ(formatFixed2(-1.23456789012345e17, u','), u"-123456789012345000,00"_s);
    const QString huge = formatFixed2(1e300, u',');
    EXPECT_EQ(huge.size(), 301 + 3);
    EXPECT_TRUE(huge.startsWith(u"1000"_s));
    EXPECT_TRUE(huge.endsWith(u"0,00"_s));
}

TEST(FormatFixed2, UsesTheSeparatorInForce)
{
    {
        SeparatorScope comma(u',');
        EXPECT_EQ(formatFixed2(3.5), u"3,50"_s);
    }
    SeparatorScope point(u'.');
    EXPECT_EQ(formatFixed2(3.5), u"3.50"_s);
    EXPECT_EQ(formatFixed2(std::numeric_limits<double>::quiet_NaN()), u"NAN"_s);
    EXPECT_EQ(formatFixed2(-std::numeric_limits<double>::infinity()), u"-INF"_s);
}

TEST(FormatCharge, OneOrTwoDecimals)
{
    SeparatorScope comma(u',');
    EXPECT_EQ(formatCharge(12.5), u"12,5"_s);
    EXPECT_EQ(formatCharge(3.0), u"3,0"_s);
    EXPECT_EQ(formatCharge(1.234), u"1,23"_s);
    EXPECT_EQ(formatCharge(1.235), u"1,24"_s);
    EXPECT_EQ(formatCharge(0.999), u"1,0"_s);
    EXPECT_EQ(formatCharge(-0.001), u"0,0"_s);
    EXPECT_EQ(formatCharge(10.0, u'.'), u"10.0"_s);
}

TEST(FormatGeneral, ShortestFormWithFifteenSignificantDigits)
{
    EXPECT_EQ(formatGeneral(1.0, u','), u"1"_s);
    EXPECT_EQ(formatGeneral(0.5, u','), u"0,5"_s);
    EXPECT_EQ(formatGeneral(-0.5, u'.'), u"-0.5"_s);
    EXPECT_EQ(formatGeneral(100.0, u','), u"100"_s);
    EXPECT_EQ(formatGeneral(0.0, u','), u"0"_s);
    EXPECT_EQ(formatGeneral(-0.0, u','), u"0"_s);
    EXPECT_EQ(formatGeneral(0.1 + 0.2, u','), u"0,3"_s);
    EXPECT_EQ(formatGeneral(1.0 / 3.0, u','), u"0,333333333333333"_s);
    EXPECT_EQ(formatGeneral(2.0 / 3.0, u','), u"0,666666666666667"_s);
    EXPECT_EQ(formatGeneral(12.07, u','), u"12,07"_s);
}

TEST(FormatGeneral, ExponentBelowOneHundredThousandthAndAboveFifteenIntegerDigits)
{
    EXPECT_EQ(formatGeneral(0.00001, u','), u"0,00001"_s);
    EXPECT_EQ(formatGeneral(0.000012345, u','), u"0,000012345"_s);
    EXPECT_EQ(formatGeneral(0.000001, u','), u"1E-6"_s);
    EXPECT_EQ(formatGeneral(-2.5e-7, u','), u"-2,5E-7"_s);
    EXPECT_EQ(formatGeneral(999999999999999.0, u','), u"999999999999999"_s);
    EXPECT_EQ(formatGeneral(1e14, u','), u"100000000000000"_s);
    EXPECT_EQ(formatGeneral(1e15, u','), u"1E15"_s);
    EXPECT_EQ(formatGeneral(1.5e20, u','), u"1,5E20"_s);
    EXPECT_EQ(formatGeneral(123456789012345678.0, u','), u"1,23456789012346E17"_s);
    // Rounding to 15 digits can carry into a sixteenth integer digit.
    EXPECT_EQ(formatGeneral(9999999999999999.0, u','), u"1E16"_s);
    EXPECT_EQ(formatGeneral(1e-300, u','), u"1E-300"_s);
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity(), u','), u"INF"_s);
}

// Fifteen significant digits of a value, for comparing round trips.
std::string digits15(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    return buf;
}

TEST(FormatGeneral, RoundTripThroughParseKeepsFifteenDigits)
{
    std::mt19937_64 random(20240917);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        for (int i = 0; i < 20000; ++i) {
            double value = mantissa(random) * std::pow(10.0, exponent(random));
            if (i % 2)
                value = -value;
            const QString text = formatGeneral(value, separator);
            const auto parsed = parseFloat(QStringView(text), separator);
            ASSERT_TRUE(parsed.has_value()) << text.toStdString();
            ASSERT_EQ(digits15(*parsed), digits15(value)) << text.toStdString();
            ASSERT_EQ(formatGeneral(*parsed, separator), text);
        }
    }
}

TEST(ParseFloat, RejectsWhatTheSeparatorRulesOut)
{
    for (const QString &text : {u"."_s, u"1.5"_s, u"1.000,5"_s, u"1 000"_s, u"1 000,5"_s,
                                u""_s, u"  "_s, u"abc"_s, u"12a"_s, u"inf"_s, u"-inf"_s,
                                u"nan"_s, u"infinity"_s, u"--1"_s, u"+-1"_s, u"-"_s,
                                u","_s, u"1,2,3"_s, u"1E"_s, u"E5"_s, u"1E400"_s,
                                u"0x10"_s, u"1\u00A0000"_s, u"١"_s}) {
        EXPECT_FALSE(parseFloat(QStringView(text), u',').has_value()) << text.toStdString();
    }
    EXPECT_FALSE(parseFloat(QStringView(u"1,5"_s), u'.').has_value());
}

TEST(ParseFloat, AcceptsBlanksSignAndExponent)
{
    EXPECT_EQ(parseFloat(QStringView(u" 12,5 "_s), u','), 12.5);
    EXPECT_EQ(parseFloat(QStringView(u"\t12,5"_s), u','), 12.5);
    EXPECT_EQ(parseFloat(QStringView(u"-3"_s), u','), -3.0);
    EXPECT_EQ(parseFloat(QStringView(u"+3"_s), u','), 3.0);
    EXPECT_EQ(parseFloat(QStringView(u"1E-6"_s), u','), 1e-6);
    EXPECT_EQ(parseFloat(QStringView(u"1,5E20"_s), u','), 1.5e20);
    EXPECT_EQ(parseFloat(QStringView(u"1,5e+20"_s), u','), 1.5e20);
    EXPECT_EQ(parseFloat(QStringView(u",5"_s), u','), 0.5);
    EXPECT_EQ(parseFloat(QStringView(u"12.07"_s), u'.'), 12.07);
    EXPECT_EQ(parseFloat(QByteArrayView("-0,25"), ','), -0.25);
}

TEST(ParseFloat, FollowsTheSeparatorInForce)
{
    SeparatorScope point(u'.');
    EXPECT_EQ(parseFloat(QStringView(u"1.25"_s)), 1.25);
    EXPECT_FALSE(parseFloat(QStringView(u"1,25"_s)).has_value());
    useComma();
    EXPECT_EQ(decimalSeparator(), QChar(u','));
    EXPECT_EQ(parseFloat(QStringView(u"1,25"_s)), 1.25);
    EXPECT_FALSE(parseFloat(QStringView(u"1.25"_s)).has_value());
}

TEST(ParseInt, ThirtyTwoBitLimitsAndJunk)
{
    EXPECT_EQ(parseInt(QStringView(u"2147483647"_s)), 2147483647);
    EXPECT_EQ(parseInt(QStringView(u"-2147483648"_s)), std::numeric_limits<int>::min());
    EXPECT_FALSE(parseInt(QStringView(u"2147483648"_s)).has_value());
    EXPECT_FALSE(parseInt(QStringView(u"-2147483649"_s)).has_value());
    EXPECT_FALSE(parseInt(QStringView(u"99999999999999999999"_s)).has_value());
    EXPECT_EQ(parseInt(QStringView(u"  42"_s)), 42);
    EXPECT_EQ(parseInt(QStringView(u"+7"_s)), 7);
    EXPECT_EQ(parseInt(QByteArrayView("-15")), -15);
    for (const QString &text : {u""_s, u"-"_s, u"+"_s, u"1.0"_s, u"1,0"_s, u"0x10"_s,
                                u"12a"_s, u"42 "_s, u"- 4"_s, u"1 000"_s}) {
        EXPECT_FALSE(parseInt(QStringView(text)).has_value()) << text.toStdString();
    }
}

} // namespace
