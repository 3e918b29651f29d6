// Qt's own windows (file, colour, print and message dialogs, the edits'
// context menus) in the language the program speaks.
#pragma once

#include <QString>

namespace vorn::ui {

// The locale of Qt's translations for a language of the language file:
// "hu" for "Magyar", "de" for "German", empty for English and unknown names.
QString qtLocaleName(const QString &usedLang);

// The folder of Qt's installed translations (QLibraryInfo's TranslationsPath).
QString qtTranslationsFolder();

// Replaces the Qt translation installed by an earlier call with the one for
// usedLang from folder. English, or a missing or unreadable file, leaves Qt's
// built-in English texts, without a message. Qt tells every widget at once.
// True when a translation is now installed.
bool installQtTranslation(const QString &usedLang, const QString &folder = qtTranslationsFolder());

} // namespace vorn::ui
