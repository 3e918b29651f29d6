// Checks the shipped Language.ini: its encoding, the order of its keys, that
// every language section is complete, and that every text the code asks for
// exists in every language.
#include "settings/LanguageTables.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

using namespace Qt::StringLiterals;

// Readable failure messages for QString comparisons.
void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Sizes up to the highest index the program reads from each table.
constexpr int kMenuCount = 25;
constexpr int kErrCount = 32;
constexpr int kTextCount = 179;

QString sourceDir() { return QStringLiteral(VORN_SOURCE_DIR); }

QString languageFilePath() { return sourceDir() + u"/src/app/resources/Language.ini"_s; }

QByteArray languageFileBytes()
{
    QFile file(languageFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The file's sections as their raw "key=value" lines in file order, to check
// the keys themselves (the loader keeps only the values); section names are
// folded to lower case, as the INI lookup ignores letter case.
QMap<QString, QStringList> rawSections()
{
    QMap<QString, QStringList> sections;
    QString current;
    const QString text = QString::fromUtf8(languageFileBytes());
    for (const QString &rawLine : text.split(u"\r\n"_s)) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']'))
            current = line.mid(1, line.size() - 2).trimmed().toLower();
        else
            sections[current].append(line);
    }
    return sections;
}

// The tables exactly as the program loads them when `language` is chosen: a
// copy of the file in a scratch folder, switched and read by the loader.
vorn::TextTables tablesFor(const QString &language)
{
    QTemporaryDir folder;
    const QString programFolder = folder.path() + u'/';
    if (!QFile::copy(languageFilePath(), programFolder + u"Language.ini"_s)
        || !vorn::storeLanguageChoice(programFolder, language)) {
        ADD_FAILURE() << "cannot prepare a copy of the language file for " << qPrintable(language);
        return {};
    }
    return vorn::loadLanguage(programFolder);
}

// Every literal index the sources pass to Menu_List(N), Err_List(N) and
// Text_List(N), per table, with one file that uses it.
struct CodeScan {
    int filesScanned = 0;
    std::map<QString, std::map<int, QString>> uses;
};

CodeScan indicesUsedByCode()
{
    static const QRegularExpression call(
        uR"(\b(Menu_List|Err_List|Text_List)\s*\(\s*([0-9]+)\s*\))"_s);
    CodeScan scan;
    QDirIterator it(sourceDir() + u"/src"_s, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        ++scan.filesScanned;
        const QString code = QString::fromUtf8(file.readAll());
        for (const auto &match : call.globalMatch(code))
            scan.uses[match.captured(1)].emplace(match.captured(2).toInt(), it.filePath());
    }
    return scan;
}

int tableSize(const vorn::TextTables &tables, const QString &table)
{
    if (table == u"Menu_List")
        return int(tables.menuList().size());
    if (table == u"Err_List")
        return int(tables.errList().size());
    return int(tables.textList().size());
}

} // namespace

TEST(LanguageFile, IsUtf8WithoutByteOrderMarkAndWithCrLfLineEnds)
{
    const QByteArray bytes = languageFileBytes();
    ASSERT_FALSE(bytes.isEmpty()) << qPrintable(languageFilePath());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    EXPECT_FALSE(decoder.hasError()) << "not valid UTF-8";

    EXPECT_TRUE(bytes.endsWith("\r\n"));
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1))
        ASSERT_TRUE(i > 0 && bytes.at(i - 1) == '\r') << "bare LF at byte " << i;
    EXPECT_EQ(bytes.count('\r'), bytes.count('\n')) << "bare CR in the file";
}

TEST(LanguageFile, ShipsWithMagyarChosenAndAHelpFilePerLanguage)
{
    const QString folder = QFileInfo(languageFilePath()).absolutePath() + u'/';
    const vorn::TextTables shipped = vorn::loadLanguage(folder);
    EXPECT_EQ(shipped.Used_Lang, u"Magyar"_s);
    EXPECT_EQ(shipped.helpFile, folder + u"hlp_hun.hlp"_s);

    EXPECT_TRUE(tablesFor(u"English"_s).helpFile.endsWith(u"/hlp_eng.hlp"_s));
    EXPECT_TRUE(tablesFor(u"German"_s).helpFile.endsWith(u"/hlp_ger.hlp"_s));
}

TEST(LanguageFile, TablesHaveTheSameSizeInEveryLanguage)
{
    // A text missing in the middle of one section would shift every later
    // index of that language onto the wrong text.
    const vorn::TextTables magyar = tablesFor(u"Magyar"_s);
    for (const QString &language : {u"English"_s, u"German"_s}) {
        const vorn::TextTables other = tablesFor(language);
        EXPECT_EQ(other.menuList().size(), magyar.menuList().size()) << qPrintable(language);
        EXPECT_EQ(other.errList().size(), magyar.errList().size()) << qPrintable(language);
        EXPECT_EQ(other.textList().size(), magyar.textList().size()) << qPrintable(language);
    }
}

TEST(LanguageFile, HungarianAndGermanLettersSurviveDecoding)
{
    const vorn::TextTables magyar = tablesFor(u"Magyar"_s);
    EXPECT_EQ(magyar.Text_List(36), u"Feszültség"_s);
    EXPECT_EQ(magyar.Text_List(37), u"Áram"_s);
    EXPECT_EQ(magyar.Text_List(111), u"Mérési jegyzőkönyv"_s);

    const vorn::TextTables german = tablesFor(u"German"_s);
    EXPECT_EQ(german.Text_List(36), u"Spannung"_s);
    EXPECT_EQ(german.Menu_List(16), u"Schließen"_s);
    EXPECT_EQ(german.Menu_List(4), u"Öffnen"_s);
}

class LanguageSection : public ::testing::TestWithParam<const char *> {
protected:
    QString language() const { return QString::fromLatin1(GetParam()); }
};

TEST_P(LanguageSection, KeysOfEachTableAreNumberedInFileOrder)
{
    // The loader ignores the key's number and takes entries by position, so a
    // misplaced line would silently give a text to the wrong index.
    QMap<QString, int> next;
    for (const QString &line : rawSections().value(language().toLower())) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        for (const QString &prefix : {u"Menu"_s, u"ErrMsg"_s, u"Text"_s}) {
            if (key.startsWith(prefix)) {
                // One misplaced line would misnumber every key after it: stop there.
                ASSERT_EQ(key, prefix + QString::number(next[prefix]++)) << qPrintable(language());
                break;
            }
        }
    }
}

TEST_P(LanguageSection, IsCompleteWithoutEmptyTexts)
{
    const vorn::TextTables tables = tablesFor(language());
    EXPECT_GE(tables.menuList().size(), kMenuCount);
    EXPECT_GE(tables.errList().size(), kErrCount);
    EXPECT_GE(tables.textList().size(), kTextCount);

    const std::pair<const char *, const QStringList *> lists[] = {
        {"Menu", &tables.menuList()}, {"ErrMsg", &tables.errList()}, {"Text", &tables.textList()}};
    for (const auto &[prefix, list] : lists)
        for (qsizetype i = 0; i < list->size(); ++i)
            EXPECT_FALSE(list->at(i).trimmed().isEmpty()) << prefix << i << " is empty";
}

TEST_P(LanguageSection, HoldsEveryIndexTheCodeUses)
{
    // The tables' own header is always among the scanned files, so a wrong
    // source path cannot pass as "nothing to check".
    const CodeScan scan = indicesUsedByCode();
    ASSERT_GT(scan.filesScanned, 0) << "no sources under " << qPrintable(sourceDir());

    const vorn::TextTables tables = tablesFor(language());
    for (const auto &[table, indices] : scan.uses) {
        const int size = tableSize(tables, table);
        for (const auto &[index, file] : indices)
            EXPECT_LT(index, size) << qPrintable(table) << "(" << index << ") used in "
                                   << qPrintable(file) << " is missing from "
                                   << qPrintable(language());
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageSection,
                         ::testing::Values("Magyar", "English", "German"),
                         [](const auto &info) { return std::string(info.param); });
