// The settings file: defaults, the start-up reading order and the dialogs' writes.
#include "SettingsTestSupport.h"

#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vorn;
using vorn::test::readBytes;
using vorn::test::SeparatorScope;
using vorn::test::writeBytes;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
    }
    void writeIni(const QByteArray &bytes) const { writeBytes(folder + u"vorn.ini"_s, bytes); }
    QByteArray iniBytes() const { return readBytes(folder + u"vorn.ini"_s); }

    QTemporaryDir dir;
    QString folder;
    SeparatorScope point{u'.'}; // a point locale's start-up
};

TEST_F(SettingsFileTest, WithoutAFileEverythingHasItsDefault)
{
    const StartupSettings s = SettingsFile(folder).readStartup();
    EXPECT_EQ(static_cast<const ChartColors &>(s), kDefaultColors);
    EXPECT_EQ(colorFromBgr(s._c1), QColor(0xBF, 0xBA, 0xAC)); // light warm grey
    EXPECT_EQ(colorFromBgr(s._c2), QColor(0xBF, 0xBA, 0xAC));
    EXPECT_EQ(colorFromBgr(s._c3), QColor(0x00, 0x00, 0x80)); // navy
    EXPECT_EQ(colorFromBgr(s._c5), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(colorFromBgr(s._c4), QColor(0xFF, 0x80, 0x00)); // orange
    EXPECT_EQ(colorFromBgr(s._c6), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(colorFromBgr(s._c7), QColor(0xFF, 0xFF, 0x00)); // yellow
    EXPECT_EQ(colorFromBgr(s._c8), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(s.Fesz_Korr, 1.0);
    EXPECT_EQ(s.Aram_Korr, 1.0);
    EXPECT_EQ(s.Fesz_Offs, 0.0);
    EXPECT_EQ(s.Aram_Offs, 0.0);
    EXPECT_EQ(s.Delta_M, 10);
    EXPECT_EQ(s.UMAX, 100.0);
    EXPECT_EQ(s.IMAX, 500.0);
    EXPECT_TRUE(s.ProgressBar);
    EXPECT_FALSE(s.stoppedEarly);
    EXPECT_EQ(s.LastDir, folder + u"DATA/"_s);
    EXPECT_FALSE(QFile::exists(folder + u"vorn.ini"_s)) << "reading creates no file";
}

TEST_F(SettingsFileTest, HexadecimalColourAndCommaUmaxOnAPointLocale)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_TEST_DATA_DIR "/vorn_hex_colour_comma_umax.ini"),
                            folder + u"vorn.ini"_s));
    const StartupSettings s = SettingsFile(folder).readStartup();
    EXPECT_EQ(s._c3, 255);
    EXPECT_EQ(colorFromBgr(s._c3), QColor(Qt::red));
    EXPECT_EQ(s._c4, kDefaultColors._c4);
    // "1,5" is no number with a point: the reading stops after the colours.
    EXPECT_TRUE(s.stoppedEarly);
    EXPECT_EQ(s.UMAX, 0.0);
    EXPECT_EQ(s.IMAX, 0.0);
    EXPECT_FALSE(s.ProgressBar) << "ProgressBar comes after UMAX and is not read";
}

TEST_F(SettingsFileTest, UnreadableImaxStopsAfterUmax)
{
    writeIni("[Color]\r\nC2=123\r\n[Scale]\r\nUMAX= 12.5 \r\nIMAX=\r\n");
    const StartupSettings s = SettingsFile(folder).readStartup();
    EXPECT_EQ(s._c2, 123);
    EXPECT_EQ(s.UMAX, 12.5);
    EXPECT_EQ(s.IMAX, 0.0);
    EXPECT_TRUE(s.stoppedEarly);
}

TEST_F(SettingsFileTest, CommaFloatsReadAsDefaultsAtAPointStartUp)
{
    writeIni("[Correction]\r\nFesz_Korr=1,01\r\nAram_Korr=1.02\r\nFesz_Offs=junk\r\n"
             "Aram_Offs=-0.05\r\nDelta_M=0x10\r\n[Settings]\r\nProgressBar=0\r\n");
    StartupSettings s = SettingsFile(folder).readStartup();
    EXPECT_EQ(s.Fesz_Korr, 1.0);
    EXPECT_EQ(s.Aram_Korr, 1.02);
    EXPECT_EQ(s.Fesz_Offs, 0.0);
    EXPECT_EQ(s.Aram_Offs, -0.05);
    EXPECT_EQ(s.Delta_M, 16);
    EXPECT_FALSE(s.ProgressBar);
    EXPECT_FALSE(s.stoppedEarly);

    SeparatorScope comma(u',');
    s = SettingsFile(folder).readStartup();
    EXPECT_EQ(s.Fesz_Korr, 1.01);
    EXPECT_EQ(s.Aram_Korr, 1.0);
}

TEST_F(SettingsFileTest, LastDirIsKeptOnlyWhenTheFolderExists)
{
    ASSERT_TRUE(QDir(folder).mkdir(u"runs"_s));
    writeIni((u"[Settings]\r\nLastDir="_s + folder + u"runs/\r\n"_s).toUtf8());
    EXPECT_EQ(SettingsFile(folder).readStartup().LastDir, folder + u"runs/"_s);
    writeIni("[Settings]\r\nLastDir=C:\\VORN\\DATA\\\r\n");
    EXPECT_EQ(SettingsFile(folder).readStartup().LastDir, folder + u"DATA/"_s);
}

TEST_F(SettingsFileTest, ColoursOfANewFileAreSavedInTheDialogsOrder)
{
    ChartColors colors;
    colors._c3 = 255;
    ASSERT_TRUE(SettingsFile(folder).writeColors(colors));
    EXPECT_EQ(iniBytes(), QByteArray("[Color]\r\nC1=11319999\r\nC2=11319999\r\nC3=255\r\n"
                                     "C5=8388608\r\nC4=33023\r\nC6=33023\r\nC7=65535\r\n"
                                     "C8=65535\r\n"));
    const StartupSettings s = SettingsFile(folder).readStartup();
    EXPECT_EQ(static_cast<const ChartColors &>(s), colors);
}

TEST_F(SettingsFileTest, SavedColoursReplaceExistingKeysInPlace)
{
    writeIni("[Color]\r\nC8=1\r\nC1=1\r\n[Correction]\r\nDelta_M=10\r\n");
    ChartColors colors;
    colors._c8 = 42;
    ASSERT_TRUE(SettingsFile(folder).writeColors(colors));
    EXPECT_EQ(iniBytes(), QByteArray("[Color]\r\nC8=42\r\nC1=11319999\r\nC2=11319999\r\n"
                                     "C3=8388608\r\nC5=8388608\r\nC4=33023\r\nC6=33023\r\n"
                                     "C7=65535\r\n[Correction]\r\nDelta_M=10\r\n"));
}

TEST_F(SettingsFileTest, CorrectionTextsAreShownAsTheFileHoldsThem)
{
    writeIni("[Correction]\r\nFesz_Korr= 1,01 \r\nAram_Offs=abc\r\n");
    const CorrectionTexts defaults{u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"10"_s};
    const CorrectionTexts t = SettingsFile(folder).readCorrectionTexts(defaults);
    EXPECT_EQ(t.Fesz_Korr, u"1,01"_s);
    EXPECT_EQ(t.Aram_Korr, u"1"_s);
    EXPECT_EQ(t.Fesz_Offs, u"0"_s);
    EXPECT_EQ(t.Aram_Offs, u"abc"_s);
    EXPECT_EQ(t.Delta_M, u"10"_s);
}

TEST_F(SettingsFileTest, CorrectionIsWrittenWithTheCurrentSeparator)
{
    writeIni("[Correction]\r\nFesz_Korr=1,01\r\n");
    SeparatorScope comma(u',');
    ASSERT_TRUE(SettingsFile(folder).writeCorrection({1.01, 0.5, -0.05, 0.0, 65536}));
    EXPECT_EQ(iniBytes(), QByteArray("[Correction]\r\nFesz_Korr=1,01\r\nAram_Korr=0,5\r\n"
                                     "Fesz_Offs=-0,05\r\nAram_Offs=0\r\nDelta_M=65536\r\n"));
}

TEST_F(SettingsFileTest, ScaleStepsAreWrittenAsFloatsInOrder)
{
    SeparatorScope comma(u',');
    ASSERT_TRUE(SettingsFile(folder).writeScale({0.5, 0.1, 30.0, 6.0}));
    EXPECT_EQ(iniBytes(),
              QByteArray("[Scale]\r\nUlept=0,5\r\nIlept=0,1\r\ntlept=30\r\nstep=6\r\n"));
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndChangesNothing)
{
    const SettingsFile missing(folder + u"gone/"_s);
    QString error;
    EXPECT_FALSE(missing.writeColors(kDefaultColors, &error));
    EXPECT_TRUE(error.contains(u"vorn.ini"_s)) << error.toStdString();
    EXPECT_FALSE(missing.writeCorrection({}, &error));
    EXPECT_FALSE(missing.writeScale({}, &error));
    EXPECT_FALSE(QFile::exists(folder + u"gone"_s));
}

TEST(ChartColor, BgrAndQColorConvertBothWays)
{
    EXPECT_EQ(colorFromBgr(0x0080FF), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(bgrFromColor(QColor(0xFF, 0x80, 0x00)), 0x0080FF);
    EXPECT_EQ(bgrFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    // The top byte of a stored value does not leak into the colour.
    EXPECT_EQ(colorFromBgr(int(0xFF0000FFu)), QColor(Qt::red));
}

TEST(ProgramFolder, ExecutableFolderWithSlashUnlessOverridden)
{
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath() + u'/');
    setProgramFolder(u"/opt/vorn"_s);
    EXPECT_EQ(programFolder(), u"/opt/vorn/"_s);
    EXPECT_EQ(SettingsFile().path(), u"/opt/vorn/vorn.ini"_s);
    setProgramFolder(QString());
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath() + u'/');
}

} // namespace
