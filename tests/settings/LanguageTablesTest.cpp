// Loading the text tables from the language file and storing the choice.
#include "SettingsTestSupport.h"

#include "settings/LanguageTables.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using vorn::AddColonToLast;
using vorn::loadLanguage;
using vorn::storeLanguageChoice;
using vorn::TextTables;
using vorn::test::readBytes;
using vorn::test::writeBytes;

namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
    }
    void installSample() const
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_TEST_DATA_DIR "/language_gaps_and_order.ini"),
                                folder + u"Language.ini"_s));
    }

    QTemporaryDir dir;
    QString folder;
};

TEST_F(LanguageFileTest, TablesFillDenselyInFileOrderWhateverTheNumbers)
{
    installSample();
    const TextTables tables = loadLanguage(folder);
    EXPECT_EQ(tables.Used_Lang, u"English"_s);
    EXPECT_EQ(tables.menuList(), (QStringList{u"File"_s, u"Window"_s}));
    EXPECT_EQ(tables.errList(), (QStringList{u"Cannot open the file"_s, u"second error"_s}));
    // "Text10", "Text2", "Text7", "Textual", "Text5": five entries in that order;
    // the value after the first "=" stands unchanged, "=" and blanks included.
    EXPECT_EQ(tables.textList(), (QStringList{u"ten"_s, u"two"_s, u"a=b"_s, u"counts as Text"_s,
                                              u" padded "_s}));
    EXPECT_EQ(tables.Text_List(2), u"a=b"_s);
    EXPECT_EQ(tables.helpFile, folder + u"hlp_eng.hlp"_s);
}

TEST_F(LanguageFileTest, MissingFileGivesEmptyTablesWithPlaceholdersAndDefaults)
{
    const TextTables tables = loadLanguage(folder);
    EXPECT_EQ(tables.Used_Lang, u"Magyar"_s);
    EXPECT_TRUE(tables.menuList().isEmpty());
    EXPECT_TRUE(tables.errList().isEmpty());
    EXPECT_TRUE(tables.textList().isEmpty());
    EXPECT_EQ(tables.helpFile, folder + u"hlp_hun.hlp"_s);
    EXPECT_EQ(tables.Text_List(178), u"[Text_List 178]"_s);
    EXPECT_EQ(tables.Err_List(3), u"[Err_List 3]"_s);
    EXPECT_EQ(tables.Menu_List(-1), u"[Menu_List -1]"_s);
}

TEST_F(LanguageFileTest, MissingLanguageSectionGivesEmptyTables)
{
    writeBytes(folder + u"Language.ini"_s,
               "[Actual Language]\r\nLanguage=Klingon\r\n[Magyar]\r\nText0=x\r\n");
    const TextTables tables = loadLanguage(folder);
    EXPECT_EQ(tables.Used_Lang, u"Klingon"_s);
    EXPECT_TRUE(tables.textList().isEmpty());
    EXPECT_EQ(tables.helpFile, folder + u"hlp_hun.hlp"_s);
}

TEST_F(LanguageFileTest, NoLanguageKeyMeansMagyar)
{
    writeBytes(folder + u"Language.ini"_s,
               "[Magyar]\r\nMenu0=F\xC3\xA1jl\r\nText0=Akkumul\xC3\xA1tor\r\n");
    const TextTables tables = loadLanguage(folder);
    EXPECT_EQ(tables.Used_Lang, u"Magyar"_s);
    EXPECT_EQ(tables.Menu_List(0), u"Fájl"_s);
    EXPECT_EQ(tables.Text_List(0), u"Akkumulátor"_s);
    EXPECT_EQ(tables.Text_List(1), u"[Text_List 1]"_s);
}

TEST_F(LanguageFileTest, StoringTheChoiceChangesOnlyThatValue)
{
    installSample();
    const QByteArray before = readBytes(folder + u"Language.ini"_s);
    ASSERT_TRUE(storeLanguageChoice(folder, u"German"_s));
    QByteArray expected = before;
    expected.replace("Language=English", "Language=German");
    EXPECT_EQ(readBytes(folder + u"Language.ini"_s), expected);
    const TextTables tables = loadLanguage(folder);
    EXPECT_EQ(tables.Used_Lang, u"German"_s);
    EXPECT_EQ(tables.Menu_List(0), u"Datei"_s);
}

TEST_F(LanguageFileTest, StoringIntoAMissingFolderReportsFailure)
{
    QString error;
    EXPECT_FALSE(storeLanguageChoice(folder + u"gone/"_s, u"English"_s, &error));
    EXPECT_TRUE(error.contains(u"Language.ini"_s)) << error.toStdString();
}

TEST(TextTables, PrefixesAreCaseSensitiveAndAKeylessLineGivesAnEmptyText)
{
    TextTables tables;
    tables.loadSectionLines({u"text0=no"_s, u"Text0=yes"_s, u"Text1"_s, u"MENU0=no"_s,
                             u"errmsg0=no"_s, u"ErrMsg0=e"_s});
    EXPECT_EQ(tables.textList(), (QStringList{u"yes"_s, u""_s}));
    EXPECT_TRUE(tables.menuList().isEmpty());
    EXPECT_EQ(tables.errList(), QStringList{u"e"_s});
    tables.loadSectionLines({u"Menu0=m"_s});
    EXPECT_TRUE(tables.textList().isEmpty()) << "a new load starts from empty tables";
}

TEST(TextTables, AddColonToLast)
{
    EXPECT_EQ(AddColonToLast(u""_s), u":"_s);
    EXPECT_EQ(AddColonToLast(u"Name"_s), u"Name:"_s);
    EXPECT_EQ(AddColonToLast(u"Name:"_s), u"Name:"_s);
    EXPECT_EQ(AddColonToLast(u"Name: "_s), u"Name: :"_s);
}

} // namespace
