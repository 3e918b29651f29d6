// The pendrive window: the measurement files found in the root folders of the
// removable drives, one full path per row; the chosen one goes to the main
// window's file-open queue.
#pragma once

#include "ExchangeHost.h"
#include "exchange/PendriveScan.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QWidget;
class TLxListViewSearch;

class TFrm_Pendrive : public QDialog {
    Q_OBJECT
public:
    // Made once at start and reused; the drives come from the system.
    TFrm_Pendrive(const vorn::exchange::ExchangeHost &host, QWidget *parent = nullptr);

    // Tests hand drives of their own.
    void setDriveSource(std::shared_ptr<const vorn::exchange::DriveSource> drives);

    // The scan: empties the list and fills it from the root folders of the
    // removable drives (floppy drives left out). True when a file was found.
    bool Scan();
    void Clear_Lista();
    // Appends a row with FN, the full path, in column 1.
    void Add_Lista(const QString &FN);
    void Set_Language();

    TLxListViewSearch *Lsv_Lista = nullptr;
    QWidget *Pan_Button = nullptr;
    QPushButton *Btn_Load = nullptr;
    QPushButton *Btn_Cancel = nullptr;

public slots:
    void Btn_LoadClick();
    void Btn_CancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createList();
    void createButtons();
    int selectedRow() const;

    vorn::exchange::ExchangeHost m_host;
    std::shared_ptr<const vorn::exchange::DriveSource> m_drives;
};
