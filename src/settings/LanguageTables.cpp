// Text tables of the user interface and their loading from the language file.
#include "LanguageTables.h"

#include "IniFile.h"

namespace vorn {

namespace {

QString lookup(const QStringList &table, int index, const char *name)
{
    if (index >= 0 && index < table.size())
        return table.at(index);
    // A missing text must not stop the program: show where it is missing.
    return QStringLiteral("[%1 %2]").arg(QLatin1String(name)).arg(index);
}

} // namespace

QString TextTables::Menu_List(int index) const { return lookup(m_menu, index, "Menu_List"); }
QString TextTables::Err_List(int index) const { return lookup(m_err, index, "Err_List"); }
QString TextTables::Text_List(int index) const { return lookup(m_text, index, "Text_List"); }

void TextTables::clear()
{
    m_menu.clear();
    m_err.clear();
    m_text.clear();
}

void TextTables::loadSectionLines(const QStringList &lines)
{
    clear();
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        const QString value = eq < 0 ? QString() : line.mid(eq + 1);
        if (line.startsWith(QLatin1String("Menu")))
            m_menu.append(value);
        else if (line.startsWith(QLatin1String("ErrMsg")))
            m_err.append(value);
        else if (line.startsWith(QLatin1String("Text")))
            m_text.append(value);
    }
}

namespace {

const QString kLanguageFile = QStringLiteral("Language.ini");
const QString kActualLanguage = QStringLiteral("Actual Language");
const QString kLanguageKey = QStringLiteral("Language");

} // namespace

TextTables loadLanguage(const QString &programFolder)
{
    const IniFile file(programFolder + kLanguageFile);
    return loadLanguageSection(programFolder,
                               file.readString(kActualLanguage, kLanguageKey, QStringLiteral("Magyar")));
}

TextTables loadLanguageSection(const QString &programFolder, const QString &language)
{
    const IniFile file(programFolder + kLanguageFile);
    TextTables tables;
    tables.Used_Lang = language;
    tables.loadSectionLines(file.readSection(tables.Used_Lang));
    tables.helpFile = programFolder
                      + file.readString(kActualLanguage, tables.Used_Lang + QLatin1String("_Help"),
                                        QStringLiteral("hlp_hun.hlp"));
    return tables;
}

bool storeLanguageChoice(const QString &programFolder, const QString &language,
                         QString *errorText)
{
    IniFile file(programFolder + kLanguageFile);
    file.writeString(kActualLanguage, kLanguageKey, language);
    const bool saved = file.save();
    if (errorText)
        *errorText = file.errorString();
    return saved;
}

QString AddColonToLast(const QString &text)
{
    return text.endsWith(u':') ? text : text + u':';
}

} // namespace vorn
