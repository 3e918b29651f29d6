// Shared fixture of the graph window tests: a real main window with the
// shipped language file, measurement files written for the test, and the
// program's questions and file dialogs answered by the test.
#pragma once

#include "app/ui/TFrm_Dialog.h"
#include "app/ui/TFrm_Main.h"
#include "graph/ui/TFrm_Graph.h"
#include "engines/ChartWidget.h"
#include "measurement/MeasurementRecord.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

void PrintTo(const QString &text, std::ostream *out);

// Reaches the main window's replaceable parts.
struct TFrm_MainTestAccess {
    static void setActiveForm(TFrm_Main &main, std::function<QWidget *()> activeForm)
    {
        main.m_activeForm = std::move(activeForm);
    }
};

namespace graphtest {

// A message the program showed through its message dialog.
struct Message {
    QString text;
    TDialog_Type kind = dtInformation;
};

// Runs the event loop until done() holds or timeoutMs pass; returns done().
// Waits for events instead of sleeping.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 5000);

// A measurement of n samples at Mint_ido seconds: charging for the first
// chargeSamples, then discharging; voltage rising from 12 V while charging and
// falling afterwards, currents of 2.5 A and 5 A.
TFile_Datas sampleRecord(int n, int Mint_ido, int chargeSamples);

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes record as a measurement file in the test's folder.
    QString writeFile(const QString &name, const TFile_Datas &record);
    QString writeBytes(const QString &name, const QByteArray &bytes);
    QString filePath(const QString &name) const;

    // Opens a file the way the Open command does; returns the new window or null.
    TFrm_Graph *open(const QString &path);
    // Lets the window be drawn, so that its after-draw work has run.
    void drawn(TFrm_Graph *graph);

    // Answers for the next questions, in order; a question without a queued
    // answer fails the test and is answered no. Messages are recorded.
    void answer(std::initializer_list<TDialog_Result> results);
    QList<Message> messages;
    QList<TDialog_Result> answers;
    // Called when the message dialog is shown, before it is answered.
    std::function<void(const Message &)> onMessage;

    // The path the save dialog returns (empty: cancel), and what it was asked.
    QString saveAnswer;
    QList<QString> proposedNames;
    QList<QString> saveTitles;

    std::unique_ptr<TFrm_Main> main;
    QTemporaryDir folder;

private:
    void answerDialog(TFrm_Dialog &dialog);

    QTemporaryDir m_programFolder;
};

} // namespace graphtest
