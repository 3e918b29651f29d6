// Shared helpers of the application shell's window tests: a private program
// folder with the shipped language file, text tables with recognisable
// entries, and access to the main window's replaceable actions.
#pragma once

#include "app/ui/TFrm_Main.h"
#include "settings/LanguageTables.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

void PrintTo(const QString &text, std::ostream *out);

namespace shelltest {

// Tables whose entries name themselves: Menu_List(i) == "M<i>",
// Err_List(i) == "E<i>", Text_List(i) == "T<i>".
vorn::TextTables namedTexts();

// A temporary program folder holding the shipped Language.ini, made the
// program's folder for as long as the object lives.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path() const { return m_dir.path() + u'/'; }
    QString languageFile() const { return path() + QStringLiteral("Language.ini"); }
    // Sets "Actual Language"/"Language".
    void chooseLanguage(const QString &language) const;
    void writeFile(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

// Runs the event loop until done() holds or timeoutMs pass; returns done().
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);

// The value of key in a section of the shipped language file.
QString shippedText(const QString &section, const QString &key);

} // namespace shelltest

// Reaches the main window's replaceable actions.
struct TFrm_MainTestAccess {
    static void setLoader(TFrm_Main &main, std::function<void(TFrm_Main &, const QString &)> loader)
    {
        main.m_loadFile = std::move(loader);
    }
    static void setActiveForm(TFrm_Main &main, std::function<QWidget *()> activeForm)
    {
        main.m_activeForm = std::move(activeForm);
    }
    static void setDocumentOpener(TFrm_Main &main, std::function<void(const QString &)> opener)
    {
        main.m_openDocument = std::move(opener);
    }
};
