// What the data exchange windows (spreadsheet export, pendrive list) need
// from the main window, handed over without their knowing the main window.
#pragma once

#include "app/ui/TFrm_Dialog.h"

#include <QString>

#include <functional>

class QWidget;
namespace vorn { class TextTables; }

namespace vorn::exchange {

struct ExchangeHost {
    QWidget *owner = nullptr;             // parent of the dialogs and the progress window
    const vorn::TextTables *texts = nullptr; // Menu_List, Err_List, Text_List
    std::function<TDialog_Result(const QString &, TDialog_Type)> Sajat_Dlg;
    // Queues a measurement file for opening.
    std::function<void(const QString &)> Add_File_List;
    // True: keep the rest of the program still while an export writes (no
    // window closes, no queued file opens); false: let it go again.
    std::function<void(bool)> setBusy;
};

} // namespace vorn::exchange
