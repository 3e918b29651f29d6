// The locale's ANSI code page, conversions through it and byte-order marks.
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

using namespace vorn::codepage;
using namespace Qt::StringLiterals;
using vorn::test::CodePageScope;

namespace {

TEST(CodePageFor, FollowsTheLanguageAsWindowsDoes)
{
    const std::pair<const char *, const char *> cases[] = {
        {"hu_HU", "windows-1250"}, {"cs_CZ", "windows-1250"}, {"pl_PL", "windows-1250"},
        {"sk_SK", "windows-1250"}, {"sl_SI", "windows-1250"}, {"hr_HR", "windows-1250"},
        {"ro_RO", "windows-1250"}, {"sr_Latn_RS", "windows-1250"},
        {"ru_RU", "windows-1251"}, {"uk_UA", "windows-1251"}, {"bg_BG", "windows-1251"},
        {"sr_Cyrl_RS", "windows-1251"}, {"el_GR", "windows-1253"}, {"tr_TR", "windows-1254"},
        {"lt_LT", "windows-1257"}, {"lv_LV", "windows-1257"}, {"et_EE", "windows-1257"},
        {"de_DE", "windows-1252"}, {"en_US", "windows-1252"}, {"fr_FR", "windows-1252"},
        {"C", "windows-1252"},
    };
    for (const auto &[locale, expected] : cases)
        EXPECT_EQ(codePageFor(QLocale(QLatin1String(locale))), QByteArray(expected)) << locale;
}

TEST(AnsiConversion, HungarianLettersRoundTripInWindows1250)
{
    CodePageScope cp("windows-1250");
    const QString text = u"őű ŐŰ áé"_s;
    const QByteArray bytes = encodeAnsi(text);
    EXPECT_EQ(bytes, QByteArray("\xF5\xFB \xD5\xDB \xE1\xE9"));
    EXPECT_EQ(decodeAnsi(bytes), text);
    EXPECT_TRUE(representable(text));
}

TEST(AnsiConversion, UnrepresentableCharactersBecomeQuestionMarks)
{
    {
        CodePageScope cp("windows-1250");
        EXPECT_EQ(encodeAnsi(u"a漢b"_s), QByteArray("a?b"));
        // A character outside the basic plane is one "?", not two.
        EXPECT_EQ(encodeAnsi(u"x\U0001F600y"_s), QByteArray("x?y"));
        EXPECT_FALSE(representable(u"漢"_s));
    }
    CodePageScope cp("windows-1252");
    EXPECT_EQ(encodeAnsi(u"Aő€"_s), QByteArray("A?\x80"));
    EXPECT_FALSE(representable(u"ő"_s));
}

TEST(ByteOrderMark, DetectsUtf8AndBothUtf16Orders)
{
    EXPECT_EQ(detectBom(QByteArrayView("\xEF\xBB\xBFx")), TextEncoding::Utf8Bom);
    EXPECT_EQ(detectBom(QByteArrayView("\xFF\xFEx\0", 4)), TextEncoding::Utf16LE);
    EXPECT_EQ(detectBom(QByteArrayView("\xFE\xFF\0x", 4)), TextEncoding::Utf16BE);
    EXPECT_EQ(detectBom(QByteArrayView("\xEF\xBB")), TextEncoding::Ansi);
    EXPECT_EQ(detectBom(QByteArrayView("")), TextEncoding::Ansi);
}

TEST(ByteOrderMark, DecodingDropsTheMark)
{
    TextEncoding found = TextEncoding::Ansi;
    EXPECT_EQ(decodeWithBom(QByteArrayView("\xEF\xBB\xBF\xC5\x91"), &found), u"ő"_s);
    EXPECT_EQ(found, TextEncoding::Utf8Bom);
    EXPECT_EQ(decodeWithBom(QByteArrayView("\xFF\xFE\x51\x01", 4), &found), u"ő"_s);
    EXPECT_EQ(found, TextEncoding::Utf16LE);
    EXPECT_EQ(decodeWithBom(QByteArrayView("\xFE\xFF\x01\x51", 4), &found), u"ő"_s);
    EXPECT_EQ(found, TextEncoding::Utf16BE);
}

TEST(SettingsText, Utf8WhenValidElseAnsiAndPlainAsciiIsAnsi)
{
    CodePageScope cp("windows-1250");
    TextEncoding found = TextEncoding::Utf8;
    EXPECT_EQ(decodeSettingsText(QByteArrayView("\xC3\x81ram"), &found), u"Áram"_s);
    EXPECT_EQ(found, TextEncoding::Utf8);
    // "Áram" in windows-1250 is no valid UTF-8.
    EXPECT_EQ(decodeSettingsText(QByteArrayView("\xC1ram"), &found), u"Áram"_s);
    EXPECT_EQ(found, TextEncoding::Ansi);
    EXPECT_EQ(decodeSettingsText(QByteArrayView("[Color]\r\n"), &found), u"[Color]\r\n"_s);
    EXPECT_EQ(found, TextEncoding::Ansi);
    EXPECT_EQ(decodeSettingsText(QByteArrayView("\xFF\xFEx\0", 4), &found), u"x"_s);
    EXPECT_EQ(found, TextEncoding::Utf16LE);
}

TEST(SettingsText, EncodeTextRoundTripsEveryEncoding)
{
    CodePageScope cp("windows-1250");
    const QString text = u"[Magyar]\r\nText0=Feszültség ő\r\n"_s;
    for (const TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8,
                                        TextEncoding::Utf8Bom, TextEncoding::Utf16LE,
                                        TextEncoding::Utf16BE}) {
        const QByteArray bytes = encodeText(text, encoding);
        TextEncoding found = TextEncoding::Ansi;
        EXPECT_EQ(decodeSettingsText(bytes, &found), text) << int(encoding);
        EXPECT_EQ(found, encoding) << int(encoding);
    }
    EXPECT_TRUE(encodeText(text, TextEncoding::Utf16LE).startsWith("\xFF\xFE["));
}

} // namespace
