// The main window's side of the data exchange windows: the pendrive window
// and what the export and that window may ask of the main window.
#include "TFrm_Main.h"

#include "exchange/ui/ExchangeHost.h"
#include "exchange/ui/TFrm_Pendrive.h"

#include <QTimer>

void TFrm_Main::setPendrive(TFrm_Pendrive *pendrive)
{
    m_pendrive = pendrive;
    // Nothing starts this timer: the scan runs from Btn_PenDrive.
    connect(Time_Pendrive, &QTimer::timeout, this, [this] { Talalat = m_pendrive->Scan(); });
}

vorn::exchange::ExchangeHost TFrm_Main::exchangeHost()
{
    vorn::exchange::ExchangeHost host;
    host.owner = this;
    host.texts = &texts;
    host.Sajat_Dlg = [this](const QString &text, TDialog_Type kind) { return Sajat_Dlg(text, kind); };
    host.Add_File_List = [this](const QString &path) { Add_File_List(path); };
    // While an export writes, the main window (and with it every graph
    // window) takes no input and the file-open queue waits.
    host.setBusy = [this](bool busy) {
        setEnabled(!busy);
        Is_LFL_Used = busy;
    };
    return host;
}
