// What the comparison of measurements takes from the main window, handed
// over without its knowing the main window or the graph windows: the open
// measurements, the texts, and the calls that bring a graph window to the
// front or open a file in a new one.
#pragma once

#include "app/ui/TFrm_Dialog.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::graphui {

class RecordWatch;

// An open graph window's measurement, read where it lies.
struct CompareOffer {
    QString title;                        // the window's caption
    QString path;                         // the file it came from; may be empty
    const TFile_Datas *record = nullptr;  // valid while the window lives
    RecordWatch *watch = nullptr;         // its changes, and the hand-over at its end
    QPointer<QWidget> window;
    int warnings = 0;                     // integrity warnings of its file
};

struct CompareHost {
    QWidget *owner = nullptr;                 // parent of the comparison window
    const vorn::TextTables *texts = nullptr;
    // The graph windows' measurements, in the order they were opened.
    std::function<QList<CompareOffer>()> openMeasurements;
    // Brings the graph window to the front.
    std::function<void(QWidget *window)> showWindow;
    // Opens a measurement file in a new graph window (it then is among the
    // open measurements).
    std::function<void(const QString &path)> openFile;
    std::function<TDialog_Result(const QString &, TDialog_Type)> Sajat_Dlg;
};

} // namespace vorn::graphui
