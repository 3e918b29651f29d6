// INI semantics: matching, in-place writes, appending, encodings, safe saving.
#include "SettingsTestSupport.h"

#include "settings/IniFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using vorn::IniFile;
using vorn::codepage::TextEncoding;
using vorn::test::CodePageScope;
using vorn::test::readBytes;
using vorn::test::SeparatorScope;
using vorn::test::writeBytes;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString &name = u"test.ini"_s) const { return dir.filePath(name); }
    // Writes bytes to test.ini and opens it.
    IniFile open(const QByteArray &bytes) const
    {
        writeBytes(path(), bytes);
        return IniFile(path());
    }

    QTemporaryDir dir;
    CodePageScope codePage{"windows-1250"};
};

TEST_F(IniFileTest, MissingFileReadsAsEmptyAndSaveCreatesItWithCrLf)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.existed());
    EXPECT_EQ(ini.readString(u"A"_s, u"k"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_TRUE(ini.readSection(u"A"_s).isEmpty());
    EXPECT_FALSE(ini.sectionExists(u"A"_s));
    ini.writeString(u"A"_s, u"k"_s, u"Áram"_s);
    ini.writeString(u"B"_s, u"x"_s, u"1"_s);
    ASSERT_TRUE(ini.save()) << ini.errorString().toStdString();
    EXPECT_EQ(readBytes(path()), QByteArray("[A]\r\nk=\xC1ram\r\n[B]\r\nx=1\r\n"));
}

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutCaseAndBlanks)
{
    const IniFile ini = open("[ color ]\r\n  c1 =  5  \r\n[Other]\r\nC1=9\r\n");
    EXPECT_EQ(ini.readString(u"Color"_s, u"C1"_s, u""_s), u"5"_s);
    EXPECT_EQ(ini.readString(u"COLOR"_s, u" c1"_s, u""_s), u"5"_s);
    EXPECT_EQ(ini.readString(u"other"_s, u"c1"_s, u""_s), u"9"_s);
    EXPECT_TRUE(ini.valueExists(u"Color"_s, u"C1"_s));
    EXPECT_FALSE(ini.valueExists(u"Color"_s, u"C2"_s));
}

TEST_F(IniFileTest, NonAsciiNamesMatchWithoutCase)
{
    const IniFile ini = open("[\xC1ram]\r\n\xF5r=1\r\n");
    EXPECT_EQ(ini.readString(u"áRAM"_s, u"ŐR"_s, u""_s), u"1"_s);
}

TEST_F(IniFileTest, ValueIsEverythingAfterTheFirstEquals)
{
    const IniFile ini = open("[S]\r\nk=a=b = c\r\nempty=\r\n");
    EXPECT_EQ(ini.readString(u"S"_s, u"k"_s, u""_s), u"a=b = c"_s);
    EXPECT_EQ(ini.readString(u"S"_s, u"empty"_s, u"dflt"_s), u""_s);
}

TEST_F(IniFileTest, OnePairOfMatchingQuotesAroundAValueIsDropped)
{
    const IniFile ini = open("[S]\r\nf = \"1,5\" \r\ns='a b'\r\nkept=\"\"x\"\"\r\nmixed=\"x'\r\n"
                             "one=\"\r\nempty=''\r\ninner=a \"b\"\r\n");
    const auto read = [&](const char *key) { return ini.readString(u"S"_s, QLatin1String(key), u"?"_s); };
    EXPECT_EQ(read("f"), u"1,5"_s);
    EXPECT_EQ(read("s"), u"a b"_s);
    EXPECT_EQ(read("kept"), u"\"x\""_s);
    EXPECT_EQ(read("mixed"), u"\"x'"_s);
    EXPECT_EQ(read("one"), u"\""_s);
    EXPECT_EQ(read("empty"), u""_s);
    EXPECT_EQ(read("inner"), u"a \"b\""_s);
    SeparatorScope comma(u',');
    EXPECT_EQ(ini.readFloat(u"S"_s, u"f"_s, 7.0), 1.5);
    // The section reader gives lines as they stand.
    EXPECT_TRUE(ini.readSection(u"S"_s).contains(u"f= \"1,5\" "_s));
}

TEST_F(IniFileTest, CommentsAndKeylessLinesAreNoKeys)
{
    const IniFile ini = open("[S]\r\n;k=1\r\n  ; k=2\r\nk\r\nk=3\r\n");
    EXPECT_EQ(ini.readString(u"S"_s, u"k"_s, u""_s), u"3"_s);
}

TEST_F(IniFileTest, FirstOfDuplicateSectionsAndKeysCounts)
{
    IniFile ini = open("[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n");
    EXPECT_EQ(ini.readString(u"S"_s, u"k"_s, u""_s), u"1"_s);
    ini.writeString(u"s"_s, u"K"_s, u"9"_s);
    EXPECT_EQ(ini.text(), u"[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n"_s);
}

TEST_F(IniFileTest, ReadSectionGivesEntriesInFileOrderWithRawValues)
{
    const IniFile ini = open("[A]\r\nx=0\r\n[Lang]\r\n  Text5 = Hello =world \r\n"
                             "; comment\r\n\r\nText2=b\r\nkeyless\r\n[B]\r\ny=1\r\n");
    const QStringList expected{u"Text5= Hello =world "_s, u"Text2=b"_s, u"keyless"_s};
    EXPECT_EQ(ini.readSection(u"lang"_s), expected);
    EXPECT_TRUE(ini.readSection(u"Missing"_s).isEmpty());
}

TEST_F(IniFileTest, WriteReplacesInPlaceAndKeepsEverythingElse)
{
    IniFile ini = open("; settings\r\n[Color]\r\nC1 = 1\r\nunknown line\r\nC2=2\r\n\r\n"
                       "[Correction]\r\nDelta_M=10\r\n");
    ini.writeString(u"color"_s, u"c1"_s, u"111"_s);
    ini.writeString(u"Color"_s, u"C2"_s, u"a=b"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path()), QByteArray("; settings\r\n[Color]\r\nC1 = 111\r\nunknown line\r\n"
                                            "C2=a=b\r\n\r\n[Correction]\r\nDelta_M=10\r\n"));
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastEntryNewSectionAtTheEnd)
{
    IniFile ini = open("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ini.writeString(u"A"_s, u"z"_s, u"3"_s);
    ini.writeString(u"C"_s, u"w"_s, u"4"_s);
    ini.writeString(u"B"_s, u"v"_s, u"5"_s);
    EXPECT_EQ(ini.text(), u"[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nv=5\r\n[C]\r\nw=4\r\n"_s);
}

TEST_F(IniFileTest, KeyAddedToAnEmptySectionFollowsItsHeader)
{
    IniFile ini = open("[A]\r\n\r\n[B]\r\n");
    ini.writeString(u"A"_s, u"k"_s, u"1"_s);
    EXPECT_EQ(ini.text(), u"[A]\r\nk=1\r\n\r\n[B]\r\n"_s);
}

TEST_F(IniFileTest, LineBreaksInAValueCannotSplitTheEntry)
{
    IniFile ini(path());
    ini.writeString(u"A"_s, u"k"_s, u"one\r\n[B]\nx=1"_s);
    EXPECT_EQ(ini.text(), u"[A]\r\nk=one  [B] x=1\r\n"_s);
    EXPECT_FALSE(ini.sectionExists(u"B"_s));
}

TEST_F(IniFileTest, IntegerReaderTakesDecimalAndHexadecimal)
{
    const IniFile ini = open("[I]\r\na=42\r\nb= -7 \r\nc=0xFF\r\nd=0X1f\r\ne=0x\r\nf=0xG1\r\n"
                             "g=12abc\r\nh=\r\ni=0xFFFFFFFF\r\nj=0x100000000\r\nk=3000000000\r\n"
                             "l=1,5\r\n");
    const auto read = [&](const char *key) {
        return ini.readInteger(u"I"_s, QString::fromLatin1(key), -99);
    };
    EXPECT_EQ(read("a"), 42);
    EXPECT_EQ(read("b"), -7);
    EXPECT_EQ(read("c"), 255);
    EXPECT_EQ(read("d"), 31);
    EXPECT_EQ(read("e"), -99);
    EXPECT_EQ(read("f"), -99);
    EXPECT_EQ(read("g"), -99);
    EXPECT_EQ(read("h"), -99);
    EXPECT_EQ(read("i"), -1);
    EXPECT_EQ(read("j"), -99);
    EXPECT_EQ(read("k"), -99);
    EXPECT_EQ(read("l"), -99);
    EXPECT_EQ(read("missing"), -99);
}

TEST_F(IniFileTest, FloatReaderAndWriterFollowTheSeparatorInForce)
{
    IniFile ini = open("[F]\r\ncomma=1,01\r\npoint=1.01\r\nempty=\r\njunk=x\r\n");
    {
        SeparatorScope comma(u',');
        EXPECT_EQ(ini.readFloat(u"F"_s, u"comma"_s, 7.0), 1.01);
        EXPECT_EQ(ini.readFloat(u"F"_s, u"point"_s, 7.0), 7.0);
        ini.writeFloat(u"F"_s, u"w"_s, 0.5);
        EXPECT_EQ(ini.readString(u"F"_s, u"w"_s, u""_s), u"0,5"_s);
    }
    SeparatorScope point(u'.');
    EXPECT_EQ(ini.readFloat(u"F"_s, u"comma"_s, 7.0), 7.0);
    EXPECT_EQ(ini.readFloat(u"F"_s, u"point"_s, 7.0), 1.01);
    EXPECT_EQ(ini.readFloat(u"F"_s, u"empty"_s, 7.0), 7.0);
    EXPECT_EQ(ini.readFloat(u"F"_s, u"junk"_s, 7.0), 7.0);
    ini.writeFloat(u"F"_s, u"w"_s, 1e-6);
    EXPECT_EQ(ini.readString(u"F"_s, u"w"_s, u""_s), u"1E-6"_s);
    ini.writeInteger(u"F"_s, u"i"_s, 11319999);
    EXPECT_EQ(ini.readString(u"F"_s, u"i"_s, u""_s), u"11319999"_s);
}

TEST_F(IniFileTest, Utf8FileIsWrittenBackAsUtf8)
{
    IniFile ini = open("[Magyar]\r\nText0=Fesz\xC3\xBClts\xC3\xA9g\r\n");
    EXPECT_EQ(ini.encoding(), TextEncoding::Utf8);
    EXPECT_EQ(ini.readString(u"Magyar"_s, u"Text0"_s, u""_s), u"Feszültség"_s);
    ini.writeString(u"Magyar"_s, u"Text1"_s, u"ő"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path()),
              QByteArray("[Magyar]\r\nText0=Fesz\xC3\xBClts\xC3\xA9g\r\nText1=\xC5\x91\r\n"));
}

TEST_F(IniFileTest, AnsiFileIsWrittenBackInTheCodePage)
{
    IniFile ini = open("[Magyar]\r\nText0=Fesz\xFClts\xE9g\r\n");
    EXPECT_EQ(ini.encoding(), TextEncoding::Ansi);
    EXPECT_EQ(ini.readString(u"Magyar"_s, u"Text0"_s, u""_s), u"Feszültség"_s);
    ini.writeString(u"Magyar"_s, u"Text1"_s, u"ő"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path()), QByteArray("[Magyar]\r\nText0=Fesz\xFClts\xE9g\r\nText1=\xF5\r\n"));
}

TEST_F(IniFileTest, PlainAsciiFileGetsNewTextInTheCodePage)
{
    IniFile ini = open("[A]\r\nk=1\r\n");
    EXPECT_EQ(ini.encoding(), TextEncoding::Ansi);
    ini.writeString(u"A"_s, u"k"_s, u"ő"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path()), QByteArray("[A]\r\nk=\xF5\r\n"));
}

TEST_F(IniFileTest, Utf16AndUtf8BomFilesKeepTheirEncodingAndMark)
{
    const QString text = u"[Actual Language]\r\nLanguage=Magyar\r\n"_s;
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE,
                                        TextEncoding::Utf8Bom}) {
        IniFile ini = open(vorn::codepage::encodeText(text, encoding));
        EXPECT_EQ(ini.encoding(), encoding);
        EXPECT_EQ(ini.readString(u"actual language"_s, u"language"_s, u""_s), u"Magyar"_s);
        ini.writeString(u"Actual Language"_s, u"Language"_s, u"Örség"_s);
        ASSERT_TRUE(ini.save());
        const QString expected = u"[Actual Language]\r\nLanguage=Örség\r\n"_s;
        EXPECT_EQ(readBytes(path()), vorn::codepage::encodeText(expected, encoding))
            << int(encoding);
    }
}

TEST_F(IniFileTest, LfOnlyFileKeepsLf)
{
    IniFile ini = open("[A]\nk=1\n");
    ini.writeString(u"A"_s, u"n"_s, u"2"_s);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readBytes(path()), QByteArray("[A]\nk=1\nn=2\n"));
}

TEST_F(IniFileTest, SaveIntoAMissingFolderFailsWithPathAndReason)
{
    IniFile ini(dir.filePath(u"no-such-folder/test.ini"_s));
    ini.writeString(u"A"_s, u"k"_s, u"1"_s);
    EXPECT_FALSE(ini.save());
    EXPECT_TRUE(ini.errorString().contains(u"no-such-folder/test.ini"_s))
        << ini.errorString().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(u"no-such-folder"_s)));
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten)
{
    // A folder where the file should be: it exists but cannot be read.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"test.ini"_s));
    IniFile ini(path());
    EXPECT_FALSE(ini.existed());
    ini.writeString(u"A"_s, u"k"_s, u"1"_s);
    EXPECT_FALSE(ini.save());
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

} // namespace
