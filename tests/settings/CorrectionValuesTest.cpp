// Correction values without the dialog: conversion of the typed texts, the
// multiplier limits and their order, DeltaM's 16 bits, and the texts shown.
#include "settings/CorrectionValues.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using vorn::CorrectionFault;
using vorn::CorrectionTexts;
using vorn::test::SeparatorScope;

CorrectionTexts typed(const char *fk, const char *ak, const char *fo = "0", const char *ao = "0",
                      const char *dm = "10")
{
    return {QString::fromUtf8(fk), QString::fromUtf8(ak), QString::fromUtf8(fo),
            QString::fromUtf8(ao), QString::fromUtf8(dm)};
}

TEST(CorrectionCheck, AcceptsMultipliersUpToFiveAndNegativeOnes)
{
    const SeparatorScope comma(u',');
    const auto check = vorn::checkCorrectionTexts(typed("5", "-2,5", "-100", "7,25", "-3"));
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.values.Fesz_Korr, 5.0);
    EXPECT_EQ(check.values.Aram_Korr, -2.5);
    EXPECT_EQ(check.values.Fesz_Offs, -100.0);
    EXPECT_EQ(check.values.Aram_Offs, 7.25);
    EXPECT_EQ(check.values.Delta_M, -3);
}

TEST(CorrectionCheck, RefusesZeroAndAboveFiveForEitherMultiplier)
{
    const SeparatorScope comma(u',');
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("5,01", "1")).fault, CorrectionFault::MultiplierAboveFive);
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("1", "5,0000001")).fault, CorrectionFault::MultiplierAboveFive);
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("0", "1")).fault, CorrectionFault::ZeroMultiplier);
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("1", "-0,0")).fault, CorrectionFault::ZeroMultiplier);
    // Zero is reported before a value above 5, whichever multiplier holds it.
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("9", "0")).fault, CorrectionFault::ZeroMultiplier);
    // Every text is converted before any limit is looked at.
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("0", "1", "x")).fault, CorrectionFault::NotANumber);
}

TEST(CorrectionCheck, TrimsAndReadsWithTheCurrentSeparator)
{
    {
        const SeparatorScope comma(u',');
        const auto check = vorn::checkCorrectionTexts(typed(" 1,01\t", "1", " -0,05 ", "0", " 12 "));
        ASSERT_TRUE(check.ok());
        EXPECT_EQ(check.values.Fesz_Korr, 1.01);
        EXPECT_EQ(check.values.Fesz_Offs, -0.05);
        EXPECT_EQ(check.values.Delta_M, 12);
        EXPECT_FALSE(vorn::checkCorrectionTexts(typed("1.01", "1")).ok());
    }
    const SeparatorScope point(u'.');
    EXPECT_TRUE(vorn::checkCorrectionTexts(typed("1.01", "1")).ok());
    EXPECT_EQ(vorn::checkCorrectionTexts(typed("1,01", "1")).fault, CorrectionFault::NotANumber);
}

TEST(CorrectionCheck, RefusesTextsThatAreNoNumbers)
{
    const SeparatorScope comma(u',');
    for (const CorrectionTexts &texts :
         {typed("", "1"), typed("abc", "1"), typed("1", "inf"), typed("1", "1", "nan"),
          typed("1", "1", "0", "1E400"), typed("1", "1", "0", "0", "1,5"),
          typed("1", "1", "0", "0", "4294967296"), typed("1", "1", "0", "0", "")})
        EXPECT_EQ(vorn::checkCorrectionTexts(texts).fault, CorrectionFault::NotANumber)
            << texts.Fesz_Korr.toStdString() << " " << texts.Aram_Korr.toStdString() << " "
            << texts.Fesz_Offs.toStdString() << " " << texts.Aram_Offs.toStdString() << " "
            << texts.Delta_M.toStdString();
}

TEST(DeltaMWord, KeepsTheLowSixteenBits)
{
    EXPECT_EQ(vorn::deltaMWord(10), 10);
    EXPECT_EQ(vorn::deltaMWord(65535), 65535);
    EXPECT_EQ(vorn::deltaMWord(65536), 0);
    EXPECT_EQ(vorn::deltaMWord(65546), 10);
    EXPECT_EQ(vorn::deltaMWord(-1), 65535);
}

TEST(CorrectionTexts, ShortestFormWithTheCurrentSeparator)
{
    const SeparatorScope comma(u',');
    const CorrectionTexts texts = vorn::correctionTexts(1.0, 0.5, -0.05, 1.0 / 3.0, 65535);
    EXPECT_EQ(texts.Fesz_Korr, QStringLiteral("1"));
    EXPECT_EQ(texts.Aram_Korr, QStringLiteral("0,5"));
    EXPECT_EQ(texts.Fesz_Offs, QStringLiteral("-0,05"));
    EXPECT_EQ(texts.Aram_Offs, QStringLiteral("0,333333333333333"));
    EXPECT_EQ(texts.Delta_M, QStringLiteral("65535"));
}

} // namespace
