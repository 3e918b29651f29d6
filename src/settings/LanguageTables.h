// The three text tables of the user interface, loaded from one section of the
// language file.
#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

class TextTables {
public:
    // Positional lookups. An index past the end of its table gives a visible
    // placeholder such as "[Text_List 178]" instead of failing.
    QString Menu_List(int index) const;
    QString Err_List(int index) const;
    QString Text_List(int index) const;

    const QStringList &menuList() const { return m_menu; }
    const QStringList &errList() const { return m_err; }
    const QStringList &textList() const { return m_text; }

    // Name of the language section in use ("Magyar", "English", "German").
    QString Used_Lang;
    // Program folder + the "<language>_Help" value of "Actual Language".
    QString helpFile;

    // Fills the tables from a section's lines ("key=value", file order):
    // keys beginning with "Menu", "ErrMsg", "Text" (case-sensitive) append the
    // text after the first "=" to their table; other keys are ignored.
    void loadSectionLines(const QStringList &lines);
    void clear();

private:
    QStringList m_menu;
    QStringList m_err;
    QStringList m_text;
};

// `Set_Language`'s loading part: reads "Actual Language"/"Language" (default
// "Magyar") and that section of programFolder + "Language.ini" into a fresh
// TextTables, and the help file name from "<language>_Help" (default
// "hlp_hun.hlp"). programFolder ends with "/". A missing file or section gives
// empty tables (every lookup then shows its placeholder).
TextTables loadLanguage(const QString &programFolder);

// The same for a named language section, whatever "Actual Language" says.
TextTables loadLanguageSection(const QString &programFolder, const QString &language);

// Writes the chosen language to "Actual Language"/"Language" of the language
// file, leaving the rest of the file as it is. Returns false when the file
// cannot be written; errorText then names the file and the reason.
bool storeLanguageChoice(const QString &programFolder, const QString &language,
                         QString *errorText = nullptr);

// The text with ":" appended unless it already ends with one; "" gives ":".
QString AddColonToLast(const QString &text);

} // namespace vorn
