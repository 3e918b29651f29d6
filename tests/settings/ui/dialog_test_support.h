// Shared set-up of the settings and correction dialog tests: a private program
// folder with the shipped language file, a main window reading it, answers to
// the program's questions and a record of its messages.
#pragma once

#include "app/ui/TFrm_Dialog.h"
#include "app/ui/TFrm_Main.h"
#include "settings/NumberFormat.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

void PrintTo(const QString &text, std::ostream *out);

namespace dialogtest {

// One message the program showed through Sajat_Dlg.
struct Shown {
    QString text;
    bool question = false; // asked with yes and no buttons
};

// How the fixture answers questions.
enum class Answer { Yes, No, CloseBox };

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    QString folder() const { return m_dir.path() + u'/'; }
    QString settingsPath() const { return folder() + QStringLiteral("vorn.ini"); }
    QString languagePath() const { return folder() + QStringLiteral("Language.ini"); }
    QByteArray fileBytes(const QString &path) const;
    void writeFile(const QString &path, const QByteArray &bytes) const;
    // Makes the settings file unwritable (a folder stands in its place).
    void blockSettingsFile() const;
    // The keys of a section of the settings file, in file order.
    QStringList settingsKeys(const QString &section) const;
    QString settingsValue(const QString &section, const QString &key) const;

    // Messages shown since the test began (or since clearShown()).
    const std::vector<Shown> &shown() const { return m_shown; }
    QStringList shownTexts() const;
    void clearShown() { m_shown.clear(); }

    // A measurement file with the given voltage samples (current 2 A while
    // charging, then 1.5 A discharging), for opening in a graph window.
    QString makeMeasurementFile(const QString &name, const std::vector<double> &volts) const;

    Answer answer = Answer::Yes;

private:
    QTemporaryDir m_dir;
    QChar m_separator;
    std::vector<Shown> m_shown;

protected:
    TFrm_Main main; // after m_dir: it reads the language file at once
};

} // namespace dialogtest
