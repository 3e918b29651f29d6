// Shared set-up of the info and graph settings dialog tests: a program folder
// with the shipped language file, a main window, measurement files opened
// into real graph windows, the program's messages recorded and answered, and
// modal dialogs driven from the event loop they run in.
#pragma once

#include "app/ui/TFrm_Main.h"
#include "graph/ui/TFrm_Graph.h"
#include "measurement/MeasurementRecord.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

void PrintTo(const QString &text, std::ostream *out);

namespace graphdialogs {

// One run of a measurement: `samples` samples at the same current, charging
// or discharging.
struct Run {
    bool charging;
    int samples;
    double amperes;
};

// A record with every parameter given (none is -1) and samples for the runs,
// voltage rising while charging and falling while discharging.
TFile_Datas recordOf(int Mint_ido, std::initializer_list<Run> runs);

class GraphDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the next language reading take this section.
    void chooseLanguage(const QString &language);
    // Writes the record as a measurement file and opens it the way the
    // program does; null when the program refused it.
    TFrm_Graph *open(const TFile_Datas &record);
    QString settingsPath() const;
    // The settings file's value, "<missing>" when it has none.
    QString setting(const QString &section, const QString &key) const;

    // Runs act on the modal dialog of type Dialog as soon as the event loop
    // of its exec() runs. A dialog that act leaves open fails the test and is
    // closed, so that no test waits for a person.
    template <class Dialog>
    void whenShown(std::function<void(Dialog &)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *dialog = qobject_cast<Dialog *>(modal);
            if (dialog)
                act(*dialog);
            else
                ADD_FAILURE() << "the expected dialog is not shown";
            if (modal && modal->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                modal->close();
            }
        });
    }

    QStringList messages; // texts shown through the message dialog
    std::unique_ptr<TFrm_Main> main;

private:
    QTemporaryDir m_programFolder;
    QTemporaryDir m_files;
    QChar m_separator;
    int m_fileCount = 0;
};

} // namespace graphdialogs
