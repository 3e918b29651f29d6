// Opening a measurement file into a new graph window, with the progress
// window on screen, and saving a graph window's measurement.
#include "SaveLoad.h"

#include "TFrm_Main.h"
#include "engines/ChartWidget.h"
#include "graph/IntegrityWarnings.h"
#include "graph/ui/TFrm_Graph.h"
#include "graph/ui/WarningStrip.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementWriter.h"
#include "measurement/ui/TFrm_LoadGraph.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <exception>

namespace {

using namespace vorn::measurement;

// How long the progress window stays after a successful load, ms.
constexpr int kProgressLinger = 1000;

// The progress window of one load. It appears with the reader's first report
// (a file that cannot even be opened shows none).
class LoadProgress {
public:
    explicit LoadProgress(TFrm_Main &main) : m_main(main) {}
    LoadProgress(const LoadProgress &) = delete;
    LoadProgress &operator=(const LoadProgress &) = delete;
    ~LoadProgress() { delete m_window.data(); }

    void step(int Start_Sz, int End_Sz, qint64 Max_i, qint64 Allapot)
    {
        ensureShown();
        // A step that cannot be computed only costs its update.
        m_window->Calc_sz(Start_Sz, End_Sz, 0, Max_i, Allapot, true);
    }
    // A percentage of the whole load, to a tenth.
    void at(double percent) { step(0, 100, 1000, std::llround(percent * 10)); }

    void close() { delete m_window.data(); }

    // Leaves the window on screen for a moment without holding the user up.
    void finish()
    {
        if (m_window)
            QTimer::singleShot(kProgressLinger, m_window.data(), &QObject::deleteLater);
        m_window.clear();
    }

private:
    void ensureShown()
    {
        if (m_window)
            return;
        m_window = new TFrm_LoadGraph(&m_main, m_main.texts);
        m_window->Set_Calc_G();
        // The main window is disabled during the load; the progress window
        // stays usable (its cancel button hides it).
        m_window->setEnabled(true);
        m_window->show();
    }

    TFrm_Main &m_main;
    QPointer<TFrm_LoadGraph> m_window;
};

// Keeps the main window disabled, and the file queue idle, for one load.
class MainWindowBusy {
public:
    explicit MainWindowBusy(TFrm_Main &main) : m_main(main), m_queueWasBusy(main.Is_LFL_Used)
    {
        m_main.setEnabled(false);
        // Progress updates let timers run: no queued file may start meanwhile.
        m_main.Is_LFL_Used = true;
    }
    ~MainWindowBusy() { release(); }
    MainWindowBusy(const MainWindowBusy &) = delete;
    MainWindowBusy &operator=(const MainWindowBusy &) = delete;

    void release()
    {
        if (m_released)
            return;
        m_released = true;
        m_main.Is_LFL_Used = m_queueWasBusy;
        m_main.setEnabled(true);
    }

private:
    TFrm_Main &m_main;
    bool m_queueWasBusy;
    bool m_released = false;
};

TFrm_Graph *createGraphWindow(TFrm_Main &main)
{
    auto *graph = new TFrm_Graph(main);
    main.addGraphWindow(graph);
    graph->SpeedUp_GraphChart();
    // Minimised, the window is not drawn while it is filled.
    graph->showMinimized();
    graph->File_Datas.Kep.clear();
    return graph;
}

// The strip above the chart when the file has integrity warnings; nothing at
// all when it has none.
void showIntegrityWarnings(TFrm_Main &main, TFrm_Graph &graph, const ReadWarnings &notes)
{
    std::vector<vorn::graph::IntegrityWarning> warnings = vorn::graph::integrityWarnings(notes, graph.File_Datas);
    graph.integrityWarnings = int(warnings.size());
    WarningStrip *strip = WarningStrip::attach(graph, std::move(warnings), main.texts);
    if (strip)
        QObject::connect(&main, &TFrm_Main::languageChanged, strip, &WarningStrip::Change_Language);
}

// Reads the file into the window and finishes the window. 0 on success, else
// the index of the message in Err_List.
int Betoltes(TFrm_Main &main, TFrm_Graph &graph, const QString &FileName, LoadProgress &progress)
{
    ReadResult result = readMeasurementFile(FileName, [&](double percent) { progress.at(percent); });
    if (!result.ok())
        return result.error;
    graph.File_Datas = std::move(result.record);
    progress.at(60);
    graph.Fill_Child_Diagram([&](int from, int to, qint64 max, qint64 at) {
        progress.step(from, to, max, at);
    });
    graph.setWindowTitle(QFileInfo(FileName).fileName());
    graph.filePath = FileName;
    progress.at(91);
    graph.Main_Chart->setZoomEnabled(false);
    progress.at(92);
    graph.MakeMenu();
    progress.at(93);
    main.mdiArea()->setActiveSubWindow(&graph);
    graph.SetMenu();
    progress.at(94);
    if (!graph.SetAxis())
        return kErrCannotRead;
    progress.at(95);
    graph.Change_Language();
    showIntegrityWarnings(main, graph, result.warnings);
    progress.at(96);
    graph.showMaximized();
    progress.at(100);
    return 0;
}

} // namespace

void Load_FROM_File(TFrm_Main &main, const QString &FileName)
{
    MainWindowBusy busy(main);
    LoadProgress progress(main);
    QPointer<TFrm_Graph> graph = createGraphWindow(main);
    int error = kErrCannotRead;
    try {
        error = Betoltes(main, *graph, FileName, progress);
    } catch (const std::exception &) {
        // Out of memory while filling, mostly: this file cannot be shown.
        error = kErrCannotRead;
    }
    if (error == 0 && graph) {
        busy.release();
        progress.finish();
        return;
    }
    // No window is left behind, and the message comes with the program
    // usable again.
    if (graph)
        graph->discard();
    progress.close();
    busy.release();
    main.Sajat_Dlg(error == kErrTooFewSamples ? main.texts.Err_List(29) : main.texts.Err_List(3),
                   dtError);
}

void Save_TO_File(TFrm_Main &main, TFrm_Graph &ChildForm)
{
    vorn::prompts::FileRequest request;
    request.title = main.texts.Text_List(25);
    request.proposedName = ChildForm.windowTitle();
    const QString chosen = vorn::prompts::saveFileName(&main, request);
    if (chosen.isEmpty())
        return;
    const QString path = measurementSavePath(chosen);
    if (QFileInfo::exists(path) && main.Sajat_Dlg(main.texts.Text_List(21), dtQuestion) == drNo)
        return;
    // Written beside the old file and swapped in only when complete, so a
    // failure leaves the old file as it was.
    const SaveResult result = saveMeasurementFile(path, ChildForm.File_Datas);
    if (!result.ok)
        main.Sajat_Dlg(result.errorText, dtError);
    else
        ChildForm.filePath = path;
}
